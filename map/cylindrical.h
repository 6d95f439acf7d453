#pragma once
// Cylindrical and pseudo-cylindrical projections: Mercator (sphere and
// ellipsoid), Lambert cylindrical equal-area, Sanson-Flamsteed, transverse
// Mercator (sphere and ellipsoid), Mollweide and Van der Grinten.
// Arguments as for every projection routine (map/projection_state.h);
// longitudes are used as given, never brought into a range.
#include <span>

#include "platform/real.h"

// Mercator on the unit sphere, central meridian 0.
void mersphe2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n);
// Mercator on the ellipsoid of equatorial radius 1, central meridian 0.
void merel2(std::span<real> x, std::span<real> y, std::span<const real> lon,
            std::span<const real> lat, int n);
// Lambert cylindrical equal-area, normal aspect, unit sphere.
void lcnesphe2(std::span<real> x, std::span<real> y, std::span<const real> lon,
               std::span<const real> lat, int n);
// Sanson-Flamsteed (sinusoidal), unit sphere, central meridian 0.
void sanflamsph2(std::span<real> x, std::span<real> y, std::span<const real> lon,
                 std::span<const real> lat, int n);
// Transverse Mercator on the unit sphere about llpparam.longp1; the far
// hemisphere lies between y = pi/2 (north pole) and 3 pi/2 (south pole).
void tm2(std::span<real> x, std::span<real> y, std::span<const real> lon,
         std::span<const real> lat, int n);
// Transverse Mercator on the ellipsoid (the series with scale 1 on the
// central meridian and origin on the equator).
void tme2(std::span<real> x, std::span<real> y, std::span<const real> lon,
          std::span<const real> lat, int n);
// Mollweide on the oval of semi-axes 2 and 1, the auxiliary angle taken
// from a table by degree of latitude.
void mollw2(std::span<real> x, std::span<real> y, std::span<const real> lon,
            std::span<const real> lat, int n);
// Van der Grinten (I) on the sphere of radius 1/pi, by the intersection of
// the circles of the parallel and of the meridian.
void grinte2(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n);
