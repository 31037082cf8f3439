// Unit tests of constant expressions: the conversion rules between value types, evaluation of
// operator trees and symbols, comparison and printing.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>

#include "fe_test_setup.hh"
#include "frontend/ast_expr_value.hh"
#include "frontend/ast_expression.hh"
#include "frontend/ast_generator.hh"
#include "frontend/ast_module.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"

namespace {

using E = AST_Expression;
using Value = E::AST_ExprValue;

class ExpressionTest : public FrontEndTest {
protected:
  AST_Generator *g() { return idl_global->gen(); }
  E *lit(long l) { return g()->create_expr(l); }
  E *bin(E::ExprComb c, E *a, E *b) { return g()->create_expr(c, a, b); }
  E *un(E::ExprComb c, E *a) { return g()->create_expr(c, a, nullptr); }
};

Value *value_of(E::ExprType t, double x) {
  Value *v = new Value;
  v->et = t;
  switch (t) {
  case E::EXPR_SHORT: v->u.sval = static_cast<short>(x); break;
  case E::EXPR_USHORT: v->u.usval = static_cast<unsigned short>(x); break;
  case E::EXPR_LONG: v->u.lval = static_cast<long>(x); break;
  case E::EXPR_ULONG: v->u.ulval = static_cast<unsigned long>(x); break;
  case E::EXPR_FLOAT: v->u.fval = static_cast<float>(x); break;
  case E::EXPR_DOUBLE: v->u.dval = x; break;
  case E::EXPR_CHAR: v->u.cval = static_cast<char>(x); break;
  case E::EXPR_OCTET: v->u.oval = static_cast<unsigned char>(x); break;
  case E::EXPR_BOOL: v->u.bval = static_cast<long>(x); break;
  default: v->u.strval = nullptr; break;
  }
  return v;
}

// The printed value, or "fails" when there is none.
std::string shown(Value *v) {
  if (v == nullptr)
    return "fails";
  std::ostringstream o;
  dump_expr_val(o, v);
  return o.str();
}

// Messages and dumps name the value types by their values; a value outside the list has no
// name.
TEST(ExprTypeNames, FollowTheValuesInOrder) {
  const char *const names[] = {
      "short",  "unsigned short", "long",    "unsigned long", "long long", "unsigned long long",
      "float",  "double",         "long double", "char",      "wchar_t",   "octet",
      "boolean", "string",        "wstring_t", "any",         "void",      "none",
  };
  for (int t = 0; t < int(std::size(names)); ++t)
    EXPECT_STREQ(names[t], exprtype_to_string(static_cast<E::ExprType>(t))) << t;
  EXPECT_STREQ("", exprtype_to_string(static_cast<E::ExprType>(std::size(names))));
}

TEST(CoerceValue, FollowsTheRangeOfEachTarget) {
  const struct {
    E::ExprType from;
    double x;
    E::ExprType to;
    const char *result;
  } cases[] = {
      {E::EXPR_LONG, 32767, E::EXPR_SHORT, "32767"},
      {E::EXPR_LONG, 32768, E::EXPR_SHORT, "fails"},
      {E::EXPR_LONG, -32768, E::EXPR_SHORT, "-32768"},
      {E::EXPR_USHORT, 40000, E::EXPR_SHORT, "fails"},
      {E::EXPR_DOUBLE, 32766.9, E::EXPR_SHORT, "32766"},
      {E::EXPR_DOUBLE, 32767.5, E::EXPR_SHORT, "fails"},
      {E::EXPR_DOUBLE, -32768.5, E::EXPR_SHORT, "fails"},
      {E::EXPR_CHAR, -5, E::EXPR_SHORT, "-5"},
      {E::EXPR_OCTET, 200, E::EXPR_SHORT, "200"},
      {E::EXPR_BOOL, 1, E::EXPR_SHORT, "1"},
      {E::EXPR_SHORT, -1, E::EXPR_USHORT, "fails"},
      {E::EXPR_LONG, 65535, E::EXPR_USHORT, "65535"},
      {E::EXPR_DOUBLE, 65535.5, E::EXPR_USHORT, "fails"},
      {E::EXPR_CHAR, -1, E::EXPR_USHORT, "fails"},
      {E::EXPR_ULONG, 2147483647, E::EXPR_LONG, "2147483647"},
      {E::EXPR_ULONG, 2147483648.0, E::EXPR_LONG, "fails"},
      {E::EXPR_DOUBLE, -2147483648.0, E::EXPR_LONG, "-2147483648"},
      {E::EXPR_DOUBLE, 2147483648.0, E::EXPR_LONG, "fails"},
      {E::EXPR_DOUBLE, -3.9, E::EXPR_LONG, "-3"},
      {E::EXPR_CHAR, -128, E::EXPR_LONG, "-128"},
      {E::EXPR_LONG, -1, E::EXPR_ULONG, "fails"},
      {E::EXPR_DOUBLE, 4294967295.0, E::EXPR_ULONG, "4294967295"},
      {E::EXPR_DOUBLE, 4294967296.0, E::EXPR_ULONG, "fails"},
      {E::EXPR_LONG, 127, E::EXPR_CHAR, "\x7f"},
      {E::EXPR_LONG, 128, E::EXPR_CHAR, "fails"},
      {E::EXPR_LONG, -129, E::EXPR_CHAR, "fails"},
      {E::EXPR_ULONG, 128, E::EXPR_CHAR, "fails"},
      {E::EXPR_DOUBLE, 65.7, E::EXPR_CHAR, "A"},
      {E::EXPR_LONG, 255, E::EXPR_OCTET, "\xff"},
      {E::EXPR_LONG, 256, E::EXPR_OCTET, "fails"},
      {E::EXPR_LONG, -1, E::EXPR_OCTET, "fails"},
      {E::EXPR_CHAR, -1, E::EXPR_OCTET, "fails"},
      {E::EXPR_DOUBLE, 255.5, E::EXPR_OCTET, "fails"},
      {E::EXPR_BOOL, 1, E::EXPR_OCTET, "\x01"},
      {E::EXPR_DOUBLE, 0.5, E::EXPR_BOOL, "1"},
      {E::EXPR_LONG, 0, E::EXPR_BOOL, "0"},
      {E::EXPR_OCTET, 7, E::EXPR_BOOL, "1"},
      {E::EXPR_ULONG, 4294967295.0, E::EXPR_FLOAT, "4.29497e+09"},
      {E::EXPR_DOUBLE, 3.5e38, E::EXPR_FLOAT, "fails"},
      {E::EXPR_DOUBLE, -3.4e38, E::EXPR_FLOAT, "-3.4e+38"},
      {E::EXPR_BOOL, 1, E::EXPR_FLOAT, "1"},
      {E::EXPR_ULONG, 4294967295.0, E::EXPR_DOUBLE, "4.29497e+09"},
      {E::EXPR_FLOAT, 1.5, E::EXPR_DOUBLE, "1.5"},
      {E::EXPR_STRING, 0, E::EXPR_LONG, "fails"},
      {E::EXPR_LONG, 1, E::EXPR_STRING, "fails"},
      {E::EXPR_LONG, 1, E::EXPR_LONGLONG, "fails"},
      {E::EXPR_CHAR, 65, E::EXPR_WCHAR, "fails"},
      {E::EXPR_LONG, 1, E::EXPR_NONE, "fails"},
      {E::EXPR_LONG, 1, E::EXPR_ANY, "fails"},
      {E::EXPR_ANY, 0, E::EXPR_ANY, ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.result, shown(coerce_value(value_of(c.from, c.x), c.to)))
        << exprtype_to_string(c.from) << " " << c.x << " to " << exprtype_to_string(c.to);
  EXPECT_EQ(nullptr, coerce_value(nullptr, E::EXPR_LONG));
}

TEST_F(ExpressionTest, OperatorsEvaluateInDoubleOrLong) {
  const struct {
    const char *what;
    E *e;
    E::ExprType to;
    const char *result;
  } cases[] = {
      {"7 / 2", bin(E::COMB_DIV, lit(7), lit(2)), E::EXPR_LONG, "3"},
      {"7 / 2 as double", bin(E::COMB_DIV, lit(7), lit(2)), E::EXPR_DOUBLE, "3.5"},
      {"1 / 0", bin(E::COMB_DIV, lit(1), lit(0)), E::EXPR_LONG, "fails"},
      {"5 % 0", bin(E::COMB_MOD, lit(5), lit(0)), E::EXPR_LONG, "fails"},
      {"7 % 3", bin(E::COMB_MOD, lit(7), lit(3)), E::EXPR_LONG, "1"},
      {"-7 % 3", bin(E::COMB_MOD, lit(-7), lit(3)), E::EXPR_LONG, "-1"},
      {"2 * 3 - 10", bin(E::COMB_MINUS, bin(E::COMB_MUL, lit(2), lit(3)), lit(10)), E::EXPR_LONG,
       "-4"},
      {"1 << 4", bin(E::COMB_LEFT, lit(1), lit(4)), E::EXPR_LONG, "16"},
      {"1 << 31", bin(E::COMB_LEFT, lit(1), lit(31)), E::EXPR_LONG, "-2147483648"},
      {"1 << 32", bin(E::COMB_LEFT, lit(1), lit(32)), E::EXPR_LONG, "fails"},
      {"1 << -1", bin(E::COMB_LEFT, lit(1), lit(-1)), E::EXPR_LONG, "fails"},
      {"16 >> 2", bin(E::COMB_RIGHT, lit(16), lit(2)), E::EXPR_LONG, "4"},
      {"-16 >> 2", bin(E::COMB_RIGHT, lit(-16), lit(2)), E::EXPR_LONG, "-4"},
      {"12 | 3 ^ 5 & 6", bin(E::COMB_OR, lit(12), bin(E::COMB_XOR, lit(3), bin(E::COMB_AND, lit(5), lit(6)))),
       E::EXPR_LONG, "15"},
      {"~0", un(E::COMB_BITNEG, lit(0)), E::EXPR_LONG, "-1"},
      {"-(3)", un(E::COMB_UMINUS, lit(3)), E::EXPR_LONG, "-3"},
      {"+2.5", un(E::COMB_UPLUS, g()->create_expr(2.5)), E::EXPR_DOUBLE, "2.5"},
      {"~2.5", un(E::COMB_BITNEG, g()->create_expr(2.5)), E::EXPR_LONG, "-3"},
      {"TRUE to octet", g()->create_expr(1L, E::EXPR_BOOL), E::EXPR_OCTET, "\x01"},
      {"3000000000 * 2 to long", bin(E::COMB_MUL, lit(1500000000), lit(2)), E::EXPR_LONG, "fails"},
      {"string + 1", bin(E::COMB_ADD, g()->create_expr(new UTL_String("a")), lit(1)),
       E::EXPR_LONG, "fails"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.result, shown(c.e->coerce(c.to))) << c.what;
}

TEST_F(ExpressionTest, ConversionKeepsTheNodesOwnValue) {
  E *e = bin(E::COMB_DIV, lit(7), lit(2));
  EXPECT_EQ("3", shown(e->coerce(E::EXPR_LONG)));
  EXPECT_EQ("3.5", shown(e->ev()));
}

TEST_F(ExpressionTest, SymbolsNameConstantsAndEnumerators) {
  AST_Root *root = idl_global->root();
  root->fe_add_constant(g()->create_constant(E::EXPR_LONG, lit(2), scoped({"Y"}), nullptr));
  root->fe_add_module(g()->create_module(scoped({"M"}), nullptr));

  EXPECT_EQ("4", shown(bin(E::COMB_MUL, g()->create_expr(scoped({"Y"})), lit(2))
                           ->coerce(E::EXPR_LONG)));
  EXPECT_EQ("2", shown(g()->create_expr(scoped({"::", "Y"}))->coerce(E::EXPR_SHORT)));

  testing::internal::CaptureStderr();
  EXPECT_EQ("fails", shown(g()->create_expr(scoped({"M"}))->coerce(E::EXPR_LONG)));
  EXPECT_EQ("fails", shown(g()->create_expr(scoped({"Z"}))->coerce(E::EXPR_LONG)));
  EXPECT_EQ("nuxc: \"t.idl\", line 3: constant expected: M bound to module M {\n"
            "}\n"
            "nuxc: \"t.idl\", line 3: error in lookup of symbol: Z\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(ExpressionTest, ComparisonNeedsEqualCombinationAndValueType) {
  const struct {
    E *a, *b;
    bool equal;
  } cases[] = {
      {lit(1), lit(1), true},
      {lit(1), lit(2), false},
      {lit(1), g()->create_expr(1L, E::EXPR_BOOL), false},
      {lit(1), g()->create_expr(1.0), false},
      {g()->create_expr(1.0), g()->create_expr(1.0), true},
      {un(E::COMB_UMINUS, lit(1)), un(E::COMB_UMINUS, lit(1)), true},
      {un(E::COMB_UMINUS, lit(1)), lit(-1), false},
      {g()->create_expr(new UTL_String("a")), g()->create_expr(new UTL_String("a")), false},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.equal, c.a->compare(c.b));
  UTL_String *s = new UTL_String("a");
  EXPECT_TRUE(*g()->create_expr(s) == g()->create_expr(s));
}

TEST_F(ExpressionTest, DumpShowsTheValueOrElseTheStructure) {
  const struct {
    E *e;
    const char *text;
  } cases[] = {
      {lit(-5), "-5"},
      {g()->create_expr(static_cast<unsigned long>(4000000000)), "4000000000"},
      {g()->create_expr('x'), "x"},
      {g()->create_expr(1L, E::EXPR_BOOL), "1"},
      {g()->create_expr(new UTL_String("a\\b")), "a\\b"},
      {g()->create_expr(scoped({"::", "A", "B"})), "::A::B"},
      {bin(E::COMB_LEFT, g()->create_expr(scoped({"X"})), lit(2)), "X << 2"},
      {un(E::COMB_BITNEG, g()->create_expr(scoped({"X"}))), "~X"},
      {g()->create_expr(nullptr, E::EXPR_LONG), ""},
  };
  for (const auto &c : cases) {
    std::ostringstream o;
    c.e->dump(o);
    EXPECT_EQ(c.text, o.str());
  }
}

TEST_F(ExpressionTest, ConversionNodeReportsAFailedConversion) {
  testing::internal::CaptureStderr();
  E *e = g()->create_expr(lit(32768), E::EXPR_SHORT);
  EXPECT_EQ(nullptr, e->ev());
  EXPECT_EQ("nuxc: \"t.idl\", line 3: coercion failure 32768 to short\n",
            testing::internal::GetCapturedStderr());
  EXPECT_EQ(1, idl_global->err_count());
}

TEST_F(ExpressionTest, NestingCountsOperatorLevels) {
  E *e = lit(1);
  EXPECT_EQ(1, e->nesting());
  e = bin(E::COMB_ADD, e, lit(1));
  e = bin(E::COMB_ADD, e, un(E::COMB_UMINUS, lit(1)));
  EXPECT_EQ(3, e->nesting());
}

} // namespace
