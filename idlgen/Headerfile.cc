// Headerfile: output of the three header sections to a file or a stream.
#include "idlgen/Headerfile.hh"

#include <ostream>

void Headerfile::write(FILE *f) const {
  fputs(top.aschar(), f);
  fputs(middle.aschar(), f);
  fputs(bottom.aschar(), f);
}

std::ostream &operator<<(std::ostream &os, const Headerfile &hh) {
  return os << hh.top << hh.middle << hh.bottom;
}
