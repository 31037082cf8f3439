// Deferred errors: a lookup that may fail records its message with IgnorableError and returns a
// null result; a caller that needs the result raises the recorded message with check.
#ifndef FOUNDATION_IGNORABLEERROR_HH
#define FOUNDATION_IGNORABLEERROR_HH

#include "foundation/Dstr.hh"
#include "foundation/FatalError.hh"

// The message of the latest IgnorableError; null until the first one.
extern Dstr ignerrmsg;

void IgnorableError(const Dstr &message);

// The message is joined from its pieces (texts, ints and Dstrs, none of them ignerrmsg itself)
// in the block ignerrmsg already holds: lookups that fail in the normal course of a compilation
// record a message nobody reads, and should not pay for a new string every time.
template <typename... Pieces>
void IgnorableError(const Pieces &...pieces) {
  ignerrmsg = "";
  (ignerrmsg += ... += pieces);
}

// Ends the run with the recorded message when result is null.
void check(const Dstr &result);

#endif
