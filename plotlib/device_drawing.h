#pragma once
// Device drawing: polylines, polygons, pen moves and text in device pixels
// of the plot window (origin at the bottom-left corner, y upwards), with the
// current attributes of plt2blk, on the drawing context of view. Every
// primitive is finished at once, but for the pen path of deplot, which stays
// open until the next primitive, a page clear or the window's closing
// strokes it (endpath). With no window open nothing is drawn.
#include <span>
#include <string_view>

#include "platform/real.h"

// Open polyline through the first n points (n = 1: a dot at the point).
void deline(std::span<const real> x, std::span<const real> y, int n);
// Closed polygon through the first n points, outlined, and filled with the
// non-zero winding rule when the fill style is not 0.
void depolygon(std::span<const real> x, std::span<const real> y, int n);
// Pen move (ipen 0) or draw (ipen 1) to (x, y) on the open pen path.
void deplot(real x, real y, int ipen);
// Strokes the open pen path, if any.
void endpath();
// Text at (x, y) with the current text colour, height (cm), angle (degrees)
// and justification code.
void detext2(real x, real y, std::string_view text);
// Line width in pixels; below one pixel lines are drawn one pixel wide.
void intslinewidth(real width);
// Font size for a text height in cm on the page.
void intstextsize(real height);
// lde := a page length lcm (cm) in device pixels.
void lengthcm2de(real& lde, real lcm);
