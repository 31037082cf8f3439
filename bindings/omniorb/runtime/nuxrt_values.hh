// Part of the runtime (nuxrt.hh): values of QOR files (literals, results on the heap, out and
// inout parameters, members, exceptions raised), the stubs' results, and the values of the
// commands create, read, begin timedloop and fork.
#ifndef NUXRT_VALUES_HH
#define NUXRT_VALUES_HH

#include <omniORB4/CORBA.h>

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

#include "nuxrt_outcomes.hh"
#include "nuxrt_print.hh"
#include "nuxrt_state.hh"
#include "nuxrt_traits.hh"

namespace nuxrt {

// Names the QOR boolean literals; the generated source file uses this namespace.
namespace qor {
inline constexpr bool TRUE = true;
inline constexpr bool True = true;
inline constexpr bool FALSE = false;
inline constexpr bool False = false;
}  // namespace qor

// A QOR literal as a value of the type T spells (the result mapping of its IDL type).
template <class T, class V> auto leaf(const V &literal)
{
    if constexpr (std::is_same_v<T, char *>) {
        static_assert(is_text<V>, "a string needs a string literal");
        return NewString(text_of(literal));
    } else if constexpr (std::is_same_v<T, CORBA::Any *>) {
        CORBA::Any any;
        if constexpr (is_text<V>)
            any <<= text_of(literal);
        else if constexpr (std::is_same_v<V, bool>)
            any <<= CORBA::Any::from_boolean(literal);
        else if constexpr (std::is_same_v<V, char>)
            any <<= CORBA::Any::from_char(literal);
        else if constexpr (std::is_floating_point_v<V>)
            any <<= static_cast<CORBA::Double>(literal);
        else
            any <<= static_cast<CORBA::Long>(literal);
        return any;
    } else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>) {
        static_assert(!is_text<V>, "a number needs a number literal");
        return static_cast<T>(literal);
    } else {
        static_assert(always_false<T>, "a QOR literal cannot make a value of this type");
    }
}

// A value moved to the heap: results and out parameters of variable-size types.
template <class T> std::decay_t<T> *heap(T &&value)
{
    return new std::decay_t<T>(std::forward<T>(value));
}

// Gives an out parameter of a variable-size type its value: on the heap, where its _out holder
// adopts it. An inout any comes here too (its two mappings differ as well) and takes the value.
template <class D, class V> void adopt(D &target, V &&value)
{
    if constexpr (std::is_same_v<D, std::decay_t<V>>)
        target = std::forward<V>(value);
    else
        target = heap(std::forward<V>(value));
}

// Converts a built value to T; a QOR string converts only to a string.
template <class T, class V> inline constexpr bool fits =
    std::is_same_v<std::decay_t<V>, NewString> ? std::is_same_v<T, char *> : std::is_convertible_v<V, T>;

template <class T, class V> T take(V &&value)
{
    return static_cast<T>(std::forward<V>(value));
}

// Gives an out or inout parameter its value: strings and object references are adopted and the
// old ones released.
template <class D, class V> void assign(D &target, V &&value)
{
    if constexpr (std::is_same_v<std::decay_t<V>, NewString>) {
        if constexpr (std::is_same_v<D, char *>)
            CORBA::string_free(target);
        target = value.release();
    } else if constexpr (is_objref_ptr<D>::value) {
        CORBA::release(target);
        target = value;
    } else {
        target = std::forward<V>(value);
    }
}

// Stores a make function's argument in a member or a sequence element (the elements of string
// and reference sequences are proxies returned by value); arrays are copied element by element.
template <class D, class V> void put(D &&member, V &&value)
{
    if constexpr (std::is_array_v<std::remove_reference_t<D>>) {
        for (std::size_t i = 0; i < std::extent_v<std::remove_reference_t<D>>; ++i)
            put(member[i], value[i]);
    } else {
        member = std::forward<V>(value);
    }
}

// Reports a QOR union value whose branch cannot take the value given.
inline void misfit(const char *type, const char *branch)
{
    const std::string message = std::string("a QOR value does not fit branch ") + branch + " of " + type;
    alert(message);
    violation(message, message, "", "failure");
}

// An argument of an exception's constructor: a QOR string is lent as the text it holds, which the
// exception copies; everything else is passed on.
template <class V> decltype(auto) lent(V &&value)
{
    if constexpr (std::is_same_v<std::decay_t<V>, NewString>)
        return value.in();
    else
        return std::forward<V>(value);
}

// A QOR message that answers with an exception: E made from its members' values, thrown.
template <class E, class... V> [[noreturn]] void raise(V &&...members)
{
    E exception(lent(std::forward<V>(members))...);
    stream() << "QOR call answers with " << literal(exception) << std::endl;
    throw exception;
}

// Stubs: the result of a server function whose body does not return one.
template <class T> T dummy()
{
    if constexpr (std::is_same_v<T, char *>) {
        return CORBA::string_dup("");
    } else if constexpr (is_objref_ptr<T>::value) {
        static T nil = new std::remove_pointer_t<T>();  // the default object reference is nil
        return nil;
    } else if constexpr (std::is_pointer_v<T> && std::is_class_v<std::remove_pointer_t<T>>) {
        return new std::remove_pointer_t<T>();
    } else if constexpr (std::is_pointer_v<T>) {
        throw CORBA::NO_IMPLEMENT();  // an array slice: no length to make one with
    } else {
        return T();
    }
}

// create of a declared value (a test client has no servant classes).
template <class T, class = void> struct is_objref_var : std::false_type {};
template <class T>
struct is_objref_var<T, std::enable_if_t<is_objref_ptr<decltype(std::declval<const T &>().in())>::value>>
    : std::true_type {};

template <class T> void create_value(T &variable)
{
    static_assert(!is_objref_var<T>::value, "create makes servants only in a server: a client binds to objects");
    variable = T();
}

// read: the whole file into a string variable, or its first word into any other.
template <class T> void read_file(const char *file, T &target)
{
    std::ifstream in(file);
    if (!in) {
        const std::string message = std::string("cannot read ") + file;
        alert(message);
        violation("read " + std::string(file), message, "", "failure");
        return;
    }
    if constexpr (is_text<T>) {
        std::ostringstream contents;
        contents << in.rdbuf();
        target = contents.str().c_str();
    } else {
        in >> target;
    }
}

// begin timedloop: true until the given number of seconds has passed.
class Deadline {
public:
    explicit Deadline(double seconds)
        : end_(std::chrono::steady_clock::now() +
               std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds)))
    {
    }
    bool passed() const { return std::chrono::steady_clock::now() >= end_; }

private:
    std::chrono::steady_clock::time_point end_;
};

}  // namespace nuxrt

#endif
