// Unit tests of CodeGenerator over a scratch binding directory: the template-file format,
// emission into strings and files, the once-per-process cache, the missing and unreadable file
// errors, and the interface-name variables under different scope separators.
#include "foundation/CodeGenerator.hh"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class CodeGeneratorTest : public testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/nuxc-binding-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir = pattern;
    dir += "/";
    write("cchh.scope.separator", ".\n");
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  void write(const std::string &key, const std::string &content) {
    std::ofstream(dir + key, std::ios::binary) << content;
  }
  // What emitting key adds to a null string, shown as "(null)" when it stays null.
  std::string emit(CodeGenerator &generator, const char *key) {
    Dstr out;
    generator.cat_binding(out, key);
    return out.isNull() ? "(null)" : out.aschar();
  }

  std::string dir;
};

TEST_F(CodeGeneratorTest, CommentHeaderAndFirstEmptyLineAreDropped) {
  const struct {
    const char *content;
    const char *emitted;
  } cases[] = {
      {"// comment\n   // indented comment\n\ntext\n", "text\n"},
      {"x // y\n", "x // y\n"},
      {"\ntext\n", "text\n"},
      {"\n\ntext\n", "\ntext\n"},
      {"//\nfirst\n// later\n\n  last  ", "first\n// later\n\n  last  \n"},
      {"\t//c\r\nline\r\n", "line\r\n"},
      {"// only comments\n// here\n", "(null)"},
      {"", "(null)"},
  };
  int n = 0;
  for (const auto &c : cases) {
    const std::string key = "cc.case" + std::to_string(n++);
    write(key, c.content);
    CodeGenerator generator(dir.c_str());
    EXPECT_EQ(c.emitted, emit(generator, key.c_str())) << "template " << c.content;
  }
}

TEST_F(CodeGeneratorTest, EmissionFillsEveryLineFromTheSharedVariables) {
  write("cc.call", "// cc.call\n[cc.call] value=<VALUE>\nVALUE VALUE\n");
  write("hh.empty", "// nothing\n");
  CodeGenerator generator(dir.c_str());
  EXPECT_EQ("[cc.call] value=<VALUE>\nVALUE VALUE\n", emit(generator, "cc.call"));
  Replacements variables;
  generator.variables = &variables;
  variables.define("VALUE", "a\nb");
  Dstr out("before\n");
  generator.cat_binding(out, Dstr("cc.call"));
  EXPECT_STREQ("before\n[cc.call] value=<a\nb>\na\nb a\nb\n", out.aschar());

  Dstr body("body\n");
  generator.prepend_binding(body, "hh.empty");
  EXPECT_STREQ("body\n", body.aschar());
  variables.define("VALUE", "v");
  generator.prepend_binding(body, "cc.call");
  EXPECT_STREQ("[cc.call] value=<v>\nv v\nbody\n", body.aschar());

  FILE *f = tmpfile();
  generator.cat_binding(f, "cc.call");
  generator.cat_binding(f, "hh.empty");
  rewind(f);
  char text[64] = {};
  EXPECT_EQ(24u, fread(text, 1, sizeof text - 1, f));
  fclose(f);
  EXPECT_STREQ("[cc.call] value=<v>\nv v\n", text);
}

TEST_F(CodeGeneratorTest, EachFileIsReadOncePerProcess) {
  write("cc.once", "first\n");
  CodeGenerator generator(dir.c_str());
  EXPECT_EQ("first\n", emit(generator, "cc.once"));
  write("cc.once", "second\n");
  EXPECT_EQ("first\n", emit(generator, "cc.once"));
  std::filesystem::remove(dir + "cc.once");
  CodeGenerator another(dir.c_str());
  EXPECT_EQ("first\n", emit(another, "cc.once"));
}

TEST_F(CodeGeneratorTest, MissingFileIsFatalWithTheSystemError) {
  CodeGenerator generator(dir.c_str());
  EXPECT_EXIT(emit(generator, "cc.missing"), testing::ExitedWithCode(255),
              "^cc.missing: No such file or directory\nFatal Error: can't open " + dir +
                  "cc.missing for reading\n$");
}

// A key that opens but cannot be read (here a directory) must not pass for an empty template.
TEST_F(CodeGeneratorTest, UnreadableFileIsFatal) {
  std::filesystem::create_directory(dir + "cc.directory");
  CodeGenerator generator(dir.c_str());
  EXPECT_EXIT(emit(generator, "cc.directory"), testing::ExitedWithCode(255),
              "^Fatal Error: can't read " + dir + "cc.directory: Is a directory\n$");
}

TEST_F(CodeGeneratorTest, SetInterfaceSplitsScopedNames) {
  const struct {
    const char *separatorFile;
    const char *name;
    const char *splitModule, *splitClass, *uspModule, *javaModSep, *interfaceName, *uInterface;
  } cases[] = {
      {".\n", "Outer::Inner::Account", "Outer.Inner", "Account", "Outer_Inner", ".",
       "Outer.Inner.Account", "Outer_Inner_Account"},
      {".", "Account", "", "Account", "", "", "Account", "Account"},
      {"::  \n", "Outer::Inner::Account", "Outer::Inner", "Account", "Outer_Inner", ".",
       "Outer::Inner::Account", "Outer_Inner_Account"},
      {"// a comment header\n->\n", "M::I", "M", "I", "M", ".", "M->I", "M_I"},
  };
  int n = 0;
  for (const auto &c : cases) {
    // Each separator in a directory of its own: the cache keeps files by path.
    const std::string sub = dir + "sep" + std::to_string(n++) + "/";
    std::filesystem::create_directory(sub);
    std::ofstream(sub + "cchh.scope.separator") << c.separatorFile;
    CodeGenerator generator(sub.c_str());
    Replacements variables;
    generator.variables = &variables;
    generator.set_interface(c.name);
    const struct {
      const char *variable, *value;
    } expected[] = {{"SPLIT_MODULE", c.splitModule}, {"SPLIT_CLASS", c.splitClass},
                    {"USPMODULE", c.uspModule},      {"JAVAMODSEP", c.javaModSep},
                    {"INTERFACE_NAME", c.interfaceName}, {"UINTERFACE", c.uInterface}};
    int position = 0;
    for (const auto &e : expected) {
      EXPECT_EQ(position++, variables.find_association(e.variable)) << c.name << " " << e.variable;
      EXPECT_TRUE(variables.translate(e.variable) == e.value)
          << c.name << " " << e.variable << " = " << variables.translate(e.variable);
    }
  }
}

TEST_F(CodeGeneratorTest, ScopeListsConvertScopedNames) {
  CodeGenerator dotted(dir.c_str());
  Dstr name("A::B::C");
  dotted.scopeSeparator.do_subs(name);
  EXPECT_STREQ("A.B.C", name.aschar());
  Dstr flat("A::B::C");
  dotted.underscoreScope.do_subs(flat);
  EXPECT_STREQ("A_B_C", flat.aschar());
  EXPECT_EQ(nullptr, dotted.variables);
  EXPECT_EQ(nullptr, dotted.types);
  EXPECT_STREQ(dir.c_str(), dotted.bindingDir.aschar());
}

}  // namespace
