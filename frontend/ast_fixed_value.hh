// AST_FixedValue: the value of a fixed-point constant, a signed decimal number of at most 31
// digits (counted from the first significant one, or from the point when that comes first),
// and its arithmetic. Results keep no leading zeros and no trailing zeros after the point;
// digits beyond 31 are cut from the fraction, and a result whose integer part alone needs more
// has no value.
#ifndef FRONTEND_AST_FIXED_VALUE_HH
#define FRONTEND_AST_FIXED_VALUE_HH

#include <ostream>
#include <string>

#include "frontend/utl_arena.hh"

class AST_FixedValue : public UTL_ArenaObject {
public:
  static const unsigned long max_digits = 31;

  // The value of a fixed-point literal: digits with an optional point, then "d" or "D"; null
  // when it has more than 31 significant digits.
  static AST_FixedValue *from_literal(const char *text);

  // Each null when the result does not fit (or for a division by zero).
  AST_FixedValue *add(AST_FixedValue *b);
  AST_FixedValue *subtract(AST_FixedValue *b);
  AST_FixedValue *multiply(AST_FixedValue *b);
  AST_FixedValue *divide(AST_FixedValue *b);
  AST_FixedValue *negated();
  // The value without the digits after the point beyond scale.
  AST_FixedValue *truncated(unsigned long scale);

  bool equals(AST_FixedValue *b);
  // The digits before the point, leading zeros not counted.
  unsigned long integer_digits() {
    return pd_digits.size() > pd_scale ? pd_digits.size() - pd_scale : 0;
  }

  // Writes the value as a literal: "-12.5d", "0.25d", "3d".
  void dump(std::ostream &o);

private:
  AST_FixedValue(bool negative, std::string digits, unsigned long scale);
  // The value made normal (see above); null when it does not fit.
  static AST_FixedValue *normal(bool negative, std::string digits, unsigned long scale);

  bool pd_negative;
  std::string pd_digits;  // most significant first; "" for zero
  unsigned long pd_scale; // digits after the point
};

#endif
