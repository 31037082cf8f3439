// Unit tests of the generated-function lookup and of begin/end over a hand-made function list:
// names through declared variables and through interface names, stubs taken one at a time,
// getters passed over on request, and the errors of begin and end.
#include "nux/NUX.hh"

#include <gtest/gtest.h>

#include <string>

#include "foundation/IgnorableError.hh"

namespace {

class NUXFunctionsTest : public testing::Test {
protected:
  NUXFunctionsTest() : compiler(Dstr(TRACE_BINDING)), declarations(Dstr("g_")) {
    compiler.mainFunction = add(nullptr, nullptr, Function::operation);
    compiler.mainFunction->cc_function_name = "main";
    deposit = add("Bank::Account", "deposit", Function::operation);
    getter = add("Bank::Account", "balance", Function::attribute_get);
    setter = add("Bank::Account", "balance", Function::attribute_set);
    oddlyNamed = add("ab:c", "f", Function::operation);
    declarations.add(Dstr("Bank::Account"), Dstr("acct"), Dstr(), Dstr(), Dstr(), Dstr(), 1);
    declarations.add(Dstr("Bank::Account"), Dstr("a"), Dstr(), Dstr(), Dstr(), Dstr(), 1);
    compiler.lineNumber = 7;
  }

  Function *add(const char *interface, const char *operation, Function::OpType kind) {
    Function *f = new Function;
    f->idl_interface_name = interface;
    f->idl_operation_name = operation;
    f->idl_op_type = kind;
    f->cc_code = "stub body\n";
    functions.add(f);
    return f;
  }

  Function *find(const char *name, int skipGetters = 0) {
    NUX::declaration *decl = nullptr;
    Function *f =
        compiler.nuxfunction2realfunction(functions, declarations, Dstr(name), decl, skipGetters);
    foundDecl = decl;
    return f;
  }

  NUX compiler;
  FunctionList functions;
  DeclarationList declarations;
  Function *deposit, *getter, *setter, *oddlyNamed;
  NUX::declaration *foundDecl = nullptr;
};

TEST_F(NUXFunctionsTest, NamesFindFunctionsThroughVariablesAndInterfaces) {
  EXPECT_EQ(compiler.mainFunction, find("main"));
  EXPECT_EQ(nullptr, foundDecl);
  EXPECT_EQ(deposit, find("acct::deposit"));
  EXPECT_EQ(declarations["acct"], foundDecl);
  EXPECT_EQ(deposit, find("Bank::Account::deposit"));
  EXPECT_EQ(nullptr, foundDecl);
  EXPECT_EQ(oddlyNamed, find("ab:c::f"));
  EXPECT_EQ(deposit, find("a::deposit"));
  EXPECT_EQ(declarations["a"], foundDecl);
  EXPECT_EQ(getter, find("acct::balance"));
  EXPECT_EQ(setter, find("acct::balance", 1));

  // Through an interface name only stubs match; through a variable any function does.
  deposit->destub();
  EXPECT_EQ(nullptr, find("Bank::Account::deposit"));
  EXPECT_STREQ("No remaining functions matching Bank::Account::deposit on line 7 of NUX file",
               ignerrmsg.aschar());
  EXPECT_EQ(deposit, find("acct::deposit"));
  getter->destub();
  EXPECT_EQ(setter, find("Bank::Account::balance"));
  EXPECT_EQ(nullptr, find("acct::withdraw"));
  EXPECT_STREQ("No remaining functions matching acct::withdraw on line 7 of NUX file",
               ignerrmsg.aschar());
}

TEST_F(NUXFunctionsTest, NameWithoutIdentifierIsFatal) {
  for (const char *name : {"f", "::f", "ab:f", ""})
    EXPECT_EXIT(find(name), testing::ExitedWithCode(255),
                "^Fatal Error: " + std::string(name) +
                    " needs an identifier:: on line 7 of NUX file\n$")
        << name;
}

TEST_F(NUXFunctionsTest, BeginDropsTheStubAndWrapsVariableFunctionsInInstanceTemplates) {
  compiler.do_begin_function(functions, declarations, Dstr("acct::deposit"));
  EXPECT_EQ(deposit, compiler.activeFunction);
  EXPECT_FALSE(deposit->is_stub());
  compiler.do_end_function(Dstr("acct::deposit"));
  EXPECT_EQ(nullptr, compiler.activeFunction);
  EXPECT_STREQ("[cc.class.member.begin.instance] server_identifier=<acct>\n"
               "[cc.class.member.end.instance] server_identifier=<acct>\n",
               deposit->cc_code.aschar());

  // Defining it again appends to the body it has.
  compiler.do_begin_function(functions, declarations, Dstr("acct::deposit"));
  compiler.do_end_function(Dstr("acct::deposit"));
  EXPECT_STREQ("[cc.class.member.begin.instance] server_identifier=<acct>\n"
               "[cc.class.member.end.instance] server_identifier=<acct>\n"
               "[cc.class.member.begin.instance] server_identifier=<acct>\n"
               "[cc.class.member.end.instance] server_identifier=<acct>\n",
               deposit->cc_code.aschar());

  compiler.do_begin_function(functions, declarations, Dstr("main"));
  EXPECT_TRUE(compiler.mainFunction->cc_code.isNull());
  compiler.do_end_function(Dstr("main"));
  EXPECT_TRUE(compiler.mainFunction->cc_code.isNull());
}

TEST_F(NUXFunctionsTest, BeginAndEndErrors) {
  EXPECT_EXIT(compiler.do_end_function(Dstr("main")), testing::ExitedWithCode(255),
              "^Fatal Error: No active function at line 7 of NUX file\n$");
  EXPECT_EXIT(compiler.do_begin_function(functions, declarations, Dstr("acct::withdraw")),
              testing::ExitedWithCode(255),
              "^Fatal Error: No remaining functions matching acct::withdraw on line 7 of NUX "
              "file\n$");
  compiler.do_begin_function(functions, declarations, Dstr("main"));
  EXPECT_EXIT(compiler.do_begin_function(functions, declarations, Dstr("acct::deposit")),
              testing::ExitedWithCode(255),
              "^Fatal Error: Previous function not ended at line 7 of NUX file\n$");
  EXPECT_EXIT(compiler.do_end_function(Dstr("Main")), testing::ExitedWithCode(255),
              "^Fatal Error: Mismatched end command at line 7 of NUX file\n$");
}

}  // namespace
