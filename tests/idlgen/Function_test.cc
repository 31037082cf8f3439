// Unit tests of generated functions and their list: the stub body dropped once, the list walked
// by index until null, the functions of one interface and operation name, and the diagnostic
// dump.
#include "idlgen/FunctionList.hh"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(Function, DestubDropsOnlyTheFirstBody) {
  Function f;
  EXPECT_TRUE(f.is_stub());
  f.cc_begin = "begin\n";
  f.cc_code = "stub\n";
  f.destub();
  EXPECT_FALSE(f.is_stub());
  EXPECT_TRUE(f.cc_code.isNull());
  EXPECT_STREQ("begin\n", f.cc_begin.aschar());
  f.cc_code = "defined\n";
  f.destub();
  EXPECT_STREQ("defined\n", f.cc_code.aschar());
}

TEST(FunctionList, KeepsTheOrderAddedAndEndsInNull) {
  FunctionList list;
  Function *added[1000];
  for (Function *&f : added) {
    f = new Function;
    list.add(f);
  }
  for (unsigned int i = 0; i < 1000; ++i)
    EXPECT_EQ(added[i], list[i]);
  EXPECT_EQ(nullptr, list[1000]);
}

TEST(FunctionList, FirstNamedOffersTheFunctionsOfANameInListOrder) {
  FunctionList list;
  auto add = [&list](const char *interface, const char *operation) {
    Function *f = new Function;
    f->idl_interface_name = interface;
    f->idl_operation_name = operation;
    list.add(f);
    return f;
  };
  // Enough functions that the index grows several times between the two "limit" functions.
  Function *main = add(nullptr, nullptr);
  Function *getter = add("Bank::Account", "limit");
  add("Bank::Account", "balance");
  add("Bank", "Account::limit");
  for (int i = 0; i < 100; ++i)
    add("Bank::Account", ("op" + std::to_string(i)).c_str());
  Function *setter = add("Bank::Account", "limit");

  std::vector<Function *> offered;
  auto offer = [&offered](const Function &f) {
    offered.push_back(const_cast<Function *>(&f));
    return false;
  };
  EXPECT_EQ(nullptr, list.first_named(Dstr("Bank::Account"), Dstr("limit"), offer));
  EXPECT_EQ((std::vector<Function *>{getter, setter}), offered);
  auto is_setter = [setter](const Function &f) { return &f == setter; };
  EXPECT_EQ(setter, list.first_named(Dstr("Bank::Account"), Dstr("limit"), is_setter));
  auto any = [](const Function &) { return true; };
  EXPECT_EQ(nullptr, list.first_named(Dstr("Bank::Account"), Dstr("deposit"), any));
  EXPECT_EQ(main, list.first_named(Dstr(), Dstr(), any));
  EXPECT_EQ(nullptr, FunctionList().first_named(Dstr(), Dstr(), any));
}

TEST(FunctionList, DiagnosticOutputShowsNamesKindAndTexts) {
  FunctionList list;
  Function *f = new Function;
  f->cc_class_name = "Bank_Account_i";
  f->cc_function_name = "balance";
  f->idl_op_type = Function::attribute_get;
  f->idl_interface_name = "Bank::Account";
  f->idl_operation_name = "balance";
  f->cc_begin = "{\n";
  f->cc_end = "}\n";
  f->returnType = "long";
  list.add(f);
  std::ostringstream out;
  out << list;
  EXPECT_EQ("\nBEGIN FUNCTION LIST\n\n"
            "cc_class_name: Bank_Account_i\ncc_function_name: balance\n"
            "idl_op_type: attribute_get\nidl_interface_name: Bank::Account\n"
            "idl_operation_name: balance\n"
            "cc_begin: \n{\ncc_code: \ncc_end: \n}\nreturnType: \nlong"
            "END FUNCTION LIST\n\n",
            out.str());
}

}  // namespace
