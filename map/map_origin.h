#pragma once
// The map origin: the point whose projection becomes (0, 0) of the map.
#include "platform/real.h"

// Sets (or, in modes 2 and 3, takes again) the origin, longitude and
// latitude in degrees, through a menu in the even modes, and stores it
// in llorig with its projected coordinates under the current projection
// as the offsets.
void sllorig(real& lon, real& lat, int inter);
