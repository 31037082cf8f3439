// OutputFile: creation beside the final name with mkstemp, which makes a new file and never
// follows a link; the rename that replaces the final name; and the removal of the temporary file
// by a fatal error or a signal.
#include "foundation/OutputFile.hh"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/FatalSignals.hh"

namespace {

const char *const nullDevice = "/dev/null";
// The temporary file's name in the folder of the final one; short, so that it fits wherever the
// final name does.
const char *const temporaryName = ".nuxc-XXXXXX";

// Every output of the process, for check_not_an_output.
std::vector<const OutputFile *> &outputs() {
  static std::vector<const OutputFile *> all;
  return all;
}

[[noreturn]] void open_failed(const Dstr &path) {
  const int error = errno;
  perror(path.aschar());
  FatalError(explain_at(path, 0, "cannot open it for writing: ", strerror(error)), "can't open ",
             path, " for writing");
}

[[noreturn]] void write_failed(const Dstr &path) {
  const int error = errno;
  perror(path.aschar());
  FatalError(explain_at(path, 0, "cannot write it: ", strerror(error)), "can't write ", path);
}

// Whether the two names are one file: the same name, or two names of one existing file.
bool same_file(const Dstr &a, const Dstr &b) {
  struct stat sa, sb;
  return a == b || (stat(a.aschar(), &sa) == 0 && stat(b.aschar(), &sb) == 0 &&
                    sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino);
}

// The folder part of path with its final "/" ("" for a name without one) and the template.
char *temporary_template(const Dstr &path) {
  const int slash = path.strrchr('/');
  Dstr name(path);
  name -= slash + 1;
  name += temporaryName;
  return strdup(name.aschar());
}

mode_t new_file_mode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

OutputFile::OutputFile() { outputs().push_back(this); }

OutputFile::~OutputFile() {
  std::vector<const OutputFile *> &all = outputs();
  all.erase(std::find(all.begin(), all.end(), this));
  free(temporaryPath);
}

void OutputFile::set_path(const Dstr &path) {
  finalPath = path;
  free(temporaryPath);
  temporaryPath = temporary_template(path);
}

bool OutputFile::is_null_device() const { return finalPath == nullDevice; }

FILE *OutputFile::create() {
  if (is_null_device()) {
    stream = fopen(nullDevice, "w");
    if (!stream)
      open_failed(finalPath);
    return stream;
  }
  // A folder of that name would refuse the rename at the end, after all the work.
  struct stat st;
  if (lstat(finalPath.aschar(), &st) == 0 && S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    open_failed(finalPath);
  }
  // Fatal signals are held until the file is marked for removal, so that an interrupt cannot
  // fall between the two.
  const sigset_t previous = hold_fatal_signals();
  const int fd = mkstemp(temporaryPath);
  temporaryMade = fd >= 0;
  allow_fatal_signals(previous);
  if (fd < 0 || fchmod(fd, new_file_mode()) != 0 || !(stream = fdopen(fd, "w")))
    open_failed(finalPath);
  return stream;
}

void OutputFile::close() {
  const bool written = fflush(stream) == 0 && !ferror(stream);
  FILE *f = stream;
  stream = nullptr;
  if (fclose(f) != 0 || !written)
    write_failed(finalPath);
}

bool OutputFile::rename_over_final_name() {
  if (!temporaryMade)
    return true;
  if (rename(temporaryPath, finalPath.aschar()) != 0)
    return false;
  temporaryMade = 0;
  return true;
}

void OutputFile::commit(std::initializer_list<OutputFile *> files) {
  const sigset_t previous = hold_fatal_signals();
  OutputFile *failure = nullptr;
  for (OutputFile *output : files) {
    if (!failure && !output->rename_over_final_name())
      failure = output;
  }
  const int error = errno;
  allow_fatal_signals(previous);
  if (failure) {
    errno = error;
    write_failed(failure->finalPath);
  }
}

void OutputFile::discard() {
  if (stream)
    fclose(stream);
  stream = nullptr;
  remove_temporary();
  temporaryMade = 0;
}

void OutputFile::remove_temporary() const {
  if (temporaryMade)
    unlink(temporaryPath);
}

void OutputFile::check_not_an_output(const Dstr &input, const char *what) {
  for (const OutputFile *output : outputs()) {
    if (!output->finalPath.isNull() && !output->is_null_device() &&
        same_file(output->finalPath, input))
      FatalError(explain_at(input, 0, "the output file ", output->finalPath,
                            " is this file under another name, and would replace it"),
                 "output file ", output->finalPath, " would overwrite the ", what);
  }
}
