// FunctionList: the functions of the generated program in output order. The IDL generator adds
// the server functions, the NUX compiler adds main; the list owns them all.
#ifndef IDLGEN_FUNCTIONLIST_HH
#define IDLGEN_FUNCTIONLIST_HH

#include <cstddef>
#include <iosfwd>
#include <string_view>
#include <unordered_map>
#include <utility>
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
  // The functions that may have the interface name and operation name given, in list order:
  // every function that has them, and perhaps others that callers must tell apart. Null
  // when there are none.
  const std::vector<Function *> *named(const Dstr &interfaceName,
                                       const Dstr &operationName) const;

private:
  // An interface name and an operation name, as views of a function's own names.
  using Names = std::pair<std::string_view, std::string_view>;
  struct NamesHash {
    size_t operator()(const Names &n) const;
  };

  std::vector<Function *> functions;
  std::unordered_map<Names, std::vector<Function *>, NamesHash> byName;
};

// Diagnostic output: every function between "BEGIN FUNCTION LIST" and "END FUNCTION LIST".
std::ostream &operator<<(std::ostream &os, const FunctionList &list);

#endif
