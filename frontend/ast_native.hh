// AST_Native: a native type, whose representation the language mapping decides (servants,
// cookies); IDL only names it.
#ifndef FRONTEND_AST_NATIVE_HH
#define FRONTEND_AST_NATIVE_HH

#include "frontend/ast_type.hh"

class AST_Native : public AST_Type {
public:
  AST_Native(UTL_IdList *n, UTL_StrList *p) : AST_Type(NT_native, n, p) {}

  // Writes "native" and the local name.
  void dump(std::ostream &o) override;

  static AST_Native *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Native>(d, {NT_native});
  }
};

#endif
