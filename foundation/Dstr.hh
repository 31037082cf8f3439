// Dstr: the growable, heap-held string of the back end and of depwrite. A string can be null
// (no text at all) as well as empty; reading past the end of a file, for example, gives null.
// The module depends on nothing else in foundation/, so depwrite can link it alone.
#ifndef FOUNDATION_DSTR_HH
#define FOUNDATION_DSTR_HH

#include <cstddef>
#include <cstdio>
#include <iosfwd>

class Dstr {
public:
  constexpr Dstr() : theBuffer(nullptr), max(0), len(0) {}
  Dstr(const char *s);
  explicit Dstr(char c);
  Dstr(const Dstr &o);
  ~Dstr();

  // Assignment copies the new text before it releases the old block, so assigning a string to
  // itself, or from a pointer into its own text, is safe. Assigning null makes the string null.
  // A text that fits the block the string holds is copied into it.
  Dstr &operator=(const char *s);
  Dstr &operator=(char c);
  Dstr &operator=(const Dstr &o);
  // Makes the string the first n characters of s (which holds no NUL among them).
  Dstr &assign(const char *s, size_t n);

  // Appending to a null string makes it a copy of the argument; appending null changes nothing.
  Dstr &operator+=(const char *s);
  Dstr &operator+=(char c);
  Dstr &operator+=(const Dstr &o);
  Dstr &operator+=(int n);
  Dstr &operator+=(unsigned int n);
  Dstr &operator+=(long n);
  Dstr &operator+=(unsigned long n);
  // Appends the first n characters of s (which holds no NUL among them), as += would append
  // them: to a null string, they become its text.
  Dstr &append(const char *s, size_t n);

  // Prepending: the argument followed by the old text.
  Dstr &operator*=(const char *s);
  Dstr &operator*=(char c);
  Dstr &operator*=(const Dstr &o);

  // Keeps the first n characters (a cut to length n); the capacity stays.
  Dstr &operator-=(unsigned int n);
  // Drops the first n characters.
  Dstr &operator/=(unsigned int n);
  // Moves the next blank-separated or double-quoted token from the front into token; token is
  // null when none is left, and the string then becomes null too.
  Dstr &operator/=(Dstr &token);
  // The next token at or after position, taken as operator/= takes it but leaving the string as
  // it is; position moves past the token (to the end when none is left, and the token is null).
  // Reading a long list this way costs time in proportion to its length.
  Dstr token_from(unsigned int &position) const;
  Dstr &noTrailingWhitespace();
  int repchar(char from, char to);

  unsigned int length() const { return theBuffer ? len : 0; }
  bool isNull() const { return theBuffer == nullptr; }
  // Bytes held for the text and its terminator; 0 for a null string.
  unsigned int capacity() const { return theBuffer ? max : 0; }
  char operator[](unsigned int i) const;
  // The text; "" for a null string, never a null pointer.
  const char *aschar() const;
  // The text; a null pointer for a null string.
  const char *asrawchar() const { return theBuffer; }
  // A heap copy of aschar() that the caller releases with free().
  char *asdupchar() const;
  const char *ascharfrom(unsigned int i) const;
  // Positions, or -1 when not found or the string is null.
  int strchr(char c) const;
  int strrchr(char c) const;
  int strstr(const Dstr &needle) const;
  int strstr(const char *needle) const;

  // Reads the next line of f, without its newline; null at end of file or on a read error
  // (ferror tells), and null with errno set to EFBIG for a line longer than longestLine bytes,
  // which is left read in part. A NUL byte ends the text kept, not the line.
  Dstr &getline(FILE *f);
  // 64 MB: enough for any line a person or a generator writes, and a bound on the memory that
  // the endless line of a file such as /dev/zero takes.
  static const size_t longestLine = size_t(64) << 20;

private:
  void grow_and_append(const char *s, unsigned int n);
  void take_fresh_block(const char *s, size_t n);

  char *theBuffer;
  unsigned int max;
  unsigned int len;
};

bool operator==(const Dstr &a, const char *s);
bool operator==(const char *s, const Dstr &a);
bool operator==(const Dstr &a, const Dstr &b);
bool operator!=(const Dstr &a, const char *s);
bool operator!=(const char *s, const Dstr &a);
bool operator!=(const Dstr &a, const Dstr &b);
std::ostream &operator<<(std::ostream &os, const Dstr &s);

#endif
