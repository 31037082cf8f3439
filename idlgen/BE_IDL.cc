// BE_IDL: construction over the shared variable list and type map, and the walk of modules and
// interfaces: class declarations, and a stub function for every constructor, operation and
// attribute accessor. The order of defines and emissions is what templates see.
#include "idlgen/BE_IDL.hh"

#include <cassert>
#include <cstring>

#include "foundation/IgnorableError.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_structure.hh"
#include "frontend/utl_lists.hh"
#include "idlgen/AST_Utils.hh"

namespace {

// The predefined kind of a type, or -1 for a type that is not predefined.
int predefined_kind(AST_Type *t) {
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(t);
  return p ? p->pt() : -1;
}

// The stub classes of a result type, tested in order; a type that matches none is "other".
// Each names its keys "cc.class.member.<class>.stubout" and ".dummy_return".
struct StubClass {
  bool (*matches)(AST_Type *);
  const char *stubout;
  const char *dummyReturn;
};

const StubClass stubClasses[] = {
    {[](AST_Type *t) { return predefined_kind(t) == AST_PredefinedType::PREDEF_VOID; },
     "cc.class.member.void.stubout", "cc.class.member.void.dummy_return"},
    {is_fixed_struct_or_union, "cc.class.member.fixedstruct.stubout",
     "cc.class.member.fixedstruct.dummy_return"},
    {[](AST_Type *t) { return t->node_type() == AST_Decl::NT_string; },
     "cc.class.member.string.stubout", "cc.class.member.string.dummy_return"},
    {[](AST_Type *t) { return predefined_kind(t) == AST_PredefinedType::PREDEF_ANY; },
     "cc.class.member.other.stubout", "cc.class.member.other.dummy_return"},
    {[](AST_Type *t) { return predefined_kind(t) == AST_PredefinedType::PREDEF_BOOLEAN; },
     "cc.class.member.boolean.stubout", "cc.class.member.boolean.dummy_return"},
    {[](AST_Type *t) { return predefined_kind(t) >= 0; }, "cc.class.member.number.stubout",
     "cc.class.member.number.dummy_return"},
};

const StubClass otherStubs = {nullptr, "cc.class.member.other.stubout",
                              "cc.class.member.other.dummy_return"};

const StubClass &stub_class_of(AST_Type *result) {
  for (const StubClass &c : stubClasses) {
    if (c.matches(result))
      return c;
  }
  return otherStubs;
}

// A mapping the generated code cannot do without; a missing one ends the run with the type
// map's message.
const Dstr &checked(const Dstr &mapping) {
  check(mapping);
  return mapping;
}

// The name of an exception in a throws list: an exception declared in a module or interface
// is named in that scope's package, so Bank::Failed is BankPackage.Failed and
// Bank::Teller::Failed is Bank::TellerPackage.Failed.
Dstr thrown_name(AST_Exception *e, const NameSpelling &spelling) {
  Dstr name = spelling.scoped(scopedNameOf(e));
  const Dstr localName = spelling.word(nameOf(e));
  const unsigned int local = localName.length();
  if (name.length() <= local)
    return name;
  name -= name.length() - local - 2;
  name += "Package.";
  name += localName;
  return name;
}

// Whether the interface is served by a class of the generated server: an interface that is
// neither local nor a value type.
bool has_servant(AST_Interface *i) {
  return i->node_type() == AST_Decl::NT_interface && !i->is_local();
}

// A new stub function for an operation or attribute accessor, named name in IDL and cxxName
// in the generated code.
Function *new_member_function(Function::OpType kind, const char *name, const Dstr &cxxName) {
  Function *f = new Function;
  f->idl_op_type = kind;
  f->idl_operation_name = name;
  f->cc_function_name = cxxName;
  return f;
}

// Appends a function of interface i (named sname, with the class cname) that implements member
// (null for the constructor).
void add_function(FunctionList *functions, Function *f, AST_Interface *i, AST_Decl *member,
                  const Dstr &sname, const Dstr &cname) {
  f->idl_interface = i;
  f->idl_interface_name = sname;
  f->cc_class_name = cname;
  f->idl_operation = member;
  functions->add(f);
}

// An IDL file's name without its folder and its last extension, the name its stubs are
// written under: "COS/CosEventComm.idl" gives "CosEventComm".
Dstr idl_base_name(const char *path) {
  const char *slash = strrchr(path, '/');
  Dstr base(slash ? slash + 1 : path);
  const int dot = base.strrchr('.');
  if (dot > 0)
    base -= static_cast<unsigned int>(dot);
  return base;
}

}  // namespace

BE_IDL::BE_IDL(const Dstr &binding, Replacements *reps, Types *types_in)
    : CodeGenerator(binding) {
  variables = reps;
  types = types_in;
}

FunctionList *BE_IDL::do_idl(Headerfile &hh, Dstr &cc, AST_Decl *root, AList *classmap) {
  AST_Module *m = AST_Module::narrow_from_decl(root);
  assert(m != nullptr);
  FunctionList *functions = new FunctionList;
  includedFiles.clear();
  do_module(hh, cc, m, Dstr(""), classmap, functions);
  do_stub_includes(hh, root);
  return functions;
}

Dstr BE_IDL::spelled(AST_Decl *d) const { return types->spelling().word(nameOf(d)); }

Dstr BE_IDL::spelled_scoped(AST_Decl *d) const {
  return types->spelling().scoped(scopedNameOf(d));
}

// The predefined types come from no file.
void BE_IDL::note_origin(AST_Decl *d) {
  UTL_String *file = d->file_name();
  if (d->in_main_file() || d->node_type() == AST_Decl::NT_pre_defined || file == nullptr ||
      file->get_string() == nullptr)
    return;
  const char *path = file->get_string();
  for (const Dstr &known : includedFiles) {
    if (known == path)
      return;
  }
  includedFiles.emplace_back(path);
}

// The stub headers go to the header's top section, after its opening and before whatever the
// script declares, which may use the stubs' types.
void BE_IDL::do_stub_includes(Headerfile &hh, AST_Decl *root) {
  for (const Dstr &path : includedFiles) {
    variables->define("IDL_BASENAME", idl_base_name(path.aschar()));
    cat_binding(hh.top, "hh.include.idl.imported");
  }
  variables->define("IDL_BASENAME", idl_base_name(root->file_name()->get_string()));
  cat_binding(hh.top, "hh.include.idl");
}

// The root is a module without a name: it has no module templates. A nested module leaves its
// MODULE_NAME defined, so the enclosing module's "hh.module.end" sees the innermost name.
void BE_IDL::do_module(Headerfile &hh, Dstr &cc, AST_Module *m, Dstr prefix, AList *classmap,
                       FunctionList *functions) {
  const Dstr name(nameOf(m));
  const bool named = name.length() > 0;
  if (named) {
    prefix += name;
    prefix += "::";
    variables->define("MODULE_NAME", join_pieces(name, "_i"));
    cat_binding(hh.bottom, "hh.module.begin");
  }
  for (UTL_ScopeActiveIterator i(m, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_Decl *d = i.item();
    if (AST_Module *inner = AST_Module::narrow_from_decl(d)) {
      do_module(hh, cc, inner, prefix, classmap, functions);
      continue;
    }
    note_origin(d);
    AST_Interface *iface = AST_Interface::narrow_from_decl(d);
    if (iface != nullptr && has_servant(iface))
      do_interface(hh, cc, iface, prefix, classmap, functions);
    else if (iface != nullptr)
      do_interface_without_servant(hh, cc, iface);
    else
      do_complex_type_support_fns(hh, cc, d, nullptr, nullptr);
  }
  if (named)
    cat_binding(hh.bottom, "hh.module.end");
}

// The class of an interface is named by its module prefix with "_" for "::", its local name and
// "_i": Outer::Inner::Account gives Outer_Inner_Account_i.
void BE_IDL::do_interface(Headerfile &hh, Dstr &cc, AST_Interface *i, const Dstr &prefix,
                          AList *classmap, FunctionList *functions) {
  do_clone_compare_interface(hh, cc, i);
  const Dstr sname = scopedNameOf(i);
  Dstr cname(prefix);
  underscoreScope.do_subs(cname);
  cname += nameOf(i);
  cname += "_i";
  classmap->define(sname, cname);
  set_interface(spelled_scoped(i));
  do_class_begin(hh.bottom, cname, baseNamesOf(i), "hh", classmap);

  add_function(functions, do_constructor(hh, sname, cname), i, nullptr, sname, cname);
  for (UTL_ScopeActiveIterator m(i, UTL_Scope::SCOPE_ITER_DECLS); !m.is_done(); m.next()) {
    AST_Decl *d = m.item();
    if (AST_Operation *op = AST_Operation::narrow_from_decl(d)) {
      Function *f = do_operation(hh, op);
      variables->define("CLASS_NAME", cname);
      add_function(functions, f, i, d, sname, cname);
    } else if (AST_Attribute *a = AST_Attribute::narrow_from_decl(d)) {
      Function *getter, *setter;
      do_attribute(hh, a, &getter, &setter);
      variables->define("CLASS_NAME", cname);
      add_function(functions, getter, i, d, sname, cname);
      if (setter)
        add_function(functions, setter, i, d, sname, cname);
    } else {
      do_complex_type_support_fns(hh, cc, d, nullptr, nullptr);
    }
  }
  variables->define("CLASS_NAME", cname);
  cat_binding(hh.bottom, "hh.class.end");
}

// A local interface is implemented by the program itself, and a value type is data that
// travels by value: neither has a servant class or server functions. What remains are the
// support functions of a local interface's references and those of the types declared inside.
void BE_IDL::do_interface_without_servant(Headerfile &hh, Dstr &cc, AST_Interface *i) {
  if (i->node_type() == AST_Decl::NT_interface)
    do_clone_compare_interface(hh, cc, i);
  for (UTL_ScopeActiveIterator m(i, UTL_Scope::SCOPE_ITER_DECLS); !m.is_done(); m.next())
    do_complex_type_support_fns(hh, cc, m.item(), nullptr, nullptr);
}

// The constructor has no result type (RETURN_TYPE is null) and an empty argument list; its
// operation name is the interface's scoped name.
Function *BE_IDL::do_constructor(Headerfile &hh, const Dstr &sname, const Dstr &className) {
  Function *f = new Function;
  f->idl_op_type = Function::constructor;
  f->idl_operation_name = sname;
  f->cc_function_name = className;
  variables->define("RETURN_TYPE", f->returnType);
  variables->define("FUNCTION_NAME", className);
  cat_binding(hh.bottom, "hh.class.constructor.begin");
  variables->define("ARGLIST", "");
  cat_binding(f->cc_begin, "cc.class.member.begin");
  cat_binding(f->cc_begin, "cc.class.member.body.begin");
  cat_binding(f->cc_code, "cc.class.constructor.stubout");
  cat_binding(f->cc_end, "cc.class.member.end");
  cat_binding(hh.bottom, "hh.class.member.end");
  return f;
}

// The stub body is emitted while FUNCTION_NAME and ARGLIST still hold the previous function's
// values.
Function *BE_IDL::do_operation(Headerfile &hh, AST_Operation *op) {
  Function *f = new_member_function(Function::operation, nameOf(op), spelled(op));
  stub_result(f, op->return_type());
  declare_member(hh, f->cc_function_name);
  Dstr args;
  bool first = true;
  for (UTL_ScopeActiveIterator i(op, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_Argument *a = AST_Argument::narrow_from_decl(i.item());
    if (a == nullptr)
      continue;
    if (!first)
      cat_binding(args, "cchh.arglist.separator");
    first = false;
    variables->define("ARG_TYPE",
                      with_separator(checked(types->mapType(a->field_type(), a->direction()))));
    variables->define("ARG_NAME", spelled(a));
    cat_binding(args, "cchh.argument");
  }
  do_environment(args, first);
  end_member(hh, f, args, op);
  return f;
}

// The getter and the setter share the attribute's name and differ in their arguments. The
// setter's stubs are emitted while the getter's RETURN_TYPE is still defined.
void BE_IDL::do_attribute(Headerfile &hh, AST_Attribute *a, Function **getter,
                          Function **setter) {
  AST_Type *t = a->field_type();
  const Dstr cxxName = spelled(a);
  Function *g = new_member_function(Function::attribute_get, nameOf(a), cxxName);
  *getter = g;
  stub_result(g, t);
  declare_member(hh, cxxName);
  Dstr args;
  do_environment(args, true);
  end_member(hh, g, args, nullptr);

  *setter = nullptr;
  if (a->readonly())
    return;
  Function *s = new_member_function(Function::attribute_set, nameOf(a), cxxName);
  *setter = s;
  cat_binding(s->cc_code, "cc.class.member.void.stubout");
  cat_binding(s->cc_end, "cc.class.member.void.dummy_return");
  s->returnType = checked(types->mapType("NT_pre_defined", "void", Types::ret));
  variables->define("RETURN_TYPE", s->returnType);
  declare_member(hh, cxxName);
  args = Dstr();
  variables->define("ARG_TYPE", with_separator(checked(types->mapType(t, Types::in, false))));
  variables->define("ARG_NAME", cxxName);
  cat_binding(args, "cchh.argument");
  do_environment(args, false);
  end_member(hh, s, args, nullptr);
}

void BE_IDL::stub_result(Function *f, AST_Type *result) {
  f->returnType = checked(types->mapType(result, Types::ret, false));
  variables->define("RETURN_TYPE", with_separator(f->returnType));
  stubout(f->cc_code, f->cc_end, result);
}

void BE_IDL::declare_member(Headerfile &hh, const Dstr &name) {
  variables->define("FUNCTION_NAME", name);
  cat_binding(hh.bottom, "hh.class.member.begin");
}

void BE_IDL::end_member(Headerfile &hh, Function *f, const Dstr &args, AST_Operation *op) {
  variables->define("ARGLIST", args);
  cat_binding(hh.bottom, "hh.arglist");
  cat_binding(f->cc_begin, "cc.class.member.begin");
  if (op)
    do_exceptions(f->cc_begin, op);
  cat_binding(f->cc_begin, "cc.class.member.body.begin");
  cat_binding(f->cc_end, "cc.class.member.end");
  cat_binding(hh.bottom, "hh.class.member.end");
}

void BE_IDL::stubout(Dstr &code, Dstr &end, AST_Type *result) {
  const StubClass &stubs = stub_class_of(result);
  cat_binding(code, stubs.stubout);
  cat_binding(end, stubs.dummyReturn);
}

// CLASS_NAME keeps the last exception's name after the list, until the interface walk
// defines it again after the operation.
void BE_IDL::do_exceptions(Dstr &out, AST_Operation *op) {
  bool first = true;
  for (UTL_ExceptlistActiveIterator i(op->exceptions()); !i.is_done(); i.next()) {
    cat_binding(out, first ? "cc.class.member.throws.begin" : "cc.class.member.throws.separator");
    first = false;
    variables->define("CLASS_NAME",
                      with_separator(thrown_name(i.item(), types->spelling())));
    cat_binding(out, "cc.class.member.throws");
  }
}

// A binding without an "environment" mapping has no environment argument; the lookup's
// recorded message is not raised.
void BE_IDL::do_environment(Dstr &args, bool first) {
  const Dstr environment(types->mapType("environment", Types::inout));
  if (environment.isNull())
    return;
  if (!first)
    cat_binding(args, "cchh.arglist.separator");
  variables->define("ARG_TYPE", environment);
  variables->define("ARG_NAME", "env");
  cat_binding(args, "cchh.argument");
}
