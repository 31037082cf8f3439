// BE_IDL: construction over the shared variable list and type map, and the walk of the tree.
#include "idlgen/BE_IDL.hh"

BE_IDL::BE_IDL(const Dstr &binding, Replacements *reps, Types *types_in)
    : CodeGenerator(binding) {
  variables = reps;
  types = types_in;
}

FunctionList *BE_IDL::do_idl(Headerfile &, FILE *, AST_Decl *, AList *) {
  return new FunctionList;
}
