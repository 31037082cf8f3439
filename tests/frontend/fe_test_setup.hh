// Test set-up shared by the front-end unit tests: a global state initialised as the driver
// does it, the scope stack and a root with the predefined types made through be_generator.
#ifndef TESTS_FRONTEND_FE_TEST_SETUP_HH
#define TESTS_FRONTEND_FE_TEST_SETUP_HH

#include <gtest/gtest.h>

#include <string>

#include "frontend/utl_idlist.hh"

class FrontEndTest : public ::testing::Test {
protected:
  void SetUp() override;

  // A scoped name from components ("::" and "" allowed).
  static UTL_IdList *scoped(std::initializer_list<const char *> parts);
  // The text of a scoped name.
  static std::string text_of(UTL_IdList *n);
};

#endif
