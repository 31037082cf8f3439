// MakefileFragment: six name lists kept in step, one entry per IDL file, and the fragment
// written from them.
#include "depwrite/MakefileFragment.hh"

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

}  // namespace

MakefileFragment::MakefileFragment(const Dstr &clientSuffix, const Dstr &serverSuffix,
                                   const Dstr &headerSuffix)
    : clientSuffix(clientSuffix), serverSuffix(serverSuffix), headerSuffix(headerSuffix) {}

bool MakefileFragment::is_idl_name(const char *name) {
  const size_t length = strlen(name);
  return length >= idlExtensionLength &&
         strcmp(name + length - idlExtensionLength, idlExtension) == 0;
}

void MakefileFragment::add(const char *idlName) {
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
  Dstr idlList(idlFiles), headerList(headers), serverList(serverSources), clientList(clientSources);
  Dstr idlName, header, server, client;
  for (;;) {
    idlList /= idlName;
    headerList /= header;
    serverList /= server;
    clientList /= client;
    if (idlName.isNull())
      return;
    out << server << ' ' << client << ' ' << header << ": $(IDL_FILES)\n";
    out << "\t$(IDL) $(IDLFLAGS) " << idlName << "\n\n";
  }
}

void MakefileFragment::write_object_rules(std::ostream &out) const {
  Dstr serverList(serverSources), clientList(clientSources), serverObjectList(serverObjects),
      clientObjectList(clientObjects);
  Dstr server, client, serverObject, clientObject;
  for (;;) {
    serverList /= server;
    clientList /= client;
    serverObjectList /= serverObject;
    clientObjectList /= clientObject;
    if (serverObject.isNull())
      return;
    out << serverObject << ": " << server << " $(HH_FILES)\n";
    out << clientObject << ": " << client << " $(HH_FILES)\n";
  }
}
