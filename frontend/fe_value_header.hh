// FE_ValueHeader: the name and keyword (none, abstract or custom) of a value type being
// declared, the value types it inherits from and the interfaces it supports, each list resolved
// as soon as it has been read.
#ifndef FRONTEND_FE_VALUE_HEADER_HH
#define FRONTEND_FE_VALUE_HEADER_HH

#include "frontend/ast_decl.hh"
#include "frontend/utl_arena.hh"

class AST_Interface;
class UTL_IdList;
class UTL_NameList;

// The inheritance list of a value type as written: truncatable or not, and the names.
struct FE_ValueBases : UTL_ArenaObject {
  FE_ValueBases(bool t, UTL_NameList *n) : truncatable(t), names(n) {}

  bool truncatable;
  UTL_NameList *names;
};

class FE_ValueHeader : public UTL_ArenaObject {
public:
  enum Keyword { KEYWORD_NONE, KEYWORD_ABSTRACT, KEYWORD_CUSTOM };

  FE_ValueHeader(UTL_IdList *n, Keyword k) : pd_value_name(n), pd_keyword(k) {}

  // Resolve the names from the scope on top of the stack; each stops at the first name that is
  // not a defined value type (interface) this value type may inherit (support), keeping those
  // accepted before it. A value type inherits only abstract value types, but for a first one
  // that is not abstract, from which alone it may be truncatable, and which is not custom
  // unless the value type is; it supports abstract interfaces, and a first one that is not.
  // A null bases is an empty list.
  void inherit(FE_ValueBases *bases);
  void support(UTL_NameList *names);

  UTL_IdList *value_name() { return pd_value_name; }
  Keyword keyword() { return pd_keyword; }
  bool truncatable() { return pd_truncatable; }
  AST_Interface **inherits() { return pd_inherits; }
  long n_inherits() { return pd_n_inherits; }
  AST_Interface **supports() { return pd_supports; }
  long n_supports() { return pd_n_supports; }

private:
  // The defined value type or interface (by kind) a name denotes; null after reporting.
  AST_Interface *resolve(UTL_IdList *name, AST_Decl::NodeType kind);

  UTL_IdList *pd_value_name;
  Keyword pd_keyword;
  bool pd_truncatable = false;
  AST_Interface **pd_inherits = nullptr;
  long pd_n_inherits = 0;
  AST_Interface **pd_supports = nullptr;
  long pd_n_supports = 0;
};

#endif
