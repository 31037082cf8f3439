// AST_Constant: a named constant with its type and value (always a conversion of the written
// expression to that type); AST_EnumVal, an enumerator, is an unsigned long constant whose
// value is its ordinal.
#ifndef FRONTEND_AST_CONSTANT_HH
#define FRONTEND_AST_CONSTANT_HH

#include "frontend/ast_decl.hh"
#include "frontend/ast_expression.hh"

class AST_Constant : public AST_Decl {
public:
  // Keeps a conversion of ev to et made through the node factory, not ev itself.
  AST_Constant(AST_Expression::ExprType et, AST_Expression *ev, UTL_IdList *n, UTL_StrList *p);

  void dump(std::ostream &o) override;

  AST_Expression *constant_value() { return pd_constant_value; }
  AST_Expression::ExprType et() { return pd_et; }
  // The type node the constant was declared with where its name is not the expression
  // type's (see constant_type_text), else null.
  AST_Decl *declared_type() { return pd_declared_type; }
  void set_declared_type(AST_Decl *t) { pd_declared_type = t; }

  static AST_Constant *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Constant>(d, {NT_const, NT_enum_val});
  }

protected:
  // Keeps value as it is.
  AST_Constant(NodeType nt, AST_Expression::ExprType et, AST_Expression *value, UTL_IdList *n,
               UTL_StrList *p)
      : AST_Decl(nt, n, p), pd_constant_value(value), pd_et(et) {}

private:
  AST_Expression *pd_constant_value;
  AST_Expression::ExprType pd_et;
  AST_Decl *pd_declared_type = nullptr;
};

class AST_EnumVal : public AST_Constant {
public:
  AST_EnumVal(unsigned long v, UTL_IdList *n, UTL_StrList *p)
      : AST_Constant(NT_enum_val, AST_Expression::EXPR_ULONG, new AST_Expression(v), n, p) {}

  static AST_EnumVal *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_EnumVal>(d, {NT_enum_val});
  }
};

// The name of a constant's type in dumps and messages: a predefined type's or enumeration's
// name, "wstring" for a wide string, else the name of the expression type et.
const char *constant_type_text(AST_Expression::ExprType et, AST_Decl *declared_type);

#endif
