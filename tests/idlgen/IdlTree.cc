// Test fixture of the idlgen unit tests: the front end run over a string.
#include "IdlTree.hh"

#include "frontend/ast_module.hh"
#include "frontend/ast_type.hh"
#include "frontend/fe_extern.hh"
#include "frontend/fe_start.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"

void IdlTree::parse(const std::string &text) {
  FE_start_run("t.idl");
  FE_start_tree();
  FE_parse_text(text.data(), text.size());
  ASSERT_EQ(0, idl_global->err_count()) << text;
}

AST_Decl *IdlTree::decl(const std::string &scopedName) {
  UTL_IdList *name = nullptr;
  for (size_t start = 0;;) {
    const size_t end = scopedName.find("::", start);
    UTL_IdList *part = create_scoped_name(scopedName.substr(start, end - start).c_str());
    name = name ? static_cast<UTL_IdList *>(name->nconc(part)) : part;
    if (end == std::string::npos)
      break;
    start = end + 2;
  }
  AST_Decl *d = idl_global->root()->lookup_by_name(name, false);
  EXPECT_NE(nullptr, d) << scopedName;
  return d;
}

AST_Type *IdlTree::type(const std::string &scopedName) {
  AST_Type *t = AST_Type::narrow_from_decl(decl(scopedName));
  EXPECT_NE(nullptr, t) << scopedName;
  return t;
}
