// FE_InterfaceHeader: the name and kind (plain, abstract or local) of an interface being
// declared and the interfaces it inherits from, resolved as soon as the header has been read.
#ifndef FRONTEND_FE_INTERFACE_HEADER_HH
#define FRONTEND_FE_INTERFACE_HEADER_HH

#include "frontend/ast_interface.hh"
#include "frontend/utl_arena.hh"

class UTL_IdList;
class UTL_NameList;

class FE_InterfaceHeader : public UTL_ArenaObject {
public:
  FE_InterfaceHeader(UTL_IdList *n, AST_Interface::Kind k) : pd_interface_name(n), pd_kind(k) {}

  // Resolves the inherited names from the scope on top of the stack; stops at the first name
  // that is not a defined interface this kind of interface may inherit from, keeping the
  // interfaces accepted before it.
  void inherit(UTL_NameList *inherits);

  UTL_IdList *interface_name() { return pd_interface_name; }
  AST_Interface::Kind kind() { return pd_kind; }
  AST_Interface **inherits() { return pd_inherits; }
  long n_inherits() { return pd_n_inherits; }

private:
  AST_Interface *inherited_interface(UTL_IdList *name);

  UTL_IdList *pd_interface_name;
  AST_Interface::Kind pd_kind;
  AST_Interface **pd_inherits = nullptr;
  long pd_n_inherits = 0;
};

#endif
