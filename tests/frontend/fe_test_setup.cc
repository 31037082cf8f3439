// Test set-up shared by the front-end unit tests.
#include "fe_test_setup.hh"

#include <sstream>

#include "frontend/ast_interface.hh"
#include "frontend/be_generator.hh"
#include "frontend/fe_extern.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"

void FrontEndTest::SetUp() {
  idl_global = new IDL_GlobalData;
  idl_global->set_err(FE_new_UTL_Error());
  idl_global->set_indent(FE_new_UTL_Indenter());
  idl_global->set_prog_name("nuxc");
  idl_global->set_import(true);
  idl_global->set_lineno(3);
  idl_global->set_filename(new UTL_String("t.idl"));
  FE_init_stage1();
  idl_global->set_gen(new be_generator);
  FE_init_stage2();
}

UTL_IdList *FrontEndTest::scoped(std::initializer_list<const char *> parts) {
  UTL_IdList *list = nullptr;
  for (const char *part : parts) {
    UTL_IdList *cell = create_scoped_name(part);
    list = list == nullptr ? cell : static_cast<UTL_IdList *>(list->nconc(cell));
  }
  return list;
}

std::string FrontEndTest::text_of(UTL_IdList *n) {
  std::ostringstream o;
  n->dump(o);
  return o.str();
}
