// Test fixture of the idlgen unit tests: parses IDL text with the real front end, started as
// nuxc starts it, and finds declarations of the resulting tree by scoped name.
#ifndef TESTS_IDLGEN_IDLTREE_HH
#define TESTS_IDLGEN_IDLTREE_HH

#include <gtest/gtest.h>

#include <string>

class AST_Decl;
class AST_Type;

class IdlTree : public testing::Test {
protected:
  // Parses text as a whole IDL file; a parse that counts errors fails the test.
  void parse(const std::string &text);
  // The declaration named by a scoped name such as "M::P" (asserted to exist).
  AST_Decl *decl(const std::string &scopedName);
  AST_Type *type(const std::string &scopedName);
};

#endif
