// The preprocessor's argument vector and the run of one IDL file through the preprocessor. The
// input is copied into a private folder (mkdtemp, mode 0700) and preprocessed there with the
// input's own folder searched for its includes; both files and the folder are removed by every
// exit after they are made, a fatal signal during the run included.
#include "driver/drv_preproc.hh"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/drv_link.hh"
#include "driver/drv_private.hh"
#include "foundation/FatalSignals.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"

// Entry 0 is both the program run and its argv[0]; the vector ends with a null entry.
static const char *arglist[DRV_MAX_CPP_ARGS + 1];
static int argcount = 0;

// The private folder of one preprocessing, made by mkdtemp (mode 0700) in TMPDIR or /tmp, and in
// it the copied input and the preprocessor's output. Nobody else can add a file to the folder, so
// a quoted include is never found there; the input's own folder is searched instead. A name is
// valid while its flag is set; the flags and names are read by the signal handler.
// The folder's name leaves room for a file's name after it.
static char tmp_folder[PATH_MAX - 16];
static char tmp_ifile[PATH_MAX];
static char tmp_file[PATH_MAX];
static volatile sig_atomic_t tmp_folder_made = 0;
static volatile sig_atomic_t tmp_ifile_made = 0;
static volatile sig_atomic_t tmp_file_made = 0;

// The running preprocessor, 0 when none runs. It leads a process group of its own, so that a
// signal reaches the processes it starts too.
static volatile pid_t cpp_pid = 0;

// Where -I of the input's folder goes: before the "-I." that DRV_cpp_init puts there, since a
// quoted include is looked for beside the including file first.
static const int input_folder_position = 3;

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
  if (tmp_folder_made) {
    rmdir(tmp_folder);
    tmp_folder_made = 0;
  }
}

// The clean-up of a run ended by a signal (SIGPIPE comes when the reader of -E output goes away,
// SIGHUP when the terminal does): stops the preprocessor and its processes with the same signal
// and removes the temporary files.
static void stop_preprocessor_and_remove_temp_files(int sig) {
  if (cpp_pid > 0)
    kill(-cpp_pid, sig);
  DRV_remove_temp_files();
}

// TMPDIR when it is set and not empty, as for every program; otherwise /tmp.
static const char *temp_root() {
  const char *root = getenv("TMPDIR");
  return root != nullptr && root[0] != '\0' ? root : "/tmp";
}

// Makes the private folder, with the fatal signals held until it is marked for removal.
static void make_temp_folder() {
  const char *root = temp_root();
  if (snprintf(tmp_folder, sizeof tmp_folder, "%s/nuxc-XXXXXX", root) >= int(sizeof tmp_folder))
    DRV_fail(99, "%s: cannot make a temporary folder in %s: %s\n", DRV_prog_name(), root,
             strerror(ENAMETOOLONG));
  const sigset_t previous = hold_fatal_signals();
  tmp_folder_made = mkdtemp(tmp_folder) != nullptr;
  const int error = errno;
  allow_fatal_signals(previous);
  if (!tmp_folder_made)
    DRV_fail(99, "%s: cannot make a temporary folder in %s: %s\n", DRV_prog_name(), root,
             strerror(error));
}

// Creates the named file in the private folder and returns its descriptor.
static int make_temp_file(char *name, const char *file, volatile sig_atomic_t &made) {
  snprintf(name, PATH_MAX, "%s/%s", tmp_folder, file);
  const sigset_t previous = hold_fatal_signals();
  const int fd = open(name, O_RDWR | O_CREAT | O_EXCL, 0600);
  made = fd >= 0;
  allow_fatal_signals(previous);
  if (fd < 0)
    DRV_fail(99, "%s: cannot open temp file %s for writing\n", DRV_prog_name(), name);
  return fd;
}

// Copies from to to until from ends or more than limit bytes are copied; returns the number
// copied, and in last the last byte copied, or a newline when there was none. The callers check
// both streams for errors.
static long copy_stream(FILE *from, FILE *to, long limit, int &last) {
  char buffer[BUFSIZ];
  long copied = 0;
  last = '\n';
  size_t n;
  while (copied <= limit && (n = fread(buffer, 1, sizeof buffer, from)) > 0) {
    if (fwrite(buffer, 1, n, to) != n)
      break;
    copied += long(n);
    last = static_cast<unsigned char>(buffer[n - 1]);
  }
  return copied;
}

void DRV_copy_input(FILE *in, const char *shown, FILE *copy, const char *copy_name) {
  int last;
  if (copy_stream(in, copy, DRV_MAX_IDL_BYTES, last) > DRV_MAX_IDL_BYTES)
    DRV_fail(99, "%s: %s is larger than %ld bytes, the limit of an IDL file\n", DRV_prog_name(),
             shown, DRV_MAX_IDL_BYTES);
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
    DRV_copy_input(stdin, DRV_STDIN_NAME, copy, tmp_ifile);
    idl_global->set_read_from_stdin(true);
    return;
  }
  FILE *in = fopen(name, "r");
  if (in == nullptr)
    DRV_fail(99, "%s: error: cannot open it: %s\n%s: cannot open input file\n", name,
             strerror(errno), DRV_prog_name());
  DRV_copy_input(in, name, copy, tmp_ifile);
  fclose(in);
  idl_global->set_read_from_stdin(false);
  record_file_names(name);
}

// The input's folder as a -I option, or null for an input in the current folder (which "-I."
// names already) or standard input. A folder that begins with "-" is written "./-...", since
// "-I-" alone is an option of its own.
static const char *input_folder_option(const char *name) {
  const char *slash = strrchr(name, '/');
  if (strcmp(name, DRV_STDIN_NAME) == 0 || slash == nullptr)
    return nullptr;
  const std::string folder = slash == name ? "/" : std::string(name, slash);
  const std::string option = (folder[0] == '-' ? "-I./" : "-I") + folder;
  return strdup(option.c_str());
}

// Inserts one argument at the position; the limit of DRV_cpp_putarg holds.
static void insert_cpp_arg(int position, const char *arg) {
  DRV_cpp_putarg(arg);
  memmove(&arglist[position + 1], &arglist[position],
          sizeof arglist[0] * size_t(argcount - 1 - position));
  arglist[position] = arg;
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

// Files the preprocessor writes stop one byte past the limit of an IDL file, so that an endless
// output cannot fill the temporary folder's disk; the size then tells the parent.
static void limit_file_size() {
  struct rlimit limit;
  if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur <= rlim_t(DRV_MAX_IDL_BYTES + 1))
    return;
  limit.rlim_cur = rlim_t(DRV_MAX_IDL_BYTES + 1);
  setrlimit(RLIMIT_FSIZE, &limit);
}

// In the child: the preprocessor writes to the output file, in a process group of its own.
// Terminal reads and writes must not stop a group that is not in the foreground, so the terminal
// stop signals are ignored. Failures are reported here and reach the parent as status 99; the
// parent removes the temporary files.
[[noreturn]] static void exec_preprocessor(int out_fd, const sigset_t &mask) {
  setpgid(0, 0);
  release_fatal_signals();
  allow_fatal_signals(mask);
  signal(SIGTTIN, SIG_IGN);
  signal(SIGTTOU, SIG_IGN);
  limit_file_size();
  if (!redirect_stdout(out_fd)) {
    fprintf(stderr, "%s: temp file %s dup error\n", DRV_prog_name(), tmp_file);
    _exit(99);
  }
  execvp(arglist[0], const_cast<char *const *>(arglist));
  fprintf(stderr, "%s: execvp of %s failed\n", DRV_prog_name(), arglist[0]);
  _exit(99);
}

// Starts the preprocessor with the fatal signals held until the handler knows its group.
static pid_t start_preprocessor(int out_fd) {
  fflush(stdout);
  const sigset_t previous = hold_fatal_signals();
  const pid_t pid = fork();
  if (pid == 0)
    exec_preprocessor(out_fd, previous);
  if (pid > 0) {
    // Also here, so that the group exists whichever of the two runs first.
    setpgid(pid, pid);
    cpp_pid = pid;
  }
  allow_fatal_signals(previous);
  if (pid < 0)
    DRV_fail(99, "%s: fork failed\n", DRV_prog_name());
  return pid;
}

static long file_size(int fd) {
  struct stat st;
  return fstat(fd, &st) == 0 ? long(st.st_size) : 0;
}

static void run_preprocessor(int out_fd) {
  const int status = DRV_wait_for(start_preprocessor(out_fd));
  cpp_pid = 0;
  // Past the limit the preprocessor was stopped or failed to write; the size says which.
  if (file_size(out_fd) > DRV_MAX_IDL_BYTES)
    DRV_fail(99, "%s: the preprocessor output is larger than %ld bytes, the limit of an IDL file\n",
             DRV_prog_name(), DRV_MAX_IDL_BYTES);
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
  int last;
  copy_stream(out, stdout, LONG_MAX, last);
  if (ferror(out) || fflush(stdout) != 0 || ferror(stdout))
    DRV_fail(99, "%s: cannot write the preprocessor output to standard output\n", DRV_prog_name());
}

static void remove_temp_file(const char *name, volatile sig_atomic_t &made, const char *role) {
  if (unlink(name) != 0)
    DRV_fail(99, "%s: Could not remove cpp %s file %s\n", DRV_prog_name(), role, name);
  made = 0;
}

static void remove_temp_folder() {
  if (rmdir(tmp_folder) != 0)
    DRV_fail(99, "%s: Could not remove temporary folder %s\n", DRV_prog_name(), tmp_folder);
  tmp_folder_made = 0;
}

void DRV_pre_proc(const char *name) {
  catch_fatal_signals(stop_preprocessor_and_remove_temp_files);
  make_temp_folder();
  int copy_fd = make_temp_file(tmp_ifile, "idli.cc", tmp_ifile_made);
  int out_fd = make_temp_file(tmp_file, "idlf.cc", tmp_file_made);
  copy_to_temp_file(name, copy_fd);
  if (const char *folder = input_folder_option(name))
    insert_cpp_arg(input_folder_position, folder);
  DRV_cpp_putarg(tmp_ifile);
  run_preprocessor(out_fd);
  FILE *out = open_output(out_fd);
  if (DRV_flag(FLAG_PREPROCESS_ONLY))
    write_to_stdout(out);
  remove_temp_file(tmp_ifile, tmp_ifile_made, "input");
  remove_temp_file(tmp_file, tmp_file_made, "output");
  remove_temp_folder();
  release_fatal_signals();
  if (DRV_flag(FLAG_PREPROCESS_ONLY))
    exit(0);
  // The stream stays readable after the removal: the lexer reads the unlinked file through it.
  DRV_FE_set_yyin(out);
}
