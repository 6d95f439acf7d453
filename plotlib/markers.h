#pragma once
// Markers: small figures of a fixed size on the page, centred on points
// given in user units of the current sub-plot. The size (cm) is the
// diameter of the circle through the figure's outer points; the type code
// picks the figure by its absolute value:
//   3..9   regular polygon of that many sides, a vertex straight up
//   10 dot, 11 horizontal bar, 12 vertical bar, 13 plus, 14 diagonal cross
//   15, 16, 17  asterisks of 6, 3 and 5 spokes
//   20..23 circle with a dot, a horizontal bar, a vertical bar, a plus
//   40     square with sides parallel to the axes
//   others circle of 19 steps
// A negative code fills the closed figures (polygons, circles, square)
// with the fill colour when the fill style is not 0.
#include <span>

#include "platform/real.h"

// Draws the current marker at each of the first n points, in the current
// line colour, fill style, fill colour and line width.
void ussymbol(std::span<const real> x, std::span<const real> y, int n);

// Setters of the symbol type (default 1) and the symbol size in cm
// (default 0.4); no value is checked. Modes: 0 ask offering the value,
// 1 store it, 2 ask offering the stored value, 3 return the stored value,
// 4 ask offering the default, 5 set the default and say so; any other mode
// warns and stores nothing. ssymbolsize asks only in modes 0, 2 and 4.
// ssymboltype asks in every even mode, and has two modes of its own: 102
// prints only the code table (at output level 2) and 200 asks without
// storing, returning the answer.
void ssymboltype(int& itype, int mode);
void ssymbolsize(real& size, int mode);
