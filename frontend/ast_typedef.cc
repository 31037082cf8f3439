// AST_Typedef: printing, and the walk from a typedef to the type it names.
#include "frontend/ast_typedef.hh"

void AST_Typedef::dump(std::ostream &o) {
  o << "typedef ";
  dump_type_reference(o, pd_base_type);
  o << " ";
  dump_local_name(o);
}

// The first walk stops at a typedef whose end is known; the second tells every typedef it
// passed where its chain ends.
AST_Decl *strip_typedefs(AST_Decl *d) {
  AST_Decl *end = d;
  AST_Typedef *t;
  while ((t = AST_Typedef::narrow_from_decl(end)) != nullptr && !t->pd_named_type_known)
    end = t->base_type();
  if (t != nullptr)
    end = t->pd_named_type;
  for (AST_Decl *n = d; (t = AST_Typedef::narrow_from_decl(n)) != nullptr &&
                        !t->pd_named_type_known;
       n = t->base_type()) {
    t->pd_named_type = end;
    t->pd_named_type_known = true;
  }
  return end;
}
