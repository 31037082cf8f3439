// AST_ValueType and AST_ValueTypeFwd: completion, lookups through bases and supported
// interfaces, state and factories, and printing.
#include "frontend/ast_value_type.hh"

#include "frontend/ast_factory.hh"
#include "frontend/ast_generator.hh"
#include "frontend/ast_state_member.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

// Writes what stands before "valuetype": "abstract " or "custom ".
static void dump_value_keyword(std::ostream &o, AST_ValueType *v) {
  if (v->is_abstract())
    o << "abstract ";
  else if (v->is_custom())
    o << "custom ";
}

// Writes " " and the local names of a list of types separated by ", ", after a first word.
static void dump_names(std::ostream &o, const char *first, AST_Interface **list, long n) {
  for (long i = 0; i < n; i++) {
    o << (i == 0 ? first : ", ");
    list[i]->dump_local_name(o);
  }
}

void AST_ValueType::dump(std::ostream &o) {
  dump_value_keyword(o, this);
  o << "valuetype ";
  dump_local_name(o);
  dump_names(o, pd_truncatable ? " : truncatable " : " : ", inherits(), n_inherits());
  dump_names(o, " supports ", pd_supports, pd_n_supports);
  dump_body(o);
}

void AST_ValueType::take_definition(AST_Interface *d) {
  AST_Interface::take_definition(d);
  AST_ValueType *v = AST_ValueType::narrow_from_decl(d);
  if (v == nullptr)
    return;
  pd_custom = v->is_custom();
  pd_truncatable = v->is_truncatable();
  set_supports(v->supports(), v->n_supports());
}

void AST_ValueType::inherited_scopes(std::vector<AST_Interface *> &out) {
  AST_Interface::inherited_scopes(out);
  for (long i = 0; i < pd_n_supports; i++)
    out.push_back(pd_supports[i]);
}

bool AST_ValueType::add_state(AST_Decl *n) {
  if (n != nullptr && is_abstract()) {
    idl_global->err()->error2(UTL_Error::STATE_IN_ABSTRACT_VALUE, n, this);
    return false;
  }
  return add_export(n);
}

AST_StateMember *AST_ValueType::fe_add_state_member(AST_StateMember *m) {
  return add_state(m) ? m : nullptr;
}

AST_Factory *AST_ValueType::fe_add_factory(AST_Factory *f) { return add_state(f) ? f : nullptr; }

AST_ValueTypeFwd::AST_ValueTypeFwd(UTL_IdList *n, UTL_StrList *p)
    : AST_InterfaceFwd(NT_valuetype_fwd, n, p,
                       idl_global->gen()->create_value_type(n, nullptr, -1, p)) {}

void AST_ValueTypeFwd::dump(std::ostream &o) {
  AST_Interface *v = full_definition();
  if (v != nullptr && v->is_abstract())
    o << "abstract ";
  o << "valuetype ";
  dump_local_name(o);
}
