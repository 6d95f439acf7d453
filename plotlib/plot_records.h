#pragma once
// Records of the plotting library, one instance each for the whole run:
// the plot window (windevsize, view), the coordinate systems (plt1blk),
// the sub-plot titles (pltcharblk), the plot buffer (pltbuff1) and the
// current plot attributes (plt2blk). All are zero until their owners set
// them.
#include <array>
#include <cstddef>
#include <string>

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

// Number of sub-plots, numbered 1..maxsubplot.
constexpr int maxsubplot = 35;

// A plane vector, and a 2 x 2 matrix stored column by column:
// (1,1), (2,1), (1,2), (2,2). el(m, i, j) is row i, column j, from 1.
using Vec2 = std::array<real, 2>;
using Mat22 = std::array<real, 4>;
inline real& el(Mat22& m, int i, int j) { return m[static_cast<std::size_t>(2 * (j - 1) + i - 1)]; }
inline real el(const Mat22& m, int i, int j) {
  return m[static_cast<std::size_t>(2 * (j - 1) + i - 1)];
}

// Index of sub-plot k (1..maxsubplot) in the per-sub-plot arrays.
inline std::size_t subindex(int k) { return static_cast<std::size_t>(k - 1); }

// Coordinate systems of the page and the sub-plots. Every map is affine:
// p' = M p + c. Per sub-plot arrays are indexed with subindex.
struct Plt1Blk {
  std::array<Vec2, maxsubplot> cm0tode{};  // centimetre to device offset
  Mat22 cmtode{};                          // centimetre to device matrix, all sub-plots
  real cmscale = 0.0f;                     // device pixels per centimetre of the page
  std::array<Vec2, maxsubplot> us0tode{};  // user to device
  std::array<Mat22, maxsubplot> ustode{};
  std::array<Vec2, maxsubplot> us0tocm{};  // user to centimetre: xcm0, ycm0
  std::array<Mat22, maxsubplot> ustocm{};  // xx, yx, xy, yy
  std::array<Vec2, maxsubplot> cm0tous{};  // centimetre to user
  std::array<Mat22, maxsubplot> cmtous{};
  // The limits form of the user to centimetre map: the page point where
  // (xumin, yumin) lands, the user limits xumin, xumax, yumin, yumax, the
  // page lengths, and whether the X and Y scales are made equal (1).
  std::array<Vec2, maxsubplot> usmintocm{};
  std::array<std::array<real, 4>, maxsubplot> usextr{};
  std::array<Vec2, maxsubplot> cmaxlength{};
  std::array<int, maxsubplot> isoxy{};
  int isub = 0;  // current sub-plot, 1..maxsubplot once one is chosen
};
extern Plt1Blk plt1blk;

// Number of the current sub-plot; sub-plot 1 before any is chosen.
inline int currentsub() { return plt1blk.isub < 1 ? 1 : plt1blk.isub; }

// Colour indices run from 0 (the background) to maxcolor.
constexpr int maxcolor = 12;

// Width of a colour name.
constexpr std::size_t colornamewidth = 8;

// Index of colour k (0..maxcolor) in the colour arrays.
inline std::size_t colorindex(int k) { return static_cast<std::size_t>(k); }

// Character attributes of the plot: the sub-plots' titles (20 characters,
// empty until set) and the colour names (8 characters, set with the table).
struct PltCharBlk {
  std::array<std::string, maxsubplot> subplotitle{};
  std::array<std::string, maxcolor + 1> colornam{};
};
extern PltCharBlk pltcharblk;

// Capacity of the plot buffer, in points.
constexpr int mbuff = 501;

// The plot buffer: the piece of a polyline, polygon or marker being drawn,
// in user units when filled and in device pixels once converted in place.
struct PltBuff1 {
  std::array<real, mbuff> xdevbuff{};
  std::array<real, mbuff> ydevbuff{};
};
extern PltBuff1 pltbuff1;

// Current plot attributes, read by the device drawing at every primitive
// and written only by their setters.
struct Plt2Blk {
  std::array<real, maxcolor + 1> RED{};    // colour table, percent
  std::array<real, maxcolor + 1> GREEN{};
  std::array<real, maxcolor + 1> BLUE{};
  real thickness = 0.0f;  // line thickness, cm on the page
  real txtheight = 0.0f;  // text height, cm on the page
  real txtangle = 0.0f;   // text angle, degrees counter-clockwise
  real symbsize = 0.0f;   // marker size, cm on the page
  int ncolor = 0;         // highest usable colour index, 1..maxcolor
  int icolorplot = 0;     // 1 draw in colour, 0 black and white
  int ilinecolor = 0;     // colour index of lines and outlines
  int ifillstyle = 0;     // 0 hollow, 1 filled polygons
  int ifillcolor = 0;     // colour index of polygon fills
  int ijust = 0;          // text justification code -11..11
  int itextfont = 0;      // font number 1..15
  int itextcolor = 0;     // colour index of text
  int isymbtype = 0;      // marker type code, negative for a filled figure
};
extern Plt2Blk plt2blk;
