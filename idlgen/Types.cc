// Types: reading of the "types" file (one mapping a line: passing kind, kind or
// "NT_pre_defined" and type name, "=", translation), the core lookup that every mapping form
// ends in, and the mapping of tree nodes onto it.
#include "idlgen/Types.hh"

#include <cassert>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "foundation/FatalError.hh"
#include "foundation/InputLine.hh"
#include "foundation/IgnorableError.hh"
#include "frontend/ast_array.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/ast_typedef.hh"
#include "frontend/utl_scope.hh"
#include "idlgen/AST_Utils.hh"

namespace {

const char *const parmtypeWords[] = {"ret", "in", "out", "inout"};

// The name a kind is looked up under when the caller names no type.
const char *const localType = "local type";

// text is what is wrong, after ": ".
[[noreturn]] void syntax_error(const Dstr &path, int line, const char *text) {
  FatalError(explain_at(path, line, "no mapping of the form PASSING KIND = TRANSLATION", text),
             "Syntax error in type map file ", path, " line ", line, text);
}

// The key of a predefined type in the map: its name with every blank removed and a leading word
// "unsigned" written "u", so that every predefined type has a key of its own: "unsigned long"
// gives "ulong", "unsigned long long" "ulonglong", "long double" "longdouble"; one word stays.
// The usual name is one word, which is its own key and is returned itself; any other key is
// made in key. No name has the key "".
const char *predefined_key(const char *name, Dstr &key) {
  if (name == nullptr)
    return "";
  if (strcmp(name, "unsigned") == 0)
    return (key = "u").aschar();
  if (strpbrk(name, " \t\n\v\f\r\"") == nullptr)
    return name;
  Dstr rest(name);
  Dstr word;
  rest /= word;
  key = "";
  if (word == "unsigned") {
    key = "u";
    rest /= word;
  }
  for (; !word.isNull(); rest /= word)
    key += word;
  return key.aschar();
}

// A subname as the text it is written with: none is written "".
const char *text_of(const char *subname) { return subname ? subname : ""; }

}  // namespace

Types::Types(const Dstr &binding, Replacements *reps_in) : reps(reps_in), names(binding) {
  assert(reps != nullptr);
  Dstr path(binding);
  path += "types";
  FILE *f = fopen(path.aschar(), "r");
  if (!f) {
    const int error = errno;
    perror("types");
    FatalError(explain_at(path, 0, "the binding has no type map: ", strerror(error)),
               "Can't open ", path, " for reading");
  }
  int number = 0;
  for (Dstr line; read_input_line(f, line, path);)
    read_line(line, ++number, path);
  // A read error would otherwise leave the rest of the map silently empty.
  const bool failed = ferror(f) != 0;
  fclose(f);
  if (failed)
    FatalError(explain_at(path, number + 1, "cannot read the type map"), "Can't read ", path,
               " after line ", number);
}

// One mapping: "ret NT_struct = text" or "ret NT_pre_defined long = text". The "=" must stand
// as a word of its own; the translation is everything after the first "=", without the blanks
// and tabs that follow it.
void Types::read_line(const Dstr &line, int number, const Dstr &path) {
  const int equals = line.strchr('=');
  if (equals < 0)
    syntax_error(path, number, ": = not found");
  const char *translation = line.ascharfrom(equals + 1);
  translation += strspn(translation, " \t");

  Dstr rest(line);
  Dstr words[4];
  for (Dstr &word : words) {
    rest /= word;
    if (word.isNull())
      syntax_error(path, number, ": not enough arguments on line");
  }
  Map &map = maps[string2parmtype(words[0], number, path)];
  const bool predefined = words[1] == "NT_pre_defined";
  if (words[predefined ? 3 : 2] != "=")
    syntax_error(path, number, ": = not found where expected");
  if (predefined)
    map.byPredefined.define(words[2], translation);
  else
    map.byKind.define(words[1], translation);
}

Types::parmtype Types::string2parmtype(const Dstr &word, int line, const Dstr &path) {
  for (int pt = ret; pt <= inout; ++pt) {
    if (word == parmtypeWords[pt])
      return static_cast<parmtype>(pt);
  }
  syntax_error(path, line, ": arg1 not ret, in, out, or inout");
}

const char *Types::parmtype2string(parmtype pt) {
  assert(pt >= ret && pt <= inout);
  return parmtypeWords[pt];
}

Types::parmtype Types::direction2parmtype(AST_Argument::Direction d) {
  static const parmtype kinds[] = {in, out, inout};
  assert(d >= AST_Argument::ARG_IN && d <= AST_Argument::ARG_INOUT);
  return kinds[d];
}

const Dstr &Types::mapType(const char *subname, const char *kind, const char *name, parmtype pt,
                           const Dstr &basesub) {
  static Dstr translation;
  const char *ptWord = parmtype2string(pt);
  if (strcmp(kind, "NT_typedef") == 0)
    FatalError(explain("internal error: a typedef was looked up in the type map by its kind"),
               "A typedef has been stringified.  This indicates a compiler bug.");
  const Map &map = maps[pt];
  Dstr key;
  translation = strcmp(kind, "NT_pre_defined") == 0
                    ? map.byPredefined.translate(predefined_key(name, key))
                    : map.byKind.translate(kind);
  if (translation.isNull()) {
    IgnorableError("No mapping for type ", ptWord, " ", kind, " ", name);
    return translation;
  }
  if (translation == "unimplemented") {
    IgnorableError("Mapping for type ", ptWord, " ", kind, " ", name,
                   " is unimplemented in this binding");
    translation = Dstr();
    return translation;
  }
  // A predefined type's name and the name of no type are no IDL identifiers.
  const bool identifier = subname && strcmp(kind, "NT_pre_defined") != 0 &&
                          strcmp(subname, localType) != 0;
  if (identifier)
    reps->define("TYPESSUBNAME", names.scoped(subname));
  else if (subname)
    reps->define("TYPESSUBNAME", subname);
  else
    reps->define("TYPESSUBNAME", Dstr());
  reps->define("BASESUBNAME", basesub);
  reps->do_subs(translation);
  return translation;
}

const Dstr &Types::mapType(const char *subname, const char *kind, const char *name,
                           parmtype pt) {
  return mapType(subname, kind, name, pt, Dstr());
}

const Dstr &Types::mapType(const char *kind, const char *name, parmtype pt) {
  return mapType(name, kind, name, pt);
}

const Dstr &Types::mapType(const char *kind, const Dstr &name, parmtype pt) {
  return mapType(name.asrawchar(), kind, name.asrawchar(), pt);
}

const Dstr &Types::mapType(const char *kind, const char *name, AST_Argument::Direction d) {
  return mapType(kind, name, direction2parmtype(d));
}

const Dstr &Types::mapType(const char *kind, AST_Argument::Direction d) {
  return mapType(kind, direction2parmtype(d));
}

const Dstr &Types::mapType(const char *kind, parmtype pt) {
  return mapType(localType, kind, localType, pt);
}

const Dstr &Types::mapType(const Dstr &kind, parmtype pt) { return mapType(kind.aschar(), pt); }

const Dstr &Types::mapType(AST_Type *t, parmtype pt, bool kludge) {
  const char *name = scopedNameOf(t);
  if (AST_Typedef *td = AST_Typedef::narrow_from_decl(t))
    return mapType(name, td->base_type(), pt, kludge);
  return map_node(name, t, name, pt, kludge);
}

// A chain of typedefs is written under the outermost name, which the caller passes as subname.
// A sequence's BASESUBNAME is its element's mapping; sequences whose elements are
// typedef-named sequences are followed in a loop and mapped from the innermost out, since such
// a chain can be as long as the file.
const Dstr &Types::mapType(const char *subname, AST_Type *t, parmtype pt, bool kludge) {
  // The subnames are the caller's text and the names that scopedNameOf keeps, which stay put.
  struct Enclosing {
    const char *subname;
    AST_Sequence *sequence;
  };
  std::vector<Enclosing> enclosing;
  const char *name = subname;
  const Dstr *mapping = nullptr;
  while (mapping == nullptr) {
    t = AST_Type::narrow_from_decl(strip_typedefs(t));
    assert(t != nullptr);
    AST_Sequence *q = AST_Sequence::narrow_from_decl(t);
    if (q == nullptr) {
      mapping = &map_node(text_of(name), t, scopedNameOf(t), pt, kludge);
    } else if (kludge && pt != inout) {
      static Dstr kludgeName;
      kludgeName = names.scoped(text_of(name));
      mapping = &kludgeName;
    } else {
      enclosing.push_back({name, q});
      t = q->base_type();
      if (AST_Typedef::narrow_from_decl(t))
        name = scopedNameOf(t);
      else
        mapping = &map_node(scopedNameOf(t), t, scopedNameOf(t), pt, kludge);
    }
  }
  for (auto e = enclosing.rbegin(); e != enclosing.rend(); ++e) {
    // Copied out of the result string before the sequence's own lookup overwrites it.
    const Dstr element(*mapping);
    mapping = &mapType(text_of(e->subname), "NT_sequence", scopedNameOf(e->sequence), pt,
                       element);
  }
  return *mapping;
}

const Dstr &Types::mapType(AST_Type *t, AST_Argument::Direction d) {
  return mapType(t, direction2parmtype(d), false);
}

const Dstr &Types::mapMemberType(AST_Field *member, parmtype pt, bool kludge) {
  AST_Type *t = member->field_type();
  const AST_Decl::NodeType nt = t->node_type();
  const bool anonymous = (nt == AST_Decl::NT_sequence || nt == AST_Decl::NT_array) &&
                         strcmp(nameOf(t), localType) == 0;
  Dstr name = anonymous ? maps[pt].byKind.translate(nt == AST_Decl::NT_sequence
                                                        ? "NT_anonymous_sequence"
                                                        : "NT_anonymous_array")
                        : Dstr();
  if (name.isNull())
    return mapType(t, pt, kludge);
  reps->define("OWNERSUBNAME", names.scoped(scopedNameOf(ScopeAsDecl(member->defined_in()))));
  reps->define("MEMBERSUBNAME", names.word(nameOf(member)));
  reps->do_subs(name);
  // The subname must outlive the mapping, which reads it after other lookups.
  static Dstr subname;
  subname = name;
  return mapType(subname.aschar(), t, pt, kludge);
}

// name is t's own scoped name.
const Dstr &Types::map_node(const char *subname, AST_Type *t, const char *name, parmtype pt,
                            bool kludge) {
  const AST_Decl::NodeType nt = t->node_type();
  const char *fixedKind = nt == AST_Decl::NT_struct  ? "NT_struct_fixed"
                          : nt == AST_Decl::NT_union ? "NT_union_fixed"
                          : nt == AST_Decl::NT_array ? "NT_array_fixed"
                                                     : nullptr;
  if (fixedKind && (kludge || is_fixed(t)))
    return mapType(subname, fixedKind, name, pt);
  AST_PredefinedType *p = AST_PredefinedType::narrow_from_decl(t);
  if (kludge && p != nullptr && p->pt() == AST_PredefinedType::PREDEF_ANY) {
    static const Dstr any("CORBA::Any");
    return any;
  }
  return mapType(subname, nodeType2String(nt), name, pt);
}
