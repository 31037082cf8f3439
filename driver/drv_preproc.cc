// The preprocessor's argument vector and the run of one IDL file through the preprocessor.
// Both temporary files are created by mkstemps (unique names, mode 0600) before anything is
// written, and every exit after that removes them, a SIGINT or SIGTERM during the run included.
#include "driver/drv_preproc.hh"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "driver/drv_link.hh"
#include "driver/drv_private.hh"
#include "foundation/FatalSignals.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"

// Entry 0 is both the program run and its argv[0]; the vector ends with a null entry.
static const char *arglist[DRV_MAX_CPP_ARGS + 1];
static int argcount = 0;

// The copied input and the preprocessor's output. A name is valid while its flag is set; the
// flags and names are read by the signal handler.
static char tmp_ifile[] = "/tmp/idli_XXXXXX.cc";
static char tmp_file[] = "/tmp/idlf_XXXXXX.cc";
static volatile sig_atomic_t tmp_ifile_made = 0;
static volatile sig_atomic_t tmp_file_made = 0;
// Length of the ".cc" that follows the six unique characters of each name.
static const int tmp_suffix_length = 3;

// The running preprocessor, 0 when none runs.
static volatile pid_t cpp_pid = 0;

void DRV_cpp_init() {
  argcount = 0;
  DRV_cpp_putarg(idl_global->cpp_location());
  DRV_cpp_putarg("-E");
  DRV_cpp_putarg("-DIDL");
  DRV_cpp_putarg("-I.");
}

void DRV_cpp_putarg(const char *arg) {
  if (argcount >= DRV_MAX_CPP_ARGS)
    DRV_fail(99, "%s: More than %d arguments to preprocessor\n", DRV_prog_name(), DRV_MAX_CPP_ARGS);
  arglist[argcount++] = arg;
  arglist[argcount] = nullptr;
}

void DRV_cpp_new_location(const char *path) { arglist[0] = path; }

void DRV_prep_cpp_arg(const char *text) {
  char *joined = new char[DRV_MAX_CPP_ARG_TEXT + 1];
  int length = 0;
  for (const char *c = text; *c != '\0'; c++) {
    if (*c == ',')
      continue;
    if (length == DRV_MAX_CPP_ARG_TEXT)
      DRV_fail(99, "%s: More than %d characters in a -Wp, argument\n", DRV_prog_name(),
               DRV_MAX_CPP_ARG_TEXT);
    joined[length++] = *c;
  }
  joined[length] = '\0';
  DRV_cpp_putarg(joined);
}

const char *DRV_stripped_name(const char *path) {
  if (path == nullptr)
    return nullptr;
  const char *slash = strrchr(path, '/');
  return slash == nullptr ? path : slash + 1;
}

void DRV_remove_temp_files() {
  if (tmp_ifile_made) {
    unlink(tmp_ifile);
    tmp_ifile_made = 0;
  }
  if (tmp_file_made) {
    unlink(tmp_file);
    tmp_file_made = 0;
  }
}

// The clean-up of a run ended by a signal (SIGPIPE comes when the reader of -E output goes away,
// SIGHUP when the terminal does): stops the preprocessor with the same signal and removes the
// temporary files.
static void stop_preprocessor_and_remove_temp_files(int sig) {
  if (cpp_pid > 0)
    kill(cpp_pid, sig);
  DRV_remove_temp_files();
}

static void check_tmp_directory() {
  DIR *tmp = opendir("/tmp");
  if (tmp == nullptr)
    DRV_fail(255, "**** You must create the directory /tmp or C:\\TMP before running nuxc! ****\n"
                  "Aborting nuxc....\n");
  closedir(tmp);
}

// Creates a temporary file from the pattern, with a unique name, and returns its descriptor.
static int make_temp_file(char *name, const char *pattern, volatile sig_atomic_t &made) {
  strcpy(name, pattern);
  int fd = mkstemps(name, tmp_suffix_length);
  if (fd < 0)
    DRV_fail(99, "%s: cannot open temp file %s for writing\n", DRV_prog_name(), name);
  made = 1;
  return fd;
}

// Copies every byte of from to to; returns the last byte copied, or a newline when there was
// none. The callers check both streams for errors.
static int copy_stream(FILE *from, FILE *to) {
  char buffer[BUFSIZ];
  int last = '\n';
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, from)) > 0) {
    if (fwrite(buffer, 1, n, to) != n)
      break;
    last = static_cast<unsigned char>(buffer[n - 1]);
  }
  return last;
}

void DRV_copy_input(FILE *in, FILE *copy, const char *copy_name) {
  int last = copy_stream(in, copy);
  if (ferror(in))
    DRV_fail(99, "%s: cannot read input file\n", DRV_prog_name());
  if (last != '\n')
    fputc('\n', copy);
  bool written = !ferror(copy);
  if (fclose(copy) != 0 || !written)
    DRV_fail(99, "%s: cannot write temp file %s\n", DRV_prog_name(), copy_name);
}

// Records the input's names for the lexer and the error reporter: shown is the name that
// messages use, and the preprocessor's line markers name the copy.
static void record_file_names(const char *shown) {
  idl_global->set_filename(DRV_FE_new_UTL_String(shown));
  idl_global->set_main_filename(DRV_FE_new_UTL_String(shown));
  idl_global->set_stripped_filename(DRV_FE_new_UTL_String(DRV_stripped_name(shown)));
  idl_global->set_real_filename(DRV_FE_new_UTL_String(tmp_ifile));
}

// Copies the named file, or standard input, to the first temporary file.
static void copy_to_temp_file(const char *name, int copy_fd) {
  FILE *copy = fdopen(copy_fd, "w");
  if (copy == nullptr)
    DRV_fail(99, "%s: cannot open temp file %s for writing\n", DRV_prog_name(), tmp_ifile);
  if (strcmp(name, DRV_STDIN_NAME) == 0) {
    record_file_names(tmp_ifile);
    DRV_copy_input(stdin, copy, tmp_ifile);
    idl_global->set_read_from_stdin(true);
    return;
  }
  FILE *in = fopen(name, "r");
  if (in == nullptr)
    DRV_fail(99, "%s: error: cannot open it: %s\n%s: cannot open input file\n", name,
             strerror(errno), DRV_prog_name());
  DRV_copy_input(in, copy, tmp_ifile);
  fclose(in);
  idl_global->set_read_from_stdin(false);
  record_file_names(name);
}

// Makes the output file the standard output; it is already when nuxc was started with standard
// output closed.
static bool redirect_stdout(int out_fd) {
  if (out_fd == STDOUT_FILENO)
    return true;
  if (dup2(out_fd, STDOUT_FILENO) < 0)
    return false;
  close(out_fd);
  return true;
}

// In the child: the preprocessor writes to the output file. Failures are reported here and
// reach the parent as status 99; the parent removes the temporary files.
[[noreturn]] static void exec_preprocessor(int out_fd) {
  release_fatal_signals();
  if (!redirect_stdout(out_fd)) {
    fprintf(stderr, "%s: temp file %s dup error\n", DRV_prog_name(), tmp_file);
    _exit(99);
  }
  execvp(arglist[0], const_cast<char *const *>(arglist));
  fprintf(stderr, "%s: execvp of %s failed\n", DRV_prog_name(), arglist[0]);
  _exit(99);
}

static void run_preprocessor(int out_fd) {
  fflush(stdout);
  pid_t pid = fork();
  if (pid < 0)
    DRV_fail(99, "%s: fork failed\n", DRV_prog_name());
  if (pid == 0)
    exec_preprocessor(out_fd);
  cpp_pid = pid;
  int status = DRV_wait_for(pid);
  cpp_pid = 0;
  if (WIFSIGNALED(status))
    DRV_fail(1, "%s: Preprocessor terminated abnormally\n", DRV_prog_name());
  if (WEXITSTATUS(status) != 0)
    DRV_fail(WEXITSTATUS(status), "%s: Preprocessor returned non-zero status %d\n", DRV_prog_name(),
             WEXITSTATUS(status));
}

// The output file from its start, for reading.
static FILE *open_output(int out_fd) {
  FILE *out = lseek(out_fd, 0, SEEK_SET) == 0 ? fdopen(out_fd, "r") : nullptr;
  if (out == nullptr)
    DRV_fail(99, "%s: Could not open cpp output file %s\n", DRV_prog_name(), tmp_file);
  return out;
}

static void write_to_stdout(FILE *out) {
  copy_stream(out, stdout);
  if (ferror(out) || fflush(stdout) != 0 || ferror(stdout))
    DRV_fail(99, "%s: cannot write the preprocessor output to standard output\n", DRV_prog_name());
}

static void remove_temp_file(const char *name, volatile sig_atomic_t &made, const char *role) {
  if (unlink(name) != 0)
    DRV_fail(99, "%s: Could not remove cpp %s file %s\n", DRV_prog_name(), role, name);
  made = 0;
}

void DRV_pre_proc(const char *name) {
  check_tmp_directory();
  catch_fatal_signals(stop_preprocessor_and_remove_temp_files);
  int copy_fd = make_temp_file(tmp_ifile, "/tmp/idli_XXXXXX.cc", tmp_ifile_made);
  int out_fd = make_temp_file(tmp_file, "/tmp/idlf_XXXXXX.cc", tmp_file_made);
  copy_to_temp_file(name, copy_fd);
  DRV_cpp_putarg(tmp_ifile);
  run_preprocessor(out_fd);
  FILE *out = open_output(out_fd);
  if (DRV_flag(FLAG_PREPROCESS_ONLY))
    write_to_stdout(out);
  remove_temp_file(tmp_ifile, tmp_ifile_made, "input");
  remove_temp_file(tmp_file, tmp_file_made, "output");
  release_fatal_signals();
  if (DRV_flag(FLAG_PREPROCESS_ONLY))
    exit(0);
  // The stream stays readable after the removal: the lexer reads the unlinked file through it.
  DRV_FE_set_yyin(out);
}
