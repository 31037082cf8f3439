// Part of the runtime (nuxrt.hh): comparison of an actual value with an expected one, and the
// first member in which two values of an IDL type differ, for the report of a violated check.
#ifndef NUXRT_COMPARE_HH
#define NUXRT_COMPARE_HH

#include <omniORB4/CORBA.h>

#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>

#include "nuxrt_print.hh"
#include "nuxrt_state.hh"
#include "nuxrt_traits.hh"

namespace nuxrt {

template <class A, class B> bool same_numbers(A a, B b, double precision)
{
    if constexpr (std::is_floating_point_v<A> || std::is_floating_point_v<B>) {
        double difference = static_cast<double>(a) - static_cast<double>(b);
        return std::fabs(difference) <= precision;
    } else if constexpr (std::is_enum_v<A> || std::is_enum_v<B>) {
        return static_cast<long long>(a) == static_cast<long long>(b);
    } else if constexpr (std::is_signed_v<A> == std::is_signed_v<B>) {
        return a == b;
    } else if constexpr (std::is_signed_v<A>) {
        return a >= 0 && static_cast<unsigned long long>(a) == static_cast<unsigned long long>(b);
    } else {
        return same_numbers(b, a, precision);
    }
}

// Values of IDL types compared through DynAny, for types with no generated compare function.
inline bool same_anys(const CORBA::Any &a, const CORBA::Any &b)
{
    Dynamic left(a);
    Dynamic right(b);
    return left->equal(right.get());
}

// True when the actual value a equals the expected value b; numbers with a floating-point side
// may differ by precision. An enumerator also equals the text of its name.
template <class A, class B> bool same(const A &a, const B &b, double precision = 0.0)
{
    if constexpr (std::is_enum_v<A> && is_text<B>) {
        return enumerator_name(a) == text_of(b);
    } else if constexpr (is_text<A> && std::is_enum_v<B>) {
        return same(b, a, precision);
    } else if constexpr (is_text<A> || is_text<B>) {
        static_assert(is_text<A> && is_text<B>, "a string is compared with something else");
        return std::strcmp(text_of(a), text_of(b)) == 0;
    } else if constexpr ((std::is_arithmetic_v<A> || std::is_enum_v<A>) &&
                         (std::is_arithmetic_v<B> || std::is_enum_v<B>)) {
        return same_numbers(a, b, precision);
    } else if constexpr (is_objref_ptr<A>::value && is_objref_ptr<B>::value) {
        if (CORBA::is_nil(a) || CORBA::is_nil(b))
            return CORBA::is_nil(a) && CORBA::is_nil(b);
        return a->_is_equivalent(b);
    } else if constexpr (has_in<A>::value) {
        return same(a.in(), b, precision);
    } else if constexpr (has_in<B>::value) {
        return same(a, b.in(), precision);
    } else if constexpr (std::is_same_v<A, B> && has_compare<A>::value) {
        return compare(a, b, NuxrtSupport());
    } else if constexpr (is_sequence<A>::value && is_sequence<B>::value) {
        if (a.length() != b.length())
            return false;
        for (CORBA::ULong i = 0; i < a.length(); ++i)
            if (!same(a[i], b[i], precision))
                return false;
        return true;
    } else if constexpr (std::is_same_v<A, CORBA::Any> && std::is_same_v<B, CORBA::Any>) {
        return same_anys(a, b);
    } else {
        CORBA::Any left, right;
        if (to_any(left, a) && to_any(right, b))
            return same_anys(left, right);
        alert("no way to compare " + demangled(typeid(A).name()) + " with " + demangled(typeid(B).name()));
        return false;
    }
}

template <class A, class B> bool near(const A &a, const B &b, double precision)
{
    return same_numbers(a, b, precision);
}

// The path from the top of two values of one IDL type to the first member, element, label or
// branch in which they differ (".amount.units", "[2]", "(label)"), where they do differ; path
// itself when they differ as a whole (different types, or leaves).
inline std::string difference_in(DynamicAny::DynAny_ptr expected, DynamicAny::DynAny_ptr actual,
                                 const std::string &path)
{
    CORBA::TypeCode_var expectedType = expected->type();
    CORBA::TypeCode_var actualType = actual->type();
    if (!expectedType->equivalent(actualType))
        return path;
    CORBA::TypeCode_var type = unaliased(expectedType);
    switch (type->kind()) {
    case CORBA::tk_struct:
    case CORBA::tk_except: {
        DynamicAny::DynStruct_var members = DynamicAny::DynStruct::_narrow(expected);
        for (CORBA::ULong i = 0; i < expected->component_count(); ++i) {
            expected->seek(static_cast<CORBA::Long>(i));
            actual->seek(static_cast<CORBA::Long>(i));
            DynamicAny::DynAny_var e = expected->current_component();
            DynamicAny::DynAny_var a = actual->current_component();
            if (!e->equal(a)) {
                CORBA::String_var name = members->current_member_name();
                return difference_in(e, a, path + "." + name.in());
            }
        }
        return path;
    }
    case CORBA::tk_union: {
        DynamicAny::DynUnion_var e = DynamicAny::DynUnion::_narrow(expected);
        DynamicAny::DynUnion_var a = DynamicAny::DynUnion::_narrow(actual);
        DynamicAny::DynAny_var expectedLabel = e->get_discriminator();
        DynamicAny::DynAny_var actualLabel = a->get_discriminator();
        if (!expectedLabel->equal(actualLabel) || e->has_no_active_member())
            return path + "(label)";
        CORBA::String_var name = e->member_name();
        DynamicAny::DynAny_var expectedMember = e->member();
        DynamicAny::DynAny_var actualMember = a->member();
        return difference_in(expectedMember, actualMember, path + "." + name.in());
    }
    case CORBA::tk_sequence:
    case CORBA::tk_array: {
        const CORBA::ULong shorter = std::min(expected->component_count(), actual->component_count());
        for (CORBA::ULong i = 0; i < shorter; ++i) {
            expected->seek(static_cast<CORBA::Long>(i));
            actual->seek(static_cast<CORBA::Long>(i));
            DynamicAny::DynAny_var e = expected->current_component();
            DynamicAny::DynAny_var a = actual->current_component();
            if (!e->equal(a))
                return difference_in(e, a, path + "[" + std::to_string(i) + "]");
        }
        return path + "[" + std::to_string(shorter) + "]";
    }
    case CORBA::tk_any: {
        CORBA::Any_var e = expected->get_any();
        CORBA::Any_var a = actual->get_any();
        Dynamic expectedInner(e.in());
        Dynamic actualInner(a.in());
        return difference_in(expectedInner.get(), actualInner.get(), path);
    }
    default:
        return path;
    }
}

// Where two values of an IDL type first differ, as a path without its leading dot ("units",
// "[1].memo"); empty when the values cannot be walked or differ as a whole.
template <class A, class E> std::string first_difference(const A &actual, const E &expected)
{
    if constexpr (has_in<A>::value && !is_text<A>) {
        return first_difference(actual.in(), expected);
    } else if constexpr (has_in<E>::value && !is_text<E>) {
        return first_difference(actual, expected.in());
    } else if constexpr (is_text<A> || is_text<E> || std::is_arithmetic_v<A> || std::is_enum_v<A>) {
        return "";
    } else {
        CORBA::Any a, e;
        if (!to_any(a, actual) || !to_any(e, expected))
            return "";
        try {
            Dynamic left(e);
            Dynamic right(a);
            std::string path = difference_in(left.get(), right.get(), "");
            return !path.empty() && path[0] == '.' ? path.substr(1) : path;
        } catch (const CORBA::Exception &) {
            return "";
        }
    }
}

}  // namespace nuxrt

#endif
