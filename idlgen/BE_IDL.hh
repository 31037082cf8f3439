// BE_IDL: the IDL generator. It walks the IDL syntax tree and produces the server classes'
// declarations, the stub functions the NUX script may define, and the support functions of the
// constructed types. It shares the NUX compiler's variable list and type map.
#ifndef IDLGEN_BE_IDL_HH
#define IDLGEN_BE_IDL_HH

#include <cstdio>

#include "foundation/AList.hh"
#include "foundation/CodeGenerator.hh"
#include "idlgen/FunctionList.hh"
#include "idlgen/Headerfile.hh"
#include "idlgen/Types.hh"

class AST_Decl;

class BE_IDL : public CodeGenerator {
public:
  // reps and types belong to the caller, who keeps them alive as long as this generator.
  BE_IDL(const Dstr &binding, Replacements *reps, Types *types);

  // Walks the tree from root, writing support code to cc and declarations to hh, and records
  // each interface's generated class in classmap. Returns the new list of server functions,
  // owned by the caller.
  FunctionList *do_idl(Headerfile &hh, FILE *cc, AST_Decl *root, AList *classmap);
};

#endif
