// FatalError: message, clean-up through the registered hook, exit status 255. The hook keeps this
// library free of the back end that owns the output files.
#include "foundation/FatalError.hh"

#include <cstdio>
#include <cstdlib>

namespace {

void (*fatal_error_cleanup)() = nullptr;

}  // namespace

void set_fatal_error_cleanup(void (*cleanup)()) { fatal_error_cleanup = cleanup; }

void FatalError(const Dstr &message) {
  fprintf(stderr, "Fatal Error: %s\n", message.aschar());
  fflush(stderr);
  // Taken out before it runs, so that a fatal error inside the clean-up cannot run it again.
  void (*cleanup)() = fatal_error_cleanup;
  fatal_error_cleanup = nullptr;
  if (cleanup)
    cleanup();
  exit(255);
}
