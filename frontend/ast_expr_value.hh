// Helpers on expression values shared by evaluation, comparison and printing: equality of two
// values of one type and the printed form of a value.
#ifndef FRONTEND_AST_EXPR_VALUE_HH
#define FRONTEND_AST_EXPR_VALUE_HH

#include <ostream>

#include "frontend/ast_expression.hh"

// Integers of every IDL type fit in this.
using AST_WideInteger = __int128;

// The value of an integer of an integer type (not a character or boolean); false for others.
bool read_integer_exactly(AST_Expression::AST_ExprValue *v, AST_WideInteger *out);
// A new long long value of n, or unsigned long long when n is above the range of long long;
// null when n fits neither.
AST_Expression::AST_ExprValue *new_wide_integer(AST_WideInteger n);

// True when a and b have the same type and equal values; values of type any, void and none
// are never equal, strings only when both are absent or are the same object.
bool expr_values_equal(AST_Expression::AST_ExprValue *a, AST_Expression::AST_ExprValue *b);

// Writes v: integers in decimal, floating values in the stream's default format, char and
// octet as the character itself, a wide character in UTF-8, boolean as 1 or 0, strings as
// their text, a fixed-point value as a literal, an enumerator as its name.
void dump_expr_val(std::ostream &o, AST_Expression::AST_ExprValue *v);

#endif
