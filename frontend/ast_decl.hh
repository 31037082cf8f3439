// AST_Decl: the part every declaration node of the syntax tree shares (kind, position, scoped
// name, pragmas, flags), and COMMON_Base, the root of both the declaration and the scope
// halves of a node. Nodes are viewed as their classes with narrow_from_decl.
#ifndef FRONTEND_AST_DECL_HH
#define FRONTEND_AST_DECL_HH

#include <initializer_list>
#include <ostream>

#include "frontend/utl_arena.hh"

class Identifier;
class UTL_IdList;
class UTL_Scope;
class UTL_StrList;
class UTL_String;

// What a declaration has of its repository identity (see AST_Decl::prefix).
struct AST_RepositoryIdentity : UTL_ArenaObject {
  UTL_String *prefix = nullptr;
  UTL_String *type_prefix = nullptr;
  UTL_String *id = nullptr;
  UTL_String *version = nullptr;
};

class COMMON_Base : public UTL_ArenaObject {
public:
  virtual ~COMMON_Base() = default;
};

class AST_Decl : public virtual COMMON_Base {
public:
  // The node kinds, from ast_node_types.def.
  enum NodeType {
#define AST_NODE_TYPE(name) name,
#include "frontend/ast_node_types.def"
  };

  // The constructor (protected, below) takes its position and defining scope from the global
  // state; the full name is the defining scope's full name followed by the last component of n.
  virtual ~AST_Decl() = default;

  virtual void dump(std::ostream &o);

  bool imported() { return pd_imported; }
  void set_imported(bool i) { pd_imported = i; }
  bool in_main_file() { return pd_in_main_file; }
  void set_in_main_file(bool m) { pd_in_main_file = m; }
  UTL_Scope *defined_in() { return pd_defined_in; }
  void set_defined_in(UTL_Scope *s) { pd_defined_in = s; }
  NodeType node_type() { return pd_node_type; }
  long line() { return pd_line; }
  void set_line(long l) { pd_line = l; }
  UTL_String *file_name() { return pd_file_name; }
  void set_file_name(UTL_String *f) { pd_file_name = f; }
  UTL_IdList *name() { return pd_name; }
  // Replaces the full name; the local name becomes its last component.
  void set_name(UTL_IdList *n);
  Identifier *local_name() { return pd_local_name; }
  UTL_StrList *pragmas() { return pd_pragmas; }
  // Sets the pragma list when there is none, appends to it otherwise.
  void add_pragmas(UTL_StrList *p);
  bool added() { return pd_added; }
  void set_added(bool a) { pd_added = a; }

  // Repository identity, recorded for the repository ids of a later mapping (null for none):
  // the prefix in effect where the declaration was made (#pragma prefix), the prefix typeprefix
  // gave it, the id #pragma ID or typeid gave it and the version #pragma version gave it.
  UTL_String *prefix() { return pd_identity ? pd_identity->prefix : nullptr; }
  void set_prefix(UTL_String *p) { own_identity()->prefix = p; }
  UTL_String *type_prefix() { return pd_identity ? pd_identity->type_prefix : nullptr; }
  void set_type_prefix(UTL_String *p) { own_identity()->type_prefix = p; }
  UTL_String *repository_id() { return pd_identity ? pd_identity->id : nullptr; }
  void set_repository_id(UTL_String *id) { own_identity()->id = id; }
  UTL_String *version() { return pd_identity ? pd_identity->version : nullptr; }
  void set_version(UTL_String *v) { own_identity()->version = v; }

  // The full name as one text, joined as joined_scoped_name joins it: "Bank::Account". It is
  // joined at the first request and kept, as the code generators ask for the names of the same
  // types at every operation and argument; set_name forgets it.
  const char *scoped_name_text();

  // True when this node is d or lies inside d.
  bool has_ancestor(AST_Decl *d);

  // Writes the local name.
  void dump_local_name(std::ostream &o);

  static AST_Decl *narrow_from_decl(AST_Decl *d) { return d; }

  // Whether nt is one of the kinds given; the node and scope views narrow by it.
  static bool is_one_of(NodeType nt, std::initializer_list<NodeType> kinds) {
    for (NodeType k : kinds) {
      if (nt == k)
        return true;
    }
    return false;
  }

protected:
  // The constructors that take a kind are protected in every class whose nodes may have more
  // than one kind, so that each node class's constructors fix the kinds its nodes can have.
  AST_Decl(NodeType nt, UTL_IdList *n, UTL_StrList *p);

  // d viewed as the node class T, whose nodes have exactly the kinds given; null for a node of
  // any other kind. As the kinds fix the class, the cast is static: a dynamic_cast walks the
  // class hierarchy, comparing type names, and costs far more.
  template <typename T> static T *kind_cast(AST_Decl *d, std::initializer_list<NodeType> kinds) {
    return d != nullptr && is_one_of(d->pd_node_type, kinds) ? static_cast<T *>(d) : nullptr;
  }

private:
  void compute_full_name(UTL_IdList *n);
  // The identity of this declaration alone, made from the shared one when first needed.
  AST_RepositoryIdentity *own_identity();

  bool pd_imported;
  bool pd_in_main_file;
  bool pd_added = false;
  // Whether pd_identity is the one the declarations made under the same prefix share.
  bool pd_identity_shared = true;
  NodeType pd_node_type;
  UTL_Scope *pd_defined_in;
  long pd_line;
  UTL_String *pd_file_name;
  UTL_IdList *pd_name = nullptr;
  Identifier *pd_local_name = nullptr;
  UTL_StrList *pd_pragmas;
  AST_RepositoryIdentity *pd_identity;
  const char *pd_scoped_name_text = nullptr;
};

#endif
