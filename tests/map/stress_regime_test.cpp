// The stress regime and the SHmax azimuth: against an independent double
// precision construction over a grid of mechanisms, on faults whose stress
// directions are textbook knowledge, and on hand-made axes at the ties,
// bounds and reductions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "map/stress_regime.h"
#include "stereonet/principal_axes.h"

namespace {

class StressRegime : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

using Vec = std::array<double, 3>;  // north, east, down

struct Result {
  real azshmax;
  int isv;
};

// siap2sv on one datum given in degrees.
Result regime(const std::array<real, 3>& az, const std::array<real, 3>& pl, real threshold = 0) {
  std::array<real, 1> azshmax{-99.0f};
  std::array<int, 1> isv{-99};
  std::array<real, 3> a, p;
  for (std::size_t i = 0; i < 3; ++i) a[i] = rad(az[i]), p[i] = rad(pl[i]);
  siap2sv(azshmax, isv, {&a[0], 1}, {&p[0], 1}, {&a[1], 1}, {&p[1], 1}, {&a[2], 1}, {&p[2], 1},
          rad(threshold), 1);
  return {azshmax[0], isv[0]};
}

// The map's chain for one nodal plane (degrees): principal axes, then the
// regime with a threshold of 0.
Result ofplane(double strike, double dip, double rake) {
  std::array<real, 3> az, pl;
  fsadr2steff(az, pl, rad(static_cast<real>(strike)), rad(static_cast<real>(dip)),
              rad(static_cast<real>(rake)), 0);
  std::array<real, 1> azshmax{};
  std::array<int, 1> isv{};
  siap2sv(azshmax, isv, {&az[0], 1}, {&pl[0], 1}, {&az[1], 1}, {&pl[1], 1}, {&az[2], 1},
          {&pl[2], 1}, 0, 1);
  return {azshmax[0], isv[0]};
}

// Difference of two axial directions (radians), in [0, pi/2].
double axialdifference(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), M_PI);
  return std::min(d, M_PI - d);
}

// S1, S2, S3 of a plane from the textbook fault frame (strike, dip, rake in
// radians): the normal n out of the footwall and the slip d of the hanging
// wall give S1 along n - d, S3 along n + d and S2 across both.
std::array<Vec, 3> stressaxes(double strike, double dip, double rake) {
  const double ss = std::sin(strike), cs = std::cos(strike);
  const double sd = std::sin(dip), cd = std::cos(dip);
  const double sr = std::sin(rake), cr = std::cos(rake);
  const Vec n{-sd * ss, sd * cs, -cd};
  const Vec d{cr * cs + cd * sr * ss, cr * ss - cd * sr * cs, -sr * sd};
  Vec s1, s2, s3;
  for (int i = 0; i < 3; ++i) s1[i] = (n[i] - d[i]) / std::sqrt(2.0), s3[i] = (n[i] + d[i]) / std::sqrt(2.0);
  for (int i = 0; i < 3; ++i) s2[i] = n[(i + 1) % 3] * d[(i + 2) % 3] - n[(i + 2) % 3] * d[(i + 1) % 3];
  return {s1, s2, s3};
}

TEST_F(StressRegime, AgreesWithTheFaultFrameOverAGridOfMechanisms) {
  // Steepness of an axis: the angle of its line with the horizontal.
  auto steepness = [](const Vec& v) { return std::asin(std::min(1.0, std::fabs(v[2]))); };
  // Azimuth of the horizontal projection of an axis.
  auto along = [](const Vec& v) { return std::atan2(v[1], v[0]); };
  int checked = 0, regimes[4] = {};
  for (int s = -172; s <= 360; s += 23)
    for (int d = 3; d <= 90; d += 11)
      for (int r = -179; r <= 180; r += 13) {
        const auto axes = stressaxes(s * M_PI / 180, d * M_PI / 180, r * M_PI / 180);
        std::array<double, 3> a;
        for (int i = 0; i < 3; ++i) a[i] = steepness(axes[i]);
        int steep = 0, flat = 0;
        for (int i = 1; i < 3; ++i) {
          if (a[i] > a[steep]) steep = i;
          if (a[i] < a[flat]) flat = i;
        }
        // Skip near ties, where single precision may fairly choose the
        // other axis.
        bool clear = true;
        for (int i = 0; i < 3; ++i) {
          if (i != steep && a[steep] - a[i] < 1e-3) clear = false;
          if (i != flat && a[i] - a[flat] < 1e-3) clear = false;
        }
        if (!clear) continue;
        // SHmax along S1 when it is the flattest axis; along S2 when S2 is
        // the flattest and S1 the steepest; otherwise across the flattest.
        double expected = along(axes[flat]);
        if (flat != 0 && !(flat == 1 && steep == 0)) expected += M_PI / 2;

        const Result got = ofplane(s, d, r);
        const std::string what = std::to_string(s) + "/" + std::to_string(d) + "/" + std::to_string(r);
        EXPECT_EQ(got.isv, steep + 1) << what;
        EXPECT_GE(got.azshmax, 0.0f) << what;
        EXPECT_LT(got.azshmax, anglerad.twopi) << what;
        EXPECT_LT(axialdifference(got.azshmax, expected), 2e-4) << what;
        ++checked;
        ++regimes[steep + 1];
      }
  EXPECT_GT(checked, 4000);
  EXPECT_GT(regimes[1], 500);  // every regime is well represented
  EXPECT_GT(regimes[2], 500);
  EXPECT_GT(regimes[3], 500);
}

TEST_F(StressRegime, AndersonianFaultsGiveTheTextbookDirections) {
  for (int strike = 0; strike < 360; strike += 15) {
    const double st = strike * M_PI / 180;
    const std::string what = "strike " + std::to_string(strike);
    // Thrust: S3 vertical, SHmax across the strike.
    Result r = ofplane(strike, 30, 90);
    EXPECT_EQ(r.isv, 3) << what;
    EXPECT_LT(axialdifference(r.azshmax, st + M_PI / 2), 1e-5) << what;
    // Normal fault: S1 vertical, SHmax along the strike.
    r = ofplane(strike, 60, -90);
    EXPECT_EQ(r.isv, 1) << what;
    EXPECT_LT(axialdifference(r.azshmax, st), 1e-5) << what;
    // Vertical strike-slip: S2 vertical, SHmax 45 degrees off the strike,
    // anticlockwise for a left-lateral fault, clockwise for a right-lateral
    // one.
    r = ofplane(strike, 90, 0);
    EXPECT_EQ(r.isv, 2) << what;
    EXPECT_LT(axialdifference(r.azshmax, st - M_PI / 4), 1e-5) << what;
    r = ofplane(strike, 90, 180);
    EXPECT_EQ(r.isv, 2) << what;
    EXPECT_LT(axialdifference(r.azshmax, st + M_PI / 4), 1e-5) << what;
  }
}

TEST_F(StressRegime, TiesKeepTheLowerIndex) {
  ConsoleCapture console;
  const std::array<real, 3> az{10, 40, 70};
  struct Case {
    const char* what;
    std::array<real, 3> pl;
    int isv;
    real shmax;  // degrees
  };
  const Case cases[] = {
      {"S1 vertical, S2 and S3 flat", {90, 0, 0}, 1, 40},
      {"S3 vertical, S2 flatter than S1", {10, 5, 80}, 3, 130},
      {"S2 vertical, S1 the flattest", {5, 80, 10}, 2, 10},
      {"S2 vertical, S3 flatter than S1", {10, 80, 5}, 2, 160},
      {"S1 vertical, S3 the flattest", {80, 10, 5}, 1, 160},
      {"three equal plunges", {30, 30, 30}, 1, 10},
      {"three horizontal axes", {0, 0, 0}, 0, 10},
      {"plunges count by their size", {-80, 10, -5}, 1, 160},
  };
  for (const Case& c : cases) {
    const Result r = regime(az, c.pl);
    EXPECT_EQ(r.isv, c.isv) << c.what;
    EXPECT_NEAR(r.azshmax, rad(c.shmax), 1e-5) << c.what;
  }
  // A plunge of -0.3 rad is the plunge 0.3 rad.
  std::array<real, 1> azshmax{}, a1{0.1f}, p1{0.2f}, a2{0.4f}, p2{-0.3f}, a3{0.7f}, p3{1.0f};
  std::array<int, 1> isv{};
  siap2sv(azshmax, isv, a1, p1, a2, p2, a3, p3, 0, 1);
  EXPECT_EQ(isv[0], 3);
  EXPECT_FLOAT_EQ(azshmax[0], 0.1f);
  EXPECT_TRUE(console.lines().empty());
}

TEST_F(StressRegime, ThresholdOnTheSteepestPlunge) {
  const std::array<real, 3> az{0, 0, 0}, pl{20, 50, 30};
  EXPECT_EQ(regime(az, pl, 0).isv, 2);
  EXPECT_EQ(regime(az, pl, 50).isv, 2);  // equal: not below
  EXPECT_EQ(regime(az, pl, 50.01f).isv, -2);
  EXPECT_EQ(regime(az, pl, 90).isv, -2);
  EXPECT_EQ(regime(az, pl, -10).isv, 2);
  EXPECT_EQ(regime(az, {0, 0, 0}, 10).isv, 0);  // no steepest axis to flag
}

TEST_F(StressRegime, AzimuthsComeBackWithinOneTurn) {
  // S3 flattest: its azimuth plus 90 degrees.
  EXPECT_NEAR(regime({0, 0, 350}, {80, 30, 5}).azshmax, rad(80), 1e-5);
  EXPECT_NEAR(regime({-30, 0, 0}, {5, 80, 10}).azshmax, rad(330), 1e-5);

  std::array<real, 6> v{anglerad.twopi, -anglerad.twopi, 0.0f, -rad(30), 7 * anglerad.pi, 1.0f};
  na2pin(v, v, 6);  // in place
  EXPECT_EQ(v[0], 0.0f);
  EXPECT_EQ(v[1], 0.0f);
  EXPECT_EQ(v[2], 0.0f);
  EXPECT_NEAR(v[3], rad(330), 1e-6);
  EXPECT_NEAR(v[4], anglerad.pi, 1e-5);
  EXPECT_EQ(v[5], 1.0f);

  std::array<real, 1> out{5.0f};
  const std::array<real, 1> in{-1.0f};
  na2pin(out, in, 0);  // nothing for an empty list
  EXPECT_EQ(out[0], 5.0f);
}

TEST_F(StressRegime, PlungesBeyondTheVerticalAreReportedAndBroughtBack) {
  Answers console;
  const std::array<real, 3> az{rad(10), rad(40), rad(70)};
  // Axis 2 at 1.6 rad: taken as pi/2 + 1e-5, the steepest; then S1 (0.1)
  // is the flattest.
  std::array<real, 2> azshmax{}, a1{az[0], az[0]}, a2{az[1], az[1]}, a3{az[2], az[2]};
  std::array<real, 2> p1{0.1f, 0.1f}, p2{1.6f, 0.2f}, p3{0.3f, 1.7f};
  std::array<int, 2> isv{};
  siap2sv(azshmax, isv, a1, p1, a2, p2, a3, p3, 0, 2);
  EXPECT_EQ(isv[0], 2);
  EXPECT_NEAR(azshmax[0], az[0], 1e-6);
  EXPECT_EQ(isv[1], 3);
  EXPECT_NEAR(azshmax[1], az[0], 1e-6);
  EXPECT_FLOAT_EQ(p2[0], 1.6f);  // the caller's plunges are left alone

  const std::vector<std::string> lines = console.lines();
  auto count = [&lines](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
  EXPECT_EQ(count(" Out of range plunge for"), 2);
  EXPECT_EQ(count(" iSi     =          2"), 1);
  EXPECT_EQ(count(" iSi     =          3"), 1);
  EXPECT_EQ(count(" data nb =          1"), 1);
  EXPECT_EQ(count(" data nb =          2"), 1);
  EXPECT_EQ(count(" Problem in subroutine: siap2sv"), 2);
}

TEST_F(StressRegime, UndefinedPlungesLeaveTheAzimuthAsItWas) {
  Answers console;
  const real nan = std::numeric_limits<real>::quiet_NaN();
  std::array<real, 1> azshmax{1.5f}, a{0.3f}, p{nan};
  std::array<int, 1> isv{9};
  siap2sv(azshmax, isv, a, p, a, p, a, p, 0, 1);
  EXPECT_EQ(isv[0], 0);
  EXPECT_EQ(azshmax[0], 1.5f);
  const std::vector<std::string> expected{" Out of range value", " iShmax  =          0",
                                          " iSv     =          0", " data nb =          1"};
  const std::vector<std::string> lines = console.lines();
  EXPECT_NE(std::search(lines.begin(), lines.end(), expected.begin(), expected.end()), lines.end());

  isv[0] = 9;
  siap2sv(azshmax, isv, a, p, a, p, a, p, 0, 0);  // an empty list: nothing
  EXPECT_EQ(isv[0], 9);
}

}  // namespace
