// Construction of one-component scoped names.
#include "frontend/utl_idlist.hh"

#include <cstring>

UTL_IdList *create_scoped_name(const char *text) {
  char *copy = new char[std::strlen(text) + 1];
  std::strcpy(copy, text);
  return new UTL_IdList(new Identifier(copy), nullptr);
}
