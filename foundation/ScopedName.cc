// scopedNameOf: the front end's joined scoped name as a string of the back end.
#include "foundation/ScopedName.hh"

#include "frontend/utl_idlist.hh"

Dstr scopedNameOf(UTL_IdList *name) { return Dstr(joined_scoped_name(name).c_str()); }
