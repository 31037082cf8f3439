// Unit tests of the reported comparison of a QOR value: the quoted test line with the value's
// printed form, its double quotes written as \042, and the actual value, which only a literal
// can show.
#include "nux/NUX.hh"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "qor/qor_y.hh"

namespace {

class QORAssertTest : public testing::Test {
protected:
  QORAssertTest() : compiler(Dstr(TRACE_BINDING)) { compiler.activeFunction = &function; }

  ~QORAssertTest() override { qorfree(messages); }

  // The "In:" value of a message "a b In: " + value.
  dcp_val value(const std::string &text) {
    const std::string message = "a b In: " + text;
    qorfilename = "t.qor";
    FILE *file = fmemopen(const_cast<char *>(message.data()), message.size(), "r");
    qorfree(messages);
    messages = parse_qor_file(file);
    fclose(file);
    return messages->in;
  }

  // The VALUE of the test line and of the actual value that the assertion prints.
  std::pair<std::string, std::string> asserted(const char *name, const std::string &text) {
    function.cc_code = "";
    compiler.do_assert(Dstr(name), Dstr("expected"), value(text));
    std::string values[3];
    const char *line = function.cc_code.aschar();
    for (std::string &v : values) {
      const char *start = strstr(line, "value=<") + strlen("value=<");
      line = strchr(line, '\n') + 1;
      v.assign(start, line - start - 2);
    }
    return {values[0], values[2]};
  }

  NUX compiler;
  Function function;
  qormessage *messages = nullptr;
};

TEST_F(QORAssertTest, TestLineQuotesTheValueAndOnlyLiteralsShowTheirActualValue) {
  const struct {
    const char *name, *value, *testLine, *actual;
  } cases[] = {
      {"ref", "\"A1\"", "\"Testing assertion ref == \\042A1\\042 (+- 1e-5, if applicable)\"",
       "ref"},
      {"n", "-5", "\"Testing assertion n == -5 (+- 1e-5, if applicable)\"", "n"},
      {"r", "Bank::Account",
       "\"Testing assertion r == interface Bank::Account (+- 1e-5, if applicable)\"",
       "\"[non-printable]\""},
      {"u", "[ok, 'c']", "\"Testing assertion u == [ok, 'c'] (+- 1e-5, if applicable)\"",
       "\"[non-printable]\""},
      {"s", "{1, \"a\", #()}",
       "\"Testing assertion s == {1,\\042a\\042,#()} (+- 1e-5, if applicable)\"",
       "\"[non-printable]\""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(std::make_pair(std::string(c.testLine), std::string(c.actual)),
              asserted(c.name, c.value))
        << c.value;
}

// Hundreds of strings put more double quotes in the test line than template substitution
// would replace; every one of them is still written as \042.
TEST_F(QORAssertTest, ValueWithManyStringsIsQuotedWhole) {
  std::string strings = "\"x\"";
  for (int i = 1; i < 600; ++i)
    strings += ", \"x\"";
  const std::string line = asserted("s", "{#(" + strings + ")}").first;
  size_t quotes = 0;
  for (size_t at = line.find("\\042"); at != std::string::npos; at = line.find("\\042", at + 1))
    ++quotes;
  EXPECT_EQ(1200u, quotes);
}

}  // namespace
