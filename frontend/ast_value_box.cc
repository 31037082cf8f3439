// AST_ValueBox: printing.
#include "frontend/ast_value_box.hh"

void AST_ValueBox::dump(std::ostream &o) {
  o << "valuetype ";
  dump_local_name(o);
  o << " ";
  dump_type_reference(o, pd_boxed_type);
}
