#pragma once
// The map of the focal-mechanism catalogue: a menu of every map setting and
// a run that draws, in the map's sub-plot of the plot window, the captions,
// the latitude-longitude grid, the map points, the epicentres, the
// horizontal stress symbols of each event and the line files. While it
// draws the stress symbols it lists the principal stress axes of each event
// on the console and, when lwsish is on, writes the Si-Sh table into output
// slot islot of the file table.
#include <span>

#include "catalogue/event_store.h"
#include "platform/real.h"

// Events 1 .. n (indices 0 .. n-1): epicentres rlong, rlat (degrees),
// depth, date and time texts, and the strike, dip and rake (degrees) of the
// nodal plane to map; nmax is the arrays' size. The run projects the
// epicentres into xd, yd (map units). isub is the map's sub-plot. inter 4
// or 5 initialises the map settings and those of the grid, projection,
// map points and stress symbols; any other value runs the menu until 99.
void mapseis4(std::span<real> xd, std::span<real> yd, std::span<const real> rlong,
              std::span<const real> rlat, std::span<const real> depth,
              std::span<const FixedText<10>> date1, std::span<const FixedText<5>> time1,
              std::span<const real> azd1, std::span<const real> dipd1,
              std::span<const real> rakd1, int n, int nmax, int islot, bool lwsish, int isub,
              int inter);
