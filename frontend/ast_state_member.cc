// AST_StateMember: printing.
#include "frontend/ast_state_member.hh"

void AST_StateMember::dump(std::ostream &o) {
  o << (pd_public ? "public " : "private ");
  AST_Field::dump(o);
}
