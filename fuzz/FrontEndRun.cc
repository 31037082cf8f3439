// FrontEndRun: a fresh global state, forward-declaration table, scope stack and root for every
// input, made as the driver's start-up and DRV_drive make them.
#include "fuzz/FrontEndRun.hh"

#include <cstdio>

#include "driver/drv_init.hh"
#include "driver/drv_link.hh"
#include "frontend/ast_interface.hh"
#include "frontend/be_generator.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"
#include "fuzz/FuzzHarness.hh"

void start_global_state(const char *name) {
  DRV_FE_open();
  DRV_init();
  idl_global->set_prog_name("nuxc");
  idl_global->set_filename(FE_new_UTL_String(name));
  idl_global->set_main_filename(FE_new_UTL_String(name));
  idl_global->set_real_filename(FE_new_UTL_String(name));
  idl_global->set_stripped_filename(FE_new_UTL_String(name));
}

FILE *start_front_end(const char *name, const uint8_t *data, size_t size) {
  FILE *input = open_bytes(data, size);
  start_global_state(name);
  FE_set_yyin(input);
  FE_init_stage1();
  idl_global->set_gen(new be_generator);
  FE_init_stage2();
  return input;
}
