#include <cstdio>
#include "foundation/Template.hh"

#include "frontend/ast_node.hh"
