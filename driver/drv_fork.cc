// The driver's IDL path: DRV_drive runs the stages of one file (preprocessing, front-end start,
// parse, error check, back end), DRV_fork runs DRV_drive in one child per file and passes on to
// it a signal that ends the run.
#include "driver/drv_fork.hh"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "driver/drv_link.hh"
#include "driver/drv_preproc.hh"
#include "driver/drv_private.hh"
#include "foundation/FatalSignals.hh"
#include "frontend/ast_module.hh"
#include "frontend/utl_global.hh"

// The highest exit status; an error count above it would wrap around, 256 errors to success.
static const int max_status = 255;

// With -v, names the stage about to start.
static void trace(const char *stage, const char *name) {
  if (DRV_flag(FLAG_TRACE))
    fprintf(stderr, "%s: %s %s\n", DRV_prog_name(), stage, name);
}

// IDL mode names the companion script and the outputs after the IDL file, so text from standard
// input, which has no name, can only be preprocessed.
static void require_a_name(const char *name) {
  if (strcmp(name, DRV_STDIN_NAME) == 0 && !DRV_flag(FLAG_PREPROCESS_ONLY))
    DRV_fail(99,
             "%s: %s: IDL from standard input can only be preprocessed (-E): a compilation "
             "needs the IDL file's name for its companion script and its outputs\n",
             DRV_prog_name(), name);
}

void DRV_drive(const char *name) {
  require_a_name(name);
  trace("preprocessing", name);
  DRV_pre_proc(name);
  DRV_FE_init_stage1();
  // The root is created through the back end's node factory, so it is installed first.
  idl_global->set_gen(DRV_BE_init());
  DRV_FE_init_stage2();
  trace("parsing", name);
  DRV_FE_yyparse();
  long errors = idl_global->err_count();
  if (errors > 0) {
    fprintf(stderr, "%s: %s: found %ld error%s\n", DRV_prog_name(), name, errors,
            errors > 1 ? "s" : "");
    DRV_BE_abort();
    exit(errors < max_status ? int(errors) : max_status);
  }
  if (DRV_flag(FLAG_DUMP_TREE)) {
    trace("dump", name);
    fprintf(stderr, "Dump of AST:\n");
    idl_global->root()->dump(std::cerr);
  }
  trace("BE processing on", name);
  DRV_BE_produce();
  exit(0);
}

// The child compiling the current file, 0 while none runs; read by the signal handler.
static volatile pid_t running_child = 0;

// A run of several files ended by a signal hands it to the running child, whose own clean-up
// removes what it made, and waits for that child to end before ending by the same signal.
static void stop_running_child(int sig) {
  const pid_t child = running_child;
  if (child <= 0)
    return;
  kill(child, sig);
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR)
    ;
}

// Starts the child that compiles the file. The fatal signals are held meanwhile, so that the
// handler always knows the child, and the child starts with the actions nuxc was started with.
static pid_t start_child(const char *name) {
  fflush(stdout);
  const sigset_t previous = hold_fatal_signals();
  const pid_t pid = fork();
  if (pid == 0) {
    release_fatal_signals();
    allow_fatal_signals(previous);
    DRV_drive(name);
  }
  running_child = pid > 0 ? pid : 0;
  allow_fatal_signals(previous);
  if (pid < 0) {
    fprintf(stderr, "IDL: fork failed\n");
    exit(99);
  }
  return pid;
}

void DRV_fork() {
  catch_fatal_signals(stop_running_child);
  for (DRV_file_index = 0; DRV_file_index < DRV_nfiles; DRV_file_index++) {
    const char *name = DRV_files[DRV_file_index];
    const int status = DRV_wait_for(start_child(name));
    running_child = 0;
    if (WIFSIGNALED(status)) {
      fprintf(stderr, "%s: %s: killed by signal %d\n", DRV_prog_name(), name, WTERMSIG(status));
      exit(128 + WTERMSIG(status));
    }
    if (WEXITSTATUS(status) != 0)
      exit(WEXITSTATUS(status));
  }
  exit(0);
}
