#ifndef IDLGEN_GENERATOR_HH
#define IDLGEN_GENERATOR_HH
#include "foundation/Template.hh"
#endif
