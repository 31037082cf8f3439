// NUX conditions: the condition text of "if", "while" and "assert" (a number, value or string
// comparison, or the constant true), the "assert" command and the checks of QOR values.
#include "nux/NUX.hh"

#include <cstdio>
#include <initializer_list>

#include "foundation/FatalError.hh"

namespace {

// True when text begins with a number in the syntax of sscanf's "%f" (leading blanks, a sign,
// a decimal point, an exponent); what follows the number does not matter.
bool begins_with_number(const Dstr &text) {
  float value;
  return !text.isNull() && sscanf(text.aschar(), "%f", &value) == 1;
}

[[noreturn]] void condition_error(const Explanation &why, const char *what, int lineNumber) {
  FatalError(why, what, " on line ", lineNumber, " of NUX file");
}

// The words given, blank-separated; absent ones are left out.
Dstr join_words(std::initializer_list<Dstr> words) {
  Dstr text("");
  for (const Dstr &word : words) {
    if (word.isNull())
      continue;
    if (text.length() > 0)
      text += ' ';
    text += word;
  }
  return text;
}

}  // namespace

// Double quotes and backslashes are written as octal escapes, so that no character of the text
// ends the literal or starts an escape of its own.
Dstr NUX::string_literal(const Dstr &text) {
  Dstr literal("\"");
  for (unsigned int i = 0; i < text.length(); ++i) {
    if (text[i] == '"')
      literal += "\\042";
    else if (text[i] == '\\')
      literal += "\\134";
    else
      literal += text[i];
  }
  literal += '"';
  return literal;
}

void NUX::do_condexp(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                     const Dstr &tolerance, Dstr &out) {
  build_condition(left, op, right, plusminus, tolerance, left, right, out);
}

void NUX::build_condition(const Dstr &left, const Dstr &op, const Dstr &right,
                          const Dstr &plusminus, const Dstr &tolerance, const Dstr &leftText,
                          const Dstr &rightText, Dstr &out) {
  out = "";
  if (op == "=")
    condition_error(explain("= is no comparison: write == to compare"),
                    "Illegal comparison operator", lineNumber);
  if (begins_with_number(right)) {
    do_condexp_number_compare(leftText, op, rightText, plusminus, tolerance, out);
    return;
  }
  if (op == "==") {
    variables->define("PRECISION", tolerance.isNull() ? Dstr("0.0") : tolerance);
    variables->define("LEFTARG", leftText);
    variables->define("RIGHTARG", rightText);
    cat_binding(out, "cc.conditional.qorassert");
    return;
  }
  if (right[0] == '"') {
    do_condexp_string_compare(leftText, op, rightText, out);
    return;
  }
  if (left == "true") {
    do_condexp_true(out);
    return;
  }
  if (left.isNull())
    condition_error(explain("the condition is missing"), "Unimplemented comparison expression",
                    lineNumber);
  condition_error(explain(left, " ", op, " ", right, " is no condition: with an operator other "
                          "than ==, the right side is a number or a string"),
                  "Unimplemented comparison expression", lineNumber);
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
    condition_error(explain("a tolerance is written == number +- tolerance, the tolerance not "
                            "negative"),
                    "Illegal precision spec", lineNumber);
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

Dstr NUX::operand_placeholder(const char *key) {
  Dstr text;
  cat_binding(text, key);
  text.noTrailingWhitespace();
  return text;
}

// The condition is chosen from the operands as written and made from the binding's
// placeholders for them, which the binding's assertion binds to each side evaluated once. The
// constant true stays itself, so that "assert true" is still the constant condition.
void NUX::do_assert(const Dstr &left, const Dstr &op, const Dstr &right, const Dstr &plusminus,
                    const Dstr &tolerance) {
  require_active_function();
  const Dstr actual = left == "true" ? left : operand_placeholder("cc.assert.actual");
  const Dstr expected = right.isNull() ? right : operand_placeholder("cc.assert.expected");
  Dstr condition;
  build_condition(left, op, right, plusminus, tolerance, actual, expected, condition);
  variables->define("CONDEXP", condition);
  variables->define("ASSERT_TEXT", string_literal(join_words({left, op, right, plusminus, tolerance})));
  variables->define("ASSERT_OPERATOR", string_literal(op.isNull() ? Dstr("") : op));
  variables->define("ASSERT_ACTUAL", left);
  variables->define("ASSERT_EXPECTED", right);
  emit_code("cc.assert");
}

// The check compares the parameter with the expected value within 1e-5 when a side is a
// floating-point number; how, and how it is reported, is the binding's affair.
void NUX::do_qor_check(const Dstr &name, const Dstr &expected) {
  variables->define("LEFTARG", name);
  variables->define("RIGHTARG", expected);
  variables->define("PRECISION", "1e-5");
  emit_code("cc.qor.check");
}
