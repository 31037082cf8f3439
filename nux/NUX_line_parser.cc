// NUX_line_parser: the classification of one script line, through keyword tables made from
// NUX_commands.def. Lines inside an inline block, and the text after "inline", pass through
// whole; "print", "println", "return" and "set" take the rest of the line; every other command
// takes up to six words.
#include "nux/NUX_line_parser.hh"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

struct Keyword {
  std::string_view word;
  int code;
};

// The keywords of each way a command is recognised, from NUX_commands.def.
#define KEYWORD_ENTRY(name, keyword, handler) {keyword, nux_##name},

// The argument is the rest of the line after the keyword, "//" included.
constexpr Keyword uncutRestCommands[] = {
#define NUX_UNCUT_REST KEYWORD_ENTRY
#include "nux/NUX_commands.def"
};

// The argument is the rest of the line after the keyword, cut at "//".
constexpr Keyword restCommands[] = {
#define NUX_REST_OF_LINE KEYWORD_ENTRY
#include "nux/NUX_commands.def"
};

// The first argument is the word after the keyword, the second what follows it.
constexpr Keyword wordThenRestCommands[] = {
#define NUX_WORD_THEN_REST KEYWORD_ENTRY
#include "nux/NUX_commands.def"
};

// Second words after "begin"; any other names a function.
constexpr Keyword beginWords[] = {
#define NUX_AFTER_BEGIN KEYWORD_ENTRY
#include "nux/NUX_commands.def"
};

// Second words after "end"; any other names a function.
constexpr Keyword endWords[] = {
#define NUX_AFTER_END KEYWORD_ENTRY
#include "nux/NUX_commands.def"
};

// Commands named by their first word alone.
constexpr Keyword commands[] = {
#define NUX_FIRST_WORD KEYWORD_ENTRY
#include "nux/NUX_commands.def"
};
#undef KEYWORD_ENTRY

// The text of word; a null word is empty, which no keyword is.
std::string_view view_of(const Dstr &word) { return {word.aschar(), word.length()}; }

// The code of word in table, or fallback when it is not there. Most words differ from most
// keywords in length, which a view compares first.
template <size_t N> int find_keyword(const Keyword (&table)[N], const Dstr &word, int fallback) {
  const std::string_view text = view_of(word);
  for (const Keyword &k : table) {
    if (text == k.word)
      return k.code;
  }
  return fallback;
}

template <size_t N> void append_words(const Keyword (&table)[N], std::vector<Dstr> &words) {
  for (const Keyword &k : table)
    words.emplace_back(k.word.data());
}

// White space of the POSIX locale, as Dstr splits words at it.
bool is_white_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// What is left of a line as its words are taken: the text from next to end, or no text at all
// (null) once a word was asked for and none was left, as a Dstr that words are taken from with
// /= would hold. Words are taken here without copying the rest of the line at every word.
struct Words {
  explicit Words(const Dstr &text)
      : next(text.asrawchar()), end(next ? next + text.length() : nullptr) {}

  // Moves the next word into word, as Dstr's /= does: a run of characters other than white
  // space, or a double-quoted string with its quotes (an unterminated one runs to the end).
  // When no word is left, word is null and so is the text.
  void take(Dstr &word) {
    while (next && next < end && is_white_space(*next))
      ++next;
    if (next == end) {
      word = Dstr();
      next = end = nullptr;
      return;
    }
    const char *stop = next + 1;
    if (*next == '"') {
      while (stop < end && *stop != '"')
        ++stop;
      if (stop < end)
        ++stop;  // the closing quote belongs to the word
    } else {
      while (stop < end && !is_white_space(*stop))
        ++stop;
    }
    word.assign(next, stop - next);
    next = stop;
  }

  // Truncates the text at the first "//", inside quotes or not.
  void cut_at_comment() {
    if (!next)
      return;
    for (const char *p = next;
         (p = static_cast<const char *>(memchr(p, '/', end - p))) != nullptr; ++p) {
      if (p + 1 < end && p[1] == '/') {
        end = p;
        return;
      }
    }
  }

  Dstr rest() const {
    Dstr text;
    if (next)
      text.assign(next, end - next);
    return text;
  }

  const char *next;
  const char *end;
};

// The line that closes an inline block: its first two words are "end" and "inline".
bool ends_inline_block(const Dstr &line) {
  Words words(line);
  Dstr first;
  Dstr second;
  words.take(first);
  words.take(second);
  return view_of(first) == "end" && view_of(second) == "inline";
}

}  // namespace

std::vector<Dstr> NUX_line_parser::keywords() {
  std::vector<Dstr> words = {Dstr("begin"), Dstr("end")};
  append_words(uncutRestCommands, words);
  append_words(restCommands, words);
  append_words(wordThenRestCommands, words);
  append_words(commands, words);
  return words;
}

int NUX_line_parser::parse(const Dstr &line, Dstr &a1, Dstr &a2, Dstr &a3, Dstr &a4, Dstr &a5,
                           Dstr &a6) {
  Dstr *const args[] = {&a1, &a2, &a3, &a4, &a5, &a6};
  for (Dstr *arg : args) {
    if (!arg->isNull())
      *arg = Dstr();
  }

  if (is_inline) {
    if (!ends_inline_block(line)) {
      a1 = line;
      return nux_inline;
    }
    is_inline = false;
    return nux_nothing;
  }

  Words rest(line);
  Dstr w;
  rest.take(w);
  const int uncutCode = find_keyword(uncutRestCommands, w, nux_not_a_command);
  if (uncutCode != nux_not_a_command) {
    a1 = rest.rest();
    return uncutCode;
  }
  rest.cut_at_comment();
  const int restCode = find_keyword(restCommands, w, nux_not_a_command);
  if (restCode != nux_not_a_command) {
    a1 = rest.rest();
    return restCode;
  }
  const int wordThenRestCode = find_keyword(wordThenRestCommands, w, nux_not_a_command);
  if (wordThenRestCode != nux_not_a_command) {
    rest.take(a1);
    a2 = rest.rest();
    return wordThenRestCode;
  }

  // The words are taken again from the line cut at its first "//". Unless that cut falls
  // inside the first word, they follow the first word as the rest already holds them.
  if (w.strstr("//") >= 0) {
    rest = Words(line);
    rest.cut_at_comment();
    rest.take(w);
  }
  for (Dstr *arg : args)
    rest.take(*arg);
  if (w.isNull())
    return nux_nothing;
  if (view_of(w) == "begin") {
    if (view_of(a1) == "inline") {
      is_inline = true;
      return nux_nothing;
    }
    return find_keyword(beginWords, a1, nux_begin_function);
  }
  if (view_of(w) == "end")
    return find_keyword(endWords, a1, nux_end_function);
  const int code = find_keyword(commands, w, nux_not_a_command);
  if (code == nux_not_a_command)
    fprintf(stderr, "Unrecognized NUX command: %s\n", w.aschar());
  return code;
}
