// Unit tests of the front end started as the tests and the fuzz targets start it: a text parsed
// from its first line, and each run started anew in the same process.
#include "frontend/fe_start.hh"

#include <gtest/gtest.h>

#include <string>

#include "frontend/utl_global.hh"

namespace {

// The messages of one whole run over text.
std::string messages_of_run(const std::string &text) {
  FE_start_run("t.idl");
  FE_start_tree();
  testing::internal::CaptureStderr();
  FE_parse_text(text.data(), text.size());
  return testing::internal::GetCapturedStderr();
}

TEST(FrontEndStart, EachRunParsesItsTextAnewFromLineOne) {
  const std::string text = "const long X = 1;\n"
                           "\n"
                           "const long X = 2;\n";
  const std::string first = messages_of_run(text);
  EXPECT_EQ("nuxc: \"t.idl\", line 3: redefinition after use, ::X, , ::X\n", first);
  EXPECT_EQ(first, messages_of_run(text)) << "the second run sees none of the first";
  EXPECT_EQ("", messages_of_run(""));
  EXPECT_EQ(0, idl_global->err_count());
}

}  // namespace
