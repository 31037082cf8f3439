// AST_WideString: the wide string type wstring with its bound (0 for unbounded), an anonymous
// template type that the parser enters into the root's local types like the others. The older
// spelling wstring_t stays an AST_String of width 4, which bindings map as a string.
#ifndef FRONTEND_AST_WIDE_STRING_HH
#define FRONTEND_AST_WIDE_STRING_HH

#include "frontend/ast_type.hh"

class AST_Expression;

class AST_WideString : public AST_ConcreteType {
public:
  explicit AST_WideString(AST_Expression *ms);

  // Writes "wstring", and " <bound>" for a bounded one.
  void dump(std::ostream &o) override;

  AST_Expression *max_size() { return pd_max_size; }

  static AST_WideString *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_WideString>(d, {NT_wstring});
  }

private:
  AST_Expression *pd_max_size;
};

#endif
