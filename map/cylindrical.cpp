#include "map/cylindrical.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "catalogue/angles.h"
#include "map/ellipsoids.h"
#include "map/projection_state.h"

namespace {

// Near a pole the Mercator ordinate is whatever the rounded tangent gives;
// at the pole itself (where the float pi/2 overshoots, so the tangent is
// negative or zero) it is the largest finite value, with the latitude's sign.
real mercatory(real v, real lat) {
  if (std::isfinite(v)) return v;
  return lat < 0 ? -projinfinity : projinfinity;
}

Plane mercatorsphere(real lon, real lat) {
  return {lon, mercatory(std::log(std::tan(anglerad.pio4 + lat / 2)), lat)};
}

Plane mercatorellipsoid(real lon, real lat) {
  const real e = ellipsoid.ele;
  const real es = e * std::sin(lat);
  const real v = std::log(std::tan(anglerad.pio4 + lat / 2) * std::pow((1 - es) / (1 + es), e / 2));
  return {lon, mercatory(v, lat)};
}

Plane cylindricalequalarea(real lon, real lat) { return {lon, std::sin(lat)}; }

Plane sansonflamsteed(real lon, real lat) { return {lon * std::cos(lat), lat}; }

// x of the transverse Mercator on the sphere: 1e20 on the equator 90
// degrees from the central meridian.
real tmx(real b) {
  if (b >= 1) return projinfinity;
  if (b <= -1) return -projinfinity;
  return 0.5f * std::log((1 + b) / (1 - b));
}

// y of the transverse Mercator on the sphere, by the band of the distance
// from the central meridian: near side, far side (shifted by pi), and the
// two meridians 90 degrees away.
real tmy(real lat, real dlon) {
  const bool nearpole = !(std::fabs(lat) < angleradi.pio2i);
  const real a = std::fabs(dlon);
  if (a < angleradi.pio2i) {
    if (!nearpole) return std::atan(std::tan(lat) / std::cos(dlon));
    return lat > 0 ? anglerad.pio2 : -anglerad.pio2;
  }
  if (a > anglerads.pio2s) {
    if (!nearpole) return std::atan(std::tan(lat) / std::cos(dlon)) + anglerad.pi;
    return lat > 0 ? anglerad.pio2 : anglerad.pi3o2;
  }
  if (lat == 0) return 0;
  return lat > 0 ? anglerad.pio2 : -anglerad.pio2;
}

Plane transversemercatorsphere(real lon, real lat) {
  const real dlon = lon - llpparam.longp1;
  return {tmx(std::cos(lat) * std::sin(dlon)), tmy(lat, dlon)};
}

Plane transversemercatorellipsoid(real lon, real lat) {
  const Ellipsoid& el = ellipsoid;
  real m = 0;
  lat2disel(std::span(&m, 1), std::span(&lat, 1), 1);
  const real s = std::sin(lat);
  const real c = std::cos(lat);
  const real t = std::tan(lat);
  const real nu = 1 / std::sqrt(1 - el.ele2 * s * s);
  const real t2 = t * t;
  const real k = el.elep2 * c * c;
  const real a = (lon - llpparam.longp1) * c;
  const real a2 = a * a;
  const real a3 = a2 * a;
  const real a4 = a2 * a2;
  const real a5 = a4 * a;
  const real a6 = a4 * a2;
  const real x = nu * (a + (1 - t2 + k) * a3 / 6 +
                       (5 - 18 * t2 + t2 * t2 + 72 * k - 58 * el.elep2) * a5 / 120);
  const real y = m + nu * t *
                         (a2 / 2 + (5 - t2 + 9 * k + 4 * k * k) * a4 / 24 +
                          (61 - 58 * t2 + t2 * t2 + 600 * k - 330 * el.elep2) * a6 / 720);
  return {x, y};
}

// Auxiliary angle of the Mollweide projection, degrees, for latitudes
// 0 .. 90 degrees; entry 91 repeats 90 for the interpolation at 90.
constexpr std::array<real, 92> rmolle{
    0.0f,  0.8f,  1.6f,  2.4f,  3.1f,  3.9f,  4.7f,  5.5f,  6.3f,  7.1f,  7.9f,  8.7f,  9.4f,
    10.2f, 11.0f, 11.8f, 12.6f, 13.4f, 14.2f, 15.0f, 15.8f, 16.6f, 17.4f, 18.2f, 19.0f, 19.8f,
    20.6f, 21.4f, 22.2f, 23.0f, 23.8f, 24.6f, 25.5f, 26.3f, 27.1f, 27.9f, 28.7f, 29.6f, 30.4f,
    31.2f, 32.1f, 32.9f, 33.8f, 34.6f, 35.5f, 36.3f, 37.2f, 38.0f, 38.9f, 39.8f, 40.6f, 41.5f,
    42.4f, 43.3f, 44.2f, 45.1f, 46.0f, 46.9f, 47.8f, 48.7f, 49.7f, 50.6f, 51.6f, 52.5f, 53.5f,
    54.5f, 55.5f, 56.5f, 57.5f, 58.5f, 59.5f, 60.6f, 61.6f, 62.7f, 63.8f, 65.0f, 66.1f, 67.3f,
    68.5f, 69.7f, 71.0f, 72.3f, 73.6f, 75.0f, 76.5f, 78.1f, 79.7f, 81.5f, 83.5f, 85.9f, 90.0f,
    90.0f};

Plane mollweide(real lon, real lat) {
  const real d = deg(lat);
  const real a = std::fabs(d);
  // A latitude beyond 90 degrees (or not a number) takes the last entry.
  const std::size_t k = a < 90 ? static_cast<std::size_t>(a) : 90;
  const real f = a - static_cast<real>(k);
  const real t = std::fabs(rmolle[k] + f * (rmolle[k + 1] - rmolle[k]));
  const real theta = rad(d < 0 ? -t : t);
  return {0.63661975f * (lon - llpparam.longp1) * std::cos(theta), std::sin(theta)};
}

// The circle construction of Van der Grinten for |lat| = a and |dlon| = l,
// both nonzero and off the poles, on the sphere of radius 1/pi: the
// intersection of the parallel's circle with the meridian's circle, with
// x >= 0 and y >= 0 (the caller gives them their signs). Carried in
// double: the difference of the two circle parameters cancels near the
// equator.
Plane grintencircles(double a, double l) {
  const double pi = anglerad.pi;
  const double q = a / (pi - a);
  const double c = std::sqrt(std::max(0.0, 1 - 4 * a * a / (pi * pi)));
  const double g = std::sqrt(std::max(0.0, 1 - a * a / ((pi - a) * (pi - a))));
  const double t = (2 * a / pi) / (1 + c);
  const double h = q - t;
  const double rp = (h * h + g * g) / (2 * h);
  const double yp = rp + t;
  const double rm = (pi * pi / l + l) / (2 * pi);
  const double cm = rm - l / pi;
  const double hh = std::sqrt(cm * cm + yp * yp);
  const double cb = yp / hh;
  const double sb = cm / hh;
  const double ca = (hh * hh + rm * rm - rp * rp) / (2 * rm * hh);
  const double sa = std::sqrt(std::fabs(1 - ca * ca));
  return {static_cast<real>(rm * (sb * ca + cb * sa) - cm), static_cast<real>(rm * (cb * ca - sb * sa))};
}

Plane vandergrinten(real lon, real lat) {
  real d = lon - llpparam.longp1;
  // Points within half a degree of the central meridian are placed on it.
  if (std::fabs(d) < rad(0.5f)) d = 0;
  const real a = std::fabs(lat);
  const real pi = anglerad.pi;
  Plane p{0, 0};
  if (lat == 0) {
    p.x = std::fabs(d) / pi;
  } else if (d == 0) {
    p.y = (2 * a / pi) / (1 + std::sqrt(std::max(0.0f, 1 - 4 * a * a / (pi * pi))));
  } else if (std::fabs(a - anglerad.pio2) <= 1e-5f) {
    p.y = 1;
  } else {
    p = grintencircles(a, std::fabs(d));
  }
  if (d > 0) p.x = -p.x;
  if (lat < 0) p.y = -p.y;
  return {-p.x, p.y};
}

}  // namespace

void mersphe2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, mercatorsphere);
}

void merel2(std::span<real> x, std::span<real> y, std::span<const real> lon,
            std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, mercatorellipsoid);
}

void lcnesphe2(std::span<real> x, std::span<real> y, std::span<const real> lon,
               std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, cylindricalequalarea);
}

void sanflamsph2(std::span<real> x, std::span<real> y, std::span<const real> lon,
                 std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, sansonflamsteed);
}

void tm2(std::span<real> x, std::span<real> y, std::span<const real> lon,
         std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, transversemercatorsphere);
}

void tme2(std::span<real> x, std::span<real> y, std::span<const real> lon,
          std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, transversemercatorellipsoid);
}

void mollw2(std::span<real> x, std::span<real> y, std::span<const real> lon,
            std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, mollweide);
}

void grinte2(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, vandergrinten);
}
