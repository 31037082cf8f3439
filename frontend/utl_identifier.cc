// Identifier: exact comparison and printing.
#include "frontend/utl_identifier.hh"

#include <cstring>

bool Identifier::compare(Identifier *other) {
  if (other == nullptr || pv_string == nullptr || other->pv_string == nullptr)
    return false;
  return std::strcmp(pv_string, other->pv_string) == 0;
}

void Identifier::dump(std::ostream &o) {
  if (pv_string != nullptr)
    o << pv_string;
}
