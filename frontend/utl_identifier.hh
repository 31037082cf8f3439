// Identifier: one name component of a scoped name. It keeps the text it is given (not a copy)
// and compares exactly, unlike UTL_String.
#ifndef FRONTEND_UTL_IDENTIFIER_HH
#define FRONTEND_UTL_IDENTIFIER_HH

#include <ostream>

#include "frontend/utl_arena.hh"

class Identifier : public UTL_ArenaObject {
public:
  explicit Identifier(char *text, long = 0, long = 0, long = 0) : pv_string(text) {}

  char *get_string() { return pv_string; }
  // Byte-wise equality; false when either text is absent.
  bool compare(Identifier *other);
  void dump(std::ostream &o);

private:
  char *pv_string;
};

#endif
