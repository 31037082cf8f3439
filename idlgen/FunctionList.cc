// FunctionList: an owning list of generated functions, walked by index, with an index by
// interface and operation name.
#include "idlgen/FunctionList.hh"

#include <cassert>
#include <functional>
#include <ostream>
#include <string_view>

namespace {

std::string_view view_of(const Dstr &name) { return {name.aschar(), name.length()}; }

size_t hash_of(const Dstr &interfaceName, const Dstr &operationName) {
  const std::hash<std::string_view> hash;
  return hash(view_of(interfaceName)) * 31 + hash(view_of(operationName));
}

bool has_names(const Function &f, const Dstr &interfaceName, const Dstr &operationName) {
  return view_of(f.idl_interface_name) == view_of(interfaceName) &&
         view_of(f.idl_operation_name) == view_of(operationName);
}

}  // namespace

FunctionList::~FunctionList() {
  for (Function *f : functions)
    delete f;
}

void FunctionList::add(Function *f) {
  assert(f != nullptr);
  if (2 * (slotsInUse + 1) > slots.size())
    grow_index();
  const unsigned int position = static_cast<unsigned int>(functions.size());
  functions.push_back(f);
  nextWithNames.push_back(none);
  const size_t hash = hash_of(f->idl_interface_name, f->idl_operation_name);
  Slot &slot = slots[slot_index(hash, f->idl_interface_name, f->idl_operation_name)];
  if (slot.first == none) {
    slot = {hash, position, position};
    ++slotsInUse;
    return;
  }
  nextWithNames[slot.last] = position;
  slot.last = position;
}

size_t FunctionList::slot_index(size_t hash, const Dstr &interfaceName,
                                const Dstr &operationName) const {
  const size_t mask = slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot &slot = slots[i];
    if (slot.first == none ||
        (slot.hash == hash && has_names(*functions[slot.first], interfaceName, operationName)))
      return i;
  }
}

// Each name pair is in one slot, so the slots move to their new places without comparing names.
void FunctionList::grow_index() {
  std::vector<Slot> old(slots.empty() ? 16 : 2 * slots.size(), Slot{0, none, none});
  old.swap(slots);
  const size_t mask = slots.size() - 1;
  for (const Slot &slot : old) {
    if (slot.first == none)
      continue;
    size_t i = slot.hash & mask;
    while (slots[i].first != none)
      i = (i + 1) & mask;
    slots[i] = slot;
  }
}

unsigned int FunctionList::first_position(const Dstr &interfaceName,
                                          const Dstr &operationName) const {
  if (slots.empty())
    return none;
  return slots[slot_index(hash_of(interfaceName, operationName), interfaceName, operationName)]
      .first;
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
