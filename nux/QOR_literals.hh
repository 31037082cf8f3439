// QOR_literals: which IDL types a QOR literal can be a value of. The reader keeps a literal's
// text only; its kind (string, character, integer, float, boolean, octet) shows in the text,
// and the type it is given for decides whether it fits: 6.5 is no long, "x" no long, 70000 no
// short, 3 no enumerator of a two-value enum. A misfit is caught here, not by the C++ compiler.
#ifndef NUX_QOR_LITERALS_HH
#define NUX_QOR_LITERALS_HH

#include "foundation/Dstr.hh"

class AST_Type;

// The type as a message names it: a predefined type by its name ("long"), a string type as
// "string", an anonymous sequence as "a sequence", any other by its scoped name.
Dstr idl_type_name(AST_Type *t);

// What is wrong with the literal text as a value of the type t (typedefs resolved): explanation
// in plain words, message in the words of the other QOR value errors.
struct LiteralMisfit {
  Dstr explanation;
  Dstr message;
};

// Whether the literal text is a value of t; when it is not, why says why. A type this table
// does not know (any, Object, kinds it has not heard of) takes any literal, and the binding's
// template decides what the text means.
bool literal_fits(const Dstr &text, AST_Type *t, LiteralMisfit &why);

#endif
