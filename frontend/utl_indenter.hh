// UTL_Indenter: the nesting level of a tree dump; each level writes two blanks.
#ifndef FRONTEND_UTL_INDENTER_HH
#define FRONTEND_UTL_INDENTER_HH

#include <ostream>

class UTL_Indenter {
public:
  void reset() { level = 0; }
  void increase() { level++; }
  void decrease() {
    if (level > 0)
      level--;
  }
  void skip_to(std::ostream &o) {
    for (long i = 0; i < level; i++)
      o << "  ";
  }

private:
  long level = 0;
};

#endif
