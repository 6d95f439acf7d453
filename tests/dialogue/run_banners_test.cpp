// Header box, run information and closing banner, with the clock fixed.
#include "dialogue/run_banners.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "console_capture.h"

namespace {

const RoutineId mainid{"mecaro     ", " 2.0", "01-06-2010"};
const std::string frame = " " + std::string(43, '@');
const std::string rule = " @" + std::string(42, '-');

// Fixes the clock at an instant in seconds since 1970, read as UTC.
void setclock(long long seconds) {
  setenv("SOURCE_DATE_EPOCH", std::to_string(seconds).c_str(), 1);
}

constexpr long long earlymorning = 1717211045;  // 2024-06-01 03:04:05
constexpr long long yearend = 1735689590;       // 2024-12-31 23:59:50

// Characters of a UTF-8 text.
size_t characters(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

TEST(RunBanners, HeaderBoxReadsExactlyOneLine) {
  setclock(earlymorning);
  ConsoleCapture console("anything at all\nnext answer\n");
  progheadbc(mainid);
  auto lines = console.lines();
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[8].rfind(" @ On system: MacOS?-CPU?-", 0), 0u) << lines[8];
  lines[8] = "(system)";
  const std::vector<std::string> expected{
      frame,
      " @",
      " @       MAIN PROGRAM: mecaro",
      " @            Version:  2.0",
      " @               Date: 01-06-2010",
      " @",
      rule,
      " @ Running on: 01-06-2024 at: 03:04:05",
      "(system)",
      rule,
      " @ Report of any problem is appreciated ",
      rule,
      " @         HIT RETURN TO CONTINUE",
      frame,
  };
  EXPECT_EQ(lines, expected);
  std::string rest;
  readline(keyboard_unit, rest);
  EXPECT_EQ(rest, "next answer");
}

TEST(RunBanners, HeaderBoxAtEndOfInputEndsTheRun) {
  setclock(earlymorning);
  EXPECT_EXIT(
      {
        ConsoleCapture console;
        progheadbc(mainid);
      },
      testing::ExitedWithCode(2), "");
}

TEST(RunBanners, RunInformationIsTakenAfterTheWait) {
  setclock(earlymorning);
  ConsoleCapture console("\n");
  progheadbc(mainid);
  setclock(earlymorning + 3600);  // answered an hour later
  smaininfo({"a-long-program-name", " 2", "2010-06-01 and more"}, 0);
  EXPECT_EQ(runinfocom.cmainname, "a-long-prog");
  EXPECT_EQ(runinfocom.cmainvers, " 2  ");
  EXPECT_EQ(runinfocom.cmaindate, "2010-06-01");
  EXPECT_EQ(runinfocom.crundate, "01-06-2024");
  EXPECT_EQ(runinfocom.cruntime, "04:04:05");
  EXPECT_EQ(runinfocom.cusername, "Mac user  ");
  EXPECT_EQ(runinfocom.csystem.size(), 25u);
  EXPECT_EQ(runinfocom.csystem.rfind("MacOS?-CPU?-", 0), 0u);
  EXPECT_EQ(runinfocom.csubname, std::string(11, ' '));
}

TEST(RunBanners, SystemText) {
  const struct {
    SysAnswers answers;
    std::string text;
  } cases[] = {
      {{}, "MacOS?-CPU?-?MHz"},
      {{0x1049, 272, 1250000000}, "MacOS1049-PPC7450-1GHz"},  // the fraction is dropped
      {{0x1049, 266, 867000000}, "MacOS1049-PPC604ev-867MHz"},  // fills all 25
      {{0x1049, {}, 1000000000}, "MacOS1049-CPU?-1GHz"},
      {{0x12345, 9999, {}}, "MacOS****-CPU#9999-?MHz"},
      {{{}, -1, {}}, "MacOS?-CPU#-1-?MHz"},
      // 999999990 Hz is 1e9 in single precision: 1000 MHz, cut to 6 characters;
      // 999999900 Hz stays below it.
      {{{}, {}, 999999990}, "MacOS?-CPU?-1000MH"},
      {{{}, {}, 999999900}, "MacOS?-CPU?-999MHz"},
      // A rate whose 32 bits read negative is above 2147483647 Hz.
      {{{}, {}, -1294967296}, "MacOS?-CPU?-3GHz"},
      {{{}, {}, -1}, "MacOS?-CPU?-4GHz"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(systemtext(c.answers), c.text + std::string(25 - c.text.size(), ' '));
}

TEST(RunBanners, ClosingBannerAndItsPictureBySeconds) {
  const struct {
    int size, width;  // lines and characters of the picture
    int at;           // a line that tells it from the others
    std::string line;
  } pictures[] = {
      {18, 40, 13, "  &&        &&&&&&&&&&&&        &&      "},        // happyface
      {5, 30, 0, "                 S A T O R    "},                    // sator
      {7, 30, 3, "              | 3 | 5 | 7 |   "},                    // carmag33
      {8, 44, 5, "|            THAT'S ALL FOLKS !            |"},      // endfun1
      {6, 30, 4, "               O   O   O   O  "},                    // tetrakis
      {14, 35, 12, "           =====================   "},             // tetratemple1
      {18, 36, 15, "           /===================/    "},            // tetratemple2
      {10, 43, 9, R"(§§§§§§§§§§\§§§§§§§§§§§§§\§§§§§§§§§§§§§\§§§§)"},  // offsetnf
      {10, 43, 9, "§§§§/§§§§§§§§§§§§§/§§§§§§§§§§§§§/§§§§§§§§§§"},    // offsetrf
      {6, 30, 4, "               O   O   O   O  "},                    // tetrakis
  };
  for (int digit = 0; digit <= 9; ++digit) {
    SCOPED_TRACE("seconds end in " + std::to_string(digit));
    const auto& picture = pictures[digit];
    setclock(yearend + digit);
    ConsoleCapture console;
    maintail(mainid);
    const auto lines = console.lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(picture.size + 8));
    const std::vector<std::string> head{
        frame, " @ PROGRAM mecaro", " @ Version:  2.0",
        " @ EXECUTION TERMINATED AT: 23:59:5" + std::to_string(digit), rule, "   "};
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), head);
    for (int k = 0; k < picture.size; ++k)
      EXPECT_EQ(characters(lines[static_cast<size_t>(6 + k)]), static_cast<size_t>(1 + picture.width));
    EXPECT_EQ(lines[static_cast<size_t>(6 + picture.at)], " " + picture.line);
    EXPECT_EQ(lines[lines.size() - 2], "   ");
    EXPECT_EQ(lines.back(), frame);
  }
}

TEST(RunBanners, SectionSignIsUtf8) {
  setclock(yearend + 7);
  ConsoleCapture console;
  maintail(mainid);
  EXPECT_EQ(console.lines()[12].substr(0, 3), " \xC2\xA7");
}

}  // namespace
