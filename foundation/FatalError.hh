// FatalError: the end of a compilation that cannot go on. Prints "Fatal Error: " and the message
// on standard error, runs the clean-up the back end registered (removal of partial output) and
// exits with status 255. Messages are given in pieces: texts, ints and Dstrs.
#ifndef FOUNDATION_FATALERROR_HH
#define FOUNDATION_FATALERROR_HH

#include "foundation/Dstr.hh"

// Joins message pieces (texts, ints, Dstrs) with nothing between them; a null piece adds nothing.
template <typename... Pieces>
Dstr join_pieces(const Pieces &...pieces) {
  Dstr message("");
  (message += ... += pieces);
  return message;
}

// Registers the routine a fatal error runs after printing its message; null registers none.
void set_fatal_error_cleanup(void (*cleanup)());

[[noreturn]] void FatalError(const Dstr &message);

template <typename... Pieces>
[[noreturn]] void FatalError(const Pieces &...pieces) {
  FatalError(join_pieces(pieces...));
}

#endif
