#include "plotlib/circles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "plot_harness.h"
#include "plotlib/curve_points.h"

namespace {

// The window maps one user unit to one pixel; the log keeps 0.01 pixel.
constexpr real tolerance = 0.006f;
constexpr real xc = 200.0f, yc = 300.0f, r = 100.0f;

class Circles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

// The one path drawn, which must exist.
std::vector<DrawPoint> onepath(const RecordedWindow& w) {
  const auto paths = w.paths();
  EXPECT_EQ(paths.size(), 1u);
  return paths.empty() ? std::vector<DrawPoint>{} : paths.front();
}

void expectat(const DrawPoint& p, real angle) {
  EXPECT_NEAR(p.x, xc + r * std::cos(angle), tolerance) << angle;
  EXPECT_NEAR(p.y, yc + r * std::sin(angle), tolerance) << angle;
}

}  // namespace

TEST_F(Circles, CountIncludesBothEndsOfTheTurn) {
  ConsoleCapture console;
  RecordedWindow w;
  const std::size_t before = console.lines().size();
  uscircle(xc, yc, r, 4);  // a closed triangle: 0, 2pi/3, 4pi/3, 2pi
  const std::vector<DrawPoint> p = onepath(w);
  ASSERT_EQ(p.size(), 4u);
  for (std::size_t k = 0; k < 4; ++k)
    expectat(p[k], anglerad.twopi * static_cast<real>(k) / 3.0f);
  EXPECT_NEAR(p[3].x, p[0].x, tolerance);
  EXPECT_NEAR(p[3].y, p[0].y, tolerance);
  EXPECT_EQ(ptblock.ipt, 5);  // one past the count
  EXPECT_EQ(console.lines().size(), before);  // silently
}

TEST_F(Circles, SinglePrecisionCountsLoseAPointSometimes) {
  ConsoleCapture console;
  RecordedWindow w;
  for (const auto& [np, count] : std::vector<std::pair<int, std::size_t>>{{23, 22}, {200, 200}}) {
    w.calls.clear();
    uscircle(xc, yc, r, np);
    EXPECT_EQ(onepath(w).size(), count) << np;
  }
}

TEST_F(Circles, ArcsRunFromTheFirstAngleToTheSecond) {
  ConsoleCapture console;
  RecordedWindow w;
  usacircle(xc, yc, r, 0.0f, anglerad.pi, 100);  // half of 100 points
  std::vector<DrawPoint> p = onepath(w);
  ASSERT_EQ(p.size(), 50u);
  expectat(p.front(), 0.0f);
  expectat(p[1], anglerad.pi / 49.0f);
  expectat(p.back(), anglerad.pi);

  // Backwards: clockwise, with the count of the same arc forwards.
  w.calls.clear();
  usacircle(xc, yc, r, anglerad.pio2, 0.0f, 100);
  p = onepath(w);
  ASSERT_EQ(p.size(), 25u);
  expectat(p.front(), anglerad.pio2);
  expectat(p[1], anglerad.pio2 - anglerad.pio2 / 24.0f);
  expectat(p.back(), 0.0f);
}

TEST_F(Circles, CountsOutsideTheBufferAreLimitedWithABanner) {
  Answers console;
  RecordedWindow w;
  uscircle(xc, yc, r, 5000);  // 1000 points, in two pieces sharing one
  const auto pieces = w.paths();
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].size() + pieces[1].size(), static_cast<std::size_t>(mp + 1));
  expectat(pieces[1].back(), anglerad.twopi);
  EXPECT_EQ(countof(console.lines(), " ===> WILL NOT PLOT ALL THE DATA"), 1);

  // An arc too short for one point of the turn is drawn as one point,
  // after the curve kit's error, without asking anything.
  w.calls.clear();
  usacircle(xc, yc, r, 0.0f, 0.1f, 10);
  const std::vector<DrawPoint> p = onepath(w);
  ASSERT_EQ(p.size(), 2u);  // a dot: one point drawn as a segment of zero length
  expectat(p[0], 0.0f);
  EXPECT_EQ(countof(console.lines(), " ===> UPSTREAM PROBLEM ?"), 1);
}
