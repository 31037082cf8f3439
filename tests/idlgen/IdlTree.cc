// Test fixture of the idlgen unit tests: the front end run over a string.
#include "IdlTree.hh"

#include <cstdio>

#include "frontend/ast_module.hh"
#include "frontend/ast_type.hh"
#include "frontend/be_generator.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"

void IdlTree::parse(const std::string &text) {
  idl_global = new IDL_GlobalData;
  idl_global->set_err(FE_new_UTL_Error());
  idl_global->set_indent(FE_new_UTL_Indenter());
  idl_global->set_prog_name("nuxc");
  idl_global->set_import(true);
  idl_global->set_lineno(1);
  idl_global->set_filename(FE_new_UTL_String("t.idl"));
  idl_global->set_main_filename(FE_new_UTL_String("t.idl"));
  idl_global->set_real_filename(FE_new_UTL_String("t.idl"));
  idl_global->set_stripped_filename(FE_new_UTL_String("t.idl"));
  FILE *input = fmemopen(const_cast<char *>(text.data()), text.size(), "r");
  ASSERT_NE(nullptr, input);
  FE_set_yyin(input);
  FE_init_stage1();
  idl_global->set_gen(new be_generator);
  FE_init_stage2();
  FE_yyparse();
  fclose(input);
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
