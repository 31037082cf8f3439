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
  return position_of(std::string_view(name.aschar(), name.length()));
}

int AList::position_of(std::string_view name) const {
  const auto found = positions.find(name);
  return found == positions.end() ? -1 : static_cast<int>(found->second);
}

void AList::define(const Dstr &from, const Dstr &to) {
  assert(from.length() > 0);
  set(from.aschar(), to.asrawchar());
}

// Sets the value of the non-empty name from to the text to, or to a null string when to is a
// null pointer: in place when the name is defined, else in a new entry. Neither is copied
// before it is stored.
void AList::set(const char *from, const char *to) {
  const int found = position_of(std::string_view(from));
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
  assert(from != nullptr && *from != '\0');
  set(from, to.asrawchar());
}

void AList::define(const char *from, const char *to) {
  assert(to != nullptr);
  assert(from != nullptr && *from != '\0');
  set(from, to);
}

const Dstr &AList::translate(const Dstr &name) const { return value_at(find_association(name)); }

const Dstr &AList::translate(const char *name) const {
  return value_at(name ? position_of(std::string_view(name)) : -1);
}

std::vector<Dstr> AList::names() const {
  std::vector<Dstr> names;
  for (unsigned int i = 0; i < count; ++i)
    names.push_back(*associations[i].from);
  return names;
}

// The value of the entry at position found; for -1, the one shared null string.
const Dstr &AList::value_at(int found) const {
  static const Dstr nulldstr;
  return found >= 0 ? *associations[found].to : nulldstr;
}
