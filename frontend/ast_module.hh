// AST_Module: a module, a scope of definitions, which may be opened again: each opening is a node
// of its own that holds what it declares, and all openings share their names. AST_Root: the
// outermost module that holds the predefined types, the whole file's definitions and, as local
// types, the anonymous sequence, string and array types.
#ifndef FRONTEND_AST_MODULE_HH
#define FRONTEND_AST_MODULE_HH

#include "frontend/ast_decl.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_scope.hh"

class AST_Module : public AST_Decl, public UTL_Scope {
public:
  AST_Module(UTL_IdList *n, UTL_StrList *p) : AST_Module(NT_module, n, p) {}

  void dump(std::ostream &o) override;

  AST_PredefinedType *fe_add_predefined_type(AST_PredefinedType *t) override;
  AST_Module *fe_add_module(AST_Module *m) override;
  AST_Interface *fe_add_interface(AST_Interface *i) override;
  AST_InterfaceFwd *fe_add_interface_fwd(AST_InterfaceFwd *f) override;
  AST_Constant *fe_add_constant(AST_Constant *c) override;
  AST_Exception *fe_add_exception(AST_Exception *e) override;
  AST_Union *fe_add_union(AST_Union *u) override;
  AST_Structure *fe_add_structure(AST_Structure *s) override;
  AST_Enum *fe_add_enum(AST_Enum *e) override;
  AST_EnumVal *fe_add_enum_val(AST_EnumVal *v) override;
  AST_Typedef *fe_add_typedef(AST_Typedef *t) override;
  AST_ValueBox *fe_add_value_box(AST_ValueBox *b) override;
  AST_ValueType *fe_add_value_type(AST_ValueType *v) override;
  AST_ValueTypeFwd *fe_add_value_type_fwd(AST_ValueTypeFwd *f) override;
  AST_Native *fe_add_native(AST_Native *n) override;

  static AST_Module *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Module>(d, {NT_module, NT_root});
  }
  static AST_Module *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Module>(s, {NT_module, NT_root});
  }

protected:
  AST_Module(NodeType nt, UTL_IdList *n, UTL_StrList *p) : AST_Decl(nt, n, p), UTL_Scope(nt) {}
};

class AST_Root : public AST_Module {
public:
  AST_Root(UTL_IdList *n, UTL_StrList *p) : AST_Module(NT_root, n, p) {}

  void dump(std::ostream &o) override;

  // Anonymous types are renamed "local type" and kept without checks.
  AST_Sequence *fe_add_sequence(AST_Sequence *s) override;
  AST_String *fe_add_string(AST_String *s) override;
  AST_Array *fe_add_array(AST_Array *a) override;
  AST_WideString *fe_add_wide_string(AST_WideString *s) override;
  AST_Fixed *fe_add_fixed(AST_Fixed *f) override;

  static AST_Root *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Root>(d, {NT_root});
  }
  static AST_Root *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Root>(s, {NT_root});
  }

private:
  // Renames t "local type" and keeps it; null gives null.
  template <class T> T *add_anonymous_type(T *t) {
    if (t != nullptr) {
      t->set_name(create_scoped_name("local type"));
      add_to_local_types(t);
    }
    return t;
  }
};

#endif
