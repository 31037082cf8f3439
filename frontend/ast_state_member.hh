// AST_StateMember: a state member of a value type, a field that is public or private.
#ifndef FRONTEND_AST_STATE_MEMBER_HH
#define FRONTEND_AST_STATE_MEMBER_HH

#include "frontend/ast_field.hh"

class AST_StateMember : public AST_Field {
public:
  AST_StateMember(bool is_public, AST_Type *ft, UTL_IdList *n, UTL_StrList *p)
      : AST_Field(NT_state_member, ft, n, p), pd_public(is_public) {}

  // Writes "public" or "private", then the field.
  void dump(std::ostream &o) override;

  bool is_public() { return pd_public; }

  static AST_StateMember *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_StateMember>(d, {NT_state_member});
  }

private:
  bool pd_public;
};

#endif
