#include "map/conic.h"

#include <algorithm>
#include <cmath>

#include "catalogue/angles.h"
#include "map/ellipsoids.h"
#include "map/projection_state.h"

ForImwPoly forimwpoly;

namespace {

// The radius base^n of a Lambert cone, where base (tan(pi/4 - lat/2), with
// the ellipsoid's factor) runs from 0 at the north pole to infinity at
// the south pole. At the south pole the float pi/2 overshoots and the
// tangent comes out negative: it is taken as infinite. An infinite radius
// is the largest finite value.
real conepower(real base, real n) {
  if (base < 0) return n > 0 ? projinfinity : n < 0 ? 0.0f : 1.0f;
  const real r = std::pow(base, n);
  return std::isfinite(r) ? r : projinfinity;
}

Plane lambert(real r, real lon) {
  const LlpParam& p = llpparam;
  const real theta = p.cpp1 * (lon - p.longp1);
  return {p.cpp2 * r * std::sin(theta), p.cpp2 * (1 - r * std::cos(theta))};
}

// tan(pi/4 - lat/2) ((1 + e sin lat)/(1 - e sin lat))^(e/2): the
// conformal latitude's term of the Lambert cone on the ellipsoid.
real lambertellipsoidbase(real lat) {
  const real e = ellipsoid.ele;
  const real s = e * std::sin(lat);
  return std::tan(anglerad.pio4 - lat / 2) * std::pow((1 + s) / (1 - s), e / 2);
}

Plane lambertsphere(real lon, real lat) {
  return lambert(conepower(std::tan(anglerad.pio4 - lat / 2), llpparam.cpp1), lon);
}

Plane lambertellipsoid(real lon, real lat) {
  return lambert(conepower(lambertellipsoidbase(lat), llpparam.cpp1), lon);
}

// A standard parallel on the equator is the limit of the cone opening
// into a cylinder: the cylindrical equal-area projection.
Plane albers(real lon, real lat) {
  const LlpParam& p = llpparam;
  if (p.cpp1 == 0) return {lon, std::sin(lat)};
  const real q = std::sqrt(std::max(0.0f, p.cpp3 - 2 * p.cpp1 * std::sin(lat)));
  const real theta = lon * p.cpp1;
  return {std::sin(theta) * q / p.cpp1, (p.cpp2 - q * std::cos(theta)) / p.cpp1};
}

// A standard parallel on the equator (an infinite cotangent) is the limit
// Sanson-Flamsteed; the apex of the cone (rho = 0) is its pole.
Plane bonne(real lon, real lat) {
  const LlpParam& p = llpparam;
  if (!std::isfinite(p.cpp1)) return {lon * std::cos(lat), lat};
  const real rho = p.cpp2 - lat;
  if (rho == 0) return {0, p.cpp1};
  const real e = std::cos(lat) * lon / rho;
  return {rho * std::sin(e), p.cpp1 - rho * std::cos(e)};
}

Plane werner(real lon, real lat) {
  const real rho = anglerad.pio2 - lat;
  if (rho == 0) return {0, 0};
  const real e = std::cos(lat) * lon / rho;
  return {rho * std::sin(e), -rho * std::cos(e)};
}

Plane polyconic(real lon, real lat) {
  const real dlon = lon - llpparam.longp1;
  if (lat == 0) return {dlon, 0};
  const real t = std::tan(lat);
  const real e = dlon * std::sin(lat);
  return {std::sin(e) / t, (1 - std::cos(e)) / t + lat};
}

// The radius N cot lat of a parallel's circle, in units of the
// equatorial radius.
double parallelradius(double lat) {
  const double s = std::sin(lat);
  return 1 / (std::tan(lat) * std::sqrt(1 - static_cast<double>(ellipsoid.ele2) * s * s));
}

// The IMW point: the parallel's circle, placed by the true-scale meridian,
// meets the straight meridian through the points of the longitude on the
// two reference parallels. Carried in double from the meridian distance
// on: near the equator the circles are huge and their sagitta cancels.
Plane imw(real lon, real lat) {
  const ForImwPoly& f = forimwpoly;
  const real dlon = lon - llpparam.longp1;
  if (lat == 0) return {dlon, 0};
  real m = 0;
  lat2disel(std::span(&m, 1), std::span(&lat, 1), 1);
  const double xa = static_cast<double>(f.mx0 + f.mx1 * m);
  const double ya = static_cast<double>(f.my0 + f.my1 * m);
  const double sgn = lat < 0 ? -1 : 1;
  const double r = lat > angleradi.pio2i ? 0 : parallelradius(lat);
  const double yc = r * r >= xa * xa ? ya - r + sgn * std::sqrt(r * r - xa * xa) : ya - r;
  double xcb[2], ycb[2];
  for (std::size_t j = 0; j < 2; ++j) {
    const double lat0 = f.lat00[j];
    const double r0 = f.r00[j];
    const double a = static_cast<double>(dlon) * std::sin(lat0);
    xcb[j] = lat0 == 0 ? static_cast<double>(dlon) : r0 * std::sin(a);
    ycb[j] = lat0 == 0 ? 0 : r0 * (1 - std::cos(a));
  }
  // Equal reference parallels leave no rise between them: the meridian is
  // then taken parallel to the central one.
  const double rise = static_cast<double>(f.dyp) + ycb[1] - ycb[0];
  const double t = rise != 0 ? (xcb[1] - xcb[0]) / rise : 0;
  const double u = xcb[0] + t * (yc + r - ycb[0]);
  const double d = r * r * (1 + t * t) - u * u;
  const double x = d >= 0 ? (u - sgn * t * std::sqrt(d)) / (1 + t * t) : u / (1 + t * t);
  const double g = r * r - x * x;
  const double y = g >= 0 ? yc + r - sgn * std::sqrt(g) : yc + r;
  return {static_cast<real>(x), static_cast<real>(y)};
}

// The cone constant where its formula has no value: equal parallels give
// the tangent cone, n = sin lat, and a parallel at a pole the plane,
// n = +-1; both are the sine of the parallel nearer a pole.
real conelimit(real n) {
  if (std::isfinite(n)) return n;
  const LlpParam& p = llpparam;
  return std::sin(std::fabs(p.latp1) >= std::fabs(p.latp2) ? p.latp1 : p.latp2);
}

// The scale constant where it has no value (n = 0, parallels symmetric
// about the equator, where no cone exists): 1, which keeps every point
// finite.
real scalelimit(real f) { return std::isfinite(f) ? f : 1.0f; }

}  // namespace

void lcc2(std::span<real> x, std::span<real> y, std::span<const real> lon,
          std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, lambertsphere);
}

void lcce2(std::span<real> x, std::span<real> y, std::span<const real> lon,
           std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, lambertellipsoid);
}

void albesph2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, albers);
}

void bonnesph2(std::span<real> x, std::span<real> y, std::span<const real> lon,
               std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, bonne);
}

void wernesphe2(std::span<real> x, std::span<real> y, std::span<const real> lon,
                std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, werner);
}

void polyco2(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, polyconic);
}

void imwpoly2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, imw);
}

void slcc2() {
  LlpParam& p = llpparam;
  const real t1 = std::tan(anglerad.pio4 + p.latp1 / 2);
  const real t2 = std::tan(anglerad.pio4 + p.latp2 / 2);
  const real n = conelimit(std::log(std::cos(p.latp1) / std::cos(p.latp2)) / std::log(t2 / t1));
  p.cpp1 = n;
  p.cpp2 = scalelimit(std::cos(p.latp1) * std::pow(t1, n) / n);
}

void slcce2() {
  LlpParam& p = llpparam;
  const real e2 = ellipsoid.ele2;
  const real s1 = std::sin(p.latp1);
  const real s2 = std::sin(p.latp2);
  const real t1 = lambertellipsoidbase(p.latp1);
  const real t2 = lambertellipsoidbase(p.latp2);
  const real m1 = std::cos(p.latp1) / std::sqrt(1 - e2 * s1 * s1);
  const real m2 = std::cos(p.latp2) / std::sqrt(1 - e2 * s2 * s2);
  const real n = conelimit((std::log(m1) - std::log(m2)) / (std::log(t1) - std::log(t2)));
  p.cpp1 = n;
  p.cpp2 = scalelimit(m1 / (n * std::pow(t1, n)));
}

bool conelessparallels() { return std::fabs(llpparam.latp1 + llpparam.latp2) < 1e-5f; }

void salbesph2() {
  LlpParam& p = llpparam;
  p.cpp1 = std::sin(p.latp1);
  p.cpp2 = std::cos(p.latp1);
  p.cpp3 = 1 + p.cpp1 * p.cpp1;
}

void sbonnesph2() {
  LlpParam& p = llpparam;
  p.cpp1 = std::cos(p.latp1) / std::sin(p.latp1);
  p.cpp2 = p.cpp1 + p.latp1;
}

void simwpoly2() {
  ForImwPoly& f = forimwpoly;
  const real e2 = ellipsoid.ele2;
  f.lat00 = {llpparam.latp1, llpparam.latp2};
  const real dlon = llpparam.longp2 - llpparam.longp1;
  // The crossings of the true-scale meridian with the two parallels' arcs,
  // from each parallel's point on the central meridian.
  real x00[2], y00[2];
  for (std::size_t i = 0; i < 2; ++i) {
    const real phi = f.lat00[i];
    if (phi == 0) {
      x00[i] = dlon;
      y00[i] = 0;
    } else if (phi > angleradi.pio2i) {
      f.r00[i] = 0;
      x00[i] = 0;
      y00[i] = 0;
    } else {
      const real s = std::sin(phi);
      f.r00[i] = 1 / (std::tan(phi) * std::sqrt(1 - e2 * s * s));
      const real e = dlon * s;
      x00[i] = f.r00[i] * std::sin(e);
      y00[i] = f.r00[i] * (1 - std::cos(e));
    }
  }
  real m[2];
  lat2disel(m, f.lat00, 2);
  const real d = m[1] - m[0];
  const real x = x00[1] - x00[0];
  const real s = std::sqrt(std::max(0.0f, d * d - x * x));
  f.dyp = y00[0] + s - y00[1];
  if (d != 0) {
    f.mx0 = (m[1] * x00[0] - m[0] * x00[1]) / d;
    f.mx1 = x / d;
    f.my0 = (m[1] * y00[0] - m[0] * (y00[0] + s)) / d;
    f.my1 = s / d;
  } else {
    // Equal reference parallels: the true-scale meridian keeps the x of
    // its crossing and rises by the meridian distance.
    f.mx0 = x00[0];
    f.mx1 = 0;
    f.my0 = y00[0] - m[0];
    f.my1 = 1;
  }
}
