// scopedNameOf: joins the identifiers of a front-end scoped name; "::" goes only after text.
#include "foundation/ScopedName.hh"

#include <string>

#include "frontend/utl_idlist.hh"

Dstr scopedNameOf(UTL_IdList *name) {
  std::string scoped;
  for (UTL_IdListActiveIterator i(name); !i.is_done(); i.next()) {
    if (!scoped.empty())
      scoped += "::";
    if (Identifier *id = i.item()) {
      if (const char *text = id->get_string())
        scoped += text;
    }
  }
  return Dstr(scoped.c_str());
}
