// ProcessState: what the back end keeps from one compilation to the next, for the whole
// process, as the design numbers things through the process; and BE_reset_process_state, the
// one call that gives a process the back-end state of one that has compiled nothing. nuxc
// compiles one input per process and never calls it; programs that compile several inputs in
// one process, such as the tests and the fuzz targets, call it between compilations.
#ifndef NUX_PROCESSSTATE_HH
#define NUX_PROCESSSTATE_HH

struct ProcessCounters {
  // Compilations so far; numbers each compilation's header guard (HEADER_CHECK).
  unsigned long compilations = 0;
  // "begin script" lines so far, those made from QOR files included; names each script's
  // counter (SCRIPTCOUNTER).
  unsigned int scripts = 0;
};

extern ProcessCounters processCounters;

// Numbers compilations and scripts from 0 again, makes the binding files be read anew, and
// drops the last deferred error message and the fixed-size answers about earlier trees. The
// compiler and the compilation kept from the last run are freed by the next compilation, and
// the front end starts anew with FE_new_global_state.
void BE_reset_process_state();

#endif
