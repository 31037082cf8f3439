// Replacements: template substitution with its runaway limits, and identifier substitution.
#include "foundation/Replacements.hh"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/FatalError.hh"

namespace {

const unsigned int maxSubstitutions = 1000;
// The longest text template substitution may make: a value that contains its own name grows the
// text by its whole length at every step, long before the count limit is reached.
const size_t maxSubstitutedLength = 64u << 20;

const size_t none = std::string::npos;

// Texts up to this length are searched whole at every step, in one walk that tries only the
// names beginning with each character; longer ones go to Substitution, which searches again only
// where the text changed.
const size_t shortText = 4096;

// Letters and digits of the POSIX locale; the underscore is neither.
bool is_letter_or_digit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// One template substitution, in time proportional to the text it changes rather than to the
// whole text at every step. For each name it keeps what is known of its leftmost occurrence, and
// after a replacement it looks again only where the text changed: an occurrence that lies wholly
// before or wholly after the replaced part is unchanged (after it, shifted).
class Substitution {
public:
  Substitution(const association *entries, unsigned int count, std::string &&text)
      : text(std::move(text)), knowledge(count) {
    for (unsigned int i = 0; i < count; ++i) {
      names.emplace_back(entries[i].from->aschar());
      values.emplace_back(entries[i].to->aschar());
    }
  }

  // Replaces the leftmost occurrence of the first-defined name that occurs; false when none does.
  bool replace_first() {
    for (size_t i = 0; i < names.size(); ++i) {
      const size_t at = leftmost(i);
      if (at == none)
        continue;
      text.replace(at, names[i].size(), values[i]);
      note_replacement(at, names[i].size(), values[i].size());
      return true;
    }
    return false;
  }

  std::string text;

private:
  // When known, at is the leftmost occurrence of the name, or none; otherwise no occurrence
  // starts before from.
  struct Knowledge {
    bool known = false;
    size_t at = none;
    size_t from = 0;
  };

  size_t leftmost(size_t i) {
    Knowledge &k = knowledge[i];
    if (!k.known) {
      k.at = text.find(names[i], k.from);
      k.known = true;
    }
    return k.at;
  }

  // The leftmost occurrence of name i that overlaps the text just inserted at [at, at + length),
  // or none. With nothing inserted, an occurrence that spans the place of the cut.
  size_t inserted_occurrence(size_t i, size_t at, size_t length) const {
    const size_t n = names[i].size();
    const size_t start = at + 1 > n ? at + 1 - n : 0;
    const size_t end = std::min(text.size(), at + length + n - 1);
    if (end <= start)
      return none;
    const size_t found = std::string_view(text).substr(start, end - start).find(names[i]);
    return found == none ? none : start + found;
  }

  // After removed characters at at were replaced by inserted ones.
  void note_replacement(size_t at, size_t removed, size_t inserted) {
    for (size_t i = 0; i < names.size(); ++i) {
      Knowledge &k = knowledge[i];
      const size_t n = names[i].size();
      // Occurrences that start before this lie wholly in the unchanged text before at.
      const size_t untouched = at + 1 > n ? at + 1 - n : 0;
      if (!k.known) {
        k.from = std::min(k.from, untouched);
        continue;
      }
      if (k.at != none && k.at + n <= at)
        continue;
      if (k.at != none && k.at < at + removed) {
        k = Knowledge{false, none, untouched};
        continue;
      }
      const size_t inside = inserted_occurrence(i, at, inserted);
      if (inside != none)
        k.at = inside;
      else if (k.at != none)
        k.at = k.at - removed + inserted;
    }
  }

  // Views of the list's own texts, which stay unchanged while the substitution runs.
  std::vector<std::string_view> names;
  std::vector<std::string_view> values;
  std::vector<Knowledge> knowledge;
};

void check_limits(unsigned int substitutions, size_t length) {
  if (substitutions > maxSubstitutions)
    FatalError(explain("the variables of a template line replace each other without end: "
                       "more than 1000 substitutions"),
               "Exceeded 1000 substitutions in string replacement -- probable infinite loop.");
  if (length > maxSubstitutedLength)
    FatalError(explain("the variables of a template line replace each other without end: the "
                       "line grows past ", static_cast<unsigned long>(maxSubstitutedLength),
                       " characters"),
               "Exceeded ", static_cast<unsigned long>(maxSubstitutedLength),
               " characters in string replacement -- probable infinite loop.");
}

}  // namespace

// Appends to out every occurrence of a name that starts at a position from from up to to and
// ends after the position after: at each position, the names that begin with its character.
// An occurrence is at least as long as the shortest name and holds no character that is in no
// name: where the last character that an occurrence starting here would hold is in no name, the
// search moves on by the shortest name's length at once.
void Replacements::collect(const char *text, size_t length, size_t from, size_t to, size_t after,
                           std::vector<Occurrence> &out) const {
  if (count == 0 || length < shortestName)
    return;
  const int *first = firstStartingWith.data();
  const int *next = nextStartingAlike.data();
  const std::string_view *name = names.data();
  const size_t stop = std::min(to, length - shortestName + 1);
  for (size_t i = from; i < stop;) {
    if (!inSomeName[static_cast<unsigned char>(text[i + shortestName - 1])]) {
      i += shortestName;
      continue;
    }
    for (int e = first[static_cast<unsigned char>(text[i])]; e >= 0; e = next[e]) {
      const std::string_view n = name[e];
      if (i + n.size() > after && n.size() <= length - i &&
          (n.size() == 1 || text[i + 1] == n[1]) && memcmp(text + i, n.data(), n.size()) == 0)
        out.push_back({i, e});
    }
    ++i;
  }
}

// The number of replacements made in text, whose names occur where occurrences says. Each step
// replaces the first-defined name that occurs, at its leftmost occurrence. The occurrences wholly
// before the replaced part stay, those wholly after it move with the text, and only the
// inserted value and a name's length around it are searched again. The names are classified.
unsigned int Replacements::substitute(std::string &text,
                                      std::vector<Occurrence> &occurrences) const {
  unsigned int substitutions = 0;
  std::vector<Occurrence> &following = spareOccurrences;
  while (text.size() <= shortText) {
    const Occurrence *chosen = nullptr;
    for (const Occurrence &o : occurrences) {
      if (!chosen || o.entry < chosen->entry ||
          (o.entry == chosen->entry && o.position < chosen->position))
        chosen = &o;
    }
    if (!chosen)
      return substitutions;
    const size_t at = chosen->position;
    const size_t removed = names[chosen->entry].size();
    const Dstr &value = *associations[chosen->entry].to;
    const size_t inserted = value.length();
    text.replace(at, removed, value.aschar(), inserted);
    check_limits(++substitutions, text.size());
    following.clear();
    for (const Occurrence &o : occurrences) {
      if (o.position + names[o.entry].size() <= at)
        following.push_back(o);
      else if (o.position >= at + removed)
        following.push_back({o.position - removed + inserted, o.entry});
    }
    const size_t from = at + 1 > longestName ? at + 1 - longestName : 0;
    collect(text.data(), text.size(), from, at + inserted, at, following);
    occurrences.swap(following);
  }
  Substitution substitution(associations, count, std::move(text));
  while (substitution.replace_first())
    check_limits(++substitutions, substitution.text.size());
  text = std::move(substitution.text);
  return substitutions;
}

// The occurrences in a text longer than shortText are left to Substitution to find.
void Replacements::do_subs(std::string &text) const {
  classify_new_names();
  std::vector<Occurrence> &occurrences = foundOccurrences;
  occurrences.clear();
  if (text.size() <= shortText)
    collect(text.data(), text.size(), 0, text.size(), 0, occurrences);
  substitute(text, occurrences);
}

void Replacements::do_subs(std::string &text, KnownOccurrences &known) const {
  classify_new_names();
  if (known.list != this || known.entries != count || text.size() > shortText) {
    known.list = this;
    known.entries = count;
    known.occurrences.clear();
    if (text.size() <= shortText)
      collect(text.data(), text.size(), 0, text.size(), 0, known.occurrences);
  }
  foundOccurrences = known.occurrences;
  substitute(text, foundOccurrences);
}

// A text that no replacement changes is left as it is, without a copy; a list without names
// changes no text.
void Replacements::do_subs(Dstr &text) const {
  if (text.isNull() || count == 0)
    return;
  classify_new_names();
  std::vector<Occurrence> &occurrences = foundOccurrences;
  occurrences.clear();
  const bool isShort = text.length() <= shortText;
  if (isShort)
    collect(text.aschar(), text.length(), 0, text.length(), 0, occurrences);
  if (isShort && occurrences.empty())
    return;
  std::string &substituted = substitutedText;
  substituted.assign(text.aschar(), text.length());
  if (substitute(substituted, occurrences) > 0)
    text.assign(substituted.data(), substituted.size());
}

// One left-to-right pass of a's name over text.
void Replacements::replace_identifier(Dstr &text, const association &a) const {
  const char *from = text.aschar();
  const unsigned int length = text.length();
  const char *name = a.from->aschar();
  const unsigned int nameLength = a.from->length();
  std::string result;
  result.reserve(length);
  bool inString = false;
  unsigned int i = 0;
  while (i < length) {
    if (from[i] == '"')
      inString = !inString;
    const char before = i > 0 ? from[i - 1] : '\0';
    const char after = i + nameLength < length ? from[i + nameLength] : '\0';
    const bool replace = !inString && before != '.' && !is_letter_or_digit(before) &&
                         strncmp(from + i, name, nameLength) == 0 &&
                         !is_letter_or_digit(after) && after != '(';
    if (replace) {
      result += a.to->aschar();
      i += nameLength;
    } else {
      result += from[i];
      ++i;
    }
  }
  text = result.c_str();
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
    longestName = std::max(longestName, static_cast<size_t>(name.length()));
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

// Looks up, at every position where a replacement may start, the text of each length that names
// have; the passes of all other entries would leave the text as it is.
unsigned int Replacements::first_replaceable(const Dstr &text, unsigned int first) const {
  unsigned int found = count;
  const unsigned int length = text.length();
  bool inString = false;
  for (unsigned int i = 0; i < length; ++i) {
    if (text[i] == '"')
      inString = !inString;
    const char before = i > 0 ? text[i - 1] : '\0';
    if (inString || before == '.' || is_letter_or_digit(before))
      continue;
    for (unsigned int n : nameLengths) {
      if (n > length - i)
        break;
      const char after = text[i + n];
      if (is_letter_or_digit(after) || after == '(')
        continue;
      const auto entry = positions.find(std::string_view(text.ascharfrom(i), n));
      if (entry != positions.end() && entry->second >= first && entry->second < found)
        found = entry->second;
    }
  }
  return found;
}

// Only the passes that replace something are made, in definition order: each runs over the text
// the previous one left.
void Replacements::do_subs_Java(Dstr &text) const {
  if (text.isNull())
    return;
  for (unsigned int i = first_replaceable(text, 0); i < count;
       i = first_replaceable(text, i + 1))
    replace_identifier(text, associations[i]);
}
