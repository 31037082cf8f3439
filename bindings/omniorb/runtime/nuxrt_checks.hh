// Part of the runtime (nuxrt.hh): the checks, "assert" of a script and the QOR checks of the
// parameters a call brings. Each prints what it tests and the actual value; a violated one
// prints the expected and the actual value side by side, with the first differing member marked.
#ifndef NUXRT_CHECKS_HH
#define NUXRT_CHECKS_HH

#include <cstring>
#include <mutex>
#include <string>
#include <type_traits>
#include <utility>

#include "nuxrt_compare.hh"
#include "nuxrt_outcomes.hh"
#include "nuxrt_print.hh"
#include "nuxrt_script.hh"
#include "nuxrt_state.hh"

namespace nuxrt {

// The expected side of an assertion, or Nothing when it has none.
template <class T> T &&expected(T &&value) { return std::forward<T>(value); }
inline Nothing expected() { return {}; }

// The lines that show a violated comparison: the two values one above the other, and under them
// a mark at the first character in which they differ, with the member path when there is one.
inline std::string comparison_lines(const std::string &expected, const std::string &actual, const std::string &path,
                                    const std::string &op)
{
    const bool equality = op.empty() || op == "==";
    std::string lines = "  expected: " + (equality ? "" : op + " ") + expected + "\n";
    lines += "  actual:   " + actual + "\n";
    if (!equality || path.empty())
        return lines;
    std::size_t column = 0;
    while (column < expected.size() && column < actual.size() && expected[column] == actual[column])
        ++column;
    return lines + std::string(12 + column, ' ') + "^ " + path + "\n";
}

inline std::string comparison_failure(const std::string &checked, const std::string &expected,
                                      const std::string &actual, const std::string &path, const std::string &op)
{
    const bool equality = op.empty() || op == "==";
    return checked + ": expected " + (equality ? "" : op + " ") + expected + ", actual " + actual +
           (path.empty() ? "" : " (first difference at " + path + ")");
}

// Whether a value is a floating-point number, or holds one.
template <class T> constexpr bool is_floating_value()
{
    if constexpr (has_in<T>::value && !is_text<T>)
        return is_floating_value<std::remove_cv_t<std::remove_reference_t<decltype(std::declval<const T &>().in())>>>();
    else
        return std::is_floating_point_v<T>;
}

// assert: text is the assertion as written, op its operator; condition tells whether actual and
// expected, each evaluated once, make it hold.
template <class Condition, class A, class E>
void assertion(const char *text, const char *op, Condition condition, const A &actual, const E &expected)
{
    const bool holds = condition(actual, expected);
    const std::string actualText = literal(actual);
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    stream() << "Testing assertion " << text << "\nActual value is " << actualText << std::endl;
    const std::string name = std::string("assertion ") + text;
    if (holds) {
        stream() << "Test assertion satisfied." << std::endl;
        satisfied(name);
        return;
    }
    stream() << "**** TEST ASSERTION VIOLATED ****" << std::endl;
    std::string lines;
    std::string failure = text + std::string(": actual ") + actualText;
    if constexpr (!std::is_same_v<E, Nothing>) {
        const std::string expectedText = literal(expected);
        const std::string path = std::strcmp(op, "==") == 0 ? first_difference(actual, expected) : "";
        lines = comparison_lines(expectedText, actualText, path, op);
        failure = comparison_failure(text, expectedText, actualText, path, op);
    }
    stream() << lines << std::flush;
    violation(name, failure, lines, "violated check");
}

// A QOR check: the parameter name must equal the value its message expects, numbers with a
// floating-point side within precision. It is an outcome of its own, named after its call.
template <class A, class E> void check_parameter(const char *name, const A &actual, const E &expected, double precision)
{
    const bool holds = same(actual, expected, precision);
    const std::string actualText = literal(actual);
    const std::string expectedText = literal(expected);
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    const CallContext *call = current_call();
    const std::string group = call ? call->group : s.suite;
    const std::string checked = call ? call->name + ": " + name : std::string(name);
    const bool floating = is_floating_value<A>() || is_floating_value<E>();
    stream() << "Testing assertion " << name << " == " << expectedText
             << (floating ? " (+- " + float_text(precision) + ")" : "") << "\nActual value is " << actualText
             << std::endl;
    if (holds) {
        stream() << "Test assertion satisfied." << std::endl;
        record({group, checked, "", "", "", 0});
        return;
    }
    const std::string path = first_difference(actual, expected);
    const std::string lines = comparison_lines(expectedText, actualText, path, "==");
    stream() << "**** TEST ASSERTION VIOLATED ****\n" << lines << std::flush;
    const std::string failure = comparison_failure(name, expectedText, actualText, path, "==");
    record({group, checked, failure, failure + "\n" + lines, "violated check", 0});
}

}  // namespace nuxrt

#endif
