// FatalSignals: the signals that end a run from outside (SIGINT, SIGTERM, SIGHUP, SIGPIPE,
// SIGQUIT), caught while the run has something to undo, such as temporary files or partly
// written output. The clean-up runs, then the process ends by the same signal, as if nothing had
// caught it.
#ifndef FOUNDATION_FATALSIGNALS_HH
#define FOUNDATION_FATALSIGNALS_HH

#include <signal.h>

// Makes those signals run cleanup (which must be safe in a signal handler) and then end the
// process by the signal; while they are caught, a new call only replaces the clean-up. Signals
// that the process was started with ignored stay ignored.
void catch_fatal_signals(void (*cleanup)(int signal));
// Gives the signals back the actions they had before catch_fatal_signals; nothing when they are
// not caught.
void release_fatal_signals();
// Holds those signals back, for a step that must not be cut in two (creating a file and marking
// it for removal); returns the signal mask to give back to allow_fatal_signals afterwards.
sigset_t hold_fatal_signals();
void allow_fatal_signals(const sigset_t &previous);

#endif
