// The preprocessor's temporary files: made in a folder private to the user in TMPDIR, and
// removed with the folder however the run ends (success, -E, a failing, missing or killed
// preprocessor, a missing or unreadable input, the argument limit, an interrupt, a reader of -E
// output that went away). The test learns the folder the driver creates through a wrapper around
// mkdtemp, and gives each test a TMPDIR of its own, so that runs of other tests at the same time
// do not disturb it.
#include <dlfcn.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "driver/drv_preproc.hh"
#include "tests/driver/drv_test_command_line.hh"

// Where the wrapper records every folder mkdtemp creates; empty records nothing.
static std::string created_log;

extern "C" char *mkdtemp(char *name) {
  using Mkdtemp = char *(*)(char *);
  static Mkdtemp real = reinterpret_cast<Mkdtemp>(dlsym(RTLD_NEXT, "mkdtemp"));
  char *made = real(name);
  if (made != nullptr && !created_log.empty())
    std::ofstream(created_log, std::ios::app) << name << '\n';
  return made;
}

static std::string read_file(const std::string &path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

static bool exists(const std::string &path) { return access(path.c_str(), F_OK) == 0; }

// A scratch directory holding an input file and a fake preprocessor whose body is given; the
// variable input names the preprocessor's input file, the last argument.
class PreprocessorRun : public testing::Test {
protected:
  void SetUp() override {
    char dir[] = "/tmp/nuxc-driver-test-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    scratch = dir;
    created_log = scratch + "/created";
    std::ofstream(scratch + "/a.idl") << "interface A {};\n";
    temp_root = scratch + "/tmp";
    mkdir(temp_root.c_str(), 0700);
    setenv("TMPDIR", temp_root.c_str(), 1);
  }

  void TearDown() override {
    created_log.clear();
    unsetenv("TMPDIR");
    std::string remove = "rm -rf " + scratch;
    EXPECT_EQ(system(remove.c_str()), 0);
  }

  std::string fake_cpp(const std::string &body) {
    std::string path = scratch + "/fakecpp";
    std::ofstream(path) << "#!/bin/sh\nfor input; do :; done\n" << body << "\n";
    chmod(path.c_str(), 0755);
    return path;
  }

  // Parses the options and preprocesses input; a run that returns ends with status 0. Without a
  // reader, standard output is a pipe whose reading end is closed.
  static void preprocess(CommandLine &line, const std::string &input, bool reader = true) {
    if (!reader)
      close_reader_of_stdout();
    line.parse();
    DRV_pre_proc(input.c_str());
    exit(0);
  }

  static void close_reader_of_stdout() {
    int ends[2];
    if (pipe(ends) != 0)
      return;
    close(ends[0]);
    dup2(ends[1], STDOUT_FILENO);
  }

  // The folders the run created: one, holding the copy of the input and the output file.
  std::vector<std::string> created_names() {
    std::vector<std::string> names;
    std::istringstream lines(read_file(created_log));
    for (std::string name; std::getline(lines, name);)
      names.push_back(name);
    return names;
  }

  std::string scratch;
  std::string temp_root;
};

struct Ending {
  const char *name;
  const char *cpp_body;  // null: the preprocessor does not exist
  std::vector<std::string> options;
  const char *input;  // relative to the scratch directory
  std::function<bool(int)> status;
  bool reader = true;  // false: nobody reads standard output
};

static void PrintTo(const Ending &e, std::ostream *out) { *out << e.name; }

class TempFileRemoval : public PreprocessorRun, public testing::WithParamInterface<Ending> {};

static std::vector<std::string> beyond_argument_limit() {
  // The path, three fixed arguments and these fill the vector; the input's folder and its copy
  // are too many.
  std::vector<std::string> options(DRV_MAX_CPP_ARGS - 4, "-DX");
  return options;
}

TEST_P(TempFileRemoval, NoTempFileIsLeft) {
  const Ending &e = GetParam();
  std::string cpp = e.cpp_body ? fake_cpp(e.cpp_body) : scratch + "/nosuchcpp";
  std::vector<std::string> options = e.options;
  options.push_back("-Yp," + cpp);
  CommandLine line(options);
  EXPECT_EXIT(preprocess(line, scratch + "/" + e.input, e.reader), e.status, "");
  std::vector<std::string> names = created_names();
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].substr(0, temp_root.size() + 6), temp_root + "/nuxc-");
  EXPECT_FALSE(exists(names[0])) << names[0] << " left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Endings, TempFileRemoval,
    testing::Values(
        Ending{"Success", "cat \"$input\"", {}, "a.idl", testing::ExitedWithCode(0)},
        Ending{"PreprocessOnly", "true", {"-E"}, "a.idl", testing::ExitedWithCode(0)},
        Ending{"PreprocessorFails", "exit 2", {}, "a.idl", testing::ExitedWithCode(2)},
        Ending{"PreprocessorKilled", "kill -TERM $$", {}, "a.idl", testing::ExitedWithCode(1)},
        Ending{"PreprocessorMissing", nullptr, {}, "a.idl", testing::ExitedWithCode(99)},
        Ending{"InputMissing", "cat \"$input\"", {}, "nosuch.idl", testing::ExitedWithCode(99)},
        // A directory opens for reading, and the copy then fails to read it.
        Ending{"InputUnreadable", "cat \"$input\"", {}, ".", testing::ExitedWithCode(99)},
        Ending{"ArgumentLimit", "cat \"$input\"", beyond_argument_limit(), "a.idl",
               testing::ExitedWithCode(99)},
        Ending{"Interrupted", "kill -INT $PPID", {}, "a.idl", testing::KilledBySignal(SIGINT)},
        Ending{"Terminated", "kill -TERM $PPID", {}, "a.idl", testing::KilledBySignal(SIGTERM)},
        Ending{"ReaderGone", "cat \"$input\"", {"-E"}, "a.idl", testing::KilledBySignal(SIGPIPE),
               false}),
    [](const testing::TestParamInfo<Ending> &info) { return std::string(info.param.name); });

TEST_F(PreprocessorRun, TempFilesArePrivate) {
  std::string modes = scratch + "/modes";
  // Descriptor 3 keeps the preprocessor's standard output, the output file, open for stat.
  std::string cpp = fake_cpp("stat -L -c %a \"${input%/*}\" \"$input\" /proc/self/fd/3 3>&1 > " +
                             modes);
  CommandLine line({"-Yp," + cpp});
  EXPECT_EXIT(preprocess(line, scratch + "/a.idl"), testing::ExitedWithCode(0), "");
  EXPECT_EQ(read_file(modes), "700\n600\n600\n");
}

TEST_F(PreprocessorRun, UnusableTemporaryFolderIsReported) {
  const std::string missing = scratch + "/missing";
  setenv("TMPDIR", missing.c_str(), 1);
  CommandLine line({"-Yp," + fake_cpp("cat \"$input\"")});
  EXPECT_EXIT(preprocess(line, scratch + "/a.idl"), testing::ExitedWithCode(99),
              "^nuxc: cannot make a temporary folder in " + missing +
                  ": No such file or directory\n$");
}
