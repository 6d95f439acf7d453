// The P, B and T axes of a fault plane against an independent double
// precision construction of the fault frame, the worked cases, and the
// small routines they are built from.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "stereonet/principal_axes.h"

namespace {

class PrincipalAxes : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

using Vec = std::array<double, 3>;

// The unit vector (north, east, down) of a trend and a plunge.
Vec direction(real trend, real plunge) {
  const double t = trend, p = plunge;
  return {std::cos(p) * std::cos(t), std::cos(p) * std::sin(t), std::sin(p)};
}

// P, B, T of a plane built from its geometry: the strike direction, the
// up-dip direction, the downward normal n, the slip vector u (hanging wall,
// cos rake along strike plus sin rake up the dip), B = n x u,
// P = (u + n)/sqrt 2, T = (n - u)/sqrt 2.
std::array<Vec, 3> oracle(double strike, double dip, double rake) {
  const Vec along{std::cos(strike), std::sin(strike), 0};
  const Vec updip{std::cos(dip) * std::sin(strike), -std::cos(dip) * std::cos(strike), -std::sin(dip)};
  const Vec n{std::sin(dip) * std::sin(strike), -std::sin(dip) * std::cos(strike), std::cos(dip)};
  Vec u, p, b, t;
  for (int i = 0; i < 3; ++i) u[i] = std::cos(rake) * along[i] + std::sin(rake) * updip[i];
  for (int i = 0; i < 3; ++i) b[i] = n[(i + 1) % 3] * u[(i + 2) % 3] - n[(i + 2) % 3] * u[(i + 1) % 3];
  for (int i = 0; i < 3; ++i) p[i] = (u[i] + n[i]) / std::sqrt(2.0);
  for (int i = 0; i < 3; ++i) t[i] = (n[i] - u[i]) / std::sqrt(2.0);
  return {p, b, t};
}

// An axis (trend, plunge) is the direction v within 1e-4 in every
// component. The plunge is the arc sine of the down component, which turns
// a rounding of 6e-8 near 1 into 3.5e-4 rad: the horizontal part of a
// nearly vertical axis is held to 5e-4.
void expectaxis(real trend, real plunge, const Vec& v, const std::string& what) {
  const Vec got = direction(trend, plunge);
  const double horizontal = std::fabs(v[2]) > 0.9999 ? 5e-4 : 1e-4;
  EXPECT_NEAR(got[0], v[0], horizontal) << what;
  EXPECT_NEAR(got[1], v[1], horizontal) << what;
  EXPECT_NEAR(got[2], v[2], 1e-4) << what;
}

using Axes = void (*)(std::span<real, 3>, std::span<real, 3>, real, real, real, real);

TEST_F(PrincipalAxes, AgreeWithTheFaultFrameOverAGridOfPlanes) {
  for (const Axes axes : {&fsadr2steff, &seffapfadrrad}) {
    int checked = 0;
    for (int s = -180; s <= 360; s += 30)
      for (int d = 0; d <= 90; d += 15)
        for (int r = -180; r <= 180; r += 15) {
          std::array<real, 3> az, pl;
          axes(az, pl, rad(static_cast<real>(s)), rad(static_cast<real>(d)), rad(static_cast<real>(r)), 0);
          const auto expected = oracle(s * M_PI / 180, d * M_PI / 180, r * M_PI / 180);
          for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_GE(pl[j], -anglerad.pio2);
            EXPECT_LE(pl[j], anglerad.pio2);
            EXPECT_GE(az[j], -anglerad.pi);
            EXPECT_LE(az[j], anglerad.pi);
            expectaxis(az[j], pl[j], expected[j],
                       std::to_string(s) + "/" + std::to_string(d) + "/" + std::to_string(r) +
                           " axis " + std::to_string(j));
          }
          ++checked;
        }
    EXPECT_EQ(checked, 19 * 7 * 25);
  }
}

TEST_F(PrincipalAxes, WorkedCases) {
  const real pi = anglerad.pi, pio2 = anglerad.pio2, pio4 = anglerad.pio4;
  struct Case {
    const char* name;
    real strike, dip, rake, angle;
    std::array<real, 3> trend, plunge;
  };
  const Case cases[] = {
      // P points upwards and is returned so.
      {"oblique", pi / 6, pi / 3, pio4, 0, {-0.5218f, 0.9872f, -1.9909f}, {-0.0795f, 0.6591f, 0.9052f}},
      {"strike-slip", 0, pio2, 0, 0, {-pio4, 0, -3 * pio4}, {0, pio2, 0}},
      {"strike-slip turned", 0, pio2, 0, pi / 3, {-pi / 12, 0, -7 * pi / 12}, {0, pio2, 0}},
      {"reverse", 0, pio4, pio2, 0, {-pio2, 0, 0}, {0, 0, pio2}},
      {"normal", 0, pio4, -pio2, 0, {0, pi, -pio2}, {pio2, 0, 0}},
  };
  for (const Case& c : cases)
    for (const Axes axes : {&fsadr2steff, &seffapfadrrad}) {
      std::array<real, 3> az, pl;
      axes(az, pl, c.strike, c.dip, c.rake, c.angle);
      // Compared as directions: rounding residues decide the trend of a
      // vertical axis, and whether one on the north-south line comes out at
      // pi or about -pi.
      for (std::size_t j = 0; j < 3; ++j)
        expectaxis(az[j], pl[j], direction(c.trend[j], c.plunge[j]),
                   std::string(c.name) + " axis " + std::to_string(j));
    }
  // The oblique case through both routines alike, the same single
  // precision values.
  std::array<real, 3> az1, pl1, az2, pl2;
  fsadr2steff(az1, pl1, pi / 6, pi / 3, pio4, 0);
  seffapfadrrad(az2, pl2, pi / 6, pi / 3, pio4, 0);
  EXPECT_EQ(az1, az2);
  EXPECT_EQ(pl1, pl2);
}

TEST_F(PrincipalAxes, TrendQuadrants) {
  const real pi = anglerad.pi, pio2 = anglerad.pio2;
  const std::array<real, 7> x{0, 0, -1, -1, 1, -0.0f, -1}, y{0, -1, 0, -1, 1, 1, -0.0f};
  std::array<real, 7> t;
  xy2t(t, x, y, 7);
  EXPECT_EQ(t[0], pio2);  // no horizontal part
  EXPECT_EQ(t[1], -pio2);
  EXPECT_EQ(t[2], pi);
  EXPECT_FLOAT_EQ(t[3], -3 * anglerad.pio4);
  EXPECT_FLOAT_EQ(t[4], anglerad.pio4);
  EXPECT_EQ(t[5], pio2);  // negative zeros count as zero
  EXPECT_EQ(t[6], pi);
  std::array<real, 1> untouched{9};
  xy2t(untouched, x, y, 0);
  EXPECT_EQ(untouched[0], 9);
}

TEST_F(PrincipalAxes, RotationsAndTheirProduct) {
  // A quarter turn about each axis takes the next axis to the one after.
  Mat33 rx, ry, rz;
  xrot(rx, anglerad.pio2);
  yrot(ry, anglerad.pio2);
  zrot(rz, anglerad.pio2);
  EXPECT_NEAR(el(rx, 3, 2), 1, 1e-7);  // y -> z
  EXPECT_NEAR(el(ry, 1, 3), 1, 1e-7);  // z -> x
  EXPECT_NEAR(el(rz, 2, 1), 1, 1e-7);  // x -> y

  Mat33 a{1, 2, 3, 4, 5, 6, 7, 8, 10};
  const Mat33 b{2, 0, 1, -1, 3, 0, 0, 1, -2};
  Mat33 expected;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j)
      el(expected, i, j) = el(a, i, 1) * el(b, 1, j) + el(a, i, 2) * el(b, 2, j) + el(a, i, 3) * el(b, 3, j);
  Mat33 c;
  m33x33(c, a, b);
  EXPECT_EQ(c, expected);
  m33x33(a, a, b);  // the result may replace an operand
  EXPECT_EQ(a, expected);
}

}  // namespace
