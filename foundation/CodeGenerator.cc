// CodeGenerator: the process-wide cache of binding files, the template-file format (a "//"
// comment header), template emission, the scope-name variables and class openings.
#include "foundation/CodeGenerator.hh"

#include <cassert>
#include <cerrno>
#include <cstring>
#include <string>
#include <unordered_map>

#include "foundation/FatalError.hh"
#include "foundation/InputLine.hh"

// One template line, without its newline, and where names occur in it.
struct BindingLine {
  Dstr text;
  BindingLine *next;
  // Where the names occur in the text, remembered from its last emission.
  mutable Replacements::KnownOccurrences known;
};

// A binding file read into the cache. Files are told apart by their full path, so generators
// over different binding directories never share an entry.
struct BindingFile {
  Dstr path;
  BindingLine *lines;
  BindingFile *next;
};

namespace {

// Every file read in this process, newest first; entries live until the process ends.
BindingFile *bindingCache = nullptr;
// The newest entry of each path, so that a template is found without walking the cache.
std::unordered_map<std::string, const BindingFile *> bindingIndex;

// A header line: its first characters other than white space are "//".
bool is_comment_line(const Dstr &line) {
  const int slashes = line.strstr("//");
  if (slashes < 0)
    return false;
  Dstr before(line);
  before -= slashes;
  return before.noTrailingWhitespace().length() == 0;
}

// Reads the template lines of f, named path: the comment header is dropped, and so is an empty
// line that ends it.
BindingLine *read_template_lines(FILE *f, const Dstr &path) {
  BindingLine *first = nullptr;
  BindingLine **tail = &first;
  bool inHeader = true;
  for (Dstr line; read_input_line(f, line, path);) {
    if (inHeader && is_comment_line(line))
      continue;
    const bool endsHeader = inHeader;
    inHeader = false;
    if (endsHeader && line.length() == 0)
      continue;
    *tail = new BindingLine{line, nullptr, {}};
    tail = &(*tail)->next;
  }
  return first;
}

}  // namespace

CodeGenerator::CodeGenerator(const Dstr &binding)
    : variables(nullptr), bindingDir(binding), types(nullptr) {
  assert(binding.length() > 0);
  underscoreScope.define("::", "_");
  Dstr separator;
  cat_binding(separator, "cchh.scope.separator");
  separator.noTrailingWhitespace();
  if (separator != "::")
    scopeSeparator.define("::", separator);
}

CodeGenerator::~CodeGenerator() = default;

void CodeGenerator::forget_binding_files() { bindingIndex.clear(); }

const BindingFile *CodeGenerator::load_binding_file(const char *name) {
  Dstr path(bindingDir);
  path += name;
  FILE *f = fopen(path.aschar(), "r");
  if (!f) {
    const int error = errno;
    perror(name);
    FatalError(explain("the binding has no template ", name, ": ", strerror(error)),
               "can't open ", path, " for reading");
  }
  BindingLine *lines = read_template_lines(f, path);
  // A file that opens but cannot be read, such as a directory, is not an empty template.
  if (ferror(f))
    FatalError(explain("cannot read the binding's template ", name, ": ", strerror(errno)),
               "can't read ", path, ": ", strerror(errno));
  fclose(f);
  bindingCache = new BindingFile{path, lines, bindingCache};
  bindingIndex[path.aschar()] = bindingCache;
  return bindingCache;
}

const BindingFile *CodeGenerator::find_binding_file(const char *name) {
  const auto known = templates.find(std::string_view(name));
  if (known != templates.end())
    return known->second;
  Dstr path(bindingDir);
  path += name;
  const auto found = bindingIndex.find(path.aschar());
  const BindingFile *file = found != bindingIndex.end() ? found->second : load_binding_file(name);
  templates.emplace(std::string_view(file->path.aschar() + bindingDir.length()), file);
  return file;
}

void CodeGenerator::cat_binding(Dstr &out, const char *key) {
  std::string &text = lineBuffer;
  for (const BindingLine *line = find_binding_file(key)->lines; line; line = line->next) {
    text.assign(line->text.aschar(), line->text.length());
    if (variables)
      variables->do_subs(text, line->known);
    text += '\n';
    out.append(text.data(), text.size());
  }
}

void CodeGenerator::cat_binding(Dstr &out, const Dstr &key) { cat_binding(out, key.aschar()); }

void CodeGenerator::cat_binding(FILE *f, const char *key) {
  Dstr text;
  cat_binding(text, key);
  fputs(text.aschar(), f);
}

void CodeGenerator::prepend_binding(Dstr &out, const char *key) {
  Dstr text;
  cat_binding(text, key);
  out *= text;
}

void CodeGenerator::set_interface(const Dstr &name) {
  assert(variables != nullptr);
  const int colon = name.strrchr(':');
  Dstr module("");
  if (colon > 0) {
    module = name;
    module -= colon - 1;
  }
  Dstr className(name.ascharfrom(colon + 1));
  Dstr separated(module);
  scopeSeparator.do_subs(separated);
  Dstr flat(module);
  underscoreScope.do_subs(flat);
  Dstr interface(name);
  scopeSeparator.do_subs(interface);
  Dstr flatInterface(name);
  underscoreScope.do_subs(flatInterface);
  variables->define("SPLIT_MODULE", separated);
  variables->define("SPLIT_CLASS", className);
  variables->define("USPMODULE", flat);
  variables->define("JAVAMODSEP", module.length() == 0 ? "" : ".");
  variables->define("INTERFACE_NAME", interface);
  variables->define("UINTERFACE", flatInterface);
}

Dstr CodeGenerator::with_separator(const Dstr &name) const {
  Dstr separated(name);
  scopeSeparator.do_subs(separated);
  return separated;
}

// Every base template sees CLASS_NAME as last defined: the class's own name before the first
// base, then the class of the base just emitted.
void CodeGenerator::do_class_begin(Dstr &out, const Dstr &className,
                                   const std::vector<Dstr> &bases, const char *prefix,
                                   AList *classmap) {
  assert(variables != nullptr);
  auto emit = [&](const char *suffix) { cat_binding(out, join_pieces(prefix, suffix)); };
  variables->define("CLASS_NAME", with_separator(className));
  emit(".class.begin");
  for (size_t i = 0; i < bases.size(); ++i) {
    emit(i == 0 ? ".class.inherits.begin" : ".class.inherits.separator");
    const Dstr &base = bases[i];
    const Dstr baseClass(classmap->translate(base));
    if (baseClass.isNull())
      FatalError(explain("the base interface ", base, " has no class generated for it"),
                 "Can't find class corresponding to interface ", base);
    variables->define("CLASS_NAME", with_separator(baseClass));
    emit(".class.inherits");
  }
  emit(".class.members.begin");
  variables->define("CLASS_NAME", className);
}

void CodeGenerator::do_class_begin(FILE *f, const Dstr &className,
                                   const std::vector<Dstr> &bases, const char *prefix,
                                   AList *classmap) {
  Dstr text;
  do_class_begin(text, className, bases, prefix, classmap);
  fputs(text.aschar(), f);
}
