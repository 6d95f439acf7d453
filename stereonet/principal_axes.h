#pragma once
// Principal axes of a fault plane: the P, B and T axes of a double couple
// as trends and plunges, in the frame north, east, down.
//
// Trends are clockwise from north in (-pi, pi]; plunges in [-pi/2, pi/2],
// positive downwards. An axis pointing upwards is returned as it is (trend
// of its upper end, negative plunge). All angles are radians, all
// arithmetic single precision.
#include <span>

#include "catalogue/angles.h"

// Trends azsr and plunges plsr of the axes P, B, T of the plane (strike,
// dip, rake). With angle 0 they are the pressure, null and tension axes;
// another angle turns the first and third axes about the null axis, the
// first making pi/4 - angle/2 with the slip vector.
void fsadr2steff(std::span<real, 3> azsr, std::span<real, 3> plsr, real strike, real dip,
                 real rake, real angle);
// The same result, its constants taken from trig and its trends from
// panglerad.
void seffapfadrrad(std::span<real, 3> azsr, std::span<real, 3> plsr, real strike, real dip,
                   real rake, real angle);

// Right-handed rotations by ang about the first, second and third axis.
void xrot(Mat33& rm, real ang);
void yrot(Mat33& rm, real ang);
void zrot(Mat33& rm, real ang);
// a := b . c; a may be b or c.
void m33x33(Mat33& a, const Mat33& b, const Mat33& c);

// t(i) := trend of the horizontal direction (x(i) north, y(i) east),
// i = 1 .. n; (0, 0) gives pi/2.
void xy2t(std::span<real> t, std::span<const real> x, std::span<const real> y, int n);
