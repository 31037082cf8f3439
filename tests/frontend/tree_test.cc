// Unit tests of the syntax tree and its scopes: full names, lookups, the add rule and its
// messages, forward declarations, enumerator twins, union labels, the add pass and dumps.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fe_test_setup.hh"
#include "frontend/ast_array.hh"
#include "frontend/ast_constant.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_factory.hh"
#include "frontend/ast_generator.hh"
#include "frontend/ast_interface.hh"
#include "frontend/ast_module.hh"
#include "frontend/ast_state_member.hh"
#include "frontend/ast_structure.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/ast_union.hh"
#include "frontend/ast_value_type.hh"
#include "frontend/be_classes.hh"
#include "frontend/fe_extern.hh"
#include "frontend/fe_start.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_lists.hh"
#include "frontend/utl_scopestack.hh"

namespace {

using E = AST_Expression;

class TreeTest : public FrontEndTest {
protected:
  AST_Generator *g() { return idl_global->gen(); }
  AST_Root *root() { return idl_global->root(); }
  UTL_ScopeStack *stack() { return idl_global->scopes(); }
  AST_Type *type(E::ExprType t) { return root()->lookup_primitive_type(t); }

  // Creates a module inside the scope on top of the stack and opens it.
  AST_Module *open_module(const char *name) {
    AST_Module *m = g()->create_module(scoped({name}), nullptr);
    stack()->top()->fe_add_module(m);
    stack()->push(m);
    return m;
  }
  AST_Interface *open_interface(const char *name, AST_Interface **ih = nullptr, long n = 0) {
    AST_Interface *i = g()->create_interface(scoped({name}), ih, n, nullptr);
    stack()->top()->fe_add_interface(i);
    stack()->push(i);
    return i;
  }
  AST_Constant *add_const(const char *name, long value) {
    return stack()->top()->fe_add_constant(
        g()->create_constant(E::EXPR_LONG, g()->create_expr(value), scoped({name}), nullptr));
  }
  AST_Decl *find(std::initializer_list<const char *> name) {
    return stack()->top()->lookup_by_name(scoped(name), true);
  }
};

template <class Node> std::string dumped(Node *d) {
  std::ostringstream o;
  d->dump(o);
  return o.str();
}

TEST_F(TreeTest, FullNamesFollowTheDefiningScopes) {
  open_module("M");
  open_interface("I");
  AST_Operation *f = g()->create_operation(type(E::EXPR_VOID), AST_Operation::OPFLAG_NONE,
                                           scoped({"f"}), nullptr);
  EXPECT_EQ("::M::I::f", text_of(f->name()));
  EXPECT_STREQ("f", f->local_name()->get_string());
  EXPECT_EQ("::long", text_of(type(E::EXPR_LONG)->name()));
  EXPECT_EQ("", text_of(root()->name()));
  EXPECT_TRUE(f->has_ancestor(ScopeAsDecl(stack()->bottom())));

  // As one text, without the root's empty name; a new name replaces the text kept.
  EXPECT_STREQ("M::I::f", f->scoped_name_text());
  EXPECT_STREQ("long", type(E::EXPR_LONG)->scoped_name_text());
  EXPECT_STREQ("", root()->scoped_name_text());
  f->set_name(scoped({"", "M", "g"}));
  EXPECT_STREQ("M::g", f->scoped_name_text());
}

TEST_F(TreeTest, NodesComeFromTheInstalledFactory) {
  AST_Module *m = open_module("M");
  EXPECT_NE(nullptr, be_module::narrow_from_decl(m));
  EXPECT_NE(nullptr, be_module::narrow_from_scope(m));
  EXPECT_EQ(nullptr, be_module::narrow_from_decl(root()));
  EXPECT_NE(nullptr, be_predefined_type::narrow_from_decl(type(E::EXPR_LONG)));
  EXPECT_EQ(nullptr, AST_Interface::narrow_from_decl(m));
  EXPECT_EQ(m, ScopeAsDecl(DeclAsScope(m)));
  EXPECT_EQ(nullptr, DeclAsScope(type(E::EXPR_LONG)));
  EXPECT_EQ(nullptr, ScopeAsDecl(nullptr));
}

// Each node of a value type is narrowed to its own class and to the class it derives from, as
// code written for interfaces, operations and fields meets value types, factories and state.
TEST_F(TreeTest, ValueTypeNodesNarrowToTheClassesTheyDeriveFrom) {
  AST_ValueType *v = g()->create_value_type(scoped({"V"}), nullptr, 0, nullptr);
  AST_ValueTypeFwd *fwd = g()->create_value_type_fwd(scoped({"W"}), nullptr);
  AST_Factory *f = g()->create_factory(scoped({"create"}), nullptr);
  AST_StateMember *m = g()->create_state_member(true, type(E::EXPR_LONG), scoped({"x"}), nullptr);
  EXPECT_EQ(v, AST_ValueType::narrow_from_decl(v));
  EXPECT_EQ(v, AST_Interface::narrow_from_decl(v));
  EXPECT_EQ(v, AST_Type::narrow_from_decl(v));
  EXPECT_EQ(fwd, AST_ValueTypeFwd::narrow_from_decl(fwd));
  EXPECT_EQ(fwd, AST_InterfaceFwd::narrow_from_decl(fwd));
  EXPECT_EQ(f, AST_Factory::narrow_from_decl(f));
  EXPECT_EQ(f, AST_Operation::narrow_from_decl(f));
  EXPECT_EQ(m, AST_StateMember::narrow_from_decl(m));
  EXPECT_EQ(m, AST_Field::narrow_from_decl(m));
  EXPECT_EQ(nullptr, AST_ValueType::narrow_from_decl(open_interface("I")));
  EXPECT_EQ(nullptr, AST_Factory::narrow_from_decl(g()->create_operation(
                         type(E::EXPR_VOID), AST_Operation::OPFLAG_NONE, scoped({"op"}), nullptr)));
  EXPECT_EQ(nullptr, AST_StateMember::narrow_from_decl(
                         g()->create_field(type(E::EXPR_LONG), scoped({"y"}), nullptr)));
}

TEST_F(TreeTest, LookupsClimbEnclosingScopesBeforeInheritedOnes) {
  open_interface("B");
  add_const("X", 1);
  add_const("OnlyInB", 3);
  stack()->pop();
  open_module("M");
  AST_Constant *mx = add_const("X", 2);
  AST_Interface *b = AST_Interface::narrow_from_decl(find({"::", "B"}));
  AST_Interface **ih = new AST_Interface *[1]{b};
  open_interface("I", ih, 1);
  EXPECT_EQ(mx, find({"X"}));
  EXPECT_EQ("::B::OnlyInB", text_of(find({"OnlyInB"})->name()));
  EXPECT_EQ(mx, find({"::", "M", "X"}));
  EXPECT_EQ(nullptr, find({"M", "Nothing"}));
  EXPECT_EQ(nullptr, find({"Nothing"}));
}

TEST_F(TreeTest, TypedefsAreFollowedOnlyWhereAFurtherComponentIsNeeded) {
  AST_Interface *i = open_interface("I");
  AST_Structure *s = g()->create_structure(scoped({"S"}), nullptr);
  i->fe_add_structure(s);
  stack()->push(s);
  s->fe_add_field(g()->create_field(type(E::EXPR_LONG), scoped({"c"}), nullptr));
  stack()->pop();
  stack()->pop();
  root()->fe_add_typedef(g()->create_typedef(i, scoped({"A"}), nullptr));
  EXPECT_EQ(nullptr, find({"A", "S"})) << "the typedef is the next-to-last component";
  AST_Decl *c = find({"A", "S", "c"});
  ASSERT_NE(nullptr, c);
  EXPECT_EQ("::I::S::c", text_of(c->name()));
}

TEST_F(TreeTest, RedefinitionsAreReportedWithTheThreeNames) {
  open_module("M");
  add_const("X", 1);
  stack()->pop();
  testing::internal::CaptureStderr();
  AST_Module *again = root()->fe_add_module(g()->create_module(scoped({"M"}), nullptr));
  ASSERT_NE(nullptr, again) << "a module may be opened again";
  stack()->push(again);
  idl_global->set_lineno(12);
  EXPECT_EQ(nullptr, add_const("X", 2)) << "the openings of a module share their names";
  AST_Interface *i = open_interface("I");
  i->fe_add_attribute(g()->create_attribute(false, type(E::EXPR_LONG), scoped({"a"}), nullptr));
  i->fe_add_operation(g()->create_operation(type(E::EXPR_VOID), AST_Operation::OPFLAG_NONE,
                                            scoped({"a"}), nullptr));
  EXPECT_EQ("nuxc: \"t.idl\", line 12: redefinition after use, ::M::X, ::M, ::M::X\n"
            "nuxc: \"t.idl\", line 12: illegal redefinition ::M::I::a, ::M::I, ::M::I::a\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(TreeTest, PredefinedNamesCannotBeRedeclaredAtTheOutermostLevel) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(nullptr, root()->fe_add_typedef(
                         g()->create_typedef(type(E::EXPR_LONG), scoped({"TypeCode"}), nullptr)));
  open_module("M");
  EXPECT_NE(nullptr, stack()->top()->fe_add_typedef(
                         g()->create_typedef(type(E::EXPR_LONG), scoped({"TypeCode"}), nullptr)));
  EXPECT_EQ("nuxc: \"t.idl\", line 3: illegal redefinition ::TypeCode, , ::TypeCode\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(TreeTest, ForwardDeclarationSharesOneInterface) {
  const long predefined = root()->nmembers();
  AST_InterfaceFwd *f = g()->create_interface_fwd(scoped({"A"}), nullptr);
  ASSERT_NE(nullptr, root()->fe_add_interface_fwd(f));
  AST_Interface *placeholder = f->full_definition();
  EXPECT_FALSE(placeholder->is_defined());
  EXPECT_EQ(-1, placeholder->n_inherits());
  EXPECT_EQ(placeholder, find({"A"}));
  EXPECT_FALSE(root()->referenced(placeholder)) << "using it does not forbid the definition";

  AST_InterfaceFwd *again = g()->create_interface_fwd(scoped({"A"}), nullptr);
  EXPECT_EQ(again, root()->fe_add_interface_fwd(again));
  EXPECT_EQ(placeholder, again->full_definition());

  placeholder->set_n_inherits(0);
  EXPECT_EQ(placeholder, root()->fe_add_interface(placeholder));
  EXPECT_EQ(placeholder, find({"A"}));
  EXPECT_EQ(2, root()->nmembers() - predefined) << "the forward node and the interface";
}

TEST_F(TreeTest, ForwardDeclarationsNeverDefinedCanBeListed) {
  root()->fe_add_interface_fwd(g()->create_interface_fwd(scoped({"Never"}), nullptr));
  AST_InterfaceFwd *done = g()->create_interface_fwd(scoped({"Done"}), nullptr);
  root()->fe_add_interface_fwd(done);
  done->full_definition()->set_n_inherits(0);
  testing::internal::CaptureStderr();
  AST_check_fwd_interface();
  EXPECT_EQ("nuxc: \"t.idl\", line 3: forward declared but never defined: interface Never\n",
            testing::internal::GetCapturedStderr());

  // A new run starts without the forward declarations of the one before.
  FE_new_global_state(FE_new_UTL_Error(), FE_new_UTL_Indenter());
  testing::internal::CaptureStderr();
  AST_check_fwd_interface();
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
}

TEST_F(TreeTest, StartUpWithoutANodeFactoryExits) {
  idl_global->set_gen(nullptr);
  EXPECT_EXIT(FE_init_stage2(), testing::ExitedWithCode(99),
              "^IDL: BE did not initialize idl_global->gen\\(\\), exiting\n$");
}

TEST_F(TreeTest, EnumeratorsGetTwinsInTheEnclosingScope) {
  open_module("M");
  AST_Enum *e = g()->create_enum(scoped({"Color"}), nullptr);
  stack()->top()->fe_add_enum(e);
  stack()->push(e);
  for (const char *name : {"red", "green"})
    e->fe_add_enum_val(g()->create_enum_val(e->next_enum_val(), scoped({name}), nullptr));
  stack()->pop();
  AST_Decl *twin = find({"green"});
  ASSERT_NE(nullptr, twin);
  EXPECT_EQ("::M::green", text_of(twin->name()));
  EXPECT_NE(twin, e->lookup_by_name_local(twin->local_name(), false));
  EXPECT_EQ("1", dumped(AST_Constant::narrow_from_decl(twin)->constant_value()));
  EXPECT_EQ("const unsigned long green = 1", dumped(twin));

  AST_Enum *other = g()->create_enum(scoped({"Other"}), nullptr);
  stack()->top()->fe_add_enum(other);
  stack()->push(other);
  testing::internal::CaptureStderr();
  other->fe_add_enum_val(g()->create_enum_val(other->next_enum_val(), scoped({"red"}), nullptr));
  EXPECT_EQ("nuxc: \"t.idl\", line 3: redefinition after use, ::M::red, ::M, ::M::red\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(TreeTest, ScopeIteratorWalksDeclarationsThenLocalTypes) {
  AST_Structure *s = g()->create_structure(scoped({"S"}), nullptr);
  root()->fe_add_structure(s);
  stack()->push(s);
  s->fe_add_field(g()->create_field(type(E::EXPR_LONG), scoped({"a"}), nullptr));
  s->fe_add_enum(g()->create_enum(scoped({"E"}), nullptr));
  std::string walked;
  for (UTL_ScopeActiveIterator i(s, UTL_Scope::SCOPE_ITER_BOTH); !i.is_done(); i.next()) {
    walked += i.item()->local_name()->get_string();
    if (walked == "a")
      s->fe_add_field(g()->create_field(type(E::EXPR_LONG), scoped({"b"}), nullptr));
  }
  EXPECT_EQ("abE", walked);
  UTL_ScopeActiveIterator locals(s, UTL_Scope::SCOPE_ITER_LOCAL_TYPES);
  EXPECT_STREQ("E", locals.item()->local_name()->get_string());
  EXPECT_EQ(2, locals.iteration_stage());
}

TEST_F(TreeTest, UnionLabelsAreCheckedForDuplicates) {
  AST_Union *u = g()->create_union(AST_ConcreteType::narrow_from_decl(type(E::EXPR_LONG)),
                                   scoped({"U"}), nullptr);
  root()->fe_add_union(u);
  stack()->push(u);
  auto branch = [&](AST_UnionLabel::UnionLabel k, long v, const char *name, AST_Field *c) {
    AST_UnionBranch *b = g()->create_union_branch(
        g()->create_union_label(k, k == AST_UnionLabel::LABEL_DEFAULT ? nullptr
                                                                     : g()->create_expr(v)),
        type(E::EXPR_LONG), scoped({name}), nullptr);
    b->set_case_element(c);
    return u->fe_add_union_branch(b);
  };
  AST_Field *one_case = g()->create_field(type(E::EXPR_LONG), scoped({"x"}), nullptr);
  EXPECT_NE(nullptr, branch(AST_UnionLabel::LABEL_VALUE, 1, "x", one_case));
  EXPECT_NE(nullptr, branch(AST_UnionLabel::LABEL_VALUE, 2, "x", one_case))
      << "labels of one case share its member";
  testing::internal::CaptureStderr();
  EXPECT_EQ(nullptr, branch(AST_UnionLabel::LABEL_VALUE, 3, "x", nullptr));
  EXPECT_EQ(nullptr, branch(AST_UnionLabel::LABEL_VALUE, 1, "b", nullptr));
  EXPECT_NE(nullptr, branch(AST_UnionLabel::LABEL_DEFAULT, 0, "d", nullptr));
  EXPECT_EQ(nullptr, branch(AST_UnionLabel::LABEL_DEFAULT, 0, "e", nullptr));
  EXPECT_EQ("nuxc: \"t.idl\", line 3: illegal redefinition ::U::x, ::U, ::U::x\n"
            "nuxc: \"t.idl\", line 3: union with duplicate branch label ::U, ::U::b\n"
            "nuxc: \"t.idl\", line 3: union with duplicate branch label ::U, ::U::b\n"
            "nuxc: \"t.idl\", line 3: union with duplicate branch label ::U, ::U::d\n"
            "nuxc: \"t.idl\", line 3: union with duplicate branch label ::U, ::U::e\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(TreeTest, UnionDiscriminatorsAndOnewayOperationsAreChecked) {
  testing::internal::CaptureStderr();
  AST_Union *u = g()->create_union(AST_ConcreteType::narrow_from_decl(type(E::EXPR_LONGLONG)),
                                   scoped({"U"}), nullptr);
  EXPECT_EQ(nullptr, u->disc_type());
  EXPECT_EQ(E::EXPR_NONE, u->udisc_type());
  AST_Enum *e = g()->create_enum(scoped({"Color"}), nullptr);
  EXPECT_EQ(E::EXPR_ANY, g()->create_union(e, scoped({"V"}), nullptr)->udisc_type());
  g()->create_operation(type(E::EXPR_LONG), AST_Operation::OPFLAG_ONEWAY, scoped({"f"}), nullptr);
  EXPECT_EQ("nuxc: \"t.idl\", line 3: union with illegal discriminator type, ::U, ::long long\n"
            "nuxc: \"t.idl\", line 3: non-void return type in oneway operation: ::f\n",
            testing::internal::GetCapturedStderr());
}

TEST_F(TreeTest, RecursiveTypesAreFoundUpToTheNearestSequence) {
  AST_Structure *s = g()->create_structure(scoped({"S"}), nullptr);
  root()->fe_add_structure(s);
  stack()->push(s);
  EXPECT_TRUE(AST_illegal_recursive_type(s));
  EXPECT_FALSE(AST_illegal_recursive_type(type(E::EXPR_LONG)));
  stack()->push(nullptr);
  EXPECT_FALSE(AST_illegal_recursive_type(s));
}

TEST_F(TreeTest, AddPassMarksMembersAndTheTypesTheyUse) {
  AST_Structure *s = g()->create_structure(scoped({"S"}), nullptr);
  root()->fe_add_structure(s);
  stack()->push(s);
  AST_Structure *inner = g()->create_structure(scoped({"Inner"}), nullptr);
  s->fe_add_structure(inner);
  s->fe_add_field(g()->create_field(inner, scoped({"i"}), nullptr));
  stack()->pop();
  AST_Sequence *q = g()->create_sequence(g()->create_expr(0UL), s);
  root()->fe_add_sequence(q);
  root()->fe_add_typedef(g()->create_typedef(q, scoped({"Q"}), nullptr));
  root()->call_add();
  EXPECT_TRUE(s->added());
  EXPECT_TRUE(inner->added());
  EXPECT_TRUE(q->added());
  EXPECT_TRUE(find({"Q"})->added());
}

TEST_F(TreeTest, DumpWritesScopesWithTheirContents) {
  idl_global->set_in_main_file(true);
  open_module("M");
  add_const("X", 7);
  AST_Structure *s = g()->create_structure(scoped({"S"}), nullptr);
  stack()->top()->fe_add_structure(s);
  stack()->push(s);
  AST_Sequence *q = g()->create_sequence(g()->create_expr(10UL), type(E::EXPR_LONG));
  root()->fe_add_sequence(q);
  s->fe_add_field(g()->create_field(q, scoped({"v"}), nullptr));
  std::ostringstream o;
  root()->dump(o);
  EXPECT_EQ("\n/* Locally defined types: */\n"
            "sequence <long, 10>;\n"
            "\n/* Declarations: */\n"
            "module M {\n"
            "\n/* Declarations: */\n"
            "  const long X = 7;\n"
            "  struct S {\n"
            "\n/* Declarations: */\n"
            "    local type v;\n"
            "  };\n"
            "};\n",
            o.str());
}

TEST_F(TreeTest, LongTypedefChainsDumpWithoutDeepRecursion) {
  AST_Type *t = type(E::EXPR_LONG);
  for (int i = 0; i < 100000; i++)
    t = g()->create_typedef(t, scoped({"T"}), nullptr);
  std::string text = dumped(t);
  EXPECT_EQ(0u, text.find("typedef typedef"));
  EXPECT_NE(std::string::npos, text.find("::T T"));
}

// Every typedef of a chain names the type at its end, whichever link is asked first; a typedef
// without base type names nothing.
TEST_F(TreeTest, StrippingTypedefsGivesTheEndOfTheChainFromAnyLink) {
  AST_Type *end = type(E::EXPR_LONG);
  std::vector<AST_Type *> chain{end};
  for (int i = 0; i < 10; i++)
    chain.push_back(g()->create_typedef(chain.back(), scoped({"T"}), nullptr));
  EXPECT_EQ(end, strip_typedefs(chain[5]));
  EXPECT_EQ(end, strip_typedefs(chain[10]));
  EXPECT_EQ(end, strip_typedefs(chain[3]));
  EXPECT_EQ(end, strip_typedefs(end));
  AST_Typedef *baseless = g()->create_typedef(nullptr, scoped({"U"}), nullptr);
  AST_Typedef *onBaseless = g()->create_typedef(baseless, scoped({"V"}), nullptr);
  EXPECT_EQ(nullptr, strip_typedefs(onBaseless));
  EXPECT_EQ(nullptr, strip_typedefs(baseless));
  EXPECT_EQ(nullptr, strip_typedefs(nullptr));
}

} // namespace
