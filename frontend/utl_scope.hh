// UTL_Scope: the part of every node that holds declarations (root, module, interface, struct,
// union, enum, exception, operation). It stores the members, anonymous and nested types and the
// names used in it, resolves scoped names, enters parsed declarations with the redefinition
// checks (fe_add_*), runs the add pass (call_add, add_*) and prints its contents.
#ifndef FRONTEND_UTL_SCOPE_HH
#define FRONTEND_UTL_SCOPE_HH

#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "frontend/ast_decl.hh"
#include "frontend/ast_expression.hh"

class AST_PredefinedType;
class AST_Module;
class AST_Interface;
class AST_InterfaceFwd;
class AST_Constant;
class AST_Exception;
class AST_Attribute;
class AST_Operation;
class AST_Argument;
class AST_Union;
class AST_UnionBranch;
class AST_Structure;
class AST_Field;
class AST_Enum;
class AST_EnumVal;
class AST_Typedef;
class AST_Sequence;
class AST_String;
class AST_Array;
class AST_WideString;
class AST_ValueBox;
class AST_ValueType;
class AST_ValueTypeFwd;
class AST_StateMember;
class AST_Factory;
class AST_Native;
class AST_Fixed;
class AST_Type;
class UTL_NameList;

class UTL_Scope : public virtual COMMON_Base {
public:
  enum ScopeIterationKind { SCOPE_ITER_BOTH, SCOPE_ITER_DECLS, SCOPE_ITER_LOCAL_TYPES };

  virtual ~UTL_Scope() = default;

  // The add pass: each marks its node as added and adds the type the node carries.
  virtual AST_PredefinedType *add_predefined_type(AST_PredefinedType *t);
  virtual AST_Module *add_module(AST_Module *m);
  virtual AST_Interface *add_interface(AST_Interface *i);
  virtual AST_InterfaceFwd *add_interface_fwd(AST_InterfaceFwd *f);
  virtual AST_Constant *add_constant(AST_Constant *c);
  virtual AST_Exception *add_exception(AST_Exception *e);
  virtual AST_Attribute *add_attribute(AST_Attribute *a);
  virtual AST_Operation *add_operation(AST_Operation *o);
  virtual AST_Argument *add_argument(AST_Argument *a);
  virtual AST_Union *add_union(AST_Union *u);
  virtual AST_UnionBranch *add_union_branch(AST_UnionBranch *b);
  virtual AST_Structure *add_structure(AST_Structure *s);
  virtual AST_Field *add_field(AST_Field *f);
  virtual AST_Enum *add_enum(AST_Enum *e);
  virtual AST_EnumVal *add_enum_val(AST_EnumVal *v);
  virtual AST_Typedef *add_typedef(AST_Typedef *t);
  virtual UTL_StrList *add_context(UTL_StrList *c);
  virtual UTL_NameList *add_exceptions(UTL_NameList *e);
  virtual AST_Sequence *add_sequence(AST_Sequence *s);
  virtual AST_String *add_string(AST_String *s);
  virtual AST_Array *add_array(AST_Array *a);
  virtual AST_WideString *add_wide_string(AST_WideString *s);
  virtual AST_ValueBox *add_value_box(AST_ValueBox *b);
  virtual AST_ValueType *add_value_type(AST_ValueType *v);
  virtual AST_ValueTypeFwd *add_value_type_fwd(AST_ValueTypeFwd *f);
  virtual AST_StateMember *add_state_member(AST_StateMember *m);
  virtual AST_Factory *add_factory(AST_Factory *f);
  virtual AST_Native *add_native(AST_Native *n);
  virtual AST_Fixed *add_fixed(AST_Fixed *f);

  // Runs the add pass over the members, and over every member that is a scope.
  virtual void call_add();
  // Writes the nested types and the declarations, one per line, skipping imported ones.
  virtual void dump(std::ostream &o);
  // Writes " {", a line end, the contents one level deeper, the indentation and "}".
  void dump_body(std::ostream &o);

  // The declaration a scoped name denotes from this scope; record adds it to the referenced
  // list of every scope the search passed through.
  virtual AST_Decl *lookup_by_name(UTL_IdList *name, long record);
  // lookup_by_name without the search through this scope's own inherited interfaces (those of
  // enclosing scopes have none).
  AST_Decl *lookup_by_name_here(UTL_IdList *name, long record);
  virtual AST_Decl *lookup_by_name_local(Identifier *id, long record);
  virtual AST_PredefinedType *lookup_primitive_type(AST_Expression::ExprType t);
  virtual long nmembers() { return static_cast<long>(pd_decls.size()); }
  virtual AST_Decl *look_in_inherited(UTL_IdList *name, long record);
  virtual AST_Decl *lookup_for_add(AST_Decl *d, long record);

  // Entering parsed declarations; each returns its node when accepted, else null. A scope
  // accepts only the kinds its class overrides.
  virtual AST_PredefinedType *fe_add_predefined_type(AST_PredefinedType *) { return nullptr; }
  virtual AST_Module *fe_add_module(AST_Module *) { return nullptr; }
  virtual AST_Interface *fe_add_interface(AST_Interface *) { return nullptr; }
  virtual AST_InterfaceFwd *fe_add_interface_fwd(AST_InterfaceFwd *) { return nullptr; }
  virtual AST_Constant *fe_add_constant(AST_Constant *) { return nullptr; }
  virtual AST_Exception *fe_add_exception(AST_Exception *) { return nullptr; }
  virtual AST_Attribute *fe_add_attribute(AST_Attribute *) { return nullptr; }
  virtual AST_Operation *fe_add_operation(AST_Operation *) { return nullptr; }
  virtual AST_Argument *fe_add_argument(AST_Argument *) { return nullptr; }
  virtual AST_Union *fe_add_union(AST_Union *) { return nullptr; }
  virtual AST_UnionBranch *fe_add_union_branch(AST_UnionBranch *) { return nullptr; }
  virtual AST_Structure *fe_add_structure(AST_Structure *) { return nullptr; }
  virtual AST_Field *fe_add_field(AST_Field *) { return nullptr; }
  virtual AST_Enum *fe_add_enum(AST_Enum *) { return nullptr; }
  virtual AST_EnumVal *fe_add_enum_val(AST_EnumVal *) { return nullptr; }
  virtual AST_Typedef *fe_add_typedef(AST_Typedef *) { return nullptr; }
  virtual UTL_StrList *fe_add_context(UTL_StrList *) { return nullptr; }
  virtual UTL_NameList *fe_add_exceptions(UTL_NameList *) { return nullptr; }
  virtual AST_Sequence *fe_add_sequence(AST_Sequence *) { return nullptr; }
  virtual AST_String *fe_add_string(AST_String *) { return nullptr; }
  virtual AST_Array *fe_add_array(AST_Array *) { return nullptr; }
  virtual AST_WideString *fe_add_wide_string(AST_WideString *) { return nullptr; }
  virtual AST_ValueBox *fe_add_value_box(AST_ValueBox *) { return nullptr; }
  virtual AST_ValueType *fe_add_value_type(AST_ValueType *) { return nullptr; }
  virtual AST_ValueTypeFwd *fe_add_value_type_fwd(AST_ValueTypeFwd *) { return nullptr; }
  virtual AST_StateMember *fe_add_state_member(AST_StateMember *) { return nullptr; }
  virtual AST_Factory *fe_add_factory(AST_Factory *) { return nullptr; }
  virtual AST_Native *fe_add_native(AST_Native *) { return nullptr; }
  virtual AST_Fixed *fe_add_fixed(AST_Fixed *) { return nullptr; }

  AST_Decl::NodeType scope_node_type() { return pd_scope_node_type; }

  void add_to_scope(AST_Decl *d);
  void add_to_local_types(AST_Decl *d);
  // Records d as used here; a forward-declared interface of this scope that is not yet defined
  // is not recorded, so that its definition stays possible.
  void add_to_referenced(AST_Decl *d, long recursive);
  bool referenced(AST_Decl *d) { return pd_names->pd_referenced.count(d) != 0; }
  // Whether s is this scope, or another opening of the module this scope is an opening of.
  bool is_same_scope(UTL_Scope *s) { return s != nullptr && s->pd_names == pd_names; }

  // Member access for the iterator.
  long n_decls() { return static_cast<long>(pd_decls.size()); }
  AST_Decl *decl_at(long i) { return pd_decls[static_cast<std::size_t>(i)]; }
  long n_local_types() { return static_cast<long>(pd_local_types.size()); }
  AST_Decl *local_type_at(long i) { return pd_local_types[static_cast<std::size_t>(i)]; }

protected:
  // A scope is always part of a node; nt is the node's kind.
  explicit UTL_Scope(AST_Decl::NodeType nt) : pd_scope_node_type(nt) {}

  // s viewed as the node class T, whose nodes have exactly the kinds given; null for a scope of
  // any other kind (see AST_Decl::kind_cast).
  template <typename T>
  static T *scope_kind_cast(UTL_Scope *s, std::initializer_list<AST_Decl::NodeType> kinds) {
    return s != nullptr && AST_Decl::is_one_of(s->pd_scope_node_type, kinds) ? static_cast<T *>(s)
                                                                              : nullptr;
  }

  // The add rule: false, after reporting, when n may not enter this scope because an existing
  // member of that name cannot be redefined, has been used here, or encloses n.
  bool may_add(AST_Decl *n);
  // may_add, then entering n as a declaration (respectively a nested type) and recording it.
  bool add_declaration(AST_Decl *n);
  bool add_local_type(AST_Decl *n);
  // Enters n as a declaration and records it, without checks.
  void insert_declaration(AST_Decl *n);
  // Makes this scope a further opening of the scope first: a name declared or used in any
  // opening counts in all of them, while each keeps its own members.
  void share_names_of(UTL_Scope *first) { pd_names = first->pd_names; }

private:
  // Members by local name, the first of each name only; members are never renamed once
  // entered, so the index stays valid.
  using NameIndex = std::unordered_map<std::string, AST_Decl *>;

  AST_Decl *lookup(UTL_IdList *name, long record, bool inherited);
  AST_Decl *lookup_relative(UTL_IdList *name, long record, bool inherited);
  AST_Decl *add_by_node_type(AST_Decl *d);
  // Marks n as added, then adds the type it carries unless that is done already.
  bool mark_added(AST_Decl *n, AST_Type *carried);
  bool add_type(AST_Type *t);
  void enter(std::vector<AST_Decl *> &members, NameIndex &index, AST_Decl *d);
  void dump_members(std::ostream &o, const std::vector<AST_Decl *> &members, const char *title);

  AST_Decl::NodeType pd_scope_node_type;
  std::vector<AST_Decl *> pd_decls;
  std::vector<AST_Decl *> pd_local_types;
  NameIndex pd_decl_index;
  NameIndex pd_local_type_index;
  std::unordered_set<AST_Decl *> pd_referenced;
  // The scope whose name indexes and referenced list this one uses: itself, or the first
  // opening of a module opened again.
  UTL_Scope *pd_names = this;
};

// Walks the members of a scope: the declarations, the local types, or both in that order.
// Members added while iterating are seen.
class UTL_ScopeActiveIterator {
public:
  UTL_ScopeActiveIterator(UTL_Scope *s, UTL_Scope::ScopeIterationKind k);

  AST_Decl *item();
  void next() { index++; }
  bool is_done();
  UTL_Scope::ScopeIterationKind iteration_kind() { return kind; }
  long iteration_stage() { return stage; }

private:
  long stage_count();

  UTL_Scope *scope;
  UTL_Scope::ScopeIterationKind kind;
  long stage;
  long index = 0;
};

// The two views of one node; null when the node has no such view.
AST_Decl *ScopeAsDecl(UTL_Scope *s);
UTL_Scope *DeclAsScope(AST_Decl *d);

// Whether a declaration of d's kind may be followed by another declaration of its name.
bool can_be_redefined(AST_Decl *d);
// True when t is a struct or union that one of the scopes being defined (down to the nearest
// sequence marker) is: a member may not have its enclosing type as its type.
bool AST_illegal_recursive_type(AST_Decl *t);

#endif
