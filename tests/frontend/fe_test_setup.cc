// Test set-up shared by the front-end unit tests.
#include "fe_test_setup.hh"

#include <sstream>

#include "frontend/fe_start.hh"
#include "frontend/utl_global.hh"

void FrontEndTest::SetUp() {
  FE_start_run("t.idl");
  idl_global->set_lineno(3);
  FE_start_tree();
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
