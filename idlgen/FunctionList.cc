// FunctionList: an owning list of generated functions, walked by index, with an index by
// interface and operation name.
#include "idlgen/FunctionList.hh"

#include <cassert>
#include <ostream>

namespace {

// The index key of a function's names. A null name and an empty one give the same key, which
// is why a lookup's callers compare the names themselves.
std::pair<std::string_view, std::string_view> key_of(const Dstr &interfaceName,
                                                     const Dstr &operationName) {
  return {interfaceName.aschar(), operationName.aschar()};
}

}  // namespace

size_t FunctionList::NamesHash::operator()(const Names &n) const {
  const std::hash<std::string_view> hash;
  return hash(n.first) * 31 + hash(n.second);
}

FunctionList::~FunctionList() {
  for (Function *f : functions)
    delete f;
}

void FunctionList::add(Function *f) {
  assert(f != nullptr);
  functions.push_back(f);
  byName[key_of(f->idl_interface_name, f->idl_operation_name)].push_back(f);
}

Function *FunctionList::operator[](unsigned int i) const {
  return i < functions.size() ? functions[i] : nullptr;
}

const std::vector<Function *> *FunctionList::named(const Dstr &interfaceName,
                                                  const Dstr &operationName) const {
  const auto found = byName.find(key_of(interfaceName, operationName));
  return found == byName.end() ? nullptr : &found->second;
}

std::ostream &operator<<(std::ostream &os, const FunctionList &list) {
  os << "\nBEGIN FUNCTION LIST\n\n";
  for (unsigned int i = 0; list[i]; ++i)
    os << *list[i];
  return os << "END FUNCTION LIST\n\n";
}
