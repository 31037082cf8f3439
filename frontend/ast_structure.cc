// AST_Structure and AST_Exception: members and printing.
#include "frontend/ast_structure.hh"

#include "frontend/ast_enum.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_union.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

void AST_Structure::dump(std::ostream &o) {
  o << "struct ";
  dump_local_name(o);
  dump_body(o);
}

AST_Field *AST_Structure::fe_add_field(AST_Field *f) { return add_declaration(f) ? f : nullptr; }

AST_EnumVal *AST_Structure::fe_add_enum_val(AST_EnumVal *v) {
  return add_declaration(v) ? v : nullptr;
}

AST_Structure *AST_Structure::fe_add_structure(AST_Structure *s) {
  return add_local_type(s) ? s : nullptr;
}

AST_Union *AST_Structure::fe_add_union(AST_Union *u) { return add_local_type(u) ? u : nullptr; }

AST_Enum *AST_Structure::fe_add_enum(AST_Enum *e) { return add_local_type(e) ? e : nullptr; }

void AST_Exception::dump(std::ostream &o) {
  o << "exception ";
  dump_local_name(o);
  dump_body(o);
}

AST_Structure *AST_Exception::fe_add_structure(AST_Structure *s) {
  AST_Decl *e = lookup_for_add(s, false);
  if (e != nullptr && !can_be_redefined(e)) {
    idl_global->err()->error2(UTL_Error::ILLEGAL_REDEFINITION, s, this);
    return nullptr;
  }
  return AST_Structure::fe_add_structure(s);
}
