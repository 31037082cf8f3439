// AST_Typedef: a new name for a type.
#ifndef FRONTEND_AST_TYPEDEF_HH
#define FRONTEND_AST_TYPEDEF_HH

#include "frontend/ast_type.hh"

class AST_Typedef : public AST_Type {
public:
  AST_Typedef(AST_Type *bt, UTL_IdList *n, UTL_StrList *p)
      : AST_Type(NT_typedef, n, p), pd_base_type(bt) {}

  void dump(std::ostream &o) override;

  AST_Type *base_type() { return pd_base_type; }

  static AST_Typedef *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Typedef>(d, {NT_typedef});
  }

private:
  friend AST_Decl *strip_typedefs(AST_Decl *d);

  AST_Type *pd_base_type;
  // The end of the chain of typedefs from this one, once a walk has passed here: a chain never
  // changes once built, and a file may hold a chain of thousands of typedefs, each walked.
  bool pd_named_type_known = false;
  AST_Decl *pd_named_type = nullptr;
};

// Follows typedefs to the type they name; null for null or a typedef without base type.
AST_Decl *strip_typedefs(AST_Decl *d);

#endif
