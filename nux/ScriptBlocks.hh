// ScriptBlocks: the blocks that the lines of a function open and close (a test, a counted or
// timed loop, a call script, an if, a while, a try), kept as a stack. An end that closes no
// block or another one, an else outside an if, a call outside a script, a function ended or a
// script ended with a block still open are caught here, at the line to blame, instead of by the
// C++ compiler in the generated code.
#ifndef NUX_SCRIPTBLOCKS_HH
#define NUX_SCRIPTBLOCKS_HH

#include <vector>

#include "foundation/Dstr.hh"
#include "foundation/FatalError.hh"

class ScriptBlocks {
public:
  enum Kind { test, loop, timedloop, script, if_block, while_block, try_block };

  // A block begun on line.
  void open(Kind kind, int line);
  // An end line of the kind: it must close the innermost open block, of that kind.
  void close(Kind kind);
  // An else line: the innermost open block must be an if without an else yet.
  void enter_else();
  // A line that only a call script takes (call, default): a script must be open.
  void require_script(const char *command) const;
  // The end of the function name: no block may be open in it; each open one is named at the
  // line that began it.
  void require_none_open(const Dstr &name) const;
  // "begin test has no end test" for every block still open, outermost first, at its line of
  // scriptName.
  std::vector<Explanation> unclosed(const Dstr &scriptName) const;

private:
  struct Block {
    Kind kind;
    int line;
    bool elseSeen;
  };

  std::vector<Block> blocks;
};

#endif
