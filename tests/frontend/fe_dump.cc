// fe_dump: runs the front end alone over one preprocessed IDL file, started as nuxc starts it,
// and reports as nuxc does: the error count, or with -d after a clean parse "Dump of
// AST:" and the tree, on standard error. The exit status is the error count (at most 255).
// Used by the front end's black-box cases.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "frontend/ast_module.hh"
#include "frontend/fe_extern.hh"
#include "frontend/fe_start.hh"
#include "frontend/utl_global.hh"

// Error counts beyond this do not fit an exit status; they exit with it, as nuxc does.
static const int max_status = 255;

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
  FE_start_run(name);
  FE_set_yyin(input);
  FE_start_tree();
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
