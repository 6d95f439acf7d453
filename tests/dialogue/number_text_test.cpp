// Numbers as texts: the worked examples and the overflow fillers.
#include <gtest/gtest.h>

#include <limits>

#include "console_capture.h"
#include "dialogue/number_text.h"

namespace {

TEST(NumberText, IntegerLength) {
  const std::pair<int, int> cases[] = {{0, 1},        {-5, 2}, {10, 2}, {9999999, 7},
                                       {99999999, 8}, {-2147483647, 11},
                                       {std::numeric_limits<int>::min(), 11}};
  for (auto [iv, n] : cases) {
    int got = -1;
    integlen(got, iv);
    EXPECT_EQ(got, n) << iv;
  }
}

TEST(NumberText, IntegerToText) {
  ConsoleCapture console("\n");
  std::string c(8, '#');
  int nchar = 0;
  intg2char(c, nchar, 5, -1234);
  EXPECT_EQ(c, "-1234   ");
  EXPECT_EQ(nchar, 5);
  EXPECT_TRUE(console.lines().empty());

  c = "abcdefgh";
  intg2char(c, nchar, 4, 123456);
  EXPECT_EQ(c, "9999efgh");  // only the first nmax characters are filled
  EXPECT_EQ(nchar, 4);
  const auto lines = console.lines();
  ASSERT_EQ(lines.size(), 15u);  // 9 head lines, 4 message lines, pause, closing
  EXPECT_EQ(lines[3], " ***        subroutine intg2char         ***");
  EXPECT_EQ(lines[9], " Cannot write integer =               123456");
  EXPECT_EQ(lines[10], " with only                     4 digits");
  EXPECT_EQ(lines[11], " ==> NEED LONGER CHARACTER STRING");
  EXPECT_EQ(lines[12], " ==> fill with 9 and set nchar =                    4");
  EXPECT_EQ(lines[13], " ===> HIT RETURN TO CONTINUE");
}

TEST(NumberText, IntegerWithNoRoomLeavesTheTextAsItWas) {
  ConsoleCapture console("\n");
  std::string c = "keep";
  int nchar = -1;
  intg2char(c, nchar, 0, 7);
  EXPECT_EQ(c, "keep");
  EXPECT_EQ(nchar, 0);
}

struct SizedCase {
  int ndec, nmax;
  float x;
  const char* text;
  int nchar;
};

TEST(NumberText, RealSizedFromItsValue) {
  const SizedCase cases[] = {
      {2, 9, 3.14159f, "3.14", 4},     {2, 9, -3.14159f, "-3.14", 5},
      {2, 9, 99.999f, "100.00", 6},    {2, 8, 123456.7f, " 123457.", 8},
      {2, 9, 0.0f, "0.00", 4},         {2, 9, -0.5f, "-0.50", 5},
      {1, 9, 9.96f, "10.0", 4},        {1, 9, 9.94f, " 9.9", 4},
      {0, 9, -250.0f, "-250.", 5},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.x);
    ConsoleCapture console;
    std::string c(12, '#');
    int nchar = 0;
    real2charf1(c, nchar, k.ndec, k.nmax, k.x);
    EXPECT_EQ(c.substr(0, static_cast<size_t>(nchar)), k.text);
    EXPECT_EQ(nchar, k.nchar);
    EXPECT_TRUE(console.lines().empty());
  }
}

TEST(NumberText, RealTooWideOrNotANumber) {
  {
    ConsoleCapture console("\n");
    std::string c(8, '#');
    int nchar = 0;
    real2charf1(c, nchar, 2, 6, 123456.7f);
    EXPECT_EQ(c, "999999##");
    EXPECT_EQ(nchar, 6);
    EXPECT_EQ(console.lines()[9], " Cannot write real =                   123456.70312");
  }
  {
    ConsoleCapture console("\n");
    std::string c(12, '#');
    int nchar = 0;
    real2charf1(c, nchar, 2, 12, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(nchar, 7);
    EXPECT_EQ(c, "    NaN     ");
    const auto lines = console.lines();
    EXPECT_EQ(lines[10], " set n before =                    4");
    EXPECT_EQ(lines[11], " set nchar =                    7");
    EXPECT_EQ(lines[12], " Watch for NaN or +/-Inf in output ?");
  }
}

TEST(NumberText, BestFormInNineColumns) {
  const std::pair<float, const char*> cases[] = {
      {123.456f, " 123.4560"}, {0.05f, " 0.050000"},   {1234567.0f, " 1234567."},
      {123456789.0f, " 0.12E+09"}, {0.000001f, " 0.10E-05"}, {0.0f, " 0.000000"},
      {-12345678.0f, "*********"},
  };
  for (auto [x, text] : cases) {
    ConsoleCapture console;
    std::string c(10, '#');
    caream(c, 9, x);
    EXPECT_EQ(c, std::string(text) + " ") << x;
  }
}

TEST(NumberText, InvalidFormatsGiveX) {
  ConsoleCapture console("\n\n\n");
  std::string c(6, '#');
  careafmpn(c, 5, 5, 1.0f);
  EXPECT_EQ(c, "X     ");
  EXPECT_EQ(console.lines()[9], " m =          5 n =          5");
  EXPECT_EQ(console.lines()[10], " fm.n is not a valid format");
  EXPECT_EQ(console.lines()[11], "  ===> fill with X");
  c = "######";
  careafmpn(c, 100, 2, 1.0f);
  EXPECT_EQ(c, "X     ");
  c = "######";
  careaempn(c, 8, 2, 1.0f);
  EXPECT_EQ(c, "X     ");
  EXPECT_EQ(console.lines().back(), " " + std::string(43, '*'));
}

TEST(NumberText, BestFormBoxWithoutPause) {
  ConsoleCapture console;
  std::string c(4, '#');
  caream(c, 2, 1.0f);
  EXPECT_EQ(c, "X   ");
  const std::vector<std::string> expected{
      " ***************************", " *** ERROR in caream     ***", " *** m = 2 need m > 2",
      " *** => fill with X      ***", " ***************************"};
  EXPECT_EQ(console.lines(), expected);
  c = "####";
  caream(c, 5, 1.0e9f);
  EXPECT_EQ(console.lines()[6], " *** ERROR in carem      ***");
  EXPECT_EQ(console.lines()[7], " *** m = 5 1+log10(x) > 10");
}

}  // namespace
