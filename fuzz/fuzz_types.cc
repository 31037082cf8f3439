// Fuzz target: the reader of a binding's "types" file over arbitrary bytes, then lookups of
// every passing kind for kinds and predefined type names, which fill the translations found.
#include "foundation/Dstr.hh"
#include "foundation/Replacements.hh"
#include "fuzz/FuzzHarness.hh"
#include "idlgen/Types.hh"

namespace {

// Kinds the compiler asks for, with a type name; "NT_pre_defined" names a predefined type.
struct Lookup {
  const char *kind;
  const char *name;
};

const Lookup lookups[] = {
    {"NT_struct", "M::S"},         {"NT_struct_fixed", "S"},    {"NT_union", "U"},
    {"NT_union_fixed", "U"},       {"NT_sequence", "Seq"},      {"NT_array", "A"},
    {"NT_array_fixed", "A"},       {"NT_enum", "E"},            {"NT_string", "string"},
    {"NT_interface", "M::I"},      {"NT_interface_fwd", "I"},   {"environment", "local type"},
    {"NT_pre_defined", "long"},    {"NT_pre_defined", "unsigned long"},
    {"NT_pre_defined", "unsigned long long"},                   {"NT_pre_defined", "long long"},
    {"NT_pre_defined", "void"},    {"NT_pre_defined", "boolean"},
};

void read_and_look_up() {
  Replacements variables;
  Types types(Dstr(scratch_directory().c_str()), &variables);
  for (int pt = Types::ret; pt <= Types::inout; ++pt) {
    for (const Lookup &l : lookups)
      (void)types.mapType("sub", l.kind, l.name, static_cast<Types::parmtype>(pt), Dstr("base"));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  write_scratch_file("types", data, size);
  expect_status(run_until_exit(read_and_look_up), {returned_normally, 255}, "the type map");
  return 0;
}
