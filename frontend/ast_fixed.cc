// AST_Fixed: construction and printing.
#include "frontend/ast_fixed.hh"

#include "frontend/utl_idlist.hh"

AST_Fixed::AST_Fixed(unsigned long digits, unsigned long scale)
    : AST_ConcreteType(NT_fixed, create_scoped_name("fixed"), nullptr), pd_digits(digits),
      pd_scale(scale) {}

void AST_Fixed::dump(std::ostream &o) { o << "fixed <" << pd_digits << ", " << pd_scale << ">"; }
