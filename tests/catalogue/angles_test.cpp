// Angle constants, conversions, sphere points, rotation, vector products and
// cyclic reductions, in single precision.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>

#include "catalogue/angles.h"
#include "console_capture.h"

namespace {

class Angles : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

TEST_F(Angles, ConstantsAreTheSinglePrecisionValues) {
  EXPECT_EQ(trig.trpi, 3.1415927f);
  EXPECT_EQ(trig.trpio2, 1.5707964f);
  EXPECT_EQ(trig.trpio4, 0.78539819f);
  EXPECT_EQ(trig.trdtor, 0.017453292f);
  EXPECT_EQ(trig.trpio2i, 1.5707864f);
  EXPECT_EQ(trig.trpio2s, 1.5708064f);

  EXPECT_EQ(anglerad.pio4, 0.78539819f);
  EXPECT_EQ(anglerad.pio3, 1.0471976f);
  EXPECT_EQ(anglerad.pio2, 1.5707964f);
  EXPECT_EQ(anglerad.pi3o4, 2.3561945f);
  EXPECT_EQ(anglerad.pi, 3.1415927f);
  EXPECT_EQ(anglerad.pi3o2, 4.7123890f);
  EXPECT_EQ(anglerad.twopi, 6.2831855f);
  EXPECT_EQ(anglerad.dtor, 0.017453292f);
  EXPECT_EQ(anglerad.rtod, 57.295776f);

  EXPECT_EQ(angleradi.pio2i, 1.5707864f);
  EXPECT_EQ(anglerads.pio2s, 1.5708064f);
  EXPECT_EQ(angleradi.twopii, anglerad.twopi - 1e-5f);
  EXPECT_EQ(anglerads.pio4s, anglerad.pio4 + 1e-5f);
}

TEST_F(Angles, TrigosetSaysWhatItSetsAndGivesTheSameValuesAgain) {
  const AngleRad before = anglerad;
  ConsoleCapture console;
  iocom.lwito = {false, false, false};  // printed at every output level
  trigoset();
  const std::vector<std::string> expected{
      " " + std::string(43, '@'), " @ subroutine trigoset   ", " @" + std::string(42, '='),
      " Initializing /trig/ block", " Initializing /anglerad/ block"};
  EXPECT_EQ(console.lines(), expected);
  EXPECT_EQ(std::memcmp(&before, &anglerad, sizeof before), 0);
}

TEST_F(Angles, DegreesAndRadians) {
  EXPECT_EQ(rad(180), anglerad.pi);
  EXPECT_EQ(rad(90), anglerad.pio2);
  EXPECT_EQ(deg(anglerad.pi), 180.0f);

  std::array<real, 2> out{7, 7};
  const std::array<real, 2> in{90, -45};
  deg2rad(out, in, 0);
  EXPECT_EQ(out, (std::array<real, 2>{7, 7}));
  std::array<real, 2> pair = in;
  deg2rad(pair, pair, 2);  // in place
  EXPECT_EQ(pair[0], anglerad.pio2);
  EXPECT_EQ(pair[1], -anglerad.pio4);
  rad2deg(pair, pair, 2);
  EXPECT_FLOAT_EQ(pair[0], 90);
  EXPECT_FLOAT_EQ(pair[1], -45);
}

TEST_F(Angles, UnitVectorsOfPoints) {
  std::array<real, 1> x, y, z;
  ll2ccn(x, y, z, std::array<real, 1>{0}, std::array<real, 1>{0}, 1);
  EXPECT_EQ(x[0], 1);
  EXPECT_EQ(y[0], 0);
  EXPECT_EQ(z[0], 0);
  ll2ccn(x, y, z, std::array<real, 1>{0}, std::array<real, 1>{anglerad.pio2}, 1);
  EXPECT_EQ(z[0], 1);
  EXPECT_EQ(x[0], -4.3711388e-08f);  // the cosine of the single-precision pi/2
  EXPECT_EQ(y[0], 0);

  // The extraction run converts a longitude-latitude pair in place and
  // then passes the same two cells as longitude, latitude, x and y.
  std::array<real, 2> cell{30, 60};
  std::array<real, 1> zc;
  deg2rad(cell, cell, 2);
  ll2ccn(std::span(cell).first(1), std::span(cell).last(1), zc, std::span(cell).first(1),
         std::span(cell).last(1), 1);
  EXPECT_NEAR(cell[0], 0.5 * std::cos(M_PI / 6), 1e-6);
  EXPECT_NEAR(cell[1], 0.5 * std::sin(M_PI / 6), 1e-6);
  EXPECT_NEAR(zc[0], std::sin(M_PI / 3), 1e-6);
}

// Longitude and latitude of one vector, with the console captured.
struct LonLat {
  real lon, lat;
  std::vector<std::string> printed;
};
LonLat lonlat(real x, real y, real z) {
  ConsoleCapture console("\n");
  std::array<real, 1> lon, lat;
  cc2lln(lon, lat, std::array<real, 1>{x}, std::array<real, 1>{y}, std::array<real, 1>{z}, 1);
  return {lon[0], lat[0], console.lines()};
}

TEST_F(Angles, LongitudeAndLatitudeOfVectors) {
  struct Case {
    real x, y, z, lon, lat;
  };
  const Case cases[] = {
      {0, 0, 1, 0, anglerad.pio2},     {0, 1, 0, anglerad.pio2, 0}, {0, -1, 0, -anglerad.pio2, 0},
      {-1, 0, 0, anglerad.pi, 0},      {-1, -0.0f, 0, anglerad.pi, 0},  // never -pi
      {1, 0, 0, 0, 0},                 {0, 0, -1, 0, -anglerad.pio2},
  };
  for (const Case& c : cases) {
    const LonLat r = lonlat(c.x, c.y, c.z);
    EXPECT_EQ(r.lon, c.lon) << c.x << " " << c.y << " " << c.z;
    EXPECT_EQ(r.lat, c.lat) << c.x << " " << c.y << " " << c.z;
    EXPECT_TRUE(r.printed.empty());
  }
  const LonLat sw = lonlat(-0.5f, -0.5f, std::sqrt(0.5f));
  EXPECT_FLOAT_EQ(sw.lon, -3 * anglerad.pio4);
}

TEST_F(Angles, VectorsNotOfUnitLength) {
  // Squared length within 5e-5 of 1: used unchanged.
  LonLat r = lonlat(0.6f * 1.00002f, 0, 0.8f * 1.00002f);
  EXPECT_FLOAT_EQ(r.lat, std::asin(0.8f * 1.00002f));
  EXPECT_TRUE(r.printed.empty());
  // Length within 1e-4 of 1: normalised silently.
  r = lonlat(0.6f * 1.00004f, 0, 0.8f * 1.00004f);
  EXPECT_NEAR(r.lat, std::asin(0.8), 2e-7);
  EXPECT_TRUE(r.printed.empty());
  // A unitary-looking vector just beyond the pole gives the pole, not NaN.
  r = lonlat(0, 0, 1.00002f);
  EXPECT_EQ(r.lat, anglerad.pio2);

  r = lonlat(2, 0, 0);
  EXPECT_EQ(r.lon, 0);
  EXPECT_EQ(r.lat, 0);
  ASSERT_EQ(r.printed.size(), 13u);
  EXPECT_EQ(r.printed[1], " ///        subroutine cc2lln            ///");
  const std::vector<std::string> message(r.printed.begin() + 4, r.printed.end() - 2);
  const std::vector<std::string> expected{
      " Expecting unitary V = (Vx,Vy,Vz)",
      " Loop final   index =      1",
      " Loop current index =      1",
      " Vx =   2.0000 Vy =   0.0000 Vz =   0.0000",
      " ||V|| =   2.0000",
      " V is not unitary",
      " ==> Normalizing it to 1",
  };
  EXPECT_EQ(message, expected);

  // A zero vector is reported and read as longitude 0, latitude 0.
  r = lonlat(0, 0, 0);
  EXPECT_EQ(r.lon, 0);
  EXPECT_EQ(r.lat, 0);
  EXPECT_EQ(r.printed[8], " ||V|| =   0.0000");
}

TEST_F(Angles, WarningNamesTheElementAndTheCount) {
  ConsoleCapture console("\n");
  std::array<real, 3> x{1, 0, 3}, y{0, 1, 0}, z{0, 0, 0};
  cc2lln(x, y, x, y, z, 3);  // in place: outputs on x and y
  EXPECT_EQ(x[1], anglerad.pio2);
  EXPECT_EQ(y[1], 0);
  EXPECT_EQ(x[2], 0);
  const auto lines = console.lines();
  ASSERT_EQ(lines.size(), 13u);  // one block, for the third element only
  EXPECT_EQ(lines[5], " Loop final   index =      3");
  EXPECT_EQ(lines[6], " Loop current index =      3");
}

TEST_F(Angles, RotationByTheObliqueMatrix) {
  std::array<real, 3> xb;
  const std::array<real, 3> xa{0.25f, -0.5f, 0.75f};
  cca2ccb(xb, xa);
  EXPECT_EQ(xb, xa);  // the identity at start

  const A2b saved = a2b;
  // A quarter turn about z: column 1 is (0, 1, 0), column 2 (-1, 0, 0).
  a2b.ab = {0, 1, 0, -1, 0, 0, 0, 0, 1};
  std::array<real, 3> v = xa;
  cca2ccb(v, v);
  EXPECT_EQ(v, (std::array<real, 3>{0.5f, 0.25f, 0.75f}));
  a2b = saved;
}

TEST_F(Angles, DotCrossAndLength) {
  // Two 3-vectors one after the other; with n = 2 only their first two
  // components take part.
  const std::array<real, 6> u{1, 2, 3, 4, 5, 6}, v{1, 1, 100, 2, 0, 1};
  std::array<real, 2> s;
  scalprodn(s, u, v, 3, 2);
  EXPECT_EQ(s, (std::array<real, 2>{303, 14}));
  scalprodn(std::span(s).first(1), u, v, 2, 1);
  EXPECT_EQ(s[0], 3);
  scalprodn(std::span(s).first(1), u, v, 0, 1);
  EXPECT_EQ(s[0], 0);

  std::array<real, 2> r;
  vecnorm(r, std::array<real, 4>{3, 4, 0, -2}, 2, 2);
  EXPECT_EQ(r, (std::array<real, 2>{5, 2}));

  std::array<real, 6> w;
  std::array<real, 6> a{1, 0, 0, 0, 2, 3};
  const std::array<real, 6> b{0, 1, 0, 1, 0, 0};
  vecprod3d(w, a, b, 2);
  EXPECT_EQ(w, (std::array<real, 6>{0, 0, 1, 0, 3, -2}));
  vecprod3d(a, a, b, 2);  // in place
  EXPECT_EQ(a, w);
}

TEST_F(Angles, CyclicIndices) {
  const std::array<int, 7> in{4, 3, 0, -1, 6, 1, -3};
  std::array<int, 7> out;
  moduri(out, in, 3, 7);
  EXPECT_EQ(out, (std::array<int, 7>{1, 3, 3, 2, 3, 1, 3}));
  std::array<int, 1> one{5};
  moduri(one, one, 1, 1);
  EXPECT_EQ(one[0], 1);
}

TEST_F(Angles, ReductionIntoARange) {
  std::array<real, 6> v{370, -10, 360, -360, 0, 359.5f};
  modulr(v, v, 360, 6);
  EXPECT_EQ(v, (std::array<real, 6>{10, 350, 0, 0, 0, 359.5f}));  // -360 gives 0, not 360

  std::array<real, 5> lon{370, -190, 180, -180, 179.5f};
  modulro(lon, lon, 360, -180, 5);
  EXPECT_EQ(lon, (std::array<real, 5>{10, 170, -180, -180, 179.5f}));

  std::array<real, 1> a{-anglerad.pio2};
  modulr(a, a, anglerad.twopi, 1);
  EXPECT_FLOAT_EQ(a[0], anglerad.pi3o2);
}

}  // namespace
