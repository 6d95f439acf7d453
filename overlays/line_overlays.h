#pragma once
// Line files drawn over the map: coast lines, contour lines and polygons
// of six kinds, read on unit 2, clipped to the map box when asked,
// projected through the current projection and drawn in the current
// sub-plot (the caller has the plot window open and the map's scaling set).
#include <span>

#include "platform/real.h"

// The line-file menu. Modes 4 and 5 initialise its two settings (10 points
// per degree for polygon sides, clipping to the box on) and return; any
// other mode runs the menu until 99, drawing the files chosen there. The
// box (degrees) is read only by the menu.
void contours1(real& longmin, real& longmax, real& latmin, real& latmax, int mode);

// Zone of each point (x(k), y(k)), k = 1 .. n, against the box
// [xmin, xmax] x [ymin, ymax]: 0 inside (edges included), 1 to 8 clockwise
// from top-left (1 top-left, 2 top, 3 top-right, 4 right, 5 bottom-right,
// 6 bottom, 7 bottom-left, 8 left); -1 when x and -2 when y cannot be
// compared (NaN), each with a warning.
void locate2dbox(std::span<int> loc, real xmin, real xmax, real ymin, real ymax,
                 std::span<const real> x, std::span<const real> y, int n);
