/* The QOR grammar: a file is one or more messages, each two items (sender and receiver) with an
   optional "In:" value and then an optional "Out:" or "Raises:" value after it. Values are items, "#(" lists,
   brace lists and "[tag, value]" unions. The actions build records through qor_y_actions. */
%define api.prefix {csp}
%define api.value.type {dcp_val}
/* Every token carries the line it stands on (the scanner sets it), so a message knows the line
   it starts on although the parser reduces it only at the next message's first token. */
%locations

%code requires {
#include "qor/qor_struct.hh"
/* Values are plain two-word records, so the parse stack may be moved when it grows. */
#define CSPSTYPE_IS_TRIVIAL 1
}

%code {
#include "qor/qor_l.hh"
#include "qor/qor_y.hh"
#include "qor/qor_y_actions.hh"

using namespace qor_grammar;

/* Room for 200 states, doubled as nesting deepens, up to 10000; deeper nesting is a syntax
   error. Long lists do not deepen the stack: both lists are left-recursive. */
#define YYINITDEPTH 200
#define YYMAXDEPTH 10000
}

%initial-action { begin_qor_parse(); }

%token STRING FLOAT INTEGER CHAR BOOLEAN OCTET IDENTIFIER IN OUT RAISES

%%

qorfile
  : message
  | qorfile message
  ;

message
  : item item                        { add_message($1, $2, no_value(), no_value(), no_value(), @1.first_line); }
  | item item IN value               { add_message($1, $2, $4, no_value(), no_value(), @1.first_line); }
  | item item OUT value              { add_message($1, $2, no_value(), $4, no_value(), @1.first_line); }
  | item item IN value OUT value     { add_message($1, $2, $4, $6, no_value(), @1.first_line); }
  | item item RAISES value           { add_message($1, $2, no_value(), no_value(), $4, @1.first_line); }
  | item item IN value RAISES value  { add_message($1, $2, $4, no_value(), $6, @1.first_line); }
  ;

value
  : item
  | sequence
  | structure
  | unionvalue
  ;

item
  : STRING
  | FLOAT
  | INTEGER
  | CHAR
  | BOOLEAN
  | OCTET
  | IDENTIFIER
  ;

valuelist
  : value                         { $$ = new_valuelist($1); }
  | valuelist ',' value           { $$ = add_to_valuelist($1, $3); }
  ;

sequence
  : '(' valuelist ')'             { $$ = close_valuelist($2, cp_sequence); }
  | '(' ')'                       { $$ = empty_sequence(); }
  ;

structure
  : '{' valuelist '}'             { $$ = close_valuelist($2, cp_struct); }
  ;

unionvalue
  : '[' item ',' value ']'        { $$ = new_union_value($2, $4); }
  ;
