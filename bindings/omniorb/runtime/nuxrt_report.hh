// Part of the runtime (nuxrt.hh): the reports for CI servers. When NUXRT_REPORT names a file, the
// program writes there, at its end, a JUnit XML report of one test suite, the program, with one
// test case for each outcome the summary line counts; a failed one carries the failure's line
// and its report (expected and actual). The file is written whole or not at all. When NUXRT_TAP
// is set (and not 0), the program also prints the outcomes as TAP before its summary line.
#ifndef NUXRT_REPORT_HH
#define NUXRT_REPORT_HH

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>

#include "nuxrt_outcomes.hh"
#include "nuxrt_settings.hh"
#include "nuxrt_state.hh"

namespace nuxrt {

// The length of the well-formed UTF-8 sequence of an XML character at text[i], or 0.
inline std::size_t utf8_character_length(const std::string &text, std::size_t i)
{
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : 2;
    if (lead < 0xc2 || lead > 0xf4 || i + length > text.size())
        return 0;
    unsigned long code = lead & (0x7f >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3f);
    }
    const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool character = code >= smallest[length] && code <= 0x10ffff && !(code >= 0xd800 && code <= 0xdfff) &&
                           code != 0xfffe && code != 0xffff;
    return character ? length : 0;
}

// text for XML, in an attribute value or in element content: markup characters as references,
// and every byte that is no XML character (a control character, invalid UTF-8) as "?".
inline std::string xml_escaped(const std::string &text, bool attribute)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8_character_length(text, i);
            out += length ? text.substr(i, length) : "?";
            i += length ? length : 1;
            continue;
        }
        ++i;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        case '\r': out += "&#13;"; break;
        default: out += c < 0x20 ? '?' : static_cast<char>(c); break;
        }
    }
    return out;
}

inline std::string seconds_text(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds < 0 ? 0.0 : seconds);
    return text;
}

inline std::string junit_report()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    auto attribute = [](const std::string &text) { return "\"" + xml_escaped(text, true) + "\""; };
    const std::string tests = std::to_string(s.outcomes.size());
    const std::string failures = std::to_string(failed_count());
    const std::string time = seconds_text(seconds_since(s.started));
    char stamp[32] = "1970-01-01T00:00:00";
    std::tm local{};
    if (localtime_r(&s.started_at, &local))
        std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &local);
    char host[256] = "localhost";
    if (gethostname(host, sizeof host - 1) != 0)
        std::strcpy(host, "localhost");
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<testsuites name=" << attribute(s.suite) << " tests=\"" << tests << "\" failures=\"" << failures
        << "\" errors=\"0\" time=\"" << time << "\">\n"
        << "  <testsuite name=" << attribute(s.suite) << " tests=\"" << tests << "\" failures=\"" << failures
        << "\" errors=\"0\" skipped=\"0\" time=\"" << time << "\" timestamp=\"" << stamp
        << "\" hostname=" << attribute(host) << ">\n";
    for (const Outcome &o : s.outcomes) {
        xml << "    <testcase classname=" << attribute(o.group) << " name=" << attribute(o.name) << " time=\""
            << seconds_text(o.seconds) << "\"";
        if (o.failure.empty()) {
            xml << "/>\n";
            continue;
        }
        xml << ">\n      <failure message=" << attribute(o.failure) << " type=" << attribute(o.kind) << ">"
            << xml_escaped(o.detail, false) << "</failure>\n    </testcase>\n";
    }
    xml << "  </testsuite>\n</testsuites>\n";
    return xml.str();
}

// The outcomes as a TAP stream: the plan, then a line for each, a failed one followed by its
// report lines as diagnostics.
inline std::string tap_report()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    std::ostringstream tap;
    tap << "1.." << s.outcomes.size() << "\n";
    std::size_t number = 0;
    for (const Outcome &o : s.outcomes) {
        tap << (o.failure.empty() ? "ok " : "not ok ") << ++number << " - " << o.group << " " << o.name << "\n";
        std::istringstream lines(o.failure.empty() ? "" : o.detail);
        for (std::string line; std::getline(lines, line);)
            tap << "# " << line << "\n";
    }
    return tap.str();
}

// The TAP stream on the output, when NUXRT_TAP asks for it.
inline void print_tap()
{
    if (settings().tap)
        stream() << tap_report() << std::flush;
}

// Writes the report when one is asked for; false when it could not be written.
inline bool write_report()
{
    const std::string path = state().report;
    if (path.empty())
        return true;
    const std::string temporary = path + ".part";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << junit_report();
        file.close();
        if (file && std::rename(temporary.c_str(), path.c_str()) == 0)
            return true;
    }
    const int error = errno;
    std::remove(temporary.c_str());
    std::cerr << state().program << ": cannot write the report " << path << ": " << std::strerror(error) << std::endl;
    return false;
}

}  // namespace nuxrt

#endif
