// Unit tests of the QOR parser: the forms it accepts and what they build, syntax errors with
// their exact line, reading several files in one run, the nesting limit, long inputs and read
// errors.
#include "qor/qor_y.hh"

#include "qor_test_files.hh"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AcceptCase {
  const char *text;
  const char *messages;  // as describe_messages writes them
};

TEST(QorParser, AcceptedFormsBuildTheirMessages) {
  const AcceptCase cases[] = {
      {"a b", "a b - -\n"},
      {"a b a c", "a b - -\na c - -\n"},
      {"x y In: {1}", "x y {1} -\n"},
      {"x y Out: {1}", "x y - {1}\n"},
      {"x\ny In:\n{1,\n2} Out: {3} z w", "x y {1,2} {3}\nz w - -\n"},
      {"x y In: {#(1, 2)}", "x y {#(1,2)} -\n"},
      {"x y In: {#()}", "x y {#()} -\n"},
      // Any value may follow the keywords; the item kinds of sender and receiver are dropped.
      {"\"s\" 1.5 In: 'c' Out: #()", "\"s\" 1.5 'c' #()\n"},
      {"x y In: [t, [\"u\", {true, 0x1F, -3, A::B}]]",
       "x y [t, [\"u\", {true,0x1F,-3,interface A::B}]] -\n"},
      // A bare "(" is skipped, so "(1, 2)" is not a list.
      {"x y In: (1 z w", "x y 1 -\nz w - -\n"},
      // "Raises:" stands where "Out:" may, after "In:" or alone.
      {"x y Raises: {E::F, {\"r\"}}", "x y - - raises {interface E::F,{\"r\"}}\n"},
      {"x y In: {1} Raises: {E} z w", "x y {1} - raises {interface E}\nz w - -\n"},
      // A keyword followed by a letter is an identifier.
      {"x Raises:y", "x Raises:y - -\n"},
  };
  for (const AcceptCase &c : cases) {
    qormessage *messages = parse_text(c.text);
    EXPECT_EQ(qor, messages);
    EXPECT_EQ(c.messages, describe_messages(messages)) << "parsing: " << c.text;
    qorfree(messages);
  }
}

TEST(QorParser, ExampleFileBuildsTwoMessages) {
  FILE *f = fopen(QOR_FIXTURES "/deposit.qor", "r");
  ASSERT_NE(nullptr, f);
  qorfilename = "deposit.qor";
  qormessage *m = parse_qor_file(f);
  fclose(f);
  ASSERT_NE(nullptr, m);
  ASSERT_NE(nullptr, m->next);
  EXPECT_EQ(nullptr, m->next->next);

  EXPECT_STREQ("teller", m->sender->aschar());
  EXPECT_STREQ("acct::deposit", m->receiver->aschar());
  ASSERT_EQ(dcp_aggr, m->in.kind);
  const cp_aggr *in = dcp_aggr_of(m->in);
  EXPECT_EQ(cp_struct, in->aggr_kind);
  ASSERT_NE(nullptr, in->head);
  EXPECT_EQ(dcp_literal, in->head->val.kind);
  EXPECT_STREQ("100", dcp_text(in->head->val)->aschar());
  EXPECT_EQ(in->tail, in->head->next);
  EXPECT_STREQ("\"ref-1\"", dcp_text(in->tail->val)->aschar());
  EXPECT_EQ(nullptr, in->tail->next);
  EXPECT_EQ(dcp_none, m->out.kind);

  const qormessage *second = m->next;
  EXPECT_STREQ("acct::balance", second->receiver->aschar());
  EXPECT_EQ(dcp_none, second->in.kind);
  ASSERT_EQ(dcp_aggr, second->out.kind);
  const cp_aggr *out = dcp_aggr_of(second->out);
  ASSERT_EQ(dcp_aggr, out->head->val.kind);
  EXPECT_EQ(cp_sequence, dcp_aggr_of(out->head->val)->aggr_kind);
  ASSERT_EQ(dcp_union, out->tail->val.kind);
  const cp_union *receipt = dcp_union_of(out->tail->val);
  EXPECT_STREQ("ok", receipt->tag->aschar());
  EXPECT_EQ(dcp_interface, receipt->val.kind);
  EXPECT_STREQ("Bank::Receipt", dcp_text(receipt->val)->aschar());

  EXPECT_EQ("teller acct::deposit {100,\"ref-1\"} -\n"
            "teller acct::balance - {#(1,2),[ok, interface Bank::Receipt]}\n",
            describe_messages(m));
  qorfree(m);
}

struct LinesCase {
  const char *text;
  const char *lines;  // the line of each message, in file order
};

std::string lines_of(const qormessage *m) {
  std::string lines;
  for (; m; m = m->next)
    lines += (lines.empty() ? "" : " ") + std::to_string(m->line);
  return lines;
}

TEST(QorParser, EachMessageKnowsTheLineItStartsOn) {
  const LinesCase cases[] = {
      {"a b", "1"},
      {"a b a c", "1 1"},
      // The parser sees the end of a message only at the next one's sender, or at end of file.
      {"// two\n\nx y In: {1,\n2}\n\nz w Out: {3}\n\n", "3 6"},
      // A message whose parts stand on several lines starts where its sender stands.
      {"x\ny\nIn:\n{1}\nz\nw", "1 5"},
      {"\"s\"\n// c\n\"t\" a b", "1 3"},
  };
  for (const LinesCase &c : cases) {
    qormessage *messages = parse_text(c.text);
    EXPECT_EQ(c.lines, lines_of(messages)) << "parsing: " << c.text;
    qorfree(messages);
  }
}

struct RejectCase {
  const char *text;
  int line;  // where the error is reported
};

// The located line (its text checked in SyntaxErrorsSayWhatTheyMet), then the fatal one.
std::string syntax_error_at(const char *name, int line) {
  const std::string place = std::string(name) + ":" + std::to_string(line);
  return "^" + place + ": error: [^\n]*\nFatal Error: Syntax error in QOR file " +
         std::string(name) + " at line " + std::to_string(line) + "\n$";
}

TEST(QorParserDeathTest, SyntaxErrorsNameTheLineOfTheOffendingToken) {
  const RejectCase cases[] = {
      // At end of file the line is one past the last newline.
      {"", 1},
      {"\n\n", 3},
      {"a", 1},
      {"a b c\n", 2},
      {"x y In: {1\n\n", 3},
      {"x y In:", 1},
      // Out: before In:, an empty brace list, a bare "(" and its list's comma.
      {"x y Out: {1}\nIn: {2}", 2},
      {"x y In: {\n}", 2},
      {"x y In: (1\n, 2)", 2},
      {"x y In: {1,\n}", 2},
      // A union tag must be an item.
      {"x y In: {[\n{1}, 2]}", 2},
      {"x y In: {[t 1]}", 1},
      {"x y In: {1}}", 1},
      // "Raises:" and "Out:" exclude each other, and "Raises:" comes after "In:".
      {"x y Out: {1} Raises: {E}", 1},
      {"x y Raises: {E}\nIn: {1}", 2},
      // Comment and blank lines count.
      {"// one\n// two\nx y In: }", 3},
      {"// one\n\n  \nx y In: {1}\r\n// end\n{", 6},
  };
  for (const RejectCase &c : cases) {
    EXPECT_EXIT(parse_text(c.text, "bad.qor"), testing::ExitedWithCode(255),
                syntax_error_at("bad.qor", c.line))
        << "parsing: " << c.text;
  }
}

TEST(QorParserDeathTest, SyntaxErrorsSayWhatTheyMet) {
  EXPECT_EXIT(parse_text("x y Out: {1}\nIn: {2}", "bad.qor"), testing::ExitedWithCode(255),
              "^bad.qor:2: error: syntax error at `In:`\n");
  EXPECT_EXIT(parse_text("x y In: {\"a\", 1", "bad.qor"), testing::ExitedWithCode(255),
              "^bad.qor:1: error: the file ends before a whole message\n");
}

// Reads text through cspparse as its caller would, without releasing the scanner afterwards.
qormessage *parse_directly(const std::string &text, const char *name) {
  FILE *f = open_text(text);
  qorfilename = name;
  cspin = f;
  qor = nullptr;
  EXPECT_EQ(0, cspparse());
  fclose(f);
  return qor;
}

TEST(QorParserDeathTest, EachFileCountsItsLinesFromOne) {
  // The first file ends in the middle of a line, with the scanner at end of input.
  qormessage *first = parse_directly("// one\na b\nc d", "first.qor");
  EXPECT_EQ(3, lineno);
  qormessage *second = parse_directly("e f\n", "second.qor");
  EXPECT_EQ("e f - -\n", describe_messages(second));
  qorfree(first);
  qorfree(second);
  EXPECT_EXIT(
      {
        qorfree(parse_directly("a b\n\n\n", "first.qor"));
        parse_directly("a b\nc", "second.qor");
      },
      testing::ExitedWithCode(255), syntax_error_at("second.qor", 2));
}

std::string repeated(const std::string &text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i)
    result += text;
  return result;
}

// A "#(" list nested depth times around the integer 1.
std::string nested_value(int depth) { return repeated("#(", depth) + "1" + repeated(")", depth); }

TEST(QorParserDeathTest, NestingStopsWhereTheParseStackIsFull) {
  // The stack holds 10000 states: the message before the value and the innermost item take the
  // ones that the deepest accepted nesting leaves.
  const int deepest = 9993;
  qormessage *m = parse_text("x y In: " + nested_value(deepest));
  Dstr printed("");
  dcp2text(m->in, printed);
  EXPECT_EQ(nested_value(deepest), printed.aschar());
  qorfree(m);
  EXPECT_EXIT(parse_text("x y In: " + nested_value(deepest + 1), "deep.qor"), testing::ExitedWithCode(255),
              syntax_error_at("deep.qor", 1));
}

TEST(QorParser, LongListsLinesAndTokensAreReadWhole) {
  const std::string elements = repeated("1,", 1000000);
  const std::string messages = repeated("a b\n", 200000);
  const std::string huge(10 * 1024 * 1024, 'x');
  qormessage *m = parse_text("// " + huge + "\n\"" + huge + "\" " + huge + " In: {" + elements +
                             "2}\n" + messages);
  ASSERT_NE(nullptr, m);
  EXPECT_EQ(huge.size() + 2, m->sender->length());
  EXPECT_EQ(huge, m->receiver->aschar());
  int count = 0;
  for (const cp_aggr_node *node = dcp_aggr_of(m->in)->head; node; node = node->next)
    ++count;
  EXPECT_EQ(1000001, count);
  count = 0;
  for (const qormessage *n = m; n; n = n->next)
    ++count;
  EXPECT_EQ(200001, count);
  qorfree(m);
}

TEST(QorParserDeathTest, ReadErrorEndsTheRun) {
  EXPECT_EXIT(
      {
        FILE *directory = fopen(QOR_FIXTURES, "r");
        qorfilename = "dir.qor";
        parse_qor_file(directory);
      },
      testing::ExitedWithCode(255),
      "^dir.qor:1: error: cannot read it: Is a directory\n"
      "Fatal Error: can't read QOR file dir.qor: Is a directory\n$");
}

}  // namespace
