// Unit tests of class openings over the trace binding: the base-list templates with
// CLASS_NAME as each one sees it, and a base that has no generated class.
#include "foundation/CodeGenerator.hh"

#include <gtest/gtest.h>

namespace {

class ClassBeginTest : public testing::Test {
protected:
  ClassBeginTest() : generator(Dstr(TRACE_BINDING)) {
    generator.variables = &variables;
    classmap.define("Bank::A", "Bank_A_i");
    classmap.define("B", "B_i");
  }

  CodeGenerator generator;
  Replacements variables;
  AList classmap;
};

TEST_F(ClassBeginTest, BaseTemplatesSeeTheClassNameAsLastDefined) {
  Dstr out;
  generator.do_class_begin(out, Dstr("Bank::C_i"), {Dstr("Bank::A"), Dstr("B")}, "hh", &classmap);
  EXPECT_STREQ("[hh.class.begin] class_name=<Bank.C_i>\n"
               "[hh.class.inherits.begin] class_name=<Bank.C_i>\n"
               "[hh.class.inherits] class_name=<Bank_A_i>\n"
               "[hh.class.inherits.separator] class_name=<Bank_A_i>\n"
               "[hh.class.inherits] class_name=<B_i>\n"
               "[hh.class.members.begin] class_name=<B_i>\n",
               out.aschar());
  EXPECT_STREQ("Bank::C_i", variables.translate("CLASS_NAME").aschar());

  Dstr plain;
  generator.do_class_begin(plain, Dstr("A_i"), {}, "cc", &classmap);
  EXPECT_STREQ("[cc.class.begin] class_name=<A_i>\n[cc.class.members.begin] class_name=<A_i>\n",
               plain.aschar());
}

TEST_F(ClassBeginTest, BaseWithoutClassIsFatal) {
  Dstr out;
  EXPECT_EXIT(generator.do_class_begin(out, Dstr("C_i"), {Dstr("Bank::Z")}, "hh", &classmap),
              testing::ExitedWithCode(255),
              "^Fatal Error: Can't find class corresponding to interface Bank::Z\n$");
}

}  // namespace
