#pragma once
// Stereonet projections: directions of the lower hemisphere onto the plane
// of the net, equal-angle (Wulff) or equal-area (Schmidt), with direct or
// retrograde X, Y axes. One projection is current for the whole program.
//
// A direction is its azimuth (trend, clockwise from north) and its plunge
// (positive downwards), in radians. Net units: the horizontal plane projects
// on the circle of radius 1, the downward vertical on the origin. Direct
// axes put north on +x and east on +y; retrograde axes put north on +y and
// east on +x. All arithmetic is single precision.
#include <span>

#include "platform/real.h"

// The current projection: 1 Wulff direct, 2 Wulff retrograde, 3 Schmidt
// direct, 4 Schmidt retrograde; 0 until the first set-up.
struct SprojType {
  int iproj = 0;
};
extern SprojType sprojtype;

// Parameters of the equal-area projection: the largest angular distance
// from the net centre that is projected (radians), and the radius factor
// sqrt 2 that puts the horizontal on the unit circle.
struct SchmidtParams {
  real dmax = 0.0f;
  real rfactor = 0.0f;
};
extern SchmidtParams schmidtparams;

// Parameters of the equal-angle projection: the largest angular distance
// from the net centre that is projected (radians).
struct WulfParams {
  real dmax = 0.0f;
};
extern WulfParams wulfparams;

// Sets the current projection through its menu (setter mode): 2 and 3
// offer the stored number, 4 to 7 the default 4 with its initialising
// lines; an even mode asks. The chosen projection's parameters are set up
// again in every mode.
void sspro(int& iproj, int mode);

// Net coordinates (x, y) of n directions (az, pl) in the current
// projection. x may be az and y may be pl: each direction is read before
// its coordinates are written. A current number that is not a projection
// is reported and the projection menu asked first.
void spron(std::span<real> x, std::span<real> y, std::span<const real> az,
           std::span<const real> pl, int n);

// The two projections with direct axes: first(i) := r cos az(i),
// second(i) := r sin az(i), r the projected radius of the angular distance
// from the downward vertical, limited to the projection's dmax;
// r = sqrt 2 sin(d/2) (equal area) or tan(d/2) (equal angle).
void schmidtn(std::span<real> first, std::span<real> second, std::span<const real> az,
              std::span<const real> pl, int n);
void wulfn(std::span<real> first, std::span<real> second, std::span<const real> az,
           std::span<const real> pl, int n);

// Set the projection's largest angular distance from dmax (degrees; modes
// 4 to 7 reset it to 180). An even mode shows what is set; nothing is asked.
void sschmidt(real& dmax, int mode);
void swulf(real& dmax, int mode);
