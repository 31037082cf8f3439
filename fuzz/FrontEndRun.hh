// FrontEndRun: the IDL front end set up as the driver sets it up for one file, reading text
// from memory instead of the preprocessor's output. Shared by the front-end target and the
// targets that compile a script against an IDL tree.
#ifndef FUZZ_FRONTENDRUN_HH
#define FUZZ_FRONTENDRUN_HH

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Makes idl_global as the driver's start-up makes it, with name as the input file's names.
void start_global_state(const char *name);

// Gives idl_global and the front end the start-up state of a new file named name (the parse
// of an earlier input leaves them changed) and makes the bytes the lexer's input. The returned
// stream is the caller's to close after the parse.
FILE *start_front_end(const char *name, const uint8_t *data, size_t size);

#endif
