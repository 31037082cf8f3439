// Construction of one-component scoped names, and scoped names as one text.
#include "frontend/utl_idlist.hh"

UTL_IdList *create_scoped_name(const char *text) {
  return new UTL_IdList(new Identifier(UTL_arena_copy(text)), nullptr);
}

std::string joined_scoped_name(UTL_IdList *name) {
  std::string joined;
  for (UTL_IdListActiveIterator i(name); !i.is_done(); i.next()) {
    if (!joined.empty())
      joined += "::";
    if (Identifier *id = i.item()) {
      if (const char *text = id->get_string())
        joined += text;
    }
  }
  return joined;
}
