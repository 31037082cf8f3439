// FuzzHarness: what the fuzz targets share. Code that ends the process (a fatal error, a limit
// of the front end) returns to the target instead, through the exit() wrapper the targets are
// linked with; every target works in a scratch directory of its own; and a broken promise of the
// compiler (an undocumented exit status, an output file left after a failure) is made a finding.
#ifndef FUZZ_FUZZHARNESS_HH
#define FUZZ_FUZZHARNESS_HH

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// What run_until_exit gives when its body returned instead of calling exit().
const int returned_normally = -1;

// Runs body. When the code it runs calls exit(), control comes back here and the exit status is
// returned instead of ending the process; returned_normally when body returns. Descriptors that
// the ended code left open are closed.
int run_until_exit(const std::function<void()> &body);

// A directory private to this process, made in TMPDIR (or /tmp) on first use and made the working
// directory, so that relative names the input mentions stay inside it; removed when the process
// exits. Ends in "/".
const std::string &scratch_directory();

// A stream reading the bytes; the caller closes it.
FILE *open_bytes(const uint8_t *data, size_t size);

// Writes the bytes to name in the scratch directory, replacing the file.
void write_scratch_file(const std::string &name, const uint8_t *data, size_t size);
void write_scratch_file(const std::string &name, const std::string &text);

// The names of the files in the scratch directory, sorted.
std::vector<std::string> scratch_files();

// Removes every file of the scratch directory except the named ones.
void clear_scratch_except(std::initializer_list<std::string> keep);

// Ends the run with an abort, which libFuzzer reports as a crash, after saying why.
[[noreturn]] void finding(const std::string &why);

// A finding unless status is one of the documented ones.
void expect_status(int status, std::initializer_list<int> documented, const char *what);

// A finding unless the scratch directory holds exactly the named files.
void expect_only_files(std::initializer_list<std::string> names, const char *what);

#endif
