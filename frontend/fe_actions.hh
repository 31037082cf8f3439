// The parse actions: what the grammar's rules do with the values they have read. They create
// nodes through the node factory, enter them into the innermost open scope (whose checks may
// refuse them), keep the scope stack, and report what only the parser can see.
#ifndef FRONTEND_FE_ACTIONS_HH
#define FRONTEND_FE_ACTIONS_HH

#include "frontend/ast_expression.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_operation.hh"
#include "frontend/fe_lexer.hh"
#include "frontend/fe_value_header.hh"
#include "frontend/utl_list.hh"

class AST_Decl;
class AST_UnionLabel;
class FE_Declarator;
class FE_InterfaceHeader;
class Identifier;
class UTL_DeclList;
class UTL_ExprList;
class UTL_IdList;
class UTL_LabelList;
class UTL_NameList;
class UTL_StrList;

// The type a constant is declared with: its expression type, and the type node where the
// constant's value or name needs it (an enumeration, a fixed-point type, a predefined or wide
// string type whose name is not the expression type's).
struct FE_ConstType : UTL_ArenaObject {
  FE_ConstType(AST_Expression::ExprType t, AST_Decl *d) : et(t), type(d) {}

  AST_Expression::ExprType et;
  AST_Decl *type;
};

// The exceptions an attribute declaration raises: with the read-only form raises(...), or
// getraises(...) and setraises(...); null lists for none.
struct FE_AttributeRaises : UTL_ArenaObject {
  FE_AttributeRaises(bool r, UTL_NameList *g, UTL_NameList *s) : raises_form(r), get(g), set(s) {}

  bool raises_form;
  UTL_NameList *get;
  UTL_NameList *set;
};

// Syntax errors: the parser signals a new error, the error rule reports it once.
void fe_syntax_error_signalled();
void fe_report_syntax_error();

// Lists are built newest first while their items are read, then put in order once.
template <class L> L *fe_reversed(L *list) {
  UTL_List *reversed = nullptr;
  for (UTL_List *cell = list, *next; cell != nullptr; cell = next) {
    next = cell->tail();
    cell->set_tail(reversed);
    reversed = cell;
  }
  return static_cast<L *>(reversed);
}

// Scoped names: ::id, and name::id.
UTL_IdList *fe_global_name(char *delimiter, Identifier *id);
UTL_IdList *fe_append_name(UTL_IdList *name, Identifier *id);

// Closes the scope on top of the stack; its declaration (null for none).
AST_Decl *fe_scope_end();

void fe_module_begin(char *name);
FE_InterfaceHeader *fe_interface_decl(AST_Interface::Kind kind, Identifier *id);
FE_InterfaceHeader *fe_interface_header(FE_InterfaceHeader *decl, UTL_NameList *inherits);
// Creates the interface (or completes the one a forward declaration made) and opens it.
void fe_interface_begin(FE_InterfaceHeader *header);
void fe_forward_interface(FE_InterfaceHeader *decl);
// Value types: a forward declaration, a box, or a value type whose body follows.
FE_ValueHeader *fe_value_head(FE_ValueHeader::Keyword keyword, Identifier *id);
FE_ValueHeader *fe_value_header(FE_ValueHeader *head, FE_ValueBases *bases,
                                UTL_NameList *supports);
void fe_value_forward(FE_ValueHeader *head);
void fe_value_box(FE_ValueHeader *head, AST_Decl *type);
void fe_value_begin(FE_ValueHeader *head);
// A factory, ended with fe_operation_end.
void fe_factory_begin(Identifier *id);
void fe_struct_begin(Identifier *id);
void fe_exception_begin(Identifier *id);
void fe_union_begin(Identifier *id, AST_Decl *discriminator);
void fe_enum_begin(Identifier *id);
void fe_enumerator(char *name);
void fe_operation_begin(AST_Operation::Flags flags, AST_Decl *return_type, char *name);
void fe_operation_end(UTL_NameList *raises, UTL_StrList *context);

void fe_constant(FE_ConstType *type, Identifier *id, AST_Expression *value);
void fe_typedef(AST_Decl *type, UTL_DeclList *declarators);
void fe_member(AST_Decl *type, UTL_DeclList *declarators);
// raises is null for none.
void fe_attribute(bool readonly, AST_Decl *type, UTL_DeclList *declarators,
                  FE_AttributeRaises *raises);
void fe_parameter(AST_Argument::Direction direction, AST_Decl *type, FE_Declarator *declarator);
void fe_state_member(bool is_public, AST_Decl *type, UTL_DeclList *declarators);

// Union members: the member a case declares, its labels, and the branches made from them.
AST_Field *fe_union_element(AST_Decl *type, FE_Declarator *declarator);
AST_UnionLabel *fe_default_label();
AST_UnionLabel *fe_value_label(AST_Expression *value);
void fe_case_branch(UTL_LabelList *labels, AST_Field *element);

// Types named in declarations.
AST_Decl *fe_primitive_type(AST_Expression::ExprType type);
AST_Decl *fe_type_of_name(UTL_IdList *name);
AST_Decl *fe_discriminator_of_name(UTL_IdList *name);
FE_ConstType *fe_const_type_of_name(UTL_IdList *name);
void fe_sequence_begin();
AST_Decl *fe_sequence(AST_Decl *element, AST_Expression *bound);
AST_Decl *fe_unbounded_sequence(AST_Decl *element);
AST_Decl *fe_string(AST_Expression *bound, long width);
AST_Decl *fe_unbounded_string(long width);
// The predefined type of the root named name (wchar, ValueBase).
AST_Decl *fe_root_type(const char *name);
AST_Decl *fe_wide_string(AST_Expression *bound);
AST_Decl *fe_unbounded_wide_string();
AST_Decl *fe_fixed(AST_Expression *digits, AST_Expression *scale);
void fe_native(Identifier *id);

// Declarators.
FE_Declarator *fe_simple_declarator(Identifier *id);
FE_Declarator *fe_complex_declarator(AST_Decl *array);
AST_Decl *fe_array(Identifier *id, UTL_ExprList *dimensions);
AST_Expression *fe_array_dim(AST_Expression *size);

// Expressions; null operands give null, and so do operator trees nested beyond the limit
// that keeps their evaluation shallow (reported once).
AST_Expression *fe_binary(AST_Expression::ExprComb comb, AST_Expression *a, AST_Expression *b);
AST_Expression *fe_unary(AST_Expression::ExprComb comb, AST_Expression *a);
AST_Expression *fe_symbol(UTL_IdList *name);
// Integer literals (each also keeps its value as written) and fixed-point literals.
AST_Expression *fe_integer_literal(long value);
AST_Expression *fe_wide_integer_literal(IDL_IntegerValue *value);
AST_Expression *fe_fixed_literal(AST_FixedValue *value);
// The text of a followed by that of b, as adjacent string literals are read.
UTL_String *fe_joined_strings(UTL_String *a, UTL_String *b);
// A bound or dimension: evaluated once, then converted to unsigned long.
AST_Expression *fe_positive_int(AST_Expression *e);

#endif
