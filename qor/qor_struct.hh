// The records a QOR file is read into: messages with their "In:" and "Out:" values, values of
// five kinds, aggregates (brace and "#(" lists) and unions. The parser builds them, the `use`
// command walks them; dcp2text prints a value for progress output and qorfree releases a tree.
#ifndef QOR_QOR_STRUCT_HH
#define QOR_QOR_STRUCT_HH

#include "foundation/Dstr.hh"

// What a dcp_val's pointer refers to.
enum dcp_kind {
  dcp_literal,    // Dstr: the literal's source text, quotes and sign included
  dcp_interface,  // Dstr: an identifier naming an interface
  dcp_union,      // cp_union
  dcp_aggr,       // cp_aggr
  dcp_none        // nothing: an absent "In:" or "Out:" part
};

// A value: two words, copied by value. Copies share what `value` points to, and only the tree
// the parser built owns it.
struct dcp_val {
  int kind;
  void *value;
};

struct cp_union;
class cp_aggr;

inline Dstr *dcp_text(dcp_val v) { return static_cast<Dstr *>(v.value); }
inline cp_union *dcp_union_of(dcp_val v) { return static_cast<cp_union *>(v.value); }
inline cp_aggr *dcp_aggr_of(dcp_val v) { return static_cast<cp_aggr *>(v.value); }

// Kinds of aggregate: a brace list, a "#(" list, or not yet known while the list is built.
enum cp_aggr_kind { cp_struct, cp_sequence, cp_unknown };

// One element of an aggregate; it owns its value.
struct cp_aggr_node {
  dcp_val val;
  cp_aggr_node *next;
};

// The elements of a list in the order written; the aggregate owns its nodes.
class cp_aggr {
public:
  cp_aggr() = default;
  cp_aggr(const cp_aggr &) = delete;
  cp_aggr &operator=(const cp_aggr &) = delete;
  // Frees every node and its value.
  ~cp_aggr();

  // Appends a node holding v at the tail; the aggregate takes ownership of v.
  void add(dcp_val v);

  int aggr_kind = cp_unknown;
  cp_aggr_node *head = nullptr;
  cp_aggr_node *tail = nullptr;
};

// A union value "[tag, value]"; it owns its tag and its value.
struct cp_union {
  Dstr *tag;
  dcp_val val;
};

// One message of a QOR file; it owns its texts and values. `next` links the file's messages.
struct qormessage {
  Dstr *sender;
  Dstr *receiver;
  dcp_val in;
  dcp_val out;
  // The "Raises:" value, the exception the call answers with; dcp_none when absent. A message
  // has "Out:" or "Raises:", not both.
  dcp_val raises;
  qormessage *next;
  // The line of the file that the message starts on (the line of its sender).
  int line;
};

// The number of elements of a list from first on.
unsigned int count_elements(const cp_aggr_node *first);

// Append the printed form of a value: literals as written, "interface " and the identifier,
// "[tag, value]", "{a,b}", "#(a,b)" and "???(a,b)" for an aggregate of unknown kind. A value of
// kind dcp_none prints nothing.
void dcp2text(dcp_val v, Dstr &text);
void dcp2text(cp_union *u, Dstr &text);
void dcp2text(cp_aggr *a, Dstr &text);

// Release a tree and everything it owns. The pointer forms do nothing for a null pointer; the
// message form frees the whole list from m on, the node form the whole chain from n on.
void qorfree(qormessage *m);
void qorfree(dcp_val v);
void qorfree(cp_union *u);
void qorfree(cp_aggr *a);
void qorfree(cp_aggr_node *n);

#endif
