// MakefileFragment: the makefile variables and rules for a list of IDL files, in the order the
// files are added. depwrite fills it from the entries of the current directory.
#ifndef DEPWRITE_MAKEFILEFRAGMENT_HH
#define DEPWRITE_MAKEFILEFRAGMENT_HH

#include <iosfwd>

#include "foundation/Dstr.hh"

class MakefileFragment {
public:
  MakefileFragment(const Dstr &clientSuffix, const Dstr &serverSuffix, const Dstr &headerSuffix);

  // True for a name ending in ".idl" (the stem may be empty).
  static bool is_idl_name(const char *name);
  // True for a name that make and the shell of a recipe take as it is: ASCII letters and digits,
  // the characters . _ + , @ and -, and any byte above 127; not beginning with "-", which the
  // IDL compiler would take for an option. Any other character (blank, # : $ % ; = \ " ` and
  // the like) has a meaning to make or to the shell.
  static bool is_makefile_safe(const char *name);
  // Adds an IDL file (a name that is_idl_name takes): one entry, preceded by a blank, to each of the six lists.
  void add(const char *idlName);
  bool empty() const { return idlFiles.isNull(); }
  // Writes the variables, then a rule per IDL file that runs the IDL compiler, then the object
  // rules. The rules take their names from the lists split into tokens.
  void write(std::ostream &out) const;

private:
  void write_variables(std::ostream &out) const;
  void write_generation_rules(std::ostream &out) const;
  void write_object_rules(std::ostream &out) const;

  Dstr clientSuffix;
  Dstr serverSuffix;
  Dstr headerSuffix;
  Dstr idlFiles;
  Dstr headers;
  Dstr clientObjects;
  Dstr serverObjects;
  Dstr clientSources;
  Dstr serverSources;
};

#endif
