// AST_UnionLabel: construction and printing.
#include "frontend/ast_union_label.hh"

#include "frontend/ast_expression.hh"

AST_UnionLabel::AST_UnionLabel(UnionLabel lk, AST_Expression *lv)
    : pd_label_kind(lk), pd_label_val(lv) {
  if (lv != nullptr)
    lv->evaluate(AST_Expression::EVAL_CONST);
}

void AST_UnionLabel::dump(std::ostream &o) {
  if (pd_label_kind == LABEL_DEFAULT)
    o << "default";
  else if (pd_label_val != nullptr)
    pd_label_val->dump(o);
}
