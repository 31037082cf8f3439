// AST_Operation: an interface operation, a scope whose declarations are its arguments, with its
// return type, flags, raised exceptions and context strings.
#ifndef FRONTEND_AST_OPERATION_HH
#define FRONTEND_AST_OPERATION_HH

#include "frontend/ast_decl.hh"
#include "frontend/utl_scope.hh"

class AST_Type;
class UTL_ExceptList;

class AST_Operation : public AST_Decl, public UTL_Scope {
public:
  enum Flags { OPFLAG_NONE, OPFLAG_ONEWAY, OPFLAG_IDEMPOTENT };

  // A oneway operation whose return type is not void is reported, and still created.
  AST_Operation(AST_Type *rt, Flags fl, UTL_IdList *n, UTL_StrList *p)
      : AST_Operation(NT_op, rt, fl, n, p) {}

  void dump(std::ostream &o) override;

  AST_Type *return_type() { return pd_return_type; }
  Flags flags() { return pd_flags; }
  UTL_StrList *context() { return pd_context; }
  UTL_ExceptList *exceptions() { return pd_exceptions; }

  // Out and inout arguments are refused for a oneway operation.
  AST_Argument *fe_add_argument(AST_Argument *a) override;
  // Resolves the raised exceptions in order, stopping at the first name that is not one.
  UTL_NameList *fe_add_exceptions(UTL_NameList *names) override;
  UTL_StrList *fe_add_context(UTL_StrList *c) override;

  // A value type's factory (NT_factory, ast_factory.hh) is an AST_Operation too, so both
  // narrowings take it: code meant for operations alone checks node_type() for NT_op.
  static AST_Operation *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Operation>(d, {NT_op, NT_factory});
  }
  static AST_Operation *narrow_from_scope(UTL_Scope *s) {
    return scope_kind_cast<AST_Operation>(s, {NT_op, NT_factory});
  }

protected:
  AST_Operation(NodeType nt, AST_Type *rt, Flags fl, UTL_IdList *n, UTL_StrList *p);

  // Writes the argument list in parentheses and, when there is one, the raises list.
  void dump_arguments_and_raises(std::ostream &o);

private:
  AST_Type *pd_return_type;
  Flags pd_flags;
  UTL_StrList *pd_context = nullptr;
  UTL_ExceptList *pd_exceptions = nullptr;
};

// Sets *found to the exceptions a raises list names, looked up from s, up to the first name
// that is no exception, which is reported (null for none); false when there is such a name.
bool resolve_exceptions(UTL_Scope *s, UTL_NameList *names, UTL_ExceptList **found);
// Writes opening, the local names of the exceptions separated by ", ", and ")"; nothing for
// none.
void dump_raises(std::ostream &o, const char *opening, UTL_ExceptList *exceptions);

#endif
