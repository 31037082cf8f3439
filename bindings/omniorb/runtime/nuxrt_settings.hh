// Part of the runtime (nuxrt.hh): the settings a program takes from the environment variables
// NUXRT_*, read and checked once when main starts. A name or value the runtime does not know
// stops the program with one message before anything runs, rather than being taken for
// something else (a bind that never retries, a report never written).
#ifndef NUXRT_SETTINGS_HH
#define NUXRT_SETTINGS_HH

#include <unistd.h>  // environ

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace nuxrt {

// The longest limit a setting in seconds may give: a day.
constexpr long most_seconds = 86400;

struct Settings {
    long bind_seconds = 10;  // NUXRT_BIND_SECONDS: how long bind waits for an object
    // NUXRT_CALL_SECONDS: how long a remote call may wait for its answer (0: for ever). The
    // runtime sets it unless omniORB's own clientCallTimeOutPeriod is given and it is not.
    long call_seconds = 30;
    bool sets_call_limit = true;
    std::string call_limit = "30 s (the default, NUXRT_CALL_SECONDS)";  // the limit, as reports name it
    std::string report;  // NUXRT_REPORT: the report's file, empty for none
    bool tap = false;    // NUXRT_TAP: the outcomes printed as TAP too
};

inline Settings &settings()
{
    static Settings *s = new Settings;
    return *s;
}

// A variable's value, or null when it is unset or empty, which mean the same.
inline const char *setting(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// Ends the program, which has not started anything yet, with the message and status 2.
[[noreturn]] inline void refuse_setting(const std::string &program, const std::string &message)
{
    std::cerr << program << ": " << message << std::endl;
    std::exit(2);
}

// The value as a message quotes it: at most 40 characters of it.
inline std::string quoted_value(const char *value)
{
    const std::string text(value);
    return "\"" + (text.size() > 40 ? text.substr(0, 40) + "..." : text) + "\"";
}

// A whole number of seconds from 0 to most_seconds, in decimal digits only; fallback when unset.
inline long seconds_setting(const std::string &program, const char *name, long fallback)
{
    const char *value = setting(name);
    if (!value)
        return fallback;
    long seconds = 0;
    for (const char *c = value; *c; ++c) {
        if (*c < '0' || *c > '9' || (seconds = seconds * 10 + (*c - '0')) > most_seconds)
            refuse_setting(program, std::string(name) + " is " + quoted_value(value) +
                                        ": give a whole number of seconds from 0 to " +
                                        std::to_string(most_seconds));
    }
    return seconds;
}

inline bool switch_setting(const std::string &program, const char *name)
{
    const char *value = setting(name);
    if (!value || std::strcmp(value, "0") == 0)
        return false;
    if (std::strcmp(value, "1") != 0)
        refuse_setting(program, std::string(name) + " is " + quoted_value(value) + ": give 1 (on) or 0 (off)");
    return true;
}

// omniORB's own call limit, when the command line (-ORBclientCallTimeOutPeriod MS) or the
// environment (ORBclientCallTimeOutPeriod) gives one, as reports name it; else empty.
inline std::string omniorb_call_limit(const std::vector<std::string> &arguments)
{
    const std::string option = "-ORBclientCallTimeOutPeriod";
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == option)
            return arguments[i + 1] + " ms (" + option + ")";
    }
    if (const char *period = setting(option.c_str() + 1))
        return std::string(period) + " ms (" + (option.c_str() + 1) + ")";
    return "";
}

// Every NUXRT_ variable must be one of these: a misspelt name would otherwise be ignored.
inline void refuse_unknown_settings(const std::string &program)
{
    static const char *const known[] = {"NUXRT_BIND_SECONDS", "NUXRT_CALL_SECONDS", "NUXRT_REPORT", "NUXRT_TAP"};
    for (char **variable = environ; *variable; ++variable) {
        const std::string name = std::string(*variable).substr(0, std::strcspn(*variable, "="));
        if (name.compare(0, 6, "NUXRT_") != 0)
            continue;
        bool found = false;
        for (const char *k : known)
            found = found || name == k;
        if (!found)
            refuse_setting(program, name + " is no setting of the runtime: NUXRT_BIND_SECONDS, "
                                           "NUXRT_CALL_SECONDS, NUXRT_REPORT and NUXRT_TAP are");
    }
}

inline void read_settings(const std::string &program, const std::vector<std::string> &arguments)
{
    refuse_unknown_settings(program);
    Settings &s = settings();
    s.bind_seconds = seconds_setting(program, "NUXRT_BIND_SECONDS", s.bind_seconds);
    const std::string omniorb_limit = omniorb_call_limit(arguments);
    if (setting("NUXRT_CALL_SECONDS")) {
        s.call_seconds = seconds_setting(program, "NUXRT_CALL_SECONDS", s.call_seconds);
        s.call_limit = std::to_string(s.call_seconds) + " s (NUXRT_CALL_SECONDS)";
    } else if (!omniorb_limit.empty()) {
        s.sets_call_limit = false;
        s.call_limit = omniorb_limit;
    }
    const char *report = setting("NUXRT_REPORT");
    s.report = report ? report : "";
    s.tap = switch_setting(program, "NUXRT_TAP");
}

}  // namespace nuxrt

#endif
