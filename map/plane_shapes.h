#pragma once
// Plane shapes of the map's stress symbols and the affine transforms that
// place them. Points are separate x and y arrays (single precision) with a
// count; angles are radians. The transforms leave a list with n < 1
// untouched, and may write their output over their input: each output point
// depends only on the same input point, read in full before it is written.
#include <span>

#include "plotlib/plot_records.h"
#include "platform/real.h"

// The bar: n = 4 vertices of the rectangle x = 0 .. 1, |y| <= 3/28, not
// closed. A capacity nmax below 4 is an error reported by the argument
// check, and no vertex is written.
void rectangle1(std::span<real> x, std::span<real> y, int& n, int nmax);
// The arrow: n = 7 vertices, tip at the origin pointing towards -x, barbs
// at (3/7, +-3/14), shaft widening from half-width 1/14 at the head to 3/28
// at the tail x = 1. A capacity below 7 is an error, and no vertex is
// written.
void arrow2d(std::span<real> x, std::span<real> y, int& n, int nmax);

// Scaling about the origin by k, equal in x and y.
void homot02d1(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
               std::span<const real> yi, int n, real k);
// Translation by (dx, dy).
void transl2d1(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
               std::span<const real> yi, int n, real dx, real dy);
// m := the rotation by a, counter-clockwise in a frame whose y axis points up.
void matrot2drad(Mat22& m, real a);
// Rotation by a about (xc, yc), counter-clockwise for a > 0.
void rot2daff(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
              std::span<const real> yi, int n, real xc, real yc, real a);
