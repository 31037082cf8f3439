// Conversions between the value types of constant expressions (one rule per target type over
// the integer and floating sources), value equality, type names and value printing.
#include "frontend/ast_expr_value.hh"

#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "frontend/ast_decl.hh"
#include "frontend/ast_fixed_value.hh"
#include "frontend/utl_string.hh"

using Value = AST_Expression::AST_ExprValue;
using ExprType = AST_Expression::ExprType;

using Wide = AST_WideInteger;

// The range of each integer-valued target; a source value outside it does not convert.
struct IntegerRange {
  ExprType type;
  Wide min;
  Wide max;
};

static const IntegerRange integer_ranges[] = {
    {AST_Expression::EXPR_SHORT, -32768, 32767},
    {AST_Expression::EXPR_USHORT, 0, 65535},
    {AST_Expression::EXPR_LONG, INT32_MIN, INT32_MAX},
    {AST_Expression::EXPR_ULONG, 0, UINT32_MAX},
    {AST_Expression::EXPR_CHAR, -128, 127},
    {AST_Expression::EXPR_OCTET, 0, 255},
    {AST_Expression::EXPR_LONGLONG, INT64_MIN, INT64_MAX},
    {AST_Expression::EXPR_ULONGLONG, 0, UINT64_MAX},
};

static const IntegerRange *integer_range_of(ExprType t) {
  for (const IntegerRange &r : integer_ranges)
    if (r.type == t)
      return &r;
  return nullptr;
}

bool read_integer_exactly(Value *v, Wide *out) {
  switch (v->et) {
  case AST_Expression::EXPR_SHORT: *out = v->u.sval; return true;
  case AST_Expression::EXPR_USHORT: *out = v->u.usval; return true;
  case AST_Expression::EXPR_LONG: *out = v->u.lval; return true;
  case AST_Expression::EXPR_ULONG: *out = v->u.ulval; return true;
  case AST_Expression::EXPR_LONGLONG: *out = v->u.llval; return true;
  case AST_Expression::EXPR_ULONGLONG: *out = v->u.ullval; return true;
  case AST_Expression::EXPR_OCTET: *out = v->u.oval; return true;
  default: return false;
  }
}

// Reads an integer-valued value (booleans included; char sign-extended); false for others.
static bool read_integer(Value *v, Wide *out) {
  switch (v->et) {
  case AST_Expression::EXPR_CHAR: *out = static_cast<signed char>(v->u.cval); return true;
  case AST_Expression::EXPR_BOOL: *out = v->u.bval; return true;
  default: return read_integer_exactly(v, out);
  }
}

Value *new_wide_integer(Wide n) {
  if (n < INT64_MIN || n > static_cast<Wide>(UINT64_MAX))
    return nullptr;
  Value *v = new Value;
  if (n <= INT64_MAX) {
    v->et = AST_Expression::EXPR_LONGLONG;
    v->u.llval = static_cast<long long>(n);
  } else {
    v->et = AST_Expression::EXPR_ULONGLONG;
    v->u.ullval = static_cast<unsigned long long>(n);
  }
  return v;
}

// Reads a floating value (a long double as the double nearest to it); false for others.
static bool read_real(Value *v, double *out) {
  if (v->et == AST_Expression::EXPR_FLOAT)
    *out = v->u.fval;
  else if (v->et == AST_Expression::EXPR_DOUBLE)
    *out = v->u.dval;
  else if (v->et == AST_Expression::EXPR_LONGDOUBLE)
    *out = static_cast<double>(v->u.ldval);
  else
    return false;
  return true;
}

// Reads any numeric value as a double.
static bool read_number(Value *v, double *out) {
  Wide n;
  if (!read_integer(v, &n))
    return read_real(v, out);
  *out = static_cast<double>(n);
  return true;
}

// Stores n, known to lie in the range of the integer type t.
static void write_integer(Value *v, ExprType t, Wide n) {
  switch (t) {
  case AST_Expression::EXPR_SHORT: v->u.sval = static_cast<short>(n); break;
  case AST_Expression::EXPR_USHORT: v->u.usval = static_cast<unsigned short>(n); break;
  case AST_Expression::EXPR_LONG: v->u.lval = static_cast<long>(n); break;
  case AST_Expression::EXPR_ULONG: v->u.ulval = static_cast<unsigned long>(n); break;
  case AST_Expression::EXPR_LONGLONG: v->u.llval = static_cast<long long>(n); break;
  case AST_Expression::EXPR_ULONGLONG: v->u.ullval = static_cast<unsigned long long>(n); break;
  case AST_Expression::EXPR_CHAR: v->u.cval = static_cast<char>(n); break;
  default: v->u.oval = static_cast<unsigned char>(n); break;
  }
  v->et = t;
}

// Integer targets: integer sources in range keep their value; floating sources in range lose
// their fraction.
static Value *coerce_to_integer(Value *v, const IntegerRange &r) {
  Wide n;
  double d;
  if (read_integer(v, &n)) {
    if (n < r.min || n > r.max)
      return nullptr;
  } else if (read_real(v, &d)) {
    if (!(static_cast<double>(r.min) <= d && d <= static_cast<double>(r.max)))
      return nullptr;
    n = static_cast<Wide>(d);
  } else {
    return nullptr;
  }
  write_integer(v, r.type, n);
  return v;
}

static Value *coerce_to_bool(Value *v) {
  double d;
  if (!read_number(v, &d))
    return nullptr;
  v->u.bval = d != 0.0;
  v->et = AST_Expression::EXPR_BOOL;
  return v;
}

static Value *coerce_to_float(Value *v) {
  Wide n;
  double d;
  if (read_integer(v, &n)) {
    v->u.fval = static_cast<float>(n);
  } else if (read_real(v, &d)) {
    if (!(d >= -FLT_MAX && d <= FLT_MAX))
      return nullptr;
    v->u.fval = static_cast<float>(d);
  } else {
    return nullptr;
  }
  v->et = AST_Expression::EXPR_FLOAT;
  return v;
}

static Value *coerce_to_double(Value *v) {
  double d;
  if (!read_number(v, &d))
    return nullptr;
  v->u.dval = d;
  v->et = AST_Expression::EXPR_DOUBLE;
  return v;
}

// A long double is made only from floating values, as IDL reads no integer as one.
static Value *coerce_to_long_double(Value *v) {
  double d;
  if (!read_real(v, &d))
    return nullptr;
  v->u.ldval = d;
  v->et = AST_Expression::EXPR_LONGDOUBLE;
  return v;
}

static bool is_64_bit_integer(ExprType t) {
  return t == AST_Expression::EXPR_LONGLONG || t == AST_Expression::EXPR_ULONGLONG;
}

// A 64-bit integer is made by exact evaluation only (AST_Expression::eval_integer), so of all
// values just the other 64-bit type converts to one.
Value *coerce_value(Value *v, ExprType t) {
  if (v == nullptr)
    return nullptr;
  if (v->et == t)
    return v;
  if (is_64_bit_integer(t) && !is_64_bit_integer(v->et))
    return nullptr;
  if (const IntegerRange *r = integer_range_of(t))
    return coerce_to_integer(v, *r);
  switch (t) {
  case AST_Expression::EXPR_BOOL: return coerce_to_bool(v);
  case AST_Expression::EXPR_FLOAT: return coerce_to_float(v);
  case AST_Expression::EXPR_DOUBLE: return coerce_to_double(v);
  case AST_Expression::EXPR_LONGDOUBLE: return coerce_to_long_double(v);
  default: return nullptr;
  }
}

Value *eval_kind(Value *v, AST_Expression::EvalKind k) {
  if (k == AST_Expression::EVAL_CONST)
    return v;
  if (k == AST_Expression::EVAL_POSITIVE_INT)
    return coerce_value(v, AST_Expression::EXPR_ULONG);
  return nullptr;
}

// Names by type.
static const char *const exprtype_names[] = {
#define AST_EXPR_TYPE(name, text) text,
#include "frontend/ast_expression.def"
};

const char *exprtype_to_string(ExprType t) {
  if (static_cast<size_t>(t) >= std::size(exprtype_names))
    return "";
  return exprtype_names[t];
}

bool expr_values_equal(Value *a, Value *b) {
  if (a == nullptr || b == nullptr || a->et != b->et)
    return false;
  Wide m, n;
  if (read_integer(a, &m) && read_integer(b, &n))
    return m == n;
  double x, y;
  if (read_real(a, &x) && read_real(b, &y))
    return x == y;
  switch (a->et) {
  case AST_Expression::EXPR_STRING:
  case AST_Expression::EXPR_WSTRING: return a->u.strval == b->u.strval;
  case AST_Expression::EXPR_WCHAR: return a->u.lval == b->u.lval;
  case AST_Expression::EXPR_FIXED: return a->u.fixval->equals(b->u.fixval);
  case AST_Expression::EXPR_ENUM: return a->u.enumval == b->u.enumval;
  default: return false;
  }
}

void dump_expr_val(std::ostream &o, Value *v) {
  switch (v->et) {
  case AST_Expression::EXPR_SHORT: o << v->u.sval; break;
  case AST_Expression::EXPR_USHORT: o << v->u.usval; break;
  case AST_Expression::EXPR_LONG: o << v->u.lval; break;
  case AST_Expression::EXPR_ULONG: o << v->u.ulval; break;
  case AST_Expression::EXPR_FLOAT: o << v->u.fval; break;
  case AST_Expression::EXPR_DOUBLE: o << v->u.dval; break;
  case AST_Expression::EXPR_CHAR: o << v->u.cval; break;
  case AST_Expression::EXPR_OCTET: o << static_cast<char>(v->u.oval); break;
  case AST_Expression::EXPR_BOOL: o << (v->u.bval == 1 ? 1 : 0); break;
  case AST_Expression::EXPR_STRING:
  case AST_Expression::EXPR_WSTRING:
    if (v->u.strval != nullptr)
      v->u.strval->dump(o);
    break;
  case AST_Expression::EXPR_LONGLONG: o << v->u.llval; break;
  case AST_Expression::EXPR_ULONGLONG: o << v->u.ullval; break;
  case AST_Expression::EXPR_LONGDOUBLE: o << v->u.ldval; break;
  case AST_Expression::EXPR_WCHAR: o << utf8_of(static_cast<unsigned long>(v->u.lval)); break;
  case AST_Expression::EXPR_FIXED: v->u.fixval->dump(o); break;
  case AST_Expression::EXPR_ENUM: v->u.enumval->dump_local_name(o); break;
  default: break;
  }
}
