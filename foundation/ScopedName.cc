// scopedNameOf: joins the identifiers of a front-end scoped name; "::" goes only after text.
#include "foundation/ScopedName.hh"

#include "frontend/utl_idlist.hh"

Dstr scopedNameOf(UTL_IdList *name) {
  Dstr scoped("");
  for (UTL_IdListActiveIterator i(name); !i.is_done(); i.next()) {
    if (scoped.length() > 0)
      scoped += "::";
    if (Identifier *id = i.item())
      scoped += id->get_string();
  }
  return scoped;
}
