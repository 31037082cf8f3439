// FE_Declarator: a declared name waiting for its type (typedef, member, attribute and parameter
// declarators); a complex declarator carries the array its dimensions made.
#ifndef FRONTEND_FE_DECLARATOR_HH
#define FRONTEND_FE_DECLARATOR_HH

#include "frontend/utl_arena.hh"

class AST_Decl;
class UTL_IdList;

class FE_Declarator : public UTL_ArenaObject {
public:
  enum DeclaratorType { DECLARATOR_SIMPLE, DECLARATOR_COMPLEX };

  FE_Declarator(UTL_IdList *n, DeclaratorType dt, AST_Decl *cp)
      : pd_complex_part(cp), pd_name(n), pd_decl_type(dt) {}

  AST_Decl *complex_part() { return pd_complex_part; }
  UTL_IdList *name() { return pd_name; }
  DeclaratorType decl_type() { return pd_decl_type; }

  // The type the declarator gives its name: the type itself, or the array made with it as base
  // type (entered into the root); null, after reporting, when the type is not a type.
  AST_Decl *compose(AST_Decl *type);

private:
  AST_Decl *pd_complex_part;
  UTL_IdList *pd_name;
  DeclaratorType pd_decl_type;
};

#endif
