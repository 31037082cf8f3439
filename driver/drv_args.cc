// Option parsing: one table entry per option (a letter, a long name or both) says whether the
// option is a flag or takes a value (attached, as in -Dname, or the next argument), what it does
// with it and how the usage text lists it. An illegal option, or one missing its value, ends the
// run with the usage text and status 99.
#include "driver/drv_args.hh"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/drv_init.hh"
#include "driver/drv_link.hh"
#include "driver/drv_preproc.hh"
#include "driver/drv_private.hh"
#include "frontend/utl_global.hh"
#include "nux/be_extern.hh"

// The name used in messages when the command line gives none.
static const char *const default_prog_name = "nuxc";

// -A: the text and a blank go to the local escapes.
static void append_escape(char, const char *text) {
  char *escapes = idl_global->local_escapes();
  if (strlen(escapes) + strlen(text) + 1 > size_t(DRV_ESCAPES_SIZE - 1))
    DRV_fail(99, "%s: More than %d characters of -A escapes\n", DRV_prog_name(), DRV_ESCAPES_SIZE - 1);
  strcat(escapes, text);
  strcat(escapes, " ");
}

// -D, -I, -U: the option and its value become one preprocessor argument.
static void pass_to_preprocessor(char letter, const char *value) {
  char *argument = new char[strlen(value) + 3];
  sprintf(argument, "-%c%s", letter, value);
  DRV_cpp_putarg(argument);
}

// -W: "p," texts go to the preprocessor, "b," texts to the back end; a p or b without the
// comma is ignored.
static void pass_through(char, const char *text) {
  if (text[0] != 'p' && text[0] != 'b') {
    fprintf(stderr, "IDL: -W must be followed by 'p' or 'b'\n");
    exit(99);
  }
  if (text[1] != ',')
    return;
  if (text[0] == 'p')
    DRV_prep_cpp_arg(text + 2);
  else
    DRV_BE_prep_arg(text + 2, true);
}

// -Y: "p,path" names the preprocessor; any other text is ignored.
static void set_preprocessor(char, const char *text) {
  if (strncmp(text, "p,", 2) != 0)
    return;
  idl_global->set_cpp_location(text + 2);
  DRV_cpp_new_location(text + 2);
}

static void set_back_end(char, const char *text) { idl_global->set_be(text); }

[[noreturn]] static void fail_with_usage() {
  DRV_usage(stderr);
  exit(99);
}

// -o: an empty name would put the outputs at the root of the file system ("/x.cc").
static void set_output_directory(char, const char *text) {
  if (text[0] == '\0') {
    fprintf(stderr, "IDL: -o must be followed by a folder name\n");
    fail_with_usage();
  }
  DRV_BE_options().outputDirectory = text;
}

struct Option {
  // The letter after "-", or 0 for an option that has only a long name.
  char letter;
  // The name after "--", or null for an option that has only a letter.
  const char *longName;
  // The compile flag a flag-only option sets; 0 for an option that takes a value.
  long flag;
  void (*take_value)(char letter, const char *value);
  // The option's line of the usage text, or not_in_usage.
  const char *usage;
};

// An option the usage text does not list.
static const char *const not_in_usage = nullptr;

// In the order of the usage text.
static const Option options[] = {
    {'A', nullptr, 0, append_escape, " -A...\t\t\tlocal implementation-specific escape\n"},
    {'D', nullptr, 0, pass_to_preprocessor, " -Dname[=value]\t\tdefines name for preprocessor\n"},
    {'E', nullptr, FLAG_PREPROCESS_ONLY, nullptr,
     " -E\t\t\truns preprocessor only, prints on stdout\n"},
    {'I', nullptr, 0, pass_to_preprocessor,
     " -Idir\t\t\tincludes dir in search path for preprocessor\n"},
    {'U', nullptr, 0, pass_to_preprocessor, " -Uname\t\t\tundefines name for preprocessor\n"},
    {'V', nullptr, FLAG_SHOW_VERSION, nullptr, " -V\t\t\tprints version info then exits\n"},
    {'W', nullptr, 0, pass_through, " -W[p|b],arg1,argn\tpasses args to preprocessor or BE\n"},
    {'Y', nullptr, 0, set_preprocessor, " -Yp,path\t\tdefines location of preprocessor\n"},
    {'b', nullptr, 0, set_back_end, " -bback_end\t\tcauses specified back end to be used\n"},
    {'d', nullptr, FLAG_DUMP_TREE, nullptr, not_in_usage},
    {'h', "help", FLAG_SHOW_HELP, nullptr, " -h, --help\t\tprints usage message on stdout and exits\n"},
    {'l', "no-lines", FLAG_NO_LINE_DIRECTIVES, nullptr,
     " -l, --no-lines\t\twrites no line directives into the output\n"},
    {'o', nullptr, 0, set_output_directory, " -o dir\t\t\twrites the output files into dir\n"},
    {'q', nullptr, FLAG_QUIET, nullptr, " -q\t\t\tprints no progress messages\n"},
    {'u', nullptr, FLAG_SHOW_USAGE, nullptr, " -u\t\t\tprints usage message and exits\n"},
    {'v', nullptr, FLAG_TRACE, nullptr, " -v\t\t\ttraces compilation stages\n"},
    {'w', nullptr, FLAG_NO_WARNINGS, nullptr,
     " -w\t\t\tsuppresses IDL compiler warning messages\n"},
    {0, "version", FLAG_PRINT_VERSION, nullptr, " --version\t\tprints version info on stdout and exits\n"},
};

// The option named by arg: "--" and a long name, or "-" and a letter (whatever follows it).
static const Option *find_option(const char *arg) {
  for (const Option &option : options) {
    if (arg[1] == '-' ? option.longName && strcmp(arg + 2, option.longName) == 0
                      : option.letter != 0 && option.letter == arg[1])
      return &option;
  }
  return nullptr;
}

// Whether an illegal option was seen: the usage text and status 99 end the parse.
static bool illegal_option_seen = false;

// Handles the option argv[i]; returns the index of the last argument it used.
static long take_option(long argc, char **argv, long i) {
  const char *arg = argv[i];
  if (arg[1] == '\0') {
    DRV_push_file(DRV_STDIN_NAME);
    return i;
  }
  const Option *option = find_option(arg);
  if (option == nullptr) {
    fprintf(stderr, "IDL: Illegal option '%s'\n", arg);
    illegal_option_seen = true;
    return i;
  }
  if (option->take_value == nullptr) {
    DRV_set_flag(option->flag);
    return i;
  }
  if (arg[2] != '\0') {
    option->take_value(option->letter, arg + 2);
    return i;
  }
  if (i + 1 >= argc) {
    fprintf(stderr, "IDL: missing argument after '%s' flag\n", arg);
    fail_with_usage();
  }
  option->take_value(option->letter, argv[i + 1]);
  return i + 1;
}

void DRV_parse_args(long argc, char **argv) {
  DRV_cpp_init();
  idl_global->set_prog_name(argc > 0 && argv[0] != nullptr ? argv[0] : default_prog_name);
  illegal_option_seen = false;
  for (long i = 1; i < argc; i++) {
    if (argv[i][0] == '-')
      i = take_option(argc, argv, i);
    else
      DRV_push_file(argv[i]);
  }
  if (illegal_option_seen)
    fail_with_usage();
}

void DRV_usage(FILE *out) {
  fprintf(out, "%s: usage: %s [flag | file]*\n", DRV_prog_name(), DRV_prog_name());
  fputs("Legal flags:\n", out);
  for (const Option &option : options) {
    if (option.usage != not_in_usage)
      fputs(option.usage, out);
  }
}

void DRV_version(FILE *out) {
  fprintf(out, "%s, version %s\n", DRV_prog_name(), "1.3.0");
  DRV_BE_version(out);
}
