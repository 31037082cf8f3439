// AST_Native: printing.
#include "frontend/ast_native.hh"

void AST_Native::dump(std::ostream &o) {
  o << "native ";
  dump_local_name(o);
}
