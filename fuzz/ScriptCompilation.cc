// ScriptCompilation: BE_produce in either mode over the scratch directory, and the checks of
// its ending: the documented status, the outputs written on success and removed on failure.
#include "fuzz/ScriptCompilation.hh"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "frontend/fe_start.hh"
#include "frontend/utl_global.hh"
#include "fuzz/FuzzHarness.hh"
#include "nux/ProcessState.hh"
#include "nux/be_extern.hh"

namespace {

void expect_file(const std::string &name) {
  if (!std::ifstream(scratch_directory() + name))
    finding("a successful compilation did not write " + name);
}

// Runs the back end, in the state of a process that has compiled nothing, so that a finding
// reproduces from its input alone; checks how it ended. The scratch directory keeps only the
// inputs.
void produce(const std::string &outputBase, std::initializer_list<std::string> inputs) {
  BE_reset_process_state();
  const int status = run_until_exit(BE_produce);
  expect_status(status, {returned_normally, 255}, "nuxc");
  if (status == returned_normally) {
    expect_file(outputBase + ".cc");
    expect_file(outputBase + ".hh");
  } else {
    expect_only_files(inputs, "a failed compilation");
  }
  clear_scratch_except(inputs);
}

}  // namespace

void use_trace_binding() { setenv("NUXC_BINDING", FUZZ_SOURCE_DIR "/bindings/trace", 1); }

void compile_nux_script(const uint8_t *data, size_t size) {
  write_scratch_file("fuzz.nux", data, size);
  FE_start_run("fuzz.nux");
  produce("fuzz", {"fuzz.nux"});
}

void compile_idl_with_script(const std::string &idl, const uint8_t *data, size_t size,
                             const std::string &extra) {
  write_scratch_file("fuzz.nux", data, size);
  FE_start_run("fuzz.idl");
  FE_start_tree();
  FE_parse_text(idl.data(), idl.size());
  if (idl_global->err_count() > 0)
    finding("the IDL text of the target has errors");
  if (extra.empty())
    produce("fuzz_i", {"fuzz.nux"});
  else
    produce("fuzz_i", {"fuzz.nux", extra});
}

std::string source_file(const std::string &name) {
  std::ifstream in(FUZZ_SOURCE_DIR "/" + name, std::ios::binary);
  if (!in)
    finding("cannot read " + name);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
