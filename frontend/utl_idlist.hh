// UTL_IdList: a scoped name, a list of Identifiers; printed with its components joined by "::".
// UTL_StrList: a list of UTL_Strings (pragma texts, context strings), printed the same way.
#ifndef FRONTEND_UTL_IDLIST_HH
#define FRONTEND_UTL_IDLIST_HH

#include <string>

#include "frontend/utl_identifier.hh"
#include "frontend/utl_list.hh"
#include "frontend/utl_string.hh"

class UTL_IdList : public UTL_TypedList<Identifier> {
public:
  UTL_IdList(Identifier *head, UTL_IdList *tail) : UTL_TypedList(head, tail) {}

  UTL_IdList *copy() { return static_cast<UTL_IdList *>(UTL_List::copy()); }
  void dump(std::ostream &o) { dump_joined(o); }

protected:
  UTL_List *copy_cell() override { return new UTL_IdList(head(), nullptr); }
};

class UTL_IdListActiveIterator : public UTL_TypedListActiveIterator<UTL_IdList, Identifier> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

class UTL_StrList : public UTL_TypedList<UTL_String> {
public:
  UTL_StrList(UTL_String *head, UTL_StrList *tail) : UTL_TypedList(head, tail) {}

  UTL_StrList *copy() { return static_cast<UTL_StrList *>(UTL_List::copy()); }
  void dump(std::ostream &o) { dump_joined(o); }

protected:
  UTL_List *copy_cell() override { return new UTL_StrList(head(), nullptr); }
};

// A one-component scoped name holding a copy of text.
UTL_IdList *create_scoped_name(const char *text);
// The identifiers of a scoped name joined by "::". A "::" goes only after text, so the tree
// root's empty first name adds none: {"", "Bank", "Account"} gives "Bank::Account".
std::string joined_scoped_name(UTL_IdList *name);

class UTL_StrlistActiveIterator : public UTL_TypedListActiveIterator<UTL_StrList, UTL_String> {
public:
  using UTL_TypedListActiveIterator::UTL_TypedListActiveIterator;
};

#endif
