// Fuzz target: the QOR reader over arbitrary bytes, then the printed form of every value it
// read, and the freeing of the records. A syntax error ends the read with status 255.
#include <cstdio>

#include "foundation/Dstr.hh"
#include "fuzz/FuzzHarness.hh"
#include "qor/qor_struct.hh"
#include "qor/qor_y.hh"

namespace {

void read_print_free(FILE *file) {
  qormessage *messages = parse_qor_file(file);
  Dstr text("");
  for (qormessage *m = messages; m != nullptr; m = m->next) {
    dcp2text(m->in, text);
    dcp2text(m->out, text);
    dcp2text(m->raises, text);
  }
  qorfree(messages);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FILE *file = open_bytes(data, size);
  qorfilename = "fuzz.qor";
  const int status = run_until_exit([file] { read_print_free(file); });
  qor = nullptr;
  fclose(file);
  expect_status(status, {returned_normally, 255}, "the QOR reader");
  return 0;
}
