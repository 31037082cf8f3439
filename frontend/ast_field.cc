// Printing of fields, arguments, attributes and union branches.
#include "frontend/ast_field.hh"

#include "frontend/ast_operation.hh"
#include "frontend/ast_type.hh"
#include "frontend/ast_union_label.hh"

// Names of the argument directions, by direction.
static const char *const direction_names[] = {"in", "out", "inout"};

void AST_Field::dump(std::ostream &o) {
  if (pd_field_type != nullptr)
    pd_field_type->dump_local_name(o);
  o << " ";
  dump_local_name(o);
}

void AST_Argument::dump(std::ostream &o) {
  o << direction_names[pd_direction] << " ";
  AST_Field::dump(o);
}

void AST_Attribute::dump(std::ostream &o) {
  if (pd_readonly)
    o << "readonly";
  o << " attribute ";
  AST_Field::dump(o);
  dump_raises(o, pd_readonly ? " raises(" : " getraises(", pd_get_exceptions);
  dump_raises(o, " setraises(", pd_set_exceptions);
}

void AST_Attribute::fe_add_get_exceptions(UTL_Scope *s, UTL_NameList *names) {
  resolve_exceptions(s, names, &pd_get_exceptions);
}

void AST_Attribute::fe_add_set_exceptions(UTL_Scope *s, UTL_NameList *names) {
  resolve_exceptions(s, names, &pd_set_exceptions);
}

void AST_UnionBranch::dump(std::ostream &o) {
  o << "case ";
  if (pd_label != nullptr)
    pd_label->dump(o);
  o << ": ";
  AST_Field::dump(o);
}
