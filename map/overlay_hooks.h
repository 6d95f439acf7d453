#pragma once
// The map overlays (points from column files, line files) are drawn by a
// library above the map. The map reaches them through these two entries,
// which the main program fills at start-up before the map initialises; an
// entry left empty is skipped.
#include "platform/real.h"

struct MapOverlays {
  // The map points: lproj true projects degrees, false takes plot units;
  // mode 4 or 5 initialises, any other runs its menu.
  void (*points)(bool& lproj, int mode) = nullptr;
  // The line files, clipped to the box longmin..longmax, latmin..latmax
  // (degrees); mode 4 or 5 initialises, any other runs its menu.
  void (*linefiles)(real& longmin, real& longmax, real& latmin, real& latmax, int mode) = nullptr;
};
// Owned by the catalogue map; set only by the main program.
extern MapOverlays mapoverlays;
