// NUX: construction over the binding, and the compilation loop: start-up variables and opening
// templates, main, one dispatch per script line through a table indexed by command code, and
// at the end the functions, the closing templates and the header.
#include "nux/NUX.hh"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"
#include "foundation/InputLine.hh"
#include "foundation/KeptUntilExit.hh"
#include "foundation/NearestName.hh"
#include "idlgen/Types.hh"
#include "nux/CompilationStamp.hh"
#include "nux/ScriptBlocks.hh"

namespace {

// What one run of the loop keeps from line to line.
struct Compilation {
  explicit Compilation(const Dstr &prefix)
      : source(""), host("localhost"), declarations(prefix) {}

  // The text of the source file, written when the compilation is done.
  Dstr source;
  // Host of the latest created object that had one; serve starts servers there.
  Dstr host;
  // Interface scoped name to generated class name, filled by the IDL generator.
  AList classmap;
  Headerfile header;
  DeclarationList declarations;
  FunctionList *functions = nullptr;
  // The script line being compiled.
  const Dstr *line = nullptr;
  // The blocks open in the active function.
  ScriptBlocks blocks;
};

// The argument words of one script line.
struct Arguments {
  Dstr a1, a2, a3, a4, a5, a6;
};

using Handler = void (*)(NUX &nux, Compilation &c, Arguments &a);

// The declaration of a variable the command needs; an undeclared one ends the run.
DeclarationList::declaration *look_up(Compilation &c, const Dstr &name) {
  DeclarationList::declaration *d = c.declarations[name];
  if (!d)
    FatalError(explain(name, " is not declared", did_you_mean(name, c.declarations.names())),
               ignerrmsg);
  return d;
}

// The declared name with the binding's prefix, as expressions refer to it.
Dstr prefixed_name(Compilation &c, const DeclarationList::declaration *d) {
  Dstr name(d->name);
  c.declarations.do_subs_Java(name);
  return name;
}

// The file a "serve" line names as the server: the working directory + "/server".
Dstr server_file(int lineNumber) {
  char temppath[1024];
  if (!getcwd(temppath, sizeof temppath)) {
    if (errno == ERANGE)
      FatalError(explain("serve names the working folder, whose path is longer than ",
                         static_cast<int>(sizeof temppath - 1), " characters"),
                 "Working directory longer than ", static_cast<int>(sizeof temppath - 1),
                 " characters for serve on line ", lineNumber, " of NUX file");
    FatalError(explain("serve names the working folder, which cannot be read: ",
                       strerror(errno)),
               "Can't read the working directory (", strerror(errno), ") for serve on line ",
               lineNumber, " of NUX file");
  }
  Dstr path(temppath);
  path += "/server";
  return path;
}

void declare_line(NUX &nux, Compilation &c, Arguments &a) {
  if (a.a1 == "value") {
    c.declarations.add(a.a2, a.a3, a.a4, a.a5, a.a6, a.a6, nux.lineNumber);
    nux.do_declare_value(c.source, a.a2, a.a3, c.header);
    return;
  }
  // "declare type name marker": with exactly three arguments the third is the marker.
  if (!a.a3.isNull() && a.a4.isNull()) {
    a.a6 = a.a3;
    a.a3 = Dstr();
  }
  c.declarations.add(a.a1, a.a2, a.a3, a.a4, a.a5, a.a6, nux.lineNumber);
  nux.do_declare(c.source, c.header, a.a1, a.a2, a.a3);
}

void create_line(NUX &nux, Compilation &c, Arguments &a) {
  const DeclarationList::declaration *d = look_up(c, a.a1);
  nux.do_create(&c.classmap, d->type, d->name, d->marker, prefixed_name(c, d), d->server);
  if (d->host.length() > 0)
    c.host = d->host;
}

void bind_line(NUX &nux, Compilation &c, Arguments &a) {
  const DeclarationList::declaration *d = look_up(c, a.a1);
  nux.do_bind(d->type, prefixed_name(c, d), d->marker, d->server, d->host);
}

void catch_line(NUX &nux, Compilation &c, Arguments &a) {
  const DeclarationList::declaration *d = look_up(c, a.a1);
  c.declarations.do_subs_Java(a.a1);
  nux.do_catch(a.a1, d->type);
  c.blocks.close(ScriptBlocks::try_block);
}

using ExpressionEmitter = void (NUX::*)(const Dstr &text);
using ConditionEmitter = void (NUX::*)(const Dstr &left, const Dstr &op, const Dstr &right,
                                       const Dstr &plusminus, const Dstr &tolerance);

// A command whose argument is an expression of the generated program.
void emit_expression(NUX &nux, Compilation &c, Dstr &text, ExpressionEmitter emit) {
  c.declarations.do_subs_Java(text);
  (nux.*emit)(text);
}

// "if", "while" and "assert": both operands are expressions.
void emit_condition(NUX &nux, Compilation &c, Arguments &a, ConditionEmitter emit) {
  c.declarations.do_subs_Java(a.a1);
  c.declarations.do_subs_Java(a.a3);
  (nux.*emit)(a.a1, a.a2, a.a3, a.a4, a.a5);
}

// The handlers of the commands, named in NUX_commands.def. Expressions are rewritten to the
// prefixed names of declared variables before the emitters see them.

void nothing_line(NUX &, Compilation &, Arguments &) {}

void begin_function_line(NUX &nux, Compilation &c, Arguments &a) {
  nux.do_begin_function(*c.functions, c.declarations, a.a1);
}

void serve_line(NUX &nux, Compilation &c, Arguments &a) {
  nux.do_serve(c.host, a.a1, server_file(nux.lineNumber));
}

void return_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_expression(nux, c, a.a1, &NUX::do_return);
}

void end_function_line(NUX &nux, Compilation &c, Arguments &a) {
  nux.do_end_function(a.a1);
  c.blocks.require_none_open(a.a1);
}

// "use FILE" or "use FILE in order".
void use_line(NUX &nux, Compilation &c, Arguments &a) {
  const bool inOrder = a.a2 == "in" && a.a3 == "order" && a.a4.isNull();
  if (!inOrder && !a.a2.isNull())
    FatalError(explain("use takes a QOR file name, then nothing or the words in order"),
               "use takes a QOR file name, then only the words in order, on line ", nux.lineNumber,
               " of NUX file");
  nux.do_use(*c.functions, c.declarations, a.a1, inOrder, &c.classmap);
}

void inline_line(NUX &nux, Compilation &c, Arguments &a) { nux.do_inline(a.a1, c.source); }

void print_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_expression(nux, c, a.a1, &NUX::do_print);
}

void println_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_expression(nux, c, a.a1, &NUX::do_println);
}

void if_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_condition(nux, c, a, &NUX::do_if);
  c.blocks.open(ScriptBlocks::if_block, nux.lineNumber);
}

void else_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_else();
  c.blocks.enter_else();
}

void end_if_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_end_if();
  c.blocks.close(ScriptBlocks::if_block);
}

void begin_script_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_begin_script();
  c.blocks.open(ScriptBlocks::script, nux.lineNumber);
}

void end_script_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_end_script();
  c.blocks.close(ScriptBlocks::script);
}

void call_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_expression(nux, c, a.a1, &NUX::do_call_case);
  c.blocks.require_script("call");
}

void default_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_default_case();
  c.blocks.require_script("default");
}

void assert_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_condition(nux, c, a, &NUX::do_assert);
}

void try_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_try();
  c.blocks.open(ScriptBlocks::try_block, nux.lineNumber);
}

void begin_test_line(NUX &nux, Compilation &c, Arguments &a) {
  nux.do_begin_test(a.a2, c.header);
  c.blocks.open(ScriptBlocks::test, nux.lineNumber);
}

void end_test_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_end_test();
  c.blocks.close(ScriptBlocks::test);
}

void fail_line(NUX &nux, Compilation &, Arguments &) { nux.do_fail(); }

void nogo_line(NUX &nux, Compilation &, Arguments &) { nux.do_nogo(); }

void while_line(NUX &nux, Compilation &c, Arguments &a) {
  emit_condition(nux, c, a, &NUX::do_while);
  c.blocks.open(ScriptBlocks::while_block, nux.lineNumber);
}

void end_while_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_end_while();
  c.blocks.close(ScriptBlocks::while_block);
}

void read_line(NUX &nux, Compilation &c, Arguments &a) {
  c.declarations.do_subs_Java(a.a2);
  nux.do_read(a.a1, a.a2);
}

void begin_timedloop_line(NUX &nux, Compilation &c, Arguments &a) {
  nux.do_begin_timedloop(a.a2);
  c.blocks.open(ScriptBlocks::timedloop, nux.lineNumber);
}

void end_timedloop_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_end_timedloop();
  c.blocks.close(ScriptBlocks::timedloop);
}

void fork_line(NUX &nux, Compilation &, Arguments &a) { nux.do_fork(a.a1); }

void begin_loop_line(NUX &nux, Compilation &c, Arguments &a) {
  nux.do_begin_loop(a.a2);
  c.blocks.open(ScriptBlocks::loop, nux.lineNumber);
}

void end_loop_line(NUX &nux, Compilation &c, Arguments &) {
  nux.do_end_loop();
  c.blocks.close(ScriptBlocks::loop);
}

void clearcounter_line(NUX &nux, Compilation &, Arguments &) { nux.do_clearcounter(); }

void set_line(NUX &nux, Compilation &c, Arguments &a) {
  c.declarations.do_subs_Java(a.a1);
  c.declarations.do_subs_Java(a.a2);
  nux.do_set(a.a1, a.a2);
}

// The line parser has said which word is no command.
void not_a_command_line(NUX &nux, Compilation &c, Arguments &) {
  Dstr rest(*c.line);
  Dstr word;
  rest /= word;
  const Explanation why =
      word.length() == 0
          ? explain("the line starts with no NUX command")
          : explain(word, " is no NUX command", did_you_mean(word, NUX_line_parser::keywords()));
  FatalError(why, "Parse error on line ", nux.lineNumber, " of NUX file");
}

// The handler of each command code, in code order.
const Handler handlers[] = {
#define NUX_COMMAND(name, handler) handler,
#include "nux/NUX_commands.def"
};
static_assert(sizeof handlers / sizeof handlers[0] == nux_command_count,
              "one handler per command code");

// The variables every template may use: a header guard of this header, the header's name as a
// string literal, the time stamps and the utility class name.
void define_startup_variables(Replacements &variables, const Dstr &headerInclude,
                              unsigned long serial, const Dstr &outputBase) {
  const CompilationTime t = compilation_time();
  variables.define("HEADER_CHECK", header_guard(headerInclude, serial));
  variables.define("HEADER_FILE", join_pieces("\"", headerInclude, "\""));
  variables.define("ZTIME", utc_time_text(t));
  variables.define("TIMESTAMP", local_time_text(t));
  variables.define("UTILCLASS", join_pieces(outputBase, "Utils"));
}

// Whether the binding has the template key; for the one key a binding may leave out.
bool binding_has(const Dstr &binding, const char *key) {
  return access(join_pieces(binding, key).aschar(), F_OK) == 0;
}

// At the end of the script: every block, function and inline block still open is named at the
// line that began it, in line order, and the run ends.
void require_everything_ended(const NUX &nux, const Compilation &c, int inlineLine) {
  std::vector<Explanation> open = c.blocks.unclosed(nux.scriptName);
  if (nux.activeFunction)
    open.push_back(explain_at(nux.scriptName, nux.activeLine, "begin ", nux.activeName,
                              " has no end ", nux.activeName));
  if (inlineLine > 0)
    open.push_back(explain_at(nux.scriptName, inlineLine, "begin inline has no end inline: "
                              "every line after it was copied into the program"));
  if (open.empty())
    return;
  std::stable_sort(open.begin(), open.end(), [](const Explanation &a, const Explanation &b) {
    return a.place.line < b.place.line;
  });
  for (auto e = open.begin(); e + 1 != open.end(); ++e)
    report_error(*e);
  FatalError(open.back(), "Unended begin at line ", open.front().place.line, " of NUX file");
}

KeptUntilExit<Compilation> latestCompilation;

}  // namespace

// main starts as a stub: its body is the binding's default until the script begins main.
Function *NUX::make_main(const Dstr &outputBase) {
  Function *f = new Function;
  f->cc_function_name = "main";
  f->returnType = "int";
  variables->define("MAINCLASS", outputBase);
  cat_binding(f->cc_begin, "cc.main.begin");
  cat_binding(f->cc_code, "cc.main.stubout");
  cat_binding(f->cc_end, "cc.main.end");
  return f;
}

NUX::NUX(const Dstr &binding, const BE_Options &options_in)
    : CodeGenerator(binding), idlGenerator(nullptr), activeFunction(nullptr),
      activeDecl(nullptr), mainFunction(nullptr), lineNumber(0), options(options_in) {
  progress("Using binding %s\n", bindingDir.aschar());
  variables = new Replacements;
  types = new Types(binding, variables);
  idlGenerator = new BE_IDL(binding, variables, types);
}

void NUX::progress(const char *format, ...) const {
  if (options.quiet)
    return;
  va_list arguments;
  va_start(arguments, format);
  vfprintf(stderr, format, arguments);
  va_end(arguments);
}

void NUX::set_place(const Dstr &file, int line) {
  set_error_place(file, line);
  variables->define("SOURCE_FILE", file);
  variables->define("SOURCE_LINE", join_pieces(line));
}

void NUX::set_line(int line) {
  set_error_line(line);
  variables->define("SOURCE_LINE", join_pieces(line));
}

NUX::~NUX() {
  delete idlGenerator;
  delete variables;
  delete types;
}

void NUX::do_nux_file(const Files &files, unsigned long *serialnum, AST_Decl *root_decl,
                      bool nuxMode) {
  scriptName = files.scriptName;
  sourceName = files.sourceName;
  set_place(error_place().file, 0);
  Dstr prefix;
  cat_binding(prefix, "globalsprefix");
  prefix.noTrailingWhitespace();
  Compilation &c = latestCompilation.make(prefix);
  Dstr &cc = c.source;
  mainFunction = nullptr;
  activeFunction = nullptr;
  lineDirectives = options.lineDirectives && binding_has(bindingDir, "cc.line");
  sourceFollowsScript = false;
  sourceLines = 0;
  countedTo = 0;

  define_startup_variables(*variables, files.headerInclude, (*serialnum)++, files.outputBase);
  cat_binding(c.header.top, "hh.begin");
  cat_binding(cc, "cc.begin");

  c.functions = nuxMode ? new FunctionList
                        : idlGenerator->do_idl(c.header, cc, root_decl, &c.classmap);
  mainFunction = make_main(files.outputBase);
  c.functions->add(mainFunction);

  // Until here the input has been compiled (the IDL file in IDL mode); from here the script.
  set_place(scriptName, 0);
  NUX_line_parser parser;
  lineNumber = 0;
  // The line of the "begin inline" of the open inline block, 0 outside one.
  int inlineLine = 0;
  for (Dstr line; read_input_line(files.script, line, scriptName);) {
    set_line(++lineNumber);
    Arguments a;
    const int code = parser.parse(line, a.a1, a.a2, a.a3, a.a4, a.a5, a.a6);
    if (!parser.in_inline_block())
      inlineLine = 0;
    else if (inlineLine == 0)
      inlineLine = lineNumber;
    if (code < 0 || code >= nux_command_count) {
      fprintf(stderr, "Parse error on line %d of NUX file\n", lineNumber);
      FatalError(explain("internal error: the line parser gave the unknown command code ", code),
                 "Unknown token returned by NUX line parser");
    }
    c.line = &line;
    handlers[code](*this, c, a);
  }
  // A read error would otherwise pass for the end of the script.
  if (ferror(files.script))
    FatalError(explain_at(scriptName, lineNumber + 1, "cannot read the script: ", strerror(errno)),
               "Can't read line ", lineNumber + 1, " of NUX file");
  require_everything_ended(*this, c, inlineLine);
  set_line(0);

  output_cc(cc, *c.functions, &c.classmap);
  cat_binding(cc, "cc.end");
  cat_binding(c.header.bottom, "hh.end");
  c.header.middle += "\n";
  c.header.write(files.hh);
  fwrite(cc.aschar(), 1, cc.length(), files.cc);
}
