#pragma once
// The stress regime of a focal mechanism and the azimuth of its maximum
// horizontal stress SHmax, from the three principal stress axes S1, S2, S3
// (most to least compressive) given as azimuths and plunges in radians.
// Plunges count by their absolute value. Single precision throughout.
#include <span>

#include "platform/real.h"

// For each datum k = 1 .. n: isv(k) is the index of the steepest axis and
// azshmax(k) the SHmax azimuth in [0, 2 pi), taken along the flattest axis
// when that is S1, along S2 when S2 is the flattest and S1 the steepest,
// and across the flattest axis otherwise. On equal plunges the lower index
// wins. isv(k) is made negative when the steepest plunge is below
// threshold, and stays 0 when all three plunges are 0. A plunge above
// pi/2 is reported and taken as pi/2 (+ 1e-5).
void siap2sv(std::span<real> azshmax, std::span<int> isv, std::span<const real> az1,
             std::span<const real> pl1, std::span<const real> az2, std::span<const real> pl2,
             std::span<const real> az3, std::span<const real> pl3, real threshold, int n);

// out(k) := in(k) reduced into [0, 2 pi), k = 1 .. n; out may be in.
void na2pin(std::span<real> out, std::span<const real> in, int n);
