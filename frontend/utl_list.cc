// UTL_List: appending, copying and counting cells.
#include "frontend/utl_list.hh"

UTL_List *UTL_List::nconc(UTL_List *l) {
  UTL_List *last = this;
  while (last->tail() != nullptr)
    last = last->tail();
  last->set_tail(l);
  return this;
}

UTL_List *UTL_List::copy() {
  UTL_List *first = copy_cell();
  UTL_List *last = first;
  for (UTL_List *cell = tail(); cell != nullptr; cell = cell->tail()) {
    UTL_List *fresh = cell->copy_cell();
    last->set_tail(fresh);
    last = fresh;
  }
  return first;
}

long UTL_List::length() {
  long n = 0;
  for (UTL_List *cell = this; cell != nullptr; cell = cell->tail())
    n++;
  return n;
}
