// The command line of nuxc: options into idl_global and the preprocessor's argument vector,
// file names into the file table, and the usage and version texts.
#ifndef DRIVER_DRV_ARGS_HH
#define DRIVER_DRV_ARGS_HH

#include <cstdio>

// Reads the options and file names; an illegal option, or an option missing its value, ends the
// run with the usage text on standard error and status 99.
void DRV_parse_args(long argc, char **argv);
void DRV_usage(FILE *out);
// The driver's version line, then the back end's.
void DRV_version(FILE *out);

#endif
