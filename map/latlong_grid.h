#pragma once
// The latitude-longitude grid of the map: its bounds, the spacing of its
// meridians and parallels, its ticks and tick labels. sllgrid3 sets them,
// drawllgrid draws the grid through the current projection in the current
// sub-plot, and extrllgrid gives the extent of the projected grid box.
#include "platform/real.h"

// Grid parameters, angles in radians; written only by sllgrid3.
struct GridLl {
  real latmin = 0;  // southern border
  real latmax = 0;  // northern border
  real lonmin = 0;  // western border
  real lonmax = 0;  // eastern border
  real latinc = 0;  // spacing asked for between parallels
  real loninc = 0;  // spacing asked for between meridians
  real ticsiz = 0;  // tick length, as an angle of latitude or longitude
  int npgrid = 0;   // equal steps in which each grid line is drawn
  int nptick = 0;   // equal steps in which each tick is drawn
  int igridt = 0;   // 0 no grid, 1 regular grid, 2 ticks out, 3 ticks in
  int ndecim = 0;   // decimals of the tick labels, 0..4
};
extern GridLl gridll;

// Sets the grid parameters, angles in degrees. Modes 2 and 3 start from
// the stored values, 4 and 5 from the defaults, any other mode from the
// values given; an even mode then shows the menu. Every mode but 3 stores
// the values in force, unchecked.
void sllgrid3(real& latmin, real& latmax, real& lonmin, real& lonmax, real& latinc,
              real& loninc, int& npgrid, real& ticsiz, int& nptick, int& igridt, int& ndecim,
              int mode);

// Draws the meridians, the parallels, the ticks along the four borders and
// their labels in the current sub-plot, every point projected on its own.
// The borders always carry a line; the span between them is divided into
// as many equal intervals as the spacing asked for fits into it (at least
// one). A latitude bound beyond a pole is drawn at that pole. Longitude
// bounds more than one turn apart are drawn one turn apart: the bound of
// the smaller magnitude, brought within a turn of 0, and the other one turn
// from it on the side where it was stored.
void drawllgrid();

// The bounds of the grid as it is drawn (above), in degrees: the box the
// map's line files are clipped to.
void drawnllbounds(real& lonmin, real& lonmax, real& latmin, real& latmax);

// The extent of the four projected corners of the grid box, in map units,
// its bounds taken as they are drawn (above).
void extrllgrid(real& xmin, real& ymin, real& xmax, real& ymax);
