#pragma once
// The reference ellipsoid of the ellipsoidal projections: a table of nine
// ellipsoids, the setter that chooses one and derives its constants, and
// the meridian distance.
#include <span>

#include "platform/real.h"

// The ellipsoid in force; written only by sellipsoid.
struct Ellipsoid {
  real ela = 0;    // equatorial radius a, metres
  real elb = 0;    // polar radius b, metres
  real ele = 0;    // eccentricity e
  real ele2 = 0;   // e^2 = 1 - b^2/a^2
  real ele4 = 0;   // e^4
  real ele6 = 0;   // e^6
  real elep2 = 0;  // second eccentricity squared, e^2/(1 - e^2)
  // Meridian distance in units of a:
  // M(phi) = elm0 phi + elm2 sin 2phi + elm4 sin 4phi + elm6 sin 6phi.
  real elm0 = 0;
  real elm2 = 0;
  real elm4 = 0;
  real elm6 = 0;
};
extern Ellipsoid ellipsoid;

// Sets (or, in modes 2 and 3, takes again) the ellipsoid number 1 .. 9,
// through a menu in the even modes, prints the chosen ellipsoid and fills
// the record ellipsoid.
void sellipsoid(int& number, int mode);

// Meridian distance from the equator, in units of ela, of latitudes in
// radians (negative in the south); distances may be latitudes.
void lat2disel(std::span<real> distances, std::span<const real> latitudes, int n);
