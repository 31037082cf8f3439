// The two tables of entry points through which the driver reaches the front end and the back
// end; DRV_FE_open and DRV_BE_open fill them at start-up.
#ifndef DRIVER_DRV_LINK_HH
#define DRIVER_DRV_LINK_HH

#include <cstdio>

class AST_Generator;
struct BE_Options;
class UTL_Error;
class UTL_Indenter;
class UTL_String;

extern void (*DRV_FE_init_stage1)();
extern void (*DRV_FE_init_stage2)();
extern void (*DRV_FE_yyparse)();
extern void (*DRV_FE_set_yyin)(FILE *);
extern UTL_Error *(*DRV_FE_new_UTL_Error)();
extern UTL_Indenter *(*DRV_FE_new_UTL_Indenter)();
extern UTL_String *(*DRV_FE_new_UTL_String)(const char *);

extern AST_Generator *(*DRV_BE_init)();
extern void (*DRV_BE_produce)();
extern void (*DRV_BE_abort)();
extern void (*DRV_BE_prep_arg)(const char *, bool);
extern void (*DRV_BE_version)(FILE *);
extern BE_Options &(*DRV_BE_options)();

void DRV_FE_open();
void DRV_BE_open();

#endif
