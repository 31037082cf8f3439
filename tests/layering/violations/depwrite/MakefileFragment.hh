#ifndef DEPWRITE_MAKEFILEFRAGMENT_HH
#define DEPWRITE_MAKEFILEFRAGMENT_HH
#include "foundation/Dstr.hh"
#endif
