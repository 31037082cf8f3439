// AST_UnionLabel: the label of a union branch, "default" or a value expression, which is
// evaluated when the label is made (names in it resolve from the scope it is written in).
#ifndef FRONTEND_AST_UNION_LABEL_HH
#define FRONTEND_AST_UNION_LABEL_HH

#include <ostream>

#include "frontend/utl_arena.hh"

class AST_Expression;

class AST_UnionLabel : public UTL_ArenaObject {
public:
  enum UnionLabel { LABEL_DEFAULT, LABEL_VALUE };

  AST_UnionLabel(UnionLabel lk, AST_Expression *lv);
  virtual ~AST_UnionLabel() = default;

  void dump(std::ostream &o);

  UnionLabel label_kind() { return pd_label_kind; }
  AST_Expression *label_val() { return pd_label_val; }

private:
  UnionLabel pd_label_kind;
  AST_Expression *pd_label_val;
};

#endif
