// The lexer's interface and the work its rules hand off: literal values, character escapes,
// line markers, pragma lines, the input reader that ends the input at a NUL byte, and the
// token length limit.
#ifndef FRONTEND_FE_LEXER_HH
#define FRONTEND_FE_LEXER_HH

#include <cstddef>
#include <cstdio>

#include "frontend/utl_arena.hh"

class AST_FixedValue;
class UTL_String;

// An integer literal's value as written, and whether it is beyond 64 bits (the value is then
// its low 64 bits).
struct IDL_IntegerValue : UTL_ArenaObject {
  unsigned long long value = 0;
  bool beyond_64_bits = false;
};

// The generated scanner.
extern FILE *yyin;
int yylex();
void yyrestart(FILE *f);

// The longest token the lexer accepts.
const int idl_token_limit = 1024;

// Reads up to size bytes of input into buf; the input ends at end of file or at the first NUL
// byte. Returns the number of bytes read, 0 at the end. buffer_size is the scanner's buffer,
// which grows only while one match fills it: past half a gigabyte the match is too long for
// the scanner to hold, and the process ends as for a token over the limit.
size_t idl_read_input(char *buf, size_t size, long buffer_size);
// Lets the next read start on a new input stream.
void idl_reset_input();

// Ends the process when a token is longer than the limit.
void idl_check_token_length(size_t length);
// Ends the process, with the same status as a token over the limit, when the scanner cannot go
// on (its buffer cannot grow); the scanner's message is reported at the current position.
[[noreturn]] void idl_scanner_failure(const char *message);

// The value of an integer literal in base 8, 10 or 16; 32-bit arithmetic that wraps.
long idl_atoi(const char *text, long base);
// The exact value of an integer literal in base 8, 10 or 16.
IDL_IntegerValue idl_integer_value(const char *text, long base);
// The value of a floating literal.
double idl_atof(const char *text);
// The character a backslash escape stands for; text starts at the backslash.
char idl_escape_reader(const char *text);
// A new copy of text.
char *idl_copy_text(const char *text);
// A string literal's value: the text between the quotes of a literal of length n.
UTL_String *idl_string_literal(const char *text, size_t n);
// The code of a wide character literal's character; text starts after L and the quote: a
// character in UTF-8 or an escape, where \u and up to four hexadecimal digits give a code.
long idl_wide_character(const char *text);
// A wide string literal's value in UTF-8, its escapes replaced; text starts after L and the
// quote, n is the length up to the closing quote. An escape of the character zero is reported
// and left out.
UTL_String *idl_wide_string_literal(const char *text, size_t n);
// A fixed-point literal's value; null, after reporting, when it has more than 31 digits.
AST_FixedValue *idl_fixed_literal(const char *text);

// A line marker: sets the line number and, with a name, the file name, whether the input is
// back in the main file, and records included file names.
void idl_parse_line_and_file(const char *text);
// A #pragma line: switches the import flag or queues the pragma text for the next declaration.
void idl_store_pragma(const char *text);
// An #ident line, a // comment or a newline: one line further.
void idl_count_line();
// A block comment that the input ends in.
void idl_unterminated_comment();

#endif
