// Local types: the walk over the types a type holds, with its answers kept in the nodes.
#include "frontend/fe_local_types.hh"

#include <unordered_set>
#include <vector>

#include "frontend/ast_array.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

static bool is_local_interface(AST_Type *t) {
  if (AST_InterfaceFwd *f = AST_InterfaceFwd::narrow_from_decl(t))
    t = f->full_definition();
  AST_Interface *i = AST_Interface::narrow_from_decl(t);
  return i != nullptr && i->is_local();
}

// Appends the types t holds directly.
static void push_held_types(AST_Type *t, std::vector<AST_Type *> &pending) {
  if (AST_Typedef *td = AST_Typedef::narrow_from_decl(t))
    pending.push_back(td->base_type());
  else if (AST_Sequence *q = AST_Sequence::narrow_from_decl(t))
    pending.push_back(q->base_type());
  else if (AST_Array *a = AST_Array::narrow_from_decl(t))
    pending.push_back(a->base_type());
  else if (AST_Structure *s = AST_Structure::narrow_from_decl(t))
    for (UTL_ScopeActiveIterator i(s, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next())
      if (AST_Field *f = AST_Field::narrow_from_decl(i.item()))
        pending.push_back(f->field_type());
}

// Types can hold each other in cycles (through sequences) and in chains as long as the file, so
// the walk keeps its own stack. When no local interface is reachable, none is from any type
// the walk passed either, and each is marked so; later walks stop at them. A type that holds
// none needs no walk.
bool fe_is_local_type(AST_Type *start) {
  if (start->locality() != AST_Type::LOCALITY_UNKNOWN)
    return start->locality() == AST_Type::LOCALITY_LOCAL;
  std::vector<AST_Type *> pending;
  push_held_types(start, pending);
  if (pending.empty()) {
    const bool local = is_local_interface(start);
    start->set_locality(local ? AST_Type::LOCALITY_LOCAL : AST_Type::LOCALITY_NOT_LOCAL);
    return local;
  }
  std::vector<AST_Type *> passed{start};
  std::unordered_set<AST_Type *> seen{start};
  while (!pending.empty()) {
    AST_Type *t = pending.back();
    pending.pop_back();
    if (t == nullptr || t->locality() == AST_Type::LOCALITY_NOT_LOCAL || !seen.insert(t).second)
      continue;
    if (t->locality() == AST_Type::LOCALITY_LOCAL || is_local_interface(t)) {
      start->set_locality(AST_Type::LOCALITY_LOCAL);
      return true;
    }
    passed.push_back(t);
    push_held_types(t, pending);
  }
  for (AST_Type *t : passed)
    t->set_locality(AST_Type::LOCALITY_NOT_LOCAL);
  return false;
}

// The interface or value type whose member member is, or whose operation or factory member is
// an argument of; null elsewhere.
static AST_Interface *interface_of(AST_Decl *member) {
  AST_Decl *d = ScopeAsDecl(member->defined_in());
  if (AST_Operation::narrow_from_decl(d) != nullptr)
    d = ScopeAsDecl(d->defined_in());
  return AST_Interface::narrow_from_decl(d);
}

// Local interfaces may use local types anywhere, value types in their operations but not in
// their state.
static bool may_use_local_types(AST_Decl *member) {
  if (member->node_type() == AST_Decl::NT_state_member)
    return false;
  AST_Interface *i = interface_of(member);
  return i == nullptr || i->is_local() || i->node_type() == AST_Decl::NT_valuetype;
}

// The type's answer is kept in its node, so it is asked before the member's scope is looked at.
void fe_check_local_use(AST_Decl *member, AST_Type *t) {
  if (t == nullptr || !fe_is_local_type(t) || may_use_local_types(member))
    return;
  idl_global->err()->error2(UTL_Error::LOCAL_TYPE_USE, member, t);
}
