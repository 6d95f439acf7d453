#pragma once
// Coordinate systems of the plot: user units of the current sub-plot,
// centimetres on the A4 page (origin at its bottom-left corner) and device
// pixels of the plot window (origin bottom-left, y upwards). The maps live
// in plt1blk; the routines here select the current sub-plot, derive the
// user-to-device and centimetre-to-user maps from the user-to-centimetre
// map, and convert points.
//
// The point converters read both inputs of a point before they write
// either output, so an output may be the input's storage; n < 1 converts
// nothing. The matrix routines build their result before storing it, so it
// may be one of the operands.
#include <span>

#include "platform/real.h"
#include "plotlib/plot_records.h"

// Selects the current sub-plot (1..maxsubplot). Modes 0 and 1 select isub,
// 2 and 3 return the current number in isub, 4 to 7 select sub-plot 1 and
// say so; any other mode selects isub. Even modes show the sub-plot box.
// A number out of range is an error whose tail may stop the run; going on
// selects sub-plot 1.
void ssubplot(int& isub, int mode);

// Centimetre-to-device map from the page set-up of the open window.
void scm2de();
// User-to-device map of the current sub-plot from its user-to-centimetre map.
void sus2de();
// Centimetre-to-user map of the current sub-plot: the inverse of its
// user-to-centimetre map. A singular map is an error stop; going on keeps
// the previous centimetre-to-user map.
void scm2us();

void us2de(std::span<real> xde, std::span<real> yde, std::span<const real> xu,
           std::span<const real> yu, int n);
void cm2de(std::span<real> xde, std::span<real> yde, std::span<const real> xcm,
           std::span<const real> ycm, int n);
void cm2us(std::span<real> xu, std::span<real> yu, std::span<const real> xcm,
           std::span<const real> ycm, int n);

// a := b c.
void m22x21(Vec2& a, const Mat22& b, const Vec2& c);
void m22x22(Mat22& a, const Mat22& b, const Mat22& c);
// w(i) := u(i) + v(i), i = 1 .. n.
void vsum(std::span<real> w, std::span<const real> u, std::span<const real> v, int n);
// Determinant of b; b can be inverted when it is not 0.
real determinant(const Mat22& b);
// a := inverse of b. A singular b gives an error banner and the error stop
// of level 1; when the user goes on, a is unchanged and false is returned.
bool minv2d(Mat22& a, const Mat22& b);
