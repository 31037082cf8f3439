// AST_Enum: enumerators and their twins in the enclosing scope, and printing.
#include "frontend/ast_enum.hh"

#include "frontend/ast_constant.hh"
#include "frontend/ast_generator.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_indenter.hh"
#include "frontend/utl_scopestack.hh"

void AST_Enum::dump(std::ostream &o) {
  o << "enum ";
  dump_local_name(o);
  o << " {" << std::endl;
  dump_separated(o, UTL_ScopeActiveIterator(this, SCOPE_ITER_DECLS),
                 [&o](AST_Decl *v) { v->dump_local_name(o); });
  idl_global->indent()->skip_to(o);
  o << "}";
}

// The scoped name of an enumerator without the enum's own component: ::M::Color::red becomes
// ::M::red.
static UTL_IdList *munge_name_for_enumval(UTL_IdList *name) {
  long keep_out = name->length() - 2;
  UTL_IdList *munged = nullptr;
  long index = 0;
  for (UTL_IdListActiveIterator i(name); !i.is_done(); i.next(), index++) {
    if (index == keep_out)
      continue;
    UTL_IdList *cell = new UTL_IdList(i.item(), nullptr);
    munged = munged == nullptr ? cell : static_cast<UTL_IdList *>(munged->nconc(cell));
  }
  return munged;
}

AST_EnumVal *AST_Enum::fe_add_enum_val(AST_EnumVal *v) {
  if (v == nullptr)
    return nullptr;
  AST_Expression::AST_ExprValue *value =
      v->constant_value()->coerce(AST_Expression::EXPR_ULONG);
  AST_EnumVal *twin = idl_global->gen()->create_enum_val(
      value == nullptr ? 0 : value->u.ulval, v->name(), v->pragmas());
  v->set_name(munge_name_for_enumval(v->name()));
  twin->set_name(munge_name_for_enumval(twin->name()));
  if (!add_declaration(v))
    return nullptr;
  UTL_Scope *enclosing = idl_global->scopes()->next_to_top();
  if (enclosing != nullptr)
    enclosing->fe_add_enum_val(twin);
  return v;
}
