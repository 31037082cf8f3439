// NUX_line_parser: classifies one line of a NUX script. It finds the command keyword, cuts off
// "//" comments, splits the arguments into words and returns a command code with up to six
// argument strings. Its only state is whether it is inside a "begin inline" block.
#ifndef NUX_NUX_LINE_PARSER_HH
#define NUX_NUX_LINE_PARSER_HH

#include "foundation/Dstr.hh"

// The command codes parse returns; nux_command_count is one past the last.
enum NuxCommand {
  nux_nothing,
  nux_begin_function,
  nux_create,
  nux_serve,
  nux_return,
  nux_end_function,
  nux_declare,
  nux_use,
  nux_bind,
  nux_inline,
  nux_print,
  nux_println,
  nux_if,
  nux_else,
  nux_end_if,
  nux_begin_script,
  nux_end_script,
  nux_call,
  nux_default,
  nux_assert,
  nux_catch,
  nux_try,
  nux_begin_test,
  nux_end_test,
  nux_fail,
  nux_nogo,
  nux_while,
  nux_end_while,
  nux_read,
  nux_begin_timedloop,
  nux_end_timedloop,
  nux_fork,
  nux_begin_loop,
  nux_end_loop,
  nux_clearcounter,
  nux_set,
  nux_not_a_command,
  nux_command_count
};

class NUX_line_parser {
public:
  // Classifies line (without its newline) and sets a1 to a6, null when unused. For a line that
  // is not a command it writes "Unrecognized NUX command: " and the word to standard error and
  // returns nux_not_a_command.
  int parse(const Dstr &line, Dstr &a1, Dstr &a2, Dstr &a3, Dstr &a4, Dstr &a5, Dstr &a6);
};

#endif
