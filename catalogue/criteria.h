#pragma once
// Extraction criteria: the bounds on latitude, longitude and depth, the
// selection polygon on the sphere, the rake intervals and the Frohlich
// limits that decide which catalogue records an extraction run keeps, with
// the menu that sets them and the preparation of the polygon's edge normals.
// Positions are in degrees (latitude north, longitude east positive), depths
// in the catalogue's unit, rakes in degrees.
#include <array>

#include "platform/real.h"

// At most this many polygon vertices.
constexpr int maxpolyvert = 9;

struct SeisTest2 {
  int nfreemijmin = 6;    // Frohlich: minimum number of free moment components
  int npolyvert = 3;      // polygon vertices in use, at most maxpolyvert
  real latmin = -90.0f;   // bounds, inclusive, compared as stored
  real latmax = 90.0f;
  real lonmin = -180.0f;
  real lonmax = 180.0f;
  real depmin = 0.0f;
  real depmax = 50.0f;
  std::array<real, 3> rakemin{-180.0f, -180.0f, -180.0f};  // rake interval k at [k-1]
  std::array<real, 3> rakemax{180.0f, 180.0f, 180.0f};
  std::array<real, maxpolyvert> vrtxlat{0.0f, 60.0f, 0.0f};  // vertex k at [k-1]
  std::array<real, maxpolyvert> vrtxlong{0.0f, 0.0f, 60.0f};
  // Unit vector (x, y, z) of vertex k (great circles) and normal of edge k
  // (from vertex k to the next, the last closing on vertex 1), at [k-1].
  std::array<std::array<real, 3>, maxpolyvert> vrtx1{};
  std::array<std::array<real, 3>, maxpolyvert> vnrm1{};
  real fclvdmax = 0.2f;    // Frohlich: maximum |fclvd|
  real mijerrmax = 0.15f;  // Frohlich: maximum relative error of the components
  bool lextract = false;   // general switch: off applies no test at all
  bool ltestlat = false;
  bool ltestlon = false;
  bool ltestdep = false;
  bool ltestpoly = false;
  bool lgreatcircle = true;  // edges are great-circle arcs, else straight lon-lat lines
  bool lrakeboth = false;    // rake test on both nodal planes, else on either
  std::array<bool, 3> ltestrake{};  // rake interval k active at [k-1]
  bool lfrohlich = false;
};
extern SeisTest2 seistest2;

// Criteria menu: modes 4 and 5 restore the defaults first (vertices 4 to 9
// keep their values); an even mode then shows the menu, an odd one only
// checks the polygon. The routine returns only with a polygon whose every
// edge has a direction, or with the polygon test off, or under a command
// file.
void setseistest6(int mode);

// Unit vectors of the vertices (great-circle polygons) and normals of the
// edges 1 .. npolyvert. ierr: 0, or 10 / 20 when a great-circle / straight
// edge has no direction (each such edge is reported).
void spolygontst(int& ierr, int mode);

// The six bounds, whatever the switches say.
void gscseistest(real& latmin, real& latmax, real& lonmin, real& lonmax, real& depmin,
                 real& depmax);

// Tests of one event for an extraction run, each true when the event is
// kept. seistestloc applies the latitude, longitude, depth and polygon
// tests that are switched on (none while the general switch is off).
// seistestpoly is the polygon test alone: the point lies on the inner side
// of every edge, an edge itself included. seistestrake applies the rake
// intervals to the rakes of nodal planes 1 and 2 while the general switch
// and interval 1 are on.
bool seistestloc(real rlat, real rlong, real depth);
bool seistestpoly(real rlat, real rlong);
bool seistestrake(real rake1, real rake2);
