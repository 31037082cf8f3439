// The back end's main routine and its clean-up. BE_produce finds the binding, derives the
// script, header and source names from the input name, the output folder of -o and the
// binding's "extensions", runs the NUX compiler and puts the outputs in place once both are
// written; BE_abort, and a signal that ends the run meanwhile, remove the partial outputs, which
// never have the outputs' names, and the folders made for them.
#include "nux/be_extern.hh"

#include <signal.h>

#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/FatalSignals.hh"
#include "foundation/InputLine.hh"
#include "foundation/KeptUntilExit.hh"
#include "foundation/OutputFile.hh"
#include "frontend/ast_module.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_string.hh"
#include "nux/NUX.hh"
#include "nux/ProcessState.hh"

namespace {

// The header written; "/dev/null" when the binding wants none.
Dstr hfilename;
Dstr ccfilename;
FILE *srv_nux = nullptr;
OutputFile header;
OutputFile source;

const char *const nullDevice = "/dev/null";

BE_Options options;

// NUXC_BINDING, ending in "/".
Dstr binding_directory() {
  const char *value = getenv("NUXC_BINDING");
  if (!value)
    FatalError(explain_at("nuxc", 0, "the environment variable NUXC_BINDING, which names the "
                          "binding folder, is not set"),
               "You must set the environment variable NUXC_BINDING before\n"
               "using this compiler.  An example setup script that does this is provided in\n"
               "the root of the ORVALE distribution as nuxcrc.sh.");
  Dstr directory(value);
  if (directory.length() == 0 || directory[directory.length() - 1] != '/')
    directory += '/';
  return directory;
}

// The first two lines of the binding's "extensions" that are not "#" comments: the source and
// the header extension. Lines are taken whole, blanks included.
void read_extensions(const Dstr &binding, Dstr &source, Dstr &header) {
  Dstr path(binding);
  path += "extensions";
  FILE *f = fopen(path.aschar(), "r");
  if (!f) {
    const int error = errno;
    perror("extensions");
    FatalError(explain_at(path, 0, "the binding has no extensions file: ", strerror(error)),
               "can't open ", path, " for reading");
  }
  Dstr *const wanted[] = {&source, &header};
  unsigned int found = 0;
  for (Dstr line; found < 2 && read_input_line(f, line, path);) {
    if (line[0] != '#')
      *wanted[found++] = line;
  }
  // A file that opens but cannot be read, such as a directory, has not simply ended early.
  if (ferror(f))
    FatalError(explain_at(path, 0, "cannot read it: ", strerror(errno)), "can't read ", path, ": ",
               strerror(errno));
  fclose(f);
  if (found < 2)
    FatalError(explain_at(path, 0, "it names ", found == 0 ? "no" : "only the source",
                          " extension: the first two lines that are not comments are the source "
                          "and the header extension"),
               "unexpected end of file in extensions binding file");
}

// The name of the input: the NUX script named on the command line, or the IDL file the tree was
// read from.
Dstr input_name(AST_Decl *root) {
  UTL_String *input = root ? root->file_name() : idl_global->filename();
  assert(input != nullptr && input->get_string() != nullptr);
  return Dstr(input->get_string());
}

// The input's name without its extension, which must be ".nux" for a script named on the
// command line and ".idl" for the IDL file the tree was read from. A directory part stays, so
// that the outputs are written beside the input.
Dstr input_base(const Dstr &input, bool nuxMode) {
  Dstr base(input);
  const char *expected = nuxMode ? ".nux" : ".idl";
  const int dot = base.strrchr('.');
  if (dot < 0 || strcmp(base.ascharfrom(dot), expected) != 0)
    FatalError(explain("the name of the input file must end in ", expected),
               "input file name must have ", expected, " extension");
  base -= dot;
  return base;
}

[[noreturn]] void open_failed(const Dstr &path, const char *purpose) {
  const int error = errno;
  perror(path.aschar());
  FatalError(explain_at(path, 0, "cannot open it for ", purpose, ": ", strerror(error)),
             "can't open ", path, " for ", purpose);
}

FILE *open_for_reading(const Dstr &path) {
  FILE *f = fopen(path.aschar(), "r");
  if (!f)
    open_failed(path, "reading");
  return f;
}

// Generated files can run to megabytes, so each output is written in blocks of a megabyte
// rather than of the default few kilobytes. One process writes one pair of outputs.
void write_in_large_blocks(FILE *hh, FILE *cc) {
  static char hhBuffer[1 << 20];
  static char ccBuffer[1 << 20];
  setvbuf(hh, hhBuffer, _IOFBF, sizeof hhBuffer);
  setvbuf(cc, ccBuffer, _IOFBF, sizeof ccBuffer);
}

// The outputs must not take the place of an input or of each other: the input would be lost,
// and one output would replace the other. The inputs are the script, the IDL file and the files
// it included; the QOR files that "use" lines read are checked when they are read. An output
// named as the script comes of the binding's extensions; OutputFile catches the rest.
void check_output_names(const Dstr &script, AST_Decl *root) {
  for (const Dstr *output : {&ccfilename, &hfilename}) {
    if (*output == script)
      FatalError(explain_at(script, 0, "the output file ", *output,
                            " would take the place of the script: the binding's extensions "
                            "give it the script's name"),
                 "output file ", *output, " would overwrite the NUX script");
  }
  header.set_path(hfilename);
  source.set_path(ccfilename);
  OutputFile::check_not_an_output(script, "NUX script");
  if (root) {
    OutputFile::check_not_an_output(Dstr(root->file_name()->get_string()), "IDL file");
    for (const std::string &included : idl_global->read_files())
      OutputFile::check_not_an_output(Dstr(included.c_str()),
                                      join_pieces("IDL file ", included.c_str()).aschar());
  }
  if (hfilename == ccfilename)
    FatalError(explain("the binding's extensions give the header and the source file one name, ",
                       ccfilename),
               "header and source file are both named ", ccfilename);
}

// The folders that -o made, outermost first; a failed compilation removes them again.
std::vector<Dstr> madeFolders;

// Makes the folder and those above it that are missing, as mkdir -p does.
void make_folders(const Dstr &folder) {
  Dstr path(folder);
  for (unsigned int end = 1; end <= folder.length(); ++end) {
    if (end < folder.length() && folder[end] != '/')
      continue;
    path.assign(folder.aschar(), end);
    struct stat st;
    if (stat(path.aschar(), &st) == 0) {
      if (!S_ISDIR(st.st_mode))
        FatalError(explain_at(path, 0, "the output folder ", folder,
                              " cannot be made here: this is no folder"),
                   "can't make the output folder ", folder, ": ", path, " is not a folder");
      continue;
    }
    if (mkdir(path.aschar(), 0777) != 0)
      FatalError(explain_at(path, 0, "cannot make the output folder: ", strerror(errno)),
                 "can't make the output folder ", path, ": ", strerror(errno));
    madeFolders.push_back(path);
  }
}

void remove_made_folders() {
  for (auto folder = madeFolders.rbegin(); folder != madeFolders.rend(); ++folder)
    rmdir(folder->aschar());
}

// The base of the output names: the input's base, or with -o its file name in that folder.
Dstr output_base(const Dstr &inputBase) {
  if (!options.outputDirectory)
    return inputBase;
  Dstr folder(options.outputDirectory);
  make_folders(folder);
  if (folder.length() == 0 || folder[folder.length() - 1] != '/')
    folder += '/';
  return join_pieces(folder, inputBase.ascharfrom(inputBase.strrchr('/') + 1));
}

// The header's name as the source file includes it: beside the source file, by its file name
// alone; the null device by its path.
Dstr header_include_name() {
  if (hfilename == nullDevice)
    return hfilename;
  return Dstr(hfilename.ascharfrom(hfilename.strrchr('/') + 1));
}

// A run ended by a signal while the outputs are written removes what it wrote.
void remove_outputs_on_signal(int) {
  header.remove_temporary();
  source.remove_temporary();
  remove_made_folders();
}

// Closes both outputs, a write error being fatal while both can still be removed, and then puts
// the two in place together.
void close_outputs() {
  header.close();
  source.close();
  OutputFile::commit({&header, &source});
  release_fatal_signals();
}

KeptUntilExit<NUX> latestCompiler;

}  // namespace

BE_Options &BE_options() { return options; }

void BE_produce() {
  set_fatal_error_cleanup(BE_abort);
  AST_Decl *root = idl_global->root();
  const bool nuxMode = root == nullptr;
  const Dstr input = input_name(root);
  set_error_place(input, 0);
  const Dstr binding = binding_directory();
  NUX &compiler = latestCompiler.make(binding, options);
  Dstr sourceExtension;
  Dstr headerExtension;
  read_extensions(binding, sourceExtension, headerExtension);

  const Dstr base = input_base(input, nuxMode);
  const Dstr script = join_pieces(base, ".nux");
  const Dstr outputBase = join_pieces(output_base(base), nuxMode ? "" : "_i");
  ccfilename = join_pieces(outputBase, sourceExtension);
  hfilename = headerExtension == "none" ? Dstr(nullDevice)
                                        : join_pieces(outputBase, headerExtension);
  check_output_names(script, root);

  srv_nux = open_for_reading(script);
  catch_fatal_signals(remove_outputs_on_signal);
  FILE *hh = header.create();
  FILE *cc = source.create();
  write_in_large_blocks(hh, cc);
  compiler.do_nux_file({srv_nux, hh, cc, script, ccfilename, header_include_name(), outputBase},
                       &processCounters.compilations, root, nuxMode);
  fclose(srv_nux);
  srv_nux = nullptr;
  close_outputs();
}

void BE_abort() {
  header.discard();
  source.discard();
  remove_made_folders();
  release_fatal_signals();
  if (srv_nux)
    fclose(srv_nux);
  srv_nux = nullptr;
}
