#pragma once
// Test helpers for the map projections: a whole projection state set
// through its setters, and one point projected in degrees.
#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "map/ellipsoids.h"
#include "map/oblique.h"
#include "map/projection_menu.h"
#include "map/projection_parameters.h"
#include "map/projection_state.h"

// The parameters of a projection, in degrees, with the defaults of the
// start-up.
struct Params {
  double longp1 = 0, longp2 = 0, latp1 = 30, latp2 = 60, angp = 180;
  int ellipsoid = 1;
  double centrelon = 0, centrelat = 45;
};

// Initialises the whole projection state as the start-up does.
inline void initialiseprojection() {
  ConsoleCapture quiet;
  trigoset();
  int code = 0;
  sprojll2(code, 5);
}

// Stores the parameters, applies the code without a dialogue (the
// derived constants computed as the projection menu computes them; the
// IMW true-scale meridian is the central one plus 2 degrees) and zeroes
// the origin offsets, so that points come out before the offsets.
inline void use(int code, const Params& p = {}) {
  ConsoleCapture quiet;
  real v = static_cast<real>(p.longp1);
  slong1(v, 1);
  v = static_cast<real>(p.longp2);
  slong2(v, 1);
  v = static_cast<real>(p.latp1);
  slat1(v, 1);
  v = static_cast<real>(p.latp2);
  slat2(v, 1);
  v = static_cast<real>(p.angp);
  sangle1(v, 1);
  int e = p.ellipsoid;
  sellipsoid(e, 1);
  real lon = static_cast<real>(p.centrelon), lat = static_cast<real>(p.centrelat);
  soblique(lon, lat, 1);
  int c = code;
  sprojll2(c, 1);
  llorig.xoff = 0;
  llorig.yoff = 0;
}

// One point, degrees in, map units out, through the dispatcher.
inline Plane at(double lon, double lat) {
  real lo = rad(static_cast<real>(lon)), la = rad(static_cast<real>(lat));
  Plane p{0, 0};
  projlln(std::span(&p.x, 1), std::span(&p.y, 1), std::span(&lo, 1), std::span(&la, 1), 1);
  return p;
}

class Projections : public testing::Test {
 protected:
  void SetUp() override { initialiseprojection(); }
};
