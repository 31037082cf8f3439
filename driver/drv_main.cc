// Entry of nuxc: binds the front end and the back end, reads the command line, then prints the
// version or the usage, hands a single NUX script to the back end, or compiles IDL files.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/drv_args.hh"
#include "driver/drv_fork.hh"
#include "driver/drv_init.hh"
#include "driver/drv_link.hh"
#include "driver/drv_private.hh"
#include "frontend/utl_global.hh"
#include "nux/be_extern.hh"

// True for a name longer than ".nux" that ends in ".nux".
static bool is_nux_script(const char *name) {
  size_t length = strlen(name);
  return length > 4 && strcmp(name + length - 4, ".nux") == 0;
}

// Exits 0 once what was printed has been written; a version or usage text that could not be
// written is a failure.
[[noreturn]] static void exit_after_output() {
  if (fflush(stdout) != 0 || ferror(stdout)) {
    fprintf(stderr, "%s: can't write standard output\n", DRV_prog_name());
    exit(99);
  }
  exit(0);
}

int main(int argc, char **argv) {
  // The preprocessor and the per-file children must stay waitable even when nuxc was started
  // with SIGCHLD ignored.
  signal(SIGCHLD, SIG_DFL);
  DRV_FE_open();
  DRV_init();
  DRV_BE_open();
  DRV_parse_args(argc, argv);
  if (DRV_flag(FLAG_PRINT_VERSION | FLAG_SHOW_VERSION)) {
    DRV_version(DRV_flag(FLAG_PRINT_VERSION) ? stdout : stderr);
    exit_after_output();
  }
  if (DRV_flag(FLAG_SHOW_HELP | FLAG_SHOW_USAGE)) {
    DRV_usage(DRV_flag(FLAG_SHOW_HELP) ? stdout : stderr);
    exit_after_output();
  }
  DRV_BE_options().quiet = DRV_flag(FLAG_QUIET);
  DRV_BE_options().lineDirectives = !DRV_flag(FLAG_NO_LINE_DIRECTIVES);
  if (DRV_nfiles > 1)
    DRV_fork();
  if (DRV_nfiles == 0)
    DRV_push_file(DRV_STDIN_NAME);
  DRV_file_index = 0;
  const char *name = DRV_files[0];
  if (!is_nux_script(name))
    DRV_drive(name);
  // A NUX script goes straight to the back end; the front end stays uninitialised, and its null
  // tree root tells the back end that it compiles a script.
  idl_global->set_filename(DRV_FE_new_UTL_String(name));
  DRV_BE_produce();
  exit(0);
}
