#include "plotlib/markers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/typed_input.h"
#include "plotlib/coordinates.h"
#include "plotlib/device_drawing.h"
#include "plotlib/plot_records.h"
#include "plotlib/setter_lines.h"

namespace {

const RoutineId ssymboltype_id{"ssymboltype", " 2.5", "27-03-2009"};
const RoutineId ssymbolsize_id{"ssymbolsize", " 2.8", "26-03-2009"};

real dcos(real a) { return static_cast<real>(std::cos(static_cast<double>(a))); }
real dsin(real a) { return static_cast<real>(std::sin(static_cast<double>(a))); }

// Most points of a closed figure, and most separate marks.
constexpr std::size_t maxoutline = 20;
constexpr std::size_t maxmarks = 5;

// A marker's figure as offsets in pixels from its centre: a closed outline
// (none when noutline is 0), then marks of two points each (bars, spokes,
// dots), drawn in that order.
struct Figure {
  std::array<real, maxoutline> xs1{}, ys1{};
  std::size_t noutline = 0;
  std::array<std::array<real, 4>, maxmarks> marks{};  // x1, y1, x2, y2
  std::size_t nmarks = 0;
};

void outlinepoint(Figure& f, real x, real y) {
  f.xs1[f.noutline] = x;
  f.ys1[f.noutline] = y;
  ++f.noutline;
}

void mark(Figure& f, real x1, real y1, real x2, real y2) { f.marks[f.nmarks++] = {x1, y1, x2, y2}; }

// Regular polygon of t sides, the first vertex straight up, closed on it.
void polygon(Figure& f, int t, real r) {
  const real start = rad(90.0f);
  const real step = rad(360.0f / static_cast<real>(t));
  for (int i = 1; i <= t + 1; ++i) {
    const real theta = start + static_cast<real>(i - 1) * step;
    outlinepoint(f, r * dcos(theta), r * dsin(theta));
  }
}

// Circle of 19 steps from the point right of the centre, counter-clockwise.
void circle(Figure& f, real r) {
  const real step = rad(360.0f / 19.0f);
  for (int i = 1; i <= 20; ++i) {
    const real phi = static_cast<real>(i - 1) * step;
    outlinepoint(f, r * dcos(phi), r * dsin(phi));
  }
}

// Square with sides parallel to the axes, its corners at distance r.
void square(Figure& f, real r) {
  const real s = r / std::sqrt(2.0f);
  outlinepoint(f, s, s);
  outlinepoint(f, -s, s);
  outlinepoint(f, -s, -s);
  outlinepoint(f, s, -s);
  outlinepoint(f, s, s);
}

// The figure of type t (absolute value of the code) for radius r.
Figure figure(int t, real r) {
  Figure f;
  const real d = std::sqrt(2.0f) / 2.0f * r;
  const real a = std::sqrt(3.0f) / 2.0f * r;
  const real b = 0.5f * r;
  switch (t) {
    case 3: case 4: case 5: case 6: case 7: case 8: case 9:
      polygon(f, t, r);
      break;
    case 10:
      mark(f, 0.0f, 0.0f, 0.0f, 0.0f);
      break;
    case 11:
      mark(f, -r, 0.0f, r, 0.0f);
      break;
    case 12:
      mark(f, 0.0f, -r, 0.0f, r);
      break;
    case 13:
      mark(f, -r, 0.0f, r, 0.0f);
      mark(f, 0.0f, -r, 0.0f, r);
      break;
    case 14:
      mark(f, d, d, -d, -d);
      mark(f, -d, d, d, -d);
      break;
    case 15:
      mark(f, a, b, -a, -b);
      mark(f, 0.0f, r, 0.0f, -r);
      mark(f, -a, b, a, -b);
      break;
    case 16:
      mark(f, 0.0f, 0.0f, a, -b);
      mark(f, 0.0f, 0.0f, 0.0f, r);
      mark(f, 0.0f, 0.0f, -a, -b);
      break;
    case 17: {
      const real c54 = r * dcos(rad(54.0f)), s54 = r * dsin(rad(54.0f));
      const real c18 = r * dcos(rad(18.0f)), s18 = r * dsin(rad(18.0f));
      mark(f, 0.0f, 0.0f, c54, -s54);
      mark(f, 0.0f, 0.0f, c18, s18);
      mark(f, 0.0f, 0.0f, 0.0f, r);
      mark(f, 0.0f, 0.0f, -c18, s18);
      mark(f, 0.0f, 0.0f, -c54, -s54);
      break;
    }
    case 20:
      circle(f, r);
      mark(f, 0.0f, 0.0f, 0.0f, 0.0f);
      break;
    case 21:
      circle(f, r);
      mark(f, -r, 0.0f, r, 0.0f);
      break;
    case 22:
      circle(f, r);
      mark(f, 0.0f, -r, 0.0f, r);
      break;
    case 23:
      circle(f, r);
      mark(f, 0.0f, -r, 0.0f, r);
      mark(f, -r, 0.0f, r, 0.0f);
      break;
    case 40:
      square(f, r);
      break;
    default:
      circle(f, r);
      break;
  }
  return f;
}

// Draws the figure centred on (xc, yc), device pixels, through the plot
// buffer: the outline as a polygon when filled, else as a polyline; each
// mark as a polyline of two points.
void drawfigure(const Figure& f, real xc, real yc, bool filled) {
  real* xb = pltbuff1.xdevbuff.data();
  real* yb = pltbuff1.ydevbuff.data();
  if (f.noutline > 0) {
    for (std::size_t k = 0; k < f.noutline; ++k) {
      xb[k] = xc + f.xs1[k];
      yb[k] = yc + f.ys1[k];
    }
    const int m = static_cast<int>(f.noutline);
    if (filled)
      depolygon(pltbuff1.xdevbuff, pltbuff1.ydevbuff, m);
    else
      deline(pltbuff1.xdevbuff, pltbuff1.ydevbuff, m);
  }
  for (std::size_t k = 0; k < f.nmarks; ++k) {
    const std::array<real, 4>& s = f.marks[k];
    xb[0] = xc + s[0];
    yb[0] = yc + s[1];
    xb[1] = xc + s[2];
    yb[1] = yc + s[3];
    deline(pltbuff1.xdevbuff, pltbuff1.ydevbuff, 2);
  }
}

const std::array<std::string_view, 24> codetable{
    "circle   .................. 0", "circle   .................. 1",
    "circle   .................. 2", "triangle .................. 3",
    "square   .................. 4", "pentagon .................. 5",
    "hexagon  .................. 6", "heptagon .................. 7",
    "octogon  .................. 8", "enneagon .................. 9",
    "   .     ................. 10", "   -     ................. 11",
    "   |     ................. 12", "   +     ................. 13",
    "   x     ................. 14", "   *     ................. 15",
    "   *     ................. 16", "   *     ................. 17",
    "circle . ................. 20", "circle - ................. 21",
    "circle | ................. 22", "circle + ................. 23",
    "square   ..................40", "circle   ....... other values",
};

// Lines of the symbol type: FORMAT (1x,a, 1x,i4).
void typeline(std::string_view text, int v) { sayint(text, v, 4); }

// The symbol type's screen of an even mode; false for mode 102, which
// only shows the code table.
bool typescreen(int itype, int mode) {
  const bool tableonly = mode == setmode::tableonly;
  if (!tableonly) submenuhead(ssymboltype_id);
  if (!outlevel(2)) return !tableonly;
  if (!tableonly) {
    wout(dashrule);
    say("SYMBOL TYPE:");
    say(" Negative number => filled symbol");
    say(" N.B. Symbols also depend on");
    say("      polygon & line attributes");
    wout(dashrule);
    if (mode == setmode::setup) {
      typeline("ready to set type =", itype);
    } else {
      typeline("currently stored type =", plt2blk.isymbtype);
      typeline("ready to  store  type =", itype);
    }
    wout(dashrule);
    say("Symbol type ... symbol number");
  }
  for (std::string_view line : codetable) say(line);
  if (tableonly) return false;
  menutail();
  return true;
}

}  // namespace

void ussymbol(std::span<const real> x, std::span<const real> y, int n) {
  n = std::min({n, static_cast<int>(x.size()), static_cast<int>(y.size())});
  real diameter = 0.0f;
  lengthcm2de(diameter, plt2blk.symbsize);
  const real r = 0.5f * diameter;
  const int itype = plt2blk.isymbtype;
  const bool filled = itype < 0;
  // The lowest integer has no opposite; like every code without a figure
  // of its own, it draws the circle.
  const Figure f = figure(itype == std::numeric_limits<int>::min() ? 0 : std::abs(itype), r);
  for (std::size_t j = 0; static_cast<int>(j) < n; ++j) {
    real xc = 0.0f, yc = 0.0f;
    us2de(std::span(&xc, 1), std::span(&yc, 1), x.subspan(j, 1), y.subspan(j, 1), 1);
    drawfigure(f, xc, yc, filled);
  }
}

void ssymboltype(int& itype, int mode) {
  int ierr = 0;
  if (storedmode(mode)) itype = plt2blk.isymbtype;
  if (defaultmode(mode)) itype = 1;
  if (mode == setmode::setdefault) {
    submenuhead(ssymboltype_id);
    typeline("INITIALISING SYMBOL TYPE =", itype);
  }
  if (dialoguemode(mode)) {
    if (!typescreen(itype, mode)) return;
    inintegdef(itype, "symbol number", itype, ierr);
  }
  if (storingmode(mode))
    plt2blk.isymbtype = itype;
  else if (mode != setmode::setup)
    noaction(ssymboltype_id, mode, 4);
}

void ssymbolsize(real& size, int mode) {
  int ierr = 0;
  if (storedmode(mode)) size = plt2blk.symbsize;
  if (defaultmode(mode)) size = 0.4f;
  if (mode == setmode::setdefault) {
    submenuhead(ssymbolsize_id);
    sayreal("INITIALISING SYMBOL SIZE (cm) =", size, 8, 3);
  }
  if (askingmode(mode)) {
    submenuhead(ssymbolsize_id);
    if (outlevel(2)) {
      wout(dashrule);
      say("SYMBOL SIZE (cm):");
      wout(dashrule);
      sayreal("currently stored size =", plt2blk.symbsize, 8, 3);
      sayreal("ready to  store  size =", size, 8, 3);
      menutail();
    }
    inrealdef(size, "symbol size in cm", size, ierr);
  }
  if (storingmode(mode))
    plt2blk.symbsize = size;
  else
    noaction(ssymbolsize_id, mode, 6);
}
