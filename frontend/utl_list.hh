// UTL_List: the singly linked list cell every front-end list is made of, the typed list
// template that adds the element (head), and the active iterators that walk the cells in order.
#ifndef FRONTEND_UTL_LIST_HH
#define FRONTEND_UTL_LIST_HH

#include <ostream>

#include "frontend/utl_arena.hh"

class UTL_List : public UTL_ArenaObject {
public:
  explicit UTL_List(UTL_List *tail) : pd_cdr_data(tail) {}
  virtual ~UTL_List() = default;

  UTL_List *tail() { return pd_cdr_data; }
  void set_tail(UTL_List *tail) { pd_cdr_data = tail; }
  // Appends l at the end of this list; returns this list.
  UTL_List *nconc(UTL_List *l);
  // New cells holding the same elements.
  UTL_List *copy();
  long length();

protected:
  // A new cell of this cell's class with the same element and no tail.
  virtual UTL_List *copy_cell() = 0;

private:
  UTL_List *pd_cdr_data;
};

template <class T> class UTL_TypedList : public UTL_List {
public:
  UTL_TypedList(T *head, UTL_List *tail) : UTL_List(tail), pd_car_data(head) {}

  T *head() { return pd_car_data; }
  void set_head(T *head) { pd_car_data = head; }
  T *last_component() {
    UTL_List *cell = this;
    while (cell->tail() != nullptr)
      cell = cell->tail();
    return static_cast<UTL_TypedList<T> *>(cell)->head();
  }

protected:
  // Writes the elements' texts joined by "::"; no separator follows a leading "::" component.
  void dump_joined(std::ostream &o) {
    bool after_global = false;
    bool first = true;
    for (UTL_List *cell = this; cell != nullptr; cell = cell->tail()) {
      T *item = static_cast<UTL_TypedList<T> *>(cell)->head();
      const char *text = item == nullptr ? nullptr : item->get_string();
      if (!first && !after_global)
        o << "::";
      after_global = first && text != nullptr && text[0] == ':' && text[1] == ':' && text[2] == 0;
      first = false;
      if (text != nullptr)
        o << text;
    }
  }

private:
  T *pd_car_data;
};

class UTL_ListActiveIterator {
public:
  explicit UTL_ListActiveIterator(UTL_List *source) : source(source) {}
  virtual ~UTL_ListActiveIterator() = default;

  void next() {
    if (source != nullptr)
      source = source->tail();
  }
  bool is_done() { return source == nullptr; }

protected:
  UTL_List *source;
};

// The iterator of the typed list L whose elements are T.
template <class L, class T> class UTL_TypedListActiveIterator : public UTL_ListActiveIterator {
public:
  explicit UTL_TypedListActiveIterator(L *source) : UTL_ListActiveIterator(source) {}
  T *item() { return source == nullptr ? nullptr : static_cast<L *>(source)->head(); }
};

// Writes every item an active iterator walks (a list's or a scope's), each with write, separated
// by ", ".
template <class Iterator, class Write>
void dump_separated(std::ostream &o, Iterator &&i, Write write) {
  for (const char *separator = ""; !i.is_done(); i.next(), separator = ", ") {
    o << separator;
    write(i.item());
  }
}

#endif
