#include "idlgen/Generator.hh"

#include "Generator.hh"
#include "frontend/ast_node.hh"
