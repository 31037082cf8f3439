// AST_Fixed: the fixed-point type fixed<digits, scale>, an anonymous template type that the
// parser enters into the root's local types like the others. Digits are 1 to 31, the scale at
// most the digits.
#ifndef FRONTEND_AST_FIXED_HH
#define FRONTEND_AST_FIXED_HH

#include "frontend/ast_type.hh"

class AST_Fixed : public AST_ConcreteType {
public:
  static const unsigned long max_digits = 31;

  AST_Fixed(unsigned long digits, unsigned long scale);

  // Writes "fixed <digits, scale>".
  void dump(std::ostream &o) override;

  unsigned long digits() { return pd_digits; }
  unsigned long scale() { return pd_scale; }

  static AST_Fixed *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Fixed>(d, {NT_fixed});
  }

private:
  unsigned long pd_digits;
  unsigned long pd_scale;
};

#endif
