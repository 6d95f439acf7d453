// Value checks: silent inside the limits; outside, the banner, the reset of
// a real to the bound it passed, and the error tail or stop of its gravity.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <functional>

#include "console_capture.h"
#include "dialogue/value_checks.h"

namespace {

using Lines = std::vector<std::string>;

const std::string stars = " " + std::string(43, '*');

// The lines between the banner head and its tail (head of 9 lines for an
// error, 4 for a warning).
Lines messages(const Lines& lines, size_t head, size_t count) {
  return Lines(lines.begin() + static_cast<long>(head), lines.begin() + static_cast<long>(head + count));
}

TEST(ValueChecks, ValuesInsideTheirLimitsPassSilently) {
  ConsoleCapture console;
  int ierr = -1;
  cinvin(1, 1, 10, "sllgrid3   ", "ncol", ierr);
  EXPECT_EQ(ierr, 0);
  cinvin(10, 1, 10, "sllgrid3   ", "ncol", ierr);
  EXPECT_EQ(ierr, 0);
  cinmax(10, 10, "sllgrid3   ", "npts", ierr);
  EXPECT_EQ(ierr, 0);
  real x = 90;
  crevin2("plunge", x, -90, 90, "fsadr2steff", 0, ierr);
  EXPECT_EQ(ierr, 0);
  x = NAN;  // compares neither below nor above
  crevin2("plunge", x, -90, 90, "fsadr2steff", 0, ierr);
  EXPECT_EQ(ierr, 0);
  EXPECT_TRUE(console.lines().empty());
}

TEST(ValueChecks, IntegerOutsideAnsweredNoReturnsToTheCaller) {
  ConsoleCapture console("n\n\n");
  int ierr = 0;
  cinvin(12, 1, 10, "sllgrid3   ", " ncol ", ierr);
  EXPECT_EQ(ierr, 1);
  const Lines lines = console.lines();
  ASSERT_EQ(lines.size(), 9 + 4 + 20 + 1 + 7 + 4u);
  EXPECT_EQ(lines[3], " ***        subroutine cinvin            ***");
  EXPECT_EQ(messages(lines, 9, 4), (Lines{" ncol = 12", " outside [ 1 , 10 ]",
                                          " Problem originated in :", " subroutine: sllgrid3"}));
  EXPECT_EQ(lines[33], " UNRECOVERABLE ERROR =====> QUITTING ADVISED");
  EXPECT_EQ(lines[41], " ENTERING THE TWILIGHT ZONE OF COMPUTING !");
  EXPECT_EQ(lines.back(), stars);
}

TEST(ValueChecks, IntegerAboveItsMaximum) {
  ConsoleCapture console("n\n\n");
  int ierr = 0;
  cinmax(11, 10, "mappoint   ", "npts", ierr);
  EXPECT_EQ(ierr, 1);
  const Lines lines = console.lines();
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[3], " ***        subroutine cinmax            ***");
  EXPECT_EQ(messages(lines, 9, 3), (Lines{" npts = 11 > max = 10", " Problem originated in :",
                                          " subroutine: mappoint"}));
}

TEST(ValueChecks, RealOutsideIsResetToTheBoundItPassed) {
  {
    ConsoleCapture console("\n");
    real x = 95;
    int ierr = 0;
    crevin2("plunge", x, -90, 90, "fsadr2steff", 0, ierr);
    EXPECT_EQ(ierr, 1);
    EXPECT_EQ(x, 90.0f);
    const Lines lines = console.lines();
    EXPECT_EQ(lines[1], " ///        subroutine crevin            ///");
    EXPECT_EQ(messages(lines, 4, 3), (Lines{" Problem in subroutine: fsadr2steff",
                                            " plunge = 95. outside [ -90. , 90. ]",
                                            " ==> RESET plunge = 90."}));
    EXPECT_EQ(lines.size(), 4 + 3 + 2u);  // the warning tail with its pause
  }
  {
    ConsoleCapture console("\n");
    real x = -100.5f;
    int ierr = 0;
    crevin2("plunge", x, -90, 90, "fsadr2steff", 1, ierr);
    EXPECT_EQ(x, -90.0f);
    const Lines lines = console.lines();
    ASSERT_EQ(lines.size(), 9 + 3 + 2u);  // the error tail with its pause
    EXPECT_EQ(lines[11], " ==> RESET plunge = -90.");
  }
}

TEST(ValueChecks, GravitiesOfErrorStops) {
  {
    ConsoleCapture console("y\n\n");  // resume, then the error tail's pause
    real x = 101;
    int ierr = 0;
    crevin2("red", x, 0, 100, "scolortable", 2, ierr);
    EXPECT_EQ(x, 100.0f);
    const Lines lines = console.lines();
    EXPECT_EQ(lines[12], " RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED");
    EXPECT_EQ(lines.back(), stars);
  }
  {
    // An unknown gravity is taken as an unrecoverable error stop.
    ConsoleCapture console("n\n\n");
    real x = 101;
    int ierr = 0;
    crevin2("red", x, 0, 100, "scolortable", 7, ierr);
    EXPECT_EQ(x, 100.0f);
    const Lines lines = console.lines();
    EXPECT_EQ(messages(lines, 11, 3), (Lines{" ==> RESET red = 100.", " unknown  gravity = 7",
                                             " ==> RESET gravity = 3"}));
    EXPECT_EQ(lines[34], " UNRECOVERABLE ERROR ==> QUITTING ADVISED");
  }
}

TEST(ValueChecksDeathTest, StopsEndTheRunWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // cinvin with the default answer to its stop question.
  EXPECT_EXIT(
      {
        alarm(1);
        consoletostderr("\n");
        int ierr = 0;
        cinvin(0, 1, 10, "sllgrid3   ", "ncol", ierr);
        std::exit(0);
      },
      testing::ExitedWithCode(1), "EXECUTION STOPPED AFTER ERROR");
  // Gravity 4: no reset, the fatal stop follows the value line at once.
  EXPECT_EXIT(
      {
        alarm(1);
        consoletostderr("");
        real x = 95;
        int ierr = 0;
        crevin2("plunge", x, -90, 90, "fsadr2steff", 4, ierr);
        std::exit(0);
      },
      testing::ExitedWithCode(1), "outside \\[ -90\\. , 90\\. \\]\n      \n.*EXECUTION STOPPED BY PROGRAM");
}

}  // namespace
