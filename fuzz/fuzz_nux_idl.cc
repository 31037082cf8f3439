// Fuzz target: an arbitrary NUX script compiled as the companion script of the bank example's
// IDL file, so that it can begin, end and name the server functions of a real tree.
#include <string>

#include "fuzz/ScriptCompilation.hh"

namespace {

std::string bank_idl;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  use_trace_binding();
  bank_idl = source_file("examples/bank/bank.idl");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  compile_idl_with_script(bank_idl, data, size);
  return 0;
}
