// Helpers on expression values shared by evaluation, comparison and printing: equality of two
// values of one type and the printed form of a value.
#ifndef FRONTEND_AST_EXPR_VALUE_HH
#define FRONTEND_AST_EXPR_VALUE_HH

#include <ostream>

#include "frontend/ast_expression.hh"

// True when a and b have the same type and equal values; values of type any, void and none
// are never equal, strings only when both are absent or are the same object.
bool expr_values_equal(AST_Expression::AST_ExprValue *a, AST_Expression::AST_ExprValue *b);

// Writes v: integers in decimal, floating values in the stream's default format, char and
// octet as the character itself, boolean as 1 or 0, string as its text.
void dump_expr_val(std::ostream &o, AST_Expression::AST_ExprValue *v);

#endif
