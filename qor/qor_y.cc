// The reader's globals, its syntax-error report and one whole read of an open file.
#include "qor/qor_y.hh"

#include "foundation/FatalError.hh"

#include <cassert>
#include <new>

qormessage *qor = nullptr;
Dstr qorfilename;

// The parser's lookahead token, CSPEOF (0) at the end of the file.
extern int cspchar;

void csperror(const char *) {
  const Explanation why =
      cspchar == 0 ? explain_at(qorfilename, lineno, "the file ends before a whole message")
                   : explain_at(qorfilename, lineno, "syntax error at `", csptext, "`");
  FatalError(why, "Syntax error in QOR file ", qorfilename, " at line ", lineno);
}

qormessage *parse_qor_file(FILE *file) {
  assert(file != nullptr);
  cspin = file;
  qor = nullptr;
  try {
    cspparse();
  } catch (const std::bad_alloc &) {
    FatalError(explain_at(qorfilename, lineno, "out of memory"),
               "out of memory reading QOR file ", qorfilename);
  }
  release_qor_scanner();
  return qor;
}
