// The preprocessor's temporary files: created private to the user, and removed however the run
// ends (success, -E, a failing, missing or killed preprocessor, a missing or unreadable input,
// the argument limit, an interrupt, a reader of -E output that went away). The test learns the
// names the driver creates through a wrapper around mkstemps, so runs of other tests in /tmp at
// the same time do not disturb it.
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

// Where the wrapper records every name mkstemps creates; empty records nothing.
static std::string created_log;

extern "C" int mkstemps(char *name, int suffix_length) {
  using Mkstemps = int (*)(char *, int);
  static Mkstemps real = reinterpret_cast<Mkstemps>(dlsym(RTLD_NEXT, "mkstemps"));
  int fd = real(name, suffix_length);
  if (fd >= 0 && !created_log.empty())
    std::ofstream(created_log, std::ios::app) << name << '\n';
  return fd;
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
  }

  void TearDown() override {
    created_log.clear();
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

  // The names the run created: one copy of the input and one output file.
  std::vector<std::string> created_names() {
    std::vector<std::string> names;
    std::istringstream lines(read_file(created_log));
    for (std::string name; std::getline(lines, name);)
      names.push_back(name);
    return names;
  }

  std::string scratch;
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
  // The path, three fixed arguments and these fill the vector; the input's copy is one too many.
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
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].substr(0, 10), "/tmp/idli_");
  EXPECT_EQ(names[1].substr(0, 10), "/tmp/idlf_");
  for (const std::string &name : names)
    EXPECT_FALSE(exists(name)) << name << " left behind";
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
  std::string cpp = fake_cpp("stat -L -c %a \"$input\" /proc/self/fd/3 3>&1 > " + modes);
  CommandLine line({"-Yp," + cpp});
  EXPECT_EXIT(preprocess(line, scratch + "/a.idl"), testing::ExitedWithCode(0), "");
  EXPECT_EQ(read_file(modes), "600\n600\n");
}
