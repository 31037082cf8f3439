// CompilationStamp: what the start-up variables say about a compilation rather than about its
// inputs, made reproducible: the time (SOURCE_DATE_EPOCH when it is set, as the
// reproducible-builds convention has it) and the header guard, a name made from the header's
// file name alone, so that two builds of the same sources write the same bytes.
#ifndef NUX_COMPILATIONSTAMP_HH
#define NUX_COMPILATIONSTAMP_HH

#include <ctime>

#include "foundation/Dstr.hh"

struct CompilationTime {
  time_t seconds;
  // Whether the time came from SOURCE_DATE_EPOCH: local time is then UTC too.
  bool fromEnvironment;
};

// SOURCE_DATE_EPOCH, a number of seconds since 1970, when it is set; a value that is no such
// number ends the run. Otherwise the clock.
CompilationTime compilation_time();

// The time as "%Y-%m-%d %H:%M:%SZ" in UTC, and as "%Y-%m-%d %H:%M:%S" in local time (UTC when
// the time came from SOURCE_DATE_EPOCH); empty when the time cannot be shown.
Dstr utc_time_text(const CompilationTime &t);
Dstr local_time_text(const CompilationTime &t);

// "h" + two numbers made from the header's name + "h" + serial + "_h": the same name for the
// same header in every run, and a different one for each compilation of a process.
Dstr header_guard(const Dstr &headerName, unsigned long serial);

#endif
