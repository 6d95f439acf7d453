// The line-file menu: its initialisation, the longitude window it shows,
// its codes, the zones of the box test and the clipping walk, measured
// from the drawing calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "overlay_harness.h"

namespace {

const std::string boxtop = "   _|_________________|_ latmax =    60.000";
const std::string menuhead = " @ subroutine contours1  ";

TEST_F(LineOverlays, InitialisingSetsTheDefaultsAndShowsNoMenu) {
  ConsoleCapture console;
  real none = 0;
  contours1(none, none, none, none, 4);
  EXPECT_EQ(console.lines(), (std::vector<std::string>{" " + std::string(43, '@'), menuhead,
                                                       " @" + std::string(42, '='),
                                                       " INITIALIZING MAP CONTOURS"}));
  const MenuRun r = run("99\n");
  EXPECT_TRUE(r.shows(" Clipping on ................10 T"));
  EXPECT_TRUE(r.shows(" Nb of points for 1 deg .....11    10.000"));
}

TEST_F(LineOverlays, MenuShowsTheBoxAndItsLongitudeWindow) {
  const MenuRun r = run("99\n", {-10, 20, 30, 60});
  const std::vector<std::string> expected{
      " -------------------------------------------",
      "  MAPPING CONTOURS",
      " -------------------------------------------",
      " Clipping on ................10 T",
      boxtop,
      "    |                 |",
      "    |                 |",
      "   _|_________________|_ latmin =    30.000",
      "    |                 |",
      " longmin           longmax",
      "   -10.000          20.000",
      "   -10.000          20.000",
      " Longitude origin =   -13.000",
      " Nb of points for 1 deg .....11    10.000",
      " ------------------------------",
      " TYPE OF LINE FILE:",
      "  UTIG coast file.............1",
      "  IGN  coast file.............2",
      "  GEBCO file..................3",
      "  USGS ascii dump file .......4",
      "  Korvel gshhs ascii file ....5",
      "  Selection polygon file .....6",
      " -------------------------------------------",
      " EXIT .......................99",
      " " + std::string(43, '@')};
  const auto head = std::find(r.lines.begin(), r.lines.end(), menuhead);
  ASSERT_GE(r.lines.end() - head, 2 + static_cast<long>(expected.size()));
  EXPECT_EQ(std::vector<std::string>(head + 2, head + 2 + static_cast<long>(expected.size())), expected);
}

TEST_F(LineOverlays, LongitudeWindowAcrossTheDateLineAndAroundTheGlobe) {
  const MenuRun dateline = run("99\n", {170, -170, 0, 20});
  EXPECT_TRUE(dateline.shows("   170.000        -170.000"));
  EXPECT_TRUE(dateline.shows("   170.000         190.000"));
  EXPECT_TRUE(dateline.shows(" Longitude origin =   167.000"));

  const MenuRun globe = run("99\n", {0, 360, -90, 90});
  EXPECT_EQ(globe.count("     0.000         360.000"), 2);
  EXPECT_TRUE(globe.shows(" Longitude origin =     0.000"));
  EXPECT_FALSE(globe.shows(" INCONSISTENT BOUNDS"));

  const MenuRun flat = run("99\n", {30, 30, 0, 20});
  EXPECT_TRUE(flat.shows(" INCONSISTENT BOUNDS"));
  EXPECT_TRUE(flat.shows(" longitude min =    30.000"));
  EXPECT_TRUE(flat.shows(" longitude max =    30.000"));
  EXPECT_TRUE(flat.shows(" Longitude origin =    27.000"));
}

TEST_F(LineOverlays, MenuCodesClippingSwitchPointsPerDegreeAndOthers) {
  // 10 off hides the box; 7 shows the menu again silently; 100 is refused
  // by the prompt; 11 sets the points per degree; 10 on shows the box.
  const MenuRun r = run("10\nn\n7\n100\n11\n2.5\n10\ny\n99\n");
  EXPECT_EQ(r.count(menuhead), 5);
  EXPECT_TRUE(r.shows(" Clipping on ................10 F"));
  EXPECT_EQ(r.count(boxtop), 2);  // first and last menus only
  EXPECT_TRUE(r.shows(" Nb of points for 1 deg .....11     2.500"));
  // The settings stay for the next call.
  const MenuRun again = run("99\n");
  EXPECT_TRUE(again.shows(" Nb of points for 1 deg .....11     2.500"));
  EXPECT_TRUE(again.shows(" Clipping on ................10 T"));
}

TEST_F(LineOverlays, MenuBodyOnlyAtOutputLevelTwo) {
  ConsoleCapture console("99\n");
  iocom.lwito[1] = false;
  real a = 0, b = 30, c = 30, d = 60;
  contours1(a, b, c, d, 1);
  for (const std::string& line : console.lines()) EXPECT_EQ(line.find("MAPPING CONTOURS"), line.npos);
}

TEST(Locate2dBox, ZonesClockwiseFromTopLeftEdgesInside) {
  const std::vector<real> x{0, 10, 5, -1, 5, 11, 11, 11, 5, -1, -1};
  const std::vector<real> y{0, 20, 10, 21, 21, 21, 10, -1, -1, -1, 10};
  const std::vector<int> zones{0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  std::vector<int> loc(x.size(), 99);
  ConsoleCapture console;
  locate2dbox(loc, 0, 10, 0, 20, x, y, static_cast<int>(x.size()));
  EXPECT_EQ(loc, zones);
  EXPECT_TRUE(console.lines().empty());
}

TEST(Locate2dBox, UncomparableCoordinatesAreWarnedOf) {
  const real nan = std::numeric_limits<real>::quiet_NaN();
  const std::vector<real> x{nan, 5};
  const std::vector<real> y{5, nan};
  std::vector<int> loc(2, 99);
  Answers console;
  locate2dbox(loc, 1, 10, 0, 20, x, y, 2);
  EXPECT_EQ(loc, (std::vector<int>{-1, -2}));
  const std::vector<std::string> lines = console.lines();
  EXPECT_EQ(countof(lines, " X RANGE TEST FAILED FOR:"), 1);
  EXPECT_EQ(countof(lines, " Xmin =   1.0000    "), 1);
  EXPECT_EQ(countof(lines, " => SET LOCATION =  -1"), 1);
  EXPECT_EQ(countof(lines, " Y RANGE TEST FAILED FOR:"), 1);
  EXPECT_EQ(countof(lines, " Ymax =   20.000    "), 1);
  EXPECT_EQ(countof(lines, " => SET LOCATION =  -2"), 1);
  // Nothing is done for n < 1.
  locate2dbox(loc, 0, 10, 0, 20, x, y, 0);
  EXPECT_EQ(loc, (std::vector<int>{-1, -2}));
}

// IGN records of one line: (5, 40) in, (50, 40) out, (50, 45) out,
// (10, 45) in, in the box 0..30 x 30..60.
TEST_F(LineOverlays, ClippingWalkDrawsSegmentsWithAnEndInTheBox) {
  const MenuRun r = drawn(2, datafile("ign.txt"));
  ASSERT_GE(r.paths.size(), 2u);
  expectpath(r.paths[0], {{5, 40}, {50, 40}}, "in to out");
  expectpath(r.paths[1], {{50, 45}, {10, 45}}, "out to in after out to out");
}

TEST_F(LineOverlays, WithoutClippingTheLineIsDrawnWhole) {
  const MenuRun r = run("10\nn\n2\n" + datafile("ign.txt") + "\n99\n");
  ASSERT_GE(r.paths.size(), 1u);
  expectpath(r.paths[0], {{5, 40}, {50, 40}, {50, 45}, {10, 45}}, "unclipped");
}

TEST_F(LineOverlays, FileEndingsCloseTheFileAndShowTheMenuAgain) {
  const MenuRun r = drawn(3, datafile("gebco.txt"));
  const std::string name = datafile("gebco.txt").substr(0, 30);
  EXPECT_TRUE(r.shows(" input file " + name + " closed"));
  EXPECT_EQ(r.count(menuhead), 2);  // the menu before and after the file

  ScratchDirectory scratch;
  writefile("bad", "7 3\n40 10\n41 x\n8 1\n50 20\n");
  const MenuRun bad = drawn(3, "bad");
  const std::string shown = "bad" + std::string(27, ' ');
  EXPECT_TRUE(bad.shows(" WHILE READING FILE " + shown));
  EXPECT_TRUE(bad.shows(" input file " + shown + " closed"));
  EXPECT_FALSE(bad.shows(" total nb of plotted curves =       1"));
  ASSERT_EQ(bad.paths.size(), 1u);  // what was drawn before stays
  EXPECT_EQ(bad.paths[0].size(), 1u);
}

TEST_F(LineOverlays, MissingFileIsAskedForAgain) {
  ScratchDirectory scratch;
  writefile("present", "7 1\n40 10\n");
  const MenuRun r = run("3\nabsent\npresent\n99\n");
  EXPECT_TRUE(r.shows(" COULD NOT OPEN FILE absent" + std::string(24, ' ')));
  EXPECT_TRUE(r.shows(" total nb of plotted curves =       1"));
}

}  // namespace
