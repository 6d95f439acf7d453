#pragma once
// Symbols of the horizontal stress directions on the map: for each
// epicentre, a marker, and on both sides of it a pair of shapes along the
// maximum horizontal stress SHmax and a pair across it (Shmin). Along a
// direction that carries S1 the shapes are arrows pointing at the
// epicentre, along one that carries S3 arrows pointing away from it, along
// one that carries S2 bars.
#include <span>

#include "platform/real.h"

// Stress symbol parameters; changed only through smapsh2.
struct MapShPar {
  real sizmaxa = 0.0f;  // marker size, cm; full symbol length in units of 5 cm
  real sizmina = 0.0f;  // small symbol length in units of 5 cm
  int iepia = 0;        // epicentre marker type, 0 none (negative: filled)
  int isha = 0;         // -2 Shmin only, -1 SHmax small, 0 both full,
                        // 1 Shmin small, 2 SHmax only
};
extern MapShPar mapshpar;

// Settings of the stress symbols, with the setter modes: 0 and 1 take the
// values given, 2 and 3 the stored ones, 4 and 5 the defaults; any other
// mode takes the values given. Values given are checked (a size <= 0 or a
// Sh type outside -2..2 is reset with a warning). An even mode then shows
// the menu. The values in force are returned and stored.
void smapsh2(real& sizmaxa, real& sizmina, int& iepia, int& isha, int mode);

// Draws the stress symbols of n epicentres (x(i), y(i)) in user units of the
// current sub-plot: az(i) is the SHmax azimuth in radians, clockwise from
// the plot's +y, isv(i) the index 1..3 of the vertical principal axis.
// Markers first, then the SHmax symbols, then the Shmin symbols. The
// plotting library's marker size and type are restored before it returns.
void dmapsh2(std::span<const real> x, std::span<const real> y, std::span<const real> az,
             std::span<const int> isv, int n);
