// AST_FixedValue: decimal arithmetic on digit strings.
#include "frontend/ast_fixed_value.hh"

#include <algorithm>

// Digit strings (most significant first) taken as natural numbers.

static std::string without_leading_zeros(const std::string &d) {
  size_t first = d.find_first_not_of('0');
  return first == std::string::npos ? "" : d.substr(first);
}

static int compare_magnitudes(const std::string &a, const std::string &b) {
  std::string x = without_leading_zeros(a), y = without_leading_zeros(b);
  if (x.size() != y.size())
    return x.size() < y.size() ? -1 : 1;
  return x.compare(y) < 0 ? -1 : x.compare(y) > 0 ? 1 : 0;
}

static std::string add_magnitudes(const std::string &a, const std::string &b) {
  std::string sum;
  int carry = 0;
  for (size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; i++) {
    int d = carry;
    d += i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    d += i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    sum.push_back(static_cast<char>('0' + d % 10));
    carry = d / 10;
  }
  std::reverse(sum.begin(), sum.end());
  return sum;
}

// a - b, for a at least b.
static std::string subtract_magnitudes(const std::string &a, const std::string &b) {
  std::string difference;
  int borrow = 0;
  for (size_t i = 0; i < a.size(); i++) {
    int d = a[a.size() - 1 - i] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    borrow = d < 0;
    difference.push_back(static_cast<char>('0' + (d + 10) % 10));
  }
  std::reverse(difference.begin(), difference.end());
  return without_leading_zeros(difference);
}

static std::string multiply_magnitudes(const std::string &a, const std::string &b) {
  std::string product(a.size() + b.size(), '0');
  for (size_t i = a.size(); i-- > 0;) {
    int carry = 0;
    for (size_t j = b.size(); j-- > 0;) {
      int d = (product[i + j + 1] - '0') + (a[i] - '0') * (b[j] - '0') + carry;
      product[i + j + 1] = static_cast<char>('0' + d % 10);
      carry = d / 10;
    }
    product[i] = static_cast<char>(product[i] + carry);
  }
  return without_leading_zeros(product);
}

AST_FixedValue::AST_FixedValue(bool negative, std::string digits, unsigned long scale)
    : pd_negative(negative), pd_digits(std::move(digits)), pd_scale(scale) {}

// The digits a value needs: those written, or more when the point stands before them.
static size_t digits_needed(const std::string &digits, unsigned long scale) {
  return std::max(digits.size(), static_cast<size_t>(scale));
}

AST_FixedValue *AST_FixedValue::normal(bool negative, std::string digits, unsigned long scale) {
  digits = without_leading_zeros(digits);
  // Zeros after the point and digits beyond the limit go from the end of the fraction.
  while (scale > 0 && !digits.empty() &&
         (digits.back() == '0' || digits_needed(digits, scale) > max_digits)) {
    digits.pop_back();
    scale--;
  }
  if (digits_needed(digits, scale) > max_digits)
    return nullptr;
  if (digits.empty())
    return new AST_FixedValue(false, "", 0);
  return new AST_FixedValue(negative, digits, scale);
}

AST_FixedValue *AST_FixedValue::from_literal(const char *text) {
  std::string digits;
  unsigned long scale = 0;
  bool fraction = false;
  for (const char *c = text; *c != 'd' && *c != 'D' && *c != '\0'; c++) {
    if (*c == '.') {
      fraction = true;
      continue;
    }
    digits.push_back(*c);
    scale += fraction;
  }
  return normal(false, digits, scale);
}

// b's digits with zeros appended, to the scale of a when a's is larger.
static std::string aligned(const std::string &digits, unsigned long scale, unsigned long to) {
  return to > scale ? digits + std::string(to - scale, '0') : digits;
}

AST_FixedValue *AST_FixedValue::add(AST_FixedValue *b) {
  const unsigned long scale = std::max(pd_scale, b->pd_scale);
  std::string x = aligned(pd_digits, pd_scale, scale);
  std::string y = aligned(b->pd_digits, b->pd_scale, scale);
  if (pd_negative == b->pd_negative)
    return normal(pd_negative, add_magnitudes(x, y), scale);
  if (compare_magnitudes(x, y) >= 0)
    return normal(pd_negative, subtract_magnitudes(x, y), scale);
  return normal(b->pd_negative, subtract_magnitudes(y, x), scale);
}

AST_FixedValue *AST_FixedValue::negated() {
  return normal(!pd_negative, pd_digits, pd_scale);
}

AST_FixedValue *AST_FixedValue::truncated(unsigned long scale) {
  if (pd_scale <= scale)
    return this;
  return normal(pd_negative, pd_digits.substr(0, pd_digits.size() - (pd_scale - scale)), scale);
}

AST_FixedValue *AST_FixedValue::subtract(AST_FixedValue *b) { return add(b->negated()); }

AST_FixedValue *AST_FixedValue::multiply(AST_FixedValue *b) {
  return normal(pd_negative != b->pd_negative, multiply_magnitudes(pd_digits, b->pd_digits),
                pd_scale + b->pd_scale);
}

// Long division of the digits, continued after the point until the quotient has one digit more
// than the limit or nothing remains; the scales then move the point.
AST_FixedValue *AST_FixedValue::divide(AST_FixedValue *b) {
  if (b->pd_digits.empty())
    return nullptr;
  std::string quotient, remainder;
  unsigned long fraction = 0;
  for (size_t i = 0;; i++) {
    if (i >= pd_digits.size()) {
      if (without_leading_zeros(remainder).empty() ||
          without_leading_zeros(quotient).size() > max_digits)
        break;
      fraction++;
    }
    remainder.push_back(i < pd_digits.size() ? pd_digits[i] : '0');
    int d = 0;
    while (compare_magnitudes(remainder, b->pd_digits) >= 0) {
      remainder = subtract_magnitudes(remainder, b->pd_digits);
      d++;
    }
    quotient.push_back(static_cast<char>('0' + d));
  }
  // quotient * 10^-fraction is pd_digits / b->pd_digits; the value is that * 10^(b's - own).
  long scale = static_cast<long>(fraction + pd_scale) - static_cast<long>(b->pd_scale);
  if (scale < 0) {
    quotient += std::string(static_cast<size_t>(-scale), '0');
    scale = 0;
  }
  return normal(pd_negative != b->pd_negative, quotient, static_cast<unsigned long>(scale));
}

bool AST_FixedValue::equals(AST_FixedValue *b) {
  return b != nullptr && pd_negative == b->pd_negative && pd_digits == b->pd_digits &&
         pd_scale == b->pd_scale;
}

void AST_FixedValue::dump(std::ostream &o) {
  if (pd_negative)
    o << "-";
  std::string d = pd_digits;
  if (d.size() <= pd_scale)
    d = std::string(pd_scale + 1 - d.size(), '0') + d;
  std::string integer = d.substr(0, d.size() - pd_scale);
  o << integer;
  if (pd_scale > 0)
    o << "." << d.substr(d.size() - pd_scale);
  o << "d";
}
