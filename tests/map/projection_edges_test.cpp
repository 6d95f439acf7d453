// The edges of the projections: poles, the antimeridian, the far side,
// the points a projection cannot place, and parameters that leave a
// formula without a value. Every point a projection returns is finite.
#include <cmath>

#include "map/conic.h"
#include "projection_harness.h"

namespace {

constexpr double pi = M_PI;

void expectfinite(const Plane& p, const std::string& what) {
  EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << what << ": " << p.x << ", " << p.y;
}

TEST_F(Projections, PolesAreFiniteInEveryCodeAndEveryFamilyStaysOnItsSide) {
  for (int code = 1; code <= 25; ++code) {
    use(code, code == 11 || code == 12 ? Params{.angp = 60} : Params{});
    for (double lon : {-180.0, -90.0, 0.0, 45.0, 180.0}) {
      expectfinite(at(lon, 90), "code " + std::to_string(code) + " north pole");
      expectfinite(at(lon, -90), "code " + std::to_string(code) + " south pole");
    }
  }
  // Mercator: the poles are far out, with the latitude's sign; the
  // projection stays odd in latitude.
  for (int code : {15, 16}) {
    use(code);
    EXPECT_GT(at(0, 90).y, 10) << code;
    EXPECT_LT(at(0, -90).y, -10) << code;
    EXPECT_FLOAT_EQ(at(10, -60).y, -at(10, 60).y) << code;
    EXPECT_NEAR(at(370, 0).x, 370 * pi / 180, 1e-6) << "longitude not reduced";
  }
}

TEST_F(Projections, LambertConeApexAndSouthernCone) {
  use(3);
  const Plane apex = at(40, 90);
  EXPECT_NEAR(apex.x, 0, 1e-6);
  EXPECT_FLOAT_EQ(apex.y, llpparam.cpp2);
  EXPECT_EQ(at(0, 0).x, 0);
  EXPECT_NEAR(at(0, 0).y, 0, 1e-6);
  // The south pole of a northern cone lies far out on its meridian.
  EXPECT_LT(at(0, -90).y, -1e10);
  // A southern cone: the south pole is its apex, the north pole far out.
  use(3, {.latp1 = -60, .latp2 = -30});
  EXPECT_LT(llpparam.cpp1, 0);
  const Plane south = at(20, -90);
  EXPECT_NEAR(south.x, 0, 1e-6);
  EXPECT_NEAR(south.y, llpparam.cpp2, 1e-5);
  EXPECT_GT(at(0, 90).y, 1e10);
  use(4, {.latp1 = -60, .latp2 = -30});
  expectfinite(at(0, 90), "southern ellipsoidal cone, north pole");
}

TEST_F(Projections, TransverseMercatorBandsAndFarSide) {
  use(1, {.longp1 = 10});
  EXPECT_EQ(at(100, 0).x, projinfinity);   // the equator 90 degrees away
  EXPECT_EQ(at(-80, 0).x, -projinfinity);
  EXPECT_FLOAT_EQ(at(100, 0).y, 0);
  EXPECT_FLOAT_EQ(at(100, 30).y, anglerad.pio2);
  EXPECT_FLOAT_EQ(at(10, 90).y, anglerad.pio2);
  EXPECT_FLOAT_EQ(at(10, -90).y, -anglerad.pio2);
  // The far hemisphere lies between pi/2 (north pole) and 3 pi/2.
  const Plane far = at(110, 10);
  EXPECT_GT(far.y, pi / 2);
  EXPECT_LT(far.y, 3 * pi / 2);
  EXPECT_NEAR(at(110, 10).y + at(110, -10).y, 2 * pi, 1e-5);
  EXPECT_FLOAT_EQ(at(190, -90).y, anglerad.pi3o2);
  // The antimeridian of the central one: x 0, y pi - lat.
  EXPECT_NEAR(at(190, 30).x, 0, 1e-6);
  EXPECT_NEAR(at(190, 30).y, pi - pi / 6, 1e-5);
  // The ellipsoidal series: the central meridian is the meridian distance,
  // the equator y = 0.
  use(2, {.longp1 = 10});
  real m = 0, phi = rad(50.0f);
  lat2disel(std::span(&m, 1), std::span(&phi, 1), 1);
  EXPECT_NEAR(at(10, 50).x, 0, 1e-7);
  EXPECT_NEAR(at(10, 50).y, m, 1e-6);
  EXPECT_EQ(at(13, 0).y, 0);
}

TEST_F(Projections, AntimeridianIsSymmetric) {
  // Whole-world projections: the meridians 180 degrees either side of the
  // central one bound the map, mirrored.
  struct Row {
    int code;
    double x180, y180;  // (central + 180, lat) before the offsets
    double lat;
  };
  const Row rows[] = {
      {24, 2, 0, 0},             // Mollweide: the oval's end
      {25, 1, 0, 0},             // Van der Grinten: the circle of radius 1
      {22, pi, 0, 0},            // Sanson-Flamsteed
      {13, pi, 0, 0},            // polyconic on the equator
      {23, pi, std::sin(pi / 6), 30},
  };
  for (const Row& r : rows) {
    const double lon0 = r.code == 22 || r.code == 23 ? 0 : 30;
    use(r.code, {.longp1 = lon0});
    const Plane east = at(lon0 + 180, r.lat), west = at(lon0 - 180, r.lat);
    EXPECT_NEAR(east.x, r.x180, 2e-6) << r.code;
    EXPECT_NEAR(east.y, r.y180, 2e-6) << r.code;
    EXPECT_NEAR(west.x, -east.x, 2e-6) << r.code;
    EXPECT_NEAR(west.y, east.y, 2e-6) << r.code;
  }
  // A north polar map: longitudes 180 and -180 are the same point.
  for (int code : {5, 7, 9, 17}) {
    use(code);
    EXPECT_NEAR(at(180, 40).x, at(-180, 40).x, 1e-6) << code;
    EXPECT_NEAR(at(180, 40).y, at(-180, 40).y, 1e-6) << code;
    EXPECT_GT(at(180, 40).y, 0) << "the meridian 180 points to positive y, code " << code;
  }
}

TEST_F(Projections, AzimuthalLimitsAndDegenerateViews) {
  use(5);
  EXPECT_NEAR(std::hypot(at(77, -90).x, at(77, -90).y), 1, 1e-6);
  use(5, {.angp = 90});
  for (double lat : {-10.0, -45.0, -89.0})
    EXPECT_NEAR(std::hypot(at(33, lat).x, at(33, lat).y), std::sin(pi / 4), 1e-6) << lat;
  use(7);
  EXPECT_NEAR(at(0, 0).x, 0, 1e-6);
  EXPECT_NEAR(at(0, 0).y, -1, 1e-6);
  EXPECT_NEAR(at(90, 0).x, 1, 1e-6);
  use(9);
  EXPECT_NEAR(std::hypot(at(20, -30).x, at(20, -30).y), std::hypot(at(20, 30).x, at(20, 30).y), 1e-6);
  use(17);
  EXPECT_EQ(at(90, 0).x, projinfinity);
  EXPECT_NEAR(at(0, 0).y, -projinfinity, 1e13);
  EXPECT_NEAR(at(0, -45).y, 1, 1e-6);  // the far side mirrored through the centre
  use(11, {.angp = 60});
  EXPECT_NEAR(at(0, 90).x, 0, 1e-7);
  EXPECT_NEAR(at(0, 90).y, 0, 1e-7);
  const double horizon = 90 - 30;  // Z = sin(30 deg)
  EXPECT_NEAR(std::hypot(at(40, horizon - 90 + 60).x, at(40, horizon - 90 + 60).y), 1, 1e-5);
  // An angle of view of 180 degrees (the start-up value) collapses the
  // map onto its centre, the centre itself included.
  for (int code : {11, 12}) {
    use(code);
    EXPECT_NEAR(at(0, code == 11 ? 90 : 45).x, 0, 1e-7) << code;
    EXPECT_NEAR(at(0, code == 11 ? 90 : 45).y, 0, 1e-7) << code;
    expectfinite(at(10, 80), "angle of view 180, code " + std::to_string(code));
  }
}

TEST_F(Projections, VanDerGrintenSnapAndPoleBand) {
  use(25, {.longp1 = 10});
  const Plane snapped = at(10.3, 30);
  EXPECT_EQ(snapped.x, 0);
  const double a = pi / 6;
  EXPECT_NEAR(snapped.y, (2 * a / pi) / (1 + std::sqrt(1 - 4 * a * a / (pi * pi))), 1e-6);
  EXPECT_NEAR(at(-80, 0).x, -0.5, 1e-6);
  for (double lat : {90.0, -90.0}) {
    EXPECT_EQ(at(40, lat).x, 0);
    EXPECT_EQ(at(40, lat).y, lat > 0 ? 1 : -1);
  }
  // Near the equator the circle construction keeps the sign and the size.
  for (double lat : {0.1, 1.0, -0.5}) {
    const double y = at(60, lat).y;
    EXPECT_GT(y * lat, 0) << lat;
    EXPECT_NEAR(y, lat / 180, 0.1 * std::fabs(lat) / 180) << lat;  // y ~ lat/pi near the equator
  }
}

TEST_F(Projections, MollweideTableInterpolation) {
  use(24);
  const double theta = 35.9 * pi / 180;
  EXPECT_NEAR(at(0, 44.5).y, std::sin(theta), 2e-6);
  EXPECT_NEAR(at(0, -44.5).y, -std::sin(theta), 2e-6);
  for (double lat : {90.0, 95.0, -120.0}) EXPECT_FLOAT_EQ(at(10, lat).y, lat > 0 ? 1 : -1) << lat;
  EXPECT_EQ(at(0, 0).x, 0);
  EXPECT_EQ(at(0, 0).y, 0);
}

TEST_F(Projections, ConicSpecialPoints) {
  use(19, {.latp1 = 30});
  EXPECT_NEAR(at(0, 30).x, 0, 1e-7);
  EXPECT_NEAR(at(0, 30).y, 0, 1e-6);
  use(20, {.latp1 = 30});
  EXPECT_NEAR(at(0, 30).y, 0, 1e-6);
  // Along the standard parallel Bonne keeps true distances.
  const double rho = 1 / std::tan(pi / 6);
  const Plane p = at(40, 30);
  EXPECT_NEAR(rho * std::atan2(static_cast<double>(p.x), rho - static_cast<double>(p.y)),
              40 * pi / 180 * std::cos(pi / 6), 1e-5);
  use(21);
  EXPECT_EQ(at(77, 90).x, 0);
  EXPECT_EQ(at(77, 90).y, 0);
  EXPECT_NEAR(at(0, 0).y, -pi / 2, 1e-6);
  use(13, {.longp1 = 20});
  EXPECT_FLOAT_EQ(at(50, 0).x, rad(30.0f));
  EXPECT_EQ(at(50, 0).y, 0);
  EXPECT_NEAR(at(20, 35).x, 0, 1e-7);
  EXPECT_FLOAT_EQ(at(20, 35).y, rad(35.0f));
  use(14, {.latp1 = 40, .latp2 = 44});
  EXPECT_FLOAT_EQ(at(7, 0).x, rad(7.0f));
  EXPECT_EQ(at(7, 0).y, 0);
  EXPECT_EQ(at(0, 41).x, 0);
  // The true-scale meridian keeps its length between the two parallels.
  const Plane a = at(2, 40), b = at(2, 44);
  EXPECT_NEAR(std::hypot(b.x - a.x, b.y - a.y), 0.069659, 2e-6);
  EXPECT_NEAR(static_cast<double>(std::hypot(b.x - a.x, b.y - a.y)) * 6378137.0, 444290, 20);
}

// Parameters where a formula gives no value: the limit of the family.
TEST_F(Projections, DegenerateParametersGiveTheLimitingProjection) {
  // Albers and Bonne with the standard parallel on the equator: the
  // cylindrical equal-area and Sanson-Flamsteed projections.
  use(19, {.latp1 = 0});
  EXPECT_FLOAT_EQ(at(40, 30).x, rad(40.0f));
  EXPECT_FLOAT_EQ(at(40, 30).y, 0.5f);
  use(20, {.latp1 = 0});
  EXPECT_FLOAT_EQ(at(40, 60).x, rad(40.0f) * std::cos(rad(60.0f)));
  EXPECT_FLOAT_EQ(at(40, 60).y, rad(60.0f));
  // Bonne with the pole as standard parallel: the apex is finite.
  use(20, {.latp1 = 90});
  expectfinite(at(30, 90), "Bonne apex");
  // Lambert with equal parallels: the tangent cone, n = sin lat.
  for (int code : {3, 4}) {
    use(code, {.latp1 = 40, .latp2 = 40});
    EXPECT_FLOAT_EQ(llpparam.cpp1, std::sin(rad(40.0f))) << code;
    const Plane p = at(10, 40);  // on the standard parallel: scale 1 along it
    expectfinite(p, "tangent cone");
  }
  use(3, {.latp1 = 40, .latp2 = 40});
  const double n = std::sin(40 * pi / 180), f = std::cos(40 * pi / 180) * std::pow(std::tan(pi / 4 + 20 * pi / 180), n) / n;
  const double r = f * std::pow(std::tan(pi / 4 - 25 * pi / 180), n);
  EXPECT_NEAR(at(15, 50).x, r * std::sin(n * 15 * pi / 180), 1e-5);
  EXPECT_NEAR(at(15, 50).y, f - r * std::cos(n * 15 * pi / 180), 1e-5);
  // A parallel at a pole or parallels symmetric about the equator: finite.
  for (const Params& p : {Params{.latp1 = 90, .latp2 = 60}, Params{.latp1 = 30, .latp2 = -30},
                          Params{.latp1 = -90, .latp2 = -90}})
    for (int code : {3, 4}) {
      use(code, p);
      EXPECT_TRUE(std::isfinite(llpparam.cpp1) && std::isfinite(llpparam.cpp2)) << code;
      expectfinite(at(20, 50), "cone of parallels " + std::to_string(p.latp1) + ", " + std::to_string(p.latp2));
    }
  // IMW with equal reference parallels: finite, parallels spaced by their
  // meridian distance on the central meridian.
  use(14, {.latp1 = 42, .latp2 = 42});
  for (double lat : {30.0, 42.0, 50.0}) expectfinite(at(3, lat), "IMW equal parallels");
  EXPECT_NEAR(at(0, 50).y - at(0, 42).y, 0.1397, 0.003);
}

}  // namespace
