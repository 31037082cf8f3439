#ifndef FOUNDATION_TEMPLATE_HH
#define FOUNDATION_TEMPLATE_HH
#include "foundation/Dstr.hh"
#endif
