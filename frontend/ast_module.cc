// AST_Module and AST_Root: the declarations a module accepts, forward-declared interfaces,
// anonymous types in the root, and printing.
#include "frontend/ast_module.hh"

#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_fixed.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_native.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_value_box.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/ast_wide_string.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"

void AST_Module::dump(std::ostream &o) {
  o << "module ";
  dump_local_name(o);
  dump_body(o);
}

AST_PredefinedType *AST_Module::fe_add_predefined_type(AST_PredefinedType *t) {
  return add_declaration(t) ? t : nullptr;
}

// A module of a name already declared as a module here is another opening of it.
AST_Module *AST_Module::fe_add_module(AST_Module *m) {
  AST_Decl *e = lookup_for_add(m, false);
  if (m == nullptr || e == nullptr || e->node_type() != NT_module)
    return add_declaration(m) ? m : nullptr;
  m->share_names_of(AST_Module::narrow_from_decl(e));
  insert_declaration(m);
  return m;
}

// A new interface or value type may join an existing one of its name and node kind: an unused
// defined one, or the placeholder of a forward declaration made in this same scope. One of the
// other node kind cannot be redefined.
AST_Interface *AST_Module::fe_add_interface(AST_Interface *i) {
  AST_Interface *e = AST_Interface::narrow_from_decl(lookup_for_add(i, false));
  if (e == nullptr)
    return add_declaration(i) ? i : nullptr;
  UTL_Error *err = idl_global->err();
  if (e->node_type() != i->node_type()) {
    err->error3(UTL_Error::ILLEGAL_REDEFINITION, i, this, e);
    return nullptr;
  }
  if (e->is_defined() && referenced(e)) {
    err->error3(UTL_Error::REDEFINITION_AFTER_USE, i, this, e);
    return nullptr;
  }
  if (!e->is_defined() && !is_same_scope(e->defined_in())) {
    err->error3(UTL_Error::FWD_SCOPE_MISMATCH, i, this, e);
    return nullptr;
  }
  insert_declaration(i);
  return i;
}

AST_ValueType *AST_Module::fe_add_value_type(AST_ValueType *v) {
  return fe_add_interface(v) != nullptr ? v : nullptr;
}

// A forward declaration of an interface or value type already known in this scope shares it
// and is not entered again; it must agree with it in node kind and kind.
AST_InterfaceFwd *AST_Module::fe_add_interface_fwd(AST_InterfaceFwd *f) {
  AST_Interface *e = AST_Interface::narrow_from_decl(lookup_for_add(f, false));
  AST_Interface *own = f->full_definition();
  UTL_Error *err = idl_global->err();
  if (e != nullptr && e->node_type() != own->node_type()) {
    err->error3(UTL_Error::ILLEGAL_REDEFINITION, f, this, e);
    return nullptr;
  }
  if (e != nullptr && is_same_scope(e->defined_in())) {
    if (e->kind() != own->kind()) {
      err->error2(UTL_Error::FORWARD_KIND_MISMATCH, f, e);
      return nullptr;
    }
    f->set_full_definition(e);
    return f;
  }
  return add_declaration(f) ? f : nullptr;
}

AST_ValueTypeFwd *AST_Module::fe_add_value_type_fwd(AST_ValueTypeFwd *f) {
  return fe_add_interface_fwd(f) != nullptr ? f : nullptr;
}

AST_ValueBox *AST_Module::fe_add_value_box(AST_ValueBox *b) {
  return add_declaration(b) ? b : nullptr;
}

AST_Native *AST_Module::fe_add_native(AST_Native *n) { return add_declaration(n) ? n : nullptr; }

AST_Constant *AST_Module::fe_add_constant(AST_Constant *c) {
  return add_declaration(c) ? c : nullptr;
}

AST_Exception *AST_Module::fe_add_exception(AST_Exception *e) {
  return add_declaration(e) ? e : nullptr;
}

AST_Union *AST_Module::fe_add_union(AST_Union *u) { return add_declaration(u) ? u : nullptr; }

AST_Structure *AST_Module::fe_add_structure(AST_Structure *s) {
  return add_declaration(s) ? s : nullptr;
}

AST_Enum *AST_Module::fe_add_enum(AST_Enum *e) { return add_declaration(e) ? e : nullptr; }

AST_EnumVal *AST_Module::fe_add_enum_val(AST_EnumVal *v) {
  return add_declaration(v) ? v : nullptr;
}

AST_Typedef *AST_Module::fe_add_typedef(AST_Typedef *t) {
  return add_declaration(t) ? t : nullptr;
}

void AST_Root::dump(std::ostream &o) { UTL_Scope::dump(o); }

AST_Sequence *AST_Root::fe_add_sequence(AST_Sequence *s) { return add_anonymous_type(s); }

AST_String *AST_Root::fe_add_string(AST_String *s) { return add_anonymous_type(s); }

AST_Array *AST_Root::fe_add_array(AST_Array *a) { return add_anonymous_type(a); }

AST_WideString *AST_Root::fe_add_wide_string(AST_WideString *s) { return add_anonymous_type(s); }

AST_Fixed *AST_Root::fe_add_fixed(AST_Fixed *f) { return add_anonymous_type(f); }
