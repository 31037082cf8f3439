// UTL_Error: message headers, the texts of the error kinds and of the parse states, and the
// report operations.
#include "frontend/utl_error.hh"

#include <iostream>

#include "frontend/ast_decl.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_string.hh"

// Text written after the header, by error kind.
static const char *const error_texts[] = {
    "",                                                          // SYNTAX_ERROR
    "illegal redefinition ",                                     // ILLEGAL_REDEFINITION
    "redefinition inside defining scope: ",                      // REDEFINITION_IN_SCOPE
    "redefinition after use, ",                                  // REDEFINITION_AFTER_USE
    "union with duplicate branch label ",                        // DUPLICATE_BRANCH_LABEL
    "coercion failure ",                                         // COERCION_FAILURE
    "definition scope is different than fwd declare scope, ",    // FWD_SCOPE_MISMATCH
    "oneway operation with OUT or INOUT parameters, ",           // ONEWAY_OUT_ARGUMENT
    "union with illegal discriminator type, ",                   // ILLEGAL_DISCRIMINATOR
    "label type incompatible with union discriminator type, ",   // LABEL_TYPE_MISMATCH
    "illegal add operation, ",                                   // ILLEGAL_ADD
    "illegal type used in expression, ",                         // ILLEGAL_TYPE_IN_EXPRESSION
    "error in raises(..) clause, ",                              // RAISES_ERROR
    "error in context(..) clause, ",                             // CONTEXT_ERROR
    "cannot inherit from ",                                      // CANNOT_INHERIT
    "error in lookup of symbol: ",                               // LOOKUP_ERROR
    "",                                                          // INHERIT_FROM_FORWARD
    "constant expected: ",                                       // CONSTANT_EXPECTED
    "identifier used with two differing spellings: ",            // NAME_CASE_ERROR
    "enumerator expected: ",                                     // ENUMERATOR_EXPECTED
    "enumerator by this name not defined: ",                     // ENUMERATOR_NOT_FOUND
    "expression evaluation error: ",                             // EVALUATION_ERROR
    "ambiguous definition: ",                                    // AMBIGUOUS_DEFINITION
    "forward declared but never defined: ",                      // FORWARD_NEVER_DEFINED
    "",                                                          // FORWARD_LOOKUP
    "illegal recursive use of type: ",                           // RECURSIVE_TYPE
    "non-void return type in oneway operation: ",                // NONVOID_ONEWAY
    "specified symbol is not a type: ",                          // NOT_A_TYPE
    "back end: ",                                                // BACK_END_ERROR
    "all is fine ",                                              // ALL_IS_FINE
    "illegal inheritance, ",                                     // ILLEGAL_INHERITANCE
    "declaration differs from its forward declaration, ",        // FORWARD_KIND_MISMATCH
    "local type used outside a local interface, ",               // LOCAL_TYPE_USE
    "state member or factory in abstract valuetype, ",           // STATE_IN_ABSTRACT_VALUE
    "factory with OUT or INOUT parameters, ",                    // FACTORY_OUT_ARGUMENT
    "value type in a value box, ",                               // ILLEGAL_BOXED_TYPE
    "fixed-point type out of range: ",                           // FIXED_TYPE_RANGE
};

// Syntax-error message, by parse state.
static const char *const parse_state_messages[] = {
    "Statement can not be parsed",
    "Malformed typedef declaration",
    "Malformed const declaration",
    "Malformed exception declaration",
    "Malformed interface declaration",
    "Malformed module declaration",
    "Malformed attribute declaration",
    "Malformed operation declaration",
    "Missing module identifier following MODULE keyword",
    "Missing '{' or illegal syntax following module identifier",
    "Illegal syntax following module '{' opener",
    "Illegal syntax following module '}' closer",
    "Illegal syntax following module body statement(s)",
    "Missing interface identifier following INTERFACE keyword",
    "Illegal syntax following interface identifier",
    "Missing '{' or illegal syntax following inheritance spec",
    "Missing ';' following forward interface declaration",
    "Illegal syntax following interface '{' opener",
    "Illegal syntax following interface '}' closer",
    "Illegal syntax following interface body statement(s)",
    "Illegal syntax following ':' starting inheritance list",
    "Found illegal scoped name in scoped name list",
    "Missing ',' following scoped name in scoped name list",
    "Illegal component in scoped name",
    "Illegal component in scoped name following '::'",
    "Missing type or illegal syntax following CONST keyword",
    "Missing identifier or illegal syntax following const type",
    "Missing '=' or illegal syntax after const identifier",
    "Missing value expr or illegal syntax following '='",
    "Missing ';' or illegal syntax following value expr in const",
    "Missing type or illegal syntax following TYPEDEF keyword",
    "Missing declarators or illegal syntax following type spec",
    "Illegal syntax following declarators in TYPEDEF declaration",
    "Missing struct identifier following STRUCT keyword",
    "Missing '{' or illegal syntax following struct identifier",
    "Illegal syntax following struct '{' opener",
    "Illegal syntax following struct '}' closer",
    "Illegal syntax following struct body statement(s)",
    "Illegal syntax of missing identifier following member type",
    "Illegal syntax following member declarator(s)",
    "Missing ',' between member decls of same type(?)",
    "Missing identifier following UNION keyword",
    "Illegal syntax following union identifier",
    "Illegal syntax following SWITCH keyword",
    "Illegal syntax following '(' in switch in union",
    "Illegal syntax following type decl in switch in union",
    "Missing union '{' opener",
    "Illegal syntax following union '{' opener",
    "Illegal syntax following union '}' closer",
    "Illegal syntax or missing ':' following DEFAULT keyword",
    "Illegal syntax following branch label in union",
    "Illegal syntax following ':' in branch label in union",
    "Illegal syntax following label expression in union",
    "Illegal syntax following union element",
    "Illegal syntax following union element",
    "Illegal syntax following CASE keyword in union",
    "Illegal syntax following type decl in union element",
    "Illegal syntax following declarator in union element",
    "Illegal syntax following union body statement(s)",
    "Illegal syntax or missing identifier following ENUM keyword",
    "Illegal syntax or missing '{' following enum identifier",
    "Illegal syntax following enum '{' opener",
    "Illegal syntax following enum '}' closer",
    "Illegal syntax following enum body statement(s)",
    "Illegal syntax or missing identifier following ',' in enum",
    "Illegal syntax or missing '<' following SEQUENCE keyword",
    "Illegal syntax or missing type following '<' in sequence",
    "Illegal syntax following '>' in sequence",
    "Illegal syntax following sequence type declaration",
    "Illegal syntax of missing size expr following ',' in sequence",
    "Illegal syntax or missing '>' following size expr in sequence",
    "Illegal syntax or missing '<' following STRING keyword",
    "Illegal syntax or missing size expr following '<' in string",
    "Illegal syntax following '>' in string",
    "Illegal syntax or missing '>' after size expr in string",
    "Illegal syntax after string declaration",
    "Illegal syntax or missing dimensions after array identifier",
    "Illegal syntax after array declaration",
    "Illegal syntax or missing size expr after '[' in array declaration",
    "Illegal syntax after ']' in array declaration",
    "Illegal syntax or missing ']' after size expr in array declaration",
    "Illegal syntax after READONLY keyword",
    "Illegal syntax after ATTRIBUTE keyword",
    "Illegal syntax after type in attribute declaration",
    "Illegal syntax after attribute declarators",
    "Illegal syntax after attribute declaration",
    "Illegal syntax or missing identifier after EXCEPTION keyword",
    "Illegal syntax or missing '{' after exception identifier",
    "Illegal syntax after exception '{' opener",
    "Illegal syntax after exception '}' closer",
    "Illegal syntax after exception body statement(s)",
    "Illegal syntax or missing type after operation attribute",
    "Illegal syntax or missing identifier after operation type",
    "Illegal syntax or missing '(' after operation identifier",
    "Illegal syntax after operation parameter list",
    "Illegal syntax after optional RAISES in operation declaration",
    "Illegal syntax after optional CONTEXT in operation declaration",
    "Illegal syntax after operation declaration",
    "Illegal syntax after operation parameter list '(' opener",
    "Illegal syntax after operation parameter list ')' closer",
    "Illegal syntax or missing direction in parameter declaration",
    "Illegal syntax or missing type in parameter declaration",
    "Illegal syntax or missing declarator in parameter declaration",
    "Illegal syntax following parameter declarator",
    "Illegal syntax or missing '(' after RAISES keyword",
    "Illegal syntax after RAISES '(' opener",
    "Illegal syntax after RAISES ')' closer",
    "Illegal syntax or missing '(' after CONTEXT keyword",
    "Illegal syntax after CONTEXT '(' opener",
    "Illegal syntax after CONTEXT ')' closer",
    "Illegal syntax after ',' in CONTEXT in operation declaration",
    "Illegal syntax after ',' in declarators list",
    "Illegal syntax after declarator in declarators list",
    "Malformed valuetype declaration",
    "Missing valuetype identifier following VALUETYPE keyword",
    "Illegal syntax following valuetype identifier",
    "Illegal syntax following ':' starting valuetype inheritance list",
    "Illegal syntax following SUPPORTS keyword",
    "Missing '{' or illegal syntax following valuetype inheritance spec",
    "Illegal syntax following valuetype '{' opener",
    "Illegal syntax following valuetype body statement(s)",
    "Illegal syntax following valuetype '}' closer",
    "Missing ';' following value box type",
    "Malformed state member declaration",
    "Illegal syntax or missing declarator following state member type",
    "Missing identifier following FACTORY keyword",
    "Illegal syntax or missing '(' after factory identifier",
    "Malformed factory declaration",
    "Missing identifier following NATIVE keyword",
    "Illegal syntax or missing '<' following FIXED keyword",
    "Illegal syntax or missing digits following '<' in fixed",
    "Illegal syntax or missing ',' following digits in fixed",
    "Illegal syntax or missing scale following ',' in fixed",
    "Illegal syntax or missing '>' following scale in fixed",
    "Illegal syntax following '>' in fixed",
    "Illegal syntax or missing '(' after attribute RAISES, GETRAISES or SETRAISES keyword",
    "Illegal syntax after attribute raises '(' opener",
    "Illegal syntax after attribute raises ')' closer",
    "Malformed typeid declaration",
    "Malformed typeprefix declaration",
    "Malformed import declaration",
    "Missing scoped name following TYPEID keyword",
    "Missing repository id following scoped name in typeid",
    "Missing scoped name following TYPEPREFIX keyword",
    "Missing prefix following scoped name in typeprefix",
    "Missing scoped name or string following IMPORT keyword",
};

static const long n_parse_states = sizeof parse_state_messages / sizeof parse_state_messages[0];
static_assert(sizeof parse_state_messages / sizeof parse_state_messages[0] ==
                  IDL_GlobalData::PS_ImportSeen + 1,
              "one message per parse state");
static_assert(sizeof error_texts / sizeof error_texts[0] == UTL_Error::FIXED_TYPE_RANGE + 1,
              "one text per error kind");

const char *UTL_Error::parse_state_message(long s) {
  if (s < 0 || s >= n_parse_states)
    return "Some syntax error";
  return parse_state_messages[s];
}

// The file name a message shows: input read from standard input is always named so, whatever
// the line markers say.
static const char *shown_file_name(UTL_String *file) {
  if (idl_global->read_from_stdin())
    return "standard input";
  if (file == nullptr || file->get_string() == nullptr)
    return "";
  return file->get_string();
}

// Writes the message header: program name, file, line (-1 stands for the current line) and the
// kind's text.
static void write_header(UTL_Error::ErrorCode c, UTL_String *file, long line) {
  const char *prog = idl_global->prog_name();
  if (line == -1)
    line = idl_global->lineno();
  std::cerr << (prog == nullptr ? "" : prog) << ": \"" << shown_file_name(file) << "\", line "
            << line << ": " << error_texts[c];
}

static void write_header_here(UTL_Error::ErrorCode c) {
  write_header(c, idl_global->filename(), idl_global->lineno());
}

// Ends a message and counts it.
static void end_report() {
  std::cerr << std::endl;
  idl_global->set_err_count(idl_global->err_count() + 1);
}

static void write_header_at(UTL_Error::ErrorCode c, AST_Decl *d) {
  if (d == nullptr)
    write_header_here(c);
  else
    write_header(c, d->file_name(), d->line());
}

static void write_name(UTL_IdList *n) {
  if (n != nullptr)
    n->dump(std::cerr);
}

static void write_full_name(AST_Decl *d) {
  if (d != nullptr)
    write_name(d->name());
}

static void write_local_name(AST_Decl *d) {
  if (d != nullptr)
    d->dump_local_name(std::cerr);
}

static void write_dump(AST_Decl *d) {
  if (d != nullptr)
    d->dump(std::cerr);
}

void UTL_Error::syntax_error(IDL_GlobalData::ParseState s) {
  write_header_here(SYNTAX_ERROR);
  std::cerr << parse_state_message(s);
  end_report();
}

void UTL_Error::input_error(const char *text) {
  write_header_here(SYNTAX_ERROR);
  std::cerr << text;
  end_report();
}

void UTL_Error::lookup_error(UTL_IdList *n) {
  write_header_here(LOOKUP_ERROR);
  write_name(n);
  end_report();
}

void UTL_Error::name_case_error(char *a, char *b) {
  write_header_here(NAME_CASE_ERROR);
  std::cerr << '"' << a << "\" and \"" << b << '"';
  end_report();
}

void UTL_Error::error1(ErrorCode c, AST_Decl *d) {
  write_header_at(c, d);
  write_full_name(d);
  end_report();
}

void UTL_Error::error2(ErrorCode c, AST_Decl *d1, AST_Decl *d2) {
  write_header_at(c, d1);
  write_full_name(d1);
  std::cerr << ", ";
  write_full_name(d2);
  end_report();
}

void UTL_Error::error3(ErrorCode c, AST_Decl *d1, AST_Decl *d2, AST_Decl *d3) {
  write_header_at(c, d1);
  write_full_name(d1);
  std::cerr << ", ";
  write_full_name(d2);
  std::cerr << ", ";
  write_full_name(d3);
  end_report();
}

void UTL_Error::coercion_error(AST_Expression *e, AST_Expression::ExprType t) {
  coercion_error(e, exprtype_to_string(t));
}

void UTL_Error::coercion_error(AST_Expression *e, const char *type_text) {
  write_header(COERCION_FAILURE, e->file_name(), e->line());
  e->dump(std::cerr);
  std::cerr << " to " << type_text;
  end_report();
}

void UTL_Error::inheritance_fwd_error(UTL_IdList *n, AST_Interface *f) {
  const char *kind = f->node_type() == AST_Decl::NT_valuetype ? "valuetype " : "interface ";
  write_header_at(INHERIT_FROM_FORWARD, f);
  std::cerr << kind;
  write_name(n);
  std::cerr << " cannot inherit from forward declared " << kind;
  write_local_name(f);
  end_report();
}

void UTL_Error::inheritance_error(UTL_IdList *n, AST_Decl *d) {
  write_header_at(CANNOT_INHERIT, d);
  std::cerr << " interface ";
  write_name(n);
  std::cerr << " attempts to inherit from ";
  write_dump(d);
  end_report();
}

void UTL_Error::inheritance_kind_error(UTL_IdList *n, AST_Decl *base) {
  write_header_here(ILLEGAL_INHERITANCE);
  write_name(n);
  std::cerr << ", ";
  write_full_name(base);
  end_report();
}

void UTL_Error::eval_error(AST_Expression *e) {
  write_header(EVALUATION_ERROR, e->file_name(), e->line());
  e->dump(std::cerr);
  end_report();
}

void UTL_Error::constant_expected(UTL_IdList *n, AST_Decl *d) {
  write_header_at(CONSTANT_EXPECTED, d);
  write_name(n);
  std::cerr << " bound to ";
  write_dump(d);
  end_report();
}

void UTL_Error::enum_val_expected(AST_Union *u, AST_UnionLabel *l) {
  write_header_at(ENUMERATOR_EXPECTED, u);
  std::cerr << " union ";
  write_local_name(u);
  std::cerr << ", ";
  l->dump(std::cerr);
  end_report();
}

void UTL_Error::enum_val_lookup_failure(AST_Union *u, AST_Enum *e, UTL_IdList *n) {
  write_header_at(ENUMERATOR_NOT_FOUND, u);
  std::cerr << " union ";
  write_local_name(u);
  std::cerr << ", " << " enum ";
  write_local_name(e);
  std::cerr << ", " << " enumerator ";
  write_name(n);
  end_report();
}

void UTL_Error::fwd_decl_lookup(AST_Interface *i, UTL_IdList *n) {
  write_header_here(FORWARD_LOOKUP);
  std::cerr << "trying to look up ";
  write_name(n);
  std::cerr << " in undefined forward declared interface ";
  write_local_name(i);
  end_report();
}

void UTL_Error::redefinition_in_scope(AST_Decl *d, AST_Decl *s) {
  write_header_at(REDEFINITION_IN_SCOPE, d);
  write_full_name(d);
  std::cerr << ", ";
  write_full_name(s);
  end_report();
}

void UTL_Error::not_a_type(AST_Decl *d) {
  write_header_here(NOT_A_TYPE);
  if (d == nullptr || d->name() == nullptr)
    std::cerr << "unknown symbol";
  else
    write_full_name(d);
  end_report();
}

void UTL_Error::fwd_decl_not_defined(AST_Interface *i) {
  write_header_at(FORWARD_NEVER_DEFINED, i);
  std::cerr << "interface ";
  write_local_name(i);
  end_report();
}

void UTL_Error::fixed_type_error(AST_Decl *fixed) {
  write_header_here(FIXED_TYPE_RANGE);
  write_dump(fixed);
  end_report();
}
