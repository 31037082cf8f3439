// AST_Constant: construction through the node factory and printing.
#include "frontend/ast_constant.hh"

#include "frontend/ast_generator.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_identifier.hh"

AST_Constant::AST_Constant(AST_Expression::ExprType et, AST_Expression *ev, UTL_IdList *n,
                           UTL_StrList *p)
    : AST_Decl(NT_const, n, p), pd_constant_value(idl_global->gen()->create_expr(ev, et)),
      pd_et(et) {}

const char *constant_type_text(AST_Expression::ExprType et, AST_Decl *declared_type) {
  const bool named = AST_Decl::is_one_of(declared_type == nullptr ? AST_Decl::NT_root
                                                                  : declared_type->node_type(),
                                         {AST_Decl::NT_pre_defined, AST_Decl::NT_enum});
  if (named)
    return declared_type->local_name()->get_string();
  if (declared_type != nullptr && declared_type->node_type() == AST_Decl::NT_wstring)
    return "wstring";
  return exprtype_to_string(et);
}

void AST_Constant::dump(std::ostream &o) {
  o << "const " << constant_type_text(pd_et, pd_declared_type) << " ";
  dump_local_name(o);
  o << " = ";
  if (pd_constant_value != nullptr)
    pd_constant_value->dump(o);
}
