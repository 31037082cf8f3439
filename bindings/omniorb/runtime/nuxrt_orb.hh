// Part of the runtime (nuxrt.hh): the ORB, the POA and the naming service; create, bind and
// serve; the stop on SIGINT or SIGTERM. The ORB starts at its first use, so that fork can still
// copy a program that has not touched it.
#ifndef NUXRT_ORB_HH
#define NUXRT_ORB_HH

#include <omniORB4/CORBA.h>
#include <omniORB4/Naming.hh>

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "nuxrt_outcomes.hh"
#include "nuxrt_print.hh"
#include "nuxrt_report.hh"
#include "nuxrt_script.hh"
#include "nuxrt_settings.hh"
#include "nuxrt_state.hh"

namespace nuxrt {

inline CORBA::ORB_ptr orb()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (CORBA::is_nil(s.orb)) {
        s.orb = CORBA::ORB_init(s.argc, s.argv);
        if (settings().sets_call_limit)
            omniORB::setClientCallTimeout(static_cast<CORBA::ULong>(settings().call_seconds * 1000));
        CORBA::Object_var object = s.orb->resolve_initial_references("RootPOA");
        PortableServer::POA_var root = PortableServer::POA::_narrow(object);
        // One thread at a time in the servants: a call script counts calls and prints its checks
        // in the order the calls come.
        CORBA::PolicyList policies;
        policies.length(1);
        policies[0] = root->create_thread_policy(PortableServer::SINGLE_THREAD_MODEL);
        PortableServer::POAManager_var manager = root->the_POAManager();
        s.poa = root->create_POA("nuxrt", manager, policies);
        policies[0]->destroy();
        manager->activate();
    }
    return s.orb;
}

inline PortableServer::POA_ptr poa()
{
    orb();
    return PortableServer::POA::_duplicate(state().poa);
}

// The value of the last "OPTION NAME=VALUE" pair of the command line, or "" when there is none.
inline std::string option_value(const char *option, const std::string &name)
{
    const std::string prefix = name + "=";
    const std::vector<std::string> &arguments = state().arguments;
    std::string value;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == option && arguments[i + 1].compare(0, prefix.size(), prefix) == 0)
            value = arguments[i + 1].substr(prefix.size());
    }
    return value;
}

// Where the naming service is said to be: the NameService reference given on the command line
// or in the environment, as written.
inline std::string naming_service_location()
{
    const std::string prefix = "NameService=";
    const std::string given = option_value("-ORBInitRef", "NameService");
    if (!given.empty())
        return given;
    const char *environment = std::getenv("ORBInitRef");
    if (environment && std::strncmp(environment, prefix.c_str(), prefix.size()) == 0)
        return environment + prefix.size();
    return "the NameService initial reference";
}

// Thrown where the naming service cannot be used; says why.
inline Stop naming_service_problem(const std::string &what, const CORBA::SystemException &e)
{
    return {what, what + ": naming service not reachable at " + naming_service_location() + " (" +
                      exception_brief(e) + ")"};
}

inline CosNaming::NamingContext_ptr naming()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (CORBA::is_nil(s.naming)) {
        CORBA::Object_var object;
        try {
            object = orb()->resolve_initial_references("NameService");
        } catch (const CORBA::ORB::InvalidName &) {
            throw Stop{"naming service", "no naming service is known: give -ORBInitRef NameService=corbaname::HOST:PORT"};
        }
        s.naming = CosNaming::NamingContext::_narrow(object);
        if (CORBA::is_nil(s.naming))
            throw Stop{"naming service", "the NameService reference " + naming_service_location() +
                                             " is no naming context"};
    }
    return s.naming;
}

// The naming-service name of an object: its marker at the top, or else the variable's name in
// the context of its server.
inline CosNaming::Name name_of(const char *marker, const char *server, const char *variable)
{
    CosNaming::Name name;
    if (*marker) {
        name.length(1);
        name[0].id = marker;
    } else {
        name.length(2);
        name[0].id = server;
        name[1].id = variable;
    }
    return name;
}

inline std::string name_text(const CosNaming::Name &name)
{
    std::string text;
    for (CORBA::ULong i = 0; i < name.length(); ++i)
        text += (i ? "/" : "") + std::string(name[i].id.in());
    return text;
}

// Binds object under the name, replacing whatever an earlier run left there (an object, or a
// context where an object is to go).
inline void publish(CORBA::Object_ptr object, const char *marker, const char *server, const char *variable)
{
    CosNaming::NamingContext_ptr context = naming();
    if (!*marker) {
        CosNaming::Name serverContext;
        serverContext.length(1);
        serverContext[0].id = server;
        try {
            CosNaming::NamingContext_var created = context->bind_new_context(serverContext);
        } catch (const CosNaming::NamingContext::AlreadyBound &) {
        }
    }
    const CosNaming::Name name = name_of(marker, server, variable);
    try {
        context->rebind(name, object);
    } catch (const CosNaming::NamingContext::NotFound &) {
        context->unbind(name);
        context->bind(name, object);
    }
}

// The ORB's adapter of objects reached by a plain corbaloc key (corbaloc::HOST:PORT/KEY).
inline PortableServer::POA_ptr key_adapter()
{
    CORBA::Object_var object = orb()->resolve_initial_references("omniINSPOA");
    PortableServer::POA_var adapter = PortableServer::POA::_narrow(object);
    PortableServer::POAManager_var manager = adapter->the_POAManager();
    manager->activate();
    return adapter._retn();
}

// Writes the object's IOR to path, whole: into a temporary file beside it, renamed into place,
// so that a reader never sees half of it.
inline void write_ior(CORBA::Object_ptr object, const std::string &path, const std::string &what)
{
    CORBA::String_var ior = orb()->object_to_string(object);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary);
        out << ior.in() << "\n";
        if (!out.flush())
            throw Stop{what, what + ": cannot write the IOR file " + path};
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw Stop{what, what + ": cannot write the IOR file " + path};
    }
}

// Activates the servant: under the object key given by "-NUXRTkey NAME=KEY" in the key adapter,
// else with an id of its own in the program's adapter. Returns the object's reference.
inline CORBA::Object_ptr activate(PortableServer::Servant servant, const std::string &key)
{
    if (key.empty()) {
        PortableServer::POA_var adapter = poa();
        PortableServer::ObjectId_var id = adapter->activate_object(servant);
        return adapter->id_to_reference(id);
    }
    PortableServer::POA_var adapter = key_adapter();
    PortableServer::ObjectId_var id = PortableServer::string_to_ObjectId(key.c_str());
    adapter->activate_object_with_id(id, servant);
    return adapter->id_to_reference(id);
}

// create: a new servant of class Servant, activated, registered for QOR values that name its
// interface and, unless anonymous, published under its name: in the naming service, or else by
// the command line's "-NUXRTior NAME=FILE" (the IOR written to FILE) and "-NUXRTkey NAME=KEY" (a
// corbaloc key), which need no naming service.
template <class Servant, class Interface>
typename Interface::_ptr_type create(const char *marker, const char *server = "", const char *variable = "",
                                     bool published = true)
{
    const std::string name = published ? name_text(name_of(marker, server, variable)) : "";
    const std::string ior_file = published ? option_value("-NUXRTior", name) : "";
    const std::string key = published ? option_value("-NUXRTkey", name) : "";
    Servant *servant = new Servant();
    CORBA::Object_var object = activate(servant, key);
    servant->_remove_ref();
    {
        std::lock_guard<std::recursive_mutex> guard(state().lock);
        state().created.push_back({CORBA::Object::_duplicate(object), name});
    }
    const std::string what = "create " + std::string(*variable ? variable : marker);
    if (!ior_file.empty())
        write_ior(object, ior_file, what);
    if (published && ior_file.empty() && key.empty()) {
        try {
            publish(object, marker, server, variable);
        } catch (const CORBA::SystemException &e) {
            throw naming_service_problem(what, e);
        } catch (const CORBA::UserException &e) {
            throw Stop{what, what + ": cannot bind " + name + " in the naming service (" + e._name() + ")"};
        }
    }
    return Interface::_narrow(object);
}

// How bind finds an object: by the initial reference of its marker's name when the command line
// gives one (-ORBInitRef MARKER=URI, such as a corbaloc or an IOR), else in the naming service.
struct Lookup {
    CosNaming::Name name;
    std::string marker;
    std::string uri;  // the initial reference's URI, empty for the naming service

    std::string object_text() const
    {
        return uri.empty() ? "the object bound under " + name_text(name) : "the object at " + uri;
    }
};

// One look for the object: the reference when it is there, of the interface, and answers; else
// null, with what was wrong in problem.
template <class Interface>
typename Interface::_ptr_type find_object(const Lookup &lookup, const std::string &what, std::string &problem)
{
    CORBA::Object_var object;
    try {
        if (lookup.uri.empty())
            object = naming()->resolve(lookup.name);
        else
            object = orb()->resolve_initial_references(lookup.marker.c_str());
    } catch (const CosNaming::NamingContext::NotFound &) {
        problem = what + ": nothing bound under " + name_text(lookup.name) + " in the naming service at " +
                  naming_service_location();
        return Interface::_nil();
    } catch (const CORBA::SystemException &e) {
        problem = lookup.uri.empty() ? naming_service_problem(what, e).why
                                     : what + ": " + lookup.object_text() + " cannot be reached (" + exception_brief(e) + ")";
        return Interface::_nil();
    }
    try {
        typename Interface::_var_type found = Interface::_narrow(object);
        if (CORBA::is_nil(found)) {
            problem = what + ": " + lookup.object_text() + " is no " + name_of_repository_id(Interface::_PD_repoId);
            return Interface::_nil();
        }
        if (found->_non_existent()) {
            problem = what + ": " + lookup.object_text() + " no longer exists (a stale entry?)";
            return Interface::_nil();
        }
        return found._retn();
    } catch (const CORBA::TIMEOUT &e) {
        problem = what + ": " + lookup.object_text() + " does not answer within " +
                  settings().call_limit + ": its server is stopped or hangs (" + exception_brief(e) + ")";
        return Interface::_nil();
    } catch (const CORBA::SystemException &e) {
        problem = what + ": " + lookup.object_text() + " does not answer (" + exception_brief(e) +
                  (lookup.uri.empty() ? "), a stale entry of a server that has ended" : ")");
        return Interface::_nil();
    }
}

// bind: the object bound under the marker (or the server's variable), or given by the marker's
// initial reference, waiting for it to appear and to answer for NUXRT_BIND_SECONDS (10 by
// default; a look that has begun may take up to the call limit). A bind that finds none stops
// the rest of main: every later step would fail on the missing object.
template <class Interface>
typename Interface::_ptr_type bind(const char *marker, const char *server, const char *variable)
{
    const std::string what = std::string("bind ") + variable;
    if (!*marker && !*server)
        throw Stop{what, what + ": no marker and no server to find it by"};
    const auto deadline = Clock::now() + std::chrono::seconds(settings().bind_seconds);
    const Lookup lookup{name_of(marker, server, variable), marker, *marker ? option_value("-ORBInitRef", marker) : ""};
    std::string problem;
    for (;;) {
        typename Interface::_var_type found = find_object<Interface>(lookup, what, problem);
        if (!CORBA::is_nil(found)) {
            std::lock_guard<std::recursive_mutex> guard(state().lock);
            state().bound.push_back({CORBA::Object::_duplicate(found.in()), name_text(lookup.name)});
            return found._retn();
        }
        if (Clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    throw Stop{what, problem};
}

// The newest object of this process that supports Interface (a QOR value naming an interface).
template <class Interface> typename Interface::_ptr_type reference()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    for (auto it = s.created.rbegin(); it != s.created.rend(); ++it) {
        typename Interface::_var_type narrowed = Interface::_narrow(it->object);
        if (!CORBA::is_nil(narrowed))
            return narrowed._retn();
    }
    const std::string message = std::string("no object of this program supports ") + Interface::_PD_repoId;
    alert(message);
    violation("reference", message, "", "failure");
    return Interface::_nil();
}

// True when the servant self is the one that object refers to (the body of a server function
// written for one declared object).
inline bool is(PortableServer::ServantBase *self, CORBA::Object_ptr object)
{
    if (CORBA::is_nil(object) || CORBA::is_nil(state().poa))
        return false;
    try {
        PortableServer::POA_var adapter = poa();
        PortableServer::ServantBase *servant = nullptr;
        try {
            servant = adapter->reference_to_servant(object);
        } catch (const PortableServer::POA::WrongAdapter &) {
            adapter = key_adapter();
            servant = adapter->reference_to_servant(object);
        }
        bool found = servant == self;
        servant->_remove_ref();
        return found;
    } catch (const CORBA::Exception &) {
        return false;
    }
}

// serve: the servants take calls until SIGINT or SIGTERM; then every expected call that has not
// come is reported. The ORB's own threads take the calls; serve only waits. It is serving before
// it says so, so that a signal right after the line stops it as it should.
inline void serve(const char *server)
{
    orb();
    State &s = state();
    {
        std::lock_guard<std::mutex> guard(s.serve_lock);
        s.serving = true;
    }
    note(std::string("serving ") + server);
    {
        std::unique_lock<std::mutex> guard(s.serve_lock);
        s.serve_stop.wait(guard, [&] { return s.stop_requested; });
        s.serving = false;
        s.stop_requested = false;
    }
    note(std::string("stopped serving ") + server);
    settle_expectations();
}

// A signal outside serve: the running test fails, the summary line and the report are written,
// and the program ends at once with status 128 + the signal number.
inline void interrupted(int number)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    const std::string message = "interrupted by signal " + std::to_string(number);
    alert(message);
    if (s.in_test) {
        violation("", message, "", "exception");
        end_test();
    }
    print_tap();
    stream() << summary_line() << std::endl;
    write_report();
    std::_Exit(128 + number);
}

// SIGINT and SIGTERM, waited for by a thread of their own: the first one while serve runs stops
// serve, any other ends the program.
inline void on_signals(sigset_t signals)
{
    for (;;) {
        int number = 0;
        if (sigwait(&signals, &number) != 0)
            continue;
        State &s = state();
        {
            std::lock_guard<std::mutex> guard(s.serve_lock);
            if (s.serving && !s.stop_requested) {
                s.stop_requested = true;
                s.serve_stop.notify_all();
                continue;
            }
        }
        interrupted(number);
    }
}

// The signals are blocked everywhere else (the ORB's threads inherit the mask).
inline void watch_signals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(on_signals, signals).detach();
}

}  // namespace nuxrt

#endif
