// Part of the runtime (nuxrt.hh): the state of the process, made once and never destroyed
// (object references must not be released after the ORB is gone, which a destructor at exit
// could not promise), and the output stream everything is reported on.
#ifndef NUXRT_STATE_HH
#define NUXRT_STATE_HH

#include <omniORB4/CORBA.h>
#include <omniORB4/Naming.hh>

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <iostream>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace nuxrt {

using Clock = std::chrono::steady_clock;

inline double seconds_since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One thing the summary line counts: a test, a check outside tests, a QOR check, an expected or
// unexpected call. It passed when failure is empty.
struct Outcome {
    std::string group;    // the report's class name: the program, or the program and a function
    std::string name;     // "test 2", "call 1 (bank.qor line 4)", "call 1 (bank.qor line 4): memo"
    std::string failure;  // one line: what went wrong
    std::string detail;   // the report lines of the failure, expected and actual
    std::string kind;     // the kind of failure: "violated check", "missing call"...
    double seconds = 0;
};

// An object reference this program made or found, with the name it goes by.
struct KnownObject {
    CORBA::Object_var object;
    std::string name;
};

struct State {
    std::recursive_mutex lock;
    int argc = 0;
    char **argv = nullptr;
    std::vector<std::string> arguments;  // the command line as given, before the ORB takes its options
    std::string program;  // the output base name, in front of the runtime's notes
    std::string suite;    // the program's file name, the report's test suite
    std::string report;   // the report's file (NUXRT_REPORT), empty for none
    Clock::time_point started = Clock::now();
    std::time_t started_at = std::time(nullptr);
    CORBA::ORB_var orb;
    PortableServer::POA_var poa;
    CosNaming::NamingContext_var naming;
    std::vector<KnownObject> created;  // every object made by create, oldest first
    std::vector<KnownObject> bound;    // every object found by bind
    std::vector<Outcome> outcomes;
    // The test running now.
    bool in_test = false;
    std::string test_name;
    std::string test_failure;
    std::string test_detail;
    Clock::time_point test_started;
    // serve waits until a signal asks it to stop.
    std::mutex serve_lock;
    std::condition_variable serve_stop;
    bool serving = false;
    bool stop_requested = false;
    std::vector<pid_t> children;  // copies started by fork
    std::map<std::string, unsigned long> unscripted_calls;  // calls no script answered, per function
};

inline State &state()
{
    static State *s = new State;
    return *s;
}

inline std::ostream &stream() { return std::cout; }

// A line of the runtime's own, with the program's name in front.
inline void note(const std::string &line)
{
    stream() << state().program << ": " << line << std::endl;
}

// A line that reports something wrong, marked so that it stands out.
inline void alert(const std::string &line)
{
    stream() << "**** " << line << " ****" << std::endl;
}

}  // namespace nuxrt

#endif
