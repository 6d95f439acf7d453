// Console state box, menu boxes, banners and their pauses.
#include <gtest/gtest.h>

#include "console_capture.h"
#include "dialogue/banners.h"

namespace {

const RoutineId caller{"fpsreadex1 ", " 1.0", "01-06-2010"};

TEST(ConsoleState, InitsioPrintsItsStartValues) {
  ConsoleCapture console;
  iocom.lcomfile = true;  // whatever came before, the start values are set
  initsio();
  const std::vector<std::string> expected{
      " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
      " @ subroutine initsio    ",
      " @==========================================",
      " INITIALIZING INPUT/OUTPUT",
      " standard  input unit        =  5",
      " standard output unit        =  6",
      " error     input unit        =  5",
      " error    output unit        =  6",
      " minimum output enabled      :  T",
      " more    output enabled      :  T",
      " maximum output enabled      :  F",
      " command file open status    :  F",
      " plot    file open status    :  F",
      " pause after warning or error:  T",
      " @@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
  };
  EXPECT_EQ(console.lines(), expected);
  EXPECT_FALSE(iocom.lcomfile);
}

TEST(Banners, MenuHeads) {
  ConsoleCapture console;
  mainmenuhead({"mecaro     ", " 2.0", "01-06-2010"});
  submenuhead(caller);
  menutail();
  const auto lines = console.lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], " @ main program mecaro     ");
  EXPECT_EQ(lines[1].size(), 27u);
  EXPECT_EQ(lines[4], " @ subroutine fpsreadex1 ");
  EXPECT_EQ(lines[6], " " + std::string(43, '@'));
}

TEST(Banners, WarningBannerWithPause) {
  ConsoleCapture console("\n");
  warninghead(caller);
  wout(" message");
  warningtail00();
  const std::vector<std::string> expected{
      " ///////////////////////////////////////////",
      " ///        subroutine fpsreadex1        ///",
      " ///               WARNING               ///",
      " ///////////////////////////////////////////",
      " message",
      " ===> HIT RETURN TO CONTINUE",
      " ///////////////////////////////////////////",
  };
  EXPECT_EQ(console.lines(), expected);
}

TEST(Banners, ErrorBannerWithoutPause) {
  Answers console;
  errorhead({"a-name-longer-than-17", "1.0 ", "01-01-2000"});
  errortail00();
  const std::string frame = " " + std::string(43, '*');
  const std::string empty = " ***" + std::string(37, ' ') + "***";
  const std::vector<std::string> expected{
      frame, frame, empty, " ***        subroutine a-name-longer-tha ***", empty,
      " ***                ERROR                ***", empty, frame, frame, frame};
  EXPECT_EQ(console.lines(), expected);
}

TEST(Banners, PauseUnderCommandFileReadsTheErrorInput) {
  // The command file stands on unit 15 with nothing in it: the pause must
  // still read its Return from the keyboard.
  ConsoleCapture console("\n");
  iocom.lcomfile = true;
  iocom.iunin = 15;
  warningtail00();
  EXPECT_EQ(console.lines()[0], " ===> HIT RETURN TO RESUME COMMANDS");
  EXPECT_EQ(console.lines().size(), 2u);
}

TEST(Banners, OutdatedTailsPrintTheirFunnel) {
  Answers console;
  errortail0(42);
  const auto lines = console.lines();
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], " " + std::string(24, '@'));
  EXPECT_EQ(lines[1], "   " + std::string(20, '@') + "  ");
  EXPECT_EQ(lines[5], " " + std::string(10, ' ') + "@@@@" + std::string(10, ' '));
  EXPECT_EQ(lines[7], " OUTDATED    errortail0");
  EXPECT_EQ(lines[13], lines[1]);
  EXPECT_EQ(lines[15], " " + std::string(43, '*'));
}

TEST(Banners, SubroutineBannersOnlyAtLevelThree) {
  ConsoleCapture console;
  subhead(caller);
  subtail(caller);
  EXPECT_TRUE(console.lines().empty());
  iocom.lwito[2] = true;
  subhead({"listfio    ", " 2.0", "01-06-2010"});
  subtail({"listfio    ", " 2.0", "01-06-2010"});
  const auto lines = console.lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], " @ subroutine  listfio    ");
  EXPECT_EQ(lines[2], " @ version  2.0 on 01-06-2010");
  EXPECT_EQ(lines[5], " @ exiting listfio    ");
}

// End of input at a pause ends the run at once with status 2.
TEST(BannersDeathTest, EndOfInputAtAPauseEndsTheRun) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        iocom = IoCom{};
        attachunit(keyboard_unit, std::fopen("/dev/null", "r"), true);
        warningtail00();
        std::exit(0);
      },
      testing::ExitedWithCode(2), "");
}

}  // namespace
