// Compilation of IDL files: one file in this process (DRV_drive), or each file of the table in
// a child process of its own, one after another (DRV_fork). Both end the process.
#ifndef DRIVER_DRV_FORK_HH
#define DRIVER_DRV_FORK_HH

// Preprocesses, parses and hands the file to the back end; exits with the front end's error
// count, or 0.
[[noreturn]] void DRV_drive(const char *name);
// Compiles every file of the table, stopping at the first that fails; exits with its status.
[[noreturn]] void DRV_fork();

#endif
