#pragma once
// Records of the plotting library, one instance each for the whole run:
// the plot window (windevsize, view), the coordinate systems (plt1blk) and
// the current plot attributes (plt2blk). All are zero until their owners
// set them.
#include <array>

#include "platform/draw_context.h"
#include "platform/plot_window.h"
#include "platform/real.h"

// The plot window's place on the screen and its page set-up.
struct WindevSize {
  int top = 0;     // content area of the window, screen pixels, y downwards
  int left = 0;
  int bottom = 0;
  int right = 0;
  int pagesetup = 0;     // page set-up code 0..4
  real pxpercm = 0.0f;   // pixels per centimetre at 100% scale
};
extern WindevSize windevsize;

struct View {
  PlotWindow* window = nullptr;
  PlotWindow* port = nullptr;      // the window's port: the window itself
  DrawContext* context = nullptr;  // receives every drawing call; null while closed
  int pathopen = 0;                // 1 while a pen path is not yet stroked
};
extern View view;

// Coordinate systems of the page and the sub-plots.
struct Plt1Blk {
  real cmscale = 0.0f;  // device pixels per centimetre of the page
};
extern Plt1Blk plt1blk;

// Colour indices run from 0 (the background) to maxcolor.
constexpr int maxcolor = 12;

// Current plot attributes, read by the device drawing at every primitive.
struct Plt2Blk {
  std::array<real, maxcolor + 1> RED{};    // colour table, percent
  std::array<real, maxcolor + 1> GREEN{};
  std::array<real, maxcolor + 1> BLUE{};
  real txtheight = 0.0f;  // text height, cm on the page
  real txtangle = 0.0f;   // text angle, degrees counter-clockwise
  int icolorplot = 0;     // 1 draw in colour, 0 black and white
  int ilinecolor = 0;     // colour index of lines and outlines
  int ifillstyle = 0;     // 0 hollow, 1 filled polygons
  int ifillcolor = 0;     // colour index of polygon fills
  int ijust = 0;          // text justification code -11..11
  int itextcolor = 0;     // colour index of text
};
extern Plt2Blk plt2blk;
