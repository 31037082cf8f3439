// FuzzHarness: the exit() wrapper, the scratch directory and the checks of every target. The
// targets are linked with -Wl,--wrap=exit, so every call of exit() in the compiler's libraries
// arrives at __wrap_exit; outside run_until_exit it is the real exit().
#include "fuzz/FuzzHarness.hh"

#include <dirent.h>
#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>
#include <setjmp.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

extern "C" [[noreturn]] void __real_exit(int status);

namespace {

sigjmp_buf *exit_target = nullptr;
int exit_status = 0;

// The lowest descriptor that was free when the first input ran; every descriptor from it on
// that is still open after an input was left open by code that ended through exit().
int first_free_descriptor = -1;
// Leaks per input are a handful at most; this many are looked at.
const int descriptors_checked = 64;

void note_first_free_descriptor() {
  if (first_free_descriptor >= 0)
    return;
  first_free_descriptor = open("/dev/null", O_RDONLY);
  close(first_free_descriptor);
}

void close_leaked_descriptors() {
  for (int fd = first_free_descriptor; fd < first_free_descriptor + descriptors_checked; ++fd) {
    if (fcntl(fd, F_GETFD) != -1)
      close(fd);
  }
}

}  // namespace

extern "C" [[noreturn]] void __wrap_exit(int status) {
  if (exit_target == nullptr)
    __real_exit(status);
  sigjmp_buf *target = exit_target;
  exit_target = nullptr;
  exit_status = status;
  siglongjmp(*target, 1);
}

int run_until_exit(const std::function<void()> &body) {
  note_first_free_descriptor();
  sigjmp_buf target;
  if (sigsetjmp(target, 0) != 0) {
    close_leaked_descriptors();
    return exit_status;
  }
  exit_target = &target;
  body();
  exit_target = nullptr;
  close_leaked_descriptors();
  return returned_normally;
}

namespace {

std::string made_scratch_directory;

// At the end of the process; scripts/fuzz removes what a process that crashed or was killed
// leaves, with the folder it gives as TMPDIR.
void remove_scratch_directory() {
  std::error_code ignored;
  std::filesystem::remove_all(made_scratch_directory, ignored);
}

}  // namespace

const std::string &scratch_directory() {
  if (!made_scratch_directory.empty())
    return made_scratch_directory;
  const char *root = getenv("TMPDIR");
  std::string name = std::string(root != nullptr && root[0] != '\0' ? root : "/tmp") +
                     "/nuxc-fuzz-XXXXXX";
  if (mkdtemp(&name[0]) == nullptr || chdir(name.c_str()) != 0)
    finding("cannot make the scratch directory");
  made_scratch_directory = name + "/";
  atexit(remove_scratch_directory);
  return made_scratch_directory;
}

FILE *open_bytes(const uint8_t *data, size_t size) {
  static uint8_t nothing[1];
  FILE *stream = fmemopen(size == 0 ? nothing : const_cast<uint8_t *>(data), size, "r");
  if (stream == nullptr)
    finding("cannot open the input as a stream");
  return stream;
}

void write_scratch_file(const std::string &name, const uint8_t *data, size_t size) {
  std::ofstream out(scratch_directory() + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
  if (!out)
    finding("cannot write " + name);
}

void write_scratch_file(const std::string &name, const std::string &text) {
  write_scratch_file(name, reinterpret_cast<const uint8_t *>(text.data()), text.size());
}

std::vector<std::string> scratch_files() {
  std::vector<std::string> names;
  DIR *dir = opendir(scratch_directory().c_str());
  if (dir == nullptr)
    finding("cannot list the scratch directory");
  while (const dirent *entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..")
      names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

void clear_scratch_except(std::initializer_list<std::string> keep) {
  for (const std::string &name : scratch_files()) {
    if (std::find(keep.begin(), keep.end(), name) == keep.end())
      unlink((scratch_directory() + name).c_str());
  }
}

// The summary goes where sanitizer reports go, which stays open when libFuzzer closes the
// target's standard error.
void finding(const std::string &why) {
  __sanitizer_report_error_summary(("nuxc fuzz finding: " + why).c_str());
  abort();
}

void expect_status(int status, std::initializer_list<int> documented, const char *what) {
  if (std::find(documented.begin(), documented.end(), status) == documented.end())
    finding(std::string(what) + " ended with the undocumented exit status " +
            std::to_string(status));
}

void expect_only_files(std::initializer_list<std::string> names, const char *what) {
  std::vector<std::string> expected(names);
  std::sort(expected.begin(), expected.end());
  const std::vector<std::string> found = scratch_files();
  if (found == expected)
    return;
  std::string list;
  for (const std::string &name : found)
    list += " " + name;
  finding(std::string(what) + " left the files:" + list);
}
