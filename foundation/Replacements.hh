// Replacements: a variable list that fills text. do_subs fills binding templates by repeated
// plain-substring replacement; do_subs_Java rewrites whole identifiers in script expressions.
#ifndef FOUNDATION_REPLACEMENTS_HH
#define FOUNDATION_REPLACEMENTS_HH

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/AList.hh"

class Replacements : public AList {
public:
  // A place where a name occurs in a text: its position and the name's entry.
  struct Occurrence {
    size_t position;
    int entry;
  };
  // Where the names occur in a fixed text (a template line). It depends only on the names, so
  // it holds while the list that found it has the same number of entries.
  struct KnownOccurrences {
    const Replacements *list = nullptr;
    unsigned int entries = 0;
    std::vector<Occurrence> occurrences;
  };

  // Replaces the leftmost occurrence of the first-defined name that occurs, and again from the
  // start, until no name occurs; more than 1000 replacements in one text, or a text grown past
  // 64 MB, is a fatal error.
  void do_subs(Dstr &text) const;
  void do_subs(std::string &text) const;
  // The same for a text that is always the same when it is given with known, which remembers
  // where names occur in it.
  void do_subs(std::string &text, KnownOccurrences &known) const;
  // For each name in turn, one pass that replaces the name where it stands as a whole identifier
  // outside double quotes, not after "." and not directly before "(".
  void do_subs_Java(Dstr &text) const;

private:
  void collect(const char *text, size_t length, size_t from, size_t to, size_t after,
               std::vector<Occurrence> &out) const;
  unsigned int substitute(std::string &text, std::vector<Occurrence> &occurrences) const;
  void replace_identifier(Dstr &text, const association &a) const;
  // The first entry from position first on whose pass over text would replace something, or
  // count when none would.
  unsigned int first_replaceable(const Dstr &text, unsigned int first) const;
  void classify_new_names() const;

  // What do_subs knows of the names, brought up to date with the entries before each use
  // (classified counts the entries seen): the names, as views of the texts the list owns, the
  // length of the longest, and the names that begin with each byte, in order, as chains through
  // the entries (-1 ends a chain).
  mutable std::vector<std::string_view> names;
  mutable size_t longestName = 0;
  mutable std::vector<int> firstStartingWith, lastStartingWith, nextStartingAlike;
  mutable unsigned int classified = 0;
  // The length of the shortest name, and the characters that are in some name.
  mutable size_t shortestName = 0;
  mutable bool inSomeName[256] = {};
  // Room for the occurrences of the text being substituted and of its next step, kept from
  // one substitution to the next so that they are not allocated every time.
  mutable std::vector<Occurrence> foundOccurrences, spareOccurrences;
  // Room for a Dstr's text while it is substituted.
  mutable std::string substitutedText;
};

#endif
