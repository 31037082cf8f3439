// ProcessState: the process-wide counters of the back end and the reset of everything the back
// end keeps for the process.
#include "nux/ProcessState.hh"

#include "foundation/CodeGenerator.hh"
#include "foundation/IgnorableError.hh"
#include "idlgen/AST_Utils.hh"

ProcessCounters processCounters;

void BE_reset_process_state() {
  processCounters = ProcessCounters();
  CodeGenerator::forget_binding_files();
  ignerrmsg = Dstr();
  forget_fixed_sizes();
}
