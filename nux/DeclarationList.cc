// DeclarationList: declarations in script order, lookup by name through an index of the first
// declaration of each name, and the prefixing of declared names in expressions.
#include "nux/DeclarationList.hh"

#include "foundation/IgnorableError.hh"

DeclarationList::DeclarationList(const Dstr &prefix_in) : prefix(prefix_in) {}

DeclarationList::~DeclarationList() {
  for (declaration *d : declarations)
    delete d;
}

void DeclarationList::add(const Dstr &type, const Dstr &name, const Dstr &header,
                          const Dstr &host, const Dstr &server, const Dstr &marker, int line) {
  declaration *d = new declaration{type, name, header, host, server, marker, line};
  declarations.push_back(d);
  if (name.isNull() && !firstUnnamed)
    firstUnnamed = d;
  if (!name.isNull())
    firstByName.emplace(d->name.aschar(), d);
  // A "declare" line without a name declares nothing that an expression could refer to.
  if (prefix.length() == 0 || name.length() == 0)
    return;
  Dstr prefixed(prefix);
  prefixed += name;
  substitutions.define(name, prefixed);
}

DeclarationList::declaration *DeclarationList::operator[](const Dstr &name) const {
  if (name.isNull() && firstUnnamed)
    return firstUnnamed;
  if (!name.isNull()) {
    const auto found = firstByName.find(std::string_view(name.aschar()));
    if (found != firstByName.end())
      return found->second;
  }
  IgnorableError("No such declaration: ", name);
  return nullptr;
}

DeclarationList::declaration *DeclarationList::operator[](const char *name) const {
  return (*this)[Dstr(name)];
}

std::vector<Dstr> DeclarationList::names() const {
  std::vector<Dstr> names;
  for (const declaration *d : declarations) {
    if (!d->name.isNull() && firstByName.at(d->name.aschar()) == d)
      names.push_back(d->name);
  }
  return names;
}

void DeclarationList::do_subs_Java(Dstr &text) const { substitutions.do_subs_Java(text); }
