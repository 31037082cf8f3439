// Unit tests of the type map's lookups by tree node over parsed IDL: typedef names written for
// the type, the fixed-size kinds, sequence element types as BASESUBNAME, the kludge form of the
// support functions, and the recorded message of a missing mapping.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "IdlTree.hh"
#include "foundation/IgnorableError.hh"
#include "idlgen/Types.hh"

namespace {

class TreeMapping : public IdlTree {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/nuxc-treemap-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir = pattern;
    dir += "/";
    std::ofstream(dir + "types") << "ret NT_struct = ret struct TYPESSUBNAME\n"
                                    "ret NT_struct_fixed = ret fixed struct TYPESSUBNAME\n"
                                    "ret NT_union = ret union TYPESSUBNAME\n"
                                    "ret NT_array = ret array TYPESSUBNAME\n"
                                    "ret NT_array_fixed = ret fixed array TYPESSUBNAME\n"
                                    "ret NT_sequence = ret seq TYPESSUBNAME of BASESUBNAME\n"
                                    "ret NT_interface = ret iface TYPESSUBNAME\n"
                                    "ret NT_enum = ret enum TYPESSUBNAME\n"
                                    "ret NT_pre_defined long = ret long\n"
                                    "ret NT_pre_defined ulong = ret ulong\n"
                                    "ret NT_pre_defined any = ret any\n"
                                    "in NT_sequence = in seq TYPESSUBNAME of BASESUBNAME\n"
                                    "in NT_pre_defined long = in long\n"
                                    "out NT_struct = out struct TYPESSUBNAME\n"
                                    "out NT_sequence = out seq TYPESSUBNAME\n"
                                    "inout NT_sequence = inout seq TYPESSUBNAME of BASESUBNAME\n"
                                    "inout NT_pre_defined long = inout long\n";
    types = new Types(Dstr(dir.c_str()), &variables);
    parse("module M {\n"
          "  struct P { long x; long y; };\n"
          "  struct V { string s; };\n"
          "  union U switch (long) { case 1: long a; };\n"
          "  typedef P Q;\n"
          "  typedef sequence<long> LongSeq;\n"
          "  typedef LongSeq Alias;\n"
          "  typedef sequence<LongSeq> SeqSeq;\n"
          "  typedef sequence<sequence<long> > LLSeq;\n"
          "  typedef long Matrix[2][3];\n"
          "  typedef string Names[2];\n"
          "  typedef any AnyT;\n"
          "  interface I {};\n"
          "  enum E { e1 };\n"
          "};\n");
  }
  void TearDown() override {
    delete types;
    std::filesystem::remove_all(dir);
  }

  // A result as text, "(null)" for a null one.
  static std::string shown(const Dstr &s) { return s.isNull() ? "(null)" : s.aschar(); }

  std::string dir;
  Replacements variables;
  Types *types = nullptr;
};

TEST_F(TreeMapping, NodesMapThroughTheirKinds) {
  const struct {
    const char *type;
    Types::parmtype pt;
    bool kludge;
    const char *expected;
  } cases[] = {
      {"M::P", Types::ret, false, "ret fixed struct M::P"},
      {"M::V", Types::ret, false, "ret struct M::V"},
      {"M::V", Types::ret, true, "ret fixed struct M::V"},
      {"M::Q", Types::ret, false, "ret fixed struct M::Q"},
      {"M::LongSeq", Types::in, false, "in seq M::LongSeq of in long"},
      {"M::Alias", Types::in, false, "in seq M::Alias of in long"},
      {"M::SeqSeq", Types::in, false, "in seq M::SeqSeq of in seq M::LongSeq of in long"},
      // An anonymous element sequence is mapped without its own element type.
      {"M::LLSeq", Types::in, false, "in seq M::LLSeq of in seq local type of "},
      {"M::LongSeq", Types::ret, true, "M::LongSeq"},
      {"M::Alias", Types::ret, true, "M::Alias"},
      {"M::LongSeq", Types::inout, true, "inout seq M::LongSeq of inout long"},
      {"M::Matrix", Types::ret, false, "ret fixed array M::Matrix"},
      {"M::Names", Types::ret, false, "ret array M::Names"},
      {"M::Names", Types::ret, true, "ret fixed array M::Names"},
      {"any", Types::ret, false, "ret any"},
      {"any", Types::ret, true, "CORBA::Any"},
      {"M::AnyT", Types::ret, true, "CORBA::Any"},
      {"unsigned long", Types::ret, false, "ret ulong"},
      {"M::I", Types::ret, true, "ret iface M::I"},
      {"M::E", Types::ret, false, "ret enum M::E"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, shown(types->mapType(type(c.type), c.pt, c.kludge)))
        << c.type << " " << Types::parmtype2string(c.pt) << " kludge " << c.kludge;
  EXPECT_EQ("out struct M::V", shown(types->mapType(type("M::V"), AST_Argument::ARG_OUT)));
  EXPECT_EQ("ret fixed struct Given",
            shown(types->mapType("Given", type("M::Q"), Types::ret, false)));
}

// A chain of sequences of typedef-named sequences can be as long as the file.
TEST_F(TreeMapping, LongChainOfSequences) {
  const int length = 100000;
  std::string idl = "typedef sequence<long> Q0;\n";
  for (int i = 1; i < length; ++i)
    idl += "typedef sequence<Q" + std::to_string(i - 1) + "> Q" + std::to_string(i) + ";\n";
  parse(idl);
  const std::string last = "Q" + std::to_string(length - 1);
  EXPECT_EQ("out seq " + last, shown(types->mapType(type(last), Types::out, false)));
  EXPECT_EQ("out seq Q" + std::to_string(length - 2), shown(variables.translate("BASESUBNAME")));
}

TEST_F(TreeMapping, MissingMappingNamesTheKindAndType) {
  EXPECT_TRUE(types->mapType(type("M::U"), Types::ret, false).isNull());
  EXPECT_STREQ("No mapping for type ret NT_union_fixed M::U", ignerrmsg.aschar());
  EXPECT_TRUE(types->mapType(type("M::P"), Types::in, false).isNull());
  EXPECT_STREQ("No mapping for type in NT_struct_fixed M::P", ignerrmsg.aschar());
}

}  // namespace
