// FunctionList: the functions of the generated program in output order. The IDL generator adds
// the server functions, the NUX compiler adds main; the list owns them all.
#ifndef IDLGEN_FUNCTIONLIST_HH
#define IDLGEN_FUNCTIONLIST_HH

#include <iosfwd>
#include <vector>

#include "idlgen/Function.hh"

class FunctionList {
public:
  FunctionList() = default;
  ~FunctionList();
  FunctionList(const FunctionList &) = delete;
  FunctionList &operator=(const FunctionList &) = delete;

  // Appends f, which the list then owns.
  void add(Function *f);
  // The i-th function, or null past the end: callers walk from 0 until they get null.
  Function *operator[](unsigned int i) const;

private:
  std::vector<Function *> functions;
};

// Diagnostic output: every function between "BEGIN FUNCTION LIST" and "END FUNCTION LIST".
std::ostream &operator<<(std::ostream &os, const FunctionList &list);

#endif
