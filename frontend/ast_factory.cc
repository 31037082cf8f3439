// AST_Factory: arguments and printing.
#include "frontend/ast_factory.hh"

#include "frontend/ast_field.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

AST_Factory::AST_Factory(UTL_IdList *n, UTL_StrList *p)
    : AST_Operation(NT_factory, nullptr, OPFLAG_NONE, n, p) {}

AST_Argument *AST_Factory::fe_add_argument(AST_Argument *a) {
  if (a != nullptr && a->direction() != AST_Argument::ARG_IN) {
    idl_global->err()->error2(UTL_Error::FACTORY_OUT_ARGUMENT, a, this);
    return nullptr;
  }
  return AST_Operation::fe_add_argument(a);
}

void AST_Factory::dump(std::ostream &o) {
  o << "factory ";
  dump_local_name(o);
  dump_arguments_and_raises(o);
}
