// The back end's entry points, the only way the driver reaches the back end: the node factory
// for IDL mode, the main routine, the clean-up after front-end errors, the -Wb, texts, the
// version banner and the options the command line gives the back end.
#ifndef NUX_BE_EXTERN_HH
#define NUX_BE_EXTERN_HH

#include <cstdio>

class AST_Generator;

// What the command line asks of the back end; the driver sets it before BE_produce.
struct BE_Options {
  // The folder the outputs are written to (made if missing); null: beside the input.
  const char *outputDirectory = nullptr;
  // No progress lines on standard error (the binding used, the QOR files read, the functions
  // resolved and generated, the reminder of how to start a server); errors are always shown.
  bool quiet = false;
  // Line directives that point the generated code back at the script, where the binding has a
  // template for them (cc.line).
  bool lineDirectives = true;
};

// Creates the back end's node factory; exits 99 when it cannot.
AST_Generator *BE_init();
// Compiles the current input: the NUX script named in idl_global, or the parsed IDL tree.
void BE_produce();
// Removes the partly written output files.
void BE_abort();
// Receives the text after -Wb, on the command line; the back end takes no options.
void BE_prep_arg(const char *text, bool flag);
// Prints the back end's banner line on out.
void BE_version(FILE *out);
// The back end's options, which the driver fills.
BE_Options &BE_options();

#endif
