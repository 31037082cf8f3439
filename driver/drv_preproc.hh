// The preprocessor invocation: the argument vector, built while the command line is read, and
// the run of one IDL file through the preprocessor in a child process, from a copy in a private
// temporary folder to a second file there whose open stream becomes the lexer's input.
#ifndef DRIVER_DRV_PREPROC_HH
#define DRIVER_DRV_PREPROC_HH

#include <cstdio>

// The most entries of the argument vector: program, fixed arguments, user options, input.
const int DRV_MAX_CPP_ARGS = 128;
// The longest text one -Wp, option passes, its commas removed.
const int DRV_MAX_CPP_ARG_TEXT = 511;
// The most bytes of an IDL input, and of what the preprocessor makes of it: 64 MB, so that a
// path such as /dev/zero or an endless preprocessor cannot fill the temporary folder's disk.
const long DRV_MAX_IDL_BYTES = 64L << 20;

// Starts the vector with the preprocessor's path and "-E", "-DIDL", "-I.".
void DRV_cpp_init();
// Appends one argument; the text is not copied. A 129th entry stops the run with status 99.
void DRV_cpp_putarg(const char *arg);
// Replaces the preprocessor's path (entry 0).
void DRV_cpp_new_location(const char *path);
// Appends the text of a -Wp, option as one argument: its comma-separated pieces joined with
// nothing between them.
void DRV_prep_cpp_arg(const char *text);

// The part of a path after its last "/"; null for null.
const char *DRV_stripped_name(const char *path);
// Copies in (whose name messages give as shown) to copy unchanged, ending a last line that lacks
// one with a newline, and closes copy; an input larger than DRV_MAX_IDL_BYTES, or a read or write
// failure, stops the run with status 99.
void DRV_copy_input(FILE *in, const char *shown, FILE *copy, const char *copy_name);

// Preprocesses the named file ("standard input" reads standard input), records the file names
// in idl_global and hands the output to the lexer; with -E writes the output to standard output
// and exits 0. Returns only on success; every failure exits with the temporary files removed.
void DRV_pre_proc(const char *name);

// Removes whichever temporary files, and the folder, exist. Safe to call from a signal handler.
void DRV_remove_temp_files();

#endif
