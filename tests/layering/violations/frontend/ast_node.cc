#include "frontend/ast_node.hh"

#include "foundation/Template.hh"
