// Part of the runtime (nuxrt.hh): what the summary line counts. Every test, every check outside
// a test and every QOR check and call is one outcome, passed or failed; a check inside a test
// counts through its test. Exceptions are reported here too, with omniORB's names of their minor
// codes.
#ifndef NUXRT_OUTCOMES_HH
#define NUXRT_OUTCOMES_HH

#include <omniORB4/CORBA.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <sstream>
#include <string>
#include <utility>

#include "nuxrt_settings.hh"
#include "nuxrt_state.hh"

namespace nuxrt {

// The index of the outcome recorded.
inline std::size_t record(Outcome outcome)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    s.outcomes.push_back(std::move(outcome));
    return s.outcomes.size() - 1;
}

inline unsigned failed_count()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    unsigned failed = 0;
    for (const Outcome &o : s.outcomes)
        failed += o.failure.empty() ? 0 : 1;
    return failed;
}

inline std::string summary_line()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    const unsigned failed = failed_count();
    std::ostringstream line;
    line << s.outcomes.size() - failed << " passed, " << failed << " failed";
    return line.str();
}

inline void end_test()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (!s.in_test)
        return;
    s.in_test = false;
    const bool failed = !s.test_failure.empty();
    record({s.suite, "test " + s.test_name, s.test_failure, s.test_detail, failed ? "failed test" : "",
            seconds_since(s.test_started)});
    stream() << "Test " << s.test_name << (failed ? " FAILED" : " passed") << std::endl;
}

inline void begin_test(const char *name)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    end_test();  // a test left open by a jump out of it ends here
    s.in_test = true;
    s.test_name = name;
    s.test_failure.clear();
    s.test_detail.clear();
    s.test_started = Clock::now();
    stream() << "Test " << name << std::endl;
}

// Something that did not hold: it fails the running test, or else is an outcome of its own named
// name. failure is one line, detail the lines that show it.
inline void violation(const std::string &name, const std::string &failure, const std::string &detail,
                      const char *kind)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (s.in_test) {
        if (s.test_failure.empty())
            s.test_failure = failure;
        s.test_detail += failure + "\n" + detail;
        return;
    }
    record({s.suite, name, failure, failure + "\n" + detail, kind, 0});
}

// A check that held: outside a test an outcome of its own.
inline void satisfied(const std::string &name)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (!s.in_test)
        record({s.suite, name, "", "", "", 0});
}

// The fail command.
inline void fail() { violation("fail", "fail", "", "failure"); }

// Thrown by nogo: the running test cannot go on.
struct NoGo {};

// Thrown when a step that the rest of main needs has failed (a bind): the running test fails,
// and main stops with the one message. name names the step, why says what went wrong.
struct Stop {
    std::string name;
    std::string why;
    bool counted = false;  // failed the test it stopped
};

// omniORB's name of a system exception's minor code (TRANSIENT_ConnectFailed), or the code in
// hexadecimal where omniORB has no name for it (0 stays 0).
inline std::string minor_code_name(const CORBA::SystemException &e)
{
#define NUXRT_MINOR_TABLE(name) {#name, _OMNI_NS(name##_LookupTable)},
    static const struct {
        const char *exception;
        const _OMNI_NS(minorCodeLookup) *table;
    } tables[] = {OMNIORB_FOR_EACH_SYS_EXCEPTION(NUXRT_MINOR_TABLE)};
#undef NUXRT_MINOR_TABLE
    for (const auto &t : tables) {
        if (std::strcmp(t.exception, e._name()) != 0)
            continue;
        if (const char *name = _OMNI_NS(minorCode2String)(t.table, e.minor()))
            return name;
    }
    char code[16];
    std::snprintf(code, sizeof code, e.minor() ? "0x%lx" : "%lu", static_cast<unsigned long>(e.minor()));
    return code;
}

// The exception in brief: its minor code's name, which names the exception too, where omniORB
// has one (TRANSIENT_ConnectFailed), else the exception and its minor code.
inline std::string exception_brief(const CORBA::SystemException &e)
{
    const std::string minor = minor_code_name(e);
    return minor.compare(0, std::strlen(e._name()), e._name()) == 0 ? minor : e._name() + (" minor " + minor);
}

inline std::string system_exception_text(const CORBA::SystemException &e)
{
    const char *completed = e.completed() == CORBA::COMPLETED_YES ? "yes"
                            : e.completed() == CORBA::COMPLETED_NO ? "no"
                                                                   : "maybe";
    const std::string text = std::string("CORBA system exception ") + e._name() + " (minor " + minor_code_name(e) +
                             ", completed " + completed + ")";
    return CORBA::TIMEOUT::_downcast(&e) ? text + ": no answer within " + settings().call_limit : text;
}

// What the exception being handled is.
inline std::string exception_text()
{
    try {
        throw;
    } catch (const NoGo &) {
        return "nogo: the test cannot go on";
    } catch (const Stop &stop) {
        return stop.why;
    } catch (const CORBA::SystemException &e) {
        return system_exception_text(e);
    } catch (const CORBA::Exception &e) {
        return std::string("CORBA exception ") + e._name();
    } catch (const std::exception &e) {
        return std::string("exception: ") + e.what();
    } catch (...) {
        return "unknown exception";
    }
}

// Reports the exception being handled and counts it as a failure of where.
inline void report_exception(const std::string &where)
{
    const std::string what = exception_text();
    alert(where + ": " + what);
    violation(where, what, "", "exception");
}

// The handler of begin test ... end test: an exception fails the test and the next one runs,
// unless it stops main, which then says why.
inline void test_exception()
{
    const std::exception_ptr exception = std::current_exception();
    try {
        throw;
    } catch (Stop &stop) {
        violation("", stop.why, "", "exception");
        end_test();
        stop.counted = true;
        std::rethrow_exception(exception);
    } catch (...) {
        report_exception("test " + state().test_name);
    }
}

}  // namespace nuxrt

#endif
