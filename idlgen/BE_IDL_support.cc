// BE_IDL support functions: clone, pointer clone, make and compare functions of structures,
// unions and typedef-named sequences, clone and compare of enumerations and interfaces. Each
// definition is written to the source file as the walk meets its type, its declaration to the
// header's middle section.
#include "idlgen/BE_IDL.hh"

#include <cassert>

#include "foundation/IgnorableError.hh"
#include "frontend/ast_array.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_union_label.hh"
#include "idlgen/AST_Utils.hh"

// The clone, pointer clone and compare functions, in the order the walk emits them (the make
// function comes between the pointer clone and the compare function).
const BE_IDL::AggregateFunction BE_IDL::cloneFunction = {"hh.clone", "cc.clone", ""};
const BE_IDL::AggregateFunction BE_IDL::clonePointerFunction = {"hh.clone.pointer", "cc.clone",
                                                                ".pointer"};
const BE_IDL::AggregateFunction BE_IDL::compareFunction = {"hh.compare", "cc.compare", ""};

namespace {

// The mapping of a member, element or aggregate type in the support functions: every
// structure, union and array under its "_fixed" kind, a typedef-named sequence as its name.
// A missing mapping ends the run with the type map's message.
const Dstr &support_type(Types *types, AST_Type *t) {
  const Dstr &mapping = types->mapType(t, Types::ret, true);
  check(mapping);
  return mapping;
}

// The same for the type of a member, which may be anonymous.
const Dstr &support_type(Types *types, AST_Field *member) {
  const Dstr &mapping = types->mapMemberType(member, Types::ret, true);
  check(mapping);
  return mapping;
}

const char *aggregate_kind(AST_Structure *s) {
  return s->node_type() == AST_Decl::NT_union ? "union" : "struct";
}

// The label of a union branch; null for a structure's field.
AST_UnionLabel *label_of(AST_Field *f) {
  AST_UnionBranch *b = AST_UnionBranch::narrow_from_decl(f);
  return b ? b->label() : nullptr;
}

bool is_default(AST_UnionLabel *label) {
  return label != nullptr && label->label_kind() == AST_UnionLabel::LABEL_DEFAULT;
}

}  // namespace

// Types reached through a typedef get no functions of their own, except sequences, which get
// theirs under the outermost typedef's name (a typedef of a typedef-named sequence gives a
// second set under the new name).
void BE_IDL::do_complex_type_support_fns(Headerfile &hh, Dstr &cc, AST_Decl *d,
                                         const char *tdname, AST_Decl *tddecl) {
  if (AST_Sequence *q = AST_Sequence::narrow_from_decl(d)) {
    // Anonymous sequences are no declaration of a module or interface.
    assert(tdname != nullptr);
    do_sequence_support_functions(hh, cc, q, tdname, tddecl);
    return;
  }
  if (AST_Typedef *t = AST_Typedef::narrow_from_decl(d)) {
    const Dstr name = tdname ? Dstr(tdname) : scopedNameOf(t);
    do_complex_type_support_fns(hh, cc, strip_typedefs(t), name.aschar(), tddecl ? tddecl : t);
    return;
  }
  if (tdname != nullptr)
    return;
  switch (d->node_type()) {
  case AST_Decl::NT_struct:
  case AST_Decl::NT_union:
    do_nested_type_support_fns(hh, cc, AST_Structure::narrow_from_decl(d));
    do_struct_or_union_support_functions(hh, cc, AST_Structure::narrow_from_decl(d));
    return;
  case AST_Decl::NT_except:
    do_nested_type_support_fns(hh, cc, AST_Structure::narrow_from_decl(d));
    return;
  case AST_Decl::NT_enum:
    do_enum_support_functions(hh, cc, AST_Enum::narrow_from_decl(d));
    return;
  default:
    return;
  }
}

// The structures, unions and enumerations declared inside a structure, union or exception,
// which its own functions may use, come first.
void BE_IDL::do_nested_type_support_fns(Headerfile &hh, Dstr &cc, AST_Structure *s) {
  for (UTL_ScopeActiveIterator i(s, UTL_Scope::SCOPE_ITER_LOCAL_TYPES); !i.is_done(); i.next())
    do_complex_type_support_fns(hh, cc, i.item(), nullptr, nullptr);
}

void BE_IDL::do_struct_or_union_support_functions(Headerfile &hh, Dstr &cc, AST_Structure *s) {
  const Dstr name = spelled_scoped(s);
  do_clone_or_compare(hh, cc, name, s, cloneFunction);
  do_clone_or_compare(hh, cc, name, s, clonePointerFunction);
  if (AST_Union *u = AST_Union::narrow_from_decl(s))
    do_make_union(hh, cc, u);
  else
    do_make_struct(hh, cc, s);
  do_clone_or_compare(hh, cc, name, s, compareFunction);
}

// RETURN_TYPE is the aggregate's name at the begin key, then each member's type; a union's
// default branch takes the ".defaultfield" key and leaves DISCRIMINANT_VALUE as it was.
void BE_IDL::do_clone_or_compare(Headerfile &hh, Dstr &cc, const Dstr &name, AST_Structure *s,
                                 const AggregateFunction &function) {
  auto key = [&](const char *part) {
    return join_pieces(function.family, ".", aggregate_kind(s), function.variant, part);
  };
  variables->define("RETURN_TYPE", name);
  variables->define("ARG_TYPE", name);
  cat_binding(hh.middle, function.hhKey);
  cat_binding(cc, key(".begin").aschar());
  for (AST_Field *f : fieldsOf(s)) {
    variables->define("FIELD_NAME", spelled(f));
    variables->define("RETURN_TYPE", support_type(types, f));
    AST_UnionLabel *label = label_of(f);
    Dstr fieldKey = key(is_default(label) ? ".defaultfield" : ".field");
    if (label != nullptr && !is_default(label))
      variables->define("DISCRIMINANT_VALUE", labelValueOf(label));
    if (is_interface_type(f->field_type()))
      fieldKey += ".interface";
    cat_binding(cc, fieldKey.aschar());
  }
  cat_binding(cc, key(".end").aschar());
}

// The make function takes every member as an argument, arg1, arg2, ... in member order.
void BE_IDL::do_make_struct(Headerfile &hh, Dstr &cc, AST_Structure *s) {
  const std::vector<AST_Field *> fields = fieldsOf(s);
  Dstr arglist;
  for (unsigned int n = 1; n <= fields.size(); ++n) {
    if (n > 1)
      cat_binding(arglist, "cchh.arglist.separator");
    variables->define("ARG_TYPE", support_type(types, fields[n - 1]));
    variables->define("ARG_NAME", join_pieces("arg", n));
    cat_binding(arglist, "cchh.argument");
  }
  Dstr makeType = scopedNameOf(s);
  underscoreScope.do_subs(makeType);
  variables->define("MAKE_TYPE", makeType);
  variables->define("RETURN_TYPE", support_type(types, s));
  variables->define("ARGLIST", arglist);
  cat_binding(hh.middle, "hh.make.struct");
  cat_binding(cc, "cc.make.struct.begin");
  for (unsigned int n = 1; n <= fields.size(); ++n) {
    variables->define("FIELD_NAME", spelled(fields[n - 1]));
    variables->define("ARG_NAME", join_pieces("arg", n));
    cat_binding(cc, "cc.make.struct.field");
  }
  cat_binding(cc, "cc.make.struct.end");
}

// The make function of a union takes its value through a variable argument list, so the
// argument types are the promoted ones.
void BE_IDL::do_make_union(Headerfile &hh, Dstr &cc, AST_Union *u) {
  Dstr makeType = scopedNameOf(u);
  underscoreScope.do_subs(makeType);
  variables->define("MAKE_TYPE", makeType);
  variables->define("RETURN_TYPE", support_type(types, u));
  cat_binding(hh.middle, "hh.make.union");
  cat_binding(cc, "cc.make.union.begin");
  for (AST_Field *f : fieldsOf(u)) {
    variables->define("FIELD_NAME", spelled(f));
    Dstr argType(support_type(types, f));
    promote_arg_type(argType);
    variables->define("ARG_TYPE", argType);
    if (is_default(label_of(f))) {
      cat_binding(cc, "cc.make.union.defaultfield");
      continue;
    }
    variables->define("DISCRIMINANT_VALUE", labelValueOf(label_of(f)));
    cat_binding(cc, "cc.make.union.field");
  }
  cat_binding(cc, "cc.make.union.end");
}

void BE_IDL::do_enum_support_functions(Headerfile &hh, Dstr &cc, AST_Enum *e) {
  do_clone_compare_by_kind(hh, cc, "NT_enum", scopedNameOf(e), "enum");
}

// INTERFACE_NAME keeps "::" here; the class walk redefines it with the scope separator.
void BE_IDL::do_clone_compare_interface(Headerfile &hh, Dstr &cc, AST_Interface *i) {
  const Dstr name = scopedNameOf(i);
  variables->define("INTERFACE_NAME", spelled_scoped(i));
  do_clone_compare_by_kind(hh, cc, "NT_interface", name, "interface");
}

// Clone and compare of a type passed as a whole, mapped by its kind: RETURN_TYPE is its ret
// mapping, ARG_TYPE its in mapping.
void BE_IDL::do_clone_compare_by_kind(Headerfile &hh, Dstr &cc, const char *kind,
                                      const Dstr &name, const char *keyKind) {
  const Dstr &returnType = types->mapType(kind, name, Types::ret);
  check(returnType);
  variables->define("RETURN_TYPE", returnType);
  const Dstr &argType = types->mapType(kind, name, Types::in);
  check(argType);
  variables->define("ARG_TYPE", argType);
  cat_binding(hh.middle, "hh.clone");
  cat_binding(cc, join_pieces("cc.clone.", keyKind).aschar());
  cat_binding(hh.middle, "hh.compare");
  cat_binding(cc, join_pieces("cc.compare.", keyKind).aschar());
}

// Sequences of interfaces take the keys ending in ".interfaces".
void BE_IDL::do_sequence_support_functions(Headerfile &hh, Dstr &cc, AST_Sequence *q,
                                           const char *tdname, AST_Decl *tddecl) {
  const bool interfaces = is_interface_type(q->base_type());
  do_clone_sequence(hh, cc, q, tdname, interfaces);
  do_make_sequence(hh, cc, q, tdname, tddecl);
  do_compare_sequence(hh, cc, tddecl, interfaces);
}

// DEFINE_ID and ALTDEFID are identifiers made from the element type as written, with "_" for
// "::" and blanks, for bindings that guard against defining a function twice: the element's
// local and scoped names, or its kind name for an anonymous element (a nested sequence, a
// bounded string); ALTDEFID of a predefined element is the sequence's own name.
void BE_IDL::do_clone_sequence(Headerfile &hh, Dstr &cc, AST_Sequence *q, const char *tdname,
                               bool interfaces) {
  const Dstr sequenceName = types->spelling().scoped(tdname);
  variables->define("RETURN_TYPE", sequenceName);
  variables->define("ARG_TYPE", sequenceName);
  AST_Type *x = q->base_type();
  Dstr defineId(nameOf(x));
  Dstr altDefId = scopedNameOf(x);
  if (defineId == "local type")
    defineId = altDefId = nodeType2String(x->node_type());
  else if (x->node_type() == AST_Decl::NT_pre_defined)
    altDefId = tdname;
  Replacements identifier;
  identifier.define("::", "_");
  identifier.define(" ", "_");
  identifier.do_subs(defineId);
  identifier.do_subs(altDefId);
  variables->define("DEFINE_ID", defineId);
  variables->define("ALTDEFID", altDefId);
  cat_binding(hh.middle, "hh.clone");
  cat_binding(hh.middle, "hh.clone.pointer");
  cat_binding(cc, interfaces ? "cc.clone.sequence.interfaces" : "cc.clone.sequence");
  cat_binding(cc, interfaces ? "cc.clone.sequence.pointer.interfaces"
                             : "cc.clone.sequence.pointer");
}

// ARG_TYPE, the promoted element type, is defined only after the header's declaration.
void BE_IDL::do_make_sequence(Headerfile &hh, Dstr &cc, AST_Sequence *q, const char *tdname,
                              AST_Decl *tddecl) {
  Dstr makeType(tdname);
  underscoreScope.do_subs(makeType);
  variables->define("MAKE_TYPE", makeType);
  variables->define("RETURN_TYPE", support_type(types, AST_Type::narrow_from_decl(tddecl)));
  cat_binding(hh.middle, "hh.make.sequence");
  Dstr argType(support_type(types, q->base_type()));
  promote_arg_type(argType);
  variables->define("ARG_TYPE", argType);
  cat_binding(cc, "cc.make.sequence");
}

// RETURN_TYPE is left as the make function defined it.
void BE_IDL::do_compare_sequence(Headerfile &hh, Dstr &cc, AST_Decl *tddecl, bool interfaces) {
  variables->define("ARG_TYPE", support_type(types, AST_Type::narrow_from_decl(tddecl)));
  cat_binding(hh.middle, "hh.compare");
  cat_binding(cc, interfaces ? "cc.compare.sequence.interfaces" : "cc.compare.sequence");
}

void BE_IDL::promote_arg_type(Dstr &type) {
  if (mlong.isNull()) {
    Dstr *const promoted[] = {&mchar, &mshort, &mfloat, &mlong, &mdouble};
    const char *const names[] = {"char", "short", "float", "long", "double"};
    for (int i = 0; i < 5; ++i) {
      *promoted[i] = types->mapType("NT_pre_defined", names[i], Types::ret);
      check(*promoted[i]);
    }
  }
  if (type == mchar || type == mshort) {
    type = mlong;
    return;
  }
  if (type == mfloat)
    type = mdouble;
}
