// fe_dump: runs the front end alone over one preprocessed IDL file, set up as the driver sets
// it up, and reports as nuxc does: the error count, or with -d after a clean parse "Dump of
// AST:" and the tree, on standard error. The exit status is the error count (at most 255).
// Used by the front end's black-box cases.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "frontend/ast_module.hh"
#include "frontend/be_generator.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"

// Error counts beyond this do not fit an exit status; they exit with it, as nuxc does.
static const int max_status = 255;

static void set_up_global_state(const char *name) {
  idl_global = new IDL_GlobalData;
  idl_global->set_err(FE_new_UTL_Error());
  idl_global->set_indent(FE_new_UTL_Indenter());
  idl_global->set_prog_name("nuxc");
  idl_global->set_cpp_location("g++");
  idl_global->set_be("");
  idl_global->set_import(true);
  idl_global->set_in_main_file(false);
  idl_global->set_lineno(-1);
  idl_global->set_parse_state(IDL_GlobalData::PS_NoState);
  idl_global->set_filename(FE_new_UTL_String(name));
  idl_global->set_main_filename(FE_new_UTL_String(name));
  idl_global->set_real_filename(FE_new_UTL_String(name));
  idl_global->set_stripped_filename(FE_new_UTL_String(name));
}

int main(int argc, char **argv) {
  bool dump = argc == 3 && std::strcmp(argv[1], "-d") == 0;
  if (argc != 2 && !dump) {
    std::cerr << "usage: fe_dump [-d] file.idl" << std::endl;
    return 99;
  }
  const char *name = argv[argc - 1];
  FILE *input = std::fopen(name, "r");
  if (input == nullptr) {
    std::cerr << "fe_dump: cannot open " << name << std::endl;
    return 99;
  }
  set_up_global_state(name);
  FE_set_yyin(input);
  FE_init_stage1();
  idl_global->set_gen(new be_generator);
  FE_init_stage2();
  FE_yyparse();
  long errors = idl_global->err_count();
  if (errors > 0) {
    std::cerr << "nuxc: " << name << ": found " << errors << " error" << (errors > 1 ? "s" : "")
              << std::endl;
    return errors < max_status ? static_cast<int>(errors) : max_status;
  }
  if (dump) {
    std::cerr << "Dump of AST:" << std::endl;
    idl_global->root()->dump(std::cerr);
  }
  return 0;
}
