// FunctionList: an owning list of generated functions, walked by index.
#include "idlgen/FunctionList.hh"

#include <cassert>
#include <ostream>

FunctionList::~FunctionList() {
  for (Function *f : functions)
    delete f;
}

void FunctionList::add(Function *f) {
  assert(f != nullptr);
  functions.push_back(f);
}

Function *FunctionList::operator[](unsigned int i) const {
  return i < functions.size() ? functions[i] : nullptr;
}

std::ostream &operator<<(std::ostream &os, const FunctionList &list) {
  os << "\nBEGIN FUNCTION LIST\n\n";
  for (unsigned int i = 0; list[i]; ++i)
    os << *list[i];
  return os << "END FUNCTION LIST\n\n";
}
