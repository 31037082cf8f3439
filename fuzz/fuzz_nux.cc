// Fuzz target: an arbitrary NUX script compiled in NUX mode through the trace binding, the way
// nuxc compiles a single ".nux" file.
#include "fuzz/ScriptCompilation.hh"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  use_trace_binding();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  compile_nux_script(data, size);
  return 0;
}
