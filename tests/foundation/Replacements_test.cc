// Unit tests of AList and Replacements: definition order, lookups, template substitution with its
// limit, and identifier substitution; neither searches the values it inserts.
#include "foundation/Replacements.hh"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Definitions = std::vector<std::pair<const char *, const char *>>;

using Procedure = void (Replacements::*)(Dstr &) const;

// text after procedure with a list defined in the given order (a null value defines a null
// string).
Dstr substituted(const Definitions &definitions, const char *text, Procedure procedure) {
  Replacements list;
  for (const auto &d : definitions)
    list.define(d.first, Dstr(d.second));
  Dstr result(text);
  (list.*procedure)(result);
  return result;
}

TEST(AList, RedefinitionKeepsFirstPosition) {
  Replacements list;
  list.define("A", "1");
  list.define("B", "2");
  list.define(Dstr("A"), Dstr("3"));
  for (const char *name : {"C", "D", "E"})  // grows the array past its first doublings
    list.define(name, name);
  EXPECT_EQ(0, list.find_association("A"));
  EXPECT_EQ(1, list.find_association("B"));
  EXPECT_EQ(4, list.find_association("E"));
  EXPECT_EQ(-1, list.find_association("F"));
  EXPECT_TRUE(list.translate("A") == "3");
  EXPECT_TRUE(list.translate(Dstr("E")) == "E");
  // The earlier A now wins over B, which names a longer match.
  Dstr text("BA");
  list.do_subs(text);
  EXPECT_STREQ("23", text.aschar());
}

TEST(AList, UndefinedAndNullValuesTranslateToNull) {
  Replacements list;
  const Dstr &missing = list.translate("MISSING");
  EXPECT_TRUE(missing.isNull());
  EXPECT_EQ(&missing, &list.translate(Dstr("OTHER")));
  list.define("EMPTY", Dstr());
  EXPECT_EQ(0, list.find_association("EMPTY"));
  EXPECT_TRUE(list.translate("EMPTY").isNull());
}

TEST(Replacements, DoSubsTable) {
  const struct {
    Definitions definitions;
    const char *text;
    const char *expected;  // null: the text must stay null
  } cases[] = {
      {{{"NAME", "x"}, {"CLASS_NAME", "y"}}, "CLASS_NAME", "CLASS_x"},
      {{{"CLASS_NAME", "y"}, {"NAME", "x"}}, "CLASS_NAME", "y"},
      // Values go in as they are, whatever names they hold.
      {{{"A", "B"}, {"B", "done"}}, "A A", "B B"},
      {{{"B", "done"}, {"A", "B"}}, "A A B", "B B done"},
      {{{"X", "X"}}, "X", "X"},
      {{{"A", "(B)"}, {"B", "[A]"}}, "A B", "(B) [A]"},
      {{{"VALUE", "The VALUE is"}}, "print(VALUE);", "print(The VALUE is);"},
      // A replacement joins nothing: no name forms across a value, empty or not.
      {{{"A", ""}, {"BC", "z"}}, "BAC BC", "BC z"},
      {{{"A", "B"}, {"BC", "z"}}, "AC", "BC"},
      {{{"GONE", nullptr}}, "aGONEbGONE", "ab"},
      {{{"GONE", ""}}, "GONE", ""},
      {{{"X", "1"}}, "no names here", "no names here"},
      {{{"X", "1"}}, nullptr, nullptr},
      {{{"X", "1"}}, "", ""},
      {{{"::", "."}}, "Outer::Inner::Name", "Outer.Inner.Name"},
      {{{"V", "line\nbreak"}}, "[V]", "[line\nbreak]"},
      // Names that begin alike: the first defined that occurs anywhere goes first, at its
      // leftmost occurrence.
      {{{"AB", "1"}, {"A", "2"}}, "A AB AB", "2 1 1"},
      {{{"A", "2"}, {"AB", "1"}}, "A AB", "2 2B"},
      {{{"B", "b"}, {"AB", "1"}}, "AB", "Ab"},
      {{{"END", "e"}}, "THE EN END", "THE EN e"},
      {{{"\xc3\xa9", "e"}}, "caf\xc3\xa9", "cafe"},
  };
  for (const auto &c : cases) {
    const Dstr text = substituted(c.definitions, c.text, &Replacements::do_subs);
    if (!c.expected) {
      EXPECT_TRUE(text.isNull()) << "text " << c.text;
      continue;
    }
    EXPECT_STREQ(c.expected, text.aschar()) << "text " << c.text;
    EXPECT_FALSE(text.isNull()) << "text " << c.text;
  }
}

// A fixed text given with where names occur in it: the places are remembered while the list
// keeps its names, found again once a name is added, and never taken from another list.
TEST(Replacements, RememberedOccurrencesFollowTheNames) {
  Replacements list;
  list.define("A", "a");
  Replacements::KnownOccurrences known;
  auto substituted = [&known](const Replacements &l) {
    std::string text("B A B");
    l.do_subs(text, known);
    return text;
  };
  EXPECT_EQ("B a B", substituted(list));
  list.define("A", "[B]");
  EXPECT_EQ("B [B] B", substituted(list));
  list.define("B", "b");
  EXPECT_EQ("b [B] b", substituted(list));
  Replacements other;
  other.define("B", "x");
  EXPECT_EQ("x A x", substituted(other));
  EXPECT_EQ("b [B] b", substituted(list));
}

// There is no limit on the number of names a text holds: each is replaced once.
TEST(Replacements, EveryOccurrenceIsReplacedOnce) {
  Replacements list;
  list.define("X", "yX");
  Dstr text(std::string(100000, 'X').c_str());
  list.do_subs(text);
  std::string expected;
  for (int i = 0; i < 100000; ++i)
    expected += "yX";
  EXPECT_EQ(expected, text.aschar());
}

using Entries = std::vector<std::pair<std::string, std::string>>;

// Words of the given letters, of random lengths, the same ones on every run.
struct RandomWords {
  RandomWords(unsigned int seed, std::string letters_in) : random(seed), letters(letters_in) {}
  std::string operator()(size_t shortest, size_t longest) {
    std::string w(shortest + random() % (longest - shortest + 1), ' ');
    for (char &c : w)
      c = letters[random() % letters.size()];
    return w;
  }
  // Defines one to most entries of short names and values in list, and returns them in order.
  Entries define_some(Replacements &list, size_t most) {
    Entries entries;
    for (size_t n = 1 + random() % most; entries.size() < n;) {
      const std::string name = (*this)(1, 3), value = (*this)(0, 4);
      if (list.find_association(name.c_str()) >= 0)
        continue;
      entries.emplace_back(name, value);
      list.define(name.c_str(), value.c_str());
    }
    return entries;
  }
  std::mt19937 random;
  std::string letters;
};

// Template substitution as its rule reads, over the text cut into the pieces given and the
// values inserted: the leftmost occurrence, inside one given piece, of the first-defined name
// that occurs in one, again and again from the start.
std::string substituted_by_rule(const Entries &list, const std::string &text) {
  struct Piece {
    std::string text;
    bool given;
  };
  std::vector<Piece> pieces = {{text, true}};
  for (;;) {
    auto occurs = [&pieces](const auto &entry) {
      for (const Piece &p : pieces) {
        if (p.given && p.text.find(entry.first) != std::string::npos)
          return true;
      }
      return false;
    };
    const auto entry = std::find_if(list.begin(), list.end(), occurs);
    if (entry == list.end())
      break;
    for (size_t i = 0; i < pieces.size(); ++i) {
      const size_t at = pieces[i].given ? pieces[i].text.find(entry->first) : std::string::npos;
      if (at == std::string::npos)
        continue;
      const std::string before = pieces[i].text.substr(0, at);
      const std::string after = pieces[i].text.substr(at + entry->first.size());
      pieces[i] = {after, true};
      pieces.insert(pieces.begin() + i, {{before, true}, {entry->second, false}});
      break;
    }
  }
  std::string result;
  for (const Piece &p : pieces)
    result += p.text;
  return result;
}

// do_subs finds every occurrence once and chooses among those that overlap; over many small
// lists of overlapping names and values it must give what the rule gives.
TEST(Replacements, DoSubsFollowsTheRuleOverRandomLists) {
  RandomWords word(20240611, "ABCx");
  for (int round = 0; round < 20000; ++round) {
    Replacements replacements;
    const Entries list = word.define_some(replacements, 4);
    const std::string original = word(0, 12);
    Dstr text(original.c_str());
    replacements.do_subs(text);
    ASSERT_EQ(substituted_by_rule(list, original), text.aschar()) << "text " << original;
  }
}

// Over lists whose values are redefined and whose names grow between substitutions of the same
// texts, with and without their remembered occurrences, do_subs must give what the rule gives.
TEST(Replacements, DoSubsFollowsTheRuleAsValuesChange) {
  RandomWords word(20240613, "ABCx");
  for (int list = 0; list < 200; ++list) {
    Replacements replacements;
    Entries entries;
    const std::vector<std::string> texts = {word(0, 12), word(0, 12), word(0, 12)};
    std::vector<Replacements::KnownOccurrences> known(texts.size());
    for (int change = 0; change < 50; ++change) {
      const std::string name = word(1, 2), value = word(0, 4);
      auto same = [&name](const auto &entry) { return entry.first == name; };
      const auto found = std::find_if(entries.begin(), entries.end(), same);
      if (found == entries.end())
        entries.emplace_back(name, value);
      else
        found->second = value;
      replacements.define(name.c_str(), value.c_str());
      for (size_t i = 0; i < texts.size(); ++i) {
        const std::string expected = substituted_by_rule(entries, texts[i]);
        std::string remembered = texts[i];
        replacements.do_subs(remembered, known[i]);
        ASSERT_EQ(expected, remembered) << "text " << texts[i];
        Dstr text(texts[i].c_str());
        replacements.do_subs(text);
        ASSERT_EQ(expected, text.aschar()) << "text " << texts[i];
      }
    }
  }
}

// Four 16 MB values make the longest text there may be; one character more is fatal, and the
// message shows the text that was being filled.
TEST(ReplacementsDeathTest, TextFilledPastItsLimitIsFatal) {
  Replacements large;
  large.define("X", Dstr(std::string(16 << 20, '.').c_str()));
  Dstr longest("XXXX");
  large.do_subs(longest);
  EXPECT_EQ(Replacements::maxFilledLength, longest.length());
  Dstr text("XXXX.");
  EXPECT_EXIT(large.do_subs(text), testing::ExitedWithCode(255),
              "^Fatal Error: Filling the text \"XXXX\\.\" makes more than 67108864 characters: "
              "the values put into it are too long\n$");
}

TEST(Replacements, DoSubsJavaTable) {
  const struct {
    Definitions definitions;
    const char *text;
    const char *expected;
  } cases[] = {
      {{{"v", "self.v"}},
       "v + w.v + v(1) + \"v\" + v (2)",
       "self.v + w.v + v(1) + \"v\" + self.v (2)"},
      {{{"len", "n"}}, "length len_2 _len len2 xlen len", "length n_2 _n len2 xlen n"},
      // An escaped quote does not end the string; a character literal holds its quote.
      {{{"x", "y"}}, "\"a \\\" x\" x", "\"a \\\" x\" y"},
      {{{"x", "y"}}, "\"a \\\\\" x", "\"a \\\\\" y"},
      {{{"x", "y"}}, "'\"' + x + '\\'' + x", "'\"' + y + '\\'' + y"},
      {{{"x", "y"}}, "'x' x 1'0 x 1'000 + x", "'x' y 1'0 y 1'000 + y"},
      {{{"x", "y"}}, "\"open x", "\"open x"},
      {{{"x", "x.x"}}, "x", "x.x"},
      {{{"a", "b"}, {"b", "c"}}, "a b", "b c"},
      {{{"b", "c"}, {"a", "b"}}, "a b", "b c"},
      {{{"x", nullptr}}, "(x)+x", "()+"},
      {{{"x", "y"}}, "", ""},
      // No entry searches the values inserted.
      {{{"a", "g_a"}, {"g", "G"}}, "a g", "g_a G"},
      {{{"g", "G"}, {"a", "g_a"}}, "a g", "g_a G"},
      // Two names that could start at one place: the one defined first.
      {{{"x", "X"}, {"x_y", "XY"}}, "x_y", "X_y"},
      {{{"x_y", "XY"}, {"x", "X"}}, "x_y x", "XY X"},
      // Names that do not begin and end with a letter or digit, in either order of definition.
      {{{"_x", "y"}, {"y", "z"}}, "_x a_x _xb", "y a_x _xb"},
      {{{"y", "z"}, {"_x", "y"}}, "_x", "y"},
      {{{"x+", "y"}}, "x+1 x+ 1 (x+)", "x+1 y 1 (y)"},
      {{{"a.b", "c"}}, "a.b xa.b a.bc a.b(1)", "c xa.b a.bc a.b(1)"},
  };
  for (const auto &c : cases) {
    const Dstr text = substituted(c.definitions, c.text, &Replacements::do_subs_Java);
    EXPECT_STREQ(c.expected, text.aschar()) << "text " << c.text;
    EXPECT_FALSE(text.isNull()) << "text " << c.text;
  }
  EXPECT_TRUE(substituted({{"x", "y"}}, nullptr, &Replacements::do_subs_Java).isNull());
}

// Identifier substitution as its rule reads: one pass over the text that copies string and
// character literals whole and, at each other place where no letter, digit or "." comes before,
// replaces the first entry's name that stands there whole, not before "(".
std::string java_substituted_by_rule(const Entries &list, const std::string &text) {
  auto letter_or_digit = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  auto literal_end = [&text](size_t i) {
    if (text[i] == '"') {
      size_t j = i + 1;
      while (j < text.size() && text[j] != '"')
        j += text[j] == '\\' ? 2 : 1;
      return std::min(j + 1, text.size());
    }
    if (text.compare(i, 1, "'") != 0)
      return i;
    if (text.size() > i + 2 && text[i + 1] != '\\' && text[i + 1] != '\'' && text[i + 2] == '\'')
      return i + 3;
    if (text.size() > i + 3 && text[i + 1] == '\\' && text[i + 3] == '\'')
      return i + 4;
    return i;
  };
  std::string result;
  for (size_t i = 0; i < text.size();) {
    const size_t end = literal_end(i);
    if (end > i) {
      result += text.substr(i, end - i);
      i = end;
      continue;
    }
    const char before = i > 0 ? text[i - 1] : '\0';
    auto stands_here = [&](const auto &entry) {
      const std::string &name = entry.first;
      const char after = i + name.size() < text.size() ? text[i + name.size()] : '\0';
      return text.compare(i, name.size(), name) == 0 && !letter_or_digit(after) && after != '(';
    };
    const auto entry = before == '.' || letter_or_digit(before)
                           ? list.end()
                           : std::find_if(list.begin(), list.end(), stands_here);
    if (entry == list.end()) {
      result += text[i++];
      continue;
    }
    result += entry->second;
    i += entry->first.size();
  }
  return result;
}

// do_subs_Java looks names up in the index by the lengths they have; over many small lists it
// must give what the rule gives.
TEST(Replacements, DoSubsJavaFollowsTheRuleOverRandomLists) {
  RandomWords word(20240612, "ab1.(\" _'\\");
  for (int round = 0; round < 20000; ++round) {
    Replacements replacements;
    const Entries list = word.define_some(replacements, 5);
    const std::string original = word(0, 16);
    Dstr text(original.c_str());
    replacements.do_subs_Java(text);
    ASSERT_EQ(java_substituted_by_rule(list, original), text.aschar()) << "text " << original;
  }
}

TEST(Replacements, DoSubsJavaOverManyNames) {
  Replacements list;
  for (int i = 0; i < 3000; ++i) {
    const std::string name = "v" + std::to_string(i);
    list.define(name.c_str(), ("g_" + name).c_str());
  }
  Dstr text("v2999 + v0.v1 + v1(2) + \"v7\" + v12x");
  list.do_subs_Java(text);
  EXPECT_STREQ("g_v2999 + g_v0.v1 + v1(2) + \"v7\" + v12x", text.aschar());
}

}  // namespace
