// MakefileFragment: six name lists kept in step, one entry per IDL file, and the fragment
// written from them.
#include "depwrite/MakefileFragment.hh"

#include <cassert>
#include <cstring>
#include <ostream>

namespace {

const char idlExtension[] = ".idl";
const unsigned int idlExtensionLength = sizeof idlExtension - 1;

// Appends a blank and stem + suffix + extension to list.
void add_entry(Dstr &list, const Dstr &stem, const Dstr &suffix, const char *extension) {
  list += ' ';
  list += stem;
  list += suffix;
  list += extension;
}

// Whether make and the shell give the byte no meaning of its own (the C locale's letters and
// digits, not the current locale's).
bool is_safe_byte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         strchr("._+,@-", c) != nullptr || c >= 128;
}

// Four lists split into tokens in step: each row holds the tokens at one position. The first
// list decides how many rows there are; a shorter list gives null tokens. The lists are read in
// place, so that a directory of many files costs time in proportion to their number.
class TokenRows {
public:
  TokenRows(const Dstr &first, const Dstr &second, const Dstr &third, const Dstr &fourth)
      : lists{&first, &second, &third, &fourth} {}
  // Moves to the next row; false when the first list has no token left.
  bool next() {
    for (unsigned int i = 0; i < columns; ++i)
      tokens[i] = lists[i]->token_from(positions[i]);
    return !tokens[0].isNull();
  }
  const Dstr &operator[](unsigned int column) const { return tokens[column]; }

private:
  static const unsigned int columns = 4;
  const Dstr *lists[columns];
  unsigned int positions[columns] = {};
  Dstr tokens[columns];
};

}  // namespace

MakefileFragment::MakefileFragment(const Dstr &clientSuffix, const Dstr &serverSuffix,
                                   const Dstr &headerSuffix)
    : clientSuffix(clientSuffix), serverSuffix(serverSuffix), headerSuffix(headerSuffix) {}

bool MakefileFragment::is_idl_name(const char *name) {
  const size_t length = strlen(name);
  return length >= idlExtensionLength &&
         strcmp(name + length - idlExtensionLength, idlExtension) == 0;
}

bool MakefileFragment::is_makefile_safe(const char *name) {
  if (name[0] == '-')
    return false;
  for (const char *c = name; *c != '\0'; ++c) {
    if (!is_safe_byte(static_cast<unsigned char>(*c)))
      return false;
  }
  return true;
}

void MakefileFragment::add(const char *idlName) {
  assert(is_idl_name(idlName));
  Dstr stem(idlName);
  stem -= stem.length() - idlExtensionLength;
  const Dstr none;
  add_entry(idlFiles, stem, none, idlExtension);
  add_entry(headers, stem, headerSuffix, ".$(HHSUFFIX)");
  add_entry(clientObjects, stem, clientSuffix, ".$(OBJSUFFIX)");
  add_entry(serverObjects, stem, serverSuffix, ".$(OBJSUFFIX)");
  add_entry(clientSources, stem, clientSuffix, ".$(CPPSUFFIX)");
  add_entry(serverSources, stem, serverSuffix, ".$(CPPSUFFIX)");
}

void MakefileFragment::write(std::ostream &out) const {
  write_variables(out);
  write_generation_rules(out);
  write_object_rules(out);
}

void MakefileFragment::write_variables(std::ostream &out) const {
  const struct {
    const char *name;
    const Dstr &list;
  } variables[] = {
      {"IDL_FILES =", idlFiles},         {"HH_FILES =", headers},
      {"CLIENT_OBJS =", clientObjects},  {"SERVER_OBJS =", serverObjects},
      {"CLIENT_CC =", clientSources},    {"SERVER_CC =", serverSources},
  };
  for (const auto &variable : variables)
    out << variable.name << variable.list << '\n';
  out << '\n';
}

void MakefileFragment::write_generation_rules(std::ostream &out) const {
  TokenRows rows(idlFiles, serverSources, clientSources, headers);
  while (rows.next()) {
    out << rows[1] << ' ' << rows[2] << ' ' << rows[3] << ": $(IDL_FILES)\n";
    out << "\t$(IDL) $(IDLFLAGS) " << rows[0] << "\n\n";
  }
}

void MakefileFragment::write_object_rules(std::ostream &out) const {
  TokenRows rows(serverObjects, serverSources, clientObjects, clientSources);
  while (rows.next()) {
    out << rows[0] << ": " << rows[1] << " $(HH_FILES)\n";
    out << rows[2] << ": " << rows[3] << " $(HH_FILES)\n";
  }
}
