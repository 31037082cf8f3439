// Starting the front end: the start-up values of the global state.
#include "frontend/fe_start.hh"

#include "frontend/utl_global.hh"

void FE_new_global_state(UTL_Error *err, UTL_Indenter *indent) {
  idl_global = new IDL_GlobalData;
  idl_global->set_err(err);
  idl_global->set_indent(indent);
  idl_global->set_import(true);
  idl_global->set_lineno(-1);
}
