// NameSpelling: how a binding's target language writes IDL names. A binding's "reserved" file
// lists the target language's reserved words and the escape that turns one into a usable name
// (omniORB's C++: "delete" is written "_cxx_delete"); a binding without the file writes every
// name as it is.
#ifndef IDLGEN_NAME_SPELLING_HH
#define IDLGEN_NAME_SPELLING_HH

#include <string>
#include <unordered_set>

#include "foundation/Dstr.hh"

class NameSpelling {
public:
  // Reads binding + "reserved" if it exists; a syntax error in it is fatal.
  explicit NameSpelling(const Dstr &binding);

  // One identifier as the target language writes it.
  Dstr word(const char *name) const;
  // Every identifier of a scoped name ("M::delete", "::M::I") spelled by word.
  Dstr scoped(const char *name) const;

private:
  void read_line(const std::string &line, int number, const Dstr &path);

  std::unordered_set<std::string> reserved;
  // The escape's text before and after the word.
  std::string before;
  std::string after;
  bool hasEscape = false;
};

#endif
