// Unit tests of the front end's utilities: strings, identifiers, lists, the global state's
// pragma and include-name bookkeeping, and the error message header.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "frontend/fe_start.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_indenter.hh"
#include "frontend/utl_lists.hh"
#include "frontend/utl_string.hh"

namespace {

class UtlTest : public ::testing::Test {
protected:
  void SetUp() override {
    FE_start_run("a.idl");
    idl_global->set_lineno(7);
  }
};

UTL_IdList *name_of(std::initializer_list<const char *> parts) {
  UTL_IdList *list = nullptr;
  for (const char *part : parts) {
    UTL_IdList *cell = new UTL_IdList(new Identifier(const_cast<char *>(part)), nullptr);
    list = list == nullptr ? cell : static_cast<UTL_IdList *>(list->nconc(cell));
  }
  return list;
}

std::string dumped(UTL_IdList *n) {
  std::ostringstream o;
  n->dump(o);
  return o.str();
}

TEST_F(UtlTest, StringComparisonIgnoresCaseAndReportsDifferentSpelling) {
  UTL_String a("a.idl"), same("a.idl"), upper("A.IDL"), other("b.idl");
  UTL_String textless(static_cast<const char *>(nullptr));
  testing::internal::CaptureStderr();
  EXPECT_TRUE(a.compare(&same));
  EXPECT_FALSE(a.compare(&other));
  EXPECT_FALSE(a.compare(&textless));
  EXPECT_FALSE(textless.compare(&a));
  EXPECT_FALSE(a.compare(nullptr));
  EXPECT_EQ(0, idl_global->err_count());
  EXPECT_TRUE(a.compare(&upper));
  EXPECT_EQ("nuxc: \"a.idl\", line 7: identifier used with two differing spellings: "
            "\"a.idl\" and \"A.IDL\"\n",
            testing::internal::GetCapturedStderr());
  EXPECT_EQ(1, idl_global->err_count());
  EXPECT_STREQ("A.IDL", a.get_canonical_rep());
}

TEST_F(UtlTest, StringCopiesItsText) {
  char text[] = "abc";
  UTL_String s(text);
  text[0] = 'x';
  EXPECT_STREQ("abc", s.get_string());
  UTL_String copy(&s);
  EXPECT_STREQ("abc", copy.get_string());
  EXPECT_EQ(nullptr, UTL_String(static_cast<UTL_String *>(nullptr)).get_string());
}

TEST_F(UtlTest, IdentifierComparesExactly) {
  char m[] = "M", m2[] = "M", lower[] = "m";
  Identifier a(m), b(m2), c(lower), none(nullptr);
  EXPECT_TRUE(a.compare(&b));
  EXPECT_FALSE(a.compare(&c));
  EXPECT_FALSE(none.compare(&none));
}

TEST_F(UtlTest, ScopedNamesPrintJoinedByScopeDelimiter) {
  const struct {
    std::initializer_list<const char *> parts;
    const char *text;
  } cases[] = {
      {{"", "M", "X"}, "::M::X"},   // a full name starts with the root's empty component
      {{"::", "A", "B"}, "::A::B"}, // written with a leading ::
      {{"A", "B"}, "A::B"},
      {{"long"}, "long"},
      {{""}, ""},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.text, dumped(name_of(c.parts))) << c.text;
}

TEST_F(UtlTest, ListsAppendCopyAndIterate) {
  UTL_IdList *n = name_of({"A", "B", "C"});
  EXPECT_EQ(3, n->length());
  EXPECT_STREQ("C", n->last_component()->get_string());

  UTL_IdList *copy = n->copy();
  copy->nconc(name_of({"D"}));
  EXPECT_EQ("A::B::C::D", dumped(copy));
  EXPECT_EQ("A::B::C", dumped(n));
  EXPECT_EQ(n->head(), copy->head());

  std::string walked;
  for (UTL_IdListActiveIterator i(copy); !i.is_done(); i.next())
    walked += i.item()->get_string();
  EXPECT_EQ("ABCD", walked);

  UTL_NamelistActiveIterator empty(nullptr);
  EXPECT_TRUE(empty.is_done());
  EXPECT_EQ(nullptr, empty.item());
}

TEST_F(UtlTest, ReadingPendingPragmasClearsThem) {
  UTL_StrList *p = new UTL_StrList(new UTL_String("prefix \"x\""), nullptr);
  idl_global->set_pragmas(p);
  EXPECT_EQ(p, idl_global->pragmas());
  EXPECT_EQ(nullptr, idl_global->pragmas());
}

TEST_F(UtlTest, IncludeFileNamesAreKeptOnceInOrder) {
  testing::internal::CaptureStderr();
  for (const char *name : {"a.idl", "b.idl", "a.idl"})
    idl_global->store_include_file_name(new UTL_String(name));
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  ASSERT_EQ(2u, idl_global->n_include_file_names());
  EXPECT_STREQ("a.idl", idl_global->include_file_names()[0]->get_string());
  EXPECT_STREQ("b.idl", idl_global->include_file_names()[1]->get_string());

  testing::internal::CaptureStderr();
  idl_global->store_include_file_name(new UTL_String("A.idl"));
  EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find(
                                   "identifier used with two differing spellings: "));
  EXPECT_EQ(2u, idl_global->n_include_file_names());
}

TEST_F(UtlTest, IncludeFileNamesGrowPastTheFirstBlock) {
  for (int i = 0; i < 200; i++)
    idl_global->store_include_file_name(new UTL_String(("f" + std::to_string(i)).c_str()));
  ASSERT_EQ(200u, idl_global->n_include_file_names());
  EXPECT_STREQ("f0", idl_global->include_file_names()[0]->get_string());
  EXPECT_STREQ("f199", idl_global->include_file_names()[199]->get_string());
}

TEST_F(UtlTest, ImportedOnlyOutsideTheMainFileWithImportOn) {
  const struct {
    bool in_main, import, imported;
  } cases[] = {{false, true, true}, {true, true, false}, {false, false, false}, {true, false, false}};
  for (const auto &c : cases) {
    idl_global->set_in_main_file(c.in_main);
    idl_global->set_import(c.import);
    EXPECT_EQ(c.imported, idl_global->imported()) << c.in_main << c.import;
  }
}

TEST_F(UtlTest, ErrorHeaderNamesStandardInputAndTheCurrentLine) {
  idl_global->set_read_from_stdin(true);
  idl_global->set_filename(new UTL_String("/tmp/idli_abcdef.cc"));
  testing::internal::CaptureStderr();
  idl_global->err()->lookup_error(name_of({"::", "A", "B"}));
  idl_global->err()->syntax_error(IDL_GlobalData::PS_ModuleDeclSeen);
  EXPECT_EQ("nuxc: \"standard input\", line 7: error in lookup of symbol: ::A::B\n"
            "nuxc: \"standard input\", line 7: Malformed module declaration\n",
            testing::internal::GetCapturedStderr());
  EXPECT_EQ(2, idl_global->err_count());
}

TEST_F(UtlTest, ParseStateMessagesCoverEveryState) {
  EXPECT_STREQ("Statement can not be parsed", UTL_Error::parse_state_message(0));
  EXPECT_STREQ("Illegal syntax following union element", UTL_Error::parse_state_message(53));
  EXPECT_STREQ("Illegal syntax following union element", UTL_Error::parse_state_message(54));
  EXPECT_STREQ("Illegal syntax after declarator in declarators list",
               UTL_Error::parse_state_message(112));
  EXPECT_STREQ("Malformed valuetype declaration", UTL_Error::parse_state_message(113));
  EXPECT_STREQ("Some syntax error",
               UTL_Error::parse_state_message(IDL_GlobalData::PS_ImportSeen + 1));
  EXPECT_STREQ("Some syntax error", UTL_Error::parse_state_message(-1));
}

TEST_F(UtlTest, IndenterNeverGoesBelowZero) {
  UTL_Indenter in;
  std::ostringstream o;
  in.decrease();
  in.increase();
  in.increase();
  in.skip_to(o);
  o << "|";
  in.reset();
  in.skip_to(o);
  EXPECT_EQ("    |", o.str());
}

} // namespace
