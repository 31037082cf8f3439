// Deferred errors: a lookup that may fail records its message with IgnorableError and returns a
// null result; a caller that needs the result raises the recorded message with check.
#ifndef FOUNDATION_IGNORABLEERROR_HH
#define FOUNDATION_IGNORABLEERROR_HH

#include "foundation/Dstr.hh"
#include "foundation/FatalError.hh"

// The message of the latest IgnorableError; null until the first one.
extern Dstr ignerrmsg;

void IgnorableError(const Dstr &message);

template <typename... Pieces>
void IgnorableError(const Pieces &...pieces) {
  IgnorableError(join_pieces(pieces...));
}

// Ends the run with the recorded message when result is null.
void check(const Dstr &result);

#endif
