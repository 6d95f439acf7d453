#pragma once
// Azimuthal projections of the sphere centred on the north pole of their
// frame: the centre maps to (0, 0) and a point at angular distance c from
// it and longitude lon lies at radius rho(c) in the direction
// (sin lon, -cos lon), so that the meridian 0 runs toward negative y.
// The polar routines work in the geographic frame; the oblique ones
// (orthobl2, persobl2) rotate each point into frame b of a2b themselves.
// Arguments as for every projection routine (map/projection_state.h).
#include <span>

#include "platform/real.h"

// Lambert azimuthal equal-area on a sphere of radius 1/2, rho = sin(c/2),
// with c limited to llpparam.angp.
void lazea2(std::span<real> x, std::span<real> y, std::span<const real> lon,
            std::span<const real> lat, int n);
// Stereographic on a sphere of radius 1/2, rho = tan(c/2), c limited to cmax.
void inverspsll(std::span<real> x, std::span<real> y, std::span<const real> lon,
                std::span<const real> lat, int n, real cmax, real xoff, real yoff);
// Orthographic on the unit sphere, rho = sin c, c limited to cmax.
void orthogpsll(std::span<real> x, std::span<real> y, std::span<const real> lon,
                std::span<const real> lat, int n, real cmax, real xoff, real yoff);
// Gnomonic on the unit sphere, rho = cot lat (1e20 on the equator).
void gnomopsll(std::span<real> x, std::span<real> y, std::span<const real> lon,
               std::span<const real> lat, int n, real xoff, real yoff);
// Orthographic on the unit sphere in frame b, without limit.
void orthobl2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n);
// Vertical perspective from the axis, cpp1 = sin(angp/2), cpp2 = cos(angp/2):
// the horizon is the circle of radius 1.
void perspvpsll2(std::span<real> x, std::span<real> y, std::span<const real> lon,
                 std::span<const real> lat, int n, real cpp2, real cpp1, real xoff, real yoff);
// The same in frame b, with the constants of llpparam.
void persobl2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n);

// The perspective constants cpp1 = sin(angp/2), cpp2 = cos(angp/2).
void spers2();
