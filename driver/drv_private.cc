// The driver's file table, compile-flag access and failure exit.
#include "driver/drv_private.hh"

#include <sys/wait.h>

#include <cassert>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "driver/drv_preproc.hh"
#include "frontend/utl_global.hh"

const char *const DRV_STDIN_NAME = "standard input";

const char *DRV_files[DRV_MAX_FILES];
int DRV_nfiles = 0;
int DRV_file_index = 0;

void DRV_push_file(const char *name) {
  if (DRV_nfiles >= DRV_MAX_FILES)
    DRV_fail(99, "%s: More than %d input files\n", DRV_prog_name(), DRV_MAX_FILES);
  DRV_files[DRV_nfiles++] = name;
}

void DRV_set_flag(long flag) { idl_global->set_compile_flags(idl_global->compile_flags() | flag); }

bool DRV_flag(long flag) { return (idl_global->compile_flags() & flag) != 0; }

const char *DRV_prog_name() { return idl_global->prog_name(); }

int DRV_wait_for(pid_t pid) {
  int status = 0;
  pid_t ended;
  while ((ended = waitpid(pid, &status, 0)) < 0 && errno == EINTR)
    ;
  // main leaves SIGCHLD at its default, so the child stays waitable.
  assert(ended == pid);
  return status;
}

void DRV_fail(int status, const char *format, ...) {
  va_list args;
  va_start(args, format);
  vfprintf(stderr, format, args);
  va_end(args);
  DRV_remove_temp_files();
  exit(status);
}
