// The driver's own state and failure exit: the compile flags kept in idl_global, the table of
// input files in command-line order, and the exit that removes the preprocessor's temporary
// files on the way out.
#ifndef DRIVER_DRV_PRIVATE_HH
#define DRIVER_DRV_PRIVATE_HH

#include <sys/types.h>

// Bits of idl_global->compile_flags().
const long FLAG_SHOW_VERSION = 1;
const long FLAG_DUMP_TREE = 2;
const long FLAG_PREPROCESS_ONLY = 4;
const long FLAG_SHOW_USAGE = 8;
const long FLAG_TRACE = 16;
const long FLAG_NO_WARNINGS = 32;
const long FLAG_QUIET = 64;
const long FLAG_NO_LINE_DIRECTIVES = 128;
// -h and --help, and --version: the usage text and the version on standard output.
const long FLAG_SHOW_HELP = 256;
const long FLAG_PRINT_VERSION = 512;

// The most input files one run takes.
const int DRV_MAX_FILES = 1024;
// The name under which standard input is handled as an input file.
extern const char *const DRV_STDIN_NAME;

extern const char *DRV_files[DRV_MAX_FILES];
extern int DRV_nfiles;
extern int DRV_file_index;

// Appends a name to the file table; past its limit the run stops with status 99.
void DRV_push_file(const char *name);
void DRV_set_flag(long flag);
bool DRV_flag(long flag);
// The program name as the command line gave it, the head of most driver messages.
const char *DRV_prog_name();

// Waits until the child ends and returns its wait status.
int DRV_wait_for(pid_t pid);

// Writes the formatted message to standard error, removes the preprocessor's temporary files
// if they exist, and exits with the status.
[[noreturn]] void DRV_fail(int status, const char *format, ...)
    __attribute__((format(printf, 2, 3)));

#endif
