// Test set-up shared by the front-end unit tests: a run of the front end started as nuxc starts
// it (fe_start.hh), with the tree begun and the line number 3.
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
