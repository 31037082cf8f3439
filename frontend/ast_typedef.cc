// AST_Typedef: printing, and the walk from a typedef to the type it names.
#include "frontend/ast_typedef.hh"

void AST_Typedef::dump(std::ostream &o) {
  o << "typedef ";
  dump_type_reference(o, pd_base_type);
  o << " ";
  dump_local_name(o);
}

AST_Decl *strip_typedefs(AST_Decl *d) {
  AST_Typedef *t;
  while ((t = AST_Typedef::narrow_from_decl(d)) != nullptr)
    d = t->base_type();
  return d;
}
