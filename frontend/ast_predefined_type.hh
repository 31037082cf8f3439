// AST_PredefinedType: a basic type (long, char, any, ...) or a reserved name entered into the
// root at start-up.
#ifndef FRONTEND_AST_PREDEFINED_TYPE_HH
#define FRONTEND_AST_PREDEFINED_TYPE_HH

#include "frontend/ast_expression.hh"
#include "frontend/ast_type.hh"

class AST_PredefinedType : public AST_ConcreteType {
public:
  enum PredefinedType {
    PREDEF_LONG,
    PREDEF_ULONG,
    PREDEF_LONGLONG,
    PREDEF_ULONGLONG,
    PREDEF_SHORT,
    PREDEF_USHORT,
    PREDEF_FLOAT,
    PREDEF_DOUBLE,
    PREDEF_LONGDOUBLE,
    PREDEF_CHAR,
    PREDEF_WCHAR,
    PREDEF_BOOLEAN,
    PREDEF_OCTET,
    PREDEF_ANY,
    PREDEF_VOID,
    PREDEF_PSEUDO
  };

  AST_PredefinedType(PredefinedType t, UTL_IdList *n, UTL_StrList *p)
      : AST_ConcreteType(NT_pre_defined, n, p), pd_pt(t) {}

  PredefinedType pt() { return pd_pt; }

  static AST_PredefinedType *narrow_from_decl(AST_Decl *d) {
    return kind_cast<AST_PredefinedType>(d, {NT_pre_defined});
  }

private:
  PredefinedType pd_pt;
};

// The predefined kind whose values have expression type t; false when there is none (string,
// wide string, none).
bool predefined_kind_of(AST_Expression::ExprType t, AST_PredefinedType::PredefinedType *kind);
// The expression type of the values of a predefined kind that the arithmetic in double handles
// (integers and floating types up to 32 and 64 bits, char, octet, boolean); any for the other
// kinds.
AST_Expression::ExprType constant_type_of(AST_PredefinedType::PredefinedType kind);
// The expression type of the values of a predefined kind, 64-bit integers, long double and wide
// characters included; any for any, void and the pseudo types.
AST_Expression::ExprType value_type_of(AST_PredefinedType::PredefinedType kind);

#endif
