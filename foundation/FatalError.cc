// FatalError: the located line, the message, clean-up through the registered hook, exit status
// 255. The hook keeps this library free of the back end that owns the output files, and the
// current place lets the back end locate errors raised deep below it (a missing template, a
// runaway substitution) without passing a place down.
#include "foundation/FatalError.hh"

#include <cstdio>
#include <cstdlib>

namespace {

void (*fatal_error_cleanup)() = nullptr;

ErrorPlace currentPlace;

}  // namespace

void set_error_place(const Dstr &file, int line) {
  currentPlace.file = file;
  currentPlace.line = line;
}

void set_error_line(int line) { currentPlace.line = line; }

const ErrorPlace &error_place() { return currentPlace; }

void set_fatal_error_cleanup(void (*cleanup)()) { fatal_error_cleanup = cleanup; }

void report_error(const Explanation &why) {
  const ErrorPlace &place = why.place;
  if (place.file.isNull())
    return;
  if (place.line > 0)
    fprintf(stderr, "%s:%d: error: %s\n", place.file.aschar(), place.line, why.text.aschar());
  else
    fprintf(stderr, "%s: error: %s\n", place.file.aschar(), why.text.aschar());
}

void FatalError(const Explanation &why, const Dstr &message) {
  report_error(why);
  fprintf(stderr, "Fatal Error: %s\n", message.aschar());
  fflush(stderr);
  // Taken out before it runs, so that a fatal error inside the clean-up cannot run it again.
  void (*cleanup)() = fatal_error_cleanup;
  fatal_error_cleanup = nullptr;
  if (cleanup)
    cleanup();
  exit(255);
}

void FatalError(const Dstr &message) { FatalError(Explanation{message, currentPlace}, message); }
