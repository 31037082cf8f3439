// AST_Generator: the node factory through which the parser creates every node. The back end
// installs its own factory (be_generator), which creates the back end's node classes instead.
#ifndef FRONTEND_AST_GENERATOR_HH
#define FRONTEND_AST_GENERATOR_HH

#include "frontend/ast_expression.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_union_label.hh"

class AST_Root;
class AST_WideString;
class AST_ValueBox;
class AST_ValueType;
class AST_ValueTypeFwd;
class AST_StateMember;
class AST_Factory;
class AST_Native;
class AST_Fixed;
class UTL_ExprList;

class AST_Generator {
public:
  virtual ~AST_Generator() = default;

  virtual AST_PredefinedType *create_predefined_type(AST_PredefinedType::PredefinedType t,
                                                     UTL_IdList *n, UTL_StrList *p);
  virtual AST_Module *create_module(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Root *create_root(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Interface *create_interface(UTL_IdList *n, AST_Interface **ih, long nih,
                                          UTL_StrList *p);
  virtual AST_InterfaceFwd *create_interface_fwd(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Exception *create_exception(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Structure *create_structure(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Enum *create_enum(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Operation *create_operation(AST_Type *rt, AST_Operation::Flags fl, UTL_IdList *n,
                                          UTL_StrList *p);
  virtual AST_Field *create_field(AST_Type *ft, UTL_IdList *n, UTL_StrList *p);
  virtual AST_Argument *create_argument(AST_Argument::Direction d, AST_Type *ft, UTL_IdList *n,
                                        UTL_StrList *p);
  virtual AST_Attribute *create_attribute(long ro, AST_Type *ft, UTL_IdList *n, UTL_StrList *p);
  virtual AST_Union *create_union(AST_ConcreteType *dt, UTL_IdList *n, UTL_StrList *p);
  virtual AST_UnionBranch *create_union_branch(AST_UnionLabel *l, AST_Type *ft, UTL_IdList *n,
                                               UTL_StrList *p);
  virtual AST_UnionLabel *create_union_label(AST_UnionLabel::UnionLabel lk, AST_Expression *lv);
  virtual AST_Constant *create_constant(AST_Expression::ExprType et, AST_Expression *ev,
                                        UTL_IdList *n, UTL_StrList *p);
  virtual AST_Expression *create_expr(UTL_IdList *n);
  virtual AST_Expression *create_expr(AST_Expression *v, AST_Expression::ExprType t);
  virtual AST_Expression *create_expr(AST_Expression::ExprComb c, AST_Expression *v1,
                                      AST_Expression *v2);
  virtual AST_Expression *create_expr(long l);
  virtual AST_Expression *create_expr(long l, AST_Expression::ExprType t);
  virtual AST_Expression *create_expr(unsigned long l);
  virtual AST_Expression *create_expr(UTL_String *s);
  virtual AST_Expression *create_expr(char c);
  virtual AST_Expression *create_expr(double d);
  // A wide string literal's value (distinct from create_expr, whose null arguments would not
  // tell the two apart).
  virtual AST_Expression *create_wide_string_expr(UTL_String *ws);
  virtual AST_Expression *create_expr(AST_FixedValue *f);
  virtual AST_EnumVal *create_enum_val(unsigned long v, UTL_IdList *n, UTL_StrList *p);
  virtual AST_Array *create_array(UTL_IdList *n, unsigned long ndims, UTL_ExprList *dims);
  virtual AST_Sequence *create_sequence(AST_Expression *ms, AST_Type *bt);
  virtual AST_String *create_string(AST_Expression *ms);
  virtual AST_String *create_wstring(AST_Expression *ms);
  virtual AST_Typedef *create_typedef(AST_Type *bt, UTL_IdList *n, UTL_StrList *p);
  virtual AST_WideString *create_wide_string(AST_Expression *ms);
  virtual AST_ValueBox *create_value_box(AST_Type *bt, UTL_IdList *n, UTL_StrList *p);
  virtual AST_ValueType *create_value_type(UTL_IdList *n, AST_Interface **ih, long nih,
                                           UTL_StrList *p);
  virtual AST_ValueTypeFwd *create_value_type_fwd(UTL_IdList *n, UTL_StrList *p);
  virtual AST_StateMember *create_state_member(bool is_public, AST_Type *ft, UTL_IdList *n,
                                               UTL_StrList *p);
  virtual AST_Factory *create_factory(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Native *create_native(UTL_IdList *n, UTL_StrList *p);
  virtual AST_Fixed *create_fixed(unsigned long digits, unsigned long scale);
};

#endif
