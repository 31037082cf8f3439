// AST_Operation: arguments, raises and context lists, and printing.
#include "frontend/ast_operation.hh"

#include "frontend/ast_field.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_lists.hh"

static bool is_void(AST_Type *t) {
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(t);
  return p != nullptr && p->pt() == AST_PredefinedType::PREDEF_VOID;
}

AST_Operation::AST_Operation(NodeType nt, AST_Type *rt, Flags fl, UTL_IdList *n, UTL_StrList *p)
    : AST_Decl(nt, n, p), UTL_Scope(nt), pd_return_type(rt), pd_flags(fl) {
  if (fl == OPFLAG_ONEWAY && rt != nullptr && !is_void(rt))
    idl_global->err()->error1(UTL_Error::NONVOID_ONEWAY, this);
}

AST_Argument *AST_Operation::fe_add_argument(AST_Argument *a) {
  if (a == nullptr || !may_add(a))
    return nullptr;
  if (a->direction() != AST_Argument::ARG_IN && pd_flags == OPFLAG_ONEWAY) {
    idl_global->err()->error2(UTL_Error::ONEWAY_OUT_ARGUMENT, a, this);
    return nullptr;
  }
  insert_declaration(a);
  return a;
}

bool resolve_exceptions(UTL_Scope *s, UTL_NameList *names, UTL_ExceptList **found) {
  *found = nullptr;
  UTL_ExceptList *last = nullptr;
  for (UTL_NamelistActiveIterator i(names); !i.is_done(); i.next()) {
    AST_Exception *x = AST_Exception::narrow_from_decl(s->lookup_by_name(i.item(), true));
    if (x == nullptr) {
      idl_global->err()->lookup_error(i.item());
      return false;
    }
    UTL_ExceptList *cell = new UTL_ExceptList(x, nullptr);
    if (last == nullptr)
      *found = cell;
    else
      last->set_tail(cell);
    last = cell;
  }
  return true;
}

UTL_NameList *AST_Operation::fe_add_exceptions(UTL_NameList *names) {
  return resolve_exceptions(this, names, &pd_exceptions) ? names : nullptr;
}

UTL_StrList *AST_Operation::fe_add_context(UTL_StrList *c) {
  pd_context = c;
  return c;
}

void AST_Operation::dump(std::ostream &o) {
  if (pd_flags == OPFLAG_ONEWAY)
    o << "oneway ";
  else if (pd_flags == OPFLAG_IDEMPOTENT)
    o << "idempotent ";
  if (pd_return_type != nullptr && pd_return_type->name() != nullptr)
    pd_return_type->name()->dump(o);
  o << " ";
  dump_local_name(o);
  dump_arguments_and_raises(o);
  if (pd_context != nullptr) {
    o << " context(";
    dump_separated(o, UTL_StrlistActiveIterator(pd_context), [&o](UTL_String *c) { c->dump(o); });
    o << ")";
  }
}

void AST_Operation::dump_arguments_and_raises(std::ostream &o) {
  o << "(";
  dump_separated(o, UTL_ScopeActiveIterator(this, SCOPE_ITER_DECLS),
                 [&o](AST_Decl *a) { a->dump(o); });
  o << ")";
  dump_raises(o, " raises(", pd_exceptions);
}

void dump_raises(std::ostream &o, const char *opening, UTL_ExceptList *exceptions) {
  if (exceptions == nullptr)
    return;
  o << opening;
  dump_separated(o, UTL_ExceptlistActiveIterator(exceptions),
                 [&o](AST_Exception *x) { x->dump_local_name(o); });
  o << ")";
}
