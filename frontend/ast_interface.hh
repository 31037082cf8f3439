// AST_Interface: an interface, a type and a scope of exports, with the interfaces it inherits
// from and its kind (plain, abstract or local). An interface that has only been forward declared
// has n_inherits -1 until its body is read; AST_InterfaceFwd is the forward declaration, whose
// full definition is that interface.
#ifndef FRONTEND_AST_INTERFACE_HH
#define FRONTEND_AST_INTERFACE_HH

#include <vector>

#include "frontend/ast_type.hh"
#include "frontend/utl_scope.hh"

class AST_Interface : public AST_Type, public UTL_Scope {
public:
  // The word that may stand before "interface": none, "abstract" or "local".
  enum Kind { KIND_PLAIN, KIND_ABSTRACT, KIND_LOCAL };

  AST_Interface(UTL_IdList *n, AST_Interface **ih, long nih, UTL_StrList *p)
      : AST_Interface(NT_interface, n, ih, nih, p) {}

  void dump(std::ostream &o) override;

  AST_Interface **inherits() { return pd_inherits; }
  void set_inherits(AST_Interface **ih) { pd_inherits = ih; }
  long n_inherits() { return pd_n_inherits; }
  void set_n_inherits(long n) { pd_n_inherits = n; }
  bool is_defined() { return pd_n_inherits >= 0; }
  Kind kind() { return pd_kind; }
  void set_kind(Kind k) { pd_kind = k; }
  bool is_abstract() { return pd_kind == KIND_ABSTRACT; }
  bool is_local() { return pd_kind == KIND_LOCAL; }

  // Completes an interface that was only forward declared with what its definition d says.
  virtual void take_definition(AST_Interface *d);

  // Searches the inherited interfaces depth first, each with its enclosing scopes, each once;
  // the interfaces on the way to the one that has the name record it when record is set.
  AST_Decl *look_in_inherited(UTL_IdList *name, long record) override;
  // Appends the interfaces a lookup passes on to after this one, in order.
  virtual void inherited_scopes(std::vector<AST_Interface *> &out);

  AST_Constant *fe_add_constant(AST_Constant *c) override;
  AST_Exception *fe_add_exception(AST_Exception *e) override;
  AST_Attribute *fe_add_attribute(AST_Attribute *a) override;
  AST_Operation *fe_add_operation(AST_Operation *o) override;
  AST_Structure *fe_add_structure(AST_Structure *s) override;
  AST_Enum *fe_add_enum(AST_Enum *e) override;
  AST_Union *fe_add_union(AST_Union *u) override;
  AST_EnumVal *fe_add_enum_val(AST_EnumVal *v) override;
  AST_Typedef *fe_add_typedef(AST_Typedef *t) override;
  AST_Native *fe_add_native(AST_Native *n) override;

  // A value type (NT_valuetype, ast_value_type.hh) is an AST_Interface too, so both narrowings
  // take it: code meant for interfaces alone checks node_type() for NT_interface.
  static AST_Interface *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Interface>(d, {NT_interface, NT_valuetype});
  }
  static AST_Interface *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Interface>(s, {NT_interface, NT_valuetype});
  }

protected:
  AST_Interface(NodeType nt, UTL_IdList *n, AST_Interface **ih, long nih, UTL_StrList *p)
      : AST_Type(nt, n, p), UTL_Scope(nt), pd_inherits(ih), pd_n_inherits(nih) {}

  // The add rule for a member, refused with a message while the interface is only forward
  // declared.
  bool add_export(AST_Decl *n);

private:

  AST_Interface **pd_inherits;
  long pd_n_inherits;
  Kind pd_kind = KIND_PLAIN;
};

// Writes "abstract " or "local " for an interface of that kind.
void dump_interface_kind(std::ostream &o, AST_Interface::Kind k);

class AST_InterfaceFwd : public AST_Type {
public:
  // Also creates, through the node factory, the interface that the definition will complete,
  // and records this declaration in the forward registry.
  AST_InterfaceFwd(UTL_IdList *n, UTL_StrList *p);

  void dump(std::ostream &o) override;

  AST_Interface *full_definition() { return pd_full_definition; }
  void set_full_definition(AST_Interface *i) { pd_full_definition = i; }

  // Takes the forward declarations of value types (NT_valuetype_fwd) too.
  static AST_InterfaceFwd *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_InterfaceFwd>(d, {NT_interface_fwd, NT_valuetype_fwd});
  }

protected:
  // A forward declaration of kind nt whose full definition is to be placeholder.
  AST_InterfaceFwd(NodeType nt, UTL_IdList *n, UTL_StrList *p, AST_Interface *placeholder);

private:
  AST_Interface *pd_full_definition;
};

// Adds f to the forward declarations of the run (IDL_GlobalData::fwd_interfaces).
void AST_record_fwd_interface(AST_InterfaceFwd *f);
// Reports every recorded forward declaration whose interface was never defined.
void AST_check_fwd_interface();

#endif
