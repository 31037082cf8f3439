// Fuzz target: the IDL front end (lexer, parser, parse actions and the add pass) over arbitrary
// bytes taken as preprocessed text, and the dump of every tree that parses cleanly. Errors are
// counted, not fatal; the one exit is the token length limit, with status 1.
#include <ostream>

#include "frontend/ast_module.hh"
#include "frontend/fe_start.hh"
#include "frontend/utl_global.hh"
#include "fuzz/FuzzHarness.hh"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FE_start_run("fuzz.idl");
  FE_start_tree();
  const int status = run_until_exit([=] {
    FE_parse_text(reinterpret_cast<const char *>(data), size);
    if (idl_global->err_count() > 0)
      return;
    // A stream without a buffer formats everything and keeps nothing.
    std::ostream nowhere(nullptr);
    idl_global->root()->dump(nowhere);
  });
  expect_status(status, {returned_normally, 1}, "the IDL front end");
  return 0;
}
