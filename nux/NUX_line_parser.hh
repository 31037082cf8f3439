// NUX_line_parser: classifies one line of a NUX script. It finds the command keyword, cuts off
// "//" comments, splits the arguments into words and returns a command code with up to six
// argument strings. Its only state is whether it is inside a "begin inline" block; the
// compilation loop makes one parser per script.
#ifndef NUX_NUX_LINE_PARSER_HH
#define NUX_NUX_LINE_PARSER_HH

#include <vector>

#include "foundation/Dstr.hh"

// The command codes parse returns, one per line of NUX_commands.def in its order;
// nux_command_count is one past the last.
enum NuxCommand {
#define NUX_COMMAND(name, handler) nux_##name,
#include "nux/NUX_commands.def"
  nux_command_count
};

class NUX_line_parser {
public:
  // Classifies line (without its newline) and sets a1 to a6, null when unused. For a line that
  // is not a command it writes "Unrecognized NUX command: " and the word to standard error and
  // returns nux_not_a_command.
  int parse(const Dstr &line, Dstr &a1, Dstr &a2, Dstr &a3, Dstr &a4, Dstr &a5, Dstr &a6);
  // Whether the lines parsed so far left an inline block open.
  bool in_inline_block() const { return is_inline; }

  // The words a command line can start with, for the "did you mean" of a word that is none.
  static std::vector<Dstr> keywords();

private:
  // Between a "begin inline" line and the "end inline" line that closes the block.
  bool is_inline = false;
};

#endif
