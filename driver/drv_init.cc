// Creates idl_global and gives every member its start-up value; clears the file table index.
#include "driver/drv_init.hh"

#include "driver/drv_link.hh"
#include "driver/drv_private.hh"
#include "frontend/utl_global.hh"

void DRV_init() {
  idl_global = new IDL_GlobalData;
  idl_global->set_scopes(nullptr);
  idl_global->set_root(nullptr);
  idl_global->set_gen(nullptr);
  idl_global->set_err(DRV_FE_new_UTL_Error());
  idl_global->set_err_count(0);
  idl_global->set_indent(DRV_FE_new_UTL_Indenter());
  idl_global->set_filename(nullptr);
  idl_global->set_main_filename(nullptr);
  idl_global->set_real_filename(nullptr);
  idl_global->set_stripped_filename(nullptr);
  idl_global->set_import(true);
  idl_global->set_in_main_file(false);
  idl_global->set_lineno(-1);
  idl_global->set_prog_name(nullptr);
  idl_global->set_cpp_location("g++");
  idl_global->set_be("");
  idl_global->set_local_escapes(new char[DRV_ESCAPES_SIZE]());
  idl_global->set_pragmas(nullptr);
  idl_global->set_compile_flags(0);
  idl_global->set_read_from_stdin(false);
  idl_global->set_include_file_names(nullptr);
  idl_global->set_n_include_file_names(0);
  idl_global->set_parse_state(IDL_GlobalData::PS_NoState);
  DRV_nfiles = 0;
  DRV_file_index = 0;
}
