// The reader's globals, its syntax-error report and one whole read of an open file.
#include "qor/qor_y.hh"

#include "foundation/FatalError.hh"

#include <cassert>
#include <new>

qormessage *qor = nullptr;
Dstr qorfilename;

void csperror(const char *) {
  FatalError("Syntax error in QOR file ", qorfilename, " at line ", lineno);
}

qormessage *parse_qor_file(FILE *file) {
  assert(file != nullptr);
  cspin = file;
  qor = nullptr;
  try {
    cspparse();
  } catch (const std::bad_alloc &) {
    FatalError("out of memory reading QOR file ", qorfilename);
  }
  release_qor_scanner();
  return qor;
}
