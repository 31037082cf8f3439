// AST_Expression: exact evaluation of integers in 64 bits, of fixed-point values and of
// enumerators, for the constants of those types.
#include "frontend/ast_expression.hh"

#include <cstdint>

#include "frontend/ast_constant.hh"
#include "frontend/ast_expr_value.hh"
#include "frontend/ast_fixed_value.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

using Value = AST_Expression::AST_ExprValue;
using Wide = AST_WideInteger;

// Every result on the way lies in the range of long long and unsigned long long together.
static const Wide wide_min = INT64_MIN;
static const Wide wide_max = UINT64_MAX;

static bool in_wide_range(Wide n) { return n >= wide_min && n <= wide_max; }

// Bit operators work on the values as two's complement integers of unbounded width, so that a
// value keeps its sign and size through them (0x8000000000000000 >> 1 is 2^62, -1 & 0xff is
// 255); only the range check of each result decides what fits. The one exception is the
// complement of a value that is not negative in an unsigned target: its 64 bits are
// complemented, as ~0 is the largest unsigned long long and not -1.
static Wide complemented(Wide a, bool is_unsigned) {
  const Wide r = -(a + 1);
  return is_unsigned && a >= 0 ? r + wide_max + 1 : r;
}

static bool shifted(AST_Expression::ExprComb c, Wide a, Wide n, Wide *r) {
  if (n < 0 || n > 63)
    return false;
  const int count = static_cast<int>(n);
  // Every operand lies within 65 bits, so a shift by at most 63 stays within the 128.
  *r = c == AST_Expression::COMB_LEFT ? a * (static_cast<Wide>(1) << count) : a >> count;
  return true;
}

// a c b in exact arithmetic; false when there is no result (division by zero, an overflow of
// the 128 bits, a shift count outside 0 to 63).
static bool combined(AST_Expression::ExprComb c, Wide a, Wide b, Wide *r) {
  switch (c) {
  case AST_Expression::COMB_ADD: return !__builtin_add_overflow(a, b, r);
  case AST_Expression::COMB_MINUS: return !__builtin_sub_overflow(a, b, r);
  case AST_Expression::COMB_MUL: return !__builtin_mul_overflow(a, b, r);
  case AST_Expression::COMB_DIV:
    if (b == 0)
      return false;
    *r = a / b;
    return true;
  case AST_Expression::COMB_MOD:
    if (b == 0)
      return false;
    *r = a % b;
    return true;
  case AST_Expression::COMB_OR: *r = a | b; return true;
  case AST_Expression::COMB_XOR: *r = a ^ b; return true;
  case AST_Expression::COMB_AND: *r = a & b; return true;
  default: return shifted(c, a, b, r);
  }
}

// The exact value of an operand, or false.
static bool integer_operand(AST_Expression *e, bool is_unsigned, Wide *n) {
  Value *v = e == nullptr ? nullptr : e->eval_integer(is_unsigned);
  return v != nullptr && read_integer_exactly(v, n);
}

Value *AST_Expression::eval_integer(bool is_unsigned) {
  Wide a = 0, b = 0, r = 0;
  bool known;
  switch (pd_ec) {
  case COMB_NONE:
    if (!pd_integer_literal)
      return pd_ev != nullptr && read_integer_exactly(pd_ev, &r) ? pd_ev : nullptr;
    known = !pd_literal_beyond_64_bits;
    r = pd_literal_value;
    if (!known)
      idl_global->err()->input_error("Integer literal beyond 64 bits");
    break;
  case COMB_SYMBOL: {
    AST_Constant *c = named_constant();
    if (c == nullptr || c->node_type() == AST_Decl::NT_enum_val)
      return nullptr;
    known = integer_operand(c->constant_value(), is_unsigned, &r);
    break;
  }
  case COMB_UPLUS:
  case COMB_UMINUS:
    known = integer_operand(pd_v1, is_unsigned, &a);
    r = pd_ec == COMB_UMINUS ? -a : a;
    break;
  case COMB_BITNEG:
    known = integer_operand(pd_v1, is_unsigned, &a);
    r = complemented(a, is_unsigned);
    break;
  default:
    known = integer_operand(pd_v1, is_unsigned, &a) && integer_operand(pd_v2, is_unsigned, &b) &&
            combined(pd_ec, a, b, &r);
    break;
  }
  if (!known || !in_wide_range(r))
    return nullptr;
  pd_ev = new_wide_integer(r);
  return pd_ev;
}

// The fixed-point value of an operand, or null.
static AST_FixedValue *fixed_operand(AST_Expression *e) {
  Value *v = e == nullptr ? nullptr : e->eval_fixed();
  return v == nullptr ? nullptr : v->u.fixval;
}

static AST_FixedValue *fixed_combined(AST_Expression::ExprComb c, AST_FixedValue *a,
                                      AST_FixedValue *b) {
  if (a == nullptr || b == nullptr)
    return nullptr;
  switch (c) {
  case AST_Expression::COMB_ADD: return a->add(b);
  case AST_Expression::COMB_MINUS: return a->subtract(b);
  case AST_Expression::COMB_MUL: return a->multiply(b);
  case AST_Expression::COMB_DIV: return a->divide(b);
  default: return nullptr;
  }
}

Value *AST_Expression::eval_fixed() {
  AST_FixedValue *f = nullptr;
  switch (pd_ec) {
  case COMB_NONE: return pd_ev != nullptr && pd_ev->et == EXPR_FIXED ? pd_ev : nullptr;
  case COMB_SYMBOL: {
    AST_Constant *c = named_constant();
    f = c == nullptr ? nullptr : fixed_operand(c->constant_value());
    break;
  }
  case COMB_UPLUS: f = fixed_operand(pd_v1); break;
  case COMB_UMINUS:
    f = fixed_operand(pd_v1);
    f = f == nullptr ? nullptr : f->negated();
    break;
  case COMB_BITNEG: break;
  default: f = fixed_combined(pd_ec, fixed_operand(pd_v1), fixed_operand(pd_v2)); break;
  }
  if (f == nullptr)
    return nullptr;
  pd_ev = new AST_ExprValue;
  pd_ev->et = EXPR_FIXED;
  pd_ev->u.fixval = f;
  return pd_ev;
}

Value *AST_Expression::eval_enumerator() {
  if (pd_ec != COMB_SYMBOL)
    return pd_ev != nullptr && pd_ev->et == EXPR_ENUM ? pd_ev : nullptr;
  AST_Constant *c = named_constant();
  if (c == nullptr)
    return nullptr;
  if (c->node_type() != AST_Decl::NT_enum_val)
    return c->constant_value()->eval_enumerator();
  pd_ev = new AST_ExprValue;
  pd_ev->et = EXPR_ENUM;
  pd_ev->u.enumval = c;
  return pd_ev;
}
