// Replacements: a variable list that fills text. do_subs fills binding templates, putting each
// variable's value where its name stands; do_subs_Java rewrites whole identifiers in script
// expressions. Both insert values as they are: an inserted value is never searched for names.
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
  // The occurrences that filling a fixed text (a template line) replaces. They depend only on
  // the names, so they hold while the list that chose them has the same number of entries.
  struct KnownOccurrences {
    const Replacements *list = nullptr;
    unsigned int entries = 0;
    std::vector<Occurrence> occurrences;
  };

  // Puts the value of every name where the name occurs in text, in one pass: the values go in as
  // they are, never searched for names, so the result is text's own characters and one value for
  // each occurrence replaced. Where occurrences overlap, the name defined first wins, and of its
  // occurrences the leftmost. A result longer than 64 MB is a fatal error.
  void do_subs(Dstr &text) const;
  // The same for a text that is always the same when it is given with known, which remembers
  // the occurrences that filling it replaces.
  void do_subs(std::string &text, KnownOccurrences &known) const;
  // One pass that puts the value of a name where the name stands as a whole identifier outside
  // string and character literals, not after "." and not directly before "("; where two names
  // could start at one place, the one defined first. Values are never searched for names.
  void do_subs_Java(Dstr &text) const;

  // The longest text that do_subs may make.
  static constexpr size_t maxFilledLength = 64u << 20;

private:
  void collect(const char *text, size_t length, std::vector<Occurrence> &out) const;
  void choose(std::vector<Occurrence> &occurrences) const;
  void fill(const char *text, size_t length, const std::vector<Occurrence> &chosen,
            std::string &out) const;
  // The first-defined entry whose name stands whole at position i of text, or -1.
  int identifier_at(const Dstr &text, unsigned int i) const;
  void classify_new_names() const;

  // What do_subs knows of the names, brought up to date with the entries before each use
  // (classified counts the entries seen): the names, as views of the texts the list owns, and
  // the names that begin with each byte, in order, as chains through the entries (-1 ends a
  // chain).
  mutable std::vector<std::string_view> names;
  mutable std::vector<int> firstStartingWith, lastStartingWith, nextStartingAlike;
  mutable unsigned int classified = 0;
  // The length of the shortest name, and the characters that are in some name.
  mutable size_t shortestName = 0;
  mutable bool inSomeName[256] = {};
  // Room for the occurrences of the text being filled, and for the filled text, kept from one
  // substitution to the next so that they are not allocated every time.
  mutable std::vector<Occurrence> foundOccurrences;
  mutable std::string filledText;
};

#endif
