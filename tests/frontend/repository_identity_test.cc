// Unit tests of repository identity: prefixes, ids and versions from pragma lines and from the
// typeid and typeprefix declarations, recorded on the declarations they name.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "fe_test_setup.hh"
#include "frontend/ast_decl.hh"
#include "frontend/ast_module.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"

namespace {

class RepositoryIdentityTest : public FrontEndTest {
protected:
  void parse(std::string text) {
    FILE *input = fmemopen(&text[0], text.size(), "r");
    ASSERT_NE(nullptr, input);
    FE_set_yyin(input);
    FE_yyparse();
    std::fclose(input);
    ASSERT_EQ(0, idl_global->err_count());
  }

  AST_Decl *find(std::initializer_list<const char *> name) {
    AST_Decl *d = idl_global->root()->lookup_by_name(scoped(name), false);
    EXPECT_NE(nullptr, d);
    return d;
  }
};

std::string text(UTL_String *s) { return s == nullptr ? "(none)" : s->get_string(); }

TEST_F(RepositoryIdentityTest, PragmasAndDeclarationsAreRecordedOnWhatTheyName) {
  parse("#pragma prefix \"omg.org\"\n"
        "module CORBA {\n"
        "  typedef long A;\n"
        "#pragma prefix \"inner.org\"\n"
        "  typedef long B;\n"
        "};\n"
        "typedef long C;\n"
        "#pragma ID C \"IDL:my/C:1.0\"\n"
        "#pragma version CORBA::A 2.3\n"
        "#pragma ID Nowhere \"IDL:x:1.0\"\n"
        "module M { typedef long D; };\n"
        "typeid M::D \"IDL:typed/D:1.0\";\n"
        "typeprefix M \"example.com\";\n"
        "import M;\n"
        "import \"IDL:omg.org/CORBA:1.0\";\n"
        "# 1 \"inc.idl\" 1\n"
        "typedef long Included;\n"
        "# 15 \"t.idl\" 2\n"
        "typedef long Back;\n");
  const struct {
    std::initializer_list<const char *> name;
    const char *prefix, *type_prefix, *id, *version;
  } cases[] = {
      {{"CORBA"}, "omg.org", "(none)", "(none)", "(none)"},
      {{"CORBA", "A"}, "omg.org", "(none)", "(none)", "2.3"},
      {{"CORBA", "B"}, "inner.org", "(none)", "(none)", "(none)"},
      {{"C"}, "omg.org", "(none)", "IDL:my/C:1.0", "(none)"},
      {{"M"}, "omg.org", "example.com", "(none)", "(none)"},
      {{"M", "D"}, "omg.org", "(none)", "IDL:typed/D:1.0", "(none)"},
      {{"Included"}, "(none)", "(none)", "(none)", "(none)"},
      {{"Back"}, "omg.org", "(none)", "(none)", "(none)"},
  };
  for (const auto &c : cases) {
    AST_Decl *d = find(c.name);
    ASSERT_NE(nullptr, d);
    const std::string name = text_of(d->name());
    EXPECT_EQ(c.prefix, text(d->prefix())) << name;
    EXPECT_EQ(c.type_prefix, text(d->type_prefix())) << name;
    EXPECT_EQ(c.id, text(d->repository_id())) << name;
    EXPECT_EQ(c.version, text(d->version())) << name;
  }
}

} // namespace
