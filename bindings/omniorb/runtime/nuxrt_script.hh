// Part of the runtime (nuxrt.hh): the expected calls of a scripted server. Every QOR script
// knows the calls its file lists for its function; every call of a server function is an
// invocation, which counts the scripted calls it takes. An expected call is an outcome when it
// comes (failed when it comes out of the file's order and the script asks for that order); one
// that never came is a failed outcome when serve ends; a call beyond the script is a failed
// outcome, unless a script's default branch answered it; so is a call of a function that no
// script answers.
#ifndef NUXRT_SCRIPT_HH
#define NUXRT_SCRIPT_HH

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "nuxrt_outcomes.hh"
#include "nuxrt_state.hh"

namespace nuxrt {

// One call a QOR script expects: the line of its message, and the message's place in its file.
struct ExpectedCall {
    int line;
    unsigned position;
};

class Script;

// Every script of the program, in the order they were made: before main, as file statics of the
// generated source file.
inline std::vector<Script *> &scripts()
{
    static std::vector<Script *> all;
    return all;
}

// The QOR call a check belongs to: its report group and name.
struct CallContext {
    std::string group;
    std::string name;
};

// One call of a server function, from its start to its end: the scripted calls it took, whether
// a default branch answered it, whether it found only a stub or scripts none of which took it.
class Invocation {
public:
    Invocation(const char *interface, const char *operation)
        : function_(std::string(interface) + "::" + operation), started_(Clock::now()), outer_(now())
    {
        now() = this;
    }
    ~Invocation();
    Invocation(const Invocation &) = delete;
    Invocation &operator=(const Invocation &) = delete;

    // The invocation running on this thread, or null.
    static Invocation *running() { return now(); }

    // The call number of script it took; outcome is the index of the call's outcome, or npos
    // for a call beyond the script, which is decided at the end.
    void took(Script &script, unsigned long number, std::size_t outcome, const CallContext &context)
    {
        taken_.push_back({&script, number, outcome});
        if (outcome != npos)
            context_ = context;
    }
    // The body is a stub: no script answers the function.
    void unscripted() { unanswered_ = "no script answers it"; }
    // The body is made of QOR scripts alone, and the call has come to its end: unless one of them
    // took it, it was made on an object that none of them is for.
    void after_scripts()
    {
        if (taken_.empty() && !defaulted_)
            unanswered_ = "no script of it is for this object";
    }
    void answered_by_default() { defaulted_ = true; }
    const CallContext *call() const { return context_.name.empty() ? nullptr : &context_; }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    struct Taken {
        Script *script;
        unsigned long number;
        std::size_t outcome;
    };
    static Invocation *&now()
    {
        thread_local Invocation *current = nullptr;
        return current;
    }

    std::string function_;
    Clock::time_point started_;
    Invocation *outer_;
    std::vector<Taken> taken_;
    CallContext context_;
    std::string unanswered_;  // why no script answered the call, or empty
    bool defaulted_ = false;
};

class Script {
public:
    // function is the IDL name of the scripted function, file the QOR file, use the line of the
    // "use" command that read it (the scripts of one use share the file's order), in_order
    // whether calls must come in that order.
    Script(const char *function, const char *file, int use, int in_order, std::initializer_list<ExpectedCall> calls)
        : function_(function), file_(file), use_(use), in_order_(in_order != 0), calls_(calls)
    {
        scripts().push_back(this);
    }
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    // Counts a call of the function and returns its number, which selects its case.
    unsigned long take()
    {
        State &s = state();
        std::lock_guard<std::recursive_mutex> guard(s.lock);
        const std::string problem = number_ < calls_.size() ? order_problem() : "";
        const unsigned long number = ++number_;
        Invocation *invocation = Invocation::running();
        if (number > calls_.size()) {
            if (invocation)
                invocation->took(*this, number, Invocation::npos, {});
            else
                beyond(number, false, 0);
            return number;
        }
        const CallContext context{group(), "call " + std::to_string(number) + " (" + where(number) + ")"};
        stream() << "QOR " << describe(number) << std::endl;
        if (!problem.empty())
            alert(problem);
        const std::size_t outcome =
            record({context.group, context.name, problem, problem, problem.empty() ? "" : "call out of order", 0});
        if (invocation)
            invocation->took(*this, number, outcome, context);
        return number;
    }

    // A call beyond the script: answered by a default branch, or unexpected.
    void beyond(unsigned long number, bool defaulted, double seconds)
    {
        const std::string name = "call " + std::to_string(number);
        if (defaulted) {
            stream() << "QOR call " << number << " of " << function_ << " answered by a default branch" << std::endl;
            record({group(), name + " (default branch)", "", "", "", seconds});
            return;
        }
        const std::string message = "unexpected call " + std::to_string(number) + " of " + function_ + ": not in " + file_;
        alert(message);
        record({group(), name + " (not in " + file_ + ")", message, message, "unexpected call", seconds});
    }

    // The expected calls that have not come and are not reported yet: (place in the file, number).
    std::vector<std::pair<unsigned, unsigned long>> missing() const
    {
        std::vector<std::pair<unsigned, unsigned long>> calls;
        for (unsigned long number = std::max(number_, settled_) + 1; number <= calls_.size(); ++number)
            calls.push_back({calls_[number - 1].position, number});
        return calls;
    }

    // Reports an expected call that never came, once.
    void report_missing(unsigned long number)
    {
        const std::string message = "expected " + describe(number) + " was not received";
        alert(message);
        record({group(), "call " + std::to_string(number) + " (" + where(number) + ")", message, message,
                "missing call", 0});
        settled_ = std::max(settled_, number);
    }

    int use() const { return use_; }

private:
    std::string group() const { return state().suite + "." + function_; }
    std::string where(unsigned long number) const
    {
        return file_ + " line " + std::to_string(calls_[number - 1].line);
    }
    // "call 3 of Calc::Calculator::add (calc.qor line 9)"
    std::string describe(unsigned long number) const
    {
        return "call " + std::to_string(number) + " of " + function_ + " (" + where(number) + ")";
    }
    // The next call expected in the order of the file, of any script of the same use; the call
    // this script takes now when none of the others is earlier.
    std::string order_problem() const
    {
        if (!in_order_)
            return "";
        const unsigned position = calls_[number_].position;
        const Script *first = nullptr;
        for (const Script *other : scripts()) {
            if (other->use_ != use_ || other->number_ >= other->calls_.size())
                continue;
            if (other->calls_[other->number_].position < position &&
                (!first || other->calls_[other->number_].position < first->calls_[first->number_].position))
                first = other;
        }
        if (!first)
            return "";
        return describe(number_ + 1) + " came before " + first->describe(first->number_ + 1) + " (out of order)";
    }

    std::string function_;
    std::string file_;
    int use_;
    bool in_order_;
    std::vector<ExpectedCall> calls_;
    unsigned long number_ = 0;   // the calls taken
    unsigned long settled_ = 0;  // the expected calls reported already
};

inline Invocation::~Invocation()
{
    try {
        const double seconds = seconds_since(started_);
        State &s = state();
        std::lock_guard<std::recursive_mutex> guard(s.lock);
        for (const Taken &t : taken_) {
            if (t.outcome == npos)
                t.script->beyond(t.number, defaulted_, seconds);
            else
                s.outcomes[t.outcome].seconds = seconds;
        }
        if (!unanswered_.empty()) {
            const unsigned long number = ++s.unscripted_calls[function_];
            const std::string message =
                "unexpected call " + std::to_string(number) + " of " + function_ + ": " + unanswered_;
            alert(message);
            record({s.suite + "." + function_, "call " + std::to_string(number) + " (unscripted)", message, message,
                    "unexpected call", seconds});
        }
    } catch (...) {
    }
    now() = outer_;
}

// The default branch of a script answers the running call.
inline void by_default()
{
    if (Invocation *invocation = Invocation::running())
        invocation->answered_by_default();
}

// The QOR call that the running check belongs to, or null.
inline const CallContext *current_call()
{
    Invocation *invocation = Invocation::running();
    return invocation ? invocation->call() : nullptr;
}

// The end of serve: every expected call not received is reported, in the order of its file.
inline void settle_expectations()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    struct Missing {
        int use;
        unsigned position;
        Script *script;
        unsigned long number;
    };
    std::vector<Missing> missing;
    for (Script *script : scripts()) {
        for (const auto &[position, number] : script->missing())
            missing.push_back({script->use(), position, script, number});
    }
    std::sort(missing.begin(), missing.end(), [](const Missing &a, const Missing &b) {
        return a.use != b.use ? a.use < b.use : a.position < b.position;
    });
    for (const Missing &m : missing)
        m.script->report_missing(m.number);
}

}  // namespace nuxrt

#endif
