// Replacements: template substitution in one pass with its length limit, and identifier
// substitution.
#include "foundation/Replacements.hh"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/FatalError.hh"

namespace {

// Letters and digits of the POSIX locale; the underscore is neither.
bool is_letter_or_digit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Whether two occurrences next to each other in position order share a character.
bool any_overlap(const std::vector<Replacements::Occurrence> &occurrences,
                 const std::vector<std::string_view> &names) {
  for (size_t i = 1; i < occurrences.size(); ++i) {
    const Replacements::Occurrence &before = occurrences[i - 1];
    if (before.position + names[before.entry].size() > occurrences[i].position)
      return true;
  }
  return false;
}

[[noreturn]] void filled_text_too_long(const char *text, size_t length) {
  const size_t shown = std::min<size_t>(length, 60);
  FatalError(explain("a template line filled with its values grows past ",
                     static_cast<unsigned long>(Replacements::maxFilledLength), " characters"),
             "Filling the text \"", Dstr(std::string(text, shown).c_str()),
             shown < length ? "...\"" : "\"", " makes more than ",
             static_cast<unsigned long>(Replacements::maxFilledLength),
             " characters: the values put into it are too long");
}

// The length of a string or character literal that starts at position i of text, or 0. A string
// runs to its closing quote, a backslash taking the character after it along, or, never closed,
// to the end of the text. A character literal is 'c' or '\c'; any other quote (that of a digit
// separator, 1'000) starts none.
unsigned int literal_length(const char *text, unsigned int length, unsigned int i) {
  if (text[i] == '"') {
    unsigned int j = i + 1;
    for (; j < length && text[j] != '"'; ++j) {
      if (text[j] == '\\')
        ++j;
    }
    return std::min(j + 1, length) - i;
  }
  if (text[i] != '\'')
    return 0;
  if (i + 2 < length && text[i + 1] != '\\' && text[i + 1] != '\'' && text[i + 2] == '\'')
    return 3;
  if (i + 3 < length && text[i + 1] == '\\' && text[i + 3] == '\'')
    return 4;
  return 0;
}

}  // namespace

// Appends to out every occurrence of a name in text, in position order (at one position, in
// definition order): at each position, the names that begin with its character. An occurrence is
// at least as long as the shortest name and holds no character that is in no name: where the last
// character that an occurrence starting here would hold is in no name, the search moves on by the
// shortest name's length at once.
void Replacements::collect(const char *text, size_t length, std::vector<Occurrence> &out) const {
  if (count == 0 || length < shortestName)
    return;
  const int *first = firstStartingWith.data();
  const int *next = nextStartingAlike.data();
  const std::string_view *name = names.data();
  const size_t stop = length - shortestName + 1;
  for (size_t i = 0; i < stop;) {
    if (!inSomeName[static_cast<unsigned char>(text[i + shortestName - 1])]) {
      i += shortestName;
      continue;
    }
    for (int e = first[static_cast<unsigned char>(text[i])]; e >= 0; e = next[e]) {
      const std::string_view n = name[e];
      if (n.size() <= length - i && (n.size() == 1 || text[i + 1] == n[1]) &&
          memcmp(text + i, n.data(), n.size()) == 0)
        out.push_back({i, e});
    }
    ++i;
  }
}

// Keeps, of the occurrences of a text in position order, those that filling replaces: taken in
// order of precedence (the name defined first, then the leftmost occurrence), each one that
// shares no character with one taken before it. The text between them is left as it is, so an
// occurrence that a replacement cuts is no longer one.
void Replacements::choose(std::vector<Occurrence> &occurrences) const {
  if (!any_overlap(occurrences, names))
    return;
  std::vector<Occurrence> byPrecedence(occurrences);
  std::sort(byPrecedence.begin(), byPrecedence.end(), [](const Occurrence &a, const Occurrence &b) {
    return a.entry != b.entry ? a.entry < b.entry : a.position < b.position;
  });
  std::map<size_t, Occurrence> taken;
  auto end_of = [this](const Occurrence &o) { return o.position + names[o.entry].size(); };
  for (const Occurrence &o : byPrecedence) {
    const auto after = taken.lower_bound(o.position);
    if (after != taken.end() && after->first < end_of(o))
      continue;
    if (after != taken.begin() && end_of(std::prev(after)->second) > o.position)
      continue;
    taken.emplace_hint(after, o.position, o);
  }
  occurrences.clear();
  for (const auto &t : taken)
    occurrences.push_back(t.second);
}

// Makes in out the text with the chosen occurrences, in position order and apart, replaced.
void Replacements::fill(const char *text, size_t length, const std::vector<Occurrence> &chosen,
                        std::string &out) const {
  size_t filled = length;
  for (const Occurrence &o : chosen) {
    filled = filled - names[o.entry].size() + associations[o.entry].to->length();
    if (filled > maxFilledLength)
      filled_text_too_long(text, length);
  }
  out.clear();
  out.reserve(filled);
  size_t at = 0;
  for (const Occurrence &o : chosen) {
    const Dstr &value = *associations[o.entry].to;
    out.append(text + at, o.position - at);
    out.append(value.aschar(), value.length());
    at = o.position + names[o.entry].size();
  }
  out.append(text + at, length - at);
}

void Replacements::do_subs(std::string &text, KnownOccurrences &known) const {
  classify_new_names();
  if (known.list != this || known.entries != count) {
    known.list = this;
    known.entries = count;
    known.occurrences.clear();
    collect(text.data(), text.size(), known.occurrences);
    choose(known.occurrences);
  }
  if (known.occurrences.empty())
    return;
  fill(text.data(), text.size(), known.occurrences, filledText);
  text.swap(filledText);
}

// A text in which no name occurs is left as it is, without a copy.
void Replacements::do_subs(Dstr &text) const {
  if (text.isNull() || count == 0)
    return;
  classify_new_names();
  std::vector<Occurrence> &occurrences = foundOccurrences;
  occurrences.clear();
  collect(text.aschar(), text.length(), occurrences);
  if (occurrences.empty())
    return;
  choose(occurrences);
  fill(text.aschar(), text.length(), occurrences, filledText);
  text.assign(filledText.data(), filledText.size());
}

void Replacements::classify_new_names() const {
  if (firstStartingWith.empty()) {
    firstStartingWith.assign(256, -1);
    lastStartingWith.assign(256, -1);
  }
  for (; classified < count; ++classified) {
    const Dstr &name = *associations[classified].from;
    const unsigned char start = static_cast<unsigned char>(name[0]);
    const int entry = static_cast<int>(classified);
    names.emplace_back(name.aschar(), name.length());
    nextStartingAlike.push_back(-1);
    if (lastStartingWith[start] < 0)
      firstStartingWith[start] = entry;
    else
      nextStartingAlike[lastStartingWith[start]] = entry;
    lastStartingWith[start] = entry;
    const size_t length = name.length();
    shortestName = entry == 0 ? length : std::min(shortestName, length);
    for (size_t i = 0; i < length; ++i)
      inSomeName[static_cast<unsigned char>(name[i])] = true;
  }
}

// Looks up the text of each length that names have; a name stands whole when the character after
// it is not a letter, a digit or "(".
int Replacements::identifier_at(const Dstr &text, unsigned int i) const {
  int found = -1;
  const unsigned int length = text.length();
  for (unsigned int n : nameLengths) {
    if (n > length - i)
      break;
    const char after = text[i + n];
    if (is_letter_or_digit(after) || after == '(')
      continue;
    const auto entry = positions.find(std::string_view(text.ascharfrom(i), n));
    if (entry != positions.end() && (found < 0 || entry->second < static_cast<unsigned int>(found)))
      found = static_cast<int>(entry->second);
  }
  return found;
}

// String and character literals are copied whole; a name may start only where the character
// before it (in the text as given) is neither "." nor a letter or digit. The result is built only
// once a name is found.
void Replacements::do_subs_Java(Dstr &text) const {
  if (text.isNull() || count == 0)
    return;
  const char *from = text.aschar();
  const unsigned int length = text.length();
  std::string result;
  unsigned int copied = 0;
  for (unsigned int i = 0; i < length;) {
    const unsigned int literal = literal_length(from, length, i);
    if (literal > 0) {
      i += literal;
      continue;
    }
    const char before = i > 0 ? from[i - 1] : '\0';
    const int entry = before == '.' || is_letter_or_digit(before) ? -1 : identifier_at(text, i);
    if (entry < 0) {
      ++i;
      continue;
    }
    result.append(from + copied, i - copied);
    result.append(associations[entry].to->aschar(), associations[entry].to->length());
    i += associations[entry].from->length();
    copied = i;
  }
  if (copied == 0)
    return;
  result.append(from + copied, length - copied);
  text.assign(result.data(), result.size());
}
