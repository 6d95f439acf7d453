// The auxiliary nodal plane: worked cases, the ends of its ranges, the
// fault frame matrices and an independent catalogue of planes whose normal
// and slip vectors are listed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <sstream>

#include "catalogue/nodal_planes.h"
#include "console_capture.h"

namespace {

class NodalPlanes : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

struct Plane {
  double strike, dip, rake;
};

// The auxiliary plane in degrees, checking that nothing is printed.
Plane auxiliary(real strike, real dip, real rake) {
  ConsoleCapture console;
  real s, d, r;
  nodalpladrdeg(s, d, r, strike, dip, rake);
  EXPECT_TRUE(console.lines().empty());
  return {s, d, r};
}

TEST_F(NodalPlanes, WorkedCasesAndTheEndsOfTheRanges) {
  struct Case {
    Plane given, expected;
  };
  const Case cases[] = {
      {{30, 60, -120}, {-100.893, 41.410, -49.107}},  // strike stays below 0
      {{0, 45, 90}, {180, 45, 90}},
      {{0, 45, -90}, {-180, 45, -90}},  // the negative end of the strike range
      {{0, 90, 0}, {90, 90, 180}},      // the positive end of the rake range
      {{0, 90, 90}, {0, 0, -90}},       // horizontal auxiliary plane, no message
      {{10, 0, 30}, {70, 90, -90}},     // vertical auxiliary plane
      {{200, 70, 10}, {106.549, 80.609, 159.716}},
  };
  for (const Case& c : cases) {
    const Plane p = auxiliary(static_cast<real>(c.given.strike), static_cast<real>(c.given.dip),
                              static_cast<real>(c.given.rake));
    const std::string name = std::to_string(c.given.strike) + "/" + std::to_string(c.given.dip) +
                             "/" + std::to_string(c.given.rake);
    EXPECT_NEAR(p.strike, c.expected.strike, 5e-4) << name;
    EXPECT_NEAR(p.dip, c.expected.dip, 5e-4) << name;
    EXPECT_NEAR(p.rake, c.expected.rake, 5e-4) << name;
  }
}

TEST_F(NodalPlanes, TheAuxiliaryOfTheAuxiliaryIsTheGivenPlane) {
  const Plane p = auxiliary(200, 70, 10);
  const Plane q = auxiliary(static_cast<real>(p.strike), static_cast<real>(p.dip),
                            static_cast<real>(p.rake));
  EXPECT_NEAR(q.strike, -160, 0.01);
  EXPECT_NEAR(q.dip, 70, 0.01);
  EXPECT_NEAR(q.rake, 10, 0.01);

  // The same variables may be given and returned.
  real s = 30, d = 60, r = -120;
  nodalpladrdeg(s, d, r, s, d, r);
  EXPECT_NEAR(s, -100.893, 5e-4);
  EXPECT_NEAR(r, -49.107, 5e-4);
}

TEST_F(NodalPlanes, PolarAngle) {
  const real pi = anglerad.pi, pio2 = anglerad.pio2;
  EXPECT_EQ(panglerad(0, 0), pio2);
  EXPECT_EQ(panglerad(0, -1), -pio2);
  EXPECT_EQ(panglerad(-0.0f, -1), -pio2);
  EXPECT_EQ(panglerad(1, 0), 0);
  EXPECT_EQ(panglerad(-1, 0), pi);
  EXPECT_EQ(panglerad(-1, -0.0f), pi);  // a negative zero counts as zero
  EXPECT_EQ(panglerad(-1, -1e-9f), -pi);
  EXPECT_FLOAT_EQ(panglerad(-1, -1), -3 * anglerad.pio4);
  EXPECT_FLOAT_EQ(panglerad(1, -1), -anglerad.pio4);
}

TEST_F(NodalPlanes, EulerAnglesOfFaultFrames) {
  // theta, phi, psi of frames in general position come back, and a frame's
  // columns are the slip vector, the null axis and the downward normal.
  std::array<Mat33, 3> se;
  const std::array<real, 3> theta{0.5f, -2.5f, 3.0f}, phi{0.3f, 1.2f, 2.9f}, psi{-1.0f, 2.0f, -3.1f};
  eu2se123(se, theta, phi, psi, 3);
  const Mat33& m = se[1];
  EXPECT_FLOAT_EQ(el(m, 3, 3), std::cos(1.2f));
  EXPECT_FLOAT_EQ(el(m, 1, 3), std::sin(-2.5f) * std::sin(1.2f));
  for (int i = 1; i <= 3; ++i)  // column 3 = column 1 x column 2
    EXPECT_NEAR(el(m, i, 3), el(m, i % 3 + 1, 1) * el(m, (i + 1) % 3 + 1, 2) -
                                 el(m, (i + 1) % 3 + 1, 1) * el(m, i % 3 + 1, 2), 1e-6);
  std::array<real, 3> t, f, p;
  se1232eu(t, f, p, se, 3);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_NEAR(t[k], theta[k], 1e-5);
    EXPECT_NEAR(f[k], phi[k], 1e-5);
    EXPECT_NEAR(p[k], psi[k], 1e-5);
  }

  // Degenerate frames, third column up or down: theta 0 and a psi that
  // rebuilds the frame.
  for (const real vertical : {0.0f, anglerad.pi}) {
    Mat33 frame;
    const real angle = 0.7f, zero = 0;
    eu2se123({&frame, 1}, {&zero, 1}, {&vertical, 1}, {&angle, 1}, 1);
    real a = 9, b = 9, c = 9;
    se1232eu({&a, 1}, {&b, 1}, {&c, 1}, {&frame, 1}, 1);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, vertical);
    EXPECT_FLOAT_EQ(c, angle);
  }

  // A count of 0 leaves everything untouched.
  t = {9, 9, 9};
  se1232eu(t, f, p, se, 0);
  eu2se123(se, theta, phi, psi, 0);
  EXPECT_EQ(t, (std::array<real, 3>{9, 9, 9}));
}

TEST_F(NodalPlanes, ElementBeyondOneIsReportedAndReset) {
  struct Case {
    real c;
    bool error;
    std::string line3;
  };
  const Case cases[] = {
      {1.0000005f, false, " 1 < se(3,3) =  1.00000 < 1+eps"},
      {1.5f, true, " 1 < se(3,3) =  1.50000"},
      {-1.0000005f, false, " -1-eps < se(3,3) = -1.00000 < -1"},
      {-1.5f, true, " se(3,3) = -1.50000 < -1"},
  };
  for (const Case& c : cases) {
    ConsoleCapture console("\n");
    Mat33 frame{1, 0, 0, 0, 1, 0, 0, 0, c.c};
    real theta = 9, phi = 9, psi = 9;
    se1232eu({&theta, 1}, {&phi, 1}, {&psi, 1}, {&frame, 1}, 1);
    const real reset = c.c > 0 ? 1.0f : -1.0f;
    EXPECT_EQ(el(frame, 3, 3), reset);
    EXPECT_EQ(theta, 0);
    EXPECT_EQ(phi, c.c > 0 ? 0 : anglerad.pi);
    const auto lines = console.lines();
    const std::size_t head = c.error ? 9 : 4;  // error banners are taller
    ASSERT_EQ(lines.size(), head + 6) << c.c;
    EXPECT_NE(lines[c.error ? 5 : 2].find(c.error ? "ERROR" : "WARNING"), std::string::npos);
    EXPECT_EQ(lines[head], " data number =      1");
    EXPECT_EQ(lines[head + 1], " Vertical s3");
    EXPECT_EQ(lines[head + 2], c.line3);
    EXPECT_EQ(lines[head + 3], std::string(" ===> reset se(3,3) = ") + (c.c > 0 ? " 1.00000" : "-1.00000"));
  }
  for (const real c : {1.0f, -1.0f}) {
    ConsoleCapture console;
    Mat33 frame{1, 0, 0, 0, c, 0, 0, 0, c};
    real theta, phi, psi;
    se1232eu({&theta, 1}, {&phi, 1}, {&psi, 1}, {&frame, 1}, 1);
    EXPECT_TRUE(console.lines().empty());
  }
}

// An independent reading of a plane from its downward-or-not normal and its
// slip vector (double precision): the plane whose normal points down, its
// strike from the normal, its rake from the slip vector's components along
// the strike and up the dip. The slip vectors of the catalogue below point
// opposite to the hanging wall's motion.
Plane planefromvectors(std::array<double, 3> n, std::array<double, 3> footwall) {
  std::array<double, 3> u{-footwall[0], -footwall[1], -footwall[2]};
  if (n[2] < 0)
    for (int i = 0; i < 3; ++i) n[i] = -n[i], u[i] = -u[i];
  const double dip = std::acos(std::min(1.0, n[2]));
  const double strike = std::atan2(n[0], -n[1]);
  const std::array<double, 3> along{std::cos(strike), std::sin(strike), 0};
  const std::array<double, 3> updip{std::cos(dip) * std::sin(strike), -std::cos(dip) * std::cos(strike),
                                    -std::sin(dip)};
  const double rake = std::atan2(u[0] * updip[0] + u[1] * updip[1] + u[2] * updip[2],
                                 u[0] * along[0] + u[1] * along[1]);
  const double todeg = 180 / M_PI;
  return {strike * todeg, dip * todeg, rake * todeg};
}

double angledistance(double a, double b) {
  const double d = std::remainder(a - b, 360.0);
  return std::fabs(d);
}

// Same plane within 0.1 degree, strikes and rakes taken modulo 360; a
// vertical plane is also (strike + 180, 90, -rake).
bool sameplane(const Plane& a, const Plane& b) {
  if (std::fabs(a.dip - b.dip) >= 0.1) return false;
  if (angledistance(a.strike, b.strike) < 0.1 && angledistance(a.rake, b.rake) < 0.1) return true;
  return b.dip > 89.9 && angledistance(a.strike + 180, b.strike) < 0.1 &&
         angledistance(-a.rake, b.rake) < 0.1;
}

// Every plane of the catalogue: strike, dip, rake, normal (N, E, Down) and
// slip vector (N, E, Down). Swapping normal and slip vector gives the
// auxiliary plane.
TEST_F(NodalPlanes, AgreesWithAnIndependentCatalogueOfPlanes) {
  std::ifstream file(MECARO_REAL_DATA "/hash_example1.out2");
  ASSERT_TRUE(file) << "missing " MECARO_REAL_DATA "/hash_example1.out2";
  int planes = 0, consistent = 0, agreeing = 0;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] != ' ') continue;  // an event's header line
    std::istringstream in(line);
    Plane p;
    std::array<double, 3> n, s;
    in >> p.strike >> p.dip >> p.rake >> n[0] >> n[1] >> n[2] >> s[0] >> s[1] >> s[2];
    ASSERT_TRUE(in) << line;
    ++planes;
    // The reading of the vectors is right where it gives back the plane.
    if (sameplane(planefromvectors(n, s), p)) ++consistent;
    const Plane ours = auxiliary(static_cast<real>(p.strike), static_cast<real>(p.dip),
                                 static_cast<real>(p.rake));
    if (sameplane(planefromvectors(s, n), ours)) {
      ++agreeing;
      continue;
    }
    // The one plane that differs is horizontal (320/0/-90), whose strike
    // is arbitrary: its listed slip vector points along the hanging wall's
    // motion (azimuth 50 = strike - rake), not against it as in every other
    // plane, so the swapped vectors give the slip reversed. From the
    // plane's own angles the auxiliary plane is vertical with its normal
    // towards azimuth 50 and the hanging wall moving straight down.
    EXPECT_EQ(p.dip, 0) << line;
    EXPECT_FALSE(sameplane(planefromvectors(n, s), p));
    EXPECT_NEAR(ours.strike, 140, 1e-3);
    EXPECT_NEAR(ours.dip, 90, 1e-3);
    EXPECT_NEAR(ours.rake, -90, 1e-3);
  }
  EXPECT_EQ(planes, 7200);
  EXPECT_EQ(consistent, 7199);
  EXPECT_EQ(agreeing, 7199);
}

}  // namespace
