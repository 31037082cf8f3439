// Replacements: template substitution with its runaway limits, and identifier substitution.
#include "foundation/Replacements.hh"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/FatalError.hh"

namespace {

const unsigned int maxSubstitutions = 1000;
// The longest text template substitution may make: a value that contains its own name grows the
// text by its whole length at every step, long before the count limit is reached.
const size_t maxSubstitutedLength = 64u << 20;

const size_t none = std::string::npos;

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
  Substitution(const association *entries, unsigned int count, const char *text)
      : text(text), knowledge(count) {
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

}  // namespace

void Replacements::do_subs(Dstr &text) const {
  if (text.isNull())
    return;
  Substitution substitution(associations, count, text.aschar());
  unsigned int substitutions = 0;
  while (substitution.replace_first()) {
    if (++substitutions > maxSubstitutions)
      FatalError("Exceeded 1000 substitutions in string replacement -- probable infinite loop.");
    if (substitution.text.size() > maxSubstitutedLength)
      FatalError("Exceeded ", static_cast<unsigned long>(maxSubstitutedLength),
                 " characters in string replacement -- probable infinite loop.");
  }
  if (substitutions > 0)
    text = substitution.text.c_str();
}

void Replacements::replace_identifier(Dstr &text, const association &a) const {
  const Dstr &name = *a.from;
  const unsigned int length = text.length();
  Dstr result("");
  bool inString = false;
  unsigned int i = 0;
  while (i < length) {
    if (text[i] == '"')
      inString = !inString;
    const char before = i > 0 ? text[i - 1] : '\0';
    const char after = text[i + name.length()];
    const bool replace = !inString && before != '.' && !is_letter_or_digit(before) &&
                         strncmp(text.ascharfrom(i), name.aschar(), name.length()) == 0 &&
                         !is_letter_or_digit(after) && after != '(';
    if (replace) {
      result += *a.to;
      i += name.length();
    } else {
      result += text[i];
      ++i;
    }
  }
  text = result;
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
