// The command line of nuxc: options into idl_global and the preprocessor's argument vector,
// file names into the file table, and the usage and version texts.
#ifndef DRIVER_DRV_ARGS_HH
#define DRIVER_DRV_ARGS_HH

void DRV_parse_args(long argc, char **argv);
void DRV_usage();
void DRV_version();

#endif
