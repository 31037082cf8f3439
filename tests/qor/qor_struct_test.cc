// Unit tests of the QOR records: the printed form of every kind of value and aggregate, and
// freeing from null pointers. Whole parsed trees are printed and freed in the parser's tests.
#include "qor/qor_struct.hh"

#include <gtest/gtest.h>

namespace {

dcp_val literal(const char *text) { return dcp_val{dcp_literal, new Dstr(text)}; }

std::string printed(dcp_val v) {
  Dstr text("");
  dcp2text(v, text);
  return text.aschar();
}

dcp_val aggregate(int aggr_kind, std::initializer_list<dcp_val> elements) {
  cp_aggr *a = new cp_aggr;
  a->aggr_kind = aggr_kind;
  for (dcp_val v : elements)
    a->add(v);
  return dcp_val{dcp_aggr, a};
}

TEST(QorRecords, PrintedForms) {
  const dcp_val struct_value =
      aggregate(cp_struct, {literal("1"), literal("\"a\""), aggregate(cp_sequence, {})});
  const dcp_val identifier{dcp_interface, new Dstr("A::B")};
  const dcp_val unknown = aggregate(cp_unknown, {literal("1"), literal("2")});
  const dcp_val union_value{dcp_union, new cp_union{new Dstr("t"), literal("'c'")}};
  EXPECT_EQ("{1,\"a\",#()}", printed(struct_value));
  EXPECT_EQ("interface A::B", printed(identifier));
  EXPECT_EQ("??" "?(1,2)", printed(unknown));  // split to avoid a trigraph
  EXPECT_EQ("[t, 'c']", printed(union_value));
  EXPECT_EQ("", printed(dcp_val{dcp_none, nullptr}));

  Dstr appended("x=");
  dcp2text(dcp_union_of(union_value), appended);
  dcp2text(dcp_aggr_of(unknown), appended);
  EXPECT_STREQ("x=[t, 'c']??" "?(1,2)", appended.aschar());

  for (dcp_val v : {struct_value, identifier, unknown, union_value})
    qorfree(v);
}

TEST(QorRecords, FreeingNullPointersOrNoValueDoesNothing) {
  qorfree(static_cast<qormessage *>(nullptr));
  qorfree(static_cast<cp_union *>(nullptr));
  qorfree(static_cast<cp_aggr *>(nullptr));
  qorfree(static_cast<cp_aggr_node *>(nullptr));
  qorfree(dcp_val{dcp_none, nullptr});
}

}  // namespace
