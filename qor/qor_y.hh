// The QOR reader: cspparse reads the file open on cspin into the list of messages left in qor;
// a syntax error ends the run. parse_qor_file runs one whole read of an open file.
#ifndef QOR_QOR_Y_HH
#define QOR_QOR_Y_HH

#include "foundation/Dstr.hh"
#include "qor/qor_l.hh"
#include "qor/qor_struct.hh"

#include <cstdio>

// Head of the message list built by the last parse; null before parsing.
extern qormessage *qor;
// Name of the file being read, shown in the syntax-error message; set by the caller.
extern Dstr qorfilename;

// Parses the whole file open on cspin, from line 1, and leaves its messages in qor. Returns 0;
// a syntax error ends the run through csperror. The caller sets qorfilename, cspin and qor
// (to null) before the call and closes the file afterwards.
int cspparse();
// Reports a syntax error at the current line of qorfilename and ends the run; the parser's own
// message is not shown.
[[noreturn]] void csperror(const char *message);

// Reads the messages of the open file into qor and returns them, then releases the scanner's
// buffers (cspin is null afterwards; the caller still closes file). Set qorfilename first. A
// syntax error, a read error or an exhausted heap ends the run with a fatal error.
qormessage *parse_qor_file(FILE *file);

#endif
