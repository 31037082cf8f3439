// AST_Generator: each operation creates the front end's own node class.
#include "frontend/ast_generator.hh"

#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_factory.hh"
#include "frontend/ast_fixed.hh"
#include "frontend/ast_native.hh"
#include "frontend/ast_state_member.hh"
#include "frontend/ast_value_box.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/ast_wide_string.hh"

AST_PredefinedType *AST_Generator::create_predefined_type(AST_PredefinedType::PredefinedType t,
                                                          UTL_IdList *n, UTL_StrList *p) {
  return new AST_PredefinedType(t, n, p);
}

AST_Module *AST_Generator::create_module(UTL_IdList *n, UTL_StrList *p) {
  return new AST_Module(n, p);
}

AST_Root *AST_Generator::create_root(UTL_IdList *n, UTL_StrList *p) { return new AST_Root(n, p); }

AST_Interface *AST_Generator::create_interface(UTL_IdList *n, AST_Interface **ih, long nih,
                                               UTL_StrList *p) {
  return new AST_Interface(n, ih, nih, p);
}

AST_InterfaceFwd *AST_Generator::create_interface_fwd(UTL_IdList *n, UTL_StrList *p) {
  return new AST_InterfaceFwd(n, p);
}

AST_Exception *AST_Generator::create_exception(UTL_IdList *n, UTL_StrList *p) {
  return new AST_Exception(n, p);
}

AST_Structure *AST_Generator::create_structure(UTL_IdList *n, UTL_StrList *p) {
  return new AST_Structure(n, p);
}

AST_Enum *AST_Generator::create_enum(UTL_IdList *n, UTL_StrList *p) { return new AST_Enum(n, p); }

AST_Operation *AST_Generator::create_operation(AST_Type *rt, AST_Operation::Flags fl,
                                               UTL_IdList *n, UTL_StrList *p) {
  return new AST_Operation(rt, fl, n, p);
}

AST_Field *AST_Generator::create_field(AST_Type *ft, UTL_IdList *n, UTL_StrList *p) {
  return new AST_Field(ft, n, p);
}

AST_Argument *AST_Generator::create_argument(AST_Argument::Direction d, AST_Type *ft,
                                             UTL_IdList *n, UTL_StrList *p) {
  return new AST_Argument(d, ft, n, p);
}

AST_Attribute *AST_Generator::create_attribute(long ro, AST_Type *ft, UTL_IdList *n,
                                               UTL_StrList *p) {
  return new AST_Attribute(ro != 0, ft, n, p);
}

AST_Union *AST_Generator::create_union(AST_ConcreteType *dt, UTL_IdList *n, UTL_StrList *p) {
  return new AST_Union(dt, n, p);
}

AST_UnionBranch *AST_Generator::create_union_branch(AST_UnionLabel *l, AST_Type *ft,
                                                    UTL_IdList *n, UTL_StrList *p) {
  return new AST_UnionBranch(l, ft, n, p);
}

AST_UnionLabel *AST_Generator::create_union_label(AST_UnionLabel::UnionLabel lk,
                                                  AST_Expression *lv) {
  return new AST_UnionLabel(lk, lv);
}

AST_Constant *AST_Generator::create_constant(AST_Expression::ExprType et, AST_Expression *ev,
                                             UTL_IdList *n, UTL_StrList *p) {
  return new AST_Constant(et, ev, n, p);
}

AST_Expression *AST_Generator::create_expr(UTL_IdList *n) { return new AST_Expression(n); }

AST_Expression *AST_Generator::create_expr(AST_Expression *v, AST_Expression::ExprType t) {
  return new AST_Expression(v, t);
}

AST_Expression *AST_Generator::create_expr(AST_Expression::ExprComb c, AST_Expression *v1,
                                           AST_Expression *v2) {
  return new AST_Expression(c, v1, v2);
}

AST_Expression *AST_Generator::create_expr(long l) { return new AST_Expression(l); }

AST_Expression *AST_Generator::create_expr(long l, AST_Expression::ExprType t) {
  return new AST_Expression(l, t);
}

AST_Expression *AST_Generator::create_expr(unsigned long l) { return new AST_Expression(l); }

AST_Expression *AST_Generator::create_expr(UTL_String *s) { return new AST_Expression(s); }

AST_Expression *AST_Generator::create_expr(char c) { return new AST_Expression(c); }

AST_Expression *AST_Generator::create_expr(double d) { return new AST_Expression(d); }

AST_EnumVal *AST_Generator::create_enum_val(unsigned long v, UTL_IdList *n, UTL_StrList *p) {
  return new AST_EnumVal(v, n, p);
}

AST_Array *AST_Generator::create_array(UTL_IdList *n, unsigned long ndims, UTL_ExprList *dims) {
  return new AST_Array(n, ndims, dims);
}

AST_Sequence *AST_Generator::create_sequence(AST_Expression *ms, AST_Type *bt) {
  return new AST_Sequence(ms, bt);
}

AST_String *AST_Generator::create_string(AST_Expression *ms) { return new AST_String(ms); }

AST_String *AST_Generator::create_wstring(AST_Expression *ms) { return new AST_String(ms, 4); }

AST_Typedef *AST_Generator::create_typedef(AST_Type *bt, UTL_IdList *n, UTL_StrList *p) {
  return new AST_Typedef(bt, n, p);
}

AST_WideString *AST_Generator::create_wide_string(AST_Expression *ms) {
  return new AST_WideString(ms);
}

AST_ValueBox *AST_Generator::create_value_box(AST_Type *bt, UTL_IdList *n, UTL_StrList *p) {
  return new AST_ValueBox(bt, n, p);
}

AST_ValueType *AST_Generator::create_value_type(UTL_IdList *n, AST_Interface **ih, long nih,
                                                UTL_StrList *p) {
  return new AST_ValueType(n, ih, nih, p);
}

AST_ValueTypeFwd *AST_Generator::create_value_type_fwd(UTL_IdList *n, UTL_StrList *p) {
  return new AST_ValueTypeFwd(n, p);
}

AST_StateMember *AST_Generator::create_state_member(bool is_public, AST_Type *ft, UTL_IdList *n,
                                                    UTL_StrList *p) {
  return new AST_StateMember(is_public, ft, n, p);
}

AST_Factory *AST_Generator::create_factory(UTL_IdList *n, UTL_StrList *p) {
  return new AST_Factory(n, p);
}

AST_Native *AST_Generator::create_native(UTL_IdList *n, UTL_StrList *p) {
  return new AST_Native(n, p);
}

AST_Fixed *AST_Generator::create_fixed(unsigned long digits, unsigned long scale) {
  return new AST_Fixed(digits, scale);
}

AST_Expression *AST_Generator::create_wide_string_expr(UTL_String *ws) {
  return new AST_Expression(ws, AST_Expression::EXPR_WSTRING);
}

AST_Expression *AST_Generator::create_expr(AST_FixedValue *f) { return new AST_Expression(f); }
