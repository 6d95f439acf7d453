// Curve families: the level loop that sclevel2 makes consistent, the fixed
// parameters and their agreeing values, and the curve parameters menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "plotlib/curve_parameters.h"
#include "plotlib/curve_points.h"

namespace {

using Lines = std::vector<std::string>;

TEST(CurveParameters, LevelLoopByType) {
  struct Case {
    const char* what;
    real levi, levf, levd;
    int nlev, itype;
    int nlevout, itypeout;
    real levdout;
    const char* message;  // a line printed, or nullptr for a silent run
  };
  constexpr int big = std::numeric_limits<int>::max();
  const Case cases[] = {
      {"increment from 11 levels", 0, 1, 7, 11, 1, 11, 1, 0.1f, nullptr},
      {"one level", 0, 1, 7, 1, 1, 1, 1, 1.0f, nullptr},
      {"no level", 0, 1, 7, 0, 0, 1, 0, 1.0f, " ==> RESET nb =    1"},
      {"0.3 refitted", 0, 1, 0.3f, 9, 2, 4, 2, 1 / 3.0f, " ==> RECOMPUTED:"},
      {"0.3 kept", 0, 1, 0.3f, 9, 3, 4, 3, 0.3f, " ==> final level not reached"},
      {"0.2 closes within 0.002", 0, 1, 0.2f, 9, 2, 6, 2, 0.2f, nullptr},
      {"wrong sign", 1, 0, 0.1f, 9, 2, 1, 1, 1.0f, " ==> SETTING SINGLE LEVEL"},
      {"zero increment", 0, 1, 0, 9, 3, 1, 1, 1.0f, " ==> INCONSISTENT LOOP"},
      {"single level of 5", 0, 1, 0.5f, 5, 4, 1, 4, 0.5f, " ==> RESETTING:"},
      {"unknown type as type 2", 0, 1, 0.1f, 9, 7, 11, 2, 0.1f, " ==> Unknown"},
      {"bounds equal", 2, 2, 0.1f, 9, 2, 1, 2, 0.1f, nullptr},
      // A count beyond the int range saturates instead of wrapping.
      {"tiny increment", 0, 1.0e20f, 1, 9, 3, big, 3, 1, " ==> final level not reached"},
  };
  for (const Case& c : cases) {
    Answers console;
    real levi = c.levi, levf = c.levf, levd = c.levd;
    int nlev = c.nlev, itype = c.itype;
    std::string name = "depth";
    sclevel2(levi, levf, levd, nlev, itype, name, 1);
    EXPECT_EQ(nlev, c.nlevout) << c.what;
    EXPECT_EQ(itype, c.itypeout) << c.what;
    EXPECT_FLOAT_EQ(levd, c.levdout) << c.what;
    EXPECT_EQ(plevblock.nlev, c.nlevout) << c.what;
    EXPECT_EQ(plevblock.levd, levd) << c.what;
    const Lines lines = console.lines();
    if (c.message)
      EXPECT_TRUE(contains(lines, c.message)) << c.what;
    else
      EXPECT_TRUE(lines.empty()) << c.what << ": " << lines.front();
  }
}

TEST(CurveParameters, SingleLevelFromTheMenu) {
  ConsoleCapture console("20\n2.5\n99\n");
  real levi = 0, levf = 1, levd = 0.1f;
  int nlev = 11, itype = 1;
  std::string name = "depth";
  sclevel2(levi, levf, levd, nlev, itype, name, 0);
  EXPECT_EQ(levf, 2.5f);
  EXPECT_EQ(nlev, 1);
  EXPECT_EQ(levd, 1.0f);
  EXPECT_EQ(itype, 4);
  EXPECT_EQ(plevblock.levrange, ed::pad(" init = 2.500 final = 2.500 inc = 1.000", 51));
  EXPECT_EQ(plevblock.levlabel, ed::pad("depth init = 2.500 final = 2.500 inc = 1.000", 56));
  EXPECT_TRUE(contains(console.lines(), " single level value ............20    0.000"));
}

TEST(CurveParameters, FixedParameterValuesFollowTheirType) {
  {
    ConsoleCapture console;
    int n = 2;
    scparfixnb(n, 1);
  }
  struct Case {
    int type;
    real rvalue;
    int ivalue;
    const char* cvalue;
    real rout;
    int iout;
    const char* value;  // the stored value text
    const char* info;   // the stored information text
  };
  const Case cases[] = {
      {1, 9.81f, 0, "", 9.81f, 9, "9.810000", "gravity = 9.81000"},
      {1, -9.81f, 0, "", -9.81f, -9, "-9.810000", "gravity = -9.8100"},
      {1, 3.0e9f, 0, "", 3.0e9f, std::numeric_limits<int>::max(), "0.30E+10", "gravity = 0.30E+1"},
      {2, 5.5f, 42, "", 42.0f, 42, "42", "gravity = 42"},
      {3, 5.5f, 42, "Moho", 0, 0, "Moho", "gravity = Moho"},
      {0, 5.5f, 42, "Moho", 0, 0, "---", "gravity"},
  };
  for (const Case& c : cases) {
    ConsoleCapture console;
    std::string name = "gravity", cvalue = ed::pad(c.cvalue, 35);
    int type = c.type, ivalue = c.ivalue, slot = 2;
    real rvalue = c.rvalue;
    scparfix1(name, type, rvalue, ivalue, cvalue, slot, 1);
    EXPECT_EQ(rvalue, c.rout) << c.info;
    EXPECT_EQ(ivalue, c.iout) << c.info;
    EXPECT_EQ(pfixblock.pfixname[1], "gravi");
    EXPECT_EQ(ed::trim(pfixblock.pfixvalue[1]), c.value);
    EXPECT_EQ(pfixblock.pfixinfo[1], ed::pad(c.info, 17));
  }
}

TEST(CurveParameters, CountsOutOfRangeAreReset) {
  // Answers: go on after the count check, and two pauses.
  ConsoleCapture console("n\n\n\n");
  int n = 6;
  scparfixnb(n, 1);
  EXPECT_EQ(pfixblock.nparfix, 4);
  EXPECT_TRUE(contains(console.lines(), "   ===> reset nparfixa =      4"));
  scparfixnb(n, 5);
  EXPECT_EQ(pfixblock.nparfix, 0);
  // No parameter declared: nothing is stored.
  std::string name = "x", cvalue(35, ' ');
  int type = 1, ivalue = 0, slot = 1;
  real rvalue = 1;
  pfixblock.pfixname[0] = "kept ";
  scparfix1(name, type, rvalue, ivalue, cvalue, slot, 1);
  EXPECT_EQ(pfixblock.pfixname[0], "kept ");
  EXPECT_TRUE(contains(console.lines(), " =====> NO ACTION"));
}

TEST(CurveParameters, InitialisedAndEditedThroughTheMenu) {
  {
    ConsoleCapture console;
    scall(5);
    EXPECT_EQ(pfixblock.nparfix, 0);
    EXPECT_EQ(pfixblock.pfixname[3], "param");
    EXPECT_EQ(pfixblock.ipfixtype[3], 1);
    EXPECT_EQ(plevblock.nlev, 11);
    EXPECT_EQ(plevblock.levnam, "level");
    EXPECT_EQ(ptblock.np, 11);
    EXPECT_EQ(ptblock.ptnam, "Point");
  }
  // Two parameters declared (100, 10, 2); code 3 is no entry; the second
  // parameter becomes the integer 7 (2, 20, 2, 40, 7).
  ConsoleCapture console("100\n10\n2\n99\n3\n2\n20\n2\n40\n7\n99\n99\n");
  scall(0);
  EXPECT_EQ(pfixblock.nparfix, 2);
  EXPECT_EQ(pfixblock.ipfixtype[1], 2);
  EXPECT_EQ(pfixblock.ipfix[1], 7);
  EXPECT_EQ(pfixblock.pfixinfo[1], ed::pad("param = 7", 17));
  const Lines lines = console.lines();
  EXPECT_TRUE(contains(lines, " name       value     type   index"));
  EXPECT_TRUE(contains(lines, "      param  0.000000  1 ....... 1"));
  EXPECT_TRUE(contains(lines, "      param 7          2 ....... 2"));
}

}  // namespace
