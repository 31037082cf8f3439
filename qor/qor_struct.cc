// Printing and freeing of QOR records. Both recurse only into nested values, whose depth the
// parser's stack limit bounds; the chains of list elements and of messages, which can be as
// long as the file, are walked in loops.
#include "qor/qor_struct.hh"

namespace {

// How an aggregate of each kind is opened and closed when printed.
struct Brackets {
  const char *opener;
  const char *closer;
};

Brackets brackets_of(int aggr_kind) {
  if (aggr_kind == cp_struct)
    return {"{", "}"};
  if (aggr_kind == cp_sequence)
    return {"#(", ")"};
  return {"??" "?(", ")"};  // split so that "??(" is not read as a trigraph
}

}  // namespace

cp_aggr::~cp_aggr() { qorfree(head); }

void cp_aggr::add(dcp_val v) {
  cp_aggr_node *node = new cp_aggr_node{v, nullptr};
  if (tail)
    tail->next = node;
  else
    head = node;
  tail = node;
}

unsigned int count_elements(const cp_aggr_node *first) {
  unsigned int count = 0;
  for (const cp_aggr_node *e = first; e; e = e->next)
    ++count;
  return count;
}

void dcp2text(dcp_val v, Dstr &text) {
  switch (v.kind) {
  case dcp_literal:
    text += *dcp_text(v);
    return;
  case dcp_interface:
    text += "interface ";
    text += *dcp_text(v);
    return;
  case dcp_union:
    dcp2text(dcp_union_of(v), text);
    return;
  case dcp_aggr:
    dcp2text(dcp_aggr_of(v), text);
    return;
  }
}

void dcp2text(cp_union *u, Dstr &text) {
  text += "[";
  text += *u->tag;
  text += ", ";
  dcp2text(u->val, text);
  text += "]";
}

void dcp2text(cp_aggr *a, Dstr &text) {
  const Brackets brackets = brackets_of(a->aggr_kind);
  text += brackets.opener;
  for (cp_aggr_node *node = a->head; node; node = node->next) {
    if (node != a->head)
      text += ",";
    dcp2text(node->val, text);
  }
  text += brackets.closer;
}

void qorfree(qormessage *m) {
  while (m) {
    qormessage *next = m->next;
    delete m->sender;
    delete m->receiver;
    qorfree(m->in);
    qorfree(m->out);
    qorfree(m->raises);
    delete m;
    m = next;
  }
}

void qorfree(dcp_val v) {
  switch (v.kind) {
  case dcp_literal:
  case dcp_interface:
    delete dcp_text(v);
    return;
  case dcp_union:
    qorfree(dcp_union_of(v));
    return;
  case dcp_aggr:
    qorfree(dcp_aggr_of(v));
    return;
  }
}

void qorfree(cp_union *u) {
  if (!u)
    return;
  delete u->tag;
  qorfree(u->val);
  delete u;
}

void qorfree(cp_aggr *a) { delete a; }

void qorfree(cp_aggr_node *n) {
  while (n) {
    cp_aggr_node *next = n->next;
    qorfree(n->val);
    delete n;
    n = next;
  }
}
