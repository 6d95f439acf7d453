#pragma once
// Circles and circular arcs in user units of the current sub-plot, sampled
// through the curve kit's running point into cc2dbuff and drawn as one
// polyline with the current line attributes. Angles are radians,
// counter-clockwise from the user x axis. Each call overwrites ptblock and
// cc2dbuff.
#include "platform/real.h"

// Full circle of centre (xc, yc) and radius r: np points on the turn, the
// first at angle 0 and the last at 2 pi, on top of it.
void uscircle(real xc, real yc, real r, int np);
// Arc from angle a1 to angle a2 (clockwise when a2 < a1), np being the
// number of points a whole turn would have; both ends are drawn.
void usacircle(real xc, real yc, real r, real a1, real a2, int np);
