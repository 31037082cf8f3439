// AST_Union: discriminator checks, branch entry with the label checks, and printing.
#include "frontend/ast_union.hh"

#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_expr_value.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

// The type labels are converted to: integer, char, boolean and octet discriminators give their
// own, an enum gives any (its labels are matched by name), anything else none.
static AST_Expression::ExprType label_type_of(AST_ConcreteType *dt) {
  if (AST_Enum::narrow_from_decl(dt) != nullptr)
    return AST_Expression::EXPR_ANY;
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(dt);
  if (p == nullptr)
    return AST_Expression::EXPR_NONE;
  AST_Expression::ExprType t = constant_type_of(p->pt());
  bool discrete = t != AST_Expression::EXPR_FLOAT && t != AST_Expression::EXPR_DOUBLE &&
                  t != AST_Expression::EXPR_ANY;
  return discrete ? t : AST_Expression::EXPR_NONE;
}

AST_Union::AST_Union(AST_ConcreteType *dt, UTL_IdList *n, UTL_StrList *p)
    : AST_Structure(NT_union, n, p), pd_disc_type(dt), pd_udisc_type(label_type_of(dt)) {
  if (pd_udisc_type != AST_Expression::EXPR_NONE)
    return;
  pd_disc_type = nullptr;
  if (dt != nullptr)
    idl_global->err()->error2(UTL_Error::ILLEGAL_DISCRIMINATOR, this, dt);
}

void AST_Union::dump(std::ostream &o) {
  o << "union ";
  dump_local_name(o);
  o << " switch (";
  if (pd_disc_type != nullptr)
    pd_disc_type->dump_local_name(o);
  o << ")";
  dump_body(o);
}

AST_UnionBranch *AST_Union::fe_add_union_branch(AST_UnionBranch *b) {
  if (b == nullptr || b->label() == nullptr)
    return nullptr;
  if (lookup_branch(b) != nullptr) {
    idl_global->err()->error2(UTL_Error::DUPLICATE_BRANCH_LABEL, this, b);
    return nullptr;
  }
  if (same_case(lookup_for_add(b, false), b)) {
    insert_declaration(b);
    return b;
  }
  return add_declaration(b) ? b : nullptr;
}

bool AST_Union::same_case(AST_Decl *d, AST_UnionBranch *b) {
  AST_UnionBranch *e = AST_UnionBranch::narrow_from_decl(d);
  return e != nullptr && e->case_element() != nullptr && e->case_element() == b->case_element();
}

AST_UnionBranch *AST_Union::lookup_branch(AST_UnionBranch *b) {
  if (b->label()->label_kind() == AST_UnionLabel::LABEL_DEFAULT)
    return lookup_default();
  if (pd_udisc_type == AST_Expression::EXPR_ANY)
    return lookup_enum(b);
  return lookup_label(b);
}

// The label expression of a branch that is labelled with a value; null for other members.
static AST_Expression *value_label_of(AST_Decl *d) {
  AST_UnionBranch *b = AST_UnionBranch::narrow_from_decl(d);
  if (b == nullptr || b->label() == nullptr)
    return nullptr;
  if (b->label()->label_kind() != AST_UnionLabel::LABEL_VALUE)
    return nullptr;
  return b->label()->label_val();
}

AST_UnionBranch *AST_Union::lookup_default() {
  for (UTL_ScopeActiveIterator i(this, SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_UnionBranch *b = AST_UnionBranch::narrow_from_decl(i.item());
    if (b != nullptr && b->label() != nullptr &&
        b->label()->label_kind() == AST_UnionLabel::LABEL_DEFAULT) {
      idl_global->err()->error2(UTL_Error::DUPLICATE_BRANCH_LABEL, this, b);
      return b;
    }
  }
  return nullptr;
}

AST_UnionBranch *AST_Union::lookup_label(AST_UnionBranch *b) {
  AST_Expression *v = b->label()->label_val();
  if (v == nullptr)
    return b;
  v->set_ev(v->coerce(pd_udisc_type));
  if (v->ev() == nullptr) {
    idl_global->err()->eval_error(v);
    return b;
  }
  for (UTL_ScopeActiveIterator i(this, SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_Expression *earlier = value_label_of(i.item());
    if (earlier != nullptr && earlier->compare(v)) {
      idl_global->err()->error2(UTL_Error::DUPLICATE_BRANCH_LABEL, this, b);
      return b;
    }
  }
  return nullptr;
}

AST_UnionBranch *AST_Union::lookup_enum(AST_UnionBranch *b) {
  AST_Enum *e = AST_Enum::narrow_from_decl(pd_disc_type);
  if (e == nullptr)
    return nullptr;
  AST_UnionLabel *l = b->label();
  AST_Expression *v = l->label_val();
  if (v == nullptr)
    return b;
  UTL_Error *err = idl_global->err();
  if (v->ec() != AST_Expression::COMB_SYMBOL) {
    err->enum_val_expected(this, l);
    return b;
  }
  AST_Decl *d = e->lookup_by_name(v->n(), true);
  if (d == nullptr || d->defined_in() != e) {
    err->enum_val_lookup_failure(this, e, v->n());
    return b;
  }
  AST_Constant *c = AST_Constant::narrow_from_decl(d);
  AST_Expression::AST_ExprValue *value = c == nullptr ? nullptr : c->constant_value()->ev();
  for (UTL_ScopeActiveIterator i(this, SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_Expression *earlier = value_label_of(i.item());
    if (earlier != nullptr && expr_values_equal(earlier->ev(), value)) {
      err->error2(UTL_Error::DUPLICATE_BRANCH_LABEL, this, b);
      return b;
    }
  }
  return nullptr;
}
