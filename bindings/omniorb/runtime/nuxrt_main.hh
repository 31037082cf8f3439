// Part of the runtime (nuxrt.hh): main. The set-up, the script's body, the summary line, the
// report and the exit status; and fork, which copies the rest of main.
#ifndef NUXRT_MAIN_HH
#define NUXRT_MAIN_HH

#include <omniORB4/CORBA.h>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "nuxrt_orb.hh"
#include "nuxrt_outcomes.hh"
#include "nuxrt_report.hh"
#include "nuxrt_settings.hh"
#include "nuxrt_state.hh"

namespace nuxrt {

// fork: from here on, count processes run the rest of main. Possible only before the ORB starts.
// Only the first process writes the report; each copy's failure fails it.
inline void fork_copies(long count)
{
    State &s = state();
    auto refuse = [](const std::string &message) {
        alert(message);
        violation("fork", message, "", "failure");
    };
    if (!CORBA::is_nil(s.orb)) {
        refuse("fork after the ORB has started: not done");
        return;
    }
    for (long i = 1; i < count; ++i) {
        stream().flush();
        pid_t child = ::fork();
        if (child == 0) {
            s.children.clear();
            s.report.clear();
            watch_signals();  // a copy has only the thread that forked
            return;
        }
        if (child < 0) {
            refuse("fork failed");
            return;
        }
        s.children.push_back(child);
    }
}

// The program's file name, without its folder.
inline std::string base_name(const char *path)
{
    const std::string text(path ? path : "");
    const std::string::size_type slash = text.rfind('/');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

inline void start(int argc, char **argv, const char *program)
{
    State &s = state();
    s.argc = argc;
    s.argv = argv;
    s.arguments.assign(argv, argv + argc);
    s.program = program;
    s.suite = argc > 0 ? base_name(argv[0]) : "";
    if (s.suite.empty())
        s.suite = base_name(program);
    read_settings(program, s.arguments);
    s.report = settings().report;
    watch_signals();
}

inline int finish(int status)
{
    State &s = state();
    end_test();
    if (!CORBA::is_nil(s.orb)) {
        try {
            s.orb->destroy();
        } catch (const CORBA::Exception &) {
        }
    }
    for (pid_t child : s.children) {
        int child_status = 0;
        if (waitpid(child, &child_status, 0) < 0 || !WIFEXITED(child_status) || WEXITSTATUS(child_status) != 0)
            violation("copy " + std::to_string(child), "the copy " + std::to_string(child) + " made by fork failed",
                      "", "failure");
    }
    print_tap();
    stream() << summary_line() << std::endl;
    const bool reported = write_report();
    if (status)
        return status;
    return failed_count() || !reported ? 1 : 0;
}

template <class Body> int run(int argc, char **argv, const char *program, Body body)
{
    start(argc, argv, program);
    int status = 0;
    try {
        status = body();
    } catch (const Stop &stop) {
        alert(stop.why + ": the rest of main does not run");
        if (!stop.counted)
            violation(stop.name, stop.why, "", "failure");
    } catch (...) {
        report_exception("main");
    }
    return finish(status);
}

}  // namespace nuxrt

#endif
