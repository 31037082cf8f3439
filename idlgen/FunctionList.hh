// FunctionList: the functions of the generated program in output order. The IDL generator adds
// the server functions, the NUX compiler adds main; the list owns them all.
#ifndef IDLGEN_FUNCTIONLIST_HH
#define IDLGEN_FUNCTIONLIST_HH

#include <cstddef>
#include <iosfwd>
#include <vector>

#include "idlgen/Function.hh"

class FunctionList {
public:
  FunctionList() = default;
  ~FunctionList();
  FunctionList(const FunctionList &) = delete;
  FunctionList &operator=(const FunctionList &) = delete;

  // Appends f, which the list then owns. Its interface and operation names must be set
  // already and stay as they are: the list files f under them.
  void add(Function *f);
  // The i-th function, or null past the end: callers walk from 0 until they get null.
  Function *operator[](unsigned int i) const;
  // The first function, in list order, with the interface and operation names given for which
  // accept(function) holds; null when there is none. A null name and an empty one are filed
  // together, so accept tells them apart where that matters.
  template <typename Accept>
  Function *first_named(const Dstr &interfaceName, const Dstr &operationName,
                        Accept accept) const {
    for (unsigned int i = first_position(interfaceName, operationName); i != none;
         i = nextWithNames[i]) {
      if (accept(*functions[i]))
        return functions[i];
    }
    return nullptr;
  }

private:
  static constexpr unsigned int none = ~0u;
  // An entry of the index by names: the hash of an interface name and an operation name, and
  // the positions of the first and the last function that have them. The functions between
  // are chained through nextWithNames.
  struct Slot {
    size_t hash;
    unsigned int first;
    unsigned int last;
  };

  unsigned int first_position(const Dstr &interfaceName, const Dstr &operationName) const;
  // The slot of the names given, whose hash is hash, or the empty slot where they would go.
  size_t slot_index(size_t hash, const Dstr &interfaceName, const Dstr &operationName) const;
  void grow_index();

  std::vector<Function *> functions;
  // For each function, the position of the next function with the same names, or none.
  std::vector<unsigned int> nextWithNames;
  // Open addressing with linear probing; the size is a power of two and at most half the slots
  // are in use. A lookup reads one slot and the names of one function where a hash table of
  // nodes would chase several pointers: the companion script of a large IDL file looks up a
  // function for every body it defines.
  std::vector<Slot> slots;
  size_t slotsInUse = 0;
};

// Diagnostic output: every function between "BEGIN FUNCTION LIST" and "END FUNCTION LIST".
std::ostream &operator<<(std::ostream &os, const FunctionList &list);

#endif
