// FE_InterfaceHeader: resolution of the inheritance list.
#include "frontend/fe_interface_header.hh"

#include <algorithm>
#include <vector>

#include "frontend/ast_typedef.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_lists.hh"
#include "frontend/utl_scopestack.hh"

// Whether an interface of kind derived may inherit from base: an abstract interface only from
// abstract ones, a plain one from any but local ones, a local one from any.
static bool may_inherit(AST_Interface::Kind derived, AST_Interface *base) {
  switch (derived) {
  case AST_Interface::KIND_ABSTRACT: return base->is_abstract();
  case AST_Interface::KIND_PLAIN: return !base->is_local();
  default: return true;
  }
}

// The interface a name in the list denotes; null, after reporting, when it is none, has only
// been forward declared, or is of a kind this one may not inherit from.
AST_Interface *FE_InterfaceHeader::inherited_interface(UTL_IdList *name) {
  UTL_Error *err = idl_global->err();
  UTL_Scope *s = idl_global->scopes()->top();
  AST_Decl *d = s == nullptr ? nullptr : s->lookup_by_name(name, true);
  if (d == nullptr) {
    err->lookup_error(name);
    return nullptr;
  }
  d = strip_typedefs(d);
  AST_Interface *i = d->node_type() == AST_Decl::NT_interface ? AST_Interface::narrow_from_decl(d)
                                                              : nullptr;
  if (i == nullptr) {
    err->inheritance_error(name, d);
    return nullptr;
  }
  if (!i->is_defined()) {
    err->inheritance_fwd_error(name, i);
    return nullptr;
  }
  if (!may_inherit(pd_kind, i)) {
    err->inheritance_kind_error(pd_interface_name, i);
    return nullptr;
  }
  return i;
}

void FE_InterfaceHeader::inherit(UTL_NameList *names) {
  std::vector<AST_Interface *> found;
  for (UTL_NamelistActiveIterator i(names); !i.is_done(); i.next()) {
    AST_Interface *base = inherited_interface(i.item());
    if (base == nullptr)
      break;
    if (std::find(found.begin(), found.end(), base) == found.end())
      found.push_back(base);
  }
  pd_n_inherits = static_cast<long>(found.size());
  pd_inherits = new AST_Interface *[found.size()];
  std::copy(found.begin(), found.end(), pd_inherits);
}
