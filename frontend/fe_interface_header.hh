// FE_InterfaceHeader: the name of an interface being declared and the interfaces it inherits
// from, resolved as soon as the header has been read.
#ifndef FRONTEND_FE_INTERFACE_HEADER_HH
#define FRONTEND_FE_INTERFACE_HEADER_HH

#include "frontend/utl_arena.hh"

class AST_Interface;
class UTL_IdList;
class UTL_NameList;

class FE_InterfaceHeader : public UTL_ArenaObject {
public:
  // Resolves the inherited names from the scope on top of the stack; stops at the first name
  // that is not a defined interface, keeping the interfaces accepted before it.
  FE_InterfaceHeader(UTL_IdList *n, UTL_NameList *inherits);

  UTL_IdList *interface_name() { return pd_interface_name; }
  AST_Interface **inherits() { return pd_inherits; }
  long n_inherits() { return pd_n_inherits; }

private:
  void compile_inheritance(UTL_NameList *names);

  UTL_IdList *pd_interface_name;
  AST_Interface **pd_inherits = nullptr;
  long pd_n_inherits = 0;
};

#endif
