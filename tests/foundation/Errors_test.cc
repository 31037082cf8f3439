// Unit tests of fatal and deferred errors: message pieces, the "Fatal Error: " line, exit status
// 255, the clean-up hook, and the recorded message raised by check.
#include "foundation/FatalError.hh"
#include "foundation/IgnorableError.hh"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(Errors, PiecesJoinWithNothingBetween) {
  const char *name = "x";
  EXPECT_STREQ("can't open /b/x for reading",
               join_pieces("can't open ", "/b/x", " for reading").aschar());
  EXPECT_STREQ("line -12 of NUX file", join_pieces("line ", -12, " of NUX file").aschar());
  EXPECT_STREQ("a x 3 b c d e f", join_pieces("a ", name, " ", 3, " b", " c", " d", " e", " f").aschar());
  EXPECT_STREQ("pre|post", join_pieces("pre|", Dstr(), static_cast<const char *>(nullptr), "post").aschar());
  EXPECT_FALSE(join_pieces(Dstr()).isNull());
}

TEST(ErrorsDeathTest, FatalErrorPrintsOneLineAndExits255) {
  EXPECT_EXIT(FatalError("can't open ", "/b/x", " for reading"), testing::ExitedWithCode(255),
              "^Fatal Error: can't open /b/x for reading\n$");
  EXPECT_EXIT(FatalError("No active function at line ", 12, " of NUX file"),
              testing::ExitedWithCode(255),
              "^Fatal Error: No active function at line 12 of NUX file\n$");
  EXPECT_EXIT(FatalError(Dstr()), testing::ExitedWithCode(255), "^Fatal Error: \n$");
}

TEST(ErrorsDeathTest, TheLocatedLineComesFirst) {
  const struct {
    void (*fail)();
    const char *output;
  } cases[] = {
      {[] { FatalError(explain_at(Dstr("calc.qor"), 4, "no summ"), "No match on line ", 3); },
       "^calc.qor:4: error: no summ\nFatal Error: No match on line 3\n$"},
      // Without a place of its own: the current one; line 0 names the whole file.
      {[] {
         set_error_place(Dstr("calc.nux"), 7);
         FatalError(explain("no active function"), "No active function");
       },
       "^calc.nux:7: error: no active function\nFatal Error: No active function\n$"},
      {[] {
         set_error_place(Dstr("bank.idl"), 7);
         set_error_line(0);
         FatalError("can't open x");
       },
       "^bank.idl: error: can't open x\nFatal Error: can't open x\n$"},
  };
  for (const auto &c : cases)
    EXPECT_EXIT(c.fail(), testing::ExitedWithCode(255), c.output);
}

void report_cleanup() { fputs("cleanup ran\n", stderr); }

void failing_cleanup() {
  fputs("cleanup ran\n", stderr);
  FatalError("during cleanup");
}

TEST(ErrorsDeathTest, FatalErrorRunsTheRegisteredCleanupOnce) {
  EXPECT_EXIT(
      {
        set_fatal_error_cleanup(report_cleanup);
        FatalError("boom");
      },
      testing::ExitedWithCode(255), "^Fatal Error: boom\ncleanup ran\n$");
  EXPECT_EXIT(
      {
        set_fatal_error_cleanup(failing_cleanup);
        FatalError("boom");
      },
      testing::ExitedWithCode(255), "^Fatal Error: boom\ncleanup ran\nFatal Error: during cleanup\n$");
  EXPECT_EXIT(
      {
        set_fatal_error_cleanup(report_cleanup);
        set_fatal_error_cleanup(nullptr);
        FatalError("boom");
      },
      testing::ExitedWithCode(255), "^Fatal Error: boom\n$");
}

TEST(ErrorsDeathTest, IgnorableErrorRecordsSilentlyAndCheckRaisesIt) {
  testing::internal::CaptureStderr();
  IgnorableError("No mapping for type ", "short");
  IgnorableError("No mapping for type ", Dstr("long"));
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  EXPECT_STREQ("No mapping for type long", ignerrmsg.aschar());
  check(Dstr(""));
  EXPECT_EXIT(FatalError(ignerrmsg), testing::ExitedWithCode(255),
              "^Fatal Error: No mapping for type long\n$");
  EXPECT_EXIT(check(Dstr()), testing::ExitedWithCode(255),
              "^Fatal Error: No mapping for type long\n$");
}

}  // namespace
