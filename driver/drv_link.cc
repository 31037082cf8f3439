// Binds the driver's entry tables to the front end and the back end linked into nuxc.
#include "driver/drv_link.hh"

#include "frontend/fe_extern.hh"
#include "nux/be_extern.hh"

void (*DRV_FE_init_stage1)();
void (*DRV_FE_init_stage2)();
void (*DRV_FE_yyparse)();
void (*DRV_FE_set_yyin)(FILE *);
UTL_Error *(*DRV_FE_new_UTL_Error)();
UTL_Indenter *(*DRV_FE_new_UTL_Indenter)();
UTL_String *(*DRV_FE_new_UTL_String)(const char *);

AST_Generator *(*DRV_BE_init)();
void (*DRV_BE_produce)();
void (*DRV_BE_abort)();
void (*DRV_BE_prep_arg)(const char *, bool);
void (*DRV_BE_version)(FILE *);
BE_Options &(*DRV_BE_options)();

void DRV_FE_open() {
  DRV_FE_init_stage1 = FE_init_stage1;
  DRV_FE_init_stage2 = FE_init_stage2;
  DRV_FE_yyparse = FE_yyparse;
  DRV_FE_set_yyin = FE_set_yyin;
  DRV_FE_new_UTL_Error = FE_new_UTL_Error;
  DRV_FE_new_UTL_Indenter = FE_new_UTL_Indenter;
  DRV_FE_new_UTL_String = FE_new_UTL_String;
}

void DRV_BE_open() {
  DRV_BE_init = BE_init;
  DRV_BE_produce = BE_produce;
  DRV_BE_abort = BE_abort;
  DRV_BE_prep_arg = BE_prep_arg;
  DRV_BE_version = BE_version;
  DRV_BE_options = BE_options;
}
