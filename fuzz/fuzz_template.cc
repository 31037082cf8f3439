// Fuzz target: the binding template reader and template substitution. The input's first line
// defines substitution variables, as blank-separated words NAME=value (in that order, so that
// earlier names win); the rest of the input is a template file, emitted with them.
#include <string>

#include "foundation/CodeGenerator.hh"
#include "foundation/Dstr.hh"
#include "foundation/Replacements.hh"
#include "fuzz/FuzzHarness.hh"

namespace {

CodeGenerator *generator = nullptr;
// Template files are cached for the life of the process, so every input gets a key of its own.
unsigned long inputs = 0;

// Defines every NAME=value word of the line; words without a name or without "=" define nothing.
void define_variables(const std::string &line, Replacements &variables) {
  size_t start = 0;
  while (start < line.size()) {
    size_t end = line.find_first_of(" \t", start);
    if (end == std::string::npos)
      end = line.size();
    const std::string word = line.substr(start, end - start);
    const size_t equals = word.find('=');
    // A name is text up to a NUL byte, like every Dstr.
    const Dstr name(word.substr(0, equals).c_str());
    if (equals != std::string::npos && name.length() > 0)
      variables.define(name, Dstr(word.substr(equals + 1).c_str()));
    start = end + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  write_scratch_file("cchh.scope.separator", ".\n");
  generator = new CodeGenerator(Dstr(scratch_directory().c_str()));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string input(reinterpret_cast<const char *>(data), size);
  const size_t newline = input.find('\n');
  const std::string definitions = input.substr(0, newline);
  const std::string key = "t" + std::to_string(inputs++);
  write_scratch_file(key, newline == std::string::npos ? "" : input.substr(newline + 1));
  Replacements variables;
  define_variables(definitions, variables);
  generator->variables = &variables;
  const int status = run_until_exit([&] {
    Dstr out;
    generator->cat_binding(out, key.c_str());
    generator->prepend_binding(out, key.c_str());
  });
  generator->variables = nullptr;
  expect_status(status, {returned_normally, 255}, "template emission");
  clear_scratch_except({"cchh.scope.separator"});
  return 0;
}
