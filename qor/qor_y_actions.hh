// What the rules of the QOR grammar build: messages appended to qor in file order, lists made
// into brace or "#(" aggregates, union values. Called only by the parser's actions.
#ifndef QOR_QOR_Y_ACTIONS_HH
#define QOR_QOR_Y_ACTIONS_HH

#include "qor/qor_struct.hh"

// A namespace of its own keeps these general names clear of the rest of the program.
namespace qor_grammar {

// Starts a parse: the scanner from the top of cspin at line 1, an empty message list.
void begin_qor_parse();

// Appends to qor a new message from the texts of the two items and the three values; line is
// where the sender stands.
void add_message(dcp_val sender, dcp_val receiver, dcp_val in, dcp_val out, dcp_val raises,
                 int line);
// The value of an absent "In:" or "Out:" part.
dcp_val no_value();

// A new aggregate of unknown kind holding the first element.
dcp_val new_valuelist(dcp_val first);
// The aggregate list with v added at its end.
dcp_val add_to_valuelist(dcp_val list, dcp_val v);
// The aggregate list, now of the given kind (cp_struct or cp_sequence).
dcp_val close_valuelist(dcp_val list, int aggr_kind);
// An empty "#(" ")" aggregate.
dcp_val empty_sequence();
// A union value with the tag item's text and the branch value.
dcp_val new_union_value(dcp_val tag, dcp_val v);

}  // namespace qor_grammar

#endif
