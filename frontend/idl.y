/* The IDL grammar. Each rule sets the parse state that syntax errors are reported with and
   hands its values to a parse action in fe_actions.cc, which builds the tree. */

%code requires {
#include "frontend/ast_expression.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_operation.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/fe_actions.hh"
#include "frontend/fe_declarator.hh"
#include "frontend/fe_interface_header.hh"
#include "frontend/fe_lexer.hh"
#include "frontend/fe_value_header.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_lists.hh"

// The value stack holds only pointers and scalars, so it may be moved when it grows.
#define YYSTYPE_IS_TRIVIAL 1
}

%code {
#include "frontend/ast_generator.hh"
#include "frontend/fe_repository_identity.hh"
#include "frontend/utl_global.hh"

// The stacks start with room for 150 entries and may grow to YYMAXDEPTH; the bound keeps the
// tree shallow enough for the recursive walks over it.
#define YYINITDEPTH 150
#define YYMAXDEPTH 10000

using G = IDL_GlobalData;
using E = AST_Expression;

static void set_state(IDL_GlobalData::ParseState s) { idl_global->set_parse_state(s); }

// The parser's own error report only notes that an error was signalled; the error rules print
// the message of the parse state once per recovery.
static void yyerror(const char *) { fe_syntax_error_signalled(); }
}

%union {
  char *strval;
  long ival;
  double dval;
  char cval;
  UTL_String *sval;
  Identifier *idval;
  UTL_IdList *idlist;
  UTL_NameList *nlval;
  UTL_StrList *slval;
  FE_InterfaceHeader *ihval;
  AST_Expression *exval;
  AST_Expression::ExprType etval;
  AST_Decl *dcval;
  FE_Declarator *deval;
  UTL_DeclList *dlval;
  UTL_ExprList *elval;
  AST_UnionLabel *ulval;
  UTL_LabelList *llval;
  AST_Field *ffval;
  bool bval;
  AST_Operation::Flags ofval;
  AST_Argument::Direction dival;
  AST_Interface::Kind ikval;
  FE_ValueHeader *vhval;
  FE_ValueHeader::Keyword vkval;
  FE_ValueBases *vbval;
  IDL_IntegerValue *wival;
  AST_FixedValue *fxval;
  FE_ConstType *ctval;
  FE_AttributeRaises *arval;
}

%token <strval> IDENTIFIER SCOPE_DELIMITOR
%token CONST MODULE INTERFACE TYPEDEF LONG SHORT UNSIGNED DOUBLE FLOAT CHAR WCHAR OCTET BOOLEAN
%token STRUCT UNION SWITCH ENUM SEQUENCE STRING WSTRING EXCEPTION CASE DEFAULT READONLY
%token ATTRIBUTE ONEWAY IDEMPOTENT VOID IN OUT INOUT RAISES CONTEXT ANY
%token WIDE_CHAR WIDE_STRING ABSTRACT LOCAL VALUETYPE CUSTOM TRUNCATABLE SUPPORTS PUBLIC PRIVATE
%token FACTORY NATIVE FIXED VALUEBASE GETRAISES SETRAISES TYPEID TYPEPREFIX IMPORT
%token <ival> INTEGER_LITERAL WIDE_CHARACTER_LITERAL
%token <wival> WIDE_INTEGER_LITERAL
%token <fxval> FIXED_PT_LITERAL
%token <sval> STRING_LITERAL WIDE_STRING_LITERAL
%token <cval> CHARACTER_LITERAL
%token <dval> FLOATING_PT_LITERAL
%token TRUETOK FALSETOK LEFT_SHIFT RIGHT_SHIFT

%type <idval> id
%type <idlist> scoped_name
%type <nlval> at_least_one_scoped_name scoped_names inheritance_spec opt_raises
%type <ihval> interface_decl interface_header
%type <ikval> interface_keyword
%type <vhval> value_head value_header
%type <vkval> value_keyword
%type <vbval> value_bases
%type <nlval> value_supports opt_setraises exception_list
%type <arval> attribute_raises
%type <bval> opt_truncatable state_visibility
%type <ctval> const_type
%type <etval> integer_type signed_int unsigned_int floating_pt_type char_type
%type <etval> octet_type boolean_type any_type base_type_spec
%type <exval> expression const_expr or_expr xor_expr and_expr shift_expr add_expr mult_expr
%type <exval> unary_expr primary_expr literal positive_int_expr array_dim
%type <dcval> type_spec simple_type_spec template_type_spec constructed_type_spec
%type <dcval> switch_type_spec op_type_spec struct_type union_type enum_type
%type <dcval> sequence_type_spec seq_head string_type_spec wstring_type_spec array_declarator
%type <dcval> wide_char_type wide_string_type_spec fixed_pt_type
%type <deval> declarator simple_declarator complex_declarator
%type <dlval> at_least_one_declarator declarators
%type <elval> at_least_one_array_dim array_dims
%type <ulval> case_label
%type <llval> at_least_one_case_label case_labels
%type <ffval> element_spec
%type <bval> opt_readonly
%type <ofval> opt_op_attribute
%type <dival> direction
%type <sval> string_literal wide_string_literal
%type <slval> opt_context at_least_one_string_literal string_literals

%start start

%%

start : definitions ;

definitions
        : definitions definition
        | %empty
        ;

definition
        : type_dcl { set_state(G::PS_TypeDeclSeen); } ';' { set_state(G::PS_NoState); }
        | const_dcl { set_state(G::PS_ConstDeclSeen); } ';' { set_state(G::PS_NoState); }
        | exception { set_state(G::PS_ExceptDeclSeen); } ';' { set_state(G::PS_NoState); }
        | interface_def { set_state(G::PS_InterfaceDeclSeen); } ';' { set_state(G::PS_NoState); }
        | module { set_state(G::PS_ModuleDeclSeen); } ';' { set_state(G::PS_NoState); }
        | value_def { set_state(G::PS_ValueDeclSeen); } ';' { set_state(G::PS_NoState); }
        | type_id_dcl { set_state(G::PS_TypeIdDeclSeen); } ';' { set_state(G::PS_NoState); }
        | type_prefix_dcl { set_state(G::PS_TypePrefixDeclSeen); } ';' { set_state(G::PS_NoState); }
        | import_dcl { set_state(G::PS_ImportDeclSeen); } ';' { set_state(G::PS_NoState); }
        | error { fe_report_syntax_error(); } ';' { set_state(G::PS_NoState); yyerrok; }
        ;

module
        : MODULE { set_state(G::PS_ModuleSeen); }
          IDENTIFIER { set_state(G::PS_ModuleIDSeen); fe_module_begin($3); }
          '{' { set_state(G::PS_ModuleSqSeen); }
          definitions { set_state(G::PS_ModuleBodySeen); }
          '}' { set_state(G::PS_ModuleQsSeen); fe_scope_end(); }
        ;

interface_def
        : interface
        | forward
        ;

interface
        : interface_header { fe_interface_begin($1); }
          '{' { set_state(G::PS_InterfaceSqSeen); }
          exports { set_state(G::PS_InterfaceBodySeen); }
          '}' { set_state(G::PS_InterfaceQsSeen); fe_scope_end(); }
        ;

interface_decl
        : interface_keyword { set_state(G::PS_InterfaceSeen); }
          id { set_state(G::PS_InterfaceIDSeen); $$ = fe_interface_decl($1, $3); }
        ;

interface_keyword
        : INTERFACE { $$ = AST_Interface::KIND_PLAIN; }
        | ABSTRACT INTERFACE { $$ = AST_Interface::KIND_ABSTRACT; }
        | LOCAL INTERFACE { $$ = AST_Interface::KIND_LOCAL; }
        ;

interface_header
        : interface_decl inheritance_spec
          { set_state(G::PS_InheritSpecSeen); $$ = fe_interface_header($1, $2); }
        ;

inheritance_spec
        : ':' { set_state(G::PS_InheritColonSeen); } at_least_one_scoped_name { $$ = $3; }
        | %empty { $$ = nullptr; }
        ;

exports
        : exports export
        | %empty
        ;

export
        : type_dcl { set_state(G::PS_TypeDeclSeen); } ';' { set_state(G::PS_NoState); }
        | const_dcl { set_state(G::PS_ConstDeclSeen); } ';' { set_state(G::PS_NoState); }
        | exception { set_state(G::PS_ExceptDeclSeen); } ';' { set_state(G::PS_NoState); }
        | attribute { set_state(G::PS_AttrDeclSeen); } ';' { set_state(G::PS_NoState); }
        | operation { set_state(G::PS_OpDeclSeen); } ';' { set_state(G::PS_NoState); }
        | type_id_dcl { set_state(G::PS_TypeIdDeclSeen); } ';' { set_state(G::PS_NoState); }
        | type_prefix_dcl { set_state(G::PS_TypePrefixDeclSeen); } ';' { set_state(G::PS_NoState); }
        | error { fe_report_syntax_error(); } ';' { set_state(G::PS_NoState); yyerrok; }
        ;

at_least_one_scoped_name
        : scoped_name scoped_names { $$ = new UTL_NameList($1, fe_reversed($2)); }
        ;

scoped_names
        : scoped_names ',' { set_state(G::PS_SNListCommaSeen); }
          scoped_name { set_state(G::PS_ScopedNameSeen); $$ = new UTL_NameList($4, $1); }
        | %empty { $$ = nullptr; }
        ;

scoped_name
        : id { set_state(G::PS_SN_IDSeen); $$ = new UTL_IdList($1, nullptr); }
        | SCOPE_DELIMITOR { set_state(G::PS_ScopeDelimSeen); }
          id { set_state(G::PS_SN_IDSeen); $$ = fe_global_name($1, $3); }
        | scoped_name SCOPE_DELIMITOR { set_state(G::PS_ScopeDelimSeen); }
          id { set_state(G::PS_SN_IDSeen); $$ = fe_append_name($1, $4); }
        ;

id : IDENTIFIER { $$ = new Identifier($1); } ;

forward
        : interface_decl { set_state(G::PS_ForwardDeclSeen); fe_forward_interface($1); }
        ;

type_id_dcl
        : TYPEID { set_state(G::PS_TypeIdSeen); }
          scoped_name { set_state(G::PS_TypeIdNameSeen); }
          STRING_LITERAL { fe_type_id($3, $5); }
        ;

type_prefix_dcl
        : TYPEPREFIX { set_state(G::PS_TypePrefixSeen); }
          scoped_name { set_state(G::PS_TypePrefixNameSeen); }
          STRING_LITERAL { fe_type_prefix($3, $5); }
        ;

import_dcl : IMPORT { set_state(G::PS_ImportSeen); } imported_scope ;

imported_scope
        : scoped_name { fe_import($1); }
        | STRING_LITERAL
        ;

value_def
        : value_head { fe_value_forward($1); }
        | value_head type_spec { set_state(G::PS_ValueBoxTypeSeen); fe_value_box($1, $2); }
        | value_header { fe_value_begin($1); }
          '{' { set_state(G::PS_ValueSqSeen); }
          value_elements { set_state(G::PS_ValueBodySeen); }
          '}' { set_state(G::PS_ValueQsSeen); fe_scope_end(); }
        ;

value_head
        : value_keyword { set_state(G::PS_ValueTypeSeen); }
          id { set_state(G::PS_ValueTypeIDSeen); $$ = fe_value_head($1, $3); }
        ;

value_keyword
        : VALUETYPE { $$ = FE_ValueHeader::KEYWORD_NONE; }
        | ABSTRACT VALUETYPE { $$ = FE_ValueHeader::KEYWORD_ABSTRACT; }
        | CUSTOM VALUETYPE { $$ = FE_ValueHeader::KEYWORD_CUSTOM; }
        ;

value_header
        : value_head value_bases value_supports
          { set_state(G::PS_ValueInheritSpecSeen); $$ = fe_value_header($1, $2, $3); }
        ;

value_bases
        : ':' { set_state(G::PS_ValueInheritColonSeen); }
          opt_truncatable at_least_one_scoped_name { $$ = new FE_ValueBases($3, $4); }
        | %empty { $$ = nullptr; }
        ;

opt_truncatable
        : TRUNCATABLE { $$ = true; }
        | %empty { $$ = false; }
        ;

value_supports
        : SUPPORTS { set_state(G::PS_SupportsSeen); } at_least_one_scoped_name { $$ = $3; }
        | %empty { $$ = nullptr; }
        ;

value_elements
        : value_elements value_element
        | %empty
        ;

value_element
        : export
        | state_member { set_state(G::PS_StateMemberSeen); } ';' { set_state(G::PS_NoState); }
        | factory { set_state(G::PS_FactoryDeclSeen); } ';' { set_state(G::PS_NoState); }
        ;

state_member
        : state_visibility type_spec { set_state(G::PS_StateMemberTypeSeen); }
          at_least_one_declarator { fe_state_member($1, $2, $4); }
        ;

state_visibility
        : PUBLIC { $$ = true; }
        | PRIVATE { $$ = false; }
        ;

factory
        : FACTORY { set_state(G::PS_FactorySeen); }
          id { set_state(G::PS_FactoryIDSeen); fe_factory_begin($3); }
          parameter_list { set_state(G::PS_OpParsCompleted); }
          opt_raises { fe_operation_end($7, nullptr); }
        ;

const_dcl
        : CONST { set_state(G::PS_ConstSeen); }
          const_type { set_state(G::PS_ConstTypeSeen); }
          id { set_state(G::PS_ConstIDSeen); }
          '=' { set_state(G::PS_ConstAssignSeen); }
          expression { set_state(G::PS_ConstExprSeen); fe_constant($3, $5, $9); }
        ;

const_type
        : integer_type { $$ = new FE_ConstType($1, nullptr); }
        | char_type { $$ = new FE_ConstType($1, nullptr); }
        | octet_type { $$ = new FE_ConstType($1, nullptr); }
        | boolean_type { $$ = new FE_ConstType($1, nullptr); }
        | floating_pt_type { $$ = new FE_ConstType($1, nullptr); }
        | string_type_spec { $$ = new FE_ConstType(E::EXPR_STRING, nullptr); }
        | wstring_type_spec { $$ = new FE_ConstType(E::EXPR_WSTRING, nullptr); }
        | WIDE_CHAR { $$ = new FE_ConstType(E::EXPR_WCHAR, fe_root_type("wchar")); }
        | wide_string_type_spec { $$ = new FE_ConstType(E::EXPR_WSTRING, $1); }
        | FIXED { $$ = new FE_ConstType(E::EXPR_FIXED, nullptr); }
        | scoped_name { $$ = fe_const_type_of_name($1); }
        ;

expression : const_expr ;

const_expr : or_expr ;

or_expr
        : xor_expr
        | or_expr '|' xor_expr { $$ = fe_binary(E::COMB_OR, $1, $3); }
        ;

xor_expr
        : and_expr
        | xor_expr '^' and_expr { $$ = fe_binary(E::COMB_XOR, $1, $3); }
        ;

and_expr
        : shift_expr
        | and_expr '&' shift_expr { $$ = fe_binary(E::COMB_AND, $1, $3); }
        ;

shift_expr
        : add_expr
        | shift_expr LEFT_SHIFT add_expr { $$ = fe_binary(E::COMB_LEFT, $1, $3); }
        | shift_expr RIGHT_SHIFT add_expr { $$ = fe_binary(E::COMB_RIGHT, $1, $3); }
        ;

add_expr
        : mult_expr
        | add_expr '+' mult_expr { $$ = fe_binary(E::COMB_ADD, $1, $3); }
        | add_expr '-' mult_expr { $$ = fe_binary(E::COMB_MINUS, $1, $3); }
        ;

mult_expr
        : unary_expr
        | mult_expr '*' unary_expr { $$ = fe_binary(E::COMB_MUL, $1, $3); }
        | mult_expr '/' unary_expr { $$ = fe_binary(E::COMB_DIV, $1, $3); }
        | mult_expr '%' unary_expr { $$ = fe_binary(E::COMB_MOD, $1, $3); }
        ;

unary_expr
        : primary_expr
        | '+' primary_expr { $$ = fe_unary(E::COMB_UPLUS, $2); }
        | '-' primary_expr { $$ = fe_unary(E::COMB_UMINUS, $2); }
        | '~' primary_expr { $$ = fe_unary(E::COMB_BITNEG, $2); }
        ;

primary_expr
        : scoped_name { $$ = fe_symbol($1); }
        | literal
        | '(' const_expr ')' { $$ = $2; }
        ;

literal
        : INTEGER_LITERAL { $$ = fe_integer_literal($1); }
        | WIDE_INTEGER_LITERAL { $$ = fe_wide_integer_literal($1); }
        | string_literal { $$ = idl_global->gen()->create_expr($1); }
        | wide_string_literal { $$ = idl_global->gen()->create_wide_string_expr($1); }
        | CHARACTER_LITERAL { $$ = idl_global->gen()->create_expr($1); }
        | WIDE_CHARACTER_LITERAL { $$ = idl_global->gen()->create_expr($1, E::EXPR_WCHAR); }
        | FLOATING_PT_LITERAL { $$ = idl_global->gen()->create_expr($1); }
        | FIXED_PT_LITERAL { $$ = fe_fixed_literal($1); }
        | TRUETOK { $$ = idl_global->gen()->create_expr(1L, E::EXPR_BOOL); }
        | FALSETOK { $$ = idl_global->gen()->create_expr(0L, E::EXPR_BOOL); }
        ;

/* Adjacent string literals make one string. */
string_literal
        : STRING_LITERAL
        | string_literal STRING_LITERAL { $$ = fe_joined_strings($1, $2); }
        ;

wide_string_literal
        : WIDE_STRING_LITERAL
        | wide_string_literal WIDE_STRING_LITERAL { $$ = fe_joined_strings($1, $2); }
        ;

positive_int_expr : const_expr { $$ = fe_positive_int($1); } ;

type_dcl
        : TYPEDEF { set_state(G::PS_TypedefSeen); } type_declarator
        | struct_type
        | union_type
        | enum_type
        | NATIVE { set_state(G::PS_NativeSeen); } id { fe_native($3); }
        ;

type_declarator
        : type_spec { set_state(G::PS_TypeSpecSeen); }
          at_least_one_declarator { set_state(G::PS_DeclaratorsSeen); fe_typedef($1, $3); }
        ;

type_spec
        : simple_type_spec
        | constructed_type_spec
        ;

simple_type_spec
        : base_type_spec { $$ = fe_primitive_type($1); }
        | wide_char_type
        | VALUEBASE { $$ = fe_root_type("ValueBase"); }
        | template_type_spec
        | scoped_name { $$ = fe_type_of_name($1); }
        ;

base_type_spec
        : integer_type
        | floating_pt_type
        | char_type
        | boolean_type
        | octet_type
        | any_type
        ;

template_type_spec
        : sequence_type_spec
        | string_type_spec
        | wstring_type_spec
        | wide_string_type_spec
        | fixed_pt_type
        ;

constructed_type_spec
        : struct_type
        | union_type
        | enum_type
        ;

at_least_one_declarator
        : declarator declarators { $$ = new UTL_DeclList($1, fe_reversed($2)); }
        ;

declarators
        : declarators ',' { set_state(G::PS_DeclsCommaSeen); }
          declarator { set_state(G::PS_DeclsDeclSeen); $$ = new UTL_DeclList($4, $1); }
        | %empty { $$ = nullptr; }
        ;

declarator
        : simple_declarator
        | complex_declarator
        ;

simple_declarator : id { $$ = fe_simple_declarator($1); } ;

complex_declarator : array_declarator { $$ = fe_complex_declarator($1); } ;

integer_type
        : signed_int
        | unsigned_int
        ;

signed_int
        : LONG { $$ = E::EXPR_LONG; }
        | LONG LONG { $$ = E::EXPR_LONGLONG; }
        | SHORT { $$ = E::EXPR_SHORT; }
        ;

unsigned_int
        : UNSIGNED LONG { $$ = E::EXPR_ULONG; }
        | UNSIGNED LONG LONG { $$ = E::EXPR_ULONGLONG; }
        | UNSIGNED SHORT { $$ = E::EXPR_USHORT; }
        ;

floating_pt_type
        : DOUBLE { $$ = E::EXPR_DOUBLE; }
        | FLOAT { $$ = E::EXPR_FLOAT; }
        | LONG DOUBLE { $$ = E::EXPR_LONGDOUBLE; }
        ;

char_type
        : CHAR { $$ = E::EXPR_CHAR; }
        | WCHAR { $$ = E::EXPR_WCHAR; }
        ;

wide_char_type : WIDE_CHAR { $$ = fe_root_type("wchar"); } ;

fixed_pt_type
        : FIXED { set_state(G::PS_FixedSeen); }
          '<' { set_state(G::PS_FixedSqSeen); }
          positive_int_expr { set_state(G::PS_FixedDigitsSeen); }
          ',' { set_state(G::PS_FixedCommaSeen); }
          positive_int_expr { set_state(G::PS_FixedScaleSeen); }
          '>' { set_state(G::PS_FixedQsSeen); $$ = fe_fixed($5, $9); }
        ;

octet_type : OCTET { $$ = E::EXPR_OCTET; } ;

boolean_type : BOOLEAN { $$ = E::EXPR_BOOL; } ;

any_type : ANY { $$ = E::EXPR_ANY; } ;

struct_type
        : STRUCT { set_state(G::PS_StructSeen); }
          id { set_state(G::PS_StructIDSeen); fe_struct_begin($3); }
          '{' { set_state(G::PS_StructSqSeen); }
          at_least_one_member { set_state(G::PS_StructBodySeen); }
          '}' { set_state(G::PS_StructQsSeen); $$ = fe_scope_end(); }
        ;

at_least_one_member : member members ;

members
        : members member
        | %empty
        ;

member
        : type_spec { set_state(G::PS_MemberTypeSeen); }
          at_least_one_declarator { set_state(G::PS_MemberDeclsSeen); }
          ';' { set_state(G::PS_MemberDeclsCompleted); fe_member($1, $3); }
        | error { fe_report_syntax_error(); } ';' { set_state(G::PS_NoState); yyerrok; }
        ;

union_type
        : UNION { set_state(G::PS_UnionSeen); }
          id { set_state(G::PS_UnionIDSeen); }
          SWITCH { set_state(G::PS_SwitchSeen); }
          '(' { set_state(G::PS_SwitchOpenParSeen); }
          switch_type_spec { set_state(G::PS_SwitchTypeSeen); }
          ')' { set_state(G::PS_SwitchCloseParSeen); fe_union_begin($3, $9); }
          '{' { set_state(G::PS_UnionSqSeen); }
          at_least_one_case_branch { set_state(G::PS_UnionBodySeen); }
          '}' { set_state(G::PS_UnionQsSeen); $$ = fe_scope_end(); }
        ;

switch_type_spec
        : integer_type { $$ = fe_primitive_type($1); }
        | char_type { $$ = fe_primitive_type($1); }
        | octet_type { $$ = fe_primitive_type($1); }
        | boolean_type { $$ = fe_primitive_type($1); }
        | wide_char_type
        | enum_type
        | scoped_name { $$ = fe_discriminator_of_name($1); }
        ;

at_least_one_case_branch : case_branch case_branches ;

case_branches
        : case_branches case_branch
        | %empty
        ;

case_branch
        : at_least_one_case_label { set_state(G::PS_UnionLabelSeen); }
          element_spec { set_state(G::PS_UnionElemSeen); }
          ';' { set_state(G::PS_UnionElemCompleted); fe_case_branch($1, $3); }
        | error { fe_report_syntax_error(); } ';' { set_state(G::PS_NoState); yyerrok; }
        ;

at_least_one_case_label
        : case_label case_labels { $$ = new UTL_LabelList($1, fe_reversed($2)); }
        ;

case_labels
        : case_labels case_label { $$ = new UTL_LabelList($2, $1); }
        | %empty { $$ = nullptr; }
        ;

case_label
        : DEFAULT { set_state(G::PS_DefaultSeen); }
          ':' { set_state(G::PS_LabelColonSeen); $$ = fe_default_label(); }
        | CASE { set_state(G::PS_CaseSeen); }
          const_expr { set_state(G::PS_LabelExprSeen); }
          ':' { set_state(G::PS_LabelColonSeen); $$ = fe_value_label($3); }
        ;

element_spec
        : type_spec { set_state(G::PS_UnionElemTypeSeen); }
          declarator { set_state(G::PS_UnionElemDeclSeen); $$ = fe_union_element($1, $3); }
        ;

enum_type
        : ENUM { set_state(G::PS_EnumSeen); }
          id { set_state(G::PS_EnumIDSeen); fe_enum_begin($3); }
          '{' { set_state(G::PS_EnumSqSeen); }
          at_least_one_enumerator { set_state(G::PS_EnumBodySeen); }
          '}' { set_state(G::PS_EnumQsSeen); $$ = fe_scope_end(); }
        ;

at_least_one_enumerator : enumerator enumerators ;

enumerators
        : enumerators ',' { set_state(G::PS_EnumCommaSeen); } enumerator
        | %empty
        ;

enumerator : IDENTIFIER { fe_enumerator($1); } ;

sequence_type_spec
        : seq_head ',' { set_state(G::PS_SequenceCommaSeen); }
          positive_int_expr { set_state(G::PS_SequenceExprSeen); }
          '>' { set_state(G::PS_SequenceQsSeen); $$ = fe_sequence($1, $4); }
        | seq_head '>' { set_state(G::PS_SequenceQsSeen); $$ = fe_unbounded_sequence($1); }
        ;

seq_head
        : SEQUENCE { set_state(G::PS_SequenceSeen); fe_sequence_begin(); }
          '<' { set_state(G::PS_SequenceSqSeen); }
          simple_type_spec { set_state(G::PS_SequenceTypeSeen); $$ = $5; }
        ;

string_type_spec
        : string_head '<' { set_state(G::PS_StringSqSeen); }
          positive_int_expr { set_state(G::PS_StringExprSeen); }
          '>' { set_state(G::PS_StringQsSeen); $$ = fe_string($4, 1); }
        | string_head { set_state(G::PS_StringCompleted); $$ = fe_unbounded_string(1); }
        ;

string_head : STRING { set_state(G::PS_StringSeen); } ;

wstring_type_spec
        : wstring_head '<' { set_state(G::PS_StringSqSeen); }
          positive_int_expr { set_state(G::PS_StringExprSeen); }
          '>' { set_state(G::PS_StringQsSeen); $$ = fe_string($4, 4); }
        | wstring_head { set_state(G::PS_StringCompleted); $$ = fe_unbounded_string(4); }
        ;

wstring_head : WSTRING { set_state(G::PS_StringSeen); } ;

wide_string_type_spec
        : wide_string_head '<' { set_state(G::PS_StringSqSeen); }
          positive_int_expr { set_state(G::PS_StringExprSeen); }
          '>' { set_state(G::PS_StringQsSeen); $$ = fe_wide_string($4); }
        | wide_string_head { set_state(G::PS_StringCompleted); $$ = fe_unbounded_wide_string(); }
        ;

wide_string_head : WIDE_STRING { set_state(G::PS_StringSeen); } ;

array_declarator
        : id { set_state(G::PS_ArrayIDSeen); }
          at_least_one_array_dim { set_state(G::PS_ArrayCompleted); $$ = fe_array($1, $3); }
        ;

at_least_one_array_dim
        : array_dim array_dims { $$ = new UTL_ExprList($1, fe_reversed($2)); }
        ;

array_dims
        : array_dims array_dim { $$ = new UTL_ExprList($2, $1); }
        | %empty { $$ = nullptr; }
        ;

array_dim
        : '[' { set_state(G::PS_DimSqSeen); }
          positive_int_expr { set_state(G::PS_DimExprSeen); }
          ']' { set_state(G::PS_DimQsSeen); $$ = fe_array_dim($3); }
        ;

attribute
        : opt_readonly ATTRIBUTE { set_state(G::PS_AttrSeen); }
          simple_type_spec { set_state(G::PS_AttrTypeSeen); }
          at_least_one_declarator { set_state(G::PS_AttrCompleted); }
          attribute_raises { fe_attribute($1, $4, $6, $8); }
        ;

attribute_raises
        : %empty { $$ = nullptr; }
        | RAISES { set_state(G::PS_AttrRaisesSeen); }
          exception_list { $$ = new FE_AttributeRaises(true, $3, nullptr); }
        | GETRAISES { set_state(G::PS_AttrRaisesSeen); }
          exception_list opt_setraises { $$ = new FE_AttributeRaises(false, $3, $4); }
        | SETRAISES { set_state(G::PS_AttrRaisesSeen); }
          exception_list { $$ = new FE_AttributeRaises(false, nullptr, $3); }
        ;

opt_setraises
        : SETRAISES { set_state(G::PS_AttrRaisesSeen); } exception_list { $$ = $3; }
        | %empty { $$ = nullptr; }
        ;

exception_list
        : '(' { set_state(G::PS_AttrRaisesSqSeen); }
          at_least_one_scoped_name
          ')' { set_state(G::PS_AttrRaisesQsSeen); $$ = $3; }
        ;

opt_readonly
        : READONLY { set_state(G::PS_AttrROSeen); $$ = true; }
        | %empty { $$ = false; }
        ;

exception
        : EXCEPTION { set_state(G::PS_ExceptSeen); }
          id { set_state(G::PS_ExceptIDSeen); fe_exception_begin($3); }
          '{' { set_state(G::PS_ExceptSqSeen); }
          members { set_state(G::PS_ExceptBodySeen); }
          '}' { set_state(G::PS_ExceptQsSeen); fe_scope_end(); }
        ;

operation
        : opt_op_attribute op_type_spec { set_state(G::PS_OpTypeSeen); }
          IDENTIFIER { set_state(G::PS_OpIDSeen); fe_operation_begin($1, $2, $4); }
          parameter_list { set_state(G::PS_OpParsCompleted); }
          opt_raises { set_state(G::PS_OpRaiseCompleted); }
          opt_context { set_state(G::PS_OpCompleted); fe_operation_end($8, $10); }
        ;

opt_op_attribute
        : ONEWAY { set_state(G::PS_OpAttrSeen); $$ = AST_Operation::OPFLAG_ONEWAY; }
        | IDEMPOTENT { set_state(G::PS_OpAttrSeen); $$ = AST_Operation::OPFLAG_IDEMPOTENT; }
        | %empty { $$ = AST_Operation::OPFLAG_NONE; }
        ;

op_type_spec
        : simple_type_spec
        | VOID { $$ = fe_primitive_type(E::EXPR_VOID); }
        ;

parameter_list
        : parameter_list_opener ')' { set_state(G::PS_OpQsSeen); }
        | parameter_list_opener at_least_one_parameter ')' { set_state(G::PS_OpQsSeen); }
        ;

parameter_list_opener : '(' { set_state(G::PS_OpSqSeen); } ;

at_least_one_parameter : parameter parameters ;

parameters
        : parameters ',' { set_state(G::PS_OpParCommaSeen); } parameter
        | %empty
        ;

parameter
        : direction { set_state(G::PS_OpParDirSeen); }
          simple_type_spec { set_state(G::PS_OpParTypeSeen); }
          declarator { set_state(G::PS_OpParDeclSeen); fe_parameter($1, $3, $5); }
        ;

direction
        : IN { $$ = AST_Argument::ARG_IN; }
        | OUT { $$ = AST_Argument::ARG_OUT; }
        | INOUT { $$ = AST_Argument::ARG_INOUT; }
        ;

opt_raises
        : RAISES { set_state(G::PS_OpRaiseSeen); }
          '(' { set_state(G::PS_OpRaiseSqSeen); }
          at_least_one_scoped_name
          ')' { set_state(G::PS_OpRaiseQsSeen); $$ = $5; }
        | %empty { $$ = nullptr; }
        ;

opt_context
        : CONTEXT { set_state(G::PS_OpContextSeen); }
          '(' { set_state(G::PS_OpContextSqSeen); }
          at_least_one_string_literal
          ')' { set_state(G::PS_OpContextQsSeen); $$ = $5; }
        | %empty { $$ = nullptr; }
        ;

at_least_one_string_literal
        : STRING_LITERAL string_literals { $$ = new UTL_StrList($1, fe_reversed($2)); }
        ;

string_literals
        : string_literals ',' { set_state(G::PS_OpContextCommaSeen); }
          STRING_LITERAL { $$ = new UTL_StrList($4, $1); }
        | %empty { $$ = nullptr; }
        ;

%%
