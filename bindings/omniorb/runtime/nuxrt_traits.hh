// Part of the runtime (nuxrt.hh): the type tests that choose how a value is printed, compared,
// stored or built, the string a QOR value owns until something adopts it, and the types that
// hold the script's declared variables.
#ifndef NUXRT_TRAITS_HH
#define NUXRT_TRAITS_HH

#include <omniORB4/CORBA.h>

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

// Generated compare functions take this tag as a defaulted last argument. It is a class of the
// global namespace, so a call that passes it finds them by argument-dependent lookup from inside
// the runtime's templates, although they are declared after the runtime.
struct NuxrtSupport {};

namespace nuxrt {

template <class T> inline constexpr bool always_false = false;

template <class T, class = void> struct is_objref_ptr : std::false_type {};
template <class T>
struct is_objref_ptr<T *, std::enable_if_t<std::is_base_of_v<CORBA::Object, T>>> : std::true_type {};

// A string made for a QOR value: owns a CORBA string until something adopts it.
class NewString {
public:
    explicit NewString(const char *text) : text_(CORBA::string_dup(text ? text : "")) {}
    NewString(NewString &&other) noexcept : text_(other.text_) { other.text_ = nullptr; }
    NewString(const NewString &) = delete;
    NewString &operator=(const NewString &) = delete;
    ~NewString() { CORBA::string_free(text_); }
    char *release()
    {
        char *text = text_;
        text_ = nullptr;
        return text;
    }
    operator char *() && { return release(); }
    const char *in() const { return text_; }

private:
    char *text_;
};

template <class T> struct is_text_type : std::false_type {};
template <> struct is_text_type<char *> : std::true_type {};
template <> struct is_text_type<const char *> : std::true_type {};
template <std::size_t N> struct is_text_type<char[N]> : std::true_type {};
template <std::size_t N> struct is_text_type<const char[N]> : std::true_type {};
template <> struct is_text_type<std::string> : std::true_type {};
template <> struct is_text_type<NewString> : std::true_type {};
template <> struct is_text_type<CORBA::String_var> : std::true_type {};
template <> struct is_text_type<_CORBA_String_member> : std::true_type {};
template <> struct is_text_type<_CORBA_String_element> : std::true_type {};
template <class T> inline constexpr bool is_text = is_text_type<std::remove_cv_t<T>>::value;

template <class T> const char *text_of(const T &value)
{
    const char *text;
    if constexpr (std::is_same_v<T, std::string>)
        text = value.c_str();
    else if constexpr (std::is_class_v<T>)
        text = value.in();
    else
        text = value;
    return text ? text : "";
}

// _var holders of structures, unions, sequences and object references: compared and printed
// through what they hold.
template <class T, class = void> struct has_in : std::false_type {};
template <class T> struct has_in<T, std::void_t<decltype(std::declval<const T &>().in())>> : std::true_type {};

// A compare function for T: generated for structures and unions, or the runtime's own for
// sequences (nuxrt.hh, after this namespace). Found by argument-dependent lookup through the tag.
template <class T, class = void> struct has_compare : std::false_type {};
template <class T>
struct has_compare<T, std::void_t<decltype(compare(std::declval<const T &>(), std::declval<const T &>(),
                                                   NuxrtSupport()))>> : std::true_type {};

// The sequences of the IDL stubs (std::string, which has a length and elements too, has no maximum).
template <class T, class = void> struct is_sequence : std::false_type {};
template <class T>
struct is_sequence<T, std::void_t<decltype(std::declval<const T &>().length()),
                                  decltype(std::declval<const T &>().maximum()),
                                  decltype(std::declval<const T &>()[0])>> : std::true_type {};

// Puts value into any when the IDL stubs have an Any insertion for its type; false otherwise.
// Defined in nuxrt_any.hh, which the generated source file includes after the IDL stub headers:
// the stubs declare their Any operators in the global namespace, where a template defined here,
// before the stubs, would not see them.
template <class T> bool to_any(CORBA::Any &any, const T &value);

// The type that holds a declared object variable: the _var of an interface, the type itself for
// exceptions and everything else.
template <class T, class = void> struct variable { using type = T; };
template <class T> struct variable<T, std::void_t<typename T::_ptr_type, typename T::_var_type>> {
    using type = typename T::_var_type;
};
template <class T> using variable_t = typename variable<T>::type;

// The type that holds a declared value: result types that are bare pointers become holders.
template <class T> struct value { using type = T; };
template <> struct value<char *> { using type = CORBA::String_var; };
template <> struct value<CORBA::Any *> { using type = CORBA::Any; };
template <> struct value<CORBA::Object_ptr> { using type = CORBA::Object_var; };
template <> struct value<CORBA::TypeCode_ptr> { using type = CORBA::TypeCode_var; };
template <class T> using value_t = typename value<T>::type;

// The expected side of an assertion that has none ("assert true").
struct Nothing {};

}  // namespace nuxrt

#endif
