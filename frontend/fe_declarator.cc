// FE_Declarator: composing a declarator with its type.
#include "frontend/fe_declarator.hh"

#include "frontend/ast_array.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_structure.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

AST_Decl *FE_Declarator::compose(AST_Decl *type) {
  AST_Type *t = AST_Type::narrow_from_decl(type);
  if (t == nullptr || AST_Exception::narrow_from_decl(type) != nullptr) {
    idl_global->err()->not_a_type(type);
    return nullptr;
  }
  if (pd_decl_type == DECLARATOR_SIMPLE)
    return t;
  AST_Array *a = AST_Array::narrow_from_decl(pd_complex_part);
  if (a == nullptr)
    return nullptr;
  a->set_base_type(t);
  idl_global->root()->fe_add_array(a);
  return a;
}
