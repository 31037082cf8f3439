// Part of the runtime (nuxrt.hh): values written as IDL-like literals, for checks and for the
// print command. Strings and characters are quoted, numbers read back as themselves, booleans
// are TRUE and FALSE, octets 0x2a, enumerators their names, structures {member: value, ...},
// exceptions their name and members, unions [label, branch: value], sequences #(a, b), arrays
// {a, b}, any values any(type value), object references <Interface name> or nil.
//
// Values of IDL types go through a CORBA::Any and are walked with DynAny, so every type the IDL
// stubs can put into an Any prints the same way in servers and in clients. A new kind of IDL type
// is one more case of write_dynamic.
#ifndef NUXRT_PRINT_HH
#define NUXRT_PRINT_HH

#include <omniORB4/CORBA.h>

#include <cxxabi.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "nuxrt_state.hh"
#include "nuxrt_traits.hh"

namespace nuxrt {

inline CORBA::ORB_ptr orb();

// The shortest text that reads back as the same number.
template <class F> std::string float_text(F value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char text[80];
    for (int digits = 6; digits <= std::numeric_limits<F>::max_digits10; ++digits) {
        std::snprintf(text, sizeof text, "%.*Lg", digits, static_cast<long double>(value));
        if (static_cast<F>(std::strtold(text, nullptr)) == value)
            break;
    }
    return text;
}

// text between quote characters; the quote, the backslash and control characters escaped.
inline std::string quoted(const std::string &text, char quote)
{
    std::string out(1, quote);
    for (unsigned char c : text) {
        if (c == static_cast<unsigned char>(quote) || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + quote;
}

inline std::string wide_quoted(const std::wstring &text, char quote)
{
    std::string narrow;
    bool plain = true;
    for (wchar_t c : text)
        plain = plain && c >= 0 && c < 0x80;
    if (plain) {
        for (wchar_t c : text)
            narrow += static_cast<char>(c);
        return quoted(narrow, quote);
    }
    std::string out(1, quote);
    for (wchar_t c : text) {
        char escape[16];
        if (c >= 0x20 && c < 0x7f && c != quote && c != '\\')
            out += static_cast<char>(c);
        else {
            std::snprintf(escape, sizeof escape, "\\u%04lx", static_cast<unsigned long>(c));
            out += escape;
        }
    }
    return out + quote;
}

inline std::string octet_text(CORBA::Octet value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", static_cast<unsigned>(value));
    return text;
}

// "IDL:Bank/Account:1.0" as the IDL name Bank::Account.
inline std::string name_of_repository_id(const char *id)
{
    std::string text(id ? id : "");
    if (text.compare(0, 4, "IDL:") != 0)
        return text;
    text.erase(0, 4);
    const std::string::size_type version = text.rfind(':');
    if (version != std::string::npos)
        text.erase(version);
    if (text.compare(0, 8, "omg.org/") == 0)  // the prefix of the OMG's own types: CORBA::Object
        text.erase(0, 8);
    std::string name;
    for (char c : text) {
        if (c == '/')
            name += "::";
        else
            name += c;
    }
    return name;
}

inline std::string demangled(const char *mangled)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                 std::free);
    return status == 0 && name ? name.get() : mangled;
}

// The name of a known object, or empty.
inline std::string name_of_object(CORBA::Object_ptr object)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    for (const std::vector<KnownObject> *known : {&s.created, &s.bound}) {
        for (const KnownObject &k : *known) {
            try {
                if (!k.name.empty() && object->_is_equivalent(k.object))
                    return k.name;
            } catch (const CORBA::Exception &) {
            }
        }
    }
    return "";
}

// A reference: nil, or its interface and the name this program knows the object by.
inline std::string reference_text(CORBA::Object_ptr object, const char *repository_id)
{
    if (CORBA::is_nil(object))
        return "nil";
    std::string interface = name_of_repository_id(repository_id);
    if (interface == "CORBA::Object" || interface.empty())
        interface = "Object";
    const std::string name = name_of_object(object);
    return "<" + interface + (name.empty() ? "" : " " + name) + ">";
}

inline DynamicAny::DynAnyFactory_ptr dynamic_any_factory()
{
    static std::mutex lock;
    static DynamicAny::DynAnyFactory_var factory;
    std::lock_guard<std::mutex> guard(lock);
    if (CORBA::is_nil(factory)) {
        CORBA::Object_var object = orb()->resolve_initial_references("DynAnyFactory");
        factory = DynamicAny::DynAnyFactory::_narrow(object);
    }
    return factory.in();
}

// A DynAny made from an Any, destroyed with its components when it goes.
class Dynamic {
public:
    explicit Dynamic(const CORBA::Any &any) : dynamic_(dynamic_any_factory()->create_dyn_any(any)) {}
    ~Dynamic()
    {
        try {
            dynamic_->destroy();
        } catch (const CORBA::Exception &) {
        }
    }
    Dynamic(const Dynamic &) = delete;
    Dynamic &operator=(const Dynamic &) = delete;
    DynamicAny::DynAny_ptr operator->() const { return dynamic_.in(); }
    DynamicAny::DynAny_ptr get() const { return dynamic_.in(); }

private:
    DynamicAny::DynAny_var dynamic_;
};

inline CORBA::TypeCode_ptr unaliased(CORBA::TypeCode_ptr type)
{
    CORBA::TypeCode_var t = CORBA::TypeCode::_duplicate(type);
    while (t->kind() == CORBA::tk_alias)
        t = t->content_type();
    return t._retn();
}

// The IDL name of a type: its scoped name, or the keyword of a basic type.
inline std::string type_name(CORBA::TypeCode_ptr type)
{
    switch (type->kind()) {
    case CORBA::tk_null: return "null";
    case CORBA::tk_void: return "void";
    case CORBA::tk_short: return "short";
    case CORBA::tk_long: return "long";
    case CORBA::tk_ushort: return "unsigned short";
    case CORBA::tk_ulong: return "unsigned long";
    case CORBA::tk_longlong: return "long long";
    case CORBA::tk_ulonglong: return "unsigned long long";
    case CORBA::tk_float: return "float";
    case CORBA::tk_double: return "double";
    case CORBA::tk_longdouble: return "long double";
    case CORBA::tk_boolean: return "boolean";
    case CORBA::tk_char: return "char";
    case CORBA::tk_wchar: return "wchar";
    case CORBA::tk_octet: return "octet";
    case CORBA::tk_any: return "any";
    case CORBA::tk_TypeCode: return "TypeCode";
    case CORBA::tk_string: return "string";
    case CORBA::tk_wstring: return "wstring";
    case CORBA::tk_fixed: return "fixed";
    case CORBA::tk_sequence: {
        CORBA::TypeCode_var element = type->content_type();
        return "sequence<" + type_name(element) + ">";
    }
    default:
        return name_of_repository_id(type->id());
    }
}

inline void write_dynamic(std::ostream &os, DynamicAny::DynAny_ptr value);

// The components of a constructed value, separated by commas; write_one writes component i.
template <class WriteOne> void write_components(std::ostream &os, DynamicAny::DynAny_ptr value, WriteOne write_one)
{
    const CORBA::ULong count = value->component_count();
    for (CORBA::ULong i = 0; i < count; ++i) {
        if (i > 0)
            os << ", ";
        value->seek(static_cast<CORBA::Long>(i));
        write_one(i);
    }
}

inline void write_members(std::ostream &os, DynamicAny::DynAny_ptr value)
{
    DynamicAny::DynStruct_var members = DynamicAny::DynStruct::_narrow(value);
    os << "{";
    write_components(os, value, [&](CORBA::ULong) {
        CORBA::String_var name = members->current_member_name();
        DynamicAny::DynAny_var member = value->current_component();
        os << name.in() << ": ";
        write_dynamic(os, member);
    });
    os << "}";
}

inline void write_elements(std::ostream &os, DynamicAny::DynAny_ptr value, const char *open, const char *close)
{
    os << open;
    write_components(os, value, [&](CORBA::ULong) {
        DynamicAny::DynAny_var element = value->current_component();
        write_dynamic(os, element);
    });
    os << close;
}

inline void write_union(std::ostream &os, DynamicAny::DynAny_ptr value)
{
    DynamicAny::DynUnion_var branches = DynamicAny::DynUnion::_narrow(value);
    DynamicAny::DynAny_var label = branches->get_discriminator();
    os << "[";
    write_dynamic(os, label);
    if (!branches->has_no_active_member()) {
        CORBA::String_var name = branches->member_name();
        DynamicAny::DynAny_var member = branches->member();
        os << ", " << name.in() << ": ";
        write_dynamic(os, member);
    }
    os << "]";
}

inline void write_any_value(std::ostream &os, const CORBA::Any &any)
{
    CORBA::TypeCode_var type = any.type();
    Dynamic inner(any);
    os << "any(" << type_name(type) << " ";
    write_dynamic(os, inner.get());
    os << ")";
}

// A value of any IDL type, walked through its DynAny.
inline void write_dynamic(std::ostream &os, DynamicAny::DynAny_ptr value)
{
    CORBA::TypeCode_var declared = value->type();
    CORBA::TypeCode_var type = unaliased(declared);
    switch (type->kind()) {
    case CORBA::tk_null:
    case CORBA::tk_void: os << "null"; return;
    case CORBA::tk_short: os << value->get_short(); return;
    case CORBA::tk_long: os << value->get_long(); return;
    case CORBA::tk_ushort: os << value->get_ushort(); return;
    case CORBA::tk_ulong: os << value->get_ulong(); return;
#ifdef HAS_LongLong
    case CORBA::tk_longlong: os << value->get_longlong(); return;
    case CORBA::tk_ulonglong: os << value->get_ulonglong(); return;
#endif
    case CORBA::tk_float: os << float_text(value->get_float()); return;
    case CORBA::tk_double: os << float_text(value->get_double()); return;
#ifdef HAS_LongDouble
    case CORBA::tk_longdouble: os << float_text(static_cast<long double>(value->get_longdouble())); return;
#endif
    case CORBA::tk_boolean: os << (value->get_boolean() ? "TRUE" : "FALSE"); return;
    case CORBA::tk_char: os << quoted(std::string(1, value->get_char()), '\''); return;
    case CORBA::tk_wchar: os << wide_quoted(std::wstring(1, value->get_wchar()), '\''); return;
    case CORBA::tk_octet: os << octet_text(value->get_octet()); return;
    case CORBA::tk_string: {
        CORBA::String_var text = value->get_string();
        os << quoted(text.in(), '"');
        return;
    }
    case CORBA::tk_wstring: {
        CORBA::WString_var text = value->get_wstring();
        os << wide_quoted(text.in(), '"');
        return;
    }
    case CORBA::tk_any: {
        CORBA::Any_var inner = value->get_any();
        write_any_value(os, inner.in());
        return;
    }
    case CORBA::tk_TypeCode: {
        CORBA::TypeCode_var inner = value->get_typecode();
        os << "TypeCode(" << type_name(inner) << ")";
        return;
    }
    case CORBA::tk_objref: {
        CORBA::Object_var object = value->get_reference();
        os << reference_text(object, type->id());
        return;
    }
    case CORBA::tk_enum: {
        DynamicAny::DynEnum_var enumerator = DynamicAny::DynEnum::_narrow(value);
        CORBA::String_var name = enumerator->get_as_string();
        os << name.in();
        return;
    }
    case CORBA::tk_except: os << name_of_repository_id(type->id()) << " "; write_members(os, value); return;
    case CORBA::tk_struct: write_members(os, value); return;
    case CORBA::tk_union: write_union(os, value); return;
    case CORBA::tk_sequence: write_elements(os, value, "#(", ")"); return;
    case CORBA::tk_array: write_elements(os, value, "{", "}"); return;
    case CORBA::tk_fixed: {
        DynamicAny::DynFixed_var fixed = DynamicAny::DynFixed::_narrow(value);
        CORBA::String_var text = fixed->get_value();
        os << text.in();
        return;
    }
    default:
        os << "<" << type_name(type) << ">";
        return;
    }
}

// An IDL value held by an Any, as a literal; a value DynAny cannot walk shows its type.
inline void write_any(std::ostream &os, const CORBA::Any &any)
{
    std::ostringstream text;
    try {
        Dynamic value(any);
        write_dynamic(text, value.get());
    } catch (const CORBA::Exception &e) {
        CORBA::TypeCode_var type = any.type();
        os << "<" << type_name(type) << ": " << e._name() << ">";
        return;
    }
    os << text.str();
}

template <class T> void write_literal(std::ostream &os, const T &value);

template <class T> std::string literal(const T &value)
{
    std::ostringstream os;
    write_literal(os, value);
    return os.str();
}

template <class T> void write_enumerator(std::ostream &os, const T &value)
{
    CORBA::Any any;
    if (to_any(any, value)) {
        CORBA::TypeCode_var type = any.type();
        CORBA::TypeCode_var plain = unaliased(type);
        if (plain->kind() == CORBA::tk_enum && static_cast<CORBA::ULong>(value) < plain->member_count()) {
            os << plain->member_name(static_cast<CORBA::ULong>(value));
            return;
        }
    }
    os << static_cast<long>(value);
}

// The name of an enumerator, or empty when the value has none.
template <class T> std::string enumerator_name(const T &value)
{
    const std::string text = literal(value);
    return !text.empty() && (std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_') ? text : "";
}

template <class T> void write_literal(std::ostream &os, const T &value)
{
    if constexpr (std::is_same_v<T, Nothing>) {
        os << "nothing";
    } else if constexpr (is_text<T>) {
        os << quoted(text_of(value), '"');
    } else if constexpr (std::is_same_v<T, bool>) {
        os << (value ? "TRUE" : "FALSE");
    } else if constexpr (std::is_same_v<T, char>) {
        os << quoted(std::string(1, value), '\'');
    } else if constexpr (std::is_same_v<T, wchar_t>) {
        os << wide_quoted(std::wstring(1, value), '\'');
    } else if constexpr (std::is_same_v<T, CORBA::Octet>) {
        os << octet_text(value);
    } else if constexpr (std::is_floating_point_v<T>) {
        os << float_text(value);
    } else if constexpr (std::is_enum_v<T>) {
        write_enumerator(os, value);
    } else if constexpr (std::is_arithmetic_v<T>) {
        os << +value;
    } else if constexpr (is_objref_ptr<T>::value) {
        os << reference_text(value, std::remove_pointer_t<T>::_PD_repoId);
    } else if constexpr (std::is_array_v<T>) {
        os << "{";
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            os << (i ? ", " : "") << literal(value[i]);
        os << "}";
    } else if constexpr (has_in<T>::value) {
        write_literal(os, value.in());
    } else if constexpr (std::is_pointer_v<T> && std::is_class_v<std::remove_pointer_t<T>>) {
        if (value)
            write_literal(os, *value);
        else
            os << "nil";
    } else if constexpr (std::is_same_v<T, CORBA::Any>) {
        write_any_value(os, value);
    } else {
        CORBA::Any any;
        if (to_any(any, value)) {
            write_any(os, any);
        } else if constexpr (is_sequence<T>::value) {
            os << "#(";
            for (CORBA::ULong i = 0; i < value.length(); ++i)
                os << (i ? ", " : "") << literal(value[i]);
            os << ")";
        } else {
            os << "<" << demangled(typeid(T).name()) << ">";
        }
    }
}

// print and println: text and characters as they are, everything else as a literal.
template <class T> void write_printed(std::ostream &os, const T &value)
{
    if constexpr (is_text<T>)
        os << text_of(value);
    else if constexpr (std::is_same_v<T, char>)
        os << value;
    else
        write_literal(os, value);
}

struct Newline {};
inline constexpr Newline newline{};

class Printer {
public:
    template <class T> Printer &operator<<(const T &value)
    {
        write_printed(stream(), value);
        return *this;
    }
    Printer &operator<<(Newline)
    {
        stream() << std::endl;
        return *this;
    }
};

inline Printer &out()
{
    static Printer printer;
    return printer;
}

// The printed form of a value, for the string comparisons of conditions.
template <class T> std::string text(const T &value)
{
    std::ostringstream os;
    write_printed(os, value);
    return os.str();
}

}  // namespace nuxrt

#endif
