// Starting the front end: the start-up values of the global state, and a run started, its tree
// begun and a text parsed the way nuxc's driver does them for one IDL file.
#include "frontend/fe_start.hh"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "frontend/be_generator.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"

void FE_new_global_state(UTL_Error *err, UTL_Indenter *indent) {
  idl_global = new IDL_GlobalData;
  idl_global->set_err(err);
  idl_global->set_indent(indent);
  idl_global->set_import(true);
  idl_global->set_lineno(-1);
}

void FE_start_run(const char *name) {
  FE_new_global_state(FE_new_UTL_Error(), FE_new_UTL_Indenter());
  idl_global->set_prog_name("nuxc");
  idl_global->set_filename(FE_new_UTL_String(name));
  idl_global->set_main_filename(FE_new_UTL_String(name));
  idl_global->set_real_filename(FE_new_UTL_String(name));
  idl_global->set_stripped_filename(FE_new_UTL_String(name));
}

void FE_start_tree() {
  FE_init_stage1();
  idl_global->set_gen(new be_generator);
  FE_init_stage2();
}

void FE_parse_text(const char *text, size_t size) {
  // A stream over no bytes still needs a buffer to point at.
  static char nothing[1];
  FILE *input = fmemopen(size == 0 ? nothing : const_cast<char *>(text), size, "r");
  if (input == nullptr) {
    std::cerr << "IDL: cannot read the input text, exiting\n";
    std::exit(99);
  }
  idl_global->set_lineno(1);
  FE_set_yyin(input);
  FE_yyparse();
  fclose(input);
}
