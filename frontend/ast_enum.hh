// AST_Enum: an enumeration, a type and a scope of enumerators. Every enumerator is also entered,
// as a twin, into the scope that encloses the enum, so that it can be named without the enum.
#ifndef FRONTEND_AST_ENUM_HH
#define FRONTEND_AST_ENUM_HH

#include "frontend/ast_type.hh"
#include "frontend/utl_scope.hh"

class AST_Enum : public AST_ConcreteType, public UTL_Scope {
public:
  AST_Enum(UTL_IdList *n, UTL_StrList *p) : AST_ConcreteType(NT_enum, n, p), UTL_Scope(NT_enum) {}

  void dump(std::ostream &o) override;

  // Hands out 0, 1, 2, ... in declaration order.
  unsigned long next_enum_val() { return pd_enum_counter++; }

  AST_EnumVal *fe_add_enum_val(AST_EnumVal *v) override;

  static AST_Enum *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Enum>(d, {NT_enum});
  }
  static AST_Enum *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Enum>(s, {NT_enum});
  }

private:
  unsigned long pd_enum_counter = 0;
};

#endif
