#pragma once
// The state of the map projection and the one routine that projects:
// projlln turns longitudes and latitudes (radians) into map coordinates
// through the projection whose code is current. Map units are those of a
// sphere of radius 1 (or of the ellipsoid scaled to an equatorial radius
// of 1), except where a projection states another radius.
//
// Every projection routine takes (x, y, lon, lat, n): it projects points
// k = 1 .. n in order, reads lon(k) and lat(k) before it writes x(k) and
// y(k) (so x may be lon and y may be lat), subtracts the origin offsets as
// its last step and does nothing for n < 1.
#include <cstddef>
#include <span>

#include "platform/real.h"

// The projection codes, in the order of the table of projections.
namespace projcode {
inline constexpr int tmsphere = 1, tmellipsoid = 2, lccsphere = 3, lccellipsoid = 4;
inline constexpr int lazeapolar = 5, lazeaoblique = 6, stereopolar = 7, stereooblique = 8;
inline constexpr int orthopolar = 9, orthooblique = 10, perspolar = 11, persoblique = 12;
inline constexpr int polyconic = 13, imw = 14, mercatorsphere = 15, mercatorellipsoid = 16;
inline constexpr int gnomopolar = 17, gnomooblique = 18, albers = 19, bonne = 20, werner = 21;
inline constexpr int sansonflamsteed = 22, lambertcylindrical = 23, mollweide = 24;
inline constexpr int vandergrinten = 25;
}  // namespace projcode

// Current projection code, 1 .. 25 (15, spherical Mercator, by default);
// written by the projection menu.
struct ProjType {
  int iproj = 0;
};
extern ProjType projtype;

// Map origin and its projected coordinates, subtracted from every
// projected point so that the origin maps to (0, 0); written by the origin
// setting.
struct LlOrig {
  real xoff = 0;   // map units
  real yoff = 0;   // map units
  real lonor = 0;  // radians
  real lator = 0;  // radians
};
extern LlOrig llorig;

// Projection parameters (radians) and the constants derived from them;
// written by the parameter setters. cpp1, cpp2, cpp3 mean, by family:
// Lambert conformal conic n and F; perspective sin(angp/2) and
// cos(angp/2); Albers sin latp1, cos latp1 and 1 + sin^2 latp1; Bonne
// cot latp1 and cot latp1 + latp1.
struct LlpParam {
  real longp1 = 0;  // central meridian
  real longp2 = 0;  // second meridian: the true-scale meridian of IMW
  real latp1 = 0;   // first standard parallel
  real latp2 = 0;   // second standard parallel
  real cpp1 = 0;
  real cpp2 = 0;
  real cpp3 = 0;
  real angp = 0;    // central angle: limit of the polar azimuthals, angle of view
};
extern LlpParam llpparam;

// The value, in map units, of a coordinate a projection cannot place
// (the nearest single-precision value to 1e20).
constexpr real projinfinity = 1e20f;

// Projects n points with the current projection. A code outside 1 .. 25
// is reported and the projection is chosen again before projecting.
void projlln(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n);

// A point of the plane before the origin offsets are subtracted.
struct Plane {
  real x, y;
};

// The loop every projection routine runs: point(lon, lat) gives the plane
// point, from which the offsets are subtracted.
template <typename Point>
void projecteach(std::span<real> x, std::span<real> y, std::span<const real> lon,
                 std::span<const real> lat, int n, real xoff, real yoff, Point point) {
  for (std::size_t k = 0; static_cast<int>(k) < n; ++k) {
    const Plane p = point(lon[k], lat[k]);
    x[k] = p.x - xoff;
    y[k] = p.y - yoff;
  }
}
