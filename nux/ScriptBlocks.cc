// ScriptBlocks: the stack of open blocks, the words that open and close each kind, and the
// errors of a block closed wrongly or left open. The failures keep the words of the message
// for a function's end that does not match its begin.
#include "nux/ScriptBlocks.hh"

#include <algorithm>

namespace {

struct Words {
  const char *opener;
  const char *closer;
};

// By kind, in the order of ScriptBlocks::Kind.
const Words blockWords[] = {
    {"begin test", "end test"},   {"begin loop", "end loop"}, {"begin timedloop", "end timedloop"},
    {"begin script", "end script"}, {"if", "end if"},        {"while", "end while"},
    {"try", "catch"},
};

const Words &words_of(ScriptBlocks::Kind kind) { return blockWords[kind]; }

[[noreturn]] void mismatched(const Explanation &why) {
  FatalError(why, "Mismatched end command at line ", error_place().line, " of NUX file");
}

[[noreturn]] void misplaced(const char *command, const Explanation &why) {
  FatalError(why, "Misplaced ", command, " at line ", error_place().line, " of NUX file");
}

}  // namespace

void ScriptBlocks::open(Kind kind, int line) { blocks.push_back({kind, line, false}); }

void ScriptBlocks::close(Kind kind) {
  const Words &words = words_of(kind);
  if (blocks.empty())
    mismatched(explain(words.closer, " closes no ", words.opener, ": none is open"));
  const Block &innermost = blocks.back();
  if (innermost.kind != kind)
    mismatched(explain(words.closer, " closes no ", words.opener, ": the innermost open block is ",
                       words_of(innermost.kind).opener, " on line ", innermost.line));
  blocks.pop_back();
}

void ScriptBlocks::enter_else() {
  if (blocks.empty() || blocks.back().kind != if_block)
    misplaced("else", explain("else outside an if"));
  Block &innermost = blocks.back();
  if (innermost.elseSeen)
    misplaced("else", explain("a second else for the if on line ", innermost.line));
  innermost.elseSeen = true;
}

void ScriptBlocks::require_script(const char *command) const {
  if (std::none_of(blocks.begin(), blocks.end(),
                   [](const Block &b) { return b.kind == script; }))
    misplaced(command, explain(command, " outside begin script ... end script"));
}

void ScriptBlocks::require_none_open(const Dstr &name) const {
  if (blocks.empty())
    return;
  const ErrorPlace end = error_place();
  const std::vector<Explanation> open = unclosed(end.file);
  for (auto e = open.begin(); e + 1 != open.end(); ++e)
    report_error(*e);
  mismatched(explain_at(end.file, blocks.back().line, open.back().text, " before end ", name,
                        " on line ", end.line));
}

std::vector<Explanation> ScriptBlocks::unclosed(const Dstr &scriptName) const {
  std::vector<Explanation> open;
  for (const Block &b : blocks)
    open.push_back(explain_at(scriptName, b.line, words_of(b.kind).opener, " has no ",
                              words_of(b.kind).closer));
  return open;
}
