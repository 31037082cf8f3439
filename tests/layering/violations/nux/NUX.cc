#include "nux/NUX.hh"

#include "idlgen/Generator.hh"
