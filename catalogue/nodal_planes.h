#pragma once
// Nodal-plane geometry: the auxiliary (second) nodal plane of a
// double-couple mechanism, through fault frame matrices.
//
// Frame: x north, y east, z down. A plane is strike (the plane dips to its
// right), dip and rake (positive for a hanging wall moving up). A fault
// frame is a rotation whose columns are the slip vector, the null axis and
// the downward normal: Rz(theta) . Rx(phi) . Rz(psi) with theta = strike,
// phi = dip and psi = -rake. All arithmetic is single precision.
#include <span>

#include "catalogue/angles.h"

// The auxiliary plane of the plane (strike, dip, rake), in degrees:
// strike2 in (-180, 180], dip2 in [0, 90], rake2 in [-180, 180).
void nodalpladrdeg(real& strike2, real& dip2, real& rake2, real strike, real dip, real rake);
// The same in radians.
void nodalpladrrad(real& strike2, real& dip2, real& rake2, real strike, real dip, real rake);

// se(k) := Rz(theta(k)) . Rx(phi(k)) . Rz(psi(k)) for frames k = 1 .. n.
void eu2se123(std::span<Mat33> se, std::span<const real> theta, std::span<const real> phi,
              std::span<const real> psi, int n);
// The Euler angles of frames 1 .. n: theta in (-pi, pi], phi in [0, pi],
// psi in (-pi, pi]; a frame whose third column is vertical gives theta 0.
// An element (3,3) beyond +-1 is reported and reset to +-1 in se.
void se1232eu(std::span<real> theta, std::span<real> phi, std::span<real> psi,
              std::span<Mat33> se, int n);

// The polar angle of (x, y) in (-pi, pi], from the x axis towards the y
// axis (an azimuth for north and east components); (0, 0) gives pi/2.
real panglerad(real x, real y);
