// The front end's entry points for the driver: the parse with its add pass, the input stream,
// and constructors of the utility objects that the driver installs in idl_global.
#include "frontend/fe_extern.hh"

#include "frontend/ast_module.hh"
#include "frontend/fe_lexer.hh"
#include "frontend/idl_y.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_indenter.hh"
#include "frontend/utl_string.hh"

// yyparse's result when its stacks would have to grow beyond their limit.
static const int parser_stack_exhausted = 2;

void FE_yyparse() {
  if (yyparse() == parser_stack_exhausted)
    idl_global->err()->input_error("Input nested too deeply to be parsed");
  if (idl_global->err_count() == 0 && idl_global->root() != nullptr)
    idl_global->root()->call_add();
}

void FE_set_yyin(FILE *f) {
  idl_reset_input();
  yyrestart(f);
}

UTL_Error *FE_new_UTL_Error() { return new UTL_Error; }

UTL_Indenter *FE_new_UTL_Indenter() { return new UTL_Indenter; }

UTL_String *FE_new_UTL_String(const char *text) { return new UTL_String(text); }
