// The back end's node classes: one per node class of the tree, each adding nothing but its
// constructors and its own class identity, so that the back end can tell its nodes apart with
// narrow_from_decl (and narrow_from_scope for scopes). be_generator creates them.
#ifndef FRONTEND_BE_CLASSES_HH
#define FRONTEND_BE_CLASSES_HH

#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_expression.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/ast_factory.hh"
#include "frontend/ast_fixed.hh"
#include "frontend/ast_native.hh"
#include "frontend/ast_state_member.hh"
#include "frontend/ast_value_box.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/ast_wide_string.hh"

class be_predefined_type : public AST_PredefinedType {
public:
  using AST_PredefinedType::AST_PredefinedType;

  static be_predefined_type *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_predefined_type *>(d); }
};

class be_module : public AST_Module {
public:
  using AST_Module::AST_Module;

  static be_module *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_module *>(d); }
  static be_module *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_module *>(s); }
};

class be_interface : public AST_Interface {
public:
  using AST_Interface::AST_Interface;

  static be_interface *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_interface *>(d); }
  static be_interface *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_interface *>(s); }
};

class be_interface_fwd : public AST_InterfaceFwd {
public:
  using AST_InterfaceFwd::AST_InterfaceFwd;

  static be_interface_fwd *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_interface_fwd *>(d); }
};

class be_exception : public AST_Exception {
public:
  using AST_Exception::AST_Exception;

  static be_exception *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_exception *>(d); }
  static be_exception *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_exception *>(s); }
};

class be_structure : public AST_Structure {
public:
  using AST_Structure::AST_Structure;

  static be_structure *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_structure *>(d); }
  static be_structure *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_structure *>(s); }
};

class be_enum : public AST_Enum {
public:
  using AST_Enum::AST_Enum;

  static be_enum *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_enum *>(d); }
  static be_enum *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_enum *>(s); }
};

class be_operation : public AST_Operation {
public:
  using AST_Operation::AST_Operation;

  static be_operation *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_operation *>(d); }
  static be_operation *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_operation *>(s); }
};

class be_field : public AST_Field {
public:
  using AST_Field::AST_Field;

  static be_field *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_field *>(d); }
};

class be_argument : public AST_Argument {
public:
  using AST_Argument::AST_Argument;

  static be_argument *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_argument *>(d); }
};

class be_attribute : public AST_Attribute {
public:
  using AST_Attribute::AST_Attribute;

  static be_attribute *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_attribute *>(d); }
};

class be_union : public AST_Union {
public:
  using AST_Union::AST_Union;

  static be_union *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_union *>(d); }
  static be_union *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_union *>(s); }
};

class be_union_branch : public AST_UnionBranch {
public:
  using AST_UnionBranch::AST_UnionBranch;

  static be_union_branch *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_union_branch *>(d); }
};

class be_union_label : public AST_UnionLabel {
public:
  using AST_UnionLabel::AST_UnionLabel;
};

class be_constant : public AST_Constant {
public:
  using AST_Constant::AST_Constant;

  static be_constant *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_constant *>(d); }
};

class be_expr_val : public AST_Expression {
public:
  using AST_Expression::AST_Expression;
};

class be_enum_val : public AST_EnumVal {
public:
  using AST_EnumVal::AST_EnumVal;

  static be_enum_val *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_enum_val *>(d); }
};

class be_array : public AST_Array {
public:
  using AST_Array::AST_Array;

  static be_array *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_array *>(d); }
};

class be_sequence : public AST_Sequence {
public:
  using AST_Sequence::AST_Sequence;

  static be_sequence *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_sequence *>(d); }
};

class be_string : public AST_String {
public:
  using AST_String::AST_String;

  static be_string *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_string *>(d); }
};

class be_typedef : public AST_Typedef {
public:
  using AST_Typedef::AST_Typedef;

  static be_typedef *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_typedef *>(d); }
};

class be_wide_string : public AST_WideString {
public:
  using AST_WideString::AST_WideString;

  static be_wide_string *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_wide_string *>(d); }
};

class be_value_box : public AST_ValueBox {
public:
  using AST_ValueBox::AST_ValueBox;

  static be_value_box *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_value_box *>(d); }
};

class be_value_type : public AST_ValueType {
public:
  using AST_ValueType::AST_ValueType;

  static be_value_type *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_value_type *>(d); }
  static be_value_type *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_value_type *>(s); }
};

class be_value_type_fwd : public AST_ValueTypeFwd {
public:
  using AST_ValueTypeFwd::AST_ValueTypeFwd;

  static be_value_type_fwd *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_value_type_fwd *>(d); }
};

class be_state_member : public AST_StateMember {
public:
  using AST_StateMember::AST_StateMember;

  static be_state_member *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_state_member *>(d); }
};

class be_factory : public AST_Factory {
public:
  using AST_Factory::AST_Factory;

  static be_factory *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_factory *>(d); }
  static be_factory *narrow_from_scope(UTL_Scope *s) { return dynamic_cast<be_factory *>(s); }
};

class be_native : public AST_Native {
public:
  using AST_Native::AST_Native;

  static be_native *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_native *>(d); }
};

class be_fixed : public AST_Fixed {
public:
  using AST_Fixed::AST_Fixed;

  static be_fixed *narrow_from_decl(AST_Decl *d) { return dynamic_cast<be_fixed *>(d); }
};

#endif
