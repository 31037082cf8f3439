// Unit tests of a binding's reserved words over scratch "reserved" files: the escape of local and
// scoped names, a binding without the file, and the file's errors.
#include "idlgen/NameSpelling.hh"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class NameSpellingTest : public testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/nuxc-reserved-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir = pattern;
    dir += "/";
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  NameSpelling read(const std::string &content) {
    std::ofstream(dir + "reserved", std::ios::binary) << content;
    return NameSpelling(Dstr(dir.c_str()));
  }

  std::string dir;
};

TEST_F(NameSpellingTest, ReservedWordsAreEscapedInEveryPartOfAName) {
  const NameSpelling names =
      read("# C++\n\nescape _cxx_*\ndelete  register\n\texport\n# new is a comment here\n");
  const struct {
    const char *name;
    const char *local;
    const char *scoped;
  } cases[] = {
      {"delete", "_cxx_delete", "_cxx_delete"},
      {"Delete", "Delete", "Delete"},
      {"deleted", "deleted", "deleted"},
      {"new", "new", "new"},
      {"M::register", "M::register", "M::_cxx_register"},
      {"export::I::delete", "export::I::delete", "_cxx_export::I::_cxx_delete"},
      {"::register::x", "::register::x", "::_cxx_register::x"},
      {"", "", ""},
  };
  for (const auto &c : cases) {
    EXPECT_STREQ(c.local, names.word(c.name).aschar()) << c.name;
    EXPECT_STREQ(c.scoped, names.scoped(c.name).aschar()) << c.name;
  }
}

TEST_F(NameSpellingTest, TheEscapeMayWrapTheWord) {
  EXPECT_STREQ("delete_", read("delete\nescape *_\n").word("delete").aschar());
  EXPECT_STREQ("_r_do_", read("escape _r_*_\ndo\n").word("do").aschar());
}

TEST_F(NameSpellingTest, WithoutTheFileOrWordsNamesStayAsWritten) {
  const NameSpelling none{Dstr(dir.c_str())};
  EXPECT_STREQ("M::delete", none.scoped("M::delete").aschar());
  EXPECT_STREQ("delete", read("# nothing reserved\n").word("delete").aschar());
  EXPECT_STREQ("delete", read("escape _cxx_*\n").word("delete").aschar());
}

TEST_F(NameSpellingTest, ErrorsNameTheFileAndLine) {
  const struct {
    const char *content;
    const char *message;
  } cases[] = {
      {"escape\n", "Syntax error in reserved words file DIRreserved line 1: escape takes one pattern"},
      {"\nescape _a_* _b_*\n",
       "Syntax error in reserved words file DIRreserved line 2: escape takes one pattern"},
      {"escape cxx\n", "Syntax error in reserved words file DIRreserved line 1: the escape "
                       "pattern must hold one \\* and other text"},
      {"escape *\n", "Syntax error in reserved words file DIRreserved line 1: the escape "
                     "pattern must hold one \\* and other text"},
      {"escape _*_*\n", "Syntax error in reserved words file DIRreserved line 1: the escape "
                        "pattern must hold one \\* and other text"},
      {"escape _*\nescape *_\n",
       "Syntax error in reserved words file DIRreserved line 2: a second escape line"},
      {"delete new\n", "Reserved words file DIRreserved has no escape line"},
  };
  for (const auto &c : cases) {
    std::string message(c.message);
    message.replace(message.find("DIR"), 3, dir);
    EXPECT_EXIT(read(c.content), testing::ExitedWithCode(255),
                "^Fatal Error: " + message + "\n$")
        << c.content;
  }
}

TEST_F(NameSpellingTest, AnUnreadableFileIsFatal) {
  std::filesystem::create_directory(dir + "reserved");
  EXPECT_EXIT(NameSpelling(Dstr(dir.c_str())), testing::ExitedWithCode(255),
              "^Fatal Error: Can't read " + dir + "reserved after line 0\n$");
}

}  // namespace
