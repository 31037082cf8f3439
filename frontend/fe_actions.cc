// The parse actions.
#include "frontend/fe_actions.hh"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_factory.hh"
#include "frontend/ast_fixed.hh"
#include "frontend/ast_fixed_value.hh"
#include "frontend/ast_generator.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_native.hh"
#include "frontend/ast_state_member.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_value_box.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/ast_wide_string.hh"
#include "frontend/fe_declarator.hh"
#include "frontend/fe_interface_header.hh"
#include "frontend/fe_local_types.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_lists.hh"
#include "frontend/utl_scopestack.hh"

using E = AST_Expression;

static AST_Generator *gen() { return idl_global->gen(); }
static UTL_Error *err() { return idl_global->err(); }
static UTL_ScopeStack *scopes() { return idl_global->scopes(); }

// The innermost open scope, skipping the markers of sequences.
static UTL_Scope *current_scope() { return scopes()->top_non_null(); }

static UTL_IdList *name_of(Identifier *id) { return new UTL_IdList(id, nullptr); }

// Syntax errors.

void fe_syntax_error_signalled() { idl_global->set_syntax_error_pending(true); }

void fe_report_syntax_error() {
  if (!idl_global->syntax_error_pending())
    return;
  idl_global->set_syntax_error_pending(false);
  err()->syntax_error(idl_global->parse_state());
}

// Names.

UTL_IdList *fe_global_name(char *delimiter, Identifier *id) {
  return new UTL_IdList(new Identifier(delimiter), name_of(id));
}

UTL_IdList *fe_append_name(UTL_IdList *name, Identifier *id) {
  name->nconc(name_of(id));
  return name;
}

// Scopes.

// A prefix given inside a scope ends with it: the one in effect where the scope's declaration
// was made is back.
AST_Decl *fe_scope_end() {
  AST_Decl *closed = ScopeAsDecl(scopes()->top());
  scopes()->pop();
  if (closed != nullptr)
    idl_global->set_prefix(closed->prefix());
  return closed;
}

// Declares a scope-opening construct: make creates and enters its node into the current scope
// (null when it makes none); the node, or null, is opened.
template <class Make> static void open_declaration(Identifier *id, Make make) {
  UTL_Scope *s = current_scope();
  UTL_IdList *n = name_of(id);
  UTL_StrList *p = idl_global->pragmas();
  AST_Decl *d = s == nullptr ? nullptr : make(s, n, p);
  scopes()->push(DeclAsScope(d));
}

void fe_module_begin(char *name) {
  open_declaration(new Identifier(name), [](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
    AST_Module *m = gen()->create_module(n, p);
    s->fe_add_module(m);
    return m;
  });
}

void fe_struct_begin(Identifier *id) {
  open_declaration(id, [](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
    AST_Structure *st = gen()->create_structure(n, p);
    s->fe_add_structure(st);
    return st;
  });
}

void fe_exception_begin(Identifier *id) {
  open_declaration(id, [](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
    AST_Exception *x = gen()->create_exception(n, p);
    s->fe_add_exception(x);
    return x;
  });
}

void fe_enum_begin(Identifier *id) {
  open_declaration(id, [](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
    AST_Enum *e = gen()->create_enum(n, p);
    s->fe_add_enum(e);
    return e;
  });
}

void fe_union_begin(Identifier *id, AST_Decl *discriminator) {
  open_declaration(id, [discriminator](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
    AST_Union *u = nullptr;
    if (discriminator == nullptr)
      return u;
    AST_ConcreteType *dt = AST_ConcreteType::narrow_from_decl(discriminator);
    if (dt == nullptr) {
      err()->not_a_type(discriminator);
      return u;
    }
    u = gen()->create_union(dt, n, p);
    s->fe_add_union(u);
    return u;
  });
}

void fe_operation_begin(AST_Operation::Flags flags, AST_Decl *return_type, char *name) {
  open_declaration(new Identifier(name),
                   [flags, return_type](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
                     AST_Operation *o = nullptr;
                     if (return_type == nullptr)
                       return o;
                     AST_Type *t = AST_Type::narrow_from_decl(return_type);
                     if (t == nullptr || AST_Exception::narrow_from_decl(t) != nullptr) {
                       err()->not_a_type(return_type);
                       return o;
                     }
                     o = gen()->create_operation(t, flags, n, p);
                     if (s->fe_add_operation(o) != nullptr)
                       fe_check_local_use(o, t);
                     return o;
                   });
}

static void check_local_raises(AST_Decl *member, UTL_ExceptList *raised) {
  for (UTL_ExceptlistActiveIterator i(raised); !i.is_done(); i.next())
    fe_check_local_use(member, i.item());
}

void fe_operation_end(UTL_NameList *raises, UTL_StrList *context) {
  AST_Operation *o = AST_Operation::narrow_from_scope(scopes()->top());
  if (o != nullptr && raises != nullptr)
    o->fe_add_exceptions(raises);
  if (o != nullptr)
    check_local_raises(o, o->exceptions());
  if (o != nullptr && context != nullptr)
    o->fe_add_context(context);
  fe_scope_end();
}

FE_InterfaceHeader *fe_interface_decl(AST_Interface::Kind kind, Identifier *id) {
  return new FE_InterfaceHeader(name_of(id), kind);
}

FE_InterfaceHeader *fe_interface_header(FE_InterfaceHeader *decl, UTL_NameList *inherits) {
  decl->inherit(inherits);
  return decl;
}

// Gives an interface or value type that was only forward declared what its definition d says,
// and the position and pragmas of the definition.
static void complete_forward(AST_Interface *i, AST_Interface *d, UTL_StrList *p) {
  i->take_definition(d);
  i->set_imported(idl_global->imported());
  i->set_in_main_file(idl_global->in_main_file());
  i->set_line(idl_global->lineno());
  i->set_file_name(idl_global->filename());
  i->set_prefix(idl_global->prefix());
  i->add_pragmas(p);
}

// Opens a new interface or value type i of scope s, entered with enter, or the placeholder
// that a forward declaration of it in s made, completed with what i says.
template <class Enter>
static void open_interface_like(UTL_Scope *s, AST_Interface *i, UTL_StrList *p, Enter enter) {
  AST_Interface *e = AST_Interface::narrow_from_decl(s->lookup_by_name(i->name(), true));
  if (e != nullptr && !e->is_defined() && e->node_type() == i->node_type()) {
    if (e->kind() != i->kind()) {
      err()->error2(UTL_Error::FORWARD_KIND_MISMATCH, i, e);
      scopes()->push(i);
      return;
    }
    if (s->is_same_scope(e->defined_in())) {
      complete_forward(e, i, p);
      i = e;
    } else {
      err()->error3(UTL_Error::FWD_SCOPE_MISMATCH, i, ScopeAsDecl(s), e);
    }
  }
  enter(s, i);
  scopes()->push(i);
}

void fe_interface_begin(FE_InterfaceHeader *header) {
  UTL_Scope *s = current_scope();
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr || header == nullptr) {
    scopes()->push(nullptr);
    return;
  }
  AST_Interface *i = gen()->create_interface(header->interface_name(), header->inherits(),
                                             header->n_inherits(), p);
  i->set_kind(header->kind());
  open_interface_like(s, i, p, [](UTL_Scope *in, AST_Interface *n) { in->fe_add_interface(n); });
}

void fe_forward_interface(FE_InterfaceHeader *decl) {
  UTL_Scope *s = current_scope();
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr)
    return;
  AST_InterfaceFwd *f = gen()->create_interface_fwd(decl->interface_name(), p);
  f->full_definition()->set_kind(decl->kind());
  s->fe_add_interface_fwd(f);
}

// Value types.

FE_ValueHeader *fe_value_head(FE_ValueHeader::Keyword keyword, Identifier *id) {
  return new FE_ValueHeader(name_of(id), keyword);
}

FE_ValueHeader *fe_value_header(FE_ValueHeader *head, FE_ValueBases *bases,
                                UTL_NameList *supports) {
  head->inherit(bases);
  head->support(supports);
  return head;
}

// Only a value type without keyword can be a box, and a custom one needs its body at once;
// reports any other as a syntax error.
static bool may_be_written_so(FE_ValueHeader *head, bool box) {
  const FE_ValueHeader::Keyword k = head->keyword();
  if (k == FE_ValueHeader::KEYWORD_NONE || (!box && k == FE_ValueHeader::KEYWORD_ABSTRACT))
    return true;
  err()->syntax_error(IDL_GlobalData::PS_ValueTypeIDSeen);
  return false;
}

void fe_value_forward(FE_ValueHeader *head) {
  UTL_Scope *s = current_scope();
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr || !may_be_written_so(head, false))
    return;
  AST_ValueTypeFwd *f = gen()->create_value_type_fwd(head->value_name(), p);
  if (head->keyword() == FE_ValueHeader::KEYWORD_ABSTRACT)
    f->full_definition()->set_kind(AST_Interface::KIND_ABSTRACT);
  s->fe_add_value_type_fwd(f);
}

// A value type, a value box, or ValueBase, the type of any value.
static bool is_value_type(AST_Decl *t) {
  AST_Decl *d = strip_typedefs(t);
  return AST_Decl::is_one_of(d->node_type(), {AST_Decl::NT_valuetype, AST_Decl::NT_valuebox}) ||
         d == fe_root_type("ValueBase");
}

void fe_value_box(FE_ValueHeader *head, AST_Decl *type) {
  UTL_Scope *s = current_scope();
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr || type == nullptr || !may_be_written_so(head, true))
    return;
  AST_Type *t = AST_Type::narrow_from_decl(type);
  if (t == nullptr || AST_Exception::narrow_from_decl(t) != nullptr) {
    err()->not_a_type(type);
    return;
  }
  AST_ValueBox *b = gen()->create_value_box(t, head->value_name(), p);
  if (is_value_type(t)) {
    err()->error2(UTL_Error::ILLEGAL_BOXED_TYPE, b, t);
    return;
  }
  s->fe_add_value_box(b);
}

void fe_value_begin(FE_ValueHeader *head) {
  UTL_Scope *s = current_scope();
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr) {
    scopes()->push(nullptr);
    return;
  }
  AST_ValueType *v = gen()->create_value_type(head->value_name(), head->inherits(),
                                              head->n_inherits(), p);
  if (head->keyword() == FE_ValueHeader::KEYWORD_ABSTRACT)
    v->set_kind(AST_Interface::KIND_ABSTRACT);
  v->set_custom(head->keyword() == FE_ValueHeader::KEYWORD_CUSTOM);
  v->set_truncatable(head->truncatable());
  v->set_supports(head->supports(), head->n_supports());
  open_interface_like(s, v, p, [](UTL_Scope *in, AST_Interface *n) {
    in->fe_add_value_type(AST_ValueType::narrow_from_decl(n));
  });
}

void fe_factory_begin(Identifier *id) {
  open_declaration(id, [](UTL_Scope *s, UTL_IdList *n, UTL_StrList *p) {
    AST_Factory *f = gen()->create_factory(n, p);
    s->fe_add_factory(f);
    return f;
  });
}

void fe_enumerator(char *name) {
  UTL_Scope *s = current_scope();
  UTL_IdList *n = name_of(new Identifier(name));
  UTL_StrList *p = idl_global->pragmas();
  AST_Enum *e = AST_Enum::narrow_from_scope(s);
  if (e != nullptr)
    e->fe_add_enum_val(gen()->create_enum_val(e->next_enum_val(), n, p));
}

// Declarations with declarators.

// Composes each declarator with type and hands the resulting type, the declarator's name and
// the pending pragmas to declare, which creates the node and enters it into the scope.
template <class Declare>
static void declare_each(AST_Decl *type, UTL_DeclList *declarators, Declare declare) {
  UTL_Scope *s = current_scope();
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr || type == nullptr || declarators == nullptr)
    return;
  for (UTL_DecllistActiveIterator i(declarators); !i.is_done(); i.next()) {
    AST_Type *t = AST_Type::narrow_from_decl(i.item()->compose(type));
    if (t != nullptr)
      declare(s, t, i.item()->name(), p);
  }
}

void fe_typedef(AST_Decl *type, UTL_DeclList *declarators) {
  declare_each(type, declarators, [](UTL_Scope *s, AST_Type *t, UTL_IdList *n, UTL_StrList *p) {
    s->fe_add_typedef(gen()->create_typedef(t, n, p));
  });
}

// A member whose type is a struct or union being defined around it cannot be laid out.
static bool is_recursive_member_type(AST_Decl *type) {
  if (type == nullptr || !AST_illegal_recursive_type(type))
    return false;
  err()->error1(UTL_Error::RECURSIVE_TYPE, type);
  return true;
}

void fe_member(AST_Decl *type, UTL_DeclList *declarators) {
  if (is_recursive_member_type(type))
    return;
  declare_each(type, declarators, [](UTL_Scope *s, AST_Type *t, UTL_IdList *n, UTL_StrList *p) {
    s->fe_add_field(gen()->create_field(t, n, p));
  });
}

// Only a read-only attribute has the raises form, only other ones getraises and setraises, and
// only a declaration of one attribute either; any other is reported as a syntax error, and its
// attributes are declared without raises.
static bool raises_fit(bool readonly, UTL_DeclList *declarators, FE_AttributeRaises *raises) {
  if (raises == nullptr)
    return true;
  if (raises->raises_form == readonly && declarators != nullptr && declarators->length() == 1)
    return true;
  err()->syntax_error(IDL_GlobalData::PS_AttrCompleted);
  return false;
}

void fe_attribute(bool readonly, AST_Decl *type, UTL_DeclList *declarators,
                  FE_AttributeRaises *raises) {
  if (!raises_fit(readonly, declarators, raises))
    raises = nullptr;
  declare_each(type, declarators,
               [readonly, raises](UTL_Scope *s, AST_Type *t, UTL_IdList *n, UTL_StrList *p) {
                 AST_Attribute *a = gen()->create_attribute(readonly, t, n, p);
                 if (s->fe_add_attribute(a) == nullptr)
                   return;
                 fe_check_local_use(a, t);
                 if (raises != nullptr && raises->get != nullptr)
                   a->fe_add_get_exceptions(s, raises->get);
                 if (raises != nullptr && raises->set != nullptr)
                   a->fe_add_set_exceptions(s, raises->set);
                 check_local_raises(a, a->get_exceptions());
                 check_local_raises(a, a->set_exceptions());
               });
}

void fe_state_member(bool is_public, AST_Decl *type, UTL_DeclList *declarators) {
  declare_each(type, declarators,
               [is_public](UTL_Scope *s, AST_Type *t, UTL_IdList *n, UTL_StrList *p) {
                 AST_StateMember *m = gen()->create_state_member(is_public, t, n, p);
                 if (s->fe_add_state_member(m) != nullptr)
                   fe_check_local_use(m, t);
               });
}

void fe_parameter(AST_Argument::Direction direction, AST_Decl *type, FE_Declarator *declarator) {
  UTL_DeclList one(declarator, nullptr);
  declare_each(type, &one, [direction](UTL_Scope *s, AST_Type *t, UTL_IdList *n, UTL_StrList *p) {
    AST_Argument *a = gen()->create_argument(direction, t, n, p);
    if (s->fe_add_argument(a) != nullptr)
      fe_check_local_use(a, t);
  });
}

// The characters of a UTF-8 text.
static unsigned long characters_of(const char *text) {
  unsigned long n = 0;
  for (const char *s = text; *s != '\0'; s++)
    n += (static_cast<unsigned char>(*s) & 0xC0) != 0x80;
  return n;
}

// Whether value has a value of the constant's type: for an enumeration one of its enumerators,
// for a bounded wide string at most as many characters as the bound, for a fixed-point type no
// more digits before the point than the type has. A value of a fixed-point type loses the
// digits after the point beyond the type's scale.
static bool has_value_of(FE_ConstType *type, E *value) {
  E::AST_ExprValue *v = value->coerce(type->et);
  if (v == nullptr)
    return false;
  if (AST_Enum *e = AST_Enum::narrow_from_decl(type->type))
    return v->u.enumval->defined_in() == e;
  if (AST_WideString *w = AST_WideString::narrow_from_decl(type->type)) {
    const unsigned long bound = w->max_size()->coerce(E::EXPR_ULONG)->u.ulval;
    return bound == 0 || characters_of(v->u.strval->get_string()) <= bound;
  }
  if (AST_Fixed *f = AST_Fixed::narrow_from_decl(type->type)) {
    if (v->u.fixval->integer_digits() > f->digits() - f->scale())
      return false;
    v->u.fixval = v->u.fixval->truncated(f->scale());
  }
  return true;
}

void fe_constant(FE_ConstType *type, Identifier *id, E *value) {
  UTL_Scope *s = current_scope();
  UTL_IdList *n = name_of(id);
  UTL_StrList *p = idl_global->pragmas();
  if (s == nullptr || value == nullptr)
    return;
  if (!has_value_of(type, value)) {
    err()->coercion_error(value, constant_type_text(type->et, type->type));
    return;
  }
  AST_Constant *c = gen()->create_constant(type->et, value, n, p);
  c->set_declared_type(type->type);
  s->fe_add_constant(c);
}

// Unions.

AST_Field *fe_union_element(AST_Decl *type, FE_Declarator *declarator) {
  if (type == nullptr || declarator == nullptr || is_recursive_member_type(type))
    return nullptr;
  AST_Type *t = AST_Type::narrow_from_decl(declarator->compose(type));
  if (t == nullptr)
    return nullptr;
  return gen()->create_field(t, declarator->name(), idl_global->pragmas());
}

AST_UnionLabel *fe_default_label() {
  return gen()->create_union_label(AST_UnionLabel::LABEL_DEFAULT, nullptr);
}

AST_UnionLabel *fe_value_label(E *value) {
  if (value == nullptr)
    return nullptr;
  return gen()->create_union_label(AST_UnionLabel::LABEL_VALUE, value);
}

void fe_case_branch(UTL_LabelList *labels, AST_Field *element) {
  UTL_Scope *s = current_scope();
  if (s == nullptr || labels == nullptr || element == nullptr)
    return;
  for (UTL_LabellistActiveIterator i(labels); !i.is_done(); i.next()) {
    if (i.item() == nullptr)
      continue;
    AST_UnionBranch *b = gen()->create_union_branch(i.item(), element->field_type(),
                                                    element->name(), element->pragmas());
    b->set_case_element(element);
    s->fe_add_union_branch(b);
  }
}

// Types.

AST_Decl *fe_primitive_type(E::ExprType type) {
  UTL_Scope *root = scopes()->bottom();
  return root == nullptr ? nullptr : root->lookup_primitive_type(type);
}

// The pseudo types that IDL names in module CORBA without declaring them there.
static const char *const corba_pseudo_types[] = {"TypeCode", "Object"};

static bool has_text(Identifier *id, const char *text) {
  return id->get_string() != nullptr && std::strcmp(id->get_string(), text) == 0;
}

// The root's pseudo type that CORBA::TypeCode or CORBA::Object (also with a leading "::")
// names; null for any other name.
static AST_Decl *corba_pseudo_type(UTL_IdList *name) {
  UTL_List *rest = has_text(name->head(), "::") ? name->tail() : name;
  if (rest == nullptr || rest->length() != 2)
    return nullptr;
  Identifier *module = static_cast<UTL_IdList *>(rest)->head();
  Identifier *type = static_cast<UTL_IdList *>(rest->tail())->head();
  if (!has_text(module, "CORBA"))
    return nullptr;
  for (const char *pseudo : corba_pseudo_types) {
    if (has_text(type, pseudo))
      return scopes()->bottom()->lookup_by_name_local(type, false);
  }
  return nullptr;
}

AST_Decl *fe_type_of_name(UTL_IdList *name) {
  UTL_Scope *s = current_scope();
  AST_Decl *d = s == nullptr ? nullptr : s->lookup_by_name(name, true);
  if (d == nullptr && s != nullptr)
    d = corba_pseudo_type(name);
  if (d == nullptr)
    err()->lookup_error(name);
  return d;
}

// The predefined types a union may be declared to switch on (the union itself then refuses
// some of them).
static const AST_PredefinedType::PredefinedType discriminator_kinds[] = {
    AST_PredefinedType::PREDEF_LONG,   AST_PredefinedType::PREDEF_ULONG,
    AST_PredefinedType::PREDEF_LONGLONG, AST_PredefinedType::PREDEF_ULONGLONG,
    AST_PredefinedType::PREDEF_SHORT,  AST_PredefinedType::PREDEF_USHORT,
    AST_PredefinedType::PREDEF_CHAR,   AST_PredefinedType::PREDEF_WCHAR,
    AST_PredefinedType::PREDEF_BOOLEAN, AST_PredefinedType::PREDEF_OCTET,
};

static bool is_discriminator_type(AST_Decl *d) {
  if (AST_Enum::narrow_from_decl(d) != nullptr)
    return true;
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(d);
  return p != nullptr && std::find(std::begin(discriminator_kinds), std::end(discriminator_kinds),
                                   p->pt()) != std::end(discriminator_kinds);
}

AST_Decl *fe_discriminator_of_name(UTL_IdList *name) {
  UTL_Scope *s = current_scope();
  AST_Decl *d = strip_typedefs(s == nullptr ? nullptr : s->lookup_by_name(name, true));
  if (is_discriminator_type(d))
    return d;
  err()->lookup_error(name);
  return nullptr;
}

// A type that names no type a constant can have gives the expression type any, which no value
// has.
FE_ConstType *fe_const_type_of_name(UTL_IdList *name) {
  UTL_Scope *s = current_scope();
  AST_Decl *d = strip_typedefs(s == nullptr ? nullptr : s->lookup_by_name(name, true));
  if (AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(d))
    return new FE_ConstType(value_type_of(p->pt()), p);
  if (AST_String *string = AST_String::narrow_from_decl(d))
    return new FE_ConstType(string->width() == 1 ? E::EXPR_STRING : E::EXPR_WSTRING, nullptr);
  if (AST_WideString::narrow_from_decl(d) != nullptr)
    return new FE_ConstType(E::EXPR_WSTRING, d);
  if (AST_Enum::narrow_from_decl(d) != nullptr)
    return new FE_ConstType(E::EXPR_ENUM, d);
  if (AST_Fixed::narrow_from_decl(d) != nullptr)
    return new FE_ConstType(E::EXPR_FIXED, d);
  return new FE_ConstType(E::EXPR_ANY, nullptr);
}

void fe_sequence_begin() { scopes()->push(nullptr); }

// A bound of a sequence or string: its value must be an unsigned long.
static bool is_valid_bound(E *bound) {
  if (bound->coerce(E::EXPR_ULONG) != nullptr)
    return true;
  err()->coercion_error(bound, E::EXPR_ULONG);
  return false;
}

static AST_Decl *make_sequence(AST_Decl *element, E *bound) {
  if (scopes()->depth() > 0 && scopes()->top() == nullptr)
    scopes()->pop();
  if (bound == nullptr || !is_valid_bound(bound))
    return nullptr;
  AST_Type *t = AST_Type::narrow_from_decl(element);
  if (t == nullptr)
    return nullptr;
  return idl_global->root()->fe_add_sequence(gen()->create_sequence(bound, t));
}

AST_Decl *fe_sequence(AST_Decl *element, E *bound) { return make_sequence(element, bound); }

AST_Decl *fe_unbounded_sequence(AST_Decl *element) {
  return make_sequence(element, gen()->create_expr(0UL));
}

AST_Decl *fe_string(E *bound, long width) {
  if (bound == nullptr || !is_valid_bound(bound))
    return nullptr;
  AST_String *s = width == 1 ? gen()->create_string(bound) : gen()->create_wstring(bound);
  return idl_global->root()->fe_add_string(s);
}

AST_Decl *fe_unbounded_string(long width) { return fe_string(gen()->create_expr(0UL), width); }

AST_Decl *fe_root_type(const char *name) {
  Identifier id(const_cast<char *>(name));
  UTL_Scope *root = scopes()->bottom();
  return root == nullptr ? nullptr : root->lookup_by_name_local(&id, false);
}

static AST_Decl *make_wide_string(E *bound) {
  return idl_global->root()->fe_add_wide_string(gen()->create_wide_string(bound));
}

// A bound written out must be at least 1; 0 stands for none.
AST_Decl *fe_wide_string(E *bound) {
  if (bound == nullptr || !is_valid_bound(bound))
    return nullptr;
  if (bound->coerce(E::EXPR_ULONG)->u.ulval == 0) {
    err()->input_error("Wide string bound below 1");
    return nullptr;
  }
  return make_wide_string(bound);
}

AST_Decl *fe_unbounded_wide_string() { return make_wide_string(gen()->create_expr(0UL)); }

// The value of a bound that is_valid_bound accepted.
static unsigned long bound_value(E *bound) { return bound->coerce(E::EXPR_ULONG)->u.ulval; }

AST_Decl *fe_fixed(E *digits, E *scale) {
  if (digits == nullptr || scale == nullptr || !is_valid_bound(digits) || !is_valid_bound(scale))
    return nullptr;
  AST_Fixed *f = gen()->create_fixed(bound_value(digits), bound_value(scale));
  if (f->digits() == 0 || f->digits() > AST_Fixed::max_digits || f->scale() > f->digits()) {
    err()->fixed_type_error(f);
    return nullptr;
  }
  return idl_global->root()->fe_add_fixed(f);
}

void fe_native(Identifier *id) {
  UTL_Scope *s = current_scope();
  UTL_IdList *n = name_of(id);
  UTL_StrList *p = idl_global->pragmas();
  if (s != nullptr)
    s->fe_add_native(gen()->create_native(n, p));
}

// Declarators.

FE_Declarator *fe_simple_declarator(Identifier *id) {
  return new FE_Declarator(name_of(id), FE_Declarator::DECLARATOR_SIMPLE, nullptr);
}

FE_Declarator *fe_complex_declarator(AST_Decl *array) {
  return new FE_Declarator(name_of(array->local_name()), FE_Declarator::DECLARATOR_COMPLEX,
                           array);
}

AST_Decl *fe_array(Identifier *id, UTL_ExprList *dimensions) {
  return gen()->create_array(name_of(id), static_cast<unsigned long>(dimensions->length()),
                             dimensions);
}

E *fe_array_dim(E *size) {
  if (size == nullptr || !is_valid_bound(size))
    return nullptr;
  return size;
}

// Expressions.

// Operator trees deeper than this are refused, so that evaluating and printing them stays
// within a small, fixed depth of recursion.
static const long max_expression_nesting = 1000;

static bool within_nesting_limit(E *operand) {
  if (operand->nesting() < max_expression_nesting)
    return true;
  err()->input_error(("Expression nested more than " + std::to_string(max_expression_nesting) +
                      " levels deep")
                         .c_str());
  return false;
}

E *fe_binary(E::ExprComb comb, E *a, E *b) {
  if (a == nullptr || b == nullptr || !within_nesting_limit(a) || !within_nesting_limit(b))
    return nullptr;
  return gen()->create_expr(comb, a, b);
}

E *fe_unary(E::ExprComb comb, E *a) {
  if (a == nullptr || !within_nesting_limit(a))
    return nullptr;
  return gen()->create_expr(comb, a, nullptr);
}

E *fe_symbol(UTL_IdList *name) { return gen()->create_expr(name); }

UTL_String *fe_joined_strings(UTL_String *a, UTL_String *b) {
  return new UTL_String((std::string(a->get_string()) + b->get_string()).c_str());
}

E *fe_integer_literal(long value) {
  E *e = gen()->create_expr(value);
  e->set_integer_literal(static_cast<uint32_t>(value), false);
  return e;
}

E *fe_wide_integer_literal(IDL_IntegerValue *value) {
  E *e = gen()->create_expr(static_cast<long>(static_cast<int32_t>(value->value)));
  e->set_integer_literal(value->value, value->beyond_64_bits);
  return e;
}

E *fe_fixed_literal(AST_FixedValue *value) {
  return value == nullptr ? nullptr : gen()->create_expr(value);
}

E *fe_positive_int(E *e) {
  if (e == nullptr)
    return nullptr;
  e->evaluate(E::EVAL_CONST);
  return gen()->create_expr(e, E::EXPR_ULONG);
}
