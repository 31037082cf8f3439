// Dstr: the growable string with distinct null and empty values. Blocks come from the system
// allocator because growth resizes them with realloc; a block grows by doubling and never shrinks.
#include "foundation/Dstr.hh"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ostream>

namespace {

// White space of the POSIX locale, whatever locale the process runs in.
bool is_white_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char *duplicate(const char *s) {
  char *copy = strdup(s);
  assert(copy != nullptr);
  return copy;
}

// Appends the decimal text of n, written with the printf format.
template <typename Number>
Dstr &append_number(Dstr &s, const char *format, Number n) {
  char text[32];
  snprintf(text, sizeof text, format, n);
  return s += text;
}

}  // namespace

Dstr::Dstr(const char *s) : Dstr() {
  if (s)
    take_fresh_block(s, strlen(s));
}

Dstr::Dstr(char c) : Dstr() { *this = c; }

Dstr::Dstr(const Dstr &o) : Dstr() {
  if (o.theBuffer)
    take_fresh_block(o.theBuffer, o.len);
}

Dstr::~Dstr() { free(theBuffer); }

// A new block of exactly n + 1 bytes holding the first n characters of s replaces the old one,
// which is released only after the copy, as s may point into it.
void Dstr::take_fresh_block(const char *s, size_t n) {
  assert(n < UINT_MAX);
  char *copy = static_cast<char *>(malloc(n + 1));
  assert(copy != nullptr);
  memcpy(copy, s, n);
  copy[n] = '\0';
  free(theBuffer);
  theBuffer = copy;
  len = n;
  max = n + 1;
}

// A text that fits the block already held is copied into it, so that a string assigned again
// and again, such as a variable's value, is not given a new block every time.
Dstr &Dstr::assign(const char *s, size_t n) {
  if (theBuffer && n < max) {
    memmove(theBuffer, s, n);
    theBuffer[n] = '\0';
    len = n;
    return *this;
  }
  take_fresh_block(s, n);
  return *this;
}

Dstr &Dstr::operator=(const char *s) {
  if (s)
    return assign(s, strlen(s));
  free(theBuffer);
  theBuffer = nullptr;
  len = max = 0;
  return *this;
}

Dstr &Dstr::operator=(char c) {
  const char text[2] = {c, '\0'};
  return *this = text;
}

Dstr &Dstr::operator=(const Dstr &o) {
  if (!o.theBuffer)
    return *this = nullptr;
  return assign(o.theBuffer, o.len);
}

// Appends n characters of s, doubling the capacity until they fit; the block is resized once,
// to the final capacity. s may point into this string's own block, which growing can move.
void Dstr::grow_and_append(const char *s, unsigned int n) {
  assert(n <= UINT_MAX / 2 - len);
  const bool own = s >= theBuffer && s < theBuffer + max;
  const size_t offset = own ? s - theBuffer : 0;
  unsigned int capacity = max;
  while (len + n >= capacity)
    capacity *= 2;
  if (capacity != max) {
    max = capacity;
    theBuffer = static_cast<char *>(realloc(theBuffer, max));
    assert(theBuffer != nullptr && max != 0);
  }
  memmove(theBuffer + len, own ? theBuffer + offset : s, n);
  len += n;
  theBuffer[len] = '\0';
}

Dstr &Dstr::operator+=(const char *s) {
  if (!s)
    return *this;
  if (!theBuffer)
    return *this = s;
  const size_t n = strlen(s);
  assert(n < UINT_MAX);
  if (n > 0)
    grow_and_append(s, n);
  return *this;
}

Dstr &Dstr::append(const char *s, size_t n) {
  if (!theBuffer)
    return assign(s, n);
  assert(n < UINT_MAX);
  if (n > 0)
    grow_and_append(s, n);
  return *this;
}

Dstr &Dstr::operator+=(char c) {
  const char text[2] = {c, '\0'};
  return *this += text;
}

Dstr &Dstr::operator+=(const Dstr &o) { return *this += o.asrawchar(); }

Dstr &Dstr::operator+=(int n) { return append_number(*this, "%d", n); }

Dstr &Dstr::operator+=(unsigned int n) { return append_number(*this, "%u", n); }

Dstr &Dstr::operator+=(long n) { return append_number(*this, "%ld", n); }

Dstr &Dstr::operator+=(unsigned long n) { return append_number(*this, "%lu", n); }

Dstr &Dstr::operator*=(const char *s) {
  const Dstr old(*this);
  *this = s;
  return *this += old;
}

Dstr &Dstr::operator*=(char c) {
  const char text[2] = {c, '\0'};
  return *this *= text;
}

Dstr &Dstr::operator*=(const Dstr &o) { return *this *= o.asrawchar(); }

Dstr &Dstr::operator-=(unsigned int n) {
  if (theBuffer && n < len) {
    theBuffer[n] = '\0';
    len = n;
  }
  return *this;
}

Dstr &Dstr::operator/=(unsigned int n) {
  if (theBuffer)
    take_fresh_block(ascharfrom(n), n < len ? len - n : 0);
  return *this;
}

Dstr &Dstr::operator/=(Dstr &token) {
  if (!theBuffer) {
    token = nullptr;
    return *this;
  }
  unsigned int end = 0;
  token = token_from(end);
  if (token.isNull())
    return *this = nullptr;
  return *this /= end;
}

Dstr Dstr::token_from(unsigned int &position) const {
  unsigned int start = position;
  while (start < length() && is_white_space(theBuffer[start]))
    ++start;
  if (start >= length()) {
    position = length();
    return Dstr();
  }
  unsigned int end = start + 1;
  if (theBuffer[start] == '"') {
    while (end < len && theBuffer[end] != '"')
      ++end;
    if (end < len)
      ++end;  // the closing quote belongs to the token
  } else {
    while (end < len && !is_white_space(theBuffer[end]))
      ++end;
  }
  Dstr token("");
  token.grow_and_append(theBuffer + start, end - start);
  position = end;
  return token;
}

Dstr &Dstr::noTrailingWhitespace() {
  while (length() > 0 && is_white_space(theBuffer[len - 1]))
    theBuffer[--len] = '\0';
  return *this;
}

int Dstr::repchar(char from, char to) {
  int replaced = 0;
  for (unsigned int i = 0; i < length(); ++i) {
    if (theBuffer[i] == from) {
      theBuffer[i] = to;
      ++replaced;
    }
  }
  if (to == '\0' && replaced > 0)
    len = ::strlen(theBuffer);  // the text now ends at the first replaced character
  return replaced;
}

char Dstr::operator[](unsigned int i) const { return i < length() ? theBuffer[i] : '\0'; }

const char *Dstr::aschar() const { return theBuffer ? theBuffer : ""; }

char *Dstr::asdupchar() const { return duplicate(aschar()); }

const char *Dstr::ascharfrom(unsigned int i) const { return i < length() ? theBuffer + i : ""; }

int Dstr::strchr(char c) const {
  for (unsigned int i = 0; i < length(); ++i) {
    if (theBuffer[i] == c)
      return i;
  }
  return -1;
}

int Dstr::strrchr(char c) const {
  for (unsigned int i = length(); i > 0; --i) {
    if (theBuffer[i - 1] == c)
      return i - 1;
  }
  return -1;
}

int Dstr::strstr(const Dstr &needle) const { return strstr(needle.asrawchar()); }

int Dstr::strstr(const char *needle) const {
  if (!theBuffer || !needle)
    return -1;
  const char *found = ::strstr(theBuffer, needle);
  return found ? found - theBuffer : -1;
}

// A line ends at its newline, whatever bytes it holds; its text ends at the first NUL byte, the
// end of every Dstr's text.
// The line is read into one buffer kept for the whole process, which grows to the longest line.
Dstr &Dstr::getline(FILE *f) {
  static char *line = nullptr;
  static size_t capacity = 0;
  size_t length = 0;
  int c;
  while ((c = getc_unlocked(f)) != EOF && c != '\n') {
    if (length == longestLine) {
      errno = EFBIG;
      return *this = nullptr;
    }
    if (length + 1 >= capacity) {
      capacity = capacity == 0 ? 128 : std::min(2 * capacity, longestLine + 1);
      line = static_cast<char *>(realloc(line, capacity));
      assert(line != nullptr);
    }
    line[length++] = static_cast<char>(c);
  }
  if (c == EOF && (length == 0 || ferror(f)))
    return *this = nullptr;
  if (line == nullptr)
    return *this = "";
  line[length] = '\0';
  return *this = line;
}

bool operator==(const Dstr &a, const char *s) {
  if (!s)
    return a.isNull();
  return !a.isNull() && strcmp(a.asrawchar(), s) == 0;
}

bool operator==(const char *s, const Dstr &a) { return a == s; }

bool operator==(const Dstr &a, const Dstr &b) { return a == b.asrawchar(); }

bool operator!=(const Dstr &a, const char *s) { return !(a == s); }

bool operator!=(const char *s, const Dstr &a) { return !(a == s); }

bool operator!=(const Dstr &a, const Dstr &b) { return !(a == b); }

std::ostream &operator<<(std::ostream &os, const Dstr &s) { return os << s.aschar(); }
