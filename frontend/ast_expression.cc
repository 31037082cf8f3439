// AST_Expression: construction, evaluation of operator trees and symbols, conversion,
// comparison and printing.
#include "frontend/ast_expression.hh"

#include <algorithm>
#include <cstdint>

#include "frontend/ast_constant.hh"
#include "frontend/ast_expr_value.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_scope.hh"
#include "frontend/utl_scopestack.hh"

using Value = AST_Expression::AST_ExprValue;

// Operator texts used by dumps, by combinator.
static const char *const comb_texts[] = {
#define AST_EXPR_COMB(name, text) text,
#include "frontend/ast_expression.def"
};

static bool is_unary(AST_Expression::ExprComb c) {
  return c == AST_Expression::COMB_UPLUS || c == AST_Expression::COMB_UMINUS ||
         c == AST_Expression::COMB_BITNEG;
}

static Value *new_value(AST_Expression::ExprType t) {
  Value *v = new Value;
  v->u.lval = 0;
  v->et = t;
  return v;
}

static Value *new_double(double d) {
  Value *v = new_value(AST_Expression::EXPR_DOUBLE);
  v->u.dval = d;
  return v;
}

// Long results are kept within 32 bits, the width of an IDL long.
static Value *new_long(int64_t n) {
  Value *v = new_value(AST_Expression::EXPR_LONG);
  v->u.lval = static_cast<int32_t>(static_cast<uint32_t>(n));
  return v;
}

void AST_Expression::fill_definition_details() {
  UTL_ScopeStack *scopes = idl_global->scopes();
  pd_defined_in = scopes == nullptr ? nullptr : scopes->top();
  pd_line = idl_global->lineno();
  pd_file_name = idl_global->filename();
}

AST_Expression::AST_Expression(ExprComb comb, Value *v) : pd_ec(comb), pd_ev(v) {
  fill_definition_details();
}

AST_Expression::AST_Expression(UTL_IdList *name) : AST_Expression(COMB_SYMBOL, nullptr) {
  pd_n = name;
}

AST_Expression::AST_Expression(AST_Expression *v, ExprType t) : AST_Expression(COMB_NONE, nullptr) {
  if (v == nullptr)
    return;
  pd_ev = v->coerce(t);
  if (pd_ev == nullptr)
    idl_global->err()->coercion_error(v, t);
}

AST_Expression::AST_Expression(ExprComb comb, AST_Expression *a, AST_Expression *b)
    : AST_Expression(comb, nullptr) {
  pd_v1 = a;
  pd_v2 = b;
  pd_nesting = 1 + std::max(a == nullptr ? 0 : a->nesting(), b == nullptr ? 0 : b->nesting());
}

AST_Expression::AST_Expression(short s) : AST_Expression(COMB_NONE, new_value(EXPR_SHORT)) {
  pd_ev->u.sval = s;
}

AST_Expression::AST_Expression(unsigned short us)
    : AST_Expression(COMB_NONE, new_value(EXPR_USHORT)) {
  pd_ev->u.usval = us;
}

AST_Expression::AST_Expression(long l) : AST_Expression(COMB_NONE, new_value(EXPR_LONG)) {
  pd_ev->u.lval = l;
}

AST_Expression::AST_Expression(long l, ExprType t) : AST_Expression(COMB_NONE, new_value(t)) {
  pd_ev->u.lval = l;
}

AST_Expression::AST_Expression(unsigned long ul)
    : AST_Expression(COMB_NONE, new_value(EXPR_ULONG)) {
  pd_ev->u.ulval = ul;
}

AST_Expression::AST_Expression(float f) : AST_Expression(COMB_NONE, new_value(EXPR_FLOAT)) {
  pd_ev->u.fval = f;
}

AST_Expression::AST_Expression(double d) : AST_Expression(COMB_NONE, new_value(EXPR_DOUBLE)) {
  pd_ev->u.dval = d;
}

AST_Expression::AST_Expression(char c) : AST_Expression(COMB_NONE, new_value(EXPR_CHAR)) {
  pd_ev->u.cval = c;
}

AST_Expression::AST_Expression(unsigned char o)
    : AST_Expression(COMB_NONE, new_value(EXPR_OCTET)) {
  pd_ev->u.oval = o;
}

AST_Expression::AST_Expression(UTL_String *s) : AST_Expression(COMB_NONE, new_value(EXPR_STRING)) {
  pd_ev->u.strval = s;
}

AST_Expression::AST_Expression(UTL_String *s, ExprType t)
    : AST_Expression(COMB_NONE, new_value(t)) {
  pd_ev->u.strval = s;
}

AST_Expression::AST_Expression(AST_FixedValue *f)
    : AST_Expression(COMB_NONE, new_value(EXPR_FIXED)) {
  pd_ev->u.fixval = f;
}

void AST_Expression::set_integer_literal(unsigned long long value, bool beyond_64_bits) {
  pd_integer_literal = true;
  pd_literal_value = value;
  pd_literal_beyond_64_bits = beyond_64_bits;
}

// Evaluates an operand and replaces its value by the value converted to t; false when either
// step gives no value.
static bool evaluate_operand(AST_Expression *v, AST_Expression::EvalKind k,
                             AST_Expression::ExprType t) {
  v->set_ev(v->eval_internal(k));
  if (v->ev() == nullptr)
    return false;
  v->set_ev(v->coerce(t));
  return v->ev() != nullptr;
}

static bool evaluable_kind(AST_Expression::EvalKind k) {
  return k == AST_Expression::EVAL_CONST || k == AST_Expression::EVAL_POSITIVE_INT;
}

Value *AST_Expression::eval_bin_op(EvalKind k) {
  if (!evaluable_kind(k) || pd_v1 == nullptr || pd_v2 == nullptr)
    return nullptr;
  if (!evaluate_operand(pd_v1, k, EXPR_DOUBLE) || !evaluate_operand(pd_v2, k, EXPR_DOUBLE))
    return nullptr;
  double a = pd_v1->ev()->u.dval, b = pd_v2->ev()->u.dval;
  switch (pd_ec) {
  case COMB_ADD: return new_double(a + b);
  case COMB_MINUS: return new_double(a - b);
  case COMB_MUL: return new_double(a * b);
  case COMB_DIV: return b == 0.0 ? nullptr : new_double(a / b);
  default: break;
  }
  if (!evaluate_operand(pd_v1, k, EXPR_LONG) || !evaluate_operand(pd_v2, k, EXPR_LONG))
    return nullptr;
  long m = pd_v1->ev()->u.lval, n = pd_v2->ev()->u.lval;
  return n == 0 ? nullptr : new_double(static_cast<double>(m % n));
}

// Shifts by a count outside 0..31 give no value.
static Value *shifted(AST_Expression::ExprComb c, long m, long n) {
  if (n < 0 || n > 31)
    return nullptr;
  if (c == AST_Expression::COMB_LEFT)
    return new_long(static_cast<int64_t>(static_cast<uint32_t>(m) << n));
  return new_long(m < 0 ? ~(~m >> n) : m >> n);
}

Value *AST_Expression::eval_bit_op(EvalKind k) {
  if (!evaluable_kind(k) || pd_v1 == nullptr || pd_v2 == nullptr)
    return nullptr;
  if (!evaluate_operand(pd_v1, k, EXPR_LONG) || !evaluate_operand(pd_v2, k, EXPR_LONG))
    return nullptr;
  long m = pd_v1->ev()->u.lval, n = pd_v2->ev()->u.lval;
  switch (pd_ec) {
  case COMB_OR: return new_long(m | n);
  case COMB_XOR: return new_long(m ^ n);
  case COMB_AND: return new_long(m & n);
  default: return shifted(pd_ec, m, n);
  }
}

Value *AST_Expression::eval_un_op(EvalKind k) {
  if (pd_ev != nullptr)
    return pd_ev;
  if (!evaluable_kind(k) || pd_v1 == nullptr || !evaluate_operand(pd_v1, k, EXPR_DOUBLE))
    return nullptr;
  double d = pd_v1->ev()->u.dval;
  switch (pd_ec) {
  case COMB_UPLUS: return new_double(d);
  case COMB_UMINUS: return new_double(-d);
  default: break;
  }
  pd_v1->set_ev(pd_v1->coerce(EXPR_LONG));
  if (pd_v1->ev() == nullptr)
    return nullptr;
  return new_long(~pd_v1->ev()->u.lval);
}

AST_Constant *AST_Expression::named_constant() {
  UTL_Error *err = idl_global->err();
  if (pd_n == nullptr) {
    err->eval_error(this);
    return nullptr;
  }
  UTL_ScopeStack *scopes = idl_global->scopes();
  UTL_Scope *s = scopes == nullptr ? nullptr : scopes->top_non_null();
  AST_Decl *d = s == nullptr ? nullptr : s->lookup_by_name(pd_n, true);
  if (d == nullptr) {
    err->lookup_error(pd_n);
    return nullptr;
  }
  AST_Constant *c = AST_Constant::narrow_from_decl(d);
  if (c == nullptr || c->constant_value() == nullptr) {
    err->constant_expected(pd_n, d);
    return nullptr;
  }
  return c;
}

Value *AST_Expression::eval_symbol(EvalKind k) {
  AST_Constant *c = named_constant();
  return c == nullptr ? nullptr : c->constant_value()->eval_internal(k);
}

Value *AST_Expression::eval_internal(EvalKind k) {
  if (pd_ev != nullptr)
    return eval_kind(pd_ev, k);
  switch (pd_ec) {
  case COMB_ADD:
  case COMB_MINUS:
  case COMB_MUL:
  case COMB_DIV:
  case COMB_MOD: pd_ev = eval_bin_op(k); break;
  case COMB_OR:
  case COMB_XOR:
  case COMB_AND:
  case COMB_LEFT:
  case COMB_RIGHT: pd_ev = eval_bit_op(k); break;
  case COMB_UPLUS:
  case COMB_UMINUS:
  case COMB_BITNEG: pd_ev = eval_un_op(k); break;
  case COMB_SYMBOL: pd_ev = eval_symbol(k); break;
  case COMB_NONE: return nullptr;
  }
  return eval_kind(pd_ev, k);
}

Value *AST_Expression::eval(EvalKind k) { return eval_kind(eval_internal(k), k); }

void AST_Expression::evaluate(EvalKind k) { pd_ev = eval_kind(eval_internal(k), k); }

// A fresh copy of v converted to t; null for no v.
static Value *converted(Value *v, AST_Expression::ExprType t) {
  return v == nullptr ? nullptr : coerce_value(new Value(*v), t);
}

Value *AST_Expression::coerce(ExprType t) {
  if (pd_ev != nullptr && pd_ev->et == t)
    return pd_ev;
  switch (t) {
  case EXPR_LONGLONG:
  case EXPR_ULONGLONG: return converted(eval_integer(t == EXPR_ULONGLONG), t);
  case EXPR_FIXED: return eval_fixed();
  case EXPR_ENUM: return eval_enumerator();
  default: break;
  }
  pd_ev = eval_internal(EVAL_CONST);
  if (pd_ev == nullptr)
    return nullptr;
  if (pd_ev->et == EXPR_ANY || pd_ev->et == EXPR_VOID || pd_ev->et == EXPR_NONE)
    return nullptr;
  return coerce_value(new Value(*pd_ev), t);
}

bool AST_Expression::compare(AST_Expression *e) {
  if (e == nullptr || pd_ec != e->ec())
    return false;
  evaluate(EVAL_CONST);
  e->evaluate(EVAL_CONST);
  return expr_values_equal(pd_ev, e->ev());
}

bool AST_Expression::operator==(AST_Expression *e) { return compare(e); }

void AST_Expression::dump(std::ostream &o) {
  if (pd_ev != nullptr) {
    dump_expr_val(o, pd_ev);
    return;
  }
  if (pd_ec == COMB_SYMBOL) {
    if (pd_n != nullptr)
      pd_n->dump(o);
    return;
  }
  if (pd_ec == COMB_NONE)
    return;
  if (is_unary(pd_ec)) {
    o << comb_texts[pd_ec];
    if (pd_v1 != nullptr)
      pd_v1->dump(o);
    return;
  }
  if (pd_v1 != nullptr)
    pd_v1->dump(o);
  o << " " << comb_texts[pd_ec] << " ";
  if (pd_v2 != nullptr)
    pd_v2->dump(o);
}
