// UTL_ScopeStack: the search for the innermost real scope.
#include "frontend/utl_scopestack.hh"

UTL_Scope *UTL_ScopeStack::top_non_null() {
  for (UTL_ScopeStackActiveIterator i(this); !i.is_done(); i.next())
    if (i.item() != nullptr)
      return i.item();
  return nullptr;
}
