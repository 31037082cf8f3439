// Helpers of the QOR reader tests: texts become temporary files read by the real reader.
#include "qor_test_files.hh"

#include "qor/qor_y.hh"

#include <gtest/gtest.h>

FILE *open_text(const std::string &text) {
  FILE *f = tmpfile();
  EXPECT_NE(nullptr, f);
  EXPECT_EQ(text.size(), fwrite(text.data(), 1, text.size(), f));
  rewind(f);
  return f;
}

qormessage *parse_text(const std::string &text, const char *name) {
  FILE *f = open_text(text);
  qorfilename = name;
  qormessage *messages = parse_qor_file(f);
  fclose(f);
  return messages;
}

namespace {

std::string printed(dcp_val v) {
  if (v.kind == dcp_none)
    return "-";
  Dstr text("");
  dcp2text(v, text);
  return text.aschar();
}

}  // namespace

std::string describe_messages(const qormessage *m) {
  std::string description;
  for (; m; m = m->next) {
    description += std::string(m->sender->aschar()) + " " + m->receiver->aschar() + " " +
                   printed(m->in) + " " + printed(m->out);
    if (m->raises.kind != dcp_none)
      description += " raises " + printed(m->raises);
    description += "\n";
  }
  return description;
}
