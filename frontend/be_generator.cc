// be_generator: each operation creates the back end's node class of the same role.
#include "frontend/be_generator.hh"

#include "frontend/be_classes.hh"


AST_PredefinedType *be_generator::create_predefined_type(AST_PredefinedType::PredefinedType t,
                                                          UTL_IdList *n, UTL_StrList *p) {
  return new be_predefined_type(t, n, p);
}

AST_Module *be_generator::create_module(UTL_IdList *n, UTL_StrList *p) {
  return new be_module(n, p);
}

AST_Interface *be_generator::create_interface(UTL_IdList *n, AST_Interface **ih, long nih,
                                               UTL_StrList *p) {
  return new be_interface(n, ih, nih, p);
}

AST_InterfaceFwd *be_generator::create_interface_fwd(UTL_IdList *n, UTL_StrList *p) {
  return new be_interface_fwd(n, p);
}

AST_Exception *be_generator::create_exception(UTL_IdList *n, UTL_StrList *p) {
  return new be_exception(n, p);
}

AST_Structure *be_generator::create_structure(UTL_IdList *n, UTL_StrList *p) {
  return new be_structure(n, p);
}

AST_Enum *be_generator::create_enum(UTL_IdList *n, UTL_StrList *p) { return new be_enum(n, p); }

AST_Operation *be_generator::create_operation(AST_Type *rt, AST_Operation::Flags fl,
                                               UTL_IdList *n, UTL_StrList *p) {
  return new be_operation(rt, fl, n, p);
}

AST_Field *be_generator::create_field(AST_Type *ft, UTL_IdList *n, UTL_StrList *p) {
  return new be_field(ft, n, p);
}

AST_Argument *be_generator::create_argument(AST_Argument::Direction d, AST_Type *ft,
                                             UTL_IdList *n, UTL_StrList *p) {
  return new be_argument(d, ft, n, p);
}

AST_Attribute *be_generator::create_attribute(long ro, AST_Type *ft, UTL_IdList *n,
                                               UTL_StrList *p) {
  return new be_attribute(ro != 0, ft, n, p);
}

AST_Union *be_generator::create_union(AST_ConcreteType *dt, UTL_IdList *n, UTL_StrList *p) {
  return new be_union(dt, n, p);
}

AST_UnionBranch *be_generator::create_union_branch(AST_UnionLabel *l, AST_Type *ft,
                                                    UTL_IdList *n, UTL_StrList *p) {
  return new be_union_branch(l, ft, n, p);
}

AST_UnionLabel *be_generator::create_union_label(AST_UnionLabel::UnionLabel lk,
                                                  AST_Expression *lv) {
  return new be_union_label(lk, lv);
}

AST_Constant *be_generator::create_constant(AST_Expression::ExprType et, AST_Expression *ev,
                                             UTL_IdList *n, UTL_StrList *p) {
  return new be_constant(et, ev, n, p);
}

AST_Expression *be_generator::create_expr(UTL_IdList *n) { return new be_expr_val(n); }

AST_Expression *be_generator::create_expr(AST_Expression *v, AST_Expression::ExprType t) {
  return new be_expr_val(v, t);
}

AST_Expression *be_generator::create_expr(AST_Expression::ExprComb c, AST_Expression *v1,
                                           AST_Expression *v2) {
  return new be_expr_val(c, v1, v2);
}

AST_Expression *be_generator::create_expr(long l) { return new be_expr_val(l); }

AST_Expression *be_generator::create_expr(long l, AST_Expression::ExprType t) {
  return new be_expr_val(l, t);
}

AST_Expression *be_generator::create_expr(unsigned long l) { return new be_expr_val(l); }

AST_Expression *be_generator::create_expr(UTL_String *s) { return new be_expr_val(s); }

AST_Expression *be_generator::create_expr(char c) { return new be_expr_val(c); }

AST_Expression *be_generator::create_expr(double d) { return new be_expr_val(d); }

AST_EnumVal *be_generator::create_enum_val(unsigned long v, UTL_IdList *n, UTL_StrList *p) {
  return new be_enum_val(v, n, p);
}

AST_Array *be_generator::create_array(UTL_IdList *n, unsigned long ndims, UTL_ExprList *dims) {
  return new be_array(n, ndims, dims);
}

AST_Sequence *be_generator::create_sequence(AST_Expression *ms, AST_Type *bt) {
  return new be_sequence(ms, bt);
}

AST_String *be_generator::create_string(AST_Expression *ms) { return new be_string(ms); }

AST_String *be_generator::create_wstring(AST_Expression *ms) { return new be_string(ms, 4); }

AST_Typedef *be_generator::create_typedef(AST_Type *bt, UTL_IdList *n, UTL_StrList *p) {
  return new be_typedef(bt, n, p);
}

AST_WideString *be_generator::create_wide_string(AST_Expression *ms) {
  return new be_wide_string(ms);
}

AST_ValueBox *be_generator::create_value_box(AST_Type *bt, UTL_IdList *n, UTL_StrList *p) {
  return new be_value_box(bt, n, p);
}

AST_ValueType *be_generator::create_value_type(UTL_IdList *n, AST_Interface **ih, long nih,
                                               UTL_StrList *p) {
  return new be_value_type(n, ih, nih, p);
}

AST_ValueTypeFwd *be_generator::create_value_type_fwd(UTL_IdList *n, UTL_StrList *p) {
  return new be_value_type_fwd(n, p);
}

AST_StateMember *be_generator::create_state_member(bool is_public, AST_Type *ft, UTL_IdList *n,
                                                   UTL_StrList *p) {
  return new be_state_member(is_public, ft, n, p);
}

AST_Factory *be_generator::create_factory(UTL_IdList *n, UTL_StrList *p) {
  return new be_factory(n, p);
}

AST_Native *be_generator::create_native(UTL_IdList *n, UTL_StrList *p) {
  return new be_native(n, p);
}

AST_Fixed *be_generator::create_fixed(unsigned long digits, unsigned long scale) {
  return new be_fixed(digits, scale);
}

AST_Expression *be_generator::create_wide_string_expr(UTL_String *ws) {
  return new be_expr_val(ws, AST_Expression::EXPR_WSTRING);
}

AST_Expression *be_generator::create_expr(AST_FixedValue *f) { return new be_expr_val(f); }
