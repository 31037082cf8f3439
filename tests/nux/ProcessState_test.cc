// Unit tests of compilations run one after another in one process, as the tests and the fuzz
// targets run them: after BE_reset_process_state a compilation numbers its scripts and its
// header guard as the first of a process would, reads the binding anew, and nothing of the run
// before (the inline block of its script) carries over.
#include "nux/ProcessState.hh"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "frontend/fe_start.hh"
#include "nux/be_extern.hh"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path &path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_file(const fs::path &path, const std::string &text) { std::ofstream(path) << text; }

class ProcessStateTest : public testing::Test {
protected:
  ProcessStateTest() {
    char pattern[] = "/tmp/nuxc_process_XXXXXX";
    directory = mkdtemp(pattern);
    fs::copy(TRACE_BINDING, directory / "binding");
    setenv("NUXC_BINDING", (directory / "binding").c_str(), 1);
  }

  ~ProcessStateTest() override { fs::remove_all(directory); }

  // Compiles the script x.nux in NUX mode, as nuxc would, and returns both outputs with the
  // time and the process id, which differ between runs, blotted out.
  std::string compile(const std::string &script) {
    const fs::path input = directory / "x.nux";
    write_file(input, script);
    FE_start_run(input.c_str());
    testing::internal::CaptureStderr();
    BE_produce();
    testing::internal::GetCapturedStderr();
    std::string outputs = read_file(directory / "x.cc") + read_file(directory / "x.hh");
    outputs = std::regex_replace(outputs, std::regex("<h\\d+h\\d+h"), "<hTIMEhPIDh");
    return std::regex_replace(outputs, std::regex("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"),
                              "TIME");
  }

  fs::path directory;
};

// The script ends with an inline block, whose state must not reach into the next script.
const char *const script = "begin main\n"
                           "begin script\n"
                           "call 1\n"
                           "fail\n"
                           "end script\n"
                           "end main\n"
                           "begin inline\n"
                           "copied\n"
                           "end inline\n";

TEST_F(ProcessStateTest, CompilationAfterTheResetIsAsTheFirstOfAProcess) {
  BE_reset_process_state();
  const std::string first = compile(script);
  EXPECT_NE(std::string::npos, first.find("scriptcounter=<scriptcounter0>")) << first;
  EXPECT_NE(std::string::npos, first.find("header_check=<hTIMEhPIDh0_h>")) << first;
  EXPECT_NE(std::string::npos, first.find("[cc.fail]")) << first;

  BE_reset_process_state();
  EXPECT_EQ(first, compile(script));
}

TEST_F(ProcessStateTest, BindingIsReadAnewAfterTheReset) {
  BE_reset_process_state();
  compile(script);
  write_file(directory / "binding" / "cc.fail", "[cc.fail] changed\n");
  BE_reset_process_state();
  EXPECT_NE(std::string::npos, compile(script).find("[cc.fail] changed"));
}

}  // namespace
