// Unit tests of the lexer: tokens and their values, literal and escape conversion, line
// markers, pragma lines, the end of input at a NUL byte and the scanner's limits.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "fe_test_setup.hh"
#include "frontend/ast_fixed_value.hh"
#include "frontend/fe_extern.hh"
#include "frontend/fe_lexer.hh"
#include "frontend/idl_y.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"

namespace {

class LexerTest : public FrontEndTest {
protected:
  void TearDown() override {
    if (input != nullptr)
      std::fclose(input);
  }

  // Makes the lexer read text.
  void read_from(const std::string &text) {
    source = text;
    input = fmemopen(&source[0], source.size(), "r");
    FE_set_yyin(input);
  }

  // The token codes of the whole input.
  std::vector<int> tokens_of(const std::string &text) {
    read_from(text);
    std::vector<int> tokens;
    for (int t; (t = yylex()) != 0;)
      tokens.push_back(t);
    return tokens;
  }

  std::string source;
  FILE *input = nullptr;
};

TEST_F(LexerTest, KeywordsAndIdentifiers) {
  EXPECT_EQ((std::vector<int>{MODULE, IDENTIFIER, IDENTIFIER, IDENTIFIER, TRUETOK, FALSETOK,
                              WIDE_CHAR, WCHAR, WSTRING, IDENTIFIER, IDENTIFIER, IN, INOUT}),
            tokens_of("module Module modulex True TRUE FALSE wchar wchar_t wstring_t any _x in "
                      "inout"));
}

TEST_F(LexerTest, TheWordsOfCorba3AreKeywords) {
  EXPECT_EQ((std::vector<int>{WIDE_CHAR, WIDE_STRING, ABSTRACT, LOCAL, VALUETYPE, CUSTOM,
                              TRUNCATABLE, SUPPORTS, PUBLIC, PRIVATE, FACTORY, NATIVE, FIXED,
                              VALUEBASE, GETRAISES, SETRAISES, TYPEID, TYPEPREFIX, IMPORT,
                              IDENTIFIER, IDENTIFIER}),
            tokens_of("wchar wstring abstract local valuetype custom truncatable supports public "
                      "private factory native fixed ValueBase getraises setraises typeid "
                      "typeprefix import Local valuebase"));
}

TEST_F(LexerTest, EscapedIdentifiersLoseTheirUnderscore) {
  read_from("_supports _module _Ab_1 _ _1");
  for (const char *name : {"supports", "module", "Ab_1"}) {
    ASSERT_EQ(IDENTIFIER, yylex()) << name;
    EXPECT_STREQ(name, yylval.strval);
  }
  EXPECT_EQ('_', yylex()) << "an underscore alone escapes nothing";
  EXPECT_EQ('_', yylex());
  EXPECT_EQ(INTEGER_LITERAL, yylex());
}

TEST_F(LexerTest, LiteralsAndTheirValues) {
  read_from("0x 0x1F 017 08 1.5e3 .5 'a' '\\n' '\\012' '\\'' ''' \"a\\\"b\"");
  const struct {
    int token;
    double value;
  } expected[] = {
      {INTEGER_LITERAL, 0}, {IDENTIFIER, 0},   {INTEGER_LITERAL, 31}, {INTEGER_LITERAL, 15},
      {INTEGER_LITERAL, 0}, {INTEGER_LITERAL, 8}, {FLOATING_PT_LITERAL, 1500}, {'.', 0},
      {INTEGER_LITERAL, 5}, {CHARACTER_LITERAL, 'a'}, {CHARACTER_LITERAL, 10},
      {CHARACTER_LITERAL, 10}, {CHARACTER_LITERAL, '\''}, {CHARACTER_LITERAL, '\''},
  };
  for (const auto &e : expected) {
    ASSERT_EQ(e.token, yylex());
    if (e.token == INTEGER_LITERAL) {
      EXPECT_EQ(e.value, yylval.ival);
    } else if (e.token == FLOATING_PT_LITERAL) {
      EXPECT_EQ(e.value, yylval.dval);
    } else if (e.token == CHARACTER_LITERAL) {
      EXPECT_EQ(e.value, yylval.cval);
    }
  }
  ASSERT_EQ(STRING_LITERAL, yylex());
  EXPECT_STREQ("a\\", yylval.sval->get_string()) << "a backslash does not escape the quote";
  EXPECT_EQ(IDENTIFIER, yylex());
  EXPECT_EQ('"', yylex());
  EXPECT_EQ(0, yylex());
}

TEST_F(LexerTest, WideFixedAndLargeIntegerLiterals) {
  read_from("L'x' L'\\u00e9' L'\\101' L'\xc3\xa9' L\"a\\u0041\\n\" L\"\\\"q\" "
            "12.50d .5D 7d 4294967295 4294967296 18446744073709551616 L 5 d");
  for (long code : {long{'x'}, 0xE9L, long{'A'}, 0xE9L}) {
    ASSERT_EQ(WIDE_CHARACTER_LITERAL, yylex()) << code;
    EXPECT_EQ(code, yylval.ival);
  }
  for (const char *text : {"aA\n", "\"q"}) {
    ASSERT_EQ(WIDE_STRING_LITERAL, yylex()) << text;
    EXPECT_STREQ(text, yylval.sval->get_string());
  }
  for (const char *value : {"12.5d", "0.5d", "7d"}) {
    ASSERT_EQ(FIXED_PT_LITERAL, yylex()) << value;
    std::ostringstream o;
    yylval.fxval->dump(o);
    EXPECT_EQ(value, o.str());
  }
  ASSERT_EQ(INTEGER_LITERAL, yylex()) << "32 bits still make an integer literal";
  EXPECT_EQ(-1, yylval.ival);
  ASSERT_EQ(WIDE_INTEGER_LITERAL, yylex());
  EXPECT_EQ(4294967296ULL, yylval.wival->value);
  EXPECT_FALSE(yylval.wival->beyond_64_bits);
  ASSERT_EQ(WIDE_INTEGER_LITERAL, yylex());
  EXPECT_EQ(0ULL, yylval.wival->value) << "the low 64 bits";
  EXPECT_TRUE(yylval.wival->beyond_64_bits);
  EXPECT_EQ(IDENTIFIER, yylex()) << "L alone is an identifier";
  EXPECT_EQ(INTEGER_LITERAL, yylex());
  EXPECT_EQ(IDENTIFIER, yylex()) << "a blank ends a literal before d";
  EXPECT_EQ(0, yylex());
}

TEST_F(LexerTest, NumberConversions) {
  const struct {
    const char *text;
    long base;
    long value;
  } integers[] = {{"1234", 10, 1234}, {"0x1f", 16, 31}, {"0XFF", 16, 255}, {"0777", 8, 511},
                  {"0", 8, 0},        {"-12", 10, -12}, {"4294967295", 10, -1},
                  {"2147483648", 10, -2147483647 - 1}};
  for (const auto &i : integers)
    EXPECT_EQ(i.value, idl_atoi(i.text, i.base)) << i.text;

  const struct {
    const char *text;
    double value;
  } reals[] = {{"2.5", 2.5}, {"1e3", 1000}, {"1.E2f", 100}, {"-4.25e-2", -0.0425}, {"7.", 7}};
  for (const auto &r : reals)
    EXPECT_DOUBLE_EQ(r.value, idl_atof(r.text)) << r.text;
  EXPECT_EQ(HUGE_VAL, idl_atof("1e999999999999999999"));
  EXPECT_EQ(0.0, idl_atof("1e-999999999999999999"));
}

TEST_F(LexerTest, EscapeValues) {
  const struct {
    const char *text;
    int value;
  } escapes[] = {{"\\n", 10}, {"\\t", 9},   {"\\v", 11}, {"\\b", 8},     {"\\r", 13},
                 {"\\f", 12}, {"\\a", 7},   {"\\\\", '\\'}, {"\\?", '?'}, {"\\'", '\''},
                 {"\\\"", '"'}, {"\\101", 'A'}, {"\\0", 0}, {"\\x", 0}, {"\\x41", 'A'},
                 {"\\z", 'z'}};
  for (const auto &e : escapes)
    EXPECT_EQ(e.value, idl_escape_reader(e.text)) << e.text;
}

TEST_F(LexerTest, LineMarkersSetPositionAndMainFile) {
  idl_global->set_real_filename(new UTL_String("/tmp/idli_abc.cc"));
  read_from("# 7 \"/tmp/idli_abc.cc\"\n"
            "a\n"
            "# 1 \"/usr/include/stdc-predef.h\" 1 3 4\n"
            "b\n"
            "# 12\n"
            "c\n"
            "# 1\"x\"\n"
            "# 3 \"\"\n"
            "d\n");
  ASSERT_EQ(IDENTIFIER, yylex());
  EXPECT_EQ(7, idl_global->lineno());
  EXPECT_TRUE(idl_global->in_main_file());
  ASSERT_EQ(IDENTIFIER, yylex());
  EXPECT_EQ(1, idl_global->lineno());
  EXPECT_FALSE(idl_global->in_main_file());
  EXPECT_STREQ("/usr/include/stdc-predef.h", idl_global->filename()->get_string());
  ASSERT_EQ(IDENTIFIER, yylex());
  EXPECT_EQ(12, idl_global->lineno());
  EXPECT_STREQ("/usr/include/stdc-predef.h", idl_global->filename()->get_string());
  EXPECT_EQ('#', yylex()) << "a marker needs a blank between number and name";
  EXPECT_EQ(INTEGER_LITERAL, yylex());
  EXPECT_EQ(STRING_LITERAL, yylex());
  ASSERT_EQ(IDENTIFIER, yylex());
  EXPECT_EQ(3, idl_global->lineno());
  EXPECT_STREQ("standard input", idl_global->filename()->get_string());
  ASSERT_EQ(2u, idl_global->n_include_file_names());
  EXPECT_STREQ("stdc-predef.h", idl_global->include_file_names()[0]->get_string());
  EXPECT_EQ((std::set<std::string>{"/usr/include/stdc-predef.h", "standard input"}),
            idl_global->read_files());
}

TEST_F(LexerTest, PragmasSwitchImportOrWaitForTheNextDeclaration) {
  std::string long_text = "ID Some::Name \"IDL:" + std::string(150, 'x') + ":1.0\"";
  EXPECT_EQ((std::vector<int>{IDENTIFIER}), tokens_of("#pragma include\n"
                                                      "#pragma prefix \"x\"\n"
                                                      "#  pragma\t" + long_text + "\n"
                                                      "a\n"));
  EXPECT_FALSE(idl_global->import());
  EXPECT_EQ(7, idl_global->lineno());
  UTL_StrList *pending = idl_global->pragmas();
  ASSERT_NE(nullptr, pending);
  ASSERT_EQ(2, pending->length());
  EXPECT_STREQ("prefix \"x\"", pending->head()->get_string());
  EXPECT_EQ(long_text, pending->last_component()->get_string()) << "kept whole";

  tokens_of("#pragma import\n");
  EXPECT_TRUE(idl_global->import());
}

TEST_F(LexerTest, CommentsAndNulEndInput) {
  idl_global->set_lineno(1);
  EXPECT_EQ((std::vector<int>{IDENTIFIER, IDENTIFIER}),
            tokens_of(std::string("a /* one\ntwo\n */ b // rest\n\0c d", 31)));
  EXPECT_EQ(2, idl_global->lineno()) << "only the newline of the // comment counts";
}

// A match that keeps the scanner's buffer growing past half a gigabyte (as a block comment,
// which has no length limit, could) ends the run like a token over the limit, before flex's int
// buffer sizes overflow; so does any failure of the scanner itself.
TEST_F(LexerTest, ScannerLimitsEndTheRunWithStatusOne) {
  char buffer[16];
  EXPECT_EXIT(idl_read_input(buffer, sizeof buffer, INT_MAX / 2 + 1L),
              testing::ExitedWithCode(1), "");
  EXPECT_EXIT(idl_scanner_failure("out of dynamic memory in yy_get_next_buffer()"),
              testing::ExitedWithCode(1),
              "\"t.idl\", line 3: out of dynamic memory in yy_get_next_buffer\\(\\)");
}

} // namespace
