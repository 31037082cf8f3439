// Replacements: a variable list that fills text. do_subs fills binding templates by repeated
// plain-substring replacement; do_subs_Java rewrites whole identifiers in script expressions.
#ifndef FOUNDATION_REPLACEMENTS_HH
#define FOUNDATION_REPLACEMENTS_HH

#include "foundation/AList.hh"

class Replacements : public AList {
public:
  // Replaces the leftmost occurrence of the first-defined name that occurs, and again from the
  // start, until no name occurs; more than 1000 replacements in one text, or a text grown past
  // 64 MB, is a fatal error.
  void do_subs(Dstr &text) const;
  // For each name in turn, one pass that replaces the name where it stands as a whole identifier
  // outside double quotes, not after "." and not directly before "(".
  void do_subs_Java(Dstr &text) const;

private:
  void replace_identifier(Dstr &text, const association &a) const;
  // The first entry from position first on whose pass over text would replace something, or
  // count when none would.
  unsigned int first_replaceable(const Dstr &text, unsigned int first) const;
};

#endif
