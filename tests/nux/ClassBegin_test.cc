// Unit tests of class openings over interfaces of the syntax tree: scoped names without the
// root's leading "::", the base-list templates with CLASS_NAME as each one sees it, and a base
// that has no generated class.
#include "foundation/CodeGenerator.hh"
#include "foundation/ScopedName.hh"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "frontend/ast_interface.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"

namespace {

UTL_IdList *scoped(std::initializer_list<const char *> parts) {
  UTL_IdList *list = nullptr;
  for (const char *part : parts) {
    UTL_IdList *cell = new UTL_IdList(new Identifier(strdup(part)), nullptr);
    list = list ? static_cast<UTL_IdList *>(list->nconc(cell)) : cell;
  }
  return list;
}

class ClassBeginTest : public testing::Test {
protected:
  ClassBeginTest() : generator(Dstr(TRACE_BINDING)) {
    if (!idl_global)
      idl_global = new IDL_GlobalData;
    generator.variables = &variables;
    classmap.define("Bank::A", "Bank_A_i");
    classmap.define("B", "B_i");
  }

  AST_Interface *interface(UTL_IdList *name, AST_Interface **bases, long n) {
    return new AST_Interface(name, bases, n, nullptr);
  }

  CodeGenerator generator;
  Replacements variables;
  AList classmap;
};

TEST(ScopedName, JoinsIdentifiersWithoutTheRootsEmptyName) {
  EXPECT_STREQ("Bank::Account", scopedNameOf(scoped({"", "Bank", "Account"})).aschar());
  EXPECT_STREQ("Outer::Inner::X", scopedNameOf(scoped({"Outer", "Inner", "X"})).aschar());
  EXPECT_STREQ("X", scopedNameOf(scoped({"X"})).aschar());
  EXPECT_STREQ("", scopedNameOf(scoped({""})).aschar());
}

TEST_F(ClassBeginTest, BaseTemplatesSeeTheClassNameAsLastDefined) {
  AST_Interface *a = interface(scoped({"", "Bank", "A"}), nullptr, 0);
  AST_Interface *b = interface(scoped({"", "B"}), nullptr, 0);
  AST_Interface *bases[] = {a, b};
  Dstr out;
  generator.do_class_begin(out, Dstr("Bank::C_i"), interface(scoped({"", "Bank", "C"}), bases, 2),
                           "hh", &classmap);
  EXPECT_STREQ("[hh.class.begin] class_name=<Bank.C_i>\n"
               "[hh.class.inherits.begin] class_name=<Bank.C_i>\n"
               "[hh.class.inherits] class_name=<Bank_A_i>\n"
               "[hh.class.inherits.separator] class_name=<Bank_A_i>\n"
               "[hh.class.inherits] class_name=<B_i>\n"
               "[hh.class.members.begin] class_name=<B_i>\n",
               out.aschar());
  EXPECT_STREQ("Bank::C_i", variables.translate("CLASS_NAME").aschar());

  Dstr plain;
  generator.do_class_begin(plain, Dstr("A_i"), a, "cc", &classmap);
  EXPECT_STREQ("[cc.class.begin] class_name=<A_i>\n[cc.class.members.begin] class_name=<A_i>\n",
               plain.aschar());
}

TEST_F(ClassBeginTest, BaseWithoutClassIsFatal) {
  AST_Interface *unknown[] = {interface(scoped({"", "Bank", "Z"}), nullptr, 0)};
  Dstr out;
  EXPECT_EXIT(generator.do_class_begin(out, Dstr("C_i"), interface(scoped({"", "C"}), unknown, 1),
                                       "hh", &classmap),
              testing::ExitedWithCode(255),
              "^Fatal Error: Can't find class corresponding to interface Bank::Z\n$");
}

}  // namespace
