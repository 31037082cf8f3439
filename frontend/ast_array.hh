// The anonymous template types: AST_Array (a base type with dimensions), AST_Sequence (an
// element type with a bound, 0 for unbounded) and AST_String (a bound and a character width,
// 1 for string and 4 for the wide string). The parser enters them into the root's local types.
#ifndef FRONTEND_AST_ARRAY_HH
#define FRONTEND_AST_ARRAY_HH

#include "frontend/ast_type.hh"

class AST_Expression;
class UTL_ExprList;

class AST_Array : public AST_ConcreteType {
public:
  // Copies the first nd entries of ds as the dimensions.
  AST_Array(UTL_IdList *n, unsigned long nd, UTL_ExprList *ds);

  void dump(std::ostream &o) override;

  unsigned long n_dims() { return pd_n_dims; }
  AST_Expression **dims() { return pd_dims; }
  void set_dims(AST_Expression **ds, unsigned long nd) {
    pd_dims = ds;
    pd_n_dims = nd;
  }
  AST_Type *base_type() { return pd_base_type; }
  void set_base_type(AST_Type *bt) { pd_base_type = bt; }

  static AST_Array *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Array>(d, {NT_array});
  }

private:
  unsigned long pd_n_dims;
  AST_Expression **pd_dims;
  AST_Type *pd_base_type = nullptr;
};

class AST_Sequence : public AST_ConcreteType {
public:
  AST_Sequence(AST_Expression *ms, AST_Type *bt);

  void dump(std::ostream &o) override;

  AST_Expression *max_size() { return pd_max_size; }
  AST_Type *base_type() { return pd_base_type; }

  static AST_Sequence *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Sequence>(d, {NT_sequence});
  }

private:
  AST_Expression *pd_max_size;
  AST_Type *pd_base_type;
};

class AST_String : public AST_ConcreteType {
public:
  explicit AST_String(AST_Expression *ms) : AST_String(ms, 1) {}
  // Named "string" for width 1, "wstring_t" otherwise.
  AST_String(AST_Expression *ms, long wide);

  void dump(std::ostream &o) override;

  AST_Expression *max_size() { return pd_max_size; }
  long width() { return pd_width; }

  static AST_String *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_String>(d, {NT_string});
  }

private:
  AST_Expression *pd_max_size;
  long pd_width;
};

#endif
