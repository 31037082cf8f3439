// The bounded printing of types referred to by other types.
#include "frontend/ast_type.hh"

#include "frontend/utl_idlist.hh"

// Depth of type dumps nested through typedef, sequence and array base types, and its limit.
static int type_dump_depth = 0;
static const int max_type_dump_depth = 64;

void dump_type_reference(std::ostream &o, AST_Type *t) {
  if (t == nullptr)
    return;
  if (type_dump_depth >= max_type_dump_depth) {
    if (t->name() != nullptr)
      t->name()->dump(o);
    return;
  }
  type_dump_depth++;
  t->dump(o);
  type_dump_depth--;
}
