// FatalSignals: one handler for the signals that end a run; the actions they had are kept so
// that they can be given back.
#include "foundation/FatalSignals.hh"

namespace {

const int fatal_signals[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT};
const int n_fatal_signals = sizeof fatal_signals / sizeof fatal_signals[0];
struct sigaction saved_actions[n_fatal_signals];

void (*volatile signal_cleanup)(int) = nullptr;
bool caught = false;

sigset_t fatal_signal_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int sig : fatal_signals)
    sigaddset(&set, sig);
  return set;
}

void clean_up_and_die(int sig) {
  if (signal_cleanup)
    signal_cleanup(sig);
  signal(sig, SIG_DFL);
  raise(sig);
}

}  // namespace

void catch_fatal_signals(void (*cleanup)(int signal)) {
  signal_cleanup = cleanup;
  if (caught)
    return;
  caught = true;
  struct sigaction action = {};
  action.sa_handler = clean_up_and_die;
  action.sa_mask = fatal_signal_set();
  for (int i = 0; i < n_fatal_signals; i++) {
    sigaction(fatal_signals[i], nullptr, &saved_actions[i]);
    if (saved_actions[i].sa_handler != SIG_IGN)
      sigaction(fatal_signals[i], &action, nullptr);
  }
}

void release_fatal_signals() {
  if (!caught)
    return;
  caught = false;
  for (int i = 0; i < n_fatal_signals; i++)
    sigaction(fatal_signals[i], &saved_actions[i], nullptr);
}

sigset_t hold_fatal_signals() {
  const sigset_t fatal = fatal_signal_set();
  sigset_t previous;
  sigprocmask(SIG_BLOCK, &fatal, &previous);
  return previous;
}

void allow_fatal_signals(const sigset_t &previous) { sigprocmask(SIG_SETMASK, &previous, nullptr); }
