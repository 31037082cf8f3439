// DeclarationList: the variables a NUX script declares (objects on servers and plain values),
// in script order, and the rewriting of references to them in script expressions: each
// declared name becomes the binding's "globalsprefix" followed by the name.
#ifndef NUX_DECLARATIONLIST_HH
#define NUX_DECLARATIONLIST_HH

#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Dstr.hh"
#include "foundation/Replacements.hh"

class DeclarationList {
public:
  // One "declare" line: "declare type name [header [host [server [marker]]]]"; absent
  // arguments are null. Records never move, so a pointer to one stays valid while the list
  // grows.
  struct declaration {
    Dstr type;
    Dstr name;
    Dstr header;
    Dstr host;
    Dstr server;
    Dstr marker;
    // The script line of the "declare".
    int line;
  };

  // prefix: the name prefix; empty leaves declared names unchanged in expressions.
  explicit DeclarationList(const Dstr &prefix);
  ~DeclarationList();
  DeclarationList(const DeclarationList &) = delete;
  DeclarationList &operator=(const DeclarationList &) = delete;

  void add(const Dstr &type, const Dstr &name, const Dstr &header, const Dstr &host,
           const Dstr &server, const Dstr &marker, int line);
  // The first declaration of name; when there is none, records "No such declaration: " + name
  // with IgnorableError and returns null.
  declaration *operator[](const Dstr &name) const;
  declaration *operator[](const char *name) const;
  // The names declared, each once, in script order.
  std::vector<Dstr> names() const;
  // Rewrites the declared names that stand as whole identifiers in text to their prefixed form.
  void do_subs_Java(Dstr &text) const;

private:
  Replacements substitutions;
  Dstr prefix;
  std::vector<declaration *> declarations;
  // The first declaration of every name (viewing the declaration's own name), and the first
  // without a name.
  std::unordered_map<std::string_view, declaration *> firstByName;
  declaration *firstUnnamed = nullptr;
};

#endif
