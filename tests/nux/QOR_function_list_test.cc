// Unit tests of the QOR record list over a hand-made function list: which record each message
// of a QOR file is counted for, in particular the messages to an attribute, whose get and set
// functions share one name.
#include "nux/QOR_function_list.hh"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "nux/NUX.hh"
#include "qor/qor_y.hh"

namespace {

class QORFunctionListTest : public testing::Test {
protected:
  QORFunctionListTest() : compiler(Dstr(TRACE_BINDING)), declarations(Dstr("g_")) {
    compiler.mainFunction = add(nullptr, nullptr, Function::operation);
    add("Bank::Account", "deposit", Function::operation);
    add("Bank::Account", "balance", Function::operation);
    add("Bank::Account", "limit", Function::attribute_get);
    add("Bank::Account", "limit", Function::attribute_set);
    declarations.add(Dstr("Bank::Account"), Dstr("acct"), Dstr(), Dstr(), Dstr(), Dstr(), 1);
    compiler.lineNumber = 3;
  }

  ~QORFunctionListTest() override { qorfree(messages); }

  Function *add(const char *interface, const char *operation, Function::OpType kind) {
    Function *f = new Function;
    f->idl_interface_name = interface;
    f->idl_operation_name = operation;
    f->idl_op_type = kind;
    functions.add(f);
    return f;
  }

  // Counts the messages of text; the result describes each record, newest first, as its
  // function's kind and operation name followed by the numbers (from 1, in file order) of the
  // messages it holds, for example "get limit: 1 4".
  std::vector<std::string> count(const char *text, QOR_function_list &records) {
    qorfilename = "t.qor";
    FILE *file = fmemopen(const_cast<char *>(text), strlen(text), "r");
    qorfree(messages);
    messages = parse_qor_file(file);
    fclose(file);
    std::map<qormessage *, int> numbers;
    int n = 0;
    for (qormessage *m = messages; m; m = m->next) {
      numbers[m] = ++n;
      records.increment(m, functions, declarations, &compiler);
    }
    std::vector<std::string> result;
    for (QOR_function_list::function *f = records.head; f; f = f->next) {
      static const char *const kinds[] = {"op", "set", "get", "constructor"};
      std::string line = kinds[f->realfunction->idl_op_type];
      line += std::string(" ") + f->realfunction->idl_operation_name.aschar() + ":";
      for (qormessage *m : f->messages)
        line += " " + std::to_string(numbers[m]);
      result.push_back(line);
    }
    return result;
  }

  NUX compiler;
  FunctionList functions;
  DeclarationList declarations;
  qormessage *messages = nullptr;
};

// A bare message to an attribute stays with the record that takes it when it is counted: the
// only one there is, or the newest of the two.
TEST_F(QORFunctionListTest, MessagesGoToTheNewestRecordThatMayTakeThem) {
  const struct {
    const char *qor;
    std::vector<std::string> records;
  } cases[] = {
      {"c acct::deposit In: {5}  c acct::balance  c acct::deposit In: {7}",
       {"op balance: 2", "op deposit: 1 3"}},
      {"c acct::limit  c acct::limit In: {9}  c acct::limit  c acct::limit Out: {1}",
       {"set limit: 2 3", "get limit: 1 4"}},
      {"c acct::limit In: {9}  c acct::limit", {"set limit: 1 2"}},
      {"c acct::limit Out: {1}  c acct::limit In: {9}  c acct::limit Out: {2}",
       {"set limit: 2", "get limit: 1 3"}},
      // Two spellings of one function make two records.
      {"c acct::deposit  c Bank::Account::deposit  c acct::deposit",
       {"op deposit: 2", "op deposit: 1 3"}},
  };
  for (const auto &c : cases) {
    QOR_function_list fresh;
    EXPECT_EQ(c.records, count(c.qor, fresh)) << c.qor;
  }
}

}  // namespace
