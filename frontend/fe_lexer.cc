// The lexer's helpers: input reading, literal values, escapes, line markers and pragmas.
#include "frontend/fe_lexer.hh"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "frontend/ast_fixed_value.hh"
#include "frontend/fe_repository_identity.hh"
#include "frontend/utl_arena.hh"
#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"
#include "frontend/utl_idlist.hh"
#include "frontend/utl_string.hh"

// The status of every exit of the lexer.
static const int lexer_failure_status = 1;

// Set once a NUL byte has ended the input.
static bool input_ended = false;

// The scanner's buffer sizes are ints: one more doubling past this would overflow them.
static const long largest_scanner_buffer = INT_MAX / 2;

size_t idl_read_input(char *buf, size_t size, long buffer_size) {
  if (buffer_size > largest_scanner_buffer)
    idl_check_token_length(static_cast<size_t>(buffer_size));
  if (input_ended || yyin == nullptr)
    return 0;
  size_t n = std::fread(buf, 1, size, yyin);
  const void *nul = std::memchr(buf, '\0', n);
  if (nul == nullptr)
    return n;
  input_ended = true;
  return static_cast<size_t>(static_cast<const char *>(nul) - buf);
}

void idl_reset_input() { input_ended = false; }

void idl_check_token_length(size_t length) {
  if (length <= static_cast<size_t>(idl_token_limit))
    return;
  std::cout << "Input string too long, limit " << idl_token_limit << std::endl;
  std::exit(lexer_failure_status);
}

void idl_scanner_failure(const char *message) {
  idl_global->err()->input_error(message);
  std::exit(lexer_failure_status);
}

static int digit_value(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

long idl_atoi(const char *text, long base) {
  bool negative = *text == '-';
  if (negative)
    text++;
  if (base == 8 && *text == '0')
    text++;
  else if (base == 16 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text += 2;
  uint32_t value = 0;
  for (int d; (d = digit_value(*text)) < base; text++)
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
  if (negative)
    value = 0u - value;
  return static_cast<int32_t>(value);
}

IDL_IntegerValue idl_integer_value(const char *text, long base) {
  if (base == 8 && *text == '0')
    text++;
  else if (base == 16 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    text += 2;
  IDL_IntegerValue v;
  const unsigned long long b = static_cast<unsigned long long>(base);
  for (int d; (d = digit_value(*text)) < base; text++) {
    const unsigned long long digit = static_cast<unsigned long long>(d);
    v.beyond_64_bits |= v.value > (ULLONG_MAX - digit) / b;
    v.value = v.value * b + digit;
  }
  return v;
}

// Scales v by ten to the power exponent, one step at a time; stops once the value can no
// longer change (zero or infinite), so huge exponents end at once.
static double scaled(double v, long exponent) {
  for (long i = 0; i < exponent && v != 0.0 && std::isfinite(v); i++)
    v *= 10.0;
  for (long i = 0; i > exponent && v != 0.0 && std::isfinite(v); i--)
    v /= 10.0;
  return v;
}

// Exponents beyond this cannot change the outcome (zero or infinity) any further.
static const long max_exponent = 100000;

double idl_atof(const char *text) {
  bool negative = *text == '-';
  if (negative)
    text++;
  double value = 0.0;
  for (; *text >= '0' && *text <= '9'; text++)
    value = value * 10.0 + (*text - '0');
  if (*text == '.') {
    double weight = 0.1;
    for (text++; *text >= '0' && *text <= '9'; text++, weight /= 10.0)
      value += (*text - '0') * weight;
  }
  if (*text == 'e' || *text == 'E') {
    text++;
    bool down = *text == '-';
    if (*text == '-' || *text == '+')
      text++;
    long exponent = 0;
    for (; *text >= '0' && *text <= '9'; text++)
      if (exponent < max_exponent)
        exponent = exponent * 10 + (*text - '0');
    value = scaled(value, down ? -exponent : exponent);
  }
  return negative ? -value : value;
}

// The characters that a backslash and one letter stand for.
struct Escape {
  char letter;
  char value;
};

static const Escape escapes[] = {
    {'n', '\n'}, {'t', '\t'}, {'v', '\v'}, {'b', '\b'}, {'r', '\r'},
    {'f', '\f'}, {'a', '\a'}, {'\\', '\\'}, {'?', '?'}, {'\'', '\''}, {'"', '"'},
};

char idl_escape_reader(const char *text) {
  const char *s = text + 1;
  if (*s >= '0' && *s <= '7') {
    int value = 0;
    for (int i = 0; i < 3 && *s >= '0' && *s <= '7'; i++, s++)
      value = value * 8 + (*s - '0');
    return static_cast<char>(value);
  }
  if (*s == 'x') {
    int value = 0;
    for (s++; digit_value(*s) < 16; s++)
      value = value * 16 + digit_value(*s);
    return static_cast<char>(value);
  }
  for (const Escape &e : escapes)
    if (e.letter == *s)
      return e.value;
  return *s;
}

// The code of the escape at s (after its backslash), and where it ends: \u and \x take up to
// four and two hexadecimal digits, octal escapes up to three digits, the others are those of
// character literals.
static long wide_escape(const char *s, const char **end) {
  long code = 0;
  if (*s == 'u' || *s == 'x') {
    const int most = *s == 'u' ? 4 : 2;
    s++;
    for (int n = 0; n < most && digit_value(*s) < 16; n++, s++)
      code = code * 16 + digit_value(*s);
    *end = s;
    return code;
  }
  if (*s >= '0' && *s <= '7') {
    for (int n = 0; n < 3 && *s >= '0' && *s <= '7'; n++, s++)
      code = code * 8 + (*s - '0');
    *end = s;
    return code;
  }
  *end = s + 1;
  return static_cast<unsigned char>(idl_escape_reader(s - 1));
}

// The code of the UTF-8 character at s, and where it ends.
static long utf8_character(const char *s, const char **end) {
  const unsigned char lead = static_cast<unsigned char>(*s);
  const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  long code = more == 0 ? lead : lead & (0x3F >> more);
  *end = s + 1;
  for (int i = 1; i <= more && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; i++) {
    code = code << 6 | (static_cast<unsigned char>(s[i]) & 0x3F);
    *end = s + i + 1;
  }
  return code;
}

// The code of the character or escape at s, and where it ends.
static long wide_character_at(const char *s, const char **end) {
  return *s == '\\' ? wide_escape(s + 1, end) : utf8_character(s, end);
}

long idl_wide_character(const char *text) {
  const char *end;
  return wide_character_at(text, &end);
}

UTL_String *idl_wide_string_literal(const char *text, size_t n) {
  std::string value;
  for (const char *s = text, *end; s < text + n; s = end) {
    if (*s != '\\') {
      value.push_back(*s);
      end = s + 1;
      continue;
    }
    const long code = wide_escape(s + 1, &end);
    if (code == 0)
      idl_global->err()->input_error("Wide string literal with a zero character");
    else
      value += utf8_of(static_cast<unsigned long>(code));
  }
  return new UTL_String(value.c_str());
}

AST_FixedValue *idl_fixed_literal(const char *text) {
  AST_FixedValue *v = AST_FixedValue::from_literal(text);
  if (v == nullptr)
    idl_global->err()->input_error("Fixed-point literal with more than 31 digits");
  return v;
}

char *idl_copy_text(const char *text) {
  return UTL_arena_copy(text);
}

UTL_String *idl_string_literal(const char *text, size_t n) {
  return new UTL_String(std::string(text + 1, n - 2).c_str());
}

static const char *skip_blanks(const char *s) {
  while (*s == ' ' || *s == '\t')
    s++;
  return s;
}

// The part of a path after its last "/".
static const char *last_component(const char *path) {
  const char *slash = std::strrchr(path, '/');
  return slash == nullptr ? path : slash + 1;
}

// The flags after a line marker's name: 1 enters a new file, 2 returns to an including one;
// the repository-id prefix follows.
static void follow_file_flags(const char *flags) {
  const char *s = skip_blanks(flags);
  while (*s >= '0' && *s <= '9') {
    char *end;
    const long flag = std::strtol(s, &end, 10);
    if (flag == 1)
      idl_global->enter_file_prefix();
    else if (flag == 2)
      idl_global->leave_file_prefix();
    s = skip_blanks(end);
  }
}

void idl_parse_line_and_file(const char *text) {
  const char *s = skip_blanks(text + 1);
  unsigned long line = 0;
  for (; *s >= '0' && *s <= '9'; s++)
    line = line * 10 + static_cast<unsigned long>(*s - '0');
  idl_global->set_lineno(static_cast<long>(line));
  const char *open = std::strchr(s, '"');
  if (open == nullptr)
    return;
  const char *close = std::strchr(open + 1, '"');
  follow_file_flags(close == nullptr ? "" : close + 1);
  std::string name(open + 1, close == nullptr ? std::strlen(open + 1)
                                              : static_cast<size_t>(close - open - 1));
  if (name.empty())
    name = "standard input";
  UTL_String *file = new UTL_String(name.c_str());
  const bool mainFile = file->compare(idl_global->real_filename());
  idl_global->set_in_main_file(mainFile);
  // The main file is the preprocessor's copy of the input; positions in it are reported under
  // the name the user gave, not the temporary copy's, which is gone by the time anyone reads it.
  UTL_String *given = idl_global->main_filename();
  idl_global->set_filename(mainFile && given != nullptr ? given : file);
  if (!mainFile)
    idl_global->note_read_file(name);
  if (!idl_global->in_main_file() && idl_global->import())
    idl_global->store_include_file_name(new UTL_String(last_component(name.c_str())));
}

void idl_store_pragma(const char *text) {
  idl_count_line();
  const char *s = std::strstr(text, "pragma") + std::strlen("pragma");
  s = skip_blanks(s);
  std::string pragma(s, std::strcspn(s, "\n"));
  if (pragma == "import") {
    idl_global->set_import(true);
    return;
  }
  if (pragma == "include") {
    idl_global->set_import(false);
    return;
  }
  UTL_StrList *cell = new UTL_StrList(new UTL_String(pragma.c_str()), nullptr);
  UTL_StrList *pending = idl_global->pragmas();
  if (pending != nullptr)
    pending->nconc(cell);
  idl_global->set_pragmas(pending == nullptr ? cell : pending);
  fe_record_pragma(pragma.c_str());
}

void idl_count_line() { idl_global->set_lineno(idl_global->lineno() + 1); }

void idl_unterminated_comment() { idl_global->err()->input_error("Unterminated comment"); }
