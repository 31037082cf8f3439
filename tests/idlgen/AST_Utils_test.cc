// Unit tests of the tree helpers over parsed IDL: the fixed-size tests (nested and typedef'd
// types, types declared inside a structure or union), names of declarations and of label
// expressions, and the values of case labels of every discriminator kind.
#include "idlgen/AST_Utils.hh"

#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "IdlTree.hh"
#include "frontend/ast_field.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_type.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_union_label.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_scope.hh"

namespace {

using AstUtils = IdlTree;

TEST_F(AstUtils, FixedSizeTests) {
  parse("module M {\n"
        "  struct Longs { long a; long b; };\n"
        "  struct WithString { long a; string s; };\n"
        "  struct WithAny { any a; };\n"
        "  struct Nested { long a; Longs l; };\n"
        "  struct HoldsVariable { Longs l; WithString w; };\n"
        "  struct WithEnum { enum Color { red, green } c; long x; };\n"
        "  struct WithVariableInner { struct Inner { string s; } i; };\n"
        "  union FixedU switch (long) { case 1: long a; default: Longs l; };\n"
        "  union VariableU switch (long) { case 1: long a; case 2: sequence<long> s; };\n"
        "  union WithEnumU switch (short) { case 1: enum Shade { dark } s; };\n"
        "  typedef Longs LongsAlias;\n"
        "  typedef LongsAlias LongsAlias2;\n"
        "  typedef long Matrix[2][3];\n"
        "  typedef string Names[2];\n"
        "  typedef sequence<long> LongSeq;\n"
        "  interface I {};\n"
        "  typedef I IAlias;\n"
        "  enum E { e1 };\n"
        "  typedef long LongT;\n"
        "};\n");
  const struct {
    const char *name;
    bool fixed;
    bool fixedStructOrUnion;
    bool interface;
  } cases[] = {
      {"M::Longs", true, true, false},          {"M::WithString", false, false, false},
      {"M::WithAny", false, false, false},      {"M::Nested", true, true, false},
      {"M::HoldsVariable", false, false, false}, {"M::WithEnum", true, true, false},
      {"M::WithVariableInner", false, false, false}, {"M::FixedU", true, true, false},
      {"M::VariableU", false, false, false},    {"M::WithEnumU", true, true, false},
      {"M::LongsAlias", true, true, false},     {"M::LongsAlias2", true, true, false},
      {"M::Matrix", true, false, false},        {"M::Names", false, false, false},
      {"M::LongSeq", false, false, false},      {"M::I", false, false, true},
      {"M::IAlias", false, false, true},        {"M::E", true, false, false},
      {"M::LongT", true, false, false},         {"long", true, false, false},
      {"any", false, false, false},
  };
  for (const auto &c : cases) {
    AST_Type *t = type(c.name);
    EXPECT_EQ(c.fixed, is_fixed(t)) << c.name;
    EXPECT_EQ(c.fixedStructOrUnion, is_fixed_struct_or_union(t)) << c.name;
    EXPECT_EQ(c.interface, is_interface_type(t)) << c.name;
  }
}

// A chain of structures, each a member of the next, can be as long as the file.
TEST_F(AstUtils, FixedSizeTestOfALongChainOfStructures) {
  const int length = 100000;
  std::string idl = "struct S0 { long a; };\n";
  for (int i = 1; i < length; ++i)
    idl += "struct S" + std::to_string(i) + " { S" + std::to_string(i - 1) + " a; };\n";
  idl += "struct Variable { S" + std::to_string(length - 1) + " a; string s; };\n";
  parse(idl);
  EXPECT_TRUE(is_fixed(type("S" + std::to_string(length - 1))));
  EXPECT_FALSE(is_fixed(type("Variable")));
}

// A scoped name made of the identifiers parts.
UTL_IdList *scoped(std::initializer_list<const char *> parts) {
  UTL_IdList *list = nullptr;
  for (const char *part : parts) {
    UTL_IdList *cell = create_scoped_name(part);
    list = list ? static_cast<UTL_IdList *>(list->nconc(cell)) : cell;
  }
  return list;
}

TEST(ScopedName, JoinsIdentifiersWithoutTheRootsEmptyName) {
  EXPECT_STREQ("Bank::Account", scopedNameOf(scoped({"", "Bank", "Account"})).aschar());
  EXPECT_STREQ("Outer::Inner::X", scopedNameOf(scoped({"Outer", "Inner", "X"})).aschar());
  EXPECT_STREQ("X", scopedNameOf(scoped({"X"})).aschar());
  EXPECT_STREQ("", scopedNameOf(scoped({""})).aschar());
}

TEST_F(AstUtils, NamesOfDeclarations) {
  parse("module Bank { interface Account { exception Failed {}; }; };\n"
        "struct Top { long a; };\n"
        "interface Audited : Bank::Account {};\n"
        "module Branch { interface Savings : ::Audited, Bank::Account {}; };\n");
  EXPECT_STREQ("Bank::Account", scopedNameOf(decl("Bank::Account")));
  EXPECT_STREQ("Account", nameOf(decl("Bank::Account")));
  EXPECT_STREQ("Bank::Account::Failed", scopedNameOf(decl("Bank::Account::Failed")));
  EXPECT_STREQ("Top", scopedNameOf(decl("Top")));
  EXPECT_STREQ("NT_interface", nodeType2String(decl("Bank::Account")->node_type()));
  EXPECT_STREQ("NT_pre_defined", nodeType2String(decl("long")->node_type()));
  const struct {
    const char *name;
    std::vector<std::string> bases;
  } interfaces[] = {
      {"Bank::Account", {}},
      {"Audited", {"Bank::Account"}},
      {"Branch::Savings", {"Audited", "Bank::Account"}},
  };
  for (const auto &i : interfaces) {
    std::vector<std::string> bases;
    for (const Dstr &base : baseNamesOf(AST_Interface::narrow_from_decl(decl(i.name))))
      bases.push_back(base.aschar());
    EXPECT_EQ(i.bases, bases) << i.name;
  }
}

// The kind names are the keys of every binding's type map: each kind keeps its name and its
// value.
TEST(NodeTypeNames, KeepTheirNamesAndOrder) {
  const char *const names[] = {
      "NT_module",      "NT_root",       "NT_interface", "NT_interface_fwd", "NT_const",
      "NT_except",      "NT_attr",       "NT_op",        "NT_argument",      "NT_union",
      "NT_union_branch", "NT_struct",    "NT_field",     "NT_enum",          "NT_enum_val",
      "NT_string",      "NT_array",      "NT_sequence",  "NT_typedef",       "NT_pre_defined",
      "NT_wstring",     "NT_valuebox",   "NT_valuetype", "NT_valuetype_fwd", "NT_state_member",
      "NT_factory",     "NT_native",     "NT_fixed",
  };
  for (int kind = 0; kind < int(std::size(names)); ++kind)
    EXPECT_STREQ(names[kind], nodeType2String(static_cast<AST_Decl::NodeType>(kind))) << kind;
}

// Every label of a union, as "value/name" joined by blanks: the label's value (or "default")
// and the name its expression was written with.
std::string labels_of(AST_Union *u) {
  std::string shown;
  for (UTL_ScopeActiveIterator i(u, UTL_Scope::SCOPE_ITER_DECLS); !i.is_done(); i.next()) {
    AST_UnionBranch *b = AST_UnionBranch::narrow_from_decl(i.item());
    const Dstr value = labelValueOf(b->label());
    shown += shown.empty() ? "" : " ";
    shown += value.isNull() ? "default" : value.aschar();
    if (b->label()->label_val())
      shown += std::string("/") + scopedNameOf(b->label()->label_val()).aschar();
  }
  return shown;
}

TEST_F(AstUtils, CaseLabelValuesAndNames) {
  parse("const long SEVEN = 7;\n"
        "const unsigned long BIG = 2000000000;\n"
        "module L {\n"
        "  enum Color { red, green, blue };\n"
        "  union ByColor switch (Color) { case L::blue: long b; case ::L::red: long r;\n"
        "                                  case green: long g; };\n"
        "  union ByLong switch (long) { case -5: long a; case SEVEN: long b; default: long c; };\n"
        "  union ByULong switch (unsigned long) { case BIG + BIG: long a; };\n"
        "  union ByChar switch (char) { case 'a': long a; };\n"
        "  union ByBool switch (boolean) { case TRUE: long t; case FALSE: long f; };\n"
        "};\n");
  const struct {
    const char *name;
    const char *labels;
  } cases[] = {
      {"L::ByColor", "2/L::blue 0/::L::red 1/green"},
      {"L::ByLong", "-5/ 7/SEVEN default"},
      {"L::ByULong", "4000000000/"},
      {"L::ByChar", "97/"},
      {"L::ByBool", "1/ 0/"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.labels, labels_of(AST_Union::narrow_from_decl(decl(c.name)))) << c.name;
}

}  // namespace
