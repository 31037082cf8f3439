// Unit tests of MakefileFragment: the complete fragment for files given in a known order (the
// program itself takes them in directory order), and the IDL-name test.
#include "depwrite/MakefileFragment.hh"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string fragment_of(std::initializer_list<const char *> names, const char *client = "C",
                        const char *server = "S", const char *header = nullptr) {
  MakefileFragment fragment(client, server, header);
  for (const char *name : names)
    fragment.add(name);
  std::ostringstream out;
  fragment.write(out);
  return out.str();
}

TEST(MakefileFragment, TwoFilesInOrder) {
  EXPECT_EQ(
      "IDL_FILES = a.idl b.idl\n"
      "HH_FILES = a.$(HHSUFFIX) b.$(HHSUFFIX)\n"
      "CLIENT_OBJS = aC.$(OBJSUFFIX) bC.$(OBJSUFFIX)\n"
      "SERVER_OBJS = aS.$(OBJSUFFIX) bS.$(OBJSUFFIX)\n"
      "CLIENT_CC = aC.$(CPPSUFFIX) bC.$(CPPSUFFIX)\n"
      "SERVER_CC = aS.$(CPPSUFFIX) bS.$(CPPSUFFIX)\n"
      "\n"
      "aS.$(CPPSUFFIX) aC.$(CPPSUFFIX) a.$(HHSUFFIX): $(IDL_FILES)\n"
      "\t$(IDL) $(IDLFLAGS) a.idl\n"
      "\n"
      "bS.$(CPPSUFFIX) bC.$(CPPSUFFIX) b.$(HHSUFFIX): $(IDL_FILES)\n"
      "\t$(IDL) $(IDLFLAGS) b.idl\n"
      "\n"
      "aS.$(OBJSUFFIX): aS.$(CPPSUFFIX) $(HH_FILES)\n"
      "aC.$(OBJSUFFIX): aC.$(CPPSUFFIX) $(HH_FILES)\n"
      "bS.$(OBJSUFFIX): bS.$(CPPSUFFIX) $(HH_FILES)\n"
      "bC.$(OBJSUFFIX): bC.$(CPPSUFFIX) $(HH_FILES)\n",
      fragment_of({"a.idl", "b.idl"}));
}

TEST(MakefileFragment, EmptyUntilAFileIsAdded) {
  MakefileFragment fragment("C", "S", Dstr());
  EXPECT_TRUE(fragment.empty());
  fragment.add(".idl");
  EXPECT_FALSE(fragment.empty());
}

TEST(MakefileFragment, RulesFollowTheTokensOfTheLists) {
  // A blank in a name splits it in the rules, which then pair the names token by token.
  EXPECT_EQ(
      "IDL_FILES = my x.idl\n"
      "HH_FILES = my xH.$(HHSUFFIX)\n"
      "CLIENT_OBJS = my x.$(OBJSUFFIX)\n"
      "SERVER_OBJS = my x.$(OBJSUFFIX)\n"
      "CLIENT_CC = my x.$(CPPSUFFIX)\n"
      "SERVER_CC = my x.$(CPPSUFFIX)\n"
      "\n"
      "my my my: $(IDL_FILES)\n"
      "\t$(IDL) $(IDLFLAGS) my\n"
      "\n"
      "x.$(CPPSUFFIX) x.$(CPPSUFFIX) xH.$(HHSUFFIX): $(IDL_FILES)\n"
      "\t$(IDL) $(IDLFLAGS) x.idl\n"
      "\n"
      "my: my $(HH_FILES)\n"
      "my: my $(HH_FILES)\n"
      "x.$(OBJSUFFIX): x.$(CPPSUFFIX) $(HH_FILES)\n"
      "x.$(OBJSUFFIX): x.$(CPPSUFFIX) $(HH_FILES)\n",
      fragment_of({"my x.idl"}, "", "", "H"));
}

TEST(MakefileFragment, IdlNamesEndInDotIdl) {
  const struct {
    const char *name;
    bool taken;
  } cases[] = {{"a.idl", true},     {".idl", true},     {"a.idl.idl", true}, {"y.IDL", false},
               {"x.idl.bak", false}, {"idl", false},     {"", false},         {"xidl", false}};
  for (const auto &c : cases)
    EXPECT_EQ(c.taken, MakefileFragment::is_idl_name(c.name)) << c.name;
}

TEST(MakefileFragment, SafeNamesHoldNothingMakeOrTheShellReads) {
  const struct {
    const char *name;
    bool safe;
  } cases[] = {{"bank.idl", true},       {"My_Bank-2.idl", true}, {"a+b,c@d.idl", true},
               {"\xc3\xa9t\xc3\xa9.idl", true}, {".idl", true},          {"-x.idl", false},
               {"x-.idl", true},         {"a b.idl", false},      {"a\tb.idl", false},
               {"a\nb.idl", false},      {"a#b.idl", false},      {"a:b.idl", false},
               {"a$b.idl", false},       {"a%b.idl", false},      {"a;b.idl", false},
               {"a=b.idl", false},       {"a\\b.idl", false},    {"a\"b.idl", false},
               {"a'b.idl", false},       {"a`b`.idl", false},     {"a*b.idl", false},
               {"a?b.idl", false},       {"a[b].idl", false},     {"a|b.idl", false},
               {"a&b.idl", false},       {"a<b>.idl", false},     {"a(b).idl", false},
               {"~a.idl", false},        {"a\x7f.idl", false},    {"a\x01.idl", false}};
  for (const auto &c : cases)
    EXPECT_EQ(c.safe, MakefileFragment::is_makefile_safe(c.name)) << c.name;
}

}  // namespace
