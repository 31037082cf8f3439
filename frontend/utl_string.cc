// UTL_String: copies, canonical forms and case-insensitive comparison.
#include "frontend/utl_string.hh"

#include <cctype>
#include <cstring>

#include "frontend/utl_error.hh"
#include "frontend/utl_global.hh"

UTL_String::UTL_String(const char *text) { copy_text(text); }

UTL_String::UTL_String(unsigned long room) : len(0), alloced(room + 1) {
  p_str = new char[alloced]();
  c_str = new char[alloced]();
}

UTL_String::UTL_String(UTL_String *other) {
  copy_text(other == nullptr ? nullptr : other->get_string());
}

UTL_String::~UTL_String() {
  delete[] p_str;
  delete[] c_str;
}

void UTL_String::copy_text(const char *text) {
  if (text == nullptr)
    return;
  len = std::strlen(text);
  alloced = len + 1;
  p_str = new char[alloced];
  std::memcpy(p_str, text, alloced);
  canonicalize();
}

void UTL_String::canonicalize() {
  delete[] c_str;
  c_str = new char[alloced];
  for (unsigned long i = 0; i < alloced; i++)
    c_str[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(p_str[i])));
}

char *UTL_String::get_canonical_rep() {
  if (c_str == nullptr && p_str != nullptr)
    canonicalize();
  return c_str;
}

void UTL_String::dump(std::ostream &o) {
  if (p_str != nullptr)
    o << p_str;
}

bool UTL_String::compare(UTL_String *other) {
  if (get_canonical_rep() == nullptr || other == nullptr || other->get_canonical_rep() == nullptr)
    return false;
  if (std::strcmp(c_str, other->get_canonical_rep()) != 0)
    return false;
  if (std::strcmp(p_str, other->get_string()) != 0)
    idl_global->err()->name_case_error(p_str, other->get_string());
  return true;
}

std::string utf8_of(unsigned long code) {
  const unsigned long largest = 0x10FFFF;
  if (code > largest)
    code = largest;
  std::string s;
  if (code < 0x80) {
    s.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    s.push_back(static_cast<char>(0xC0 | (code >> 6)));
    s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    s.push_back(static_cast<char>(0xE0 | (code >> 12)));
    s.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    s.push_back(static_cast<char>(0xF0 | (code >> 18)));
    s.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
  return s;
}
