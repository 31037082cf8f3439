// The part of the runtime that puts values of IDL types into a CORBA::Any. A generated source file
// includes it after its generated header, and so after the IDL stub headers: their Any operators
// are declared in the global namespace and are found only by lookup from a template defined after
// them (argument-dependent lookup searches the IDL modules, not the global namespace).
#ifndef NUXRT_ANY_HH
#define NUXRT_ANY_HH

#include "nuxrt.hh"

namespace nuxrt {

template <class T, class = void> struct has_any_insertion : std::false_type {};
template <class T>
struct has_any_insertion<T, std::void_t<decltype(std::declval<CORBA::Any &>() <<= std::declval<const T &>())>>
    : std::true_type {};

template <class T> bool to_any(CORBA::Any &any, const T &value)
{
    if constexpr (has_any_insertion<T>::value) {
        any <<= value;
        return true;
    } else {
        return false;
    }
}

}  // namespace nuxrt

// A value in an Any, for a script to send or to compare with: any_of(42) holds a long,
// any_of(2.5) a double, any_of("text") a string, any_of(true) a boolean, and a value of an IDL
// type (any_of(make_M_T(...))) that type.
template <class T> CORBA::Any any_of(const T &value)
{
    CORBA::Any any;
    if constexpr (std::is_same_v<T, bool>)
        any <<= CORBA::Any::from_boolean(value);
    else
        any <<= value;
    return any;
}

#endif
