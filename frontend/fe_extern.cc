// Constructors of the utility objects that the driver installs in idl_global.
#include "frontend/fe_extern.hh"

#include "frontend/utl_error.hh"
#include "frontend/utl_indenter.hh"
#include "frontend/utl_string.hh"

UTL_Error *FE_new_UTL_Error() { return new UTL_Error; }

UTL_Indenter *FE_new_UTL_Indenter() { return new UTL_Indenter; }

UTL_String *FE_new_UTL_String(const char *text) { return new UTL_String(text); }
