// Unit tests of OutputFile in a scratch folder: what a name held before the run (nothing, a file
// of an earlier run, a symlink) after the output is committed or discarded; the mode of a new
// file; and the refusal of an input that is an output under another name.
#include "foundation/OutputFile.hh"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace {

class OutputFileTest : public testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/nuxc-output-XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(pattern));
    dir = std::string(pattern) + "/";
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::string path(const char *name) { return dir + name; }
  std::string read(const char *name) {
    std::ifstream in(path(name));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The names in the folder, sorted and joined by blanks.
  std::string listing() {
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
      names.insert(entry.path().filename().string());
    std::string joined;
    for (const std::string &name : names)
      joined += (joined.empty() ? "" : " ") + name;
    return joined;
  }
  void write_output(OutputFile &output, const char *name, const char *text) {
    output.set_path(Dstr(path(name).c_str()));
    fputs(text, output.create());
  }

  std::string dir;
};

TEST_F(OutputFileTest, FinalNameHoldsTheEarlierFileUntilCommit) {
  std::ofstream(path("x.cc")) << "earlier run\n";
  OutputFile output;
  write_output(output, "x.cc", "new text\n");
  output.close();
  EXPECT_EQ("earlier run\n", read("x.cc"));
  OutputFile::commit({&output});
  EXPECT_EQ("new text\n", read("x.cc"));
  EXPECT_EQ("x.cc", listing());
}

TEST_F(OutputFileTest, DiscardLeavesTheEarlierFileAndNothingElse) {
  std::ofstream(path("x.cc")) << "earlier run\n";
  OutputFile output;
  write_output(output, "x.cc", "partial");
  output.discard();
  EXPECT_EQ("earlier run\n", read("x.cc"));
  EXPECT_EQ("x.cc", listing());
}

TEST_F(OutputFileTest, SymlinkIsReplacedAndItsTargetKept) {
  std::ofstream(path("target")) << "kept\n";
  ASSERT_EQ(0, symlink("target", path("x.cc").c_str()));
  OutputFile output;
  write_output(output, "x.cc", "new text\n");
  output.close();
  OutputFile::commit({&output});
  EXPECT_EQ("kept\n", read("target"));
  EXPECT_EQ("new text\n", read("x.cc"));
  EXPECT_FALSE(std::filesystem::is_symlink(path("x.cc")));
}

TEST_F(OutputFileTest, NewFileGetsTheModeOfAnyNewFile) {
  const mode_t previous = umask(022);
  OutputFile output;
  write_output(output, "x.cc", "text\n");
  output.close();
  OutputFile::commit({&output});
  umask(previous);
  struct stat st;
  ASSERT_EQ(0, stat(path("x.cc").c_str(), &st));
  EXPECT_EQ(0644u, st.st_mode & 07777);
}

TEST_F(OutputFileTest, InputUnderAnotherNameOfAnOutputIsFatal) {
  std::ofstream(path("x.idl")) << "interface A {};\n";
  ASSERT_EQ(0, link(path("x.idl").c_str(), path("x_i.hh").c_str()));
  OutputFile output;
  output.set_path(Dstr(path("x_i.hh").c_str()));
  OutputFile::check_not_an_output(Dstr(path("other.idl").c_str()), "IDL file");
  EXPECT_EXIT(OutputFile::check_not_an_output(Dstr(path("x.idl").c_str()), "IDL file"),
              testing::ExitedWithCode(255),
              "^" + path("x.idl") + ": error: the output file " + path("x_i.hh") +
                  " is this file under another name, and would replace it\nFatal Error: output "
                  "file " + path("x_i.hh") + " would overwrite the IDL file\n$");
}

}  // namespace
