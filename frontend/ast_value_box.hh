// AST_ValueBox: a value box, a value type that holds one value of another type, which may not
// be a value type itself.
#ifndef FRONTEND_AST_VALUE_BOX_HH
#define FRONTEND_AST_VALUE_BOX_HH

#include "frontend/ast_type.hh"

class AST_ValueBox : public AST_ConcreteType {
public:
  AST_ValueBox(AST_Type *bt, UTL_IdList *n, UTL_StrList *p)
      : AST_ConcreteType(NT_valuebox, n, p), pd_boxed_type(bt) {}

  // Writes "valuetype", the local name and the boxed type.
  void dump(std::ostream &o) override;

  AST_Type *boxed_type() { return pd_boxed_type; }

  static AST_ValueBox *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_ValueBox>(d, {NT_valuebox});
  }

private:
  AST_Type *pd_boxed_type;
};

#endif
