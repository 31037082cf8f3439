// Creation of the front end's global state idl_global with the values it holds before the
// command line is read.
#ifndef DRIVER_DRV_INIT_HH
#define DRIVER_DRV_INIT_HH

// Room of the -A escape buffer, the terminating null included.
const int DRV_ESCAPES_SIZE = 1024;

// Needs the front-end table (DRV_FE_open) for the error reporter and the indenter.
void DRV_init();

#endif
