// Helpers of the QOR reader tests: a text as an open file, and one whole read of a text.
#ifndef TESTS_QOR_QOR_TEST_FILES_HH
#define TESTS_QOR_QOR_TEST_FILES_HH

#include "qor/qor_struct.hh"

#include <cstdio>
#include <string>

// A temporary file holding text (NUL bytes included), open for reading at its start.
FILE *open_text(const std::string &text);

// Reads text as the QOR file of the given name and returns its messages; the caller frees them.
qormessage *parse_text(const std::string &text, const char *name = "t.qor");

// One line per message: sender, receiver, and the printed "In:" and "Out:" values ("-" when
// absent), joined by blanks; then "raises" and the "Raises:" value, when there is one.
std::string describe_messages(const qormessage *m);

#endif
