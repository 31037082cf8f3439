// QOR_literals: the kind of a literal read off its text, one table of what each predefined type
// takes (the kinds of literal and, for integers, the range), the rules of the other types, and
// the comparison of decimal integers of any length against the ranges.
#include "nux/QOR_literals.hh"

#include <cstring>

#include "foundation/FatalError.hh"
#include "frontend/ast_enum.hh"
#include "frontend/ast_predefined_type.hh"
#include "frontend/utl_scope.hh"
#include "idlgen/AST_Utils.hh"

namespace {

// The kinds of literal, as bits, so that a type can take several.
enum LiteralKind : unsigned int {
  string_literal = 1,
  character_literal = 2,
  float_literal = 4,
  integer_literal = 8,
  boolean_literal = 16,
  octet_literal = 32,
};

// The kind of a literal from its text, as the reader's tokens make it: a string or character
// in its quotes, "0x" and two hexadecimal digits, a boolean word, a number with a point or
// without.
LiteralKind kind_of(const Dstr &text) {
  if (text[0] == '"')
    return string_literal;
  if (text[0] == '\'')
    return character_literal;
  if (strncmp(text.aschar(), "0x", 2) == 0)
    return octet_literal;
  for (const char *word : {"TRUE", "True", "true", "FALSE", "False", "false"}) {
    if (text == word)
      return boolean_literal;
  }
  return text.strchr('.') >= 0 ? float_literal : integer_literal;
}

// How messages name a literal of the kind: "the float 6.5", "a float".
struct KindWords {
  const char *definite;
  const char *indefinite;
};

KindWords words_of(LiteralKind kind) {
  switch (kind) {
  case string_literal:
    return {"the string", "a string"};
  case character_literal:
    return {"the character", "a character"};
  case float_literal:
    return {"the float", "a float"};
  case boolean_literal:
    return {"the boolean", "a boolean"};
  case octet_literal:
    return {"the octet", "an octet"};
  default:
    return {"the integer", "an integer"};
  }
}

// What a type takes: the kinds of literal, in words, and for integers the lowest and highest
// value (null when the kinds hold no integer or the range is the enumerators').
struct Rule {
  unsigned int kinds;
  const char *takes;
  const char *lowest = nullptr;
  const char *highest = nullptr;
};

struct PredefinedRule {
  AST_PredefinedType::PredefinedType type;
  Rule rule;
};

const PredefinedRule predefinedRules[] = {
    {AST_PredefinedType::PREDEF_SHORT, {integer_literal, "an integer", "-32768", "32767"}},
    {AST_PredefinedType::PREDEF_USHORT, {integer_literal, "an integer", "0", "65535"}},
    {AST_PredefinedType::PREDEF_LONG,
     {integer_literal, "an integer", "-2147483648", "2147483647"}},
    {AST_PredefinedType::PREDEF_ULONG, {integer_literal, "an integer", "0", "4294967295"}},
    {AST_PredefinedType::PREDEF_LONGLONG,
     {integer_literal, "an integer", "-9223372036854775808", "9223372036854775807"}},
    {AST_PredefinedType::PREDEF_ULONGLONG,
     {integer_literal, "an integer", "0", "18446744073709551615"}},
    {AST_PredefinedType::PREDEF_FLOAT, {integer_literal | float_literal, "a number"}},
    {AST_PredefinedType::PREDEF_DOUBLE, {integer_literal | float_literal, "a number"}},
    {AST_PredefinedType::PREDEF_LONGDOUBLE, {integer_literal | float_literal, "a number"}},
    {AST_PredefinedType::PREDEF_CHAR, {character_literal, "a character, as 'x'"}},
    {AST_PredefinedType::PREDEF_WCHAR, {character_literal, "a character, as 'x'"}},
    {AST_PredefinedType::PREDEF_BOOLEAN, {boolean_literal, "TRUE or FALSE"}},
    {AST_PredefinedType::PREDEF_OCTET,
     {octet_literal | integer_literal, "an octet, as 0x1F, or an integer", "0", "255"}},
};

// Which of two decimal integers (an optional "-" and digits) is the lower: negative, zero or
// positive as a is below, equal to or above b.
int compare_integers(const char *a, const char *b) {
  const bool aNegative = *a == '-';
  const bool bNegative = *b == '-';
  a += aNegative;
  b += bNegative;
  while (*a == '0' && a[1] != '\0')
    ++a;
  while (*b == '0' && b[1] != '\0')
    ++b;
  const bool aZero = strcmp(a, "0") == 0;
  const bool bZero = strcmp(b, "0") == 0;
  const int aSign = aZero ? 0 : aNegative ? -1 : 1;
  const int bSign = bZero ? 0 : bNegative ? -1 : 1;
  if (aSign != bSign)
    return aSign - bSign;
  const size_t aLength = strlen(a);
  const size_t bLength = strlen(b);
  const int magnitude = aLength != bLength ? (aLength < bLength ? -1 : 1) : strcmp(a, b);
  return aSign < 0 ? -magnitude : magnitude;
}

int enumerator_count(AST_Type *t) {
  int count = 0;
  for (UTL_ScopeActiveIterator i(AST_Enum::narrow_from_decl(t), UTL_Scope::SCOPE_ITER_DECLS);
       !i.is_done(); i.next()) {
    if (i.item()->node_type() == AST_Decl::NT_enum_val)
      ++count;
  }
  return count;
}

// The rule of t, false for a type that takes any literal. An enum's range is kept in range.
bool rule_of(AST_Type *t, Rule &rule, Dstr &range) {
  switch (t->node_type()) {
  case AST_Decl::NT_pre_defined:
    for (const PredefinedRule &p : predefinedRules) {
      if (p.type == AST_PredefinedType::narrow_from_decl(t)->pt()) {
        rule = p.rule;
        return true;
      }
    }
    return false;
  case AST_Decl::NT_string:
    rule = {string_literal, "a string"};
    return true;
  case AST_Decl::NT_enum:
    range = join_pieces(enumerator_count(t) - 1);
    rule = {integer_literal, "the number of an enumerator", "0", range.aschar()};
    return true;
  case AST_Decl::NT_struct:
  case AST_Decl::NT_except:
    rule = {0, "a structure value {...}"};
    return true;
  case AST_Decl::NT_union:
    rule = {0, "a union value [tag, value]"};
    return true;
  case AST_Decl::NT_sequence:
    rule = {0, "a sequence value #(...)"};
    return true;
  case AST_Decl::NT_array:
    rule = {0, "an array, which no QOR value makes"};
    return true;
  case AST_Decl::NT_interface:
  case AST_Decl::NT_interface_fwd:
    rule = {0, "the name of an interface"};
    return true;
  default:
    return false;
  }
}

}  // namespace

Dstr idl_type_name(AST_Type *t) {
  switch (t->node_type()) {
  case AST_Decl::NT_pre_defined:
    return Dstr(nameOf(t));
  case AST_Decl::NT_string:
    return Dstr("string");
  case AST_Decl::NT_sequence:
    return Dstr("a sequence");
  default:
    return Dstr(scopedNameOf(t));
  }
}

bool literal_fits(const Dstr &text, AST_Type *t, LiteralMisfit &why) {
  Rule rule{};
  Dstr enumRange;
  if (!rule_of(t, rule, enumRange))
    return true;
  const LiteralKind kind = kind_of(text);
  const Dstr type = idl_type_name(t);
  if (!(rule.kinds & kind)) {
    const KindWords words = words_of(kind);
    why.explanation = join_pieces(words.definite, " ", text, " is no value of ", type,
                                  ", which takes ", rule.takes);
    why.message = join_pieces("QOR supplied ", words.indefinite, " for the IDL type ", type);
    return false;
  }
  if (kind != integer_literal || !rule.lowest)
    return true;
  if (compare_integers(text.aschar(), rule.lowest) >= 0 &&
      compare_integers(text.aschar(), rule.highest) <= 0)
    return true;
  why.explanation = t->node_type() == AST_Decl::NT_enum
                        ? join_pieces(text, " is no enumerator of ", type, ", whose numbers are 0 to ",
                                      rule.highest)
                        : join_pieces(text, " is out of the range of ", type, ", ", rule.lowest,
                                      " to ", rule.highest);
  why.message = join_pieces("QOR value ", text, " is out of range for ", type);
  return false;
}
