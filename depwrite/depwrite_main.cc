// depwrite: prints on standard output the makefile fragment for the IDL files of the current
// directory, taken in the order the directory lists them.
#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "depwrite/MakefileFragment.hh"
#include "foundation/Dstr.hh"

namespace {

const char *const usageLine = "Usage:  depwrite [-csuf string] [-ssuf string] [-hsuf string]\n";

// A command-line error: the usage line on standard error.
[[noreturn]] void usage() {
  fputs(usageLine, stderr);
  exit(255);
}

// Exits 0 after text on standard output, or 255 when it cannot be written.
[[noreturn]] void print_and_exit(const char *text) {
  fputs(text, stdout);
  if (fflush(stdout) != 0 || ferror(stdout)) {
    fputs("depwrite: can't write standard output\n", stderr);
    exit(255);
  }
  exit(0);
}

// -h and --help print the usage line, --version the version, both on standard output.
void answer_question(const char *arg) {
  if (strcmp(arg, "-h") == 0 || strcmp(arg, "--help") == 0)
    print_and_exit(usageLine);
  if (strcmp(arg, "--version") == 0)
    print_and_exit("depwrite, version 1.3.0\n");
}

// Writes the name between double quotes, as a C string literal spells it: a name that is not safe
// in a makefile may hold line ends or terminal controls too.
void write_quoted(const char *name, FILE *out) {
  fputc('"', out);
  for (const unsigned char *c = reinterpret_cast<const unsigned char *>(name); *c; ++c) {
    if (*c == '"' || *c == '\\')
      fprintf(out, "\\%c", *c);
    else if (*c >= ' ' && *c < 127)
      fputc(*c, out);
    else
      fprintf(out, "\\%03o", *c);
  }
  fputc('"', out);
}

// A name that make or a recipe's shell would read as something else is left out of the fragment.
void leave_out(const char *name) {
  fputs("depwrite: warning: left out ", stderr);
  write_quoted(name, stderr);
  fputs(": its name is not safe in a makefile\n", stderr);
}

struct Suffixes {
  Dstr client{"C"};
  Dstr server{"S"};
  Dstr header;
};

// Each option takes the next argument as its value, whatever it looks like; the last one given
// wins. Where an option is expected, -h, --help and --version answer and exit.
Suffixes parse_options(int argc, char **argv) {
  Suffixes suffixes;
  const struct {
    const char *name;
    Dstr &value;
  } options[] = {
      {"-csuf", suffixes.client}, {"-ssuf", suffixes.server}, {"-hsuf", suffixes.header}};
  for (int i = 1; i < argc; i += 2) {
    answer_question(argv[i]);
    Dstr *value = nullptr;
    for (const auto &option : options) {
      if (strcmp(argv[i], option.name) == 0)
        value = &option.value;
    }
    if (!value || i + 1 == argc)
      usage();
    *value = argv[i + 1];
  }
  return suffixes;
}

}  // namespace

int main(int argc, char **argv) {
  const Suffixes suffixes = parse_options(argc, argv);
  MakefileFragment fragment(suffixes.client, suffixes.server, suffixes.header);
  DIR *directory = opendir(".");
  if (!directory) {
    fputs("Couldn't open default directory!\n", stderr);
    return 255;
  }
  while (const dirent *entry = readdir(directory)) {
    if (!MakefileFragment::is_idl_name(entry->d_name))
      continue;
    if (MakefileFragment::is_makefile_safe(entry->d_name))
      fragment.add(entry->d_name);
    else
      leave_out(entry->d_name);
  }
  closedir(directory);
  if (fragment.empty())
    return 0;
  fragment.write(std::cout);
  // A fragment cut short by a failed write must not pass for a complete one.
  if (!std::cout.flush()) {
    fputs("depwrite: can't write standard output\n", stderr);
    return 255;
  }
  return 0;
}
