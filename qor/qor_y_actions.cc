// What the QOR grammar's rules build. The parser hands over the values of the items and
// subvalues it has reduced; each record built here takes ownership of them.
#include "qor/qor_y_actions.hh"

#include "qor/qor_l.hh"
#include "qor/qor_y.hh"

namespace qor_grammar {

namespace {

// The last message of the list being built, so that appending does not walk the list.
qormessage *last_message = nullptr;

}  // namespace

void begin_qor_parse() {
  restart_qor_scanner();
  last_message = nullptr;
}

void add_message(dcp_val sender, dcp_val receiver, dcp_val in, dcp_val out, dcp_val raises,
                 int line) {
  qormessage *m =
      new qormessage{dcp_text(sender), dcp_text(receiver), in, out, raises, nullptr, line};
  if (last_message)
    last_message->next = m;
  else
    qor = m;
  last_message = m;
}

dcp_val no_value() { return dcp_val{dcp_none, nullptr}; }

dcp_val new_valuelist(dcp_val first) {
  cp_aggr *a = new cp_aggr;
  a->add(first);
  return dcp_val{dcp_aggr, a};
}

dcp_val add_to_valuelist(dcp_val list, dcp_val v) {
  dcp_aggr_of(list)->add(v);
  return list;
}

dcp_val close_valuelist(dcp_val list, int aggr_kind) {
  dcp_aggr_of(list)->aggr_kind = aggr_kind;
  return list;
}

dcp_val empty_sequence() {
  cp_aggr *a = new cp_aggr;
  a->aggr_kind = cp_sequence;
  return dcp_val{dcp_aggr, a};
}

dcp_val new_union_value(dcp_val tag, dcp_val v) {
  return dcp_val{dcp_union, new cp_union{dcp_text(tag), v}};
}

}  // namespace qor_grammar
