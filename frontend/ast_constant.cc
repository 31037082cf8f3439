// AST_Constant: construction through the node factory and printing.
#include "frontend/ast_constant.hh"

#include "frontend/ast_generator.hh"
#include "frontend/utl_global.hh"

AST_Constant::AST_Constant(AST_Expression::ExprType et, AST_Expression *ev, UTL_IdList *n,
                           UTL_StrList *p)
    : AST_Decl(NT_const, n, p), pd_constant_value(idl_global->gen()->create_expr(ev, et)),
      pd_et(et) {}

void AST_Constant::dump(std::ostream &o) {
  o << "const " << exprtype_to_string(pd_et) << " ";
  dump_local_name(o);
  o << " = ";
  if (pd_constant_value != nullptr)
    pd_constant_value->dump(o);
}
