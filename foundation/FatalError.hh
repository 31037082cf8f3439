// FatalError: the end of a compilation that cannot go on. Prints where in the inputs the problem
// is and what it is in plain words ("FILE:LINE: error: TEXT", the form editors and CI parse),
// then "Fatal Error: " and the message on standard error, runs the clean-up the back end
// registered (removal of partial output) and exits with status 255. Messages are given in
// pieces: texts, ints and Dstrs.
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

// A place in the compiler's inputs: a file and a line from 1, or 0 for the file as a whole. A
// null file is no place.
struct ErrorPlace {
  Dstr file;
  int line = 0;
};

// The place a fatal error points at when it names none of its own: the back end keeps it at
// the input, the script line or the QOR message being compiled. No place is set at first.
void set_error_place(const Dstr &file, int line);
void set_error_line(int line);
const ErrorPlace &error_place();

// What a fatal error says on its first line: what is wrong, in plain words, and where.
struct Explanation {
  Dstr text;
  ErrorPlace place;
};

// An explanation at the current place.
template <typename... Pieces>
Explanation explain(const Pieces &...pieces) {
  return Explanation{join_pieces(pieces...), error_place()};
}

// An explanation at a place of its own.
template <typename... Pieces>
Explanation explain_at(const Dstr &file, int line, const Pieces &...pieces) {
  return Explanation{join_pieces(pieces...), ErrorPlace{file, line}};
}

// Registers the routine a fatal error runs after printing its message; null registers none.
void set_fatal_error_cleanup(void (*cleanup)());

// Writes the line "FILE:LINE: error: TEXT" ("FILE: error: TEXT" for line 0) on standard error,
// nothing when the explanation names no place: for a run that names several places before it
// ends.
void report_error(const Explanation &why);

[[noreturn]] void FatalError(const Explanation &why, const Dstr &message);

template <typename... Pieces>
[[noreturn]] void FatalError(const Explanation &why, const Pieces &...pieces) {
  FatalError(why, join_pieces(pieces...));
}

// A fatal error that explains itself by its message, at the current place.
[[noreturn]] void FatalError(const Dstr &message);

template <typename... Pieces>
[[noreturn]] void FatalError(const Pieces &...pieces) {
  FatalError(join_pieces(pieces...));
}

#endif
