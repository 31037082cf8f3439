// AST_Expression: the node of every value written in IDL (constants, union labels, bounds,
// dimensions, enumerator values). Evaluates its tree to a typed value at compile time, caches
// it, converts values between the basic types with range checks, compares and prints them.
#ifndef FRONTEND_AST_EXPRESSION_HH
#define FRONTEND_AST_EXPRESSION_HH

#include <ostream>

#include "frontend/utl_arena.hh"

class AST_Constant;
class AST_Decl;
class AST_FixedValue;
class UTL_IdList;
class UTL_Scope;
class UTL_String;

class AST_Expression : public UTL_ArenaObject {
public:
  // The value types and the combinators, from ast_expression.def.
  enum ExprType {
#define AST_EXPR_TYPE(name, text) name,
#include "frontend/ast_expression.def"
  };

  enum ExprComb {
#define AST_EXPR_COMB(name, text) name,
#include "frontend/ast_expression.def"
  };

  enum EvalKind { EVAL_CONST, EVAL_POSITIVE_INT };

  // A typed value; et says which member of u is valid. Integer values stay within the ranges
  // of the IDL types (long and unsigned long are 32 bits wide). A wide character is its code,
  // held in lval; a wide string is its UTF-8 text, held in strval.
  struct AST_ExprValue {
    union {
      short sval;
      unsigned short usval;
      long lval;
      unsigned long ulval;
      long long llval;
      unsigned long long ullval;
      float fval;
      double dval;
      long double ldval;
      char cval;
      unsigned char oval;
      long bval;
      UTL_String *strval;
      AST_FixedValue *fixval;
      AST_Decl *enumval;
    } u;
    ExprType et;
  };

  explicit AST_Expression(UTL_IdList *name);
  // A conversion of v's value to t; reports a coercion failure when there is none.
  AST_Expression(AST_Expression *v, ExprType t);
  AST_Expression(ExprComb comb, AST_Expression *a, AST_Expression *b);
  explicit AST_Expression(short s);
  explicit AST_Expression(unsigned short us);
  explicit AST_Expression(long l);
  AST_Expression(long l, ExprType t);
  explicit AST_Expression(unsigned long ul);
  explicit AST_Expression(float f);
  explicit AST_Expression(double d);
  explicit AST_Expression(char c);
  explicit AST_Expression(unsigned char o);
  explicit AST_Expression(UTL_String *s);
  // A string marked with type t (used for wide strings with EXPR_WSTRING).
  AST_Expression(UTL_String *s, ExprType t);
  explicit AST_Expression(AST_FixedValue *f);
  virtual ~AST_Expression() = default;

  virtual void dump(std::ostream &o);
  virtual AST_ExprValue *eval(EvalKind k);
  // The value converted to t (a fresh record), or null; the node keeps its own value.
  virtual AST_ExprValue *coerce(ExprType t);
  // Computes the value and stores it in ev.
  virtual void evaluate(EvalKind k);
  virtual bool operator==(AST_Expression *e);
  virtual bool compare(AST_Expression *e);
  virtual AST_ExprValue *eval_bin_op(EvalKind k);
  virtual AST_ExprValue *eval_bit_op(EvalKind k);
  virtual AST_ExprValue *eval_un_op(EvalKind k);
  virtual AST_ExprValue *eval_symbol(EvalKind k);
  virtual AST_ExprValue *eval_internal(EvalKind k);

  // Exact evaluation, for the targets whose values the arithmetic in double above cannot give:
  // integers of 64 bits (bit operators act on two's complement values of any width, but for an
  // unsigned target ~ complements the 64 bits of a value that is not negative), fixed-point
  // values and enumerators. Each sets the values of the nodes it passes, so that a
  // dump shows them, and gives null when a node has no value of the kind; only integer
  // literals and integer constants are integers here, as enumerators, characters and booleans
  // are not.
  AST_ExprValue *eval_integer(bool unsigned_target);
  AST_ExprValue *eval_fixed();
  AST_ExprValue *eval_enumerator();

  // An integer literal also keeps its value as written (its own value is that wrapped to 32
  // bits, a long's): beyond_64_bits when no 64-bit type holds it.
  void set_integer_literal(unsigned long long value, bool beyond_64_bits);

  UTL_Scope *defined_in() { return pd_defined_in; }
  void set_defined_in(UTL_Scope *s) { pd_defined_in = s; }
  long line() { return pd_line; }
  void set_line(long l) { pd_line = l; }
  UTL_String *file_name() { return pd_file_name; }
  void set_file_name(UTL_String *f) { pd_file_name = f; }
  ExprComb ec() { return pd_ec; }
  void set_ec(ExprComb c) { pd_ec = c; }
  AST_ExprValue *ev() { return pd_ev; }
  void set_ev(AST_ExprValue *v) { pd_ev = v; }
  AST_Expression *v1() { return pd_v1; }
  void set_v1(AST_Expression *e) { pd_v1 = e; }
  AST_Expression *v2() { return pd_v2; }
  void set_v2(AST_Expression *e) { pd_v2 = e; }
  UTL_IdList *n() { return pd_n; }
  void set_n(UTL_IdList *name) { pd_n = name; }

  // Levels of operators from this node down to its deepest leaf (1 for a leaf). Evaluation and
  // printing recurse that deep, so the parser refuses deeper expressions.
  long nesting() { return pd_nesting; }

private:
  AST_Expression(ExprComb comb, AST_ExprValue *v);
  void fill_definition_details();
  // The constant (or enumerator) a symbol node names, looked up from the innermost open
  // scope; null, after reporting, when it names none.
  AST_Constant *named_constant();

  UTL_Scope *pd_defined_in;
  long pd_line;
  UTL_String *pd_file_name;
  ExprComb pd_ec;
  bool pd_integer_literal = false;
  bool pd_literal_beyond_64_bits = false;
  AST_ExprValue *pd_ev = nullptr;
  AST_Expression *pd_v1 = nullptr;
  AST_Expression *pd_v2 = nullptr;
  UTL_IdList *pd_n = nullptr;
  long pd_nesting = 1;
  unsigned long long pd_literal_value = 0;
};

// Converts v in place to t and returns it; null when the value does not fit t or no
// conversion exists.
AST_Expression::AST_ExprValue *coerce_value(AST_Expression::AST_ExprValue *v,
                                            AST_Expression::ExprType t);
// Applies an evaluation kind to a value: the constant kind leaves it, the positive-integer kind
// converts it to unsigned long.
AST_Expression::AST_ExprValue *eval_kind(AST_Expression::AST_ExprValue *v,
                                         AST_Expression::EvalKind k);
// The type's name in messages and dumps.
const char *exprtype_to_string(AST_Expression::ExprType t);

#endif
