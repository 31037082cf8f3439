// Creation of the tree root's contents at start-up: the predefined types and reserved names.
#ifndef FRONTEND_FE_INIT_HH
#define FRONTEND_FE_INIT_HH

class AST_Module;

// Enters the predefined types and the reserved pseudo-type names into m.
void fe_populate(AST_Module *m);

#endif
