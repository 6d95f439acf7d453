#pragma once
// The stress-axes listing: for each datum the vertical-axis index, the
// azimuth of the maximum horizontal stress and the azimuth and plunge of
// the principal stress axes S1, S2 and S3, in degrees.
#include <span>

#include "platform/real.h"

// Prints the header and a row for each of the n data whose isv is not 1, 2
// or 3 (angles given in radians) on unit iunit: columns joined by '|' and
// the header framed by rules on the console (unit 6), joined by TABs on
// any other unit.
void writepbsv(std::span<const real> azshmax, std::span<const int> isv,
               std::span<const real> azs1, std::span<const real> pls1,
               std::span<const real> azs2, std::span<const real> pls2,
               std::span<const real> azs3, std::span<const real> pls3, int n, int iunit);
