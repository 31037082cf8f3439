// Headerfile: the generated header, collected during a compilation in three sections (opening
// and script declarations; support-function declarations; class declarations and closing) and
// written in one piece at the end.
#ifndef IDLGEN_HEADERFILE_HH
#define IDLGEN_HEADERFILE_HH

#include <cstdio>
#include <iosfwd>

#include "foundation/Dstr.hh"

class Headerfile {
public:
  // Writes top, middle and bottom in that order (a null section writes nothing).
  void write(FILE *f) const;

  Dstr top;
  Dstr middle;
  Dstr bottom;
};

std::ostream &operator<<(std::ostream &os, const Headerfile &hh);

#endif
