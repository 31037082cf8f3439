// Unit tests of the QOR scanner: texts to the tokens it returns, with the text and kind of every
// item token, covering longest match, rule order, strings, keywords and skipped characters.
#include "qor/qor_l.hh"
#include "qor/qor_y_tokens.hh"

#include "qor_test_files.hh"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

struct TokenName {
  int token;
  const char *name;
};

const TokenName item_names[] = {{STRING, "STRING"},   {FLOAT, "FLOAT"},     {INTEGER, "INTEGER"},
                                {CHAR, "CHAR"},       {BOOLEAN, "BOOLEAN"}, {OCTET, "OCTET"},
                                {IDENTIFIER, "IDENTIFIER"}};

// The name of an item token, or null for any other token.
const char *item_name(int token) {
  for (const TokenName &item : item_names) {
    if (item.token == token)
      return item.name;
  }
  return nullptr;
}

// One item token as NAME(text), checking that its value has the kind the token calls for.
std::string describe_item(const char *name, int token) {
  EXPECT_EQ(token == IDENTIFIER ? dcp_interface : dcp_literal, csplval.kind) << name;
  const std::string description = std::string(name) + "(" + dcp_text(csplval)->aschar() + ")";
  qorfree(csplval);
  return description;
}

// The tokens of text, blank-separated: items as NAME(text), keywords as IN and OUT, punctuation
// as itself ("(" for the "#(" opener).
std::string scan(const std::string &text) {
  FILE *f = open_text(text);
  cspin = f;
  restart_qor_scanner();
  std::string tokens;
  while (int token = csplex()) {
    if (!tokens.empty())
      tokens += " ";
    if (const char *name = item_name(token))
      tokens += describe_item(name, token);
    else if (token == IN || token == OUT)
      tokens += token == IN ? "IN" : "OUT";
    else
      tokens += static_cast<char>(token);
  }
  release_qor_scanner();
  fclose(f);
  return tokens;
}

struct ScanCase {
  std::string text;
  std::string tokens;
};

TEST(QorScanner, TokensFollowLongestMatchThenRuleOrder) {
  const ScanCase cases[] = {
      // Punctuation; "#(" opens a sequence, while a bare "(" and a lone "#" are skipped.
      {"[a, b] {} )", "[ IDENTIFIER(a) , IDENTIFIER(b) ] { } )"},
      {"#( ( # #(", "( ("},
      // Strings have no escapes and end at the next quote on their line.
      {R"("a\" "")", R"(STRING("a\") STRING(""))"},
      {"\"x y\" \"open\nnext", "STRING(\"x y\") IDENTIFIER(open) IDENTIFIER(next)"},
      {"\"a\"b\"", "STRING(\"a\") IDENTIFIER(b)"},
      // A character literal holds exactly one character, possibly a quote.
      {"'a' ''' 'ab'", "CHAR('a') CHAR(''') IDENTIFIER(ab)"},
      // Numbers: floats without exponent, signs only directly before digits.
      {"1e5", "INTEGER(1) IDENTIFIER(e5)"},
      {"1. 1.2.3 .5", "INTEGER(1) FLOAT(1.2) FLOAT(.3) FLOAT(.5)"},
      {"-5 -0.5 -.5 - 5 --5", "INTEGER(-5) FLOAT(-0.5) FLOAT(-.5) INTEGER(5) INTEGER(-5)"},
      // Octets take exactly two hexadecimal digits after a lower-case "0x".
      {"0x41 0xfF 0x123", "OCTET(0x41) OCTET(0xfF) OCTET(0x12) INTEGER(3)"},
      {"0x4 0X41 0xg1", "INTEGER(0) IDENTIFIER(x4) INTEGER(0) IDENTIFIER(X41) INTEGER(0) "
                        "IDENTIFIER(xg1)"},
      // Keywords only where no identifier character follows.
      {"In:{1}Out:", "IN { INTEGER(1) } OUT"},
      {"In:x Out:: In :", "IDENTIFIER(In:x) IDENTIFIER(Out::) IDENTIFIER(In) IDENTIFIER(:)"},
      {"true TRUE True false FALSE False", "BOOLEAN(true) BOOLEAN(TRUE) BOOLEAN(True) "
                                           "BOOLEAN(false) BOOLEAN(FALSE) BOOLEAN(False)"},
      {"trueish TRue true_ true1", "IDENTIFIER(trueish) IDENTIFIER(TRue) IDENTIFIER(true_) "
                                   "IDENTIFIER(true1)"},
      // Identifiers hold scope separators and may begin with ":" or "_".
      {"Bank::Account ::Bank::Account _x9", "IDENTIFIER(Bank::Account) "
                                            "IDENTIFIER(::Bank::Account) IDENTIFIER(_x9)"},
      // Comments, blanks, carriage returns and stray characters are skipped.
      {"a // b \"c\" {\r\nd", "IDENTIFIER(a) IDENTIFIER(d)"},
      {"a/b.c\t@$", "IDENTIFIER(a) IDENTIFIER(b) IDENTIFIER(c)"},
      // Bytes outside ASCII are skipped, or kept inside a string; a NUL byte is always skipped,
      // even between quotes, so no token text is ever cut short.
      {"\xc3\xa9x \"\xff\"", "IDENTIFIER(x) STRING(\"\xff\")"},
      {"a\0b \"c\0d\" '\0'"s, "IDENTIFIER(a) IDENTIFIER(b) IDENTIFIER(c) IDENTIFIER(d)"},
      {"", ""},
  };
  for (const ScanCase &c : cases)
    EXPECT_EQ(c.tokens, scan(c.text)) << "scanning: " << c.text;
}

}  // namespace
