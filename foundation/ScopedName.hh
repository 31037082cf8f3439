// scopedNameOf: the scoped name of a declaration as one text, its identifiers joined by "::".
// The tree root's empty name adds no leading "::", so Account in module Bank gives
// "Bank::Account".
#ifndef FOUNDATION_SCOPEDNAME_HH
#define FOUNDATION_SCOPEDNAME_HH

#include "foundation/Dstr.hh"

class UTL_IdList;

Dstr scopedNameOf(UTL_IdList *name);

#endif
