// AST_Factory: a factory of a value type, an operation without a result whose arguments are
// all in arguments.
#ifndef FRONTEND_AST_FACTORY_HH
#define FRONTEND_AST_FACTORY_HH

#include "frontend/ast_operation.hh"

class AST_Factory : public AST_Operation {
public:
  AST_Factory(UTL_IdList *n, UTL_StrList *p);

  // Writes "factory", the local name, the arguments and the raises list.
  void dump(std::ostream &o) override;

  // Out and inout arguments are refused.
  AST_Argument *fe_add_argument(AST_Argument *a) override;

  static AST_Factory *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Factory>(d, {NT_factory});
  }
  static AST_Factory *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Factory>(s, {NT_factory});
  }
};

#endif
