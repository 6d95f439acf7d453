// The dispatcher, the oblique rotation, the ellipsoid table and the
// constants derived from the projection parameters.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "map/azimuthal.h"
#include "map/conic.h"
#include "map/map_origin.h"
#include "projection_harness.h"

namespace {

using Lines = std::vector<std::string>;

// A few points of every kind of place, in radians.
std::vector<real> radians(std::initializer_list<double> degrees) {
  std::vector<real> v;
  for (double d : degrees) v.push_back(rad(static_cast<real>(d)));
  return v;
}
const std::vector<real> lons = radians({-170, -45, 0, 10, 33, 120, 179});
const std::vector<real> lats = radians({-60, -20, 0, 45, 71, 5, 89});
constexpr int npoints = 7;

TEST_F(Projections, NothingIsProjectedForACountBelowOne) {
  for (int code = 1; code <= 25; ++code) {
    use(code);
    std::vector<real> x(3, -7.0f), y(3, -7.0f);
    ConsoleCapture console;
    for (int n : {0, -1}) projlln(x, y, lons, lats, n);
    EXPECT_EQ(x, std::vector<real>(3, -7.0f)) << code;
    EXPECT_EQ(y, std::vector<real>(3, -7.0f)) << code;
    EXPECT_TRUE(console.text().empty()) << code;
  }
}

TEST_F(Projections, ProjectingInPlaceGivesWhatSeparateArraysGive) {
  for (int code = 1; code <= 25; ++code) {
    use(code, {.angp = 150, .centrelon = -20, .centrelat = 30});
    llorig.xoff = 0.25f;
    llorig.yoff = -0.5f;
    std::vector<real> x(npoints), y(npoints);
    projlln(x, y, lons, lats, npoints);
    std::vector<real> u = lons, v = lats;
    projlln(u, v, u, v, npoints);
    EXPECT_EQ(u, x) << code;
    EXPECT_EQ(v, y) << code;
  }
}

TEST_F(Projections, ObliqueCodesAtTheNorthPoleCentreAreThePolarOnes) {
  const Params pole{.angp = 140, .centrelon = 0, .centrelat = 90};
  for (auto [oblique, polar] : {std::pair{6, 5}, {8, 7}, {18, 17}, {10, 9}, {12, 11}}) {
    Params p = pole;
    if (polar == 9) p.angp = 180;
    use(polar, p);
    std::vector<real> x(npoints), y(npoints);
    projlln(x, y, lons, lats, npoints);
    use(oblique, p);
    std::vector<real> u(npoints), v(npoints);
    projlln(u, v, lons, lats, npoints);
    for (std::size_t k = 0; k < npoints; ++k) {
      if (polar == 17 && std::fabs(lats[k]) < 0.1f) continue;  // 1e20 on the equator
      const real tol = polar == 17 ? 2e-4f : 2e-5f;
      EXPECT_NEAR(u[k], x[k], tol * std::max(1.0f, std::fabs(x[k]))) << oblique << " point " << k;
      EXPECT_NEAR(v[k], y[k], tol * std::max(1.0f, std::fabs(y[k]))) << oblique << " point " << k;
    }
  }
}

TEST_F(Projections, AnUnknownCodeIsReportedAndChosenAgain) {
  use(7);
  projtype.iproj = 26;
  // The banner's pause, then Return at every dialogue of the
  // reinitialisation: origin, five angles, ellipsoid, oblique centre, the
  // projection menu, and the origin again for the code applied.
  ConsoleCapture console(std::string(12, '\n'));
  real lon = rad(0.0f), lat = rad(45.0f), x = 0, y = 0;
  projlln(std::span(&x, 1), std::span(&y, 1), std::span(&lon, 1), std::span(&lat, 1), 1);
  const Lines lines = console.lines();
  EXPECT_TRUE(contains(lines, " iproj =    26"));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "  NO SUCH PROJECTION AVALAIBLE"), 1);
  EXPECT_TRUE(contains(lines, "  ==> RESET PROJECTION"));
  EXPECT_TRUE(contains(lines, " INITIALIZING MAP PROJECTION"));
  EXPECT_TRUE(contains(lines, " MERCATOR SPHERICAL EARTH"));
  EXPECT_EQ(projtype.iproj, 15);
  // Projected once, with the code now stored: the default origin itself.
  EXPECT_NEAR(x, 0, 1e-7);
  EXPECT_NEAR(y, 0, 1e-6);
}

TEST_F(Projections, TheOriginProjectsToZeroUnderEveryCode) {
  for (int code = 1; code <= 25; ++code) {
    use(code, {.angp = 120});
    ConsoleCapture quiet;
    real lon = 12.5f, lat = -33.0f;
    sllorig(lon, lat, 1);
    const Plane o = at(12.5, -33);
    EXPECT_NEAR(o.x, 0, 1e-6) << code;
    EXPECT_NEAR(o.y, 0, 1e-6) << code;
  }
  initialiseprojection();  // Mercator, origin (0, 45)
  ConsoleCapture quiet;
  real lon = 0, lat = 0;
  sllorig(lon, lat, 3);
  EXPECT_EQ(lon, 0);
  EXPECT_FLOAT_EQ(lat, 45);
  EXPECT_EQ(llorig.xoff, 0);
  EXPECT_NEAR(llorig.yoff, std::log(std::tan(67.5 * M_PI / 180)), 1e-6);
}

TEST_F(Projections, ObliqueRotationRows) {
  auto row = [](int i) { return std::array<double, 3>{el(a2b.ab, i, 1), el(a2b.ab, i, 2), el(a2b.ab, i, 3)}; };
  auto expectrow = [&](int i, std::array<double, 3> want) {
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(row(i)[static_cast<std::size_t>(j)], want[static_cast<std::size_t>(j)], 1e-7) << i << "," << j + 1;
  };
  // The start-up centre (0, 45).
  const double h = std::sqrt(0.5);
  expectrow(1, {h, 0, -h});
  expectrow(2, {0, 1, 0});
  expectrow(3, {h, 0, h});
  ConsoleCapture quiet;
  real lon = 0, lat = 0;
  soblique(lon, lat, 3);
  EXPECT_FLOAT_EQ(lon, 0);
  EXPECT_FLOAT_EQ(lat, 45);
  expectrow(1, {h, 0, -h});
  for (double lc : {0.0, 35.0, -120.0}) {
    lon = static_cast<real>(lc);
    lat = 90;
    soblique(lon, lat, 1);
    const double c = std::cos(lc * M_PI / 180), s = std::sin(lc * M_PI / 180);
    expectrow(1, {c, s, 0});
    expectrow(2, {-s, c, 0});
    expectrow(3, {0, 0, 1});
  }
}

TEST_F(Projections, ObliqueFrameRoundTripAndCentre) {
  ConsoleCapture console;
  real lon = 0, lat = 45;
  soblique(lon, lat, 1);
  const std::array<real, 3> centre = obliquevector(0, rad(45.0f));
  EXPECT_NEAR(centre[2], 1, 1e-7);
  const std::array<real, 3> below = obliquevector(0, rad(-45.0f));
  EXPECT_NEAR(below[0], 1, 1e-7);
  EXPECT_NEAR(below[1], 0, 1e-7);
  // Frame a to b and back through the transpose.
  lon = -37;
  lat = 22;
  soblique(lon, lat, 1);
  std::vector<real> blon(npoints), blat(npoints);
  lla2llb(blon, blat, lons, lats, npoints);
  Mat33 inverse;
  mtrans(inverse, a2b.ab);
  Mat33 forward = a2b.ab;
  smatab33(inverse, 1);
  std::vector<real> alon = blon, alat = blat;
  lla2llb(alon, alat, alon, alat, npoints);
  smatab33(forward, 1);
  for (std::size_t k = 0; k < npoints; ++k) {
    EXPECT_NEAR(alat[k], lats[k], 2e-6) << k;
    if (std::fabs(lats[k]) < 1.5f) {
      EXPECT_NEAR(alon[k], lons[k], 2e-6) << k;
    }
  }
  EXPECT_EQ(console.text().find("not unitary"), std::string::npos);
  // The matrix menu: element 5 is row 2, column 2.
  {
    ConsoleCapture menu("5\n2.0\n0\n\n99\n");
    Mat33 aba{1, 0, 0, 0, 1, 0, 0, 0, 1};
    smatab33(aba, 1);
    aba = {};
    smatab33(aba, 2);
    const std::vector<std::string> lines = menu.lines();
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), " Ab(2,2).....5    1.000") != lines.end());
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), " Ab(2,2).....5    2.000") != lines.end());
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), " UNKNOWN ANSWER !") != lines.end());
    EXPECT_EQ(el(a2b.ab, 2, 2), 2.0f);
    EXPECT_EQ(el(aba, 2, 2), 2.0f);
    smatab33(forward, 1);
  }
  // The transpose in place.
  Mat33 m{1, 2, 3, 4, 5, 6, 7, 8, 9};
  mtrans(m, m);
  EXPECT_EQ(m, (Mat33{1, 4, 7, 2, 5, 8, 3, 6, 9}));
}

}  // namespace
