// AST_Interface: members, lookups through inherited interfaces and printing; the forward
// declarations and their registry.
#include "frontend/ast_interface.hh"

#include <unordered_set>

#include "frontend/ast_field.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_generator.hh"
#include "frontend/ast_native.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

void dump_interface_kind(std::ostream &o, AST_Interface::Kind k) {
  static const char *const kind_words[] = {"", "abstract ", "local "};
  o << kind_words[k];
}

void AST_Interface::dump(std::ostream &o) {
  dump_interface_kind(o, pd_kind);
  o << "interface ";
  dump_local_name(o);
  o << " ";
  if (pd_n_inherits > 0) {
    const char *separator = ": ";
    for (long i = 0; i < pd_n_inherits; i++) {
      o << separator;
      separator = ", ";
      pd_inherits[i]->dump_local_name(o);
    }
  }
  dump_body(o);
}

void AST_Interface::take_definition(AST_Interface *d) {
  pd_inherits = d->inherits();
  pd_n_inherits = d->n_inherits();
}

void AST_Interface::inherited_scopes(std::vector<AST_Interface *> &out) {
  for (long i = 0; i < pd_n_inherits; i++)
    out.push_back(pd_inherits[i]);
}

// Inheritance can be as deep as the file is long, and can join again and again, so the walk
// keeps its own stack and passes each interface once.
AST_Decl *AST_Interface::look_in_inherited(UTL_IdList *name, long record) {
  if (!is_defined()) {
    idl_global->err()->fwd_decl_lookup(this, name);
    return nullptr;
  }
  struct Step {
    AST_Interface *i;
    size_t depth;
  };
  std::vector<Step> pending;
  std::vector<AST_Interface *> path, next;
  std::unordered_set<AST_Interface *> seen;
  auto push_inherited = [&pending, &next](AST_Interface *i, size_t depth) {
    next.clear();
    i->inherited_scopes(next);
    for (auto n = next.rbegin(); n != next.rend(); ++n)
      pending.push_back({*n, depth});
  };
  push_inherited(this, 0);
  while (!pending.empty()) {
    const Step step = pending.back();
    pending.pop_back();
    if (!seen.insert(step.i).second)
      continue;
    path.resize(step.depth);
    path.push_back(step.i);
    AST_Decl *d = step.i->lookup_by_name_here(name, record);
    if (d == nullptr) {
      push_inherited(step.i, step.depth + 1);
      continue;
    }
    if (record) {
      for (AST_Interface *on_the_way : path)
        on_the_way->add_to_referenced(d, false);
    }
    return d;
  }
  return nullptr;
}

bool AST_Interface::add_export(AST_Decl *n) {
  if (!is_defined()) {
    idl_global->err()->error2(UTL_Error::FORWARD_NEVER_DEFINED, this, n);
    return false;
  }
  return add_declaration(n);
}

AST_Constant *AST_Interface::fe_add_constant(AST_Constant *c) {
  return add_export(c) ? c : nullptr;
}

AST_Exception *AST_Interface::fe_add_exception(AST_Exception *e) {
  return add_export(e) ? e : nullptr;
}

AST_Attribute *AST_Interface::fe_add_attribute(AST_Attribute *a) {
  return add_export(a) ? a : nullptr;
}

AST_Operation *AST_Interface::fe_add_operation(AST_Operation *o) {
  return add_export(o) ? o : nullptr;
}

AST_Structure *AST_Interface::fe_add_structure(AST_Structure *s) {
  return add_export(s) ? s : nullptr;
}

AST_Enum *AST_Interface::fe_add_enum(AST_Enum *e) { return add_export(e) ? e : nullptr; }

AST_Union *AST_Interface::fe_add_union(AST_Union *u) { return add_export(u) ? u : nullptr; }

AST_EnumVal *AST_Interface::fe_add_enum_val(AST_EnumVal *v) {
  return add_export(v) ? v : nullptr;
}

AST_Typedef *AST_Interface::fe_add_typedef(AST_Typedef *t) {
  return add_export(t) ? t : nullptr;
}

AST_Native *AST_Interface::fe_add_native(AST_Native *n) { return add_export(n) ? n : nullptr; }

void AST_record_fwd_interface(AST_InterfaceFwd *f) { idl_global->fwd_interfaces().push_back(f); }

void AST_check_fwd_interface() {
  for (AST_InterfaceFwd *f : idl_global->fwd_interfaces()) {
    AST_Interface *full = f->full_definition();
    if (full != nullptr && !full->is_defined())
      idl_global->err()->fwd_decl_not_defined(full);
  }
}

AST_InterfaceFwd::AST_InterfaceFwd(UTL_IdList *n, UTL_StrList *p)
    : AST_InterfaceFwd(NT_interface_fwd, n, p,
                       idl_global->gen()->create_interface(n, nullptr, -1, p)) {}

AST_InterfaceFwd::AST_InterfaceFwd(NodeType nt, UTL_IdList *n, UTL_StrList *p,
                                   AST_Interface *placeholder)
    : AST_Type(nt, n, p), pd_full_definition(placeholder) {
  AST_record_fwd_interface(this);
}

void AST_InterfaceFwd::dump(std::ostream &o) {
  if (pd_full_definition != nullptr)
    dump_interface_kind(o, pd_full_definition->kind());
  o << "interface ";
  dump_local_name(o);
}
