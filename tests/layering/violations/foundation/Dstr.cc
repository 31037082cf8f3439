#include "foundation/Dstr.hh"
