// AList: an ordered list of unique variable names with their values. The position of a name is
// fixed by its first definition, which gives it its precedence in template substitution
// (Replacements). The list owns copies of every name and value.
#ifndef FOUNDATION_ALIST_HH
#define FOUNDATION_ALIST_HH

#include <set>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Dstr.hh"

// One name and its value. The name is never null or empty; the value may be a null string.
struct association {
  Dstr *from;
  Dstr *to;
};

class AList {
public:
  AList();
  virtual ~AList();
  AList(const AList &) = delete;
  AList &operator=(const AList &) = delete;

  // Index of the entry named name, or -1.
  int find_association(const Dstr &name) const;
  // Sets the value of name, adding the name at the end when it is new.
  void define(const Dstr &from, const Dstr &to);
  void define(const char *from, const Dstr &to);
  void define(const char *from, const char *to);
  // The value of name; for an undefined name one shared null string. Copy the result before
  // the list changes.
  const Dstr &translate(const Dstr &name) const;
  const Dstr &translate(const char *name) const;
  // The names, in the order of their first definition.
  std::vector<Dstr> names() const;

protected:
  // Index of the entry whose name is exactly name, or -1.
  int position_of(std::string_view name) const;

  association *associations;
  unsigned int max;
  unsigned int count;
  // Every name's position, so that a lookup does not walk the list: a list of thousands of
  // names (a large types file, a script's declarations) is built in linear time. The keys view
  // the names, which never change once defined.
  std::unordered_map<std::string_view, unsigned int> positions;
  // The lengths that names have, shortest first.
  std::set<unsigned int> nameLengths;

private:
  void set(const char *from, const char *to);
  const Dstr &value_at(int found) const;
};

#endif
