// Runtime of the programs that nuxc writes through the omniORB binding: the ORB, the POA and the
// naming service, test counting with its summary line, checks and their reports, values built
// from QOR files, and a clean stop on SIGINT or SIGTERM. Header only: a generated program reaches
// it through its generated header and links nothing beyond omniORB (omniDynamic4).
#ifndef NUXRT_HH
#define NUXRT_HH

#include <omniORB4/CORBA.h>

#include <pthread.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

// Generated compare functions take this tag as a defaulted last argument. It is a class of the
// global namespace, so a call that passes it finds them by argument-dependent lookup from inside
// the templates below, although they are declared after this header.
struct NuxrtSupport {};

namespace nuxrt {

// ---------------------------------------------------------------------------------------------
// Process state. Made once and never destroyed: object references must not be released after the
// ORB is gone, which a destructor at exit could not promise.

struct State {
    std::recursive_mutex lock;
    int argc = 0;
    char **argv = nullptr;
    std::string program;
    CORBA::ORB_var orb;
    PortableServer::POA_var poa;
    CosNaming::NamingContext_var naming;
    std::vector<CORBA::Object_var> created;  // every object made by create, oldest first
    unsigned passed = 0;
    unsigned failed = 0;
    unsigned stray_violations = 0;  // violated checks outside any test
    bool in_test = false;
    bool test_failed = false;
    std::string test_name;
    std::atomic<bool> serving{false};
    std::vector<pid_t> children;  // copies started by fork
};

inline State &state()
{
    static State *s = new State;
    return *s;
}

inline std::ostream &stream() { return std::cout; }

// ---------------------------------------------------------------------------------------------
// Type tests used to choose how a value is printed, compared, stored or built.

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
// sequences (below, after this namespace). Found by argument-dependent lookup through the tag.
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

// ---------------------------------------------------------------------------------------------
// Printing: out() << a << b, with CORBA strings, enumerations, booleans, octets and object
// references written readably and anything else shown as a placeholder.

struct Newline {};
inline constexpr Newline newline{};

template <class T> void show(std::ostream &os, const T &value)
{
    if constexpr (is_text<T>) {
        os << text_of(value);
    } else if constexpr (std::is_same_v<T, bool>) {
        os << (value ? "TRUE" : "FALSE");
    } else if constexpr (std::is_same_v<T, CORBA::Octet>) {
        os << static_cast<unsigned>(value);
    } else if constexpr (std::is_enum_v<T>) {
        CORBA::Any any;
        if (to_any(any, value)) {
            CORBA::TypeCode_var type = any.type();
            if (type->kind() == CORBA::tk_enum && static_cast<CORBA::ULong>(value) < type->member_count()) {
                os << type->member_name(static_cast<CORBA::ULong>(value));
                return;
            }
        }
        os << static_cast<long>(value);
    } else if constexpr (std::is_arithmetic_v<T>) {
        os << value;
    } else if constexpr (is_objref_ptr<T>::value) {
        os << (CORBA::is_nil(value) ? "[nil object]" : "[object]");
    } else if constexpr (has_in<T>::value) {
        show(os, value.in());
    } else {
        os << "[value]";
    }
}

class Printer {
public:
    template <class T> Printer &operator<<(const T &value)
    {
        show(stream(), value);
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

inline void note(const std::string &line)
{
    stream() << state().program << ": " << line << std::endl;
}

// ---------------------------------------------------------------------------------------------
// Comparison of an actual value with an expected one.

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

inline CORBA::ORB_ptr orb();

// Values of IDL types compared through DynAny, for types with no generated compare function.
inline bool same_anys(const CORBA::Any &a, const CORBA::Any &b)
{
    CORBA::Object_var object = orb()->resolve_initial_references("DynAnyFactory");
    DynamicAny::DynAnyFactory_var factory = DynamicAny::DynAnyFactory::_narrow(object);
    DynamicAny::DynAny_var left = factory->create_dyn_any(a);
    DynamicAny::DynAny_var right = factory->create_dyn_any(b);
    bool equal = left->equal(right);
    left->destroy();
    right->destroy();
    return equal;
}

// True when the actual value a equals the expected value b; numbers with a floating-point side
// may differ by precision.
template <class A, class B> bool same(const A &a, const B &b, double precision = 0.0)
{
    if constexpr (is_text<A> || is_text<B>) {
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
        stream() << "**** no way to compare these two values ****" << std::endl;
        return false;
    }
}

template <class A, class B> bool near(const A &a, const B &b, double precision)
{
    return same_numbers(a, b, precision);
}

template <class T> std::string text(const T &value)
{
    std::ostringstream os;
    show(os, value);
    return os.str();
}

// ---------------------------------------------------------------------------------------------
// Tests, checks and the summary line.

inline void fail()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (s.in_test)
        s.test_failed = true;
    else
        ++s.stray_violations;
}

// Thrown by nogo: the running test cannot go on.
struct NoGo {};

inline void end_test()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (!s.in_test)
        return;
    s.in_test = false;
    if (s.test_failed)
        ++s.failed;
    else
        ++s.passed;
    stream() << "Test " << s.test_name << (s.test_failed ? " FAILED" : " passed") << std::endl;
}

inline void begin_test(const char *name)
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    end_test();  // a test left open by a jump out of it ends here
    s.in_test = true;
    s.test_failed = false;
    s.test_name = name;
    stream() << "Test " << name << std::endl;
}

// Reports the exception being handled and counts it as a violation.
inline void report_exception(const char *where)
{
    std::string what;
    try {
        throw;
    } catch (const NoGo &) {
        what = "nogo: the test cannot go on";
    } catch (const CORBA::SystemException &e) {
        std::ostringstream os;
        os << "CORBA system exception " << e._name() << " (minor " << e.minor() << ")";
        what = os.str();
    } catch (const CORBA::Exception &e) {
        what = std::string("CORBA exception ") + e._name();
    } catch (const std::exception &e) {
        what = std::string("exception: ") + e.what();
    } catch (...) {
        what = "unknown exception";
    }
    stream() << "**** " << where << ": " << what << " ****" << std::endl;
    fail();
}

// ---------------------------------------------------------------------------------------------
// ORB, POA and naming service. The ORB starts at its first use, so that fork can still copy a
// program that has not touched it.

inline void on_signal_thread(sigset_t signals)
{
    int number = 0;
    sigwait(&signals, &number);
    State &s = state();
    if (s.serving) {
        s.orb->shutdown(false);  // serve returns and main ends normally
        return;
    }
    stream() << "**** interrupted by signal " << number << " ****" << std::endl;
    {
        std::lock_guard<std::recursive_mutex> guard(s.lock);
        stream() << s.passed << " passed, " << (s.failed + (s.in_test ? 1 : 0)) << " failed" << std::endl;
    }
    std::_Exit(128 + number);
}

inline CORBA::ORB_ptr orb()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (CORBA::is_nil(s.orb)) {
        s.orb = CORBA::ORB_init(s.argc, s.argv);
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

inline CosNaming::NamingContext_ptr naming()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (CORBA::is_nil(s.naming)) {
        CORBA::Object_var object = orb()->resolve_initial_references("NameService");
        s.naming = CosNaming::NamingContext::_narrow(object);
        if (CORBA::is_nil(s.naming))
            throw CORBA::OBJECT_NOT_EXIST();
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

inline void publish(CORBA::Object_ptr object, const char *marker, const char *server, const char *variable)
{
    if (!*marker) {
        CosNaming::Name context;
        context.length(1);
        context[0].id = server;
        try {
            CosNaming::NamingContext_var created = naming()->bind_new_context(context);
        } catch (const CosNaming::NamingContext::AlreadyBound &) {
        }
    }
    naming()->rebind(name_of(marker, server, variable), object);
}

// create: a new servant of class Servant, activated, registered for QOR values that name its
// interface and, unless anonymous, bound in the naming service.
template <class Servant, class Interface>
typename Interface::_ptr_type create(const char *marker, const char *server = "", const char *variable = "",
                                     bool published = true)
{
    PortableServer::POA_var adapter = poa();
    Servant *servant = new Servant();
    PortableServer::ObjectId_var id = adapter->activate_object(servant);
    servant->_remove_ref();
    CORBA::Object_var object = adapter->id_to_reference(id);
    {
        std::lock_guard<std::recursive_mutex> guard(state().lock);
        state().created.push_back(CORBA::Object::_duplicate(object));
    }
    if (published)
        publish(object, marker, server, variable);
    return Interface::_narrow(object);
}

// bind: the object bound under the marker (or the server's variable), waiting for it to appear
// for NUXRT_BIND_SECONDS (10 by default).
template <class Interface>
typename Interface::_ptr_type bind(const char *marker, const char *server, const char *variable)
{
    if (!*marker && !*server) {
        note(std::string("bind ") + variable + ": no marker and no server to find it by");
        fail();
        return Interface::_nil();
    }
    const char *limit = std::getenv("NUXRT_BIND_SECONDS");
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limit ? std::atoi(limit) : 10);
    for (;;) {
        try {
            CORBA::Object_var object = naming()->resolve(name_of(marker, server, variable));
            return Interface::_narrow(object);
        } catch (const CosNaming::NamingContext::NotFound &) {
        } catch (const CORBA::TRANSIENT &) {
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    note(std::string("bind ") + variable + ": nothing bound under " + (*marker ? marker : server));
    fail();
    return Interface::_nil();
}

// The newest object of this process that supports Interface (a QOR value naming an interface).
template <class Interface> typename Interface::_ptr_type reference()
{
    State &s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    for (auto it = s.created.rbegin(); it != s.created.rend(); ++it) {
        typename Interface::_var_type narrowed = Interface::_narrow(*it);
        if (!CORBA::is_nil(narrowed))
            return narrowed._retn();
    }
    note(std::string("no object of this program supports ") + Interface::_PD_repoId);
    fail();
    return Interface::_nil();
}

// True when the servant self is the one that object refers to (the body of a server function
// written for one declared object).
inline bool is(PortableServer::ServantBase *self, CORBA::Object_ptr object)
{
    if (CORBA::is_nil(object) || CORBA::is_nil(state().poa))
        return false;
    try {
        PortableServer::ServantBase *servant = state().poa->reference_to_servant(object);
        bool found = servant == self;
        servant->_remove_ref();
        return found;
    } catch (const CORBA::Exception &) {
        return false;
    }
}

// serve: runs the ORB until SIGINT or SIGTERM.
inline void serve(const char *server)
{
    CORBA::ORB_ptr broker = orb();
    State &s = state();
    note(std::string("serving ") + server);
    s.serving = true;
    broker->run();
    s.serving = false;
    note(std::string("stopped serving ") + server);
}

// ---------------------------------------------------------------------------------------------
// Values: QOR literals, results on the heap, out and inout parameters, members.

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
    note(std::string("a QOR value does not fit branch ") + branch + " of " + type);
    fail();
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
        note(std::string("cannot read ") + file);
        fail();
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

inline void watch_signals();

// fork: from here on, count processes run the rest of main. Possible only before the ORB starts.
inline void fork_copies(long count)
{
    State &s = state();
    if (!CORBA::is_nil(s.orb)) {
        note("fork after the ORB has started: not done");
        fail();
        return;
    }
    for (long i = 1; i < count; ++i) {
        stream().flush();
        pid_t child = ::fork();
        if (child == 0) {
            s.children.clear();
            watch_signals();  // a copy has only the thread that forked
            return;
        }
        if (child < 0) {
            note("fork failed");
            fail();
            return;
        }
        s.children.push_back(child);
    }
}

// ---------------------------------------------------------------------------------------------
// main: set-up, the script's body, the summary line and the exit status.

// SIGINT and SIGTERM go to one thread of their own (blocked everywhere else; the ORB's threads
// inherit the mask), which stops serve, or ends the program with its summary line.
inline void watch_signals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(on_signal_thread, signals).detach();
}

inline void start(int argc, char **argv, const char *program)
{
    State &s = state();
    s.argc = argc;
    s.argv = argv;
    s.program = program;
    watch_signals();
}

inline int finish(int status)
{
    State &s = state();
    end_test();
    if (!CORBA::is_nil(s.orb)) {
        try {
            s.orb->destroy();
        } catch (const CORBA::Exception &) {
        }
    }
    for (pid_t child : s.children) {
        int child_status = 0;
        if (waitpid(child, &child_status, 0) < 0 || !WIFEXITED(child_status) || WEXITSTATUS(child_status) != 0)
            ++s.stray_violations;
    }
    if (s.stray_violations)
        stream() << s.stray_violations << " violated outside tests" << std::endl;
    stream() << s.passed << " passed, " << s.failed << " failed" << std::endl;
    if (status)
        return status;
    return s.failed || s.stray_violations ? 1 : 0;
}

template <class Body> int run(int argc, char **argv, const char *program, Body body)
{
    start(argc, argv, program);
    int status = 0;
    try {
        status = body();
    } catch (...) {
        report_exception("main");
    }
    return finish(status);
}

// The handler of begin test ... end test: an exception fails the test and the next one runs.
inline void test_exception()
{
    report_exception((std::string("test ") + state().test_name).c_str());
}

}  // namespace nuxrt

// clone and compare of the IDL sequences, one definition for every sequence type. They are not
// generated per typedef as those of structures and unions are: "typedef Seq Alias;" names the
// same C++ type as Seq, and a second set of functions under the alias would define them twice.
template <class S, std::enable_if_t<nuxrt::is_sequence<S>::value, int> = 0> S clone(const S &value)
{
    return S(value);
}

template <class S, std::enable_if_t<nuxrt::is_sequence<S>::value, int> = 0> S *clone(const S *value)
{
    return value ? new S(*value) : nullptr;
}

template <class S, std::enable_if_t<nuxrt::is_sequence<S>::value, int> = 0>
CORBA::Boolean compare(const S &left, const S &right, NuxrtSupport = NuxrtSupport())
{
    if (left.length() != right.length())
        return false;
    for (CORBA::ULong i = 0; i < left.length(); ++i)
        if (!nuxrt::same(left[i], right[i]))
            return false;
    return true;
}

#endif
