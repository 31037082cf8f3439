// Deferred errors: the recorded message and the check that turns it into a fatal error.
#include "foundation/IgnorableError.hh"

Dstr ignerrmsg;

void IgnorableError(const Dstr &message) { ignerrmsg = message; }

void check(const Dstr &result) {
  if (result.isNull())
    FatalError(ignerrmsg);
}
