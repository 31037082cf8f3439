// be_generator: the node factory the back end installs; it creates the back end's node classes
// (be_classes.hh). The root stays the front end's AST_Root.
#ifndef FRONTEND_BE_GENERATOR_HH
#define FRONTEND_BE_GENERATOR_HH

#include "frontend/ast_generator.hh"

class be_generator : public AST_Generator {
public:
  AST_PredefinedType *create_predefined_type(AST_PredefinedType::PredefinedType t, UTL_IdList *n,
                                             UTL_StrList *p) override;
  AST_Module *create_module(UTL_IdList *n, UTL_StrList *p) override;
  AST_Interface *create_interface(UTL_IdList *n, AST_Interface **ih, long nih,
                                  UTL_StrList *p) override;
  AST_InterfaceFwd *create_interface_fwd(UTL_IdList *n, UTL_StrList *p) override;
  AST_Exception *create_exception(UTL_IdList *n, UTL_StrList *p) override;
  AST_Structure *create_structure(UTL_IdList *n, UTL_StrList *p) override;
  AST_Enum *create_enum(UTL_IdList *n, UTL_StrList *p) override;
  AST_Operation *create_operation(AST_Type *rt, AST_Operation::Flags fl, UTL_IdList *n,
                                  UTL_StrList *p) override;
  AST_Field *create_field(AST_Type *ft, UTL_IdList *n, UTL_StrList *p) override;
  AST_Argument *create_argument(AST_Argument::Direction d, AST_Type *ft, UTL_IdList *n,
                                UTL_StrList *p) override;
  AST_Attribute *create_attribute(long ro, AST_Type *ft, UTL_IdList *n, UTL_StrList *p) override;
  AST_Union *create_union(AST_ConcreteType *dt, UTL_IdList *n, UTL_StrList *p) override;
  AST_UnionBranch *create_union_branch(AST_UnionLabel *l, AST_Type *ft, UTL_IdList *n,
                                       UTL_StrList *p) override;
  AST_UnionLabel *create_union_label(AST_UnionLabel::UnionLabel lk, AST_Expression *lv) override;
  AST_Constant *create_constant(AST_Expression::ExprType et, AST_Expression *ev, UTL_IdList *n,
                                UTL_StrList *p) override;
  AST_Expression *create_expr(UTL_IdList *n) override;
  AST_Expression *create_expr(AST_Expression *v, AST_Expression::ExprType t) override;
  AST_Expression *create_expr(AST_Expression::ExprComb c, AST_Expression *v1,
                              AST_Expression *v2) override;
  AST_Expression *create_expr(long l) override;
  AST_Expression *create_expr(long l, AST_Expression::ExprType t) override;
  AST_Expression *create_expr(unsigned long l) override;
  AST_Expression *create_expr(UTL_String *s) override;
  AST_Expression *create_expr(char c) override;
  AST_Expression *create_expr(double d) override;
  AST_Expression *create_wide_string_expr(UTL_String *ws) override;
  AST_Expression *create_expr(AST_FixedValue *f) override;
  AST_EnumVal *create_enum_val(unsigned long v, UTL_IdList *n, UTL_StrList *p) override;
  AST_Array *create_array(UTL_IdList *n, unsigned long ndims, UTL_ExprList *dims) override;
  AST_Sequence *create_sequence(AST_Expression *ms, AST_Type *bt) override;
  AST_String *create_string(AST_Expression *ms) override;
  AST_String *create_wstring(AST_Expression *ms) override;
  AST_Typedef *create_typedef(AST_Type *bt, UTL_IdList *n, UTL_StrList *p) override;
  AST_WideString *create_wide_string(AST_Expression *ms) override;
  AST_ValueBox *create_value_box(AST_Type *bt, UTL_IdList *n, UTL_StrList *p) override;
  AST_ValueType *create_value_type(UTL_IdList *n, AST_Interface **ih, long nih,
                                   UTL_StrList *p) override;
  AST_ValueTypeFwd *create_value_type_fwd(UTL_IdList *n, UTL_StrList *p) override;
  AST_StateMember *create_state_member(bool is_public, AST_Type *ft, UTL_IdList *n,
                                       UTL_StrList *p) override;
  AST_Factory *create_factory(UTL_IdList *n, UTL_StrList *p) override;
  AST_Native *create_native(UTL_IdList *n, UTL_StrList *p) override;
  AST_Fixed *create_fixed(unsigned long digits, unsigned long scale) override;
};

#endif
