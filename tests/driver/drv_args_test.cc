// Options whose value is missing: each value option at the end of the command line stops the
// run with status 99, a message naming the option and the usage text.
#include "tests/driver/drv_test_command_line.hh"

#include <gtest/gtest.h>

struct MissingValue {
  const char *option;
  const char *message;
};

static void PrintTo(const MissingValue &m, std::ostream *out) { *out << m.option; }

class MissingValueTest : public testing::TestWithParam<MissingValue> {};

TEST_P(MissingValueTest, ExitsWith99) {
  const MissingValue &c = GetParam();
  CommandLine line({"a.idl", c.option});
  EXPECT_EXIT(line.parse(), testing::ExitedWithCode(99), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Options, MissingValueTest,
    testing::Values(MissingValue{"-D", "^IDL: missing argument after '-D' flag\nnuxc: usage: "},
                    MissingValue{"-I", "^IDL: missing argument after '-I' flag\nnuxc: usage: "},
                    MissingValue{"-U", "^IDL: missing argument after '-U' flag\nnuxc: usage: "},
                    MissingValue{"-W", "^IDL: missing argument after '-W' flag\nnuxc: usage: "},
                    MissingValue{"-Y", "^IDL: missing argument after '-Y' flag\nnuxc: usage: "},
                    MissingValue{"-b", "^IDL: missing argument after '-b' flag\nnuxc: usage: "},
                    MissingValue{"-o", "^IDL: missing argument after '-o' flag\nnuxc: usage: "},
                    MissingValue{"-A", "^IDL: missing argument after '-A' flag\nnuxc: usage: "}));
