// Replacements: template substitution with its runaway limit, and identifier substitution.
#include "foundation/Replacements.hh"

#include <cstring>

#include "foundation/FatalError.hh"

namespace {

const unsigned int maxSubstitutions = 1000;

// Letters and digits of the POSIX locale; the underscore is neither.
bool is_letter_or_digit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

// The first entry, in definition order, whose name occurs in text, with the position of its
// leftmost occurrence; null when no name occurs.
const association *Replacements::first_occurring(const Dstr &text, int &position) const {
  for (unsigned int i = 0; i < count; ++i) {
    position = text.strstr(*associations[i].from);
    if (position >= 0)
      return &associations[i];
  }
  return nullptr;
}

void Replacements::do_subs(Dstr &text) const {
  unsigned int substitutions = 0;
  int position;
  while (const association *a = first_occurring(text, position)) {
    Dstr result(text);
    result -= position;
    result += *a->to;
    result += text.ascharfrom(position + a->from->length());
    text = result;
    if (++substitutions > maxSubstitutions)
      FatalError("Exceeded 1000 substitutions in string replacement -- probable infinite loop.");
  }
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

void Replacements::do_subs_Java(Dstr &text) const {
  if (text.isNull())
    return;
  for (unsigned int i = 0; i < count; ++i)
    replace_identifier(text, associations[i]);
}
