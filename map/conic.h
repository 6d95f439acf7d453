#pragma once
// Conic and polyconic projections, whose parallels are circle arcs:
// Lambert conformal conic (sphere and ellipsoid), Albers equal-area conic
// with one standard parallel, Bonne, Werner, the polyconic, and the
// modified polyconic of the international map of the world (IMW), with
// the routines that derive their constants from the stored parameters.
// Arguments as for every projection routine (map/projection_state.h).
#include <array>
#include <span>

#include "platform/real.h"

// Constants of the IMW projection (angles in radians, lengths in units of
// the equatorial radius); written only by simwpoly2. Index 0 is the first
// reference parallel, 1 the second.
struct ForImwPoly {
  std::array<real, 2> lat00{};  // the reference parallels
  // The true-scale meridian's point at meridian distance M lies at
  // (mx0 + mx1 M, my0 + my1 M).
  real mx0 = 0;
  real mx1 = 0;
  real my0 = 0;
  real my1 = 0;
  std::array<real, 2> r00{};  // radii of the reference parallels' circles
  real dyp = 0;  // y of the second reference parallel on the central meridian
};
extern ForImwPoly forimwpoly;

// Lambert conformal conic, y from the equator's point on the central
// meridian: on the unit sphere and on the ellipsoid.
void lcc2(std::span<real> x, std::span<real> y, std::span<const real> lon,
          std::span<const real> lat, int n);
void lcce2(std::span<real> x, std::span<real> y, std::span<const real> lon,
           std::span<const real> lat, int n);
// Albers equal-area conic with one standard parallel, unit sphere, central
// meridian 0; the standard parallel crosses it at y = 0.
void albesph2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n);
// Bonne, unit sphere, central meridian 0; the standard parallel crosses it
// at y = 0.
void bonnesph2(std::span<real> x, std::span<real> y, std::span<const real> lon,
               std::span<const real> lat, int n);
// Werner (Bonne with the pole as standard parallel), the pole at (0, 0).
void wernesphe2(std::span<real> x, std::span<real> y, std::span<const real> lon,
                std::span<const real> lat, int n);
// Polyconic, unit sphere, origin on the equator.
void polyco2(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n);
// IMW modified polyconic on the ellipsoid, with the constants of forimwpoly.
void imwpoly2(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n);

// Constants of llpparam from its angles: Lambert conformal conic on the
// sphere (slcc2) and on the ellipsoid (slcce2, after sellipsoid), Albers
// (salbesph2) and Bonne (sbonnesph2).
void slcc2();
void slcce2();
// True when the standard parallels latp1 and latp2 are symmetric about the
// equator (their sum within 1e-5 radians of 0): no Lambert cone passes
// through them (n = 0, every point on the origin).
bool conelessparallels();
void salbesph2();
void sbonnesph2();
// The record forimwpoly from longp1, longp2, latp1, latp2 and the ellipsoid.
void simwpoly2();
