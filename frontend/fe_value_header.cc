// FE_ValueHeader: resolution of the inheritance and supports lists.
#include "frontend/fe_value_header.hh"

#include <algorithm>
#include <vector>

#include "frontend/ast_typedef.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_lists.hh"
#include "frontend/utl_scopestack.hh"

static UTL_Error *err() { return idl_global->err(); }

AST_Interface *FE_ValueHeader::resolve(UTL_IdList *name, AST_Decl::NodeType kind) {
  UTL_Scope *s = idl_global->scopes()->top();
  AST_Decl *d = s == nullptr ? nullptr : s->lookup_by_name(name, true);
  if (d == nullptr) {
    err()->lookup_error(name);
    return nullptr;
  }
  d = strip_typedefs(d);
  AST_Interface *i = d->node_type() == kind ? AST_Interface::narrow_from_decl(d) : nullptr;
  if (i == nullptr) {
    err()->inheritance_kind_error(pd_value_name, d);
    return nullptr;
  }
  if (!i->is_defined()) {
    err()->inheritance_fwd_error(name, i);
    return nullptr;
  }
  return i;
}

// Whether a value type declared with keyword k may inherit base after found others.
static bool may_inherit(FE_ValueHeader::Keyword k, AST_ValueType *base, long found) {
  if (base->is_abstract())
    return true;
  if (k == FE_ValueHeader::KEYWORD_ABSTRACT || found > 0)
    return false;
  return !base->is_custom() || k == FE_ValueHeader::KEYWORD_CUSTOM;
}

// Resolves names into a new array with resolve, stopping at the first it refuses; a name given
// twice is refused too, as an illegal inheritance of derived.
template <class Resolve>
static long resolve_list(UTL_IdList *derived, UTL_NameList *names, AST_Interface **&list,
                         Resolve resolve) {
  std::vector<AST_Interface *> found;
  for (UTL_NamelistActiveIterator i(names); !i.is_done(); i.next()) {
    AST_Interface *t = resolve(i.item(), static_cast<long>(found.size()));
    if (t == nullptr)
      break;
    if (std::find(found.begin(), found.end(), t) != found.end()) {
      err()->inheritance_kind_error(derived, t);
      break;
    }
    found.push_back(t);
  }
  list = new AST_Interface *[found.size()];
  std::copy(found.begin(), found.end(), list);
  return static_cast<long>(found.size());
}

void FE_ValueHeader::inherit(FE_ValueBases *bases) {
  UTL_NameList *names = bases == nullptr ? nullptr : bases->names;
  pd_n_inherits =
      resolve_list(pd_value_name, names, pd_inherits, [this](UTL_IdList *name, long found) {
        AST_Interface *base = resolve(name, AST_Decl::NT_valuetype);
        AST_ValueType *value = AST_ValueType::narrow_from_decl(base);
        if (base == nullptr || may_inherit(pd_keyword, value, found))
          return base;
        err()->inheritance_kind_error(pd_value_name, base);
        return static_cast<AST_Interface *>(nullptr);
      });
  pd_truncatable = bases != nullptr && bases->truncatable;
  if (!pd_truncatable || pd_n_inherits == 0)
    return;
  if (pd_keyword != KEYWORD_NONE || pd_inherits[0]->is_abstract())
    err()->inheritance_kind_error(pd_value_name, pd_inherits[0]);
}

void FE_ValueHeader::support(UTL_NameList *names) {
  pd_n_supports =
      resolve_list(pd_value_name, names, pd_supports, [this](UTL_IdList *name, long found) {
        AST_Interface *i = resolve(name, AST_Decl::NT_interface);
        if (i == nullptr || i->is_abstract() || found == 0)
          return i;
        err()->inheritance_kind_error(pd_value_name, i);
        return static_cast<AST_Interface *>(nullptr);
      });
}
