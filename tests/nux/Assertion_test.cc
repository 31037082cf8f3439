// Unit tests of the checks the compiler hands to the binding: an assertion's text as a string
// literal (quotes and backslashes escaped, absent parts left out), its condition made from the
// binding's placeholders for the two sides, and the parameter and expected value of a QOR check.
#include "nux/NUX.hh"

#include <gtest/gtest.h>

#include <string>

namespace {

class AssertionTest : public testing::Test {
protected:
  AssertionTest() : compiler(Dstr(TRACE_BINDING)) { compiler.activeFunction = &function; }

  // The value of variable in the trace line the last check emitted: the text between
  // "variable=<" and the "> " (or ">" and the line end) that starts the next variable.
  std::string value_of(const std::string &variable, const std::string &next) const {
    const std::string code = function.cc_code.aschar();
    const std::string opening = variable + "=<";
    const std::string::size_type start = code.find(opening) + opening.size();
    const std::string closing = next.empty() ? ">\n" : "> " + next + "=<";
    return code.substr(start, code.find(closing, start) - start);
  }

  void assert_line(const char *left, const char *op, const char *right,
                   const char *plusminus = nullptr, const char *tolerance = nullptr) {
    function.cc_code = "";
    compiler.do_assert(Dstr(left), Dstr(op), Dstr(right), Dstr(plusminus), Dstr(tolerance));
  }

  NUX compiler;
  Function function;
};

TEST_F(AssertionTest, TextIsALiteralOfTheAssertionAsWritten) {
  const struct {
    const char *left, *op, *right, *plusminus, *tolerance, *text;
  } cases[] = {
      {"g_n", "==", "3", nullptr, nullptr, "\"g_n == 3\""},
      {"g_x", "==", "2.5", "+-", "0.01", "\"g_x == 2.5 +- 0.01\""},
      {"g_s", "!=", "\"a\\b\"", nullptr, nullptr, "\"g_s != \\042a\\134b\\042\""},
      {"true", nullptr, nullptr, nullptr, nullptr, "\"true\""},
  };
  for (const auto &c : cases) {
    assert_line(c.left, c.op, c.right, c.plusminus, c.tolerance);
    EXPECT_EQ(c.text, value_of("assert_text", "assert_operator")) << c.text;
  }
}

// Each side is named by the binding's placeholder in the condition, and given as written
// beside it; the constant true stays itself and has no expected side.
TEST_F(AssertionTest, ConditionUsesThePlaceholdersOfTheSides) {
  const struct {
    const char *left, *op, *right, *condition, *actual, *expected;
  } cases[] = {
      {"g_n", "<", "10",
       "[cc.conditional.number] leftarg=<[cc.assert.actual]> rightarg=<[cc.assert.expected]> "
       "comparison=<<>\n",
       "g_n", "10"},
      {"g_m", "==", "make(1)",
       "[cc.conditional.qorassert] precision=<0.0> leftarg=<[cc.assert.actual]> "
       "rightarg=<[cc.assert.expected]>\n",
       "g_m", "make(1)"},
      {"true", nullptr, nullptr, "[cc.conditional.truism]\n", "true", ""},
  };
  for (const auto &c : cases) {
    assert_line(c.left, c.op, c.right);
    EXPECT_EQ(c.condition, value_of("condexp", "assert_text")) << c.left;
    EXPECT_EQ(c.actual, value_of("assert_actual", "assert_expected")) << c.left;
    EXPECT_EQ(c.expected, value_of("assert_expected", "")) << c.left;
  }
}

// Hundreds of strings put more double quotes in the text than template substitution would
// replace; every one of them is still escaped.
TEST_F(AssertionTest, TextWithManyStringsIsQuotedWhole) {
  std::string strings = "\"x\"";
  for (int i = 1; i < 600; ++i)
    strings += ",\"x\"";
  assert_line("g_s", "==", strings.c_str());
  const std::string text = value_of("assert_text", "assert_operator");
  size_t quotes = 0;
  for (size_t at = text.find("\\042"); at != std::string::npos; at = text.find("\\042", at + 1))
    ++quotes;
  EXPECT_EQ(1200u, quotes);
  EXPECT_EQ(text.size() - 1, text.find('"', 1)) << "only the literal's own quotes are bare";
}

TEST_F(AssertionTest, QorCheckNamesTheParameterAndItsExpectedValue) {
  function.cc_code = "";
  compiler.do_qor_check(Dstr("memo"), Dstr("made(\"salary\")"));
  EXPECT_STREQ("[cc.qor.check] leftarg=<memo> rightarg=<made(\"salary\")> precision=<1e-5>\n",
               function.cc_code.aschar());
}

}  // namespace
