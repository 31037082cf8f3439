// CodeGenerator: emission of binding templates. A template file is read from the binding
// directory on first use and kept for the whole process; emitting it fills every line with the
// shared substitution variables. Base of the NUX compiler and of the IDL generator.
#ifndef FOUNDATION_CODEGENERATOR_HH
#define FOUNDATION_CODEGENERATOR_HH

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Dstr.hh"
#include "foundation/Replacements.hh"

class Types;
struct BindingFile;

class CodeGenerator {
public:
  // binding is the binding directory, ending in "/". Reads the scope separator.
  explicit CodeGenerator(const Dstr &binding);
  virtual ~CodeGenerator();

  // Appends the filled template key to out (a null out becomes the text; an empty template
  // leaves out as it was).
  void cat_binding(Dstr &out, const char *key);
  void cat_binding(Dstr &out, const Dstr &key);
  void cat_binding(FILE *f, const char *key);
  // Puts the filled template key in front of out.
  void prepend_binding(Dstr &out, const char *key);
  // Defines SPLIT_MODULE, SPLIT_CLASS, USPMODULE, JAVAMODSEP, INTERFACE_NAME and UINTERFACE for
  // an interface name whose scopes are joined by "::".
  void set_interface(const Dstr &name);
  // A copy of a scoped name with every "::" replaced by the binding's scope separator.
  Dstr with_separator(const Dstr &name) const;
  // Appends the opening of the class className of an interface whose bases have the scoped
  // names bases: prefix + ".class.begin", then for each base ".class.inherits.begin" (first) or
  // ".class.inherits.separator" (later) and ".class.inherits" with the base's class from
  // classmap, then ".class.members.begin". CLASS_NAME is left as className. A base without a
  // class in classmap is fatal.
  void do_class_begin(Dstr &out, const Dstr &className, const std::vector<Dstr> &bases,
                      const char *prefix, AList *classmap);
  void do_class_begin(FILE *f, const Dstr &className, const std::vector<Dstr> &bases,
                      const char *prefix, AList *classmap);

  // Makes the generators made from now on read every binding file anew, as a process that has
  // read none would (BE_reset_process_state). The files read so far stay allocated, as the
  // generators that exist still use them.
  static void forget_binding_files();

  // The shared list that templates are filled from; set by the derived class, not owned.
  Replacements *variables;
  // "::" = "_": turns a scoped name into a flat identifier.
  Replacements underscoreScope;
  Dstr bindingDir;
  // The type map; set by the derived class, not owned.
  Types *types;
  // "::" = the binding's scope separator; empty when the separator is "::" itself.
  Replacements scopeSeparator;

private:
  const BindingFile *load_binding_file(const char *name);
  const BindingFile *find_binding_file(const char *name);

  // The cache entry of every key this generator has asked for, so that a key is found without
  // composing its path. The views point into the entries' paths, which end in the key.
  std::unordered_map<std::string_view, const BindingFile *> templates;
  // Room for the template line being filled, kept from one emission to the next.
  std::string lineBuffer;
};

#endif
