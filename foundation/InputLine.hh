// InputLine: the reading of the line-based inputs (NUX scripts, the binding's files) with the
// line length bounded, so that a name such as /dev/zero ends the run with a message instead of
// taking all memory.
#ifndef FOUNDATION_INPUTLINE_HH
#define FOUNDATION_INPUTLINE_HH

#include <cstdio>

#include "foundation/Dstr.hh"

// Reads the next line of f into line, as Dstr::getline does; false at the end of the file or on
// a read error, which the caller tells apart with ferror. A line longer than Dstr::longestLine
// is a fatal error: "F has a line longer than 67108864 bytes", F being shown.
bool read_input_line(FILE *f, Dstr &line, const Dstr &shown);

#endif
