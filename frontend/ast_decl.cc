// AST_Decl: construction from the global state, full names and their text, pragmas and ancestry.
#include "frontend/ast_decl.hh"

#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_scope.hh"
#include "frontend/utl_scopestack.hh"

// The scope that new nodes are declared in: the top of the scope stack (null when the stack is
// empty, or when its top is the marker of a sequence).
static UTL_Scope *current_scope() {
  UTL_ScopeStack *scopes = idl_global->scopes();
  return scopes == nullptr ? nullptr : scopes->top();
}

AST_Decl::AST_Decl(NodeType nt, UTL_IdList *n, UTL_StrList *p)
    : pd_imported(idl_global->imported()), pd_in_main_file(idl_global->in_main_file()),
      pd_node_type(nt), pd_defined_in(current_scope()), pd_line(idl_global->lineno()),
      pd_file_name(idl_global->filename()), pd_pragmas(p),
      pd_identity(idl_global->prefix_identity()) {
  compute_full_name(n);
}

AST_RepositoryIdentity *AST_Decl::own_identity() {
  if (!pd_identity_shared)
    return pd_identity;
  AST_RepositoryIdentity *own = new AST_RepositoryIdentity;
  if (pd_identity != nullptr)
    *own = *pd_identity;
  pd_identity = own;
  pd_identity_shared = false;
  return own;
}

void AST_Decl::compute_full_name(UTL_IdList *n) {
  if (n == nullptr)
    return;
  pd_local_name = n->last_component();
  AST_Decl *scope = ScopeAsDecl(pd_defined_in);
  if (scope == nullptr || scope->name() == nullptr) {
    pd_name = n;
    return;
  }
  pd_name = scope->name()->copy();
  pd_name->nconc(new UTL_IdList(pd_local_name, nullptr));
}

void AST_Decl::set_name(UTL_IdList *n) {
  pd_name = n;
  pd_local_name = n == nullptr ? nullptr : n->last_component();
  pd_scoped_name_text = nullptr;
}

const char *AST_Decl::scoped_name_text() {
  if (pd_scoped_name_text == nullptr)
    pd_scoped_name_text = UTL_arena_copy(joined_scoped_name(pd_name).c_str());
  return pd_scoped_name_text;
}

void AST_Decl::add_pragmas(UTL_StrList *p) {
  if (pd_pragmas == nullptr)
    pd_pragmas = p;
  else if (p != nullptr)
    pd_pragmas->nconc(p);
}

bool AST_Decl::has_ancestor(AST_Decl *d) {
  for (AST_Decl *node = this; node != nullptr; node = ScopeAsDecl(node->defined_in()))
    if (node == d)
      return true;
  return false;
}

void AST_Decl::dump_local_name(std::ostream &o) {
  if (pd_local_name != nullptr)
    pd_local_name->dump(o);
}

void AST_Decl::dump(std::ostream &o) { dump_local_name(o); }
