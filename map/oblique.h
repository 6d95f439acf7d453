#pragma once
// The oblique aspect: the centre of the oblique projections, the rotation
// a2b.ab (catalogue/angles.h) that brings it to the north pole, and the
// rotation of points into that frame.
//
// Frame b has the centre at its north pole, the meridian running south
// from the centre at its longitude 0 and the direction east at the centre
// at its longitude +90 degrees.
#include <array>
#include <span>

#include "catalogue/angles.h"
#include "platform/real.h"

// Sets (or, in modes 2 and 3, takes again) the oblique centre, longitude
// and latitude in degrees, through a menu in the even modes, and builds
// a2b.ab from it.
void soblique(real& lon, real& lat, int mode);

// Sets (or, in modes 2 and 3, returns) the matrix a2b.ab, through a menu
// of its nine elements in the even modes; aba holds it on return.
void smatab33(Mat33& aba, int mode);

// a := the transpose of b; a may be b.
void mtrans(Mat33& a, const Mat33& b);

// Rotates n points (radians) from the geographic frame into frame b;
// lonb may be lona and latb may be lata.
void lla2llb(std::span<real> lonb, std::span<real> latb, std::span<const real> lona,
             std::span<const real> lata, int n);

// The unit vector of a point (radians), as ll2ccn gives it.
std::array<real, 3> unitvector(real lon, real lat);
// The unit vector of a geographic point (radians) expressed in frame b.
std::array<real, 3> obliquevector(real lon, real lat);
