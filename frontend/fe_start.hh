// Starting the front end. FE_new_global_state makes the global state a run begins with; nuxc's
// driver makes it once per process. The other entries start the front end the way nuxc does
// for one IDL file, for the programs that run it themselves, often several times in one
// process: the unit tests, the fuzz targets and fe_dump.
#ifndef FRONTEND_FE_START_HH
#define FRONTEND_FE_START_HH

#include <cstddef>

class UTL_Error;
class UTL_Indenter;

// Makes a new idl_global with the start-up values of a run: err and indent as given, import
// on, line -1, every other member zero or null, and so no forward declarations and no pending
// syntax error. The one reset of the front end's state; the tree and the objects of earlier
// runs stay allocated, as everything the front end makes lives until the process exits.
void FE_new_global_state(UTL_Error *err, UTL_Indenter *indent);

// Starts a run over the input file name: a new global state, "nuxc" as the program that
// messages name, and name as the current, main, copied and stripped file name, as they are
// before the first line marker. The tree is not started.
void FE_start_run(const char *name);
// Starts the tree as nuxc does once the back end has given its node factory: the scope stack,
// be_generator as the factory, and the root with the predefined types on the stack.
void FE_start_tree();
// Parses the size bytes at text as the whole input, its first line numbered 1 (FE_yyparse);
// the errors are counted in idl_global.
void FE_parse_text(const char *text, size_t size);

#endif
