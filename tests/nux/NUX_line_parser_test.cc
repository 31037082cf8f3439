// Unit tests of the NUX line parser: tables of script lines with the expected code, arguments
// and message; single lines each with a parser of its own, and the lines of an inline block
// in order through one parser.
#include "nux/NUX_line_parser.hh"

#include <gtest/gtest.h>

#include <string>

namespace {

// An argument as text, "(null)" for a null string, so that null and empty differ.
std::string shown(const char *s) { return s ? std::string("<") + s + ">" : "(null)"; }

std::string shown(const Dstr &s) { return shown(s.asrawchar()); }

struct Row {
  const char *line;
  int code;
  const char *args[6];
  const char *message;
};

// Parses the row's line with parser and compares code, arguments and message.
void expect_parsed(NUX_line_parser &parser, const Row &row) {
  Dstr a[6];
  for (Dstr &arg : a)
    arg = "stale";
  testing::internal::CaptureStderr();
  const int code = parser.parse(Dstr(row.line), a[0], a[1], a[2], a[3], a[4], a[5]);
  EXPECT_EQ(row.message, testing::internal::GetCapturedStderr()) << row.line;
  EXPECT_EQ(row.code, code) << row.line;
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(shown(row.args[i]), shown(a[i])) << row.line << ": a" << i + 1;
}

const char *const N = nullptr;

TEST(NUX_line_parser, ClassifiesEachLine) {
  const Row rows[] = {
      {"", nux_nothing, {N, N, N, N, N, N}, ""},
      {"   ", nux_nothing, {N, N, N, N, N, N}, ""},
      {"// just a comment", nux_nothing, {N, N, N, N, N, N}, ""},
      {"print \"Hello, world\"", nux_print, {" \"Hello, world\"", N, N, N, N, N}, ""},
      {"print \"a//b\"", nux_print, {" \"a", N, N, N, N, N}, ""},
      {"println", nux_println, {"", N, N, N, N, N}, ""},
      {"return x + 1 // done", nux_return, {" x + 1 ", N, N, N, N, N}, ""},
      {"inline x = a // b;", nux_inline, {" x = a // b;", N, N, N, N, N}, ""},
      {"inline", nux_inline, {"", N, N, N, N, N}, ""},
      {"set count count + 1 // next", nux_set, {"count", " count + 1 ", N, N, N, N}, ""},
      {"set x", nux_set, {"x", "", N, N, N, N}, ""},
      {"set", nux_set, {N, N, N, N, N, N}, ""},
      {"declare Bank::Account acct bank.hh hostA srv1 mk",
       nux_declare,
       {"Bank::Account", "acct", "bank.hh", "hostA", "srv1", "mk"},
       ""},
      {"declare a b c d e f g h", nux_declare, {"a", "b", "c", "d", "e", "f"}, ""},
      {"declare value long n // count", nux_declare, {"value", "long", "n", N, N, N}, ""},
      // A "//" inside the first word cuts the line there, and the word with it.
      {"fail//x y", nux_fail, {N, N, N, N, N, N}, ""},
      {"  \"a b//c\" d", nux_not_a_command, {N, N, N, N, N, N}, "Unrecognized NUX command: \"a b\n"},
      {"declare a b//c d", nux_declare, {"a", "b", N, N, N, N}, ""},
      {"if  name == \"John Smith\"", nux_if, {"name", "==", "\"John Smith\"", N, N, N}, ""},
      {"assert x == 2.5 +- 0.01", nux_assert, {"x", "==", "2.5", "+-", "0.01", N}, ""},
      {"while i < 10", nux_while, {"i", "<", "10", N, N, N}, ""},
      {"begin timedloop 30 extra", nux_begin_timedloop, {"timedloop", "30", "extra", N, N, N}, ""},
      {"begin test 7", nux_begin_test, {"test", "7", N, N, N, N}, ""},
      {"begin script", nux_begin_script, {"script", N, N, N, N, N}, ""},
      {"begin loop 3", nux_begin_loop, {"loop", "3", N, N, N, N}, ""},
      {"begin Bank::op", nux_begin_function, {"Bank::op", N, N, N, N, N}, ""},
      {"begin", nux_begin_function, {N, N, N, N, N, N}, ""},
      {"end Bank::op", nux_end_function, {"Bank::op", N, N, N, N, N}, ""},
      {"end", nux_end_function, {N, N, N, N, N, N}, ""},
      {"end try", nux_end_function, {"try", N, N, N, N, N}, ""},
      {"end inline", nux_end_function, {"inline", N, N, N, N, N}, ""},
      {"end if", nux_end_if, {"if", N, N, N, N, N}, ""},
      {"end script", nux_end_script, {"script", N, N, N, N, N}, ""},
      {"end test", nux_end_test, {"test", N, N, N, N, N}, ""},
      {"end timedloop", nux_end_timedloop, {"timedloop", N, N, N, N, N}, ""},
      {"end loop", nux_end_loop, {"loop", N, N, N, N, N}, ""},
      {"end while", nux_end_while, {"while", N, N, N, N, N}, ""},
      {"create acct", nux_create, {"acct", N, N, N, N, N}, ""},
      {"serve BankSrv", nux_serve, {"BankSrv", N, N, N, N, N}, ""},
      {"use \"calls file.qor\"", nux_use, {"\"calls file.qor\"", N, N, N, N, N}, ""},
      {"bind acct", nux_bind, {"acct", N, N, N, N, N}, ""},
      {"else", nux_else, {N, N, N, N, N, N}, ""},
      {"call 2", nux_call, {"2", N, N, N, N, N}, ""},
      {"default", nux_default, {N, N, N, N, N, N}, ""},
      {"catch e", nux_catch, {"e", N, N, N, N, N}, ""},
      {"try", nux_try, {N, N, N, N, N, N}, ""},
      {"fail", nux_fail, {N, N, N, N, N, N}, ""},
      {"nogo", nux_nogo, {N, N, N, N, N, N}, ""},
      {"read data.txt x", nux_read, {"data.txt", "x", N, N, N, N}, ""},
      {"fork 2", nux_fork, {"2", N, N, N, N, N}, ""},
      {"clearcounter", nux_clearcounter, {N, N, N, N, N, N}, ""},
      {"Print x", nux_not_a_command, {"x", N, N, N, N, N}, "Unrecognized NUX command: Print\n"},
      {"#include <x>", nux_not_a_command, {"<x>", N, N, N, N, N},
       "Unrecognized NUX command: #include\n"},
      {"print//x", nux_not_a_command, {N, N, N, N, N, N}, "Unrecognized NUX command: print\n"},
  };
  for (const Row &row : rows) {
    NUX_line_parser parser;
    expect_parsed(parser, row);
  }
}

TEST(NUX_line_parser, PassesAnInlineBlockThroughWhole) {
  const Row rows[] = {
      {"begin inline", nux_nothing, {"inline", N, N, N, N, N}, ""},
      {"  int i; // counter", nux_inline, {"  int i; // counter", N, N, N, N, N}, ""},
      {"", nux_inline, {"", N, N, N, N, N}, ""},
      {"begin inline", nux_inline, {"begin inline", N, N, N, N, N}, ""},
      {"end", nux_inline, {"end", N, N, N, N, N}, ""},
      {"end inlines", nux_inline, {"end inlines", N, N, N, N, N}, ""},
      {"Print x", nux_inline, {"Print x", N, N, N, N, N}, ""},
      {"end   inline  trailing words", nux_nothing, {N, N, N, N, N, N}, ""},
      {"fail", nux_fail, {N, N, N, N, N, N}, ""},
  };
  NUX_line_parser parser;
  for (const Row &row : rows)
    expect_parsed(parser, row);
}

// A block left open belongs to its parser: the next script starts outside any block.
TEST(NUX_line_parser, BlockLeftOpenEndsWithItsParser) {
  NUX_line_parser first;
  expect_parsed(first, {"begin inline", nux_nothing, {"inline", N, N, N, N, N}, ""});
  expect_parsed(first, {"fail", nux_inline, {"fail", N, N, N, N, N}, ""});
  NUX_line_parser next;
  expect_parsed(next, {"fail", nux_fail, {N, N, N, N, N, N}, ""});
}

}  // namespace
