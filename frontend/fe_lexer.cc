// The lexer's helpers: input reading, literal values, escapes, line markers and pragmas.
#include "frontend/fe_lexer.hh"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

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
}

void idl_count_line() { idl_global->set_lineno(idl_global->lineno() + 1); }

void idl_unterminated_comment() { idl_global->err()->input_error("Unterminated comment"); }
