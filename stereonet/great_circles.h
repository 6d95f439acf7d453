#pragma once
// Nodal planes on a stereonet: the half of each plane's great circle that
// lies in the hemisphere of non-negative plunge, projected in the current
// projection and drawn as one polyline in net units of the current sub-plot.
#include <span>

#include "platform/real.h"

// Number of points of one half great circle, both ends counted; 40 by
// default.
struct DspGcBk {
  int npgc = 0;
};
extern DspGcBk dspgcbk;

// Draws the half great circles of n planes (strike, dip: radians, the plane
// dipping towards strike + pi/2), from the horizontal direction of the
// strike through the steepest line to the strike's opposite. A count out of
// 1..1000 in dspgcbk is corrected there first, with the curve kit's banner.
// Overwrites ptblock, cc2dbuff and cc3dbuff.
void dspgcfadn(std::span<const real> strike, std::span<const real> dip, int n);

// Setter of the number of points per great circle (setter mode convention:
// 2, 3 load the stored count, 4, 5 set 40 and say so; even modes show the
// menu; every mode stores np, unchecked).
void sdspgc(int& np, int mode);
