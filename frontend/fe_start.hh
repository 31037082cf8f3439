// Starting the front end: the global state a run begins with. nuxc's driver makes it once per
// process; a program that runs the front end several times in one process makes it anew for
// every run.
#ifndef FRONTEND_FE_START_HH
#define FRONTEND_FE_START_HH

class UTL_Error;
class UTL_Indenter;

// Makes a new idl_global with the start-up values of a run: err and indent as given, import
// on, line -1, every other member zero or null, and so no forward declarations and no pending
// syntax error. The one reset of the front end's state; the tree and the objects of earlier
// runs stay allocated, as everything the front end makes lives until the process exits.
void FE_new_global_state(UTL_Error *err, UTL_Indenter *indent);

#endif
