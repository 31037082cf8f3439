// UTL_Scope: member storage, name lookup, the add rule, the add pass and printing; the scope
// iterator; the conversions between the declaration and scope views of a node.
#include "frontend/utl_scope.hh"

#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_factory.hh"
#include "frontend/ast_fixed.hh"
#include "frontend/ast_native.hh"
#include "frontend/ast_state_member.hh"
#include "frontend/ast_value_box.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/ast_wide_string.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_indenter.hh"
#include "frontend/utl_scopestack.hh"

// Each scope class has kinds of its own, which its constructors fix: the other view of a node
// is found from its kind, without a dynamic_cast, which walks the whole class hierarchy.
AST_Decl *ScopeAsDecl(UTL_Scope *s) {
  if (s == nullptr)
    return nullptr;
  switch (s->scope_node_type()) {
  case AST_Decl::NT_module:
  case AST_Decl::NT_root:
    return AST_Module::narrow_from_scope(s);
  case AST_Decl::NT_interface:
  case AST_Decl::NT_valuetype:
    return AST_Interface::narrow_from_scope(s);
  case AST_Decl::NT_struct:
  case AST_Decl::NT_except:
  case AST_Decl::NT_union:
    return AST_Structure::narrow_from_scope(s);
  case AST_Decl::NT_enum:
    return AST_Enum::narrow_from_scope(s);
  case AST_Decl::NT_op:
  case AST_Decl::NT_factory:
    return AST_Operation::narrow_from_scope(s);
  default:
    return nullptr;
  }
}

UTL_Scope *DeclAsScope(AST_Decl *d) {
  if (d == nullptr)
    return nullptr;
  switch (d->node_type()) {
  case AST_Decl::NT_module:
  case AST_Decl::NT_root:
    return AST_Module::narrow_from_decl(d);
  case AST_Decl::NT_interface:
  case AST_Decl::NT_valuetype:
    return AST_Interface::narrow_from_decl(d);
  case AST_Decl::NT_struct:
  case AST_Decl::NT_except:
  case AST_Decl::NT_union:
    return AST_Structure::narrow_from_decl(d);
  case AST_Decl::NT_enum:
    return AST_Enum::narrow_from_decl(d);
  case AST_Decl::NT_op:
  case AST_Decl::NT_factory:
    return AST_Operation::narrow_from_decl(d);
  default:
    return nullptr;
  }
}

// Storage.

void UTL_Scope::enter(std::vector<AST_Decl *> &members, NameIndex &index, AST_Decl *d) {
  if (d == nullptr)
    return;
  members.push_back(d);
  Identifier *id = d->local_name();
  if (id != nullptr && id->get_string() != nullptr)
    index.emplace(id->get_string(), d);
}

void UTL_Scope::add_to_scope(AST_Decl *d) { enter(pd_decls, pd_names->pd_decl_index, d); }

void UTL_Scope::add_to_local_types(AST_Decl *d) {
  enter(pd_local_types, pd_names->pd_local_type_index, d);
}

void UTL_Scope::add_to_referenced(AST_Decl *d, long recursive) {
  if (d == nullptr)
    return;
  AST_Interface *i = AST_Interface::narrow_from_decl(d);
  if (i != nullptr && is_same_scope(i->defined_in()) && !i->is_defined())
    return;
  if (!pd_names->pd_referenced.insert(d).second)
    return;
  if (recursive && !d->has_ancestor(ScopeAsDecl(this)) && d->defined_in() != nullptr)
    d->defined_in()->add_to_referenced(d, recursive);
}

// Lookup.

// A name written with a leading "::", or a full name, which starts with the root's empty name.
static bool is_global_name(Identifier *id) {
  if (id == nullptr || id->get_string() == nullptr)
    return false;
  const char *text = id->get_string();
  return text[0] == '\0' || (text[0] == ':' && text[1] == ':' && text[2] == '\0');
}

AST_Decl *UTL_Scope::lookup_by_name_local(Identifier *id, long) {
  if (id == nullptr || id->get_string() == nullptr)
    return nullptr;
  const NameIndex &decls = pd_names->pd_decl_index;
  const NameIndex &local_types = pd_names->pd_local_type_index;
  auto found = decls.find(id->get_string());
  if (found == decls.end()) {
    found = local_types.find(id->get_string());
    if (found == local_types.end())
      return nullptr;
  }
  AST_InterfaceFwd *f = AST_InterfaceFwd::narrow_from_decl(found->second);
  if (f != nullptr)
    return f->full_definition();
  return found->second;
}

// Resolves the components after the first, each inside the declaration the previous one named.
// A typedef is followed to its type only where a further component has to be found in it.
static AST_Decl *iter_lookup_by_name_local(AST_Decl *d, UTL_List *rest, long record) {
  for (UTL_List *cell = rest; cell != nullptr; cell = cell->tail()) {
    if (cell->tail() != nullptr)
      d = strip_typedefs(d);
    UTL_Scope *s = DeclAsScope(d);
    if (s == nullptr)
      return nullptr;
    d = s->lookup_by_name_local(static_cast<UTL_IdList *>(cell)->head(), record);
  }
  return d;
}

AST_Decl *UTL_Scope::lookup_relative(UTL_IdList *name, long record, bool inherited) {
  AST_Decl *first = lookup_by_name_local(name->head(), record);
  if (first != nullptr)
    return iter_lookup_by_name_local(first, name->tail(), record);
  AST_Decl *self = ScopeAsDecl(this);
  UTL_Scope *enclosing = self == nullptr ? nullptr : self->defined_in();
  AST_Decl *d = enclosing == nullptr ? nullptr : enclosing->lookup_by_name(name, record);
  if (d == nullptr && inherited &&
      AST_Decl::is_one_of(pd_scope_node_type, {AST_Decl::NT_interface, AST_Decl::NT_valuetype}))
    d = look_in_inherited(name, record);
  return d;
}

AST_Decl *UTL_Scope::lookup_by_name(UTL_IdList *name, long record) {
  return lookup(name, record, true);
}

AST_Decl *UTL_Scope::lookup_by_name_here(UTL_IdList *name, long record) {
  return lookup(name, record, false);
}

AST_Decl *UTL_Scope::lookup(UTL_IdList *name, long record, bool inherited) {
  if (name == nullptr)
    return nullptr;
  AST_Decl *d;
  if (is_global_name(name->head())) {
    AST_Decl *self = ScopeAsDecl(this);
    if (self == nullptr)
      return nullptr;
    if (self->defined_in() != nullptr)
      d = self->defined_in()->lookup_by_name(name, record);
    else if (name->tail() == nullptr)
      d = nullptr;
    else
      d = lookup_relative(static_cast<UTL_IdList *>(name->tail()), record, inherited);
  } else {
    d = lookup_relative(name, record, inherited);
  }
  if (record && d != nullptr)
    add_to_referenced(d, false);
  return d;
}

AST_Decl *UTL_Scope::look_in_inherited(UTL_IdList *, long) { return nullptr; }

AST_Decl *UTL_Scope::lookup_for_add(AST_Decl *d, long record) {
  if (d == nullptr)
    return nullptr;
  return lookup_by_name_local(d->local_name(), record);
}

AST_PredefinedType *UTL_Scope::lookup_primitive_type(AST_Expression::ExprType t) {
  AST_Decl *self = ScopeAsDecl(this);
  if (self != nullptr && self->defined_in() != nullptr)
    return self->defined_in()->lookup_primitive_type(t);
  AST_PredefinedType::PredefinedType kind;
  if (!predefined_kind_of(t, &kind))
    return nullptr;
  for (UTL_ScopeActiveIterator i(this, SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(i.item());
    if (p != nullptr && p->pt() == kind)
      return p;
  }
  return nullptr;
}

// Entering declarations.

bool can_be_redefined(AST_Decl *d) {
  switch (d->node_type()) {
  case AST_Decl::NT_root:
  case AST_Decl::NT_attr:
  case AST_Decl::NT_op:
  case AST_Decl::NT_union_branch:
  case AST_Decl::NT_field:
  case AST_Decl::NT_pre_defined:
  case AST_Decl::NT_state_member:
  case AST_Decl::NT_factory: return false;
  default: return true;
  }
}

bool UTL_Scope::may_add(AST_Decl *n) {
  AST_Decl *e = lookup_for_add(n, false);
  if (e == nullptr)
    return true;
  UTL_Error *err = idl_global->err();
  if (!can_be_redefined(e)) {
    err->error3(UTL_Error::ILLEGAL_REDEFINITION, n, ScopeAsDecl(this), e);
    return false;
  }
  if (referenced(e)) {
    err->error3(UTL_Error::REDEFINITION_AFTER_USE, n, ScopeAsDecl(this), e);
    return false;
  }
  if (n->has_ancestor(e)) {
    err->redefinition_in_scope(n, e);
    return false;
  }
  return true;
}

void UTL_Scope::insert_declaration(AST_Decl *n) {
  add_to_scope(n);
  add_to_referenced(n, false);
}

bool UTL_Scope::add_declaration(AST_Decl *n) {
  if (n == nullptr || !may_add(n))
    return false;
  insert_declaration(n);
  return true;
}

bool UTL_Scope::add_local_type(AST_Decl *n) {
  if (n == nullptr || !may_add(n))
    return false;
  add_to_local_types(n);
  add_to_referenced(n, false);
  return true;
}

bool AST_illegal_recursive_type(AST_Decl *t) {
  if (t == nullptr)
    return false;
  if (t->node_type() != AST_Decl::NT_struct && t->node_type() != AST_Decl::NT_union)
    return false;
  for (UTL_ScopeStackActiveIterator i(idl_global->scopes()); !i.is_done(); i.next()) {
    if (i.item() == nullptr)
      return false;
    if (ScopeAsDecl(i.item()) == t)
      return true;
  }
  return false;
}

// The add pass.

AST_Decl *UTL_Scope::add_by_node_type(AST_Decl *d) {
  switch (d->node_type()) {
  case AST_Decl::NT_pre_defined: return add_predefined_type(AST_PredefinedType::narrow_from_decl(d));
  case AST_Decl::NT_module: return add_module(AST_Module::narrow_from_decl(d));
  case AST_Decl::NT_interface: return add_interface(AST_Interface::narrow_from_decl(d));
  case AST_Decl::NT_interface_fwd: return add_interface_fwd(AST_InterfaceFwd::narrow_from_decl(d));
  case AST_Decl::NT_const: return add_constant(AST_Constant::narrow_from_decl(d));
  case AST_Decl::NT_except: return add_exception(AST_Exception::narrow_from_decl(d));
  case AST_Decl::NT_attr: return add_attribute(AST_Attribute::narrow_from_decl(d));
  case AST_Decl::NT_op: return add_operation(AST_Operation::narrow_from_decl(d));
  case AST_Decl::NT_argument: return add_argument(AST_Argument::narrow_from_decl(d));
  case AST_Decl::NT_union: return add_union(AST_Union::narrow_from_decl(d));
  case AST_Decl::NT_union_branch: return add_union_branch(AST_UnionBranch::narrow_from_decl(d));
  case AST_Decl::NT_struct: return add_structure(AST_Structure::narrow_from_decl(d));
  case AST_Decl::NT_field: return add_field(AST_Field::narrow_from_decl(d));
  case AST_Decl::NT_enum: return add_enum(AST_Enum::narrow_from_decl(d));
  case AST_Decl::NT_enum_val: return add_enum_val(AST_EnumVal::narrow_from_decl(d));
  case AST_Decl::NT_typedef: return add_typedef(AST_Typedef::narrow_from_decl(d));
  case AST_Decl::NT_sequence: return add_sequence(AST_Sequence::narrow_from_decl(d));
  case AST_Decl::NT_string: return add_string(AST_String::narrow_from_decl(d));
  case AST_Decl::NT_array: return add_array(AST_Array::narrow_from_decl(d));
  case AST_Decl::NT_root: return nullptr;
  case AST_Decl::NT_wstring: return add_wide_string(AST_WideString::narrow_from_decl(d));
  case AST_Decl::NT_valuebox: return add_value_box(AST_ValueBox::narrow_from_decl(d));
  case AST_Decl::NT_valuetype: return add_value_type(AST_ValueType::narrow_from_decl(d));
  case AST_Decl::NT_valuetype_fwd: return add_value_type_fwd(AST_ValueTypeFwd::narrow_from_decl(d));
  case AST_Decl::NT_state_member: return add_state_member(AST_StateMember::narrow_from_decl(d));
  case AST_Decl::NT_factory: return add_factory(AST_Factory::narrow_from_decl(d));
  case AST_Decl::NT_native: return add_native(AST_Native::narrow_from_decl(d));
  case AST_Decl::NT_fixed: return add_fixed(AST_Fixed::narrow_from_decl(d));
  }
  return nullptr;
}

void UTL_Scope::call_add() {
  for (UTL_ScopeActiveIterator i(this, SCOPE_ITER_BOTH); !i.is_done(); i.next()) {
    AST_Decl *d = i.item();
    UTL_Scope *s = DeclAsScope(d);
    if (add_by_node_type(d) != nullptr && s != nullptr)
      s->call_add();
  }
}

// Adds a type that a node refers to: named structured types in their own scope (and their
// members with them), anonymous types in the root.
bool UTL_Scope::add_type(AST_Type *t) {
  UTL_Scope *home = t->defined_in();
  AST_Root *root = idl_global->root();
  switch (t->node_type()) {
  case AST_Decl::NT_union:
  case AST_Decl::NT_struct:
  case AST_Decl::NT_enum:
    if (home == nullptr || home->add_by_node_type(t) == nullptr)
      return false;
    DeclAsScope(t)->call_add();
    return true;
  case AST_Decl::NT_string:
  case AST_Decl::NT_array:
  case AST_Decl::NT_sequence:
  case AST_Decl::NT_wstring:
  case AST_Decl::NT_fixed: return root != nullptr && root->add_by_node_type(t) != nullptr;
  default: return true;
  }
}

bool UTL_Scope::mark_added(AST_Decl *n, AST_Type *carried) {
  if (n == nullptr)
    return false;
  n->set_added(true);
  return carried == nullptr || carried->added() || add_type(carried);
}

AST_PredefinedType *UTL_Scope::add_predefined_type(AST_PredefinedType *t) {
  return mark_added(t, nullptr) ? t : nullptr;
}

AST_Module *UTL_Scope::add_module(AST_Module *m) { return mark_added(m, nullptr) ? m : nullptr; }

AST_Interface *UTL_Scope::add_interface(AST_Interface *i) {
  return mark_added(i, nullptr) ? i : nullptr;
}

AST_InterfaceFwd *UTL_Scope::add_interface_fwd(AST_InterfaceFwd *f) {
  return mark_added(f, nullptr) ? f : nullptr;
}

AST_Constant *UTL_Scope::add_constant(AST_Constant *c) {
  return mark_added(c, nullptr) ? c : nullptr;
}

AST_Exception *UTL_Scope::add_exception(AST_Exception *e) {
  return mark_added(e, nullptr) ? e : nullptr;
}

AST_Attribute *UTL_Scope::add_attribute(AST_Attribute *a) {
  return mark_added(a, a == nullptr ? nullptr : a->field_type()) ? a : nullptr;
}

AST_Operation *UTL_Scope::add_operation(AST_Operation *o) {
  return mark_added(o, o == nullptr ? nullptr : o->return_type()) ? o : nullptr;
}

AST_Argument *UTL_Scope::add_argument(AST_Argument *a) {
  return mark_added(a, a == nullptr ? nullptr : a->field_type()) ? a : nullptr;
}

AST_Union *UTL_Scope::add_union(AST_Union *u) { return mark_added(u, nullptr) ? u : nullptr; }

AST_UnionBranch *UTL_Scope::add_union_branch(AST_UnionBranch *b) {
  return mark_added(b, b == nullptr ? nullptr : b->field_type()) ? b : nullptr;
}

AST_Structure *UTL_Scope::add_structure(AST_Structure *s) {
  return mark_added(s, nullptr) ? s : nullptr;
}

AST_Field *UTL_Scope::add_field(AST_Field *f) {
  return mark_added(f, f == nullptr ? nullptr : f->field_type()) ? f : nullptr;
}

AST_Enum *UTL_Scope::add_enum(AST_Enum *e) { return mark_added(e, nullptr) ? e : nullptr; }

AST_EnumVal *UTL_Scope::add_enum_val(AST_EnumVal *v) {
  return mark_added(v, nullptr) ? v : nullptr;
}

AST_Typedef *UTL_Scope::add_typedef(AST_Typedef *t) {
  return mark_added(t, t == nullptr ? nullptr : t->base_type()) ? t : nullptr;
}

UTL_StrList *UTL_Scope::add_context(UTL_StrList *c) { return c; }

UTL_NameList *UTL_Scope::add_exceptions(UTL_NameList *e) { return e; }

AST_Sequence *UTL_Scope::add_sequence(AST_Sequence *s) {
  return mark_added(s, s == nullptr ? nullptr : s->base_type()) ? s : nullptr;
}

AST_String *UTL_Scope::add_string(AST_String *s) { return mark_added(s, nullptr) ? s : nullptr; }

AST_Array *UTL_Scope::add_array(AST_Array *a) {
  return mark_added(a, a == nullptr ? nullptr : a->base_type()) ? a : nullptr;
}

AST_WideString *UTL_Scope::add_wide_string(AST_WideString *s) {
  return mark_added(s, nullptr) ? s : nullptr;
}

AST_ValueBox *UTL_Scope::add_value_box(AST_ValueBox *b) {
  return mark_added(b, b == nullptr ? nullptr : b->boxed_type()) ? b : nullptr;
}

AST_ValueType *UTL_Scope::add_value_type(AST_ValueType *v) {
  return mark_added(v, nullptr) ? v : nullptr;
}

AST_ValueTypeFwd *UTL_Scope::add_value_type_fwd(AST_ValueTypeFwd *f) {
  return mark_added(f, nullptr) ? f : nullptr;
}

AST_StateMember *UTL_Scope::add_state_member(AST_StateMember *m) {
  return mark_added(m, m == nullptr ? nullptr : m->field_type()) ? m : nullptr;
}

AST_Factory *UTL_Scope::add_factory(AST_Factory *f) {
  return mark_added(f, nullptr) ? f : nullptr;
}

AST_Native *UTL_Scope::add_native(AST_Native *n) { return mark_added(n, nullptr) ? n : nullptr; }

AST_Fixed *UTL_Scope::add_fixed(AST_Fixed *f) { return mark_added(f, nullptr) ? f : nullptr; }

// Printing.

// The dump's indentation state, made on first use.
static UTL_Indenter *indenter() {
  if (idl_global->indent() == nullptr)
    idl_global->set_indent(new UTL_Indenter);
  return idl_global->indent();
}

void UTL_Scope::dump_members(std::ostream &o, const std::vector<AST_Decl *> &members,
                             const char *title) {
  if (members.empty())
    return;
  o << std::endl << title << std::endl;
  UTL_Indenter *indent = indenter();
  for (size_t i = 0; i < members.size(); i++) {
    AST_Decl *d = members[i];
    if (d->imported())
      continue;
    indent->skip_to(o);
    d->dump(o);
    o << ";" << std::endl;
  }
}

void UTL_Scope::dump(std::ostream &o) {
  dump_members(o, pd_local_types, "/* Locally defined types: */");
  dump_members(o, pd_decls, "/* Declarations: */");
}

void UTL_Scope::dump_body(std::ostream &o) {
  o << " {" << std::endl;
  UTL_Indenter *indent = indenter();
  indent->increase();
  UTL_Scope::dump(o);
  indent->decrease();
  indent->skip_to(o);
  o << "}";
}

// The iterator.

UTL_ScopeActiveIterator::UTL_ScopeActiveIterator(UTL_Scope *s, UTL_Scope::ScopeIterationKind k)
    : scope(s), kind(k), stage(k == UTL_Scope::SCOPE_ITER_BOTH ? 1 : k) {}

long UTL_ScopeActiveIterator::stage_count() {
  return stage == 1 ? scope->n_decls() : scope->n_local_types();
}

bool UTL_ScopeActiveIterator::is_done() {
  if (index < stage_count())
    return false;
  if (kind != UTL_Scope::SCOPE_ITER_BOTH || stage == 2)
    return true;
  stage = 2;
  index = 0;
  return index >= stage_count();
}

AST_Decl *UTL_ScopeActiveIterator::item() {
  if (is_done())
    return nullptr;
  return stage == 1 ? scope->decl_at(index) : scope->local_type_at(index);
}
