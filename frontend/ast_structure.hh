// AST_Structure: a struct, a type and a scope whose declarations are its fields and whose
// local types are the types declared inside it. Exceptions and unions are structures too.
#ifndef FRONTEND_AST_STRUCTURE_HH
#define FRONTEND_AST_STRUCTURE_HH

#include "frontend/ast_type.hh"
#include "frontend/utl_scope.hh"

class AST_Structure : public AST_ConcreteType, public UTL_Scope {
public:
  AST_Structure(UTL_IdList *n, UTL_StrList *p) : AST_Structure(NT_struct, n, p) {}

  void dump(std::ostream &o) override;

  AST_Field *fe_add_field(AST_Field *f) override;
  AST_EnumVal *fe_add_enum_val(AST_EnumVal *v) override;
  AST_Structure *fe_add_structure(AST_Structure *s) override;
  AST_Union *fe_add_union(AST_Union *u) override;
  AST_Enum *fe_add_enum(AST_Enum *e) override;

  static AST_Structure *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Structure>(d, {NT_struct, NT_except, NT_union});
  }
  static AST_Structure *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Structure>(s, {NT_struct, NT_except, NT_union});
  }

protected:
  AST_Structure(NodeType nt, UTL_IdList *n, UTL_StrList *p)
      : AST_ConcreteType(nt, n, p), UTL_Scope(nt) {}
};

class AST_Exception : public AST_Structure {
public:
  AST_Exception(UTL_IdList *n, UTL_StrList *p) : AST_Structure(NT_except, n, p) {}

  void dump(std::ostream &o) override;

  // A nested structure whose name is taken by a member that cannot be redefined is reported
  // against the exception itself.
  AST_Structure *fe_add_structure(AST_Structure *s) override;

  static AST_Exception *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Exception>(d, {NT_except});
  }
  static AST_Exception *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Exception>(s, {NT_except});
  }
};

#endif
