// CodeGenerator: emission of binding templates. A template file is read from the binding
// directory on first use and kept for the whole process; emitting it fills every line with the
// shared substitution variables. Base of the NUX compiler and of the IDL generator.
#ifndef FOUNDATION_CODEGENERATOR_HH
#define FOUNDATION_CODEGENERATOR_HH

#include <cstdio>

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
};

#endif
