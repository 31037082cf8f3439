// Unit tests of Dstr: null against empty, growth, self-reference, cutting, tokens and lines.
#include "foundation/Dstr.hh"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(Dstr, NullAndEmptyAreDifferentValues) {
  const Dstr null;
  const Dstr empty("");
  EXPECT_TRUE(null.isNull());
  EXPECT_FALSE(empty.isNull());
  EXPECT_FALSE(null == empty);
  EXPECT_TRUE(null != empty);
  EXPECT_EQ(0u, null.length());
  EXPECT_EQ(0u, empty.length());
  EXPECT_STREQ("", null.aschar());
  EXPECT_STREQ("", empty.aschar());
  EXPECT_EQ(nullptr, null.asrawchar());
  EXPECT_NE(nullptr, empty.asrawchar());
  EXPECT_TRUE(null == static_cast<const char *>(nullptr));
  EXPECT_FALSE(empty == static_cast<const char *>(nullptr));
  EXPECT_FALSE(null == "");
  EXPECT_TRUE(empty == "");
  EXPECT_TRUE(Dstr(null).isNull());
  EXPECT_TRUE(Dstr(null) == null);
  Dstr s("text");
  s = null;
  EXPECT_TRUE(s.isNull());
  char *copy = null.asdupchar();
  EXPECT_STREQ("", copy);
  free(copy);
  std::ostringstream os;
  os << '<' << null << empty << Dstr("x") << '>';
  EXPECT_EQ("<x>", os.str());
}

TEST(Dstr, AppendingFollowsNullRules) {
  Dstr s;
  s += static_cast<const char *>(nullptr);
  EXPECT_TRUE(s.isNull());
  s += Dstr();
  EXPECT_TRUE(s.isNull());
  s += "";
  EXPECT_TRUE(s == "");
  s += '\0';
  EXPECT_TRUE(s == "");
  s += 'a';
  s += -12;
  s += 34u;
  s += -56L;
  s += 78UL;
  s += Dstr("z");
  s += Dstr();
  EXPECT_STREQ("a-1234-5678z", s.aschar());
}

TEST(Dstr, BlockGrowsByDoublingAndNeverShrinks) {
  Dstr s("");
  EXPECT_EQ(1u, s.capacity());
  std::vector<unsigned int> capacities;
  for (char c : std::string("abcde")) {
    s += c;
    capacities.push_back(s.capacity());
  }
  EXPECT_EQ((std::vector<unsigned int>{2, 4, 4, 8, 8}), capacities);
  Dstr t("");
  t += "abcde";
  EXPECT_EQ(8u, t.capacity());
  Dstr fits("abc");
  EXPECT_EQ(4u, fits.capacity());
  fits += "defghijklmnopqrstuvwxyz";  // 26 characters: 4 doubles to 32
  EXPECT_EQ(32u, fits.capacity());
  fits -= 0;
  EXPECT_TRUE(fits == "");
  EXPECT_EQ(32u, fits.capacity());
  EXPECT_EQ(2u, Dstr('q').capacity());
}

TEST(Dstr, SelfReferenceIsSafe) {
  Dstr s("abc");  // capacity 4: appending itself must grow and move the block
  s += s;
  EXPECT_STREQ("abcabc", s.aschar());
  s += s.aschar();
  EXPECT_STREQ("abcabcabcabc", s.aschar());
  s = s;
  EXPECT_STREQ("abcabcabcabc", s.aschar());
  s = s.ascharfrom(9);
  EXPECT_STREQ("abc", s.aschar());
  s *= s;
  EXPECT_STREQ("abcabc", s.aschar());
  s *= s.ascharfrom(4);
  EXPECT_STREQ("bcabcabc", s.aschar());
}

TEST(Dstr, PrependPutsArgumentFirst) {
  Dstr world("world");
  world *= "hello ";
  EXPECT_STREQ("hello world", world.aschar());
  world *= static_cast<const char *>(nullptr);
  EXPECT_STREQ("hello world", world.aschar());
  world *= '>';
  EXPECT_STREQ(">hello world", world.aschar());
  Dstr null;
  null *= Dstr("x");
  EXPECT_TRUE(null == "x");
  Dstr stillNull;
  stillNull *= static_cast<const char *>(nullptr);
  EXPECT_TRUE(stillNull.isNull());
}

TEST(Dstr, CuttingKeepsOrDropsTheFront) {
  Dstr s("hello");
  s -= 10;
  EXPECT_STREQ("hello", s.aschar());
  s -= 5;
  EXPECT_STREQ("hello", s.aschar());
  s -= 2;
  EXPECT_STREQ("he", s.aschar());
  Dstr null;
  null -= 0;
  EXPECT_TRUE(null.isNull());

  Dstr abc("abc");
  abc /= 1;
  EXPECT_STREQ("bc", abc.aschar());
  EXPECT_EQ(3u, abc.capacity());
  abc /= 5;
  EXPECT_TRUE(abc == "");
  null /= 5;
  EXPECT_TRUE(null.isNull());
}

// Takes every token of source; a null token shows as "(null)". The source must end null.
std::vector<std::string> tokens_of(const char *text) {
  Dstr source(text);
  std::vector<std::string> tokens;
  Dstr token("not yet");
  do {
    source /= token;
    tokens.push_back(token.isNull() ? "(null)" : token.aschar());
  } while (!token.isNull());
  EXPECT_TRUE(source.isNull()) << "source " << text;
  return tokens;
}

// The same tokens, read in place from a position: the source stays as it is.
std::vector<std::string> tokens_in_place(const char *text) {
  const Dstr source(text);
  std::vector<std::string> tokens;
  unsigned int position = 0;
  Dstr token("not yet");
  do {
    token = source.token_from(position);
    tokens.push_back(token.isNull() ? "(null)" : token.aschar());
  } while (!token.isNull());
  EXPECT_STREQ(text, source.aschar());
  EXPECT_EQ(source.length(), position) << "source " << text;
  return tokens;
}

TEST(Dstr, TokensSplitAtWhiteSpaceAndKeepQuotes) {
  using Tokens = std::vector<std::string>;
  const struct {
    const char *source;
    Tokens tokens;
  } cases[] = {
      {"  foo \"a b\" bar", {"foo", "\"a b\"", "bar", "(null)"}},
      {"one\ttwo\r\nthree\v\ffour", {"one", "two", "three", "four", "(null)"}},
      {" \t\r\n ", {"(null)"}},
      {"", {"(null)"}},
      {"x \"a b", {"x", "\"a b", "(null)"}},
      {"\"a\"b c\"d e\"", {"\"a\"", "b", "c\"d", "e\"", "(null)"}},
      {"\"\"", {"\"\"", "(null)"}},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(c.tokens, tokens_of(c.source)) << "source " << c.source;
    EXPECT_EQ(c.tokens, tokens_in_place(c.source)) << "source " << c.source;
  }

  Dstr source("last ");
  Dstr token;
  source /= token;
  EXPECT_TRUE(token == "last");
  EXPECT_TRUE(source == " ");
  source /= token;
  EXPECT_TRUE(token.isNull());
  EXPECT_TRUE(source.isNull());
  source /= token;
  EXPECT_TRUE(token.isNull());
}

TEST(Dstr, QueriesOutOfRangeAndOnNull) {
  const Dstr s("a.b.c");
  const Dstr null;
  EXPECT_EQ('b', s[2]);
  EXPECT_EQ('\0', s[5]);
  EXPECT_EQ('\0', null[0]);
  EXPECT_STREQ("b.c", s.ascharfrom(2));
  EXPECT_STREQ("", s.ascharfrom(5));
  EXPECT_STREQ("", null.ascharfrom(0));
  EXPECT_EQ(1, s.strchr('.'));
  EXPECT_EQ(3, s.strrchr('.'));
  EXPECT_EQ(-1, s.strchr('x'));
  EXPECT_EQ(-1, s.strchr('\0'));
  EXPECT_EQ(-1, null.strchr('.'));
  EXPECT_EQ(-1, null.strrchr('.'));
  EXPECT_EQ(2, s.strstr("b.c"));
  EXPECT_EQ(2, s.strstr(Dstr("b")));
  EXPECT_EQ(0, s.strstr(""));
  EXPECT_EQ(0, Dstr("").strstr(""));
  EXPECT_EQ(-1, s.strstr("c.d"));
  EXPECT_EQ(-1, s.strstr(Dstr()));
  EXPECT_EQ(-1, null.strstr(""));
}

TEST(Dstr, RepcharAndTrailingWhiteSpace) {
  Dstr s("a.b.c");
  EXPECT_EQ(2, s.repchar('.', '_'));
  EXPECT_STREQ("a_b_c", s.aschar());
  EXPECT_EQ(0, s.repchar('.', '_'));
  // Replacing by NUL cuts the text, and the length follows.
  EXPECT_EQ(2, s.repchar('_', '\0'));
  EXPECT_EQ(1u, s.length());
  s += "z";
  EXPECT_STREQ("az", s.aschar());

  Dstr padded("x y \t\r\n\v\f ");
  padded.noTrailingWhitespace();
  EXPECT_STREQ("x y", padded.aschar());
  Dstr blanks("  ");
  blanks.noTrailingWhitespace();
  EXPECT_TRUE(blanks == "");
  Dstr null;
  null.noTrailingWhitespace();
  EXPECT_TRUE(null.isNull());
}

TEST(Dstr, EqualityComparesTextAndNullness) {
  const Dstr a("abc");
  EXPECT_TRUE(a == "abc");
  EXPECT_TRUE("abc" == a);
  EXPECT_TRUE(a == Dstr("abc"));
  EXPECT_TRUE(a != "abd");
  EXPECT_TRUE("ab" != a);
  EXPECT_TRUE(a != Dstr());
  EXPECT_TRUE(Dstr() == Dstr());
  EXPECT_TRUE(static_cast<const char *>(nullptr) == Dstr());
}

// Reads every line of a file holding content; null ends the list.
std::vector<std::string> lines_of(const std::string &content) {
  FILE *f = tmpfile();
  fwrite(content.data(), 1, content.size(), f);
  rewind(f);
  std::vector<std::string> lines;
  for (Dstr line; !line.getline(f).isNull();)
    lines.push_back(line.aschar());
  Dstr after("not yet");
  EXPECT_TRUE(after.getline(f).isNull());
  fclose(f);
  return lines;
}

TEST(Dstr, GetlineReadsLinesOfAnyLength) {
  using Lines = std::vector<std::string>;
  const std::string s80(80, 'a'), s81(81, 'b'), s82(82, 'c'), s162(162, 'd'), s200(200, 'e');
  const struct {
    std::string content;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"x", {"x"}},
      {"\n", {""}},
      {"one\n\nthree\n", {"one", "", "three"}},
      {"crlf\r\n", {"crlf\r"}},
      {s80 + "\n" + s81 + "\n" + s82 + "\n", {s80, s81, s82}},
      {s162 + "\n" + s200, {s162, s200}},
      {s81 + "\nx", {s81, "x"}},
      // A NUL byte ends a line's text, not the line: what follows it on the line is dropped
      // and the next line stays a line of its own.
      {std::string("a\0b\nnext\n", 9), {"a", "next"}},
      {std::string("\0\nnext", 6), {"", "next"}},
      {s80 + std::string("\0", 1) + s81 + "\nnext", {s80, "next"}},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.lines, lines_of(c.content)) << "content of " << c.content.size() << " bytes";
}

}  // namespace
