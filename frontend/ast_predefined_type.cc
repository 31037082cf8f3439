// The correspondence between predefined types and the expression types of their values.
#include "frontend/ast_predefined_type.hh"

// Each predefined kind that values can have, with their expression type and whether the
// arithmetic in double handles them (the kinds of the first IDL; union labels and the
// predefined-type rule of the global state are those).
struct PredefinedValueKind {
  AST_Expression::ExprType et;
  AST_PredefinedType::PredefinedType pt;
  bool constant;
};

static const PredefinedValueKind value_kinds[] = {
    {AST_Expression::EXPR_SHORT, AST_PredefinedType::PREDEF_SHORT, true},
    {AST_Expression::EXPR_USHORT, AST_PredefinedType::PREDEF_USHORT, true},
    {AST_Expression::EXPR_LONG, AST_PredefinedType::PREDEF_LONG, true},
    {AST_Expression::EXPR_ULONG, AST_PredefinedType::PREDEF_ULONG, true},
    {AST_Expression::EXPR_LONGLONG, AST_PredefinedType::PREDEF_LONGLONG, false},
    {AST_Expression::EXPR_ULONGLONG, AST_PredefinedType::PREDEF_ULONGLONG, false},
    {AST_Expression::EXPR_FLOAT, AST_PredefinedType::PREDEF_FLOAT, true},
    {AST_Expression::EXPR_DOUBLE, AST_PredefinedType::PREDEF_DOUBLE, true},
    {AST_Expression::EXPR_LONGDOUBLE, AST_PredefinedType::PREDEF_LONGDOUBLE, false},
    {AST_Expression::EXPR_CHAR, AST_PredefinedType::PREDEF_CHAR, true},
    {AST_Expression::EXPR_WCHAR, AST_PredefinedType::PREDEF_WCHAR, false},
    {AST_Expression::EXPR_OCTET, AST_PredefinedType::PREDEF_OCTET, true},
    {AST_Expression::EXPR_BOOL, AST_PredefinedType::PREDEF_BOOLEAN, true},
    {AST_Expression::EXPR_ANY, AST_PredefinedType::PREDEF_ANY, false},
    {AST_Expression::EXPR_VOID, AST_PredefinedType::PREDEF_VOID, false},
};

bool predefined_kind_of(AST_Expression::ExprType t, AST_PredefinedType::PredefinedType *kind) {
  for (const PredefinedValueKind &k : value_kinds) {
    if (k.et == t) {
      *kind = k.pt;
      return true;
    }
  }
  return false;
}

AST_Expression::ExprType constant_type_of(AST_PredefinedType::PredefinedType kind) {
  for (const PredefinedValueKind &k : value_kinds)
    if (k.pt == kind && k.constant)
      return k.et;
  return AST_Expression::EXPR_ANY;
}

AST_Expression::ExprType value_type_of(AST_PredefinedType::PredefinedType kind) {
  for (const PredefinedValueKind &k : value_kinds)
    if (k.pt == kind && k.et != AST_Expression::EXPR_ANY && k.et != AST_Expression::EXPR_VOID)
      return k.et;
  return AST_Expression::EXPR_ANY;
}
