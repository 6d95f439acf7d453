#pragma once
// Angle constants, and stateless routines on angles, points of the sphere
// and vectors: degree/radian conversions, unit vectors from longitude and
// latitude and back, a frame rotation, dot and cross products, lengths and
// cyclic reductions. Everything is single precision; elementary functions
// are evaluated in double on the float argument and rounded to float.
//
// Element-by-element routines read element k of every input before they
// write element k of any output, so an output may be the input's storage.
// A count below 1 processes nothing.
#include <array>
#include <cstddef>
#include <span>

#include "platform/real.h"

// The angle constants, from the double-precision arc cosine of 0.
struct Trig {
  real trpi, trpio2, trpio4, trdtor;
  real trpio2i, trpio2s;  // pi/2 minus and plus 1e-5
};
extern Trig trig;

// Multiples of pi, and the degree/radian factors, from trig.trpi.
struct AngleRad {
  real pio4, pio3, pio2, pi3o4, pi, pi3o2, twopi;
  real dtor;  // degrees to radians
  real rtod;  // radians to degrees
};
extern AngleRad anglerad;

// The first seven values of anglerad minus 1e-5 (i) and plus 1e-5 (s):
// bounds for tolerance tests.
struct AngleRadI {
  real pio4i, pio3i, pio2i, pi3o4i, pii, pi3o2i, twopii;
};
extern AngleRadI angleradi;
struct AngleRadS {
  real pio4s, pio3s, pio2s, pi3o4s, pis, pi3o2s, twopis;
};
extern AngleRadS anglerads;

// A 3 x 3 matrix stored column by column; el(m, i, j) is row i, column j,
// counted from 1.
using Mat33 = std::array<real, 9>;
inline real& el(Mat33& m, int i, int j) { return m[static_cast<std::size_t>(3 * (j - 1) + i - 1)]; }
inline real el(const Mat33& m, int i, int j) { return m[static_cast<std::size_t>(3 * (j - 1) + i - 1)]; }

// Rotation from the geographic frame (a) to the oblique frame (b) of the
// map's oblique projections, which set it; the identity until they do.
struct A2b {
  Mat33 ab{1, 0, 0, 0, 1, 0, 0, 0, 1};
};
extern A2b a2b;

// Fills the four constant records and says so on the standard output unit.
void trigoset();

// Degrees to radians and back, one value.
real rad(real x);
real deg(real x);
// out(k) := in(k) in radians / in degrees, k = 1 .. n.
void deg2rad(std::span<real> out, std::span<const real> in, int n);
void rad2deg(std::span<real> out, std::span<const real> in, int n);

// Unit vectors of points given by longitude and latitude (radians): x
// towards longitude 0 on the equator, y towards 90 E, z towards the pole.
void ll2ccn(std::span<real> x, std::span<real> y, std::span<real> z,
            std::span<const real> lon, std::span<const real> lat, int n);
// Longitude in (-pi, pi] and latitude of vectors; a vector that is not of
// unit length is normalised, with a warning when it is off by over 1e-4.
void cc2lln(std::span<real> lon, std::span<real> lat,
            std::span<const real> x, std::span<const real> y, std::span<const real> z, int n);

// xb := a2b.ab . xa; xb may be xa.
void cca2ccb(std::span<real, 3> xb, std::span<const real, 3> xa);

// s(k) := dot product of the k-th n-vectors of ua and va (vectors stored
// one after the other, n components each), k = 1 .. m; s distinct from both.
void scalprodn(std::span<real> s, std::span<const real> ua, std::span<const real> va, int n, int m);
// r(k) := length of the k-th n-vector of v; r distinct from v.
void vecnorm(std::span<real> r, std::span<const real> v, int n, int m);
// wa(:, k) := ua(:, k) x va(:, k) for m 3-vectors; wa may be ua or va.
void vecprod3d(std::span<real> wa, std::span<const real> ua, std::span<const real> va, int m);
// True when w, the cross product of the 3-vectors u and v, gives no
// direction: |w| <= 1e-6 |u| |v|, as rounding leaves it for equal or
// opposite vectors (about 3e-7 for unit vectors of opposite points).
bool crossvanishes(std::span<const real> w, std::span<const real> u, std::span<const real> v);

// Cyclic index: out(k) in 1 .. p, congruent to in(k) modulo p (p >= 1).
void moduri(std::span<int> out, std::span<const int> in, int p, int n);
// out(k) := in(k) reduced into [0, period) (period > 0).
void modulr(std::span<real> out, std::span<const real> in, real period, int n);
// out(k) := in(k) reduced into [origin, origin + period).
void modulro(std::span<real> out, std::span<const real> in, real period, real origin, int n);
