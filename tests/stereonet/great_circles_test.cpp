// Nodal planes as half great circles: known planes pass through the known
// points of their nets, in both projections and both axis orientations, and
// the points-per-circle setter with its menu.
#include "stereonet/great_circles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "net_harness.h"
#include "plotlib/curve_points.h"

namespace {

constexpr real tolerance = 2e-4f;  // net units; the log keeps 1e-4

// The half great circle of one plane (degrees), in net units.
std::vector<DrawPoint> planepath(NetWindow& w, real strike, real dip) {
  w.calls.clear();
  const std::array<real, 1> s{rad(strike)}, d{rad(dip)};
  dspgcfadn(s, d, 1);
  const auto paths = w.netpaths();
  EXPECT_EQ(paths.size(), 1u);
  return paths.empty() ? std::vector<DrawPoint>{} : paths.front();
}

}  // namespace

TEST(GreatCircles, VerticalPlaneStrikingNorthIsTheNorthSouthDiameter) {
  for (int iproj = 1; iproj <= 4; ++iproj) {
    setprojection(iproj);
    ConsoleCapture console;
    NetWindow w;
    dspgcbk.npgc = 40;
    const std::vector<DrawPoint> p = planepath(w, 0.0f, 90.0f);
    ASSERT_EQ(p.size(), 40u);
    EXPECT_LT(apart(p.front(), netpoint(iproj, 0, 0)), tolerance) << iproj;
    EXPECT_LT(apart(p.back(), netpoint(iproj, 180, 0)), tolerance) << iproj;
    const bool direct = iproj % 2 == 1;
    for (const DrawPoint& q : p) EXPECT_NEAR(direct ? q.y : q.x, 0.0f, tolerance) << iproj;
  }
}

TEST(GreatCircles, InclinedPlanePassesThroughItsStrikeEndsAndDipPoint) {
  for (int iproj : {4, 3, 2}) {
    setprojection(iproj);
    ConsoleCapture console;
    NetWindow w;
    dspgcbk.npgc = 41;  // the middle point is the steepest line
    const std::vector<DrawPoint> p = planepath(w, 30.0f, 60.0f);
    ASSERT_EQ(p.size(), 41u);
    EXPECT_LT(apart(p.front(), netpoint(iproj, 30, 0)), tolerance) << iproj;
    EXPECT_LT(apart(p[20], netpoint(iproj, 120, 60)), tolerance) << iproj;
    EXPECT_LT(apart(p.back(), netpoint(iproj, 210, 0)), tolerance) << iproj;
  }
}

TEST(GreatCircles, HorizontalPlaneIsHalfThePrimitiveCircle) {
  setprojection(4);
  ConsoleCapture console;
  NetWindow w;
  dspgcbk.npgc = 40;
  const std::vector<DrawPoint> p = planepath(w, 90.0f, 0.0f);
  ASSERT_EQ(p.size(), 40u);
  for (const DrawPoint& q : p) EXPECT_NEAR(std::hypot(q.x, q.y), 1.0f, tolerance);
  EXPECT_LT(apart(p.front(), netpoint(4, 90, 0)), tolerance);
  EXPECT_LT(apart(p.back(), netpoint(4, 270, 0)), tolerance);
  EXPECT_LT(p[20].y, -0.99f);  // through the south, where the plane "dips"
}

TEST(GreatCircles, EachPlaneIsOnePolylineAndCountsAreCorrectedInTheRecord) {
  setprojection(4);
  Answers console;
  NetWindow w;
  dspgcbk.npgc = 1500;
  const std::array<real, 2> s{0.0f, 1.0f}, d{0.5f, 1.0f};
  dspgcfadn(s, d, 2);
  EXPECT_EQ(dspgcbk.npgc, mp);
  EXPECT_EQ(countof(console.lines(), " ===> WILL NOT PLOT ALL THE DATA"), 1);
  const auto paths = w.netpaths();
  ASSERT_EQ(paths.size(), 4u);  // two planes of 1000 points, each in two pieces
  EXPECT_EQ(paths[0].size() + paths[1].size(), static_cast<std::size_t>(mp + 1));

  w.calls.clear();
  dspgcbk.npgc = 1;  // one point, at the strike, after the curve kit's warning
  const std::vector<DrawPoint> p = planepath(w, 0.0f, 45.0f);
  ASSERT_EQ(p.size(), 2u);
  EXPECT_LT(apart(p.front(), netpoint(4, 0, 0)), tolerance);
  EXPECT_EQ(countof(console.lines(), " ===> WILL PLOT ONLY ONE POINT"), 1);
}

TEST(GreatCircles, SetterModesAndMenu) {
  ConsoleCapture console("10\n60\n\n");
  int np = 0;
  sdspgc(np, 5);
  EXPECT_EQ(np, 40);
  EXPECT_EQ(dspgcbk.npgc, 40);
  np = 0;
  sdspgc(np, 1);  // stored unchecked and silently
  EXPECT_EQ(dspgcbk.npgc, 0);
  dspgcbk.npgc = 40;
  sdspgc(np, 2);  // offers the stored count; the answer is stored
  EXPECT_EQ(np, 60);
  EXPECT_EQ(dspgcbk.npgc, 60);
  const std::vector<std::string> lines = console.lines();
  const std::string rule = " " + std::string(43, '-');
  EXPECT_EQ(countof(lines, " INITIALIZING GREAT CIRCLE PARAMETERS"), 1);
  EXPECT_EQ(countof(lines, " nb of points to draw ..........10 40"), 1);
  EXPECT_EQ(countof(lines, " nb of points to draw ..........10 60"), 1);
  EXPECT_EQ(countof(lines, " EXIT ..........................99"), 2);
  // The menu ends with the rule, not with the box tail.
  const auto exitline = std::find(lines.begin(), lines.end(), " EXIT ..........................99");
  ASSERT_NE(exitline, lines.end());
  EXPECT_EQ(*(exitline + 1), rule);
}
