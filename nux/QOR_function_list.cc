// QOR_function_list: counting the messages of a QOR file per called function, and matching a
// message to its record through an index of the records by receiver text.
#include "nux/QOR_function_list.hh"

#include <cstdio>

#include "foundation/IgnorableError.hh"
#include "nux/NUX.hh"

namespace {

// Whether m may be a call of f: an attribute's set function takes no "Out:" and its get
// function no "In:".
bool may_call(const Function &f, const qormessage &m) {
  switch (f.idl_op_type) {
  case Function::attribute_set:
    return m.out.kind == dcp_none;
  case Function::attribute_get:
    return m.in.kind == dcp_none;
  default:
    return true;
  }
}

}  // namespace

QOR_function_list::~QOR_function_list() {
  while (function *f = head) {
    head = f->next;
    delete f;
  }
}

void QOR_function_list::increment(qormessage *m, FunctionList &functions,
                                  DeclarationList &declarations, NUX *nux) {
  if (function *f = (*this)[m]) {
    f->messages.push_back(m);
    return;
  }
  nux->progress("  Resolving %s %s\n", m->sender->aschar(), m->receiver->aschar());
  DeclarationList::declaration *declaration;
  Function *realfunction = nux->nuxfunction2realfunction(functions, declarations, *m->receiver,
                                                         declaration, m->in.kind != dcp_none);
  if (!realfunction) {
    // The explanation looks names up again, which records messages of its own.
    const Dstr message(ignerrmsg);
    FatalError(nux->explain_unmatched(functions, declarations, *m->receiver,
                                      m->in.kind != dcp_none),
               message);
  }
  head = new function{realfunction, *m->receiver, declaration, {m}, head};
  byName[head->name.aschar()].push_back(head);
}

QOR_function_list::function *QOR_function_list::operator[](qormessage *m) const {
  const auto found = byName.find(std::string_view(m->receiver->aschar()));
  if (found == byName.end())
    return nullptr;
  const std::vector<function *> &records = found->second;
  for (auto f = records.rbegin(); f != records.rend(); ++f) {
    if (may_call(*(*f)->realfunction, *m))
      return *f;
  }
  return nullptr;
}
