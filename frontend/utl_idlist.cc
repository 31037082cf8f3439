// Construction of one-component scoped names.
#include "frontend/utl_idlist.hh"

UTL_IdList *create_scoped_name(const char *text) {
  return new UTL_IdList(new Identifier(UTL_arena_copy(text)), nullptr);
}
