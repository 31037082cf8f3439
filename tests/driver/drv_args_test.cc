// Options whose value is missing: each value option at the end of the command line stops the
// run with status 99, all but -A with a message naming the option.
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
    testing::Values(MissingValue{"-D", "^IDL: missing argument after '-D' flag\n$"},
                    MissingValue{"-I", "^IDL: missing argument after '-I' flag\n$"},
                    MissingValue{"-U", "^IDL: missing argument after '-U' flag\n$"},
                    MissingValue{"-W", "^IDL: missing argument after '-W' flag\n$"},
                    MissingValue{"-Y", "^IDL: missing argument after '-Y' flag\n$"},
                    MissingValue{"-b", "^IDL: missing argument after '-b' flag\n$"},
                    MissingValue{"-A", "^$"}));
