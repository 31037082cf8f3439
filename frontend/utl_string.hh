// UTL_String: the front end's string. Holds a private copy of its text and a case-folded
// (upper-case) form, so that file names and identifiers can be compared ignoring case while
// spelling differences are still reported.
#ifndef FRONTEND_UTL_STRING_HH
#define FRONTEND_UTL_STRING_HH

#include <ostream>
#include <string>

#include "frontend/utl_arena.hh"

class UTL_String : public UTL_ArenaObject {
public:
  explicit UTL_String(const char *text);
  explicit UTL_String(unsigned long room);
  explicit UTL_String(UTL_String *other);
  virtual ~UTL_String();

  virtual void dump(std::ostream &o);
  // True when both canonical forms exist and are equal; equal forms with different spellings
  // are reported as a name-case error.
  virtual bool compare(UTL_String *other);

  char *get_string() { return p_str; }
  char *get_canonical_rep();

private:
  void copy_text(const char *text);
  void canonicalize();

  char *p_str = nullptr;
  char *c_str = nullptr;
  unsigned long len = 0;
  unsigned long alloced = 0;
};

// The UTF-8 encoding of a character code (codes beyond Unicode are encoded as the largest).
std::string utf8_of(unsigned long code);

#endif
