// A command line for the driver's unit tests: keeps the argument texts alive (the driver stores
// pointers into them) and starts the driver the way main does, up to the parsed options.
#ifndef TESTS_DRIVER_DRV_TEST_COMMAND_LINE_HH
#define TESTS_DRIVER_DRV_TEST_COMMAND_LINE_HH

#include <string>
#include <vector>

#include "driver/drv_args.hh"
#include "driver/drv_init.hh"
#include "driver/drv_link.hh"

class CommandLine {
public:
  explicit CommandLine(std::vector<std::string> args) : texts(std::move(args)) {
    texts.insert(texts.begin(), "nuxc");
    for (std::string &text : texts)
      argv.push_back(&text[0]);
    argv.push_back(nullptr);
  }

  // Binds the entry tables, creates idl_global and reads the options; may exit like nuxc.
  void parse() {
    DRV_FE_open();
    DRV_init();
    DRV_BE_open();
    DRV_parse_args(long(texts.size()), argv.data());
  }

private:
  std::vector<std::string> texts;
  std::vector<char *> argv;
};

#endif
