// The running point of the curve kit: how scptend makes the number of
// points and the increment agree, the limits of the number of points, the
// captions, and the guarded point buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "plotlib/curve_points.h"

namespace {

using Lines = std::vector<std::string>;

// Sets the running point as a curve-drawing routine does, silently.
void setpoint(real pti, real ptf, real ptd, int np) {
  Answers quiet;
  scptif(pti, ptf, 1);
  scptd(ptd, 1);
  scptnp(np, 1);
}

TEST(CurvePoints, EndOfSamplingByType) {
  struct Case {
    const char* what;
    real pti, ptf, ptd;
    int np, itype;
    int npout;
    real ptdout;
    const char* message;  // a line printed, or nullptr for a silent run
  };
  const real huge = 1.0e30f;
  const Case cases[] = {
      {"increment from 11 points", 0, 1, 7, 11, 1, 11, 0.1f, nullptr},
      {"type 0 as type 1", 0, 1, 7, 11, 0, 11, 0.1f, nullptr},
      {"one point has no increment", 0, 1, 7, 1, 1, 1, 0, nullptr},
      {"0.3 refitted to the bounds", 0, 1, 0.3f, 11, 2, 4, 1 / 3.0f, " RECOMPUTED VALUE:"},
      {"0.3 kept", 0, 1, 0.3f, 11, 3, 4, 0.3f, " ==> final point is not reached"},
      {"0.1 closes within 0.002", 0, 1, 0.1f, 3, 2, 11, 0.1f, nullptr},
      {"downwards", 1, 0, -0.25f, 3, 2, 5, -0.25f, nullptr},
      {"bounds equal", 0.5f, 0.5f, 0.1f, 3, 3, 1, 0.1f, " ===> WILL PLOT ONLY ONE POINT"},
      {"unknown type as type 1", 0, 1, 7, 11, 7, 11, 0.1f, " ==> Unknown"},
      {"captions kept, type 1", 0, 1, 7, 11, 101, 11, 0.1f, nullptr},
      // A quotient beyond the int range saturates, then the count is
      // limited to the buffer and the increment fitted to 999 steps.
      {"tiny increment", 0, huge, 1.0e-10f, 3, 2, 1000, huge / 999, " ===> WILL NOT PLOT ALL THE DATA"},
  };
  for (const Case& c : cases) {
    setpoint(c.pti, c.ptf, c.ptd, c.np);
    ptblock.ptrange = std::string(51, ' ');
    Answers console;
    scptend(c.itype, 1);
    EXPECT_EQ(ptblock.np, c.npout) << c.what;
    EXPECT_FLOAT_EQ(ptblock.ptd, c.ptdout) << c.what;
    EXPECT_EQ(ptblock.rnp, static_cast<real>(c.npout)) << c.what;
    EXPECT_EQ(ptblock.rnseg, static_cast<real>(c.npout - 1)) << c.what;
    EXPECT_EQ(ptblock.ptrange.size(), 51u) << c.what;
    EXPECT_EQ(ptblock.ptrange == std::string(51, ' '), c.itype >= 100) << c.what;
    const Lines lines = console.lines();
    if (c.message)
      EXPECT_TRUE(contains(lines, c.message)) << c.what;
    else
      EXPECT_TRUE(lines.empty()) << c.what << ": " << lines.front();
  }
}

TEST(CurvePoints, InconsistentIncrementIsMendedThroughTheMenu) {
  setpoint(1, 0, 0.25f, 3);
  // The curve parameters menu: 320 edits the increment (10, -0.25), then
  // both menus are left.
  Answers console("320\n10\n-0.25\n99\n99\n");
  scptend(2, 1);
  EXPECT_EQ(ptblock.np, 5);
  EXPECT_EQ(ptblock.ptd, -0.25f);
  EXPECT_EQ(missing(console.lines(), {" ==> INCONSISTENT LOOP", "   ptd =    0.250",
                                      "            CURVES PARAMETERS"}), Lines{});
}

TEST(CurvePoints, CaptionsAndName) {
  setpoint(0, 1, 7, 11);
  ConsoleCapture console;
  std::string name = "Azimuth";
  scptnam(name, 1);
  EXPECT_EQ(ptblock.ptnam, "Azimu");
  scptend(1, 1);
  EXPECT_EQ(ptblock.ptrange, " init =  0.000000 final =  1.000000 inc =  0.100000");
  EXPECT_EQ(ptblock.ptlabel, ed::pad("Azimu" + ptblock.ptrange, 56));
  name = std::string(20, 'x');
  scptnam(name, 5);
  EXPECT_EQ(name, ed::pad("Point.parameter", 20));
  EXPECT_EQ(ptblock.ptnam, "Point");
}

TEST(CurvePoints, NumberOfPointsIsKeptWithinTheBuffer) {
  struct Case {
    int np, mode, npout;
    const char* message;
  };
  const Case cases[] = {
      {1500, 1, 1000, " ===> reset nb of points =    1000"},
      {0, 1, 1, " ===> UPSTREAM PROBLEM ?"},
      {1, 1, 1, " ===> WILL PLOT ONLY ONE POINT"},
      {1, 7, 1, nullptr},
      {11, 5, 11, " INITIALIZING NUMBER OF POINTS TO:      11"},
  };
  for (const Case& c : cases) {
    Answers console;
    int np = c.np;
    scptnp(np, c.mode);
    EXPECT_EQ(np, c.npout);
    EXPECT_EQ(ptblock.np, c.npout);
    const Lines lines = console.lines();
    if (c.message)
      EXPECT_TRUE(contains(lines, c.message)) << c.np;
    else
      EXPECT_TRUE(lines.empty()) << c.np;
  }
}

TEST(CurvePoints, MenuOfTheNumberOfPoints) {
  ConsoleCapture console("10\n250\n99\n");
  int np = 11;
  scptnp(np, 0);
  EXPECT_EQ(ptblock.np, 250);
  EXPECT_EQ(missing(console.lines(), {" RUNNING POINT PARAMETERS:                  ",
                                      " nb of points ..................10      11",
                                      " nb of segments ..................     249",
                                      " Enter your choice                        "}), Lines{});
}

TEST(CurvePoints, BufferWritesStayInsideTheBuffer) {
  cc2dbuff.xp.fill(0.0f);
  bufferpoint(cc2dbuff.xp, 1) = 1.0f;
  bufferpoint(cc2dbuff.xp, mp) = 2.0f;
  EXPECT_EQ(cc2dbuff.xp.front(), 1.0f);
  EXPECT_EQ(cc2dbuff.xp.back(), 2.0f);
  // Past the end: reported; the user goes on, and nothing is overwritten.
  ConsoleCapture console("n\n\n");
  bufferpoint(cc2dbuff.xp, mp + 1) = 3.0f;
  EXPECT_TRUE(contains(console.lines(), " ipt = 1001"));
  EXPECT_EQ(std::count(cc2dbuff.xp.begin(), cc2dbuff.xp.end(), 3.0f), 0);
}

TEST(CurvePoints, CountsFromQuotientsSaturate) {
  constexpr int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
  EXPECT_EQ(intpart(2.9f), 2);
  EXPECT_EQ(intpart(-2.9f), -2);
  EXPECT_EQ(intpart(NAN), 0);
  EXPECT_EQ(intpart(1e10f), big);
  EXPECT_EQ(intpart(-INFINITY), small);
  EXPECT_EQ(stepcount(10.002f), 11);
  EXPECT_EQ(stepcount(INFINITY), big);
}

}  // namespace
