// NUX values: the target-language construction of a QOR value as a value of its IDL type, for
// the expected values and the results of QOR call scripts. Literals and object references are
// leaves; unions, structures and sequences are built from their parts, nested to any depth.
#include "nux/NUX.hh"

#include <cassert>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
#include "foundation/NearestName.hh"
#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_expression.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/utl_scope.hh"
#include "idlgen/AST_Utils.hh"
#include "nux/QOR_literals.hh"
#include "qor/qor_y.hh"

namespace {

// The branch a union value selects: its type (null when no branch matches) and the label
// value that the generated code passes as the discriminator.
struct BranchChoice {
  AST_Type *type = nullptr;
  Dstr label;
};

// Whether label was written as the name tag; a label written as a literal has no name.
bool names_label(AST_UnionLabel *label, const Dstr &tag) {
  AST_Expression *e = label->label_val();
  return e->ec() == AST_Expression::COMB_SYMBOL && scopedNameOf(e) == tag;
}

// The branch of u for tag. Every branch is looked at: a later label of the same name replaces
// an earlier one, and the default branch is taken only while no named label has matched.
// Declarations other than branches (the enumerators of an enum declared inside the union)
// are passed over.
BranchChoice find_branch(AST_Union *u, const Dstr &tag) {
  BranchChoice choice;
  for (UTL_ScopeActiveIterator i(u, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_UnionBranch *b = AST_UnionBranch::narrow_from_decl(i.item());
    if (!b)
      continue;
    if (b->label()->label_kind() == AST_UnionLabel::LABEL_DEFAULT) {
      if (!choice.type) {
        choice.type = b->field_type();
        choice.label = "-1000000";
      }
    } else if (names_label(b->label(), tag)) {
      choice.type = b->field_type();
      choice.label = labelValueOf(b->label());
    }
  }
  return choice;
}

// The number of the enumerator of e that identifier names (its own name, or that name in the
// scope of the enum or in the scope around it, which the enumerator is entered into too, "::" in
// front or not); -1 when it names none.
long enumerator_number(AST_Enum *e, const Dstr &identifier) {
  const Dstr enumName(scopedNameOf(e));
  const int colon = enumName.strrchr(':');
  Dstr outer(enumName);
  outer -= colon > 0 ? colon + 1 : 0;
  const Dstr wanted(withoutRootScope(identifier));
  long number = 0;
  for (UTL_ScopeActiveIterator i(e, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    if (!AST_EnumVal::narrow_from_decl(i.item()))
      continue;
    const char *name = nameOf(i.item());
    if (wanted == name || wanted == join_pieces(outer, name) || wanted == join_pieces(enumName, "::", name))
      return number;
    ++number;
  }
  return -1;
}

// The names of the enumerators of e, for a "did you mean".
std::vector<Dstr> enumerator_names(AST_Enum *e) {
  std::vector<Dstr> names;
  for (UTL_ScopeActiveIterator i(e, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    if (AST_EnumVal::narrow_from_decl(i.item()))
      names.emplace_back(nameOf(i.item()));
  }
  return names;
}

// The labels of a union's branches that a tag can name.
std::vector<Dstr> label_names(AST_Union *u) {
  std::vector<Dstr> names;
  for (AST_Field *f : fieldsOf(u)) {
    AST_UnionBranch *b = AST_UnionBranch::narrow_from_decl(f);
    if (b && b->label()->label_kind() != AST_UnionLabel::LABEL_DEFAULT &&
        b->label()->label_val()->ec() == AST_Expression::COMB_SYMBOL)
      names.push_back(scopedNameOf(b->label()->label_val()));
  }
  return names;
}

// Whether a value of the type (typedefs resolved) can be an object reference.
bool holds_objects(AST_Type *t) {
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(t);
  if (p)
    return p->pt() == AST_PredefinedType::PREDEF_ANY || p->pt() == AST_PredefinedType::PREDEF_PSEUDO;
  switch (t->node_type()) {
  case AST_Decl::NT_interface:
  case AST_Decl::NT_interface_fwd:
    return true;
  case AST_Decl::NT_string:
  case AST_Decl::NT_enum:
  case AST_Decl::NT_struct:
  case AST_Decl::NT_except:
  case AST_Decl::NT_union:
  case AST_Decl::NT_sequence:
  case AST_Decl::NT_array:
    return false;
  default:
    return true;
  }
}

}  // namespace

Dstr NUX::underscored(const Dstr &scopedName) const {
  Dstr flat(scopedName);
  underscoreScope.do_subs(flat);
  return flat;
}

// Typedefs are resolved before anything else, so a chain of them hands the innermost name to
// the type below it. The chain is followed in a loop: it may be as long as the IDL file.
void NUX::do_dcp_val(Dstr &out, dcp_val v, AST_Type *expected_type, const Dstr &typedefname,
                     AList *classmap) {
  assert(expected_type != nullptr);
  AST_Type *type = expected_type;
  Dstr innermost(typedefname);
  while (AST_Typedef *t = AST_Typedef::narrow_from_decl(type)) {
    innermost = scopedNameOf(t);
    type = t->base_type();
  }
  switch (v.kind) {
  case dcp_literal:
    make_literal(out, *dcp_text(v), type);
    return;
  case dcp_interface:
    if (AST_Enum *e = AST_Enum::narrow_from_decl(type))
      make_enumerator(out, e, *dcp_text(v));
    else
      make_object(out, *dcp_text(v), type, classmap);
    return;
  case dcp_union:
    make_union(out, dcp_union_of(v), type, classmap);
    return;
  case dcp_aggr:
    make_aggregate(out, dcp_aggr_of(v), type, innermost, classmap);
    return;
  default:
    assert(!"a QOR value without a value");
  }
}

void NUX::do_dcp_val(dcp_val v, AST_Type *expected_type, const Dstr &typedefname,
                     AList *classmap) {
  do_dcp_val(activeFunction->cc_code, v, expected_type, typedefname, classmap);
}

// A literal that fits its type is written as it stands: the binding's template decides what the
// text means.
void NUX::make_literal(Dstr &out, const Dstr &text, AST_Type *t) {
  LiteralMisfit why;
  if (!literal_fits(text, t, why))
    FatalError(explain(why.explanation), why.message);
  variables->define("VALUE", text);
  const Dstr &mapped = types->mapType(t, Types::ret, false);
  check(mapped);
  variables->define("RETURN_TYPE", with_separator(mapped));
  cat_binding(out, "cc.make.leafvalue");
}

// An enumerator is made as the literal of its number.
void NUX::make_enumerator(Dstr &out, AST_Enum *e, const Dstr &identifier) {
  const long number = enumerator_number(e, identifier);
  if (number < 0)
    FatalError(explain(identifier, " is no enumerator of ", scopedNameOf(e),
                       did_you_mean(identifier, enumerator_names(e))),
               "No such enumerator in ", scopedNameOf(e), ": ", identifier);
  make_literal(out, join_pieces(number), e);
}

// The identifier names the interface of the object; an object is no value of a type that holds
// none (an any or Object may hold one, and an interface type may be a base of the named one).
void NUX::make_object(Dstr &out, const Dstr &identifier, AST_Type *t, AList *classmap) {
  const Dstr &className = classmap->translate(identifier);
  if (className.isNull())
    FatalError(explain(identifier, " names no interface of the IDL file",
                       did_you_mean(identifier, classmap->names())),
               "QOR references unknown class ", identifier);
  if (!holds_objects(t))
    FatalError(explain("the interface name ", identifier, " is no value of ", idl_type_name(t)),
               "QOR supplied an object for the IDL type ", idl_type_name(t));
  variables->define("CLASS_NAME", with_separator(className));
  set_interface(identifier);
  cat_binding(out, "cc.make.leafobject");
}

// The label value stands alone, at the start of the line after the opening template.
void NUX::make_union(Dstr &out, cp_union *u, AST_Type *t, AList *classmap) {
  if (t->node_type() != AST_Decl::NT_union)
    FatalError(explain("a union value [", *u->tag, ", ...] where ", idl_type_name(t),
                       " is expected"),
               "QOR supplied a union where no union is expected");
  AST_Union *type = AST_Union::narrow_from_decl(t);
  const BranchChoice branch = find_branch(type, *u->tag);
  if (!branch.type)
    FatalError(explain("no branch of the union ", scopedNameOf(type), " is labelled ", *u->tag,
                       ", and it has no default branch",
                       did_you_mean(*u->tag, label_names(type))),
               "No such tag in union: ", *u->tag);
  variables->define("RETURN_TYPE", underscored(scopedNameOf(type)));
  cat_binding(out, "cc.make.union.funcall.begin");
  out += branch.label;
  cat_binding(out, "cchh.arglist.separator");
  cat_binding(out, "cc.make.union.funcall.parm2.begin");
  do_dcp_val(out, u->val, branch.type, Dstr(), classmap);
  cat_binding(out, "cc.make.union.funcall.end");
}

// A sequence is made under the name of the typedef it was reached through; an anonymous
// sequence type (a field, a branch or an element declared with sequence<...>) has no name to
// make it under.
void NUX::make_aggregate(Dstr &out, cp_aggr *a, AST_Type *t, const Dstr &typedefname,
                         AList *classmap) {
  if (a->aggr_kind == cp_struct) {
    if (t->node_type() != AST_Decl::NT_struct)
      FatalError(explain("a structure value {...} where ", idl_type_name(t), " is expected"),
                 "QOR supplied a struct where no struct is expected");
    variables->define("RETURN_TYPE", underscored(scopedNameOf(t)));
    do_cp_aggr_struct(out, a->head, DeclAsScope(t), classmap);
    return;
  }
  assert(a->aggr_kind == cp_sequence);
  if (t->node_type() != AST_Decl::NT_sequence)
    FatalError(explain("a sequence value #(...) where ", idl_type_name(t), " is expected"),
               "QOR supplied a sequence where no sequence is expected");
  if (typedefname.isNull())
    FatalError(explain("a sequence value #(...) for a sequence type declared without a typedef "
                       "name, which the value would be made as"),
               "QOR supplied a sequence for a sequence type without a typedef name in QOR file ",
               qorfilename);
  variables->define("RETURN_TYPE", underscored(typedefname));
  do_cp_aggr_sequence(out, a->head, AST_Sequence::narrow_from_decl(t)->base_type(), classmap);
}

void NUX::do_cp_aggr_struct(Dstr &out, cp_aggr_node *first, UTL_Scope *fields,
                            AList *classmap) {
  cat_binding(out, "cc.make.struct.funcall.begin");
  emit_fields(out, first, fields, "struct", classmap);
  cat_binding(out, "cc.make.struct.funcall.end");
}

// The members are the fields of the scope, not the enumerators an enum declared inside it adds.
void NUX::emit_fields(Dstr &out, cp_aggr_node *first, UTL_Scope *fields, const char *what,
                      AList *classmap) {
  const std::vector<AST_Field *> members = fieldsOf(fields);
  const unsigned int values = count_elements(first);
  if (values != members.size())
    FatalError(explain(values, values == 1 ? " value" : " values", " for the ",
                       static_cast<int>(members.size()),
                       members.size() == 1 ? " member of " : " members of ",
                       scopedNameOf(ScopeAsDecl(fields))),
               values > members.size() ? "Too many fields in QOR " : "Not enough fields in QOR ",
               what);
  auto member = members.begin();
  for (cp_aggr_node *e = first; e; e = e->next) {
    do_dcp_val(out, e->val, (*member++)->field_type(), Dstr(), classmap);
    if (e->next)
      cat_binding(out, "cchh.arglist.separator");
  }
}

// The separator comes before every element, so that the opening template can end with the
// length as the first argument of a call.
void NUX::do_cp_aggr_sequence(Dstr &out, cp_aggr_node *first, AST_Type *element,
                              AList *classmap) {
  unsigned long length = 0;
  for (cp_aggr_node *e = first; e; e = e->next)
    ++length;
  variables->define("SEQUENCE_LENGTH", join_pieces(length));
  cat_binding(out, "cc.make.sequence.funcall.begin");
  for (cp_aggr_node *e = first; e; e = e->next) {
    cat_binding(out, "cchh.arglist.separator");
    do_dcp_val(out, e->val, element, Dstr(), classmap);
  }
  cat_binding(out, "cc.make.sequence.funcall.end");
}
