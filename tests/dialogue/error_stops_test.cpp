// Error stops: what each level prints, what it asks, and whether the run
// ends (status 1, open units flushed).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>

#include "console_capture.h"
#include "dialogue/error_stops.h"

namespace {

using Lines = std::vector<std::string>;

const std::string dots = " " + std::string(42, '.');
const std::string stars = " " + std::string(43, '*');

Lines question(const std::string& q, const std::string& def, const std::string& answer) {
  return {dots, " " + q + " ?", " Enter (0/1)(n/y)(N/Y)", " or return for default value or h for help",
          " Default = " + def, " New value =  " + answer, dots};
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const Lines twilight = {" ENTERING THE TWILIGHT ZONE OF COMPUTING !",
                        " THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE"};

// What was printed after the twenty lines of the sorry face.
Lines afterface(ConsoleCapture& console) {
  const Lines lines = console.lines();
  EXPECT_GE(lines.size(), 20u);
  return Lines(lines.begin() + std::min<std::ptrdiff_t>(20, std::ssize(lines)), lines.end());
}

TEST(ErrorStops, SorryFaceIsTwentyLinesOfAFace) {
  ConsoleCapture console;
  sorryface();
  const Lines lines = console.lines();
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines[0], "      ");
  EXPECT_EQ(lines[19], "      ");
  EXPECT_EQ(lines[1], "    " + std::string(12, ' ') + std::string(12, '&') + std::string(16, ' '));
  EXPECT_EQ(lines[8], "    &&        &&&          &&&        &&    ");  // the eyes
  EXPECT_EQ(lines[13], "     &&      &&&            &&&      &&     ");  // the mouth
  for (size_t row = 1; row <= 18; ++row) EXPECT_EQ(lines[row].size(), 44u);
}

TEST(ErrorStops, TailOfLevelZeroDefaultsToResumeAndAlwaysPauses) {
  Answers console("\n\n");
  errortail01(0);
  EXPECT_EQ(console.lines(), (Lines{" RECOVERABLE ERROR ====> CAN RESUME EXECUTION"} +
                                 question("STOP", "No ", "No ") +
                                 Lines{" RESUMING EXECUTION", " ===> HIT RETURN TO CONTINUE", stars}));
}

TEST(ErrorStops, TailOfLevelOneAnsweredNoEntersTheTwilightZone) {
  ConsoleCapture console("n\n\n");
  iocom.lcomfile = true;  // the question and the pause are still at the keyboard
  iocom.iunin = 15;
  errortail01(1);
  EXPECT_EQ(afterface(console), (Lines{" UNRECOVERABLE ERROR =====> QUITTING ADVISED"} +
                                 question("STOP", "Yes", "No ") + twilight +
                                 Lines{" ===> HIT RETURN TO RESUME COMMANDS", stars}));
}

TEST(ErrorStops, TailOfAnotherLevelResumesLikeLevelZero) {
  ConsoleCapture console("0\n\n");
  errortail01(5);
  const Lines tail = afterface(console);
  ASSERT_EQ(tail.size(), 1 + 7 + 3u);
  EXPECT_EQ(tail[8], " RESUMING EXECUTION");
}

TEST(ErrorStops, StopOfLevelZeroAnsweredYesResumesWithoutClosingLine) {
  ConsoleCapture console("y\n");
  errorstop(0);
  EXPECT_EQ(console.lines(), (Lines{" RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED"} +
                                 question("RESUME", "Yes", "Yes") + Lines{" RESUMING EXECUTION"}));
}

TEST(ErrorStops, StopOfLevelOneAnsweredNoResumes) {
  ConsoleCapture console("n\n");
  errorstop(1);
  EXPECT_EQ(afterface(console), (Lines{" UNRECOVERABLE ERROR ==> QUITTING ADVISED"} +
                                 question("STOP", "Yes", "No ") + twilight +
                                 Lines{" RESUMING EXECUTION"}));
}

TEST(ErrorStops, StopOfAnUnknownLevelDoesNothing) {
  ConsoleCapture console;
  errorstop(3);
  errorstop(-1);
  EXPECT_TRUE(console.lines().empty());
}

// Each way of stopping: the answers typed, the lines that end the output
// and the exit status 1.
TEST(ErrorStopsDeathTest, StoppingEndsTheRunWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct Case {
    std::function<void()> stop;
    const char* answers;
    const char* lastlines;
  };
  const Case cases[] = {
      {[] { errortail01(1); }, "\n", "New value =  Yes\n \\.+\n EXECUTION STOPPED AFTER ERROR\n \\*{43}\n$"},
      {[] { errortail01(0); }, "y\n", "EXECUTION STOPPED AFTER ERROR\n \\*{43}\n$"},
      {[] { errorstop(0); }, "n\n",
       "New value =  No \n \\.+\n EXECUTION STOPPED BY USER\n AFTER RECOVERABLE ERROR\n \\*{43}\n$"},
      {[] { errorstop(1); }, "\n",
       "EXECUTION STOPPED BY USER\n AFTER UNRECOVERABLE ERROR\n Copying the above information\n"
       " and sending it to the program author\n might be helpful\n \\*{43}\n$"},
      {[] { errorstop(2); }, "",
       "&&&&&&&&&&&&                \n      \n UNRECOVERABLE ERROR\n EXECUTION STOPPED BY PROGRAM\n"
       " Copying the above information\n and sending it to the program author\n might be helpful\n"
       " \\*{43}\n$"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lastlines);
    EXPECT_EXIT(
        {
          alarm(1);
          consoletostderr(c.answers);
          c.stop();
          std::exit(0);
        },
        testing::ExitedWithCode(1), c.lastlines);
  }
}

TEST(ErrorStopsDeathTest, StoppingFlushesAndClosesOpenFiles) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The child runs this body again from its start: the name must not vary.
  const std::string name = testing::TempDir() + "mecaro_errorstop_flush.txt";
  std::remove(name.c_str());
  EXPECT_EXIT(
      {
        consoletostderr("");
        openunit(21, name, OpenStatus::new_);
        writeline(21, "written before the stop");
        errorstop(2);
      },
      testing::ExitedWithCode(1), "");
  std::ifstream in(name);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "written before the stop");
  std::remove(name.c_str());
}

TEST(ErrorStopsDeathTest, EndOfInputAtTheQuestionOrThePauseEndsWithStatusTwo) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const char* answers : {"", "n\n"}) {
    EXPECT_EXIT(
        {
          alarm(1);
          consoletostderr(answers);
          errortail01(1);
          std::exit(0);
        },
        testing::ExitedWithCode(2), "END OF STANDARD INPUT");
  }
}

}  // namespace
