// AST_Array, AST_Sequence and AST_String: construction and printing.
#include "frontend/ast_array.hh"

#include "frontend/ast_expression.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_lists.hh"

AST_Array::AST_Array(UTL_IdList *n, unsigned long nd, UTL_ExprList *ds)
    : AST_ConcreteType(NT_array, n, nullptr), pd_n_dims(nd), pd_dims(new AST_Expression *[nd]) {
  UTL_ExprlistActiveIterator i(ds);
  for (unsigned long d = 0; d < nd; d++, i.next())
    pd_dims[d] = i.item();
}

void AST_Array::dump(std::ostream &o) {
  dump_type_reference(o, pd_base_type);
  o << " ";
  dump_local_name(o);
  for (unsigned long d = 0; d < pd_n_dims; d++) {
    o << "[";
    if (pd_dims[d] != nullptr)
      pd_dims[d]->dump(o);
    o << "]";
  }
}

AST_Sequence::AST_Sequence(AST_Expression *ms, AST_Type *bt)
    : AST_ConcreteType(NT_sequence, create_scoped_name("sequence"), nullptr), pd_max_size(ms),
      pd_base_type(bt) {}

void AST_Sequence::dump(std::ostream &o) {
  o << "sequence <";
  dump_type_reference(o, pd_base_type);
  o << ", ";
  if (pd_max_size != nullptr)
    pd_max_size->dump(o);
  o << ">";
}

AST_String::AST_String(AST_Expression *ms, long wide)
    : AST_ConcreteType(NT_string, create_scoped_name(wide == 1 ? "string" : "wstring_t"), nullptr),
      pd_max_size(ms), pd_width(wide) {}

void AST_String::dump(std::ostream &o) {
  o << "string <";
  if (pd_max_size != nullptr)
    pd_max_size->dump(o);
  o << ">";
}
