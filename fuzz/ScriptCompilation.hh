// ScriptCompilation: a whole compilation of the back end, as nuxc runs it for one input file,
// with the fuzz input as the NUX script. The outputs are written to the scratch directory; a
// failure must end with status 255 and leave no output behind.
#ifndef FUZZ_SCRIPTCOMPILATION_HH
#define FUZZ_SCRIPTCOMPILATION_HH

#include <cstddef>
#include <cstdint>
#include <string>

// Points NUXC_BINDING at the trace binding; called once, before the first compilation.
void use_trace_binding();

// Compiles the bytes as the script fuzz.nux in NUX mode.
void compile_nux_script(const uint8_t *data, size_t size);

// Parses idl (which must be free of errors) as fuzz.idl and compiles it with the bytes as its
// companion script fuzz.nux. extra names files of the scratch directory that the script may use
// and that are kept.
void compile_idl_with_script(const std::string &idl, const uint8_t *data, size_t size,
                             const std::string &extra = "");

// The text of a file of the source tree, named from its root; a missing file is a finding.
std::string source_file(const std::string &name);

#endif
