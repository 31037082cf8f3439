// The QOR scanner, csplex: turns the file open on cspin into the parser's tokens, counting its
// lines in lineno. Item tokens (literals and identifiers) leave their value in csplval.
#ifndef QOR_QOR_L_HH
#define QOR_QOR_L_HH

#include <cstdio>

// The open file the scanner reads.
extern FILE *cspin;
// The current line of the file being read: 1 at its start, plus one per newline consumed.
extern int lineno;
// The text of the token matched last.
extern char *csptext;

// Returns the next token code, 0 at end of file.
int csplex();
// Forgets whatever input is left from an earlier file, so that the next token comes from cspin
// at its current position, and counts lines from 1 again.
void restart_qor_scanner();
// Releases the scanner's buffers; cspin becomes null. The next restart allocates them again.
void release_qor_scanner();

#endif
