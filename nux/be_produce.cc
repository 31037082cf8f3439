// Placeholder for the back end's main routine until the NUX compiler is built: BE_produce
// compiles nothing and BE_abort has no output to remove.
#include "nux/be_extern.hh"

void BE_produce() {}

void BE_abort() {}
