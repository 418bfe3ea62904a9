// The progress line of the command-line program: the percent of the input
// read, on a terminal only, only once a conversion has run for the delay,
// never with --quiet.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "posix/cli_ui.h"

namespace kalvor {
namespace {

struct Case {
  const char* what;
  bool terminal;
  bool quiet;
  std::chrono::milliseconds delay;
  const char* expected;  // the whole standard error
};

TEST(CliProgress, DrawsThePercentReadOnATerminalAfterTheDelay) {
  using std::chrono::hours;
  using std::chrono::milliseconds;
  const Case cases[] = {
      {"terminal", true, false, milliseconds(0), "\rConverting: a.edf 25%\rConverting: a.edf 50%\n"},
      {"not a terminal", false, false, milliseconds(0), ""},
      {"quiet", true, true, milliseconds(0), ""},
      {"a short run", true, false, hours(1), ""},
  };
  for (const Case& c : cases) {
    CliUi ui;
    ui.SetProgressTerminal(c.terminal);
    ui.SetQuiet(c.quiet);
    ui.SetProgressDelay(c.delay);
    testing::internal::CaptureStderr();
    ui.ProgressOpen("Converting:", "a.edf");
    ui.ProgressDraw(250, 1000, false);
    ui.ProgressDraw(251, 1000, false);  // still 25%: not drawn again
    ui.ProgressDraw(500, 1000, false);
    ui.ProgressClose();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace kalvor
