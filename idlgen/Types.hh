// Types: the type map of a binding, read from its "types" file. For a kind of type (or the name
// of a predefined type) and a way of passing it, it gives the text that writes the type in the
// target language, filled with the shared substitution variables.
#ifndef IDLGEN_TYPES_HH
#define IDLGEN_TYPES_HH

#include "foundation/AList.hh"
#include "foundation/Dstr.hh"
#include "foundation/Replacements.hh"
#include "frontend/ast_field.hh"
#include "idlgen/NameSpelling.hh"

class AST_Type;

class Types {
public:
  // How a value of the type is passed; the words of the types file are "ret", "in", "out" and
  // "inout".
  enum parmtype { ret, in, out, inout };

  // Reads binding + "types"; a missing file or a syntax error in it is fatal. reps is the shared
  // substitution list that translations are filled from. The binding's reserved words (its
  // "reserved" file) are read too: TYPESSUBNAME is spelled with them.
  Types(const Dstr &binding, Replacements *reps_in);
  Types(const Types &) = delete;
  Types &operator=(const Types &) = delete;

  // The passing kind named by word; anything else is a fatal syntax error at line of path.
  static parmtype string2parmtype(const Dstr &word, int line, const Dstr &path);
  static const char *parmtype2string(parmtype pt);
  // An argument's direction as a passing kind: in, out, inout.
  static parmtype direction2parmtype(AST_Argument::Direction d);

  // How the binding's language writes IDL names.
  const NameSpelling &spelling() const { return names; }

  // The translation of kind (or, for "NT_pre_defined", of the predefined type name) passed as
  // pt, with TYPESSUBNAME = subname and BASESUBNAME = basesub filled in. A missing or
  // "unimplemented" mapping records its message with IgnorableError and gives a null string.
  // Every form returns the same static string, which the next call overwrites.
  const Dstr &mapType(const char *subname, const char *kind, const char *name, parmtype pt,
                      const Dstr &basesub);
  const Dstr &mapType(const char *subname, const char *kind, const char *name, parmtype pt);
  const Dstr &mapType(const char *kind, const char *name, parmtype pt);
  const Dstr &mapType(const char *kind, const Dstr &name, parmtype pt);
  const Dstr &mapType(const char *kind, const char *name, AST_Argument::Direction d);
  // A kind asked for without naming a type: the type's name is "local type".
  const Dstr &mapType(const char *kind, parmtype pt);
  const Dstr &mapType(const char *kind, AST_Argument::Direction d);
  const Dstr &mapType(const Dstr &kind, parmtype pt);

  // Mapping by a node of the syntax tree. Typedefs are resolved and the outermost typedef name
  // is written for the type (TYPESSUBNAME); fixed-size structures, unions and arrays take the
  // kinds "NT_struct_fixed", "NT_union_fixed" and "NT_array_fixed". With kludge set (the form
  // of the support functions), every structure, union and array takes its "_fixed" kind, any is
  // "CORBA::Any", and a typedef-named sequence not passed inout is the typedef's name.
  const Dstr &mapType(AST_Type *t, parmtype pt, bool kludge);
  // The same, writing the type as subname; a sequence's element mapping becomes BASESUBNAME.
  const Dstr &mapType(const char *subname, AST_Type *t, parmtype pt, bool kludge);
  const Dstr &mapType(AST_Type *t, AST_Argument::Direction d);
  // The type of a structure member, union branch or exception member, as mapType(t, pt,
  // kludge). A member declared with an anonymous sequence or array type is written under the
  // name that the kind "NT_anonymous_sequence" or "NT_anonymous_array" translates to, with
  // OWNERSUBNAME the enclosing type's scoped name and MEMBERSUBNAME the member's name; without
  // that mapping it is written "local type".
  const Dstr &mapMemberType(AST_Field *member, parmtype pt, bool kludge);

private:
  // The translations of one passing kind.
  struct Map {
    AList byKind;
    AList byPredefined;
  };

  void read_line(const Dstr &line, int number, const Dstr &path);
  // The mapping of a node that is neither a typedef nor a sequence handled by its element.
  const Dstr &map_node(const char *subname, AST_Type *t, const char *name, parmtype pt,
                       bool kludge);

  Replacements *reps;
  NameSpelling names;
  Map maps[4];
};

#endif
