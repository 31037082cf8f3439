// AST_Type: the declarations that can be used as types; AST_ConcreteType: the types that are
// not interfaces, value types, native types or typedefs (predefined, struct, union, enum, array,
// sequence, string, wide string, value box, fixed-point).
#ifndef FRONTEND_AST_TYPE_HH
#define FRONTEND_AST_TYPE_HH

#include "frontend/ast_decl.hh"

class AST_Type : public AST_Decl {
public:
  // Whether the type is known to hold a local interface (see fe_local_types.hh).
  enum Locality { LOCALITY_UNKNOWN, LOCALITY_LOCAL, LOCALITY_NOT_LOCAL };

  Locality locality() { return pd_locality; }
  void set_locality(Locality l) { pd_locality = l; }

  static AST_Type *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_Type>(d, {NT_interface, NT_interface_fwd, NT_except, NT_union,
                                   NT_struct, NT_enum, NT_string, NT_array, NT_sequence,
                                   NT_typedef, NT_pre_defined, NT_wstring, NT_valuebox,
                                   NT_valuetype, NT_valuetype_fwd, NT_native, NT_fixed});
  }

protected:
  AST_Type(NodeType nt, UTL_IdList *n, UTL_StrList *p) : AST_Decl(nt, n, p) {}

private:
  Locality pd_locality = LOCALITY_UNKNOWN;
};

class AST_ConcreteType : public AST_Type {
public:
  static AST_ConcreteType *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_ConcreteType>(d, {NT_except, NT_union, NT_struct, NT_enum, NT_string,
                                           NT_array, NT_sequence, NT_pre_defined,
                                           NT_wstring, NT_valuebox, NT_fixed});
  }

protected:
  AST_ConcreteType(NodeType nt, UTL_IdList *n, UTL_StrList *p) : AST_Type(nt, n, p) {}
};

// Writes the dump of a type used inside another type's dump (a typedef's base, an element or
// array base type). Chains of such types can be as long as the file is, so beyond a fixed depth
// only the type's full name is written.
void dump_type_reference(std::ostream &o, AST_Type *t);

#endif
