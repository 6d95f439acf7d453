#include "map/azimuthal.h"

#include <array>
#include <cmath>

#include "catalogue/angles.h"
#include "map/oblique.h"
#include "map/projection_state.h"

namespace {

// The point at radius rho in the direction of longitude lon.
Plane polar(real rho, real lon) { return {std::sin(lon) * rho, -std::cos(lon) * rho}; }

// The polar projections whose radius is a function of the angular distance
// from the pole, limited to cmax.
template <typename Radius>
void limited(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n, real cmax, real xoff, real yoff, Radius radius) {
  projecteach(x, y, lon, lat, n, xoff, yoff, [cmax, radius](real lo, real la) {
    const real c = anglerad.pio2 - la;
    return polar(radius(cmax < c ? cmax : c), lo);
  });
}

// The perspective view of the unit vector v. Where 1 - cpp1 Z vanishes
// (the centre seen from an angle of view of pi, where everything collapses
// onto the centre) the point is placed at the centre.
Plane perspective(const std::array<real, 3>& v, real cpp2, real cpp1) {
  const real d = 1 - cpp1 * v[2];
  if (d == 0) return {0, 0};
  const real k = cpp2 / d;
  return {k * v[1], -k * v[0]};
}

}  // namespace

void lazea2(std::span<real> x, std::span<real> y, std::span<const real> lon,
            std::span<const real> lat, int n) {
  limited(x, y, lon, lat, n, llpparam.angp, llorig.xoff, llorig.yoff,
          [](real c) { return std::sin(c / 2); });
}

void inverspsll(std::span<real> x, std::span<real> y, std::span<const real> lon,
                std::span<const real> lat, int n, real cmax, real xoff, real yoff) {
  limited(x, y, lon, lat, n, cmax, xoff, yoff, [](real c) { return std::tan(c / 2); });
}

void orthogpsll(std::span<real> x, std::span<real> y, std::span<const real> lon,
                std::span<const real> lat, int n, real cmax, real xoff, real yoff) {
  limited(x, y, lon, lat, n, cmax, xoff, yoff, [](real c) { return std::sin(c); });
}

void gnomopsll(std::span<real> x, std::span<real> y, std::span<const real> lon,
               std::span<const real> lat, int n, real xoff, real yoff) {
  projecteach(x, y, lon, lat, n, xoff, yoff, [](real lo, real la) {
    const real s = std::sin(la);
    return polar(s == 0 ? projinfinity : std::cos(la) / s, lo);
  });
}

void orthobl2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, [](real lo, real la) {
    const std::array<real, 3> v = obliquevector(lo, la);
    return Plane{v[1], -v[0]};
  });
}

void perspvpsll2(std::span<real> x, std::span<real> y, std::span<const real> lon,
                 std::span<const real> lat, int n, real cpp2, real cpp1, real xoff, real yoff) {
  projecteach(x, y, lon, lat, n, xoff, yoff, [cpp2, cpp1](real lo, real la) {
    return perspective(unitvector(lo, la), cpp2, cpp1);
  });
}

void persobl2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n) {
  projecteach(x, y, lon, lat, n, llorig.xoff, llorig.yoff, [](real lo, real la) {
    return perspective(obliquevector(lo, la), llpparam.cpp2, llpparam.cpp1);
  });
}

void spers2() {
  llpparam.cpp1 = std::sin(llpparam.angp / 2);
  llpparam.cpp2 = std::cos(llpparam.angp / 2);
}
