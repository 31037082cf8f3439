// NUX conditions: the condition text of "if", "while" and "assert" (a number, value or string
// comparison, or the constant true) and the fixed sequence of emitters that an assertion is,
// for the "assert" command and for the checks of QOR values.
#include "nux/NUX.hh"

#include <cstdio>

#include "foundation/FatalError.hh"

namespace {

// True when text begins with a number in the syntax of sscanf's "%f" (leading blanks, a sign,
// a decimal point, an exponent); what follows the number does not matter.
bool begins_with_number(const Dstr &text) {
  float value;
  return !text.isNull() && sscanf(text.aschar(), "%f", &value) == 1;
}

[[noreturn]] void condition_error(const char *what, int lineNumber) {
  FatalError(what, " on line ", lineNumber, " of NUX file");
}

// text as a string literal of the generated program, its double quotes written as \042.
Dstr string_literal(const Dstr &text) {
  Dstr literal("\"");
  for (unsigned int i = 0; i < text.length(); ++i) {
    if (text[i] == '"')
      literal += "\\042";
    else
      literal += text[i];
  }
  literal += '"';
  return literal;
}

}  // namespace

void NUX::do_condexp(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                     const Dstr &tolerance, Dstr &out) {
  out = "";
  if (op == "=")
    condition_error("Illegal comparison operator", lineNumber);
  if (begins_with_number(right)) {
    do_condexp_number_compare(left, op, right, plusminus, tolerance, out);
    return;
  }
  if (op == "==") {
    variables->define("PRECISION", tolerance.isNull() ? Dstr("0.0") : tolerance);
    variables->define("LEFTARG", left);
    variables->define("RIGHTARG", right);
    cat_binding(out, "cc.conditional.qorassert");
    return;
  }
  if (right[0] == '"') {
    do_condexp_string_compare(left, op, right, out);
    return;
  }
  if (left == "true") {
    do_condexp_true(out);
    return;
  }
  condition_error("Unimplemented comparison expression", lineNumber);
}

// A tolerance is only allowed as "== number +- tolerance" with a tolerance that is not negative.
void NUX::do_condexp_number_compare(const Dstr &left, const Dstr &op, const Dstr &right,
                                    const Dstr &plusminus, const Dstr &tolerance, Dstr &out) {
  variables->define("LEFTARG", left);
  variables->define("RIGHTARG", right);
  if (plusminus.isNull()) {
    variables->define("COMPARISON", op);
    cat_binding(out, "cc.conditional.number");
    return;
  }
  if (plusminus != "+-" || tolerance.isNull() || tolerance[0] == '-' || op != "==")
    condition_error("Illegal precision spec", lineNumber);
  variables->define("PRECISION", tolerance);
  cat_binding(out, "cc.conditional.number.approximate");
}

void NUX::do_condexp_string_compare(const Dstr &left, const Dstr &op, const Dstr &right,
                                    Dstr &out) {
  variables->define("LEFTARG", left);
  variables->define("RIGHTARG", right);
  variables->define("COMPARISON", op);
  cat_binding(out, "cc.conditional.string");
}

void NUX::do_condexp_true(Dstr &out) { cat_binding(out, "cc.conditional.truism"); }

void NUX::emit_assertion(const Dstr &message, const Dstr &actual, const Dstr &left,
                         const Dstr &op, const Dstr &right, const Dstr &plusminus,
                         const Dstr &tolerance) {
  do_println(string_literal(message));
  do_print("\"Actual value is \"");
  do_println(actual);
  do_if(left, op, right, plusminus, tolerance);
  do_println("\"Test assertion satisfied.\"");
  do_else();
  do_println("\"**** TEST ASSERTION VIOLATED ****\"");
  do_fail();
  do_end_if();
}

void NUX::do_assert(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                    const Dstr &tolerance) {
  const Dstr message =
      join_pieces("Testing assertion ", left, " ", op, " ", right, " ", plusminus, " ", tolerance);
  emit_assertion(message, left, left, op, right, plusminus, tolerance);
}

// Only a literal can be printed by the generated program as it stands; an object reference,
// union or aggregate cannot.
void NUX::do_assert(const Dstr &name, const Dstr &expected, const dcp_val &v) {
  Dstr message = join_pieces("Testing assertion ", name, " == ");
  dcp2text(v, message);
  message += " (+- 1e-5, if applicable)";
  const Dstr actual(v.kind == dcp_literal ? name : Dstr("\"[non-printable]\""));
  emit_assertion(message, actual, name, "==", expected, "+-", "1e-5");
}
