// CompilationStamp: SOURCE_DATE_EPOCH read strictly (digits only, within time_t), the two time
// formats, and a 64-bit FNV-1a hash of the header's name, written as two decimal halves so that
// the guard keeps the shape "h%luh%luh%lu_h" that tools normalising the old one still match.
#include "nux/CompilationStamp.hh"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "foundation/FatalError.hh"

namespace {

[[noreturn]] void bad_epoch(const char *value) {
  FatalError(explain_at("nuxc", 0, "SOURCE_DATE_EPOCH is \"", value,
                        "\", which is no number of seconds since 1970"),
             "Invalid SOURCE_DATE_EPOCH: ", value);
}

time_t epoch_seconds(const char *value) {
  if (value[0] == '\0' || strspn(value, "0123456789") != strlen(value))
    bad_epoch(value);
  errno = 0;
  const unsigned long long seconds = strtoull(value, nullptr, 10);
  if (errno == ERANGE || seconds > static_cast<unsigned long long>(
                                        std::numeric_limits<time_t>::max()))
    bad_epoch(value);
  return static_cast<time_t>(seconds);
}

Dstr format_time(time_t t, bool utc, const char *format) {
  struct tm parts;
  char text[80];
  if ((utc ? gmtime_r(&t, &parts) : localtime_r(&t, &parts)) == nullptr ||
      strftime(text, sizeof text, format, &parts) == 0)
    return Dstr("");
  return Dstr(text);
}

uint64_t fnv1a(const Dstr &text) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned int i = 0; i < text.length(); ++i) {
    hash ^= static_cast<unsigned char>(text[i]);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

CompilationTime compilation_time() {
  const char *epoch = getenv("SOURCE_DATE_EPOCH");
  if (epoch)
    return {epoch_seconds(epoch), true};
  return {time(nullptr), false};
}

Dstr utc_time_text(const CompilationTime &t) {
  return format_time(t.seconds, true, "%Y-%m-%d %H:%M:%SZ");
}

Dstr local_time_text(const CompilationTime &t) {
  return format_time(t.seconds, t.fromEnvironment, "%Y-%m-%d %H:%M:%S");
}

Dstr header_guard(const Dstr &headerName, unsigned long serial) {
  const uint64_t hash = fnv1a(headerName);
  return join_pieces("h", static_cast<unsigned long>(hash >> 32), "h",
                     static_cast<unsigned long>(hash & 0xffffffffu), "h", serial, "_h");
}
