// NameSpelling: reading of the "reserved" file (comment lines, one "escape" line whose "*" stands
// for the word, and lines of reserved words separated by blanks) and the spelling of names.
#include "idlgen/NameSpelling.hh"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "foundation/FatalError.hh"

namespace {

[[noreturn]] void syntax_error(const Dstr &path, int line, const char *text) {
  FatalError("Syntax error in reserved words file ", path, " line ", line, ": ", text);
}

}  // namespace

NameSpelling::NameSpelling(const Dstr &binding) {
  Dstr path(binding);
  path += "reserved";
  FILE *f = fopen(path.aschar(), "r");
  if (!f) {
    if (errno == ENOENT)
      return;
    FatalError("Can't open ", path, " for reading: ", strerror(errno));
  }
  int number = 0;
  for (Dstr line; !line.getline(f).isNull();)
    read_line(line.aschar(), ++number, path);
  const bool failed = ferror(f) != 0;
  fclose(f);
  if (failed)
    FatalError("Can't read ", path, " after line ", number);
  if (!reserved.empty() && !hasEscape)
    FatalError("Reserved words file ", path, " has no escape line");
}

void NameSpelling::read_line(const std::string &line, int number, const Dstr &path) {
  std::istringstream words(line);
  std::string first;
  if (!(words >> first) || first[0] == '#')
    return;
  if (first != "escape") {
    for (std::string w = first; !w.empty(); w.clear(), words >> w)
      reserved.insert(w);
    return;
  }
  std::string pattern, extra;
  if (!(words >> pattern) || (words >> extra))
    syntax_error(path, number, "escape takes one pattern");
  const size_t star = pattern.find('*');
  if (star == std::string::npos || pattern.find('*', star + 1) != std::string::npos ||
      pattern.size() == 1)
    syntax_error(path, number, "the escape pattern must hold one * and other text");
  if (hasEscape)
    syntax_error(path, number, "a second escape line");
  before = pattern.substr(0, star);
  after = pattern.substr(star + 1);
  hasEscape = true;
}

Dstr NameSpelling::word(const char *name) const {
  if (reserved.count(name) == 0)
    return Dstr(name);
  return Dstr((before + name + after).c_str());
}

Dstr NameSpelling::scoped(const char *name) const {
  Dstr spelled("");
  const char *start = name;
  for (const char *sep = strstr(start, "::"); sep != nullptr; sep = strstr(start, "::")) {
    spelled += word(std::string(start, static_cast<size_t>(sep - start)).c_str());
    spelled += "::";
    start = sep + 2;
  }
  spelled += word(start);
  return spelled;
}
