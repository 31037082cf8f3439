// Unit tests of the type map over scratch "types" files: the file's syntax and its errors,
// lookups by kind and by predefined name (blanks removed, "unsigned" written "u"), the variables
// filled into translations, and the recorded messages of missing and unimplemented mappings.
#include "idlgen/Types.hh"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "foundation/IgnorableError.hh"

namespace {

class TypesTest : public testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/nuxc-types-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir = pattern;
    dir += "/";
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  Types *read(const std::string &content) {
    std::ofstream(dir + "types", std::ios::binary) << content;
    return new Types(Dstr(dir.c_str()), &variables);
  }

  // A result as text, "(null)" for a null one.
  static std::string shown(const Dstr &s) { return s.isNull() ? "(null)" : s.aschar(); }

  std::string dir;
  Replacements variables;
};

TEST_F(TypesTest, SyntaxErrorsNameTheFileAndLine) {
  const struct {
    const char *content;
    int line;
    const char *message;
  } cases[] = {
      {"ret NT_enum = e\n\n", 2, "= not found"},
      {"in NT_struct\n", 1, "= not found"},
      {"in NT_struct =const TYPESSUBNAME&\n", 1, "= not found where expected"},
      {"in NT_struct =\n", 1, "not enough arguments on line"},
      {"in NT_struct x=y z\n", 1, "= not found where expected"},
      {"in NT_pre_defined long long = x\n", 1, "= not found where expected"},
      {"ret NT_enum = e\nreturn NT_enum = e\n", 2, "arg1 not ret, in, out, or inout"},
  };
  for (const auto &c : cases) {
    const std::string line = std::to_string(c.line);
    EXPECT_EXIT(read(c.content), testing::ExitedWithCode(255),
                "^" + dir + "types:" + line +
                    ": error: no mapping of the form PASSING KIND = TRANSLATION: " + c.message +
                    "\nFatal Error: Syntax error in type map file " + dir + "types line " + line +
                    ": " + c.message + "\n$")
        << c.content;
  }
}

TEST_F(TypesTest, MissingOrUnreadableFileIsFatal) {
  EXPECT_EXIT(Types(Dstr(dir.c_str()), &variables), testing::ExitedWithCode(255),
              "^types: No such file or directory\n" + dir +
                  "types: error: the binding has no type map: No such file or directory\n"
                  "Fatal Error: Can't open " +
                  dir + "types for reading\n$");
  std::filesystem::create_directory(dir + "types");
  EXPECT_EXIT(Types(Dstr(dir.c_str()), &variables), testing::ExitedWithCode(255),
              "^" + dir + "types:1: error: cannot read the type map\nFatal Error: Can't read " +
                  dir + "types after line 0\n$");
}

TEST_F(TypesTest, LookupsFillTheTranslation) {
  Types *types = read("ret NT_pre_defined ulong = unsigned(TYPESSUBNAME)\n"
                      "ret NT_pre_defined ulonglong = u64(TYPESSUBNAME)\n"
                      "ret NT_pre_defined longlong = i64\n"
                      "ret NT_pre_defined longdouble = f128\n"
                      "ret NT_pre_defined ushort = u16\n"
                      "ret NT_pre_defined long = int\n"
                      "in NT_struct = replaced\n"
                      "in NT_struct = const TYPESSUBNAME&\n"
                      "out NT_struct = \t x TYPESSUBNAME \n"
                      "inout NT_sequence = seq<BASESUBNAME> TYPESSUBNAME\n"
                      "ret NT_pre_defined void =\n"
                      "out NT_enum = E==TYPESSUBNAME\n"
                      "inout environment = env_t&\n");
  const struct {
    std::string result;
    std::string expected;
  } cases[] = {
      {shown(types->mapType("NT_pre_defined", "unsigned long", Types::ret)),
       "unsigned(unsigned long)"},
      {shown(types->mapType("NT_pre_defined", "unsigned long long", Types::ret)),
       "u64(unsigned long long)"},
      {shown(types->mapType("NT_pre_defined", "long long", Types::ret)), "i64"},
      {shown(types->mapType("NT_pre_defined", "long double", Types::ret)), "f128"},
      {shown(types->mapType("NT_pre_defined", "unsigned short", Types::ret)), "u16"},
      {shown(types->mapType("NT_pre_defined", Dstr("long"), Types::ret)), "int"},
      {shown(types->mapType("x", "NT_pre_defined", "long", Types::ret)), "int"},
      {shown(types->mapType("NT_struct", Types::in)), "const local type&"},
      {shown(types->mapType("Bank::S", "NT_struct", "Bank::S", Types::in)),
       "const Bank::S&"},
      {shown(types->mapType("NT_struct", Types::out)), "x local type "},
      {shown(types->mapType("L", "NT_sequence", "sequence", Types::inout, Dstr("long"))),
       "seq<long> L"},
      {shown(types->mapType("NT_sequence", Dstr("S"), Types::inout)), "seq<> S"},
      {shown(types->mapType("NT_pre_defined", "void", Types::ret)), ""},
      {shown(types->mapType("NT_enum", "Color", AST_Argument::ARG_OUT)), "E==Color"},
      {shown(types->mapType(Dstr("environment"), Types::inout)), "env_t&"},
      {shown(types->mapType("environment", AST_Argument::ARG_INOUT)), "env_t&"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, c.result);
}

TEST_F(TypesTest, MissingAndUnimplementedMappingsRecordTheirMessage) {
  Types *types = read("in NT_pre_defined long = unimplemented\nret NT_union = unimplemented\n");
  const struct {
    std::function<Dstr()> lookup;
    const char *message;
  } cases[] = {
      {[&] { return types->mapType("NT_pre_defined", "long", Types::in); },
       "Mapping for type in NT_pre_defined long is unimplemented in this binding"},
      {[&] { return types->mapType("NT_pre_defined", "long long", Types::in); },
       "No mapping for type in NT_pre_defined long long"},
      {[&] { return types->mapType("NT_pre_defined", "long", Types::ret); },
       "No mapping for type ret NT_pre_defined long"},
      {[&] { return types->mapType("NT_union", Types::ret); },
       "Mapping for type ret NT_union local type is unimplemented in this binding"},
      {[&] { return types->mapType(Dstr("NT_Counter"), Types::ret); },
       "No mapping for type ret NT_Counter local type"},
  };
  for (const auto &c : cases) {
    EXPECT_TRUE(c.lookup().isNull()) << c.message;
    EXPECT_STREQ(c.message, ignerrmsg.aschar());
  }
  EXPECT_EXIT(check(types->mapType("NT_pre_defined", "long long", Types::in)),
              testing::ExitedWithCode(255),
              "^Fatal Error: No mapping for type in NT_pre_defined long long\n$");
  EXPECT_EXIT(types->mapType("NT_typedef", Types::ret), testing::ExitedWithCode(255),
              "^Fatal Error: A typedef has been stringified.  This indicates a compiler bug.\n$");
}

}  // namespace
