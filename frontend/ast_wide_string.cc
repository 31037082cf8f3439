// AST_WideString: construction and printing.
#include "frontend/ast_wide_string.hh"

#include "frontend/ast_expression.hh"
#include "frontend/utl_idlist.hh"

AST_WideString::AST_WideString(AST_Expression *ms)
    : AST_ConcreteType(NT_wstring, create_scoped_name("wstring"), nullptr), pd_max_size(ms) {}

void AST_WideString::dump(std::ostream &o) {
  o << "wstring";
  AST_Expression::AST_ExprValue *bound =
      pd_max_size == nullptr ? nullptr : pd_max_size->coerce(AST_Expression::EXPR_ULONG);
  if (bound == nullptr || bound->u.ulval == 0)
    return;
  o << " <" << bound->u.ulval << ">";
}
