// Unit tests of the declaration list: lookup of the first declaration of a name, the recorded
// message of a failed lookup, the names declared, records that stay put as the list grows, and the prefixing of
// declared names in expressions.
#include "nux/DeclarationList.hh"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/IgnorableError.hh"

namespace {

void declare(DeclarationList &list, const char *type, const char *name,
             const char *host = nullptr) {
  list.add(Dstr(type), Dstr(name), Dstr(), Dstr(host), Dstr(), Dstr(), 1);
}

TEST(DeclarationList, LookupFindsTheFirstDeclarationAndRecordsMisses) {
  DeclarationList list(Dstr("g_"));
  declare(list, "Bank::Account", "acct", "hostA");
  declare(list, "Other", "acct", "hostB");
  const DeclarationList::declaration *d = list["acct"];
  ASSERT_NE(nullptr, d);
  EXPECT_STREQ("Bank::Account", d->type.aschar());
  EXPECT_STREQ("hostA", d->host.aschar());
  EXPECT_TRUE(d->header.isNull());

  EXPECT_EQ(nullptr, list[Dstr("other")]);
  EXPECT_STREQ("No such declaration: other", ignerrmsg.aschar());
  // A null name finds the first declaration without a name, as the declare line left it.
  EXPECT_EQ(nullptr, list[Dstr()]);
  declare(list, "Unnamed", nullptr);
  declare(list, "Later", nullptr);
  ASSERT_NE(nullptr, list[Dstr()]);
  EXPECT_STREQ("Unnamed", list[Dstr()]->type.aschar());
  // Each name once, in script order, for the "did you mean" of a failed lookup.
  std::vector<std::string> names;
  for (const Dstr &name : list.names())
    names.push_back(name.aschar());
  EXPECT_EQ((std::vector<std::string>{"acct"}), names);
}

TEST(DeclarationList, RecordsStayPutWhileTheListGrows) {
  DeclarationList list(Dstr(""));
  declare(list, "T", "first");
  const DeclarationList::declaration *first = list["first"];
  for (int i = 0; i < 100; ++i)
    declare(list, "T", ("v" + std::to_string(i)).c_str());
  EXPECT_EQ(first, list["first"]);
  EXPECT_STREQ("first", first->name.aschar());
  EXPECT_STREQ("v99", list["v99"]->name.aschar());
}

TEST(DeclarationList, DeclaredNamesTakeThePrefixInExpressions) {
  const struct {
    const char *prefix;
    const char *text;
    const char *rewritten;
  } cases[] = {
      {"g_", "a + b.a + f(b) + \"a\"", "g_a + g_b.a + f(g_b) + \"a\""},
      {"g_", " \"Total: \" + count", " \"Total: \" + g_count"},
      {"g_", "ab + a_1 + (a)", "ab + g_a_1 + (g_a)"},
      {"", "a + b + count", "a + b + count"},
      // A prefixed name is not searched again, for the declared g or anything else.
      {"g_", "count + g", "g_count + g_g"},
      {"g_", "\"say \\\"count\\\" \" + count", "\"say \\\"count\\\" \" + g_count"},
  };
  for (const auto &c : cases) {
    DeclarationList list{Dstr(c.prefix)};
    for (const char *name : {"a", "b", "count", "a", "g"})
      declare(list, "long", name);
    // A declaration without a name has nothing to rewrite.
    declare(list, "Bank::Account", nullptr);
    Dstr text(c.text);
    list.do_subs_Java(text);
    EXPECT_STREQ(c.rewritten, text.aschar()) << "prefix " << c.prefix << ": " << c.text;
  }
}

}  // namespace
