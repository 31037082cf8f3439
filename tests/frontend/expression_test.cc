// Unit tests of constant expressions: the conversion rules between value types, evaluation of
// operator trees and symbols, comparison and printing.
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <sstream>
#include <string>

#include "fe_test_setup.hh"
#include "frontend/ast_expr_value.hh"
#include "frontend/ast_expression.hh"
#include "frontend/ast_fixed_value.hh"
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
  // An integer literal as the parser makes it: its value wrapped to 32 bits, and as written.
  E *big(unsigned long long v, bool beyond_64_bits = false) {
    E *e = g()->create_expr(static_cast<long>(static_cast<int32_t>(v)));
    e->set_integer_literal(v, beyond_64_bits);
    return e;
  }
  E *fixed(const char *text) { return g()->create_expr(AST_FixedValue::from_literal(text)); }
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
      "fixed",   "enum",
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

TEST_F(ExpressionTest, SixtyFourBitTargetsEvaluateExactly) {
  const unsigned long long top = UINT64_MAX, half = 1ULL << 63;
  const struct {
    const char *what;
    E *e;
    E::ExprType to;
    const char *result;
  } cases[] = {
      {"15", big(15), E::EXPR_LONGLONG, "15"},
      {"2^63 - 1", big(half - 1), E::EXPR_LONGLONG, "9223372036854775807"},
      {"2^63", big(half), E::EXPR_LONGLONG, "fails"},
      {"2^63 unsigned", big(half), E::EXPR_ULONGLONG, "9223372036854775808"},
      {"2^64 - 1", big(top), E::EXPR_ULONGLONG, "18446744073709551615"},
      {"-(2^63 - 1) - 1", bin(E::COMB_MINUS, un(E::COMB_UMINUS, big(half - 1)), big(1)),
       E::EXPR_LONGLONG, "-9223372036854775808"},
      {"-1 unsigned", un(E::COMB_UMINUS, big(1)), E::EXPR_ULONGLONG, "fails"},
      {"5000000000 * 2", bin(E::COMB_MUL, big(5000000000), big(2)), E::EXPR_LONGLONG,
       "10000000000"},
      {"(2^64 - 1) * 2", bin(E::COMB_MUL, big(top), big(2)), E::EXPR_ULONGLONG, "fails"},
      {"2^63 - 1 + 1", bin(E::COMB_ADD, big(half - 1), big(1)), E::EXPR_LONGLONG, "fails"},
      {"7 / 2 in integers", bin(E::COMB_DIV, big(7), big(2)), E::EXPR_LONGLONG, "3"},
      {"-7 % 3", bin(E::COMB_MOD, un(E::COMB_UMINUS, big(7)), big(3)), E::EXPR_LONGLONG, "-1"},
      {"1 / 0", bin(E::COMB_DIV, big(1), big(0)), E::EXPR_LONGLONG, "fails"},
      {"~0", un(E::COMB_BITNEG, big(0)), E::EXPR_LONGLONG, "-1"},
      {"~0 unsigned", un(E::COMB_BITNEG, big(0)), E::EXPR_ULONGLONG, "18446744073709551615"},
      {"1 << 63", bin(E::COMB_LEFT, big(1), big(63)), E::EXPR_LONGLONG, "fails"},
      {"~(2^63 - 1)", un(E::COMB_BITNEG, big(half - 1)), E::EXPR_LONGLONG,
       "-9223372036854775808"},
      {"~-1 unsigned", un(E::COMB_BITNEG, un(E::COMB_UMINUS, big(1))), E::EXPR_ULONGLONG, "0"},
      {"2^63 >> 1", bin(E::COMB_RIGHT, big(half), big(1)), E::EXPR_LONGLONG,
       "4611686018427387904"},
      {"2^62 << 1 >> 1", bin(E::COMB_RIGHT, bin(E::COMB_LEFT, big(half / 2), big(1)), big(1)),
       E::EXPR_LONGLONG, "4611686018427387904"},
      {"(2^63 - 1) | 2^63", bin(E::COMB_OR, big(half - 1), big(half)), E::EXPR_LONGLONG, "fails"},
      {"-1 | 0 unsigned", bin(E::COMB_OR, un(E::COMB_UMINUS, big(1)), big(0)), E::EXPR_ULONGLONG,
       "fails"},
      {"-1 & 0xff", bin(E::COMB_AND, un(E::COMB_UMINUS, big(1)), big(0xFF)), E::EXPR_LONGLONG,
       "255"},
      {"1 << 63 unsigned", bin(E::COMB_LEFT, big(1), big(63)), E::EXPR_ULONGLONG,
       "9223372036854775808"},
      {"1 << 64", bin(E::COMB_LEFT, big(1), big(64)), E::EXPR_LONGLONG, "fails"},
      {"-16 >> 2", bin(E::COMB_RIGHT, un(E::COMB_UMINUS, big(16)), big(2)), E::EXPR_LONGLONG,
       "-4"},
      {"0xF0 | 0x0F ^ 0xFF & 0x3C", bin(E::COMB_OR, big(0xF0), bin(E::COMB_XOR, big(0x0F),
       bin(E::COMB_AND, big(0xFF), big(0x3C)))), E::EXPR_LONGLONG, "243"},
      {"a double", g()->create_expr(1.5), E::EXPR_LONGLONG, "fails"},
      {"a char", g()->create_expr('a'), E::EXPR_LONGLONG, "fails"},
      {"TRUE", g()->create_expr(1L, E::EXPR_BOOL), E::EXPR_LONGLONG, "fails"},
      {"2^63 - 1 to long", big(half - 1), E::EXPR_LONG, "-1"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.result, shown(c.e->coerce(c.to))) << c.what;

  testing::internal::CaptureStderr();
  EXPECT_EQ("fails", shown(big(0, true)->coerce(E::EXPR_ULONGLONG)));
  EXPECT_EQ("nuxc: \"t.idl\", line 3: Integer literal beyond 64 bits\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(ExpressionTest, SixtyFourBitConstantsJoinOtherExpressions) {
  AST_Root *root = idl_global->root();
  root->fe_add_constant(g()->create_constant(E::EXPR_LONGLONG, big(5000000000), scoped({"B"}),
                                             nullptr));
  root->fe_add_constant(g()->create_constant(E::EXPR_SHORT, lit(3), scoped({"S"}), nullptr));
  E *b = g()->create_expr(scoped({"B"}));
  EXPECT_EQ("15000000000", shown(bin(E::COMB_MUL, b, g()->create_expr(scoped({"S"})))
                                     ->coerce(E::EXPR_LONGLONG)));
  EXPECT_EQ("5e+09", shown(g()->create_expr(scoped({"B"}))->coerce(E::EXPR_DOUBLE)));
  EXPECT_EQ("fails", shown(g()->create_expr(scoped({"B"}))->coerce(E::EXPR_LONG)));
}

TEST_F(ExpressionTest, FixedPointValuesKeepTheirDigits) {
  const struct {
    const char *what;
    E *e;
    const char *result;
  } cases[] = {
      {"12.50d", fixed("12.50d"), "12.5d"},
      {"0012.000D", fixed("0012.000D"), "12d"},
      {".25d", fixed(".25d"), "0.25d"},
      {"0d", fixed("0d"), "0d"},
      {"12.5d * 2.0d", bin(E::COMB_MUL, fixed("12.5d"), fixed("2.0d")), "25d"},
      {"-1.5d + .25d", bin(E::COMB_ADD, un(E::COMB_UMINUS, fixed("1.5d")), fixed(".25d")),
       "-1.25d"},
      {"0.1d - 0.35d", bin(E::COMB_MINUS, fixed("0.1d"), fixed("0.35d")), "-0.25d"},
      {"1d / 3d", bin(E::COMB_DIV, fixed("1d"), fixed("3d")), "0.3333333333333333333333333333333d"},
      {"10d / 4d", bin(E::COMB_DIV, fixed("10d"), fixed("4d")), "2.5d"},
      {"1.5d / 0.5d", bin(E::COMB_DIV, fixed("1.5d"), fixed("0.5d")), "3d"},
      {"7d / 0.25d", bin(E::COMB_DIV, fixed("7d"), fixed("0.25d")), "28d"},
      {"1d / 0d", bin(E::COMB_DIV, fixed("1d"), fixed("0d")), "fails"},
      {"31 digits * 10", bin(E::COMB_MUL, fixed("9999999999999999999999999999999d"), fixed("10d")),
       "fails"},
      {"cut to 31 digits", bin(E::COMB_MUL, fixed("0.1111111111111111d"),
       fixed("0.1111111111111111d")), "0.0123456790123456765432098765432d"},
      {"1d % 2d", bin(E::COMB_MOD, fixed("1d"), fixed("2d")), "fails"},
      {"1.5d + 1", bin(E::COMB_ADD, fixed("1.5d"), lit(1)), "fails"},
      {"1.5 as fixed", g()->create_expr(1.5), "fails"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.result, shown(c.e->coerce(E::EXPR_FIXED))) << c.what;
  EXPECT_EQ(nullptr, AST_FixedValue::from_literal("12345678901234567890123456789012d"));
  EXPECT_EQ("fails", shown(fixed("1.5d")->coerce(E::EXPR_DOUBLE))) << "fixed converts to nothing";
}

TEST_F(ExpressionTest, WideValuesConvertOnlyToThemselves) {
  E *wc = g()->create_expr(0xE9L, E::EXPR_WCHAR);
  E *ws = g()->create_wide_string_expr(new UTL_String("wide"));
  EXPECT_EQ("\xc3\xa9", shown(wc->coerce(E::EXPR_WCHAR))) << "written in UTF-8";
  EXPECT_EQ("fails", shown(wc->coerce(E::EXPR_CHAR)));
  EXPECT_EQ("fails", shown(wc->coerce(E::EXPR_LONG)));
  EXPECT_EQ("wide", shown(ws->coerce(E::EXPR_WSTRING)));
  EXPECT_EQ("fails", shown(ws->coerce(E::EXPR_STRING)));
  EXPECT_EQ("fails", shown(g()->create_expr(new UTL_String("narrow"))->coerce(E::EXPR_WSTRING)));
  EXPECT_EQ("fails", shown(g()->create_expr('a')->coerce(E::EXPR_WCHAR)));
  EXPECT_EQ("2.5", shown(g()->create_expr(2.5)->coerce(E::EXPR_LONGDOUBLE)));
  EXPECT_EQ("fails", shown(lit(2)->coerce(E::EXPR_LONGDOUBLE))) << "no integer is a long double";
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
