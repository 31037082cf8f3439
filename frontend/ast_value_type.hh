// AST_ValueType: a value type, an interface-like scope of exports that also holds state members
// and factories, with the value types it inherits from (its inherits), the interfaces it
// supports, and whether it is abstract, custom or truncatable. AST_ValueTypeFwd is its forward
// declaration; like an interface's, its full definition is a placeholder until the body is read.
#ifndef FRONTEND_AST_VALUE_TYPE_HH
#define FRONTEND_AST_VALUE_TYPE_HH

#include "frontend/ast_interface.hh"

class AST_ValueType : public AST_Interface {
public:
  AST_ValueType(UTL_IdList *n, AST_Interface **ih, long nih, UTL_StrList *p)
      : AST_Interface(NT_valuetype, n, ih, nih, p) {}

  void dump(std::ostream &o) override;
  void take_definition(AST_Interface *d) override;

  bool is_custom() { return pd_custom; }
  void set_custom(bool c) { pd_custom = c; }
  bool is_truncatable() { return pd_truncatable; }
  void set_truncatable(bool t) { pd_truncatable = t; }
  AST_Interface **supports() { return pd_supports; }
  long n_supports() { return pd_n_supports; }
  void set_supports(AST_Interface **s, long n) {
    pd_supports = s;
    pd_n_supports = n;
  }

  // Lookups pass on to the inherited value types, then to the supported interfaces.
  void inherited_scopes(std::vector<AST_Interface *> &out) override;

  // An abstract value type has no state and no factories.
  AST_StateMember *fe_add_state_member(AST_StateMember *m) override;
  AST_Factory *fe_add_factory(AST_Factory *f) override;

  static AST_ValueType *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_ValueType>(d, {NT_valuetype});
  }
  static AST_ValueType *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_ValueType>(s, {NT_valuetype});
  }

private:
  // The add rule for a state member or factory, which an abstract value type refuses.
  bool add_state(AST_Decl *n);

  bool pd_custom = false;
  bool pd_truncatable = false;
  AST_Interface **pd_supports = nullptr;
  long pd_n_supports = 0;
};

class AST_ValueTypeFwd : public AST_InterfaceFwd {
public:
  // Also creates, through the node factory, the value type that the definition will complete.
  AST_ValueTypeFwd(UTL_IdList *n, UTL_StrList *p);

  void dump(std::ostream &o) override;

  static AST_ValueTypeFwd *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_ValueTypeFwd>(d, {NT_valuetype_fwd});
  }
};

#endif
