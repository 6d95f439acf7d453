#pragma once
// Drawing in user units of the current sub-plot (and text at a point of
// the page in centimetres): every point is converted to device pixels and
// handed to the device drawing. Polylines and polygons of any length pass
// through the plot buffer pltbuff1 in pieces of at most mbuff points,
// consecutive pieces sharing one point.
#include <span>
#include <string_view>

#include "platform/real.h"

// Polyline through the first n points (n = 1: a dot at the point).
void usline(std::span<const real> x, std::span<const real> y, int n);
// Closed polygon through the first n points, outlined and, with a fill
// style other than 0, filled. Beyond mbuff vertices it is drawn as several
// closed polygons, with a warning after each but the last.
void uspolygon(std::span<const real> x, std::span<const real> y, int n);
// Pen move (ipen 0) or draw (ipen 1) to the point.
void usplot(real x, real y, int ipen);
// Text at a point in user units / at a point of the page in centimetres.
void ustext2(real x, real y, std::string_view text);
void cmtext2(real x, real y, std::string_view text);
// n arrows from (x1(i), y1(i)) to (x2(i), y2(i)): a shaft of 0.6 of the
// length and an outlined head 0.4 long and 0.3 wide, in user units.
void usarrow1(std::span<const real> x1, std::span<const real> y1, std::span<const real> x2,
              std::span<const real> y2, int n);
// Copies the piece of the n points that begins at index is (from 1) into
// the buffer of mbuff points: nbuff points, then is := the index of the
// piece's last point, where the next piece begins. The arrays hold at least
// n and mbuff points. is > n is an error: nothing is copied and nbuff and
// is are unchanged.
void buffer2(std::span<real> xbuf, std::span<real> ybuf, int mbuff, int& nbuff,
             std::span<const real> x, std::span<const real> y, int n, int& is);
