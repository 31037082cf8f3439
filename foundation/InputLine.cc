// InputLine: Dstr::getline, with a line over its limit made a fatal error.
#include "foundation/InputLine.hh"

#include <cerrno>

#include "foundation/FatalError.hh"

bool read_input_line(FILE *f, Dstr &line, const Dstr &shown) {
  errno = 0;
  if (!line.getline(f).isNull())
    return true;
  if (errno == EFBIG && !feof(f) && !ferror(f)) {
    const unsigned long longest = Dstr::longestLine;
    FatalError(explain_at(shown, 0, "a line is longer than ", longest,
                          " bytes, the limit of a line"),
               shown, " has a line longer than ", longest, " bytes");
  }
  return false;
}
