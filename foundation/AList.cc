// AList: names and values in order of first definition, in an array that starts with room for
// one entry and doubles when full, with an index of the names.
#include "foundation/AList.hh"

#include <cassert>
#include <cstdlib>

AList::AList() : associations(nullptr), max(1), count(0) {
  associations = static_cast<association *>(malloc(max * sizeof(association)));
  assert(associations != nullptr);
}

AList::~AList() {
  for (unsigned int i = 0; i < count; ++i) {
    delete associations[i].from;
    delete associations[i].to;
  }
  free(associations);
}

int AList::find_association(const Dstr &name) const {
  if (name.isNull())
    return -1;
  const auto found = positions.find(std::string_view(name.aschar(), name.length()));
  return found == positions.end() ? -1 : static_cast<int>(found->second);
}

void AList::define(const Dstr &from, const Dstr &to) {
  assert(from.length() > 0);
  const int found = find_association(from);
  if (found >= 0) {
    *associations[found].to = to;
    return;
  }
  if (count == max) {
    max *= 2;
    associations = static_cast<association *>(realloc(associations, max * sizeof(association)));
    assert(associations != nullptr && max != 0);
  }
  associations[count].from = new Dstr(from);
  associations[count].to = new Dstr(to);
  const Dstr &name = *associations[count].from;
  positions.emplace(std::string_view(name.aschar(), name.length()), count);
  nameLengths.insert(name.length());
  ++count;
}

void AList::define(const char *from, const Dstr &to) {
  assert(from != nullptr);
  define(Dstr(from), to);
}

void AList::define(const char *from, const char *to) {
  assert(to != nullptr);
  define(from, Dstr(to));
}

const Dstr &AList::translate(const Dstr &name) const {
  static const Dstr nulldstr;
  const int found = find_association(name);
  return found >= 0 ? *associations[found].to : nulldstr;
}

const Dstr &AList::translate(const char *name) const { return translate(Dstr(name)); }
