// Creates idl_global with the front end's start-up values and the driver's own (the preprocessor,
// the back-end name, the escape buffer); clears the file table.
#include "driver/drv_init.hh"

#include "driver/drv_link.hh"
#include "driver/drv_private.hh"
#include "frontend/fe_start.hh"
#include "frontend/utl_global.hh"

void DRV_init() {
  FE_new_global_state(DRV_FE_new_UTL_Error(), DRV_FE_new_UTL_Indenter());
  idl_global->set_cpp_location("g++");
  idl_global->set_be("");
  idl_global->set_local_escapes(new char[DRV_ESCAPES_SIZE]());
  DRV_nfiles = 0;
  DRV_file_index = 0;
}
