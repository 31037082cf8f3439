// AST_Field: a typed, named member (struct and exception fields); AST_Argument (an operation's
// parameter with its direction), AST_Attribute (an interface attribute), AST_UnionBranch (a
// union member with its label) and AST_StateMember (a value type's state, ast_state_member.hh)
// are fields too: narrowing to AST_Field takes each of their kinds, so code that wants the
// fields of a structure alone checks node_type() for NT_field.
#ifndef FRONTEND_AST_FIELD_HH
#define FRONTEND_AST_FIELD_HH

#include "frontend/ast_decl.hh"

class AST_Type;
class UTL_ExceptList;
class UTL_NameList;
class UTL_Scope;

class AST_Field : public AST_Decl {
public:
  AST_Field(AST_Type *ft, UTL_IdList *n, UTL_StrList *p) : AST_Field(NT_field, ft, n, p) {}

  // Writes the type's local name and the field's.
  void dump(std::ostream &o) override;

  AST_Type *field_type() { return pd_field_type; }

  static AST_Field *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Field>(d,
                                {NT_field, NT_argument, NT_attr, NT_union_branch, NT_state_member});
  }

protected:
  AST_Field(NodeType nt, AST_Type *ft, UTL_IdList *n, UTL_StrList *p)
      : AST_Decl(nt, n, p), pd_field_type(ft) {}

private:
  AST_Type *pd_field_type;
};

class AST_Argument : public AST_Field {
public:
  enum Direction { ARG_IN, ARG_OUT, ARG_INOUT };

  AST_Argument(Direction d, AST_Type *ft, UTL_IdList *n, UTL_StrList *p)
      : AST_Field(NT_argument, ft, n, p), pd_direction(d) {}

  void dump(std::ostream &o) override;

  Direction direction() { return pd_direction; }

  static AST_Argument *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Argument>(d, {NT_argument});
  }

private:
  Direction pd_direction;
};

class AST_Attribute : public AST_Field {
public:
  AST_Attribute(bool ro, AST_Type *ft, UTL_IdList *n, UTL_StrList *p)
      : AST_Field(NT_attr, ft, n, p), pd_readonly(ro) {}

  void dump(std::ostream &o) override;

  bool readonly() { return pd_readonly; }
  // The exceptions reading and writing the attribute may raise; null for none. A read-only
  // attribute's raises list is its get_exceptions.
  UTL_ExceptList *get_exceptions() { return pd_get_exceptions; }
  UTL_ExceptList *set_exceptions() { return pd_set_exceptions; }
  // Resolve the raised exceptions in order from the scope the attribute is declared in,
  // stopping at the first name that is not one.
  void fe_add_get_exceptions(UTL_Scope *s, UTL_NameList *names);
  void fe_add_set_exceptions(UTL_Scope *s, UTL_NameList *names);

  static AST_Attribute *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Attribute>(d, {NT_attr});
  }

private:
  bool pd_readonly;
  UTL_ExceptList *pd_get_exceptions = nullptr;
  UTL_ExceptList *pd_set_exceptions = nullptr;
};

class AST_UnionLabel;

class AST_UnionBranch : public AST_Field {
public:
  AST_UnionBranch(AST_UnionLabel *l, AST_Type *ft, UTL_IdList *n, UTL_StrList *p)
      : AST_Field(NT_union_branch, ft, n, p), pd_label(l) {}

  void dump(std::ostream &o) override;

  AST_UnionLabel *label() { return pd_label; }
  // The member a case was read as; every branch made from one case (one per label) shares it.
  AST_Field *case_element() { return pd_case_element; }
  void set_case_element(AST_Field *f) { pd_case_element = f; }

  static AST_UnionBranch *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_UnionBranch>(d, {NT_union_branch});
  }

private:
  AST_UnionLabel *pd_label;
  AST_Field *pd_case_element = nullptr;
};

#endif
