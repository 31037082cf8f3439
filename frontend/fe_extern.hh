// The front end's entry points, the only way the driver reaches the front end: start-up in two
// stages around the installation of the back end's node factory, the parse, the input stream,
// and constructors of the utility objects the driver puts into idl_global.
#ifndef FRONTEND_FE_EXTERN_HH
#define FRONTEND_FE_EXTERN_HH

#include <cstdio>

class UTL_Error;
class UTL_Indenter;
class UTL_String;

// Creates the scope stack; exits 99 when it cannot.
void FE_init_stage1();
// Creates the tree root through the installed node factory, pushes it on the scope stack and
// enters the predefined types; exits 99 when no factory is installed or no root is made.
void FE_init_stage2();
// Parses the whole input; when no error was counted, runs the add pass over the tree.
void FE_yyparse();
// Makes the lexer read from f.
void FE_set_yyin(FILE *f);

UTL_Error *FE_new_UTL_Error();
UTL_Indenter *FE_new_UTL_Indenter();
UTL_String *FE_new_UTL_String(const char *text);

#endif
