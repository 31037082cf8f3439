// UTL_Error: the front end's error reporter. Every report writes one message, headed by the
// program name, file and line, to standard error and adds one to the global error count;
// nothing stops the parse.
#ifndef FRONTEND_UTL_ERROR_HH
#define FRONTEND_UTL_ERROR_HH

#include "frontend/ast_expression.hh"
#include "frontend/utl_global.hh"

class AST_Decl;
class AST_Interface;
class AST_Union;
class AST_UnionLabel;
class AST_Enum;
class UTL_IdList;
class UTL_String;

class UTL_Error {
public:
  enum ErrorCode {
    SYNTAX_ERROR,
    ILLEGAL_REDEFINITION,
    REDEFINITION_IN_SCOPE,
    REDEFINITION_AFTER_USE,
    DUPLICATE_BRANCH_LABEL,
    COERCION_FAILURE,
    FWD_SCOPE_MISMATCH,
    ONEWAY_OUT_ARGUMENT,
    ILLEGAL_DISCRIMINATOR,
    LABEL_TYPE_MISMATCH,
    ILLEGAL_ADD,
    ILLEGAL_TYPE_IN_EXPRESSION,
    RAISES_ERROR,
    CONTEXT_ERROR,
    CANNOT_INHERIT,
    LOOKUP_ERROR,
    INHERIT_FROM_FORWARD,
    CONSTANT_EXPECTED,
    NAME_CASE_ERROR,
    ENUMERATOR_EXPECTED,
    ENUMERATOR_NOT_FOUND,
    EVALUATION_ERROR,
    AMBIGUOUS_DEFINITION,
    FORWARD_NEVER_DEFINED,
    FORWARD_LOOKUP,
    RECURSIVE_TYPE,
    NONVOID_ONEWAY,
    NOT_A_TYPE,
    BACK_END_ERROR,
    ALL_IS_FINE,
    ILLEGAL_INHERITANCE,
    FORWARD_KIND_MISMATCH,
    LOCAL_TYPE_USE,
    STATE_IN_ABSTRACT_VALUE,
    FACTORY_OUT_ARGUMENT,
    ILLEGAL_BOXED_TYPE,
    FIXED_TYPE_RANGE
  };

  virtual ~UTL_Error() = default;

  void syntax_error(IDL_GlobalData::ParseState s);
  // A problem with the input that no parse state describes (an unterminated comment, input
  // nested beyond the parser's limits); reported at the current position like a syntax error.
  void input_error(const char *text);
  void error1(ErrorCode c, AST_Decl *d);
  void error2(ErrorCode c, AST_Decl *d1, AST_Decl *d2);
  void error3(ErrorCode c, AST_Decl *d1, AST_Decl *d2, AST_Decl *d3);
  void coercion_error(AST_Expression *e, AST_Expression::ExprType t);
  // The same, naming the type by its text.
  void coercion_error(AST_Expression *e, const char *type_text);
  void lookup_error(UTL_IdList *n);
  void inheritance_fwd_error(UTL_IdList *n, AST_Interface *f);
  void inheritance_error(UTL_IdList *n, AST_Decl *d);
  // The declaration named n may not inherit from (or support) base, whose kind does not allow
  // it; reported at the current position.
  void inheritance_kind_error(UTL_IdList *n, AST_Decl *base);
  void eval_error(AST_Expression *e);
  void constant_expected(UTL_IdList *n, AST_Decl *d);
  void enum_val_expected(AST_Union *u, AST_UnionLabel *l);
  void enum_val_lookup_failure(AST_Union *u, AST_Enum *e, UTL_IdList *n);
  void name_case_error(char *a, char *b);
  void fwd_decl_lookup(AST_Interface *i, UTL_IdList *n);
  void redefinition_in_scope(AST_Decl *d, AST_Decl *s);
  void not_a_type(AST_Decl *d);
  void fwd_decl_not_defined(AST_Interface *i);
  // A fixed-point type whose digits or scale are out of range, reported with its dump at the
  // current position.
  void fixed_type_error(AST_Decl *fixed);

  // The message of a parse state; "Some syntax error" for a value outside the table.
  static const char *parse_state_message(long s);
};

#endif
