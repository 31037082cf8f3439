// AST_Union: a discriminated union, a structure whose declarations are its branches. It checks
// each new branch's label against the labels already present.
#ifndef FRONTEND_AST_UNION_HH
#define FRONTEND_AST_UNION_HH

#include "frontend/ast_expression.hh"
#include "frontend/ast_structure.hh"

class AST_Union : public AST_Structure {
public:
  // Accepts integer, char, boolean, octet and enum discriminators; any other reports an illegal
  // discriminator and leaves the union without one.
  AST_Union(AST_ConcreteType *dt, UTL_IdList *n, UTL_StrList *p);

  void dump(std::ostream &o) override;

  AST_ConcreteType *disc_type() { return pd_disc_type; }
  // The expression type labels are converted to; any for an enum discriminator, whose labels
  // are matched by name.
  AST_Expression::ExprType udisc_type() { return pd_udisc_type; }

  AST_UnionBranch *fe_add_union_branch(AST_UnionBranch *b) override;
  AST_Field *fe_add_field(AST_Field *) override { return nullptr; }

  static AST_Union *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Union>(d, {NT_union});
  }
  static AST_Union *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Union>(s, {NT_union});
  }

private:
  // The label checks: each answers the offending branch (after reporting) or null.
  AST_UnionBranch *lookup_branch(AST_UnionBranch *b);
  AST_UnionBranch *lookup_default();
  AST_UnionBranch *lookup_label(AST_UnionBranch *b);
  AST_UnionBranch *lookup_enum(AST_UnionBranch *b);
  // True when d is a branch made from the same case as b: such branches share a name.
  bool same_case(AST_Decl *d, AST_UnionBranch *b);

  AST_ConcreteType *pd_disc_type;
  AST_Expression::ExprType pd_udisc_type;
};

#endif
