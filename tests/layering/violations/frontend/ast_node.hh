#ifndef FRONTEND_AST_NODE_HH
#define FRONTEND_AST_NODE_HH
class AST_Node {};
#endif
