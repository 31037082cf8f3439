// Fuzz target: the "use" command. The bank example's server script, compiled against its IDL
// file, uses a QOR file of arbitrary bytes, which becomes the call scripts of the functions its
// messages name.
#include <string>

#include "fuzz/FuzzHarness.hh"
#include "fuzz/ScriptCompilation.hh"

namespace {

std::string bank_idl;
std::string bank_script;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  use_trace_binding();
  bank_idl = source_file("examples/bank/bank.idl");
  bank_script = source_file("examples/bank/bank.nux");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  write_scratch_file("bank.qor", data, size);
  compile_idl_with_script(bank_idl, reinterpret_cast<const uint8_t *>(bank_script.data()),
                          bank_script.size(), "bank.qor");
  return 0;
}
