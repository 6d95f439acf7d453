#include "plotlib/device_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "platform/text_encoding.h"
#include "plotlib/plot_records.h"

namespace {

const RoutineId deplot_id{"deplot     ", " 1.0", "12-11-2005"};

// Typographic points in a centimetre.
constexpr real pointspercm = 28.3464566f;

// Longest text drawn, in bytes.
constexpr std::size_t maxtext = 199;

// Colour of a colour index, as fractions of 1.
DrawColor colour(int index) {
  const auto k = static_cast<std::size_t>(std::clamp(index, 0, maxcolor));
  return {plt2blk.RED[k] / 100.0f, plt2blk.GREEN[k] / 100.0f, plt2blk.BLUE[k] / 100.0f, 1.0f};
}

// In colour plots, the stroke colour of the line colour index; otherwise
// the colours last set stay in force.
void linecolour(DrawContext& cx) {
  if (plt2blk.icolorplot != 1) return;
  const DrawColor c = colour(plt2blk.ilinecolor);
  cx.strokecolor(c.red, c.green, c.blue, c.alpha);
}

// Start of a polyline or polygon: the pending pen path is stroked, n is
// kept within the arrays, and the line colour set. Returns the context, or
// null when there is no window or no point to draw.
DrawContext* startfigure(std::span<const real> x, std::span<const real> y, int& n) {
  DrawContext* cx = view.context;
  if (cx == nullptr) return nullptr;
  if (view.pathopen == 1) endpath();
  n = static_cast<int>(std::min({static_cast<std::size_t>(std::max(n, 0)), x.size(), y.size()}));
  if (n < 1) return nullptr;
  linecolour(*cx);
  return cx;
}

// The path through n >= 1 points; a single point is a segment of zero
// length at it.
void addpath(DrawContext& cx, std::span<const real> x, std::span<const real> y, int n) {
  cx.beginpath();
  cx.moveto(x[0], y[0]);
  if (n == 1) cx.lineto(x[0], y[0]);
  for (std::size_t k = 1; k < static_cast<std::size_t>(n); ++k) cx.lineto(x[k], y[k]);
}

// The part of a text that is drawn: without its leading and trailing blanks
// when the justification is negative, and at most maxtext bytes.
std::string_view textpiece(std::string_view text) {
  std::string_view piece = text;
  if (plt2blk.ijust < 0) {
    int ifirst = 0, ilast = 0;
    textlen(ifirst, ilast, text);
    piece = ilast < ifirst ? std::string_view()
                           : text.substr(static_cast<std::size_t>(ifirst - 1),
                                         static_cast<std::size_t>(ilast - ifirst + 1));
  }
  if (piece.size() > maxtext) piece = piece.substr(0, utf8cut(piece, maxtext));
  return piece;
}

// Width of a text in pixels, measured by drawing it invisibly.
real textwidth(DrawContext& cx, std::string_view piece) {
  cx.textdrawing(TextDrawing::invisible);
  cx.settextposition(0.0f, 0.0f);
  const DrawPoint p0 = cx.textposition();
  cx.showtext(piece);
  const DrawPoint p1 = cx.textposition();
  return std::sqrt((p1.x - p0.x) * (p1.x - p0.x) + (p1.y - p0.y) * (p1.y - p0.y));
}

}  // namespace

void deline(std::span<const real> x, std::span<const real> y, int n) {
  DrawContext* cx = startfigure(x, y, n);
  if (cx == nullptr) return;
  addpath(*cx, x, y, n);
  cx->strokepath();
  cx->synchronize();
}

void depolygon(std::span<const real> x, std::span<const real> y, int n) {
  DrawContext* cx = startfigure(x, y, n);
  if (cx == nullptr) return;
  if (plt2blk.icolorplot == 1 && plt2blk.ifillstyle != 0) {
    const DrawColor c = colour(plt2blk.ifillcolor);
    cx->fillcolor(c.red, c.green, c.blue, c.alpha);
  }
  addpath(*cx, x, y, n);
  cx->closepath();
  cx->drawpath(plt2blk.ifillstyle == 0 ? PathDrawing::stroke : PathDrawing::fillstroke);
  cx->synchronize();
}

void deplot(real x, real y, int ipen) {
  DrawContext* cx = view.context;
  if (cx == nullptr) return;
  if (ipen != 0 && ipen != 1) {
    warninghead(deplot_id);
    wout(" deplot called with ipen = " + ed::i(ipen, 6));
    wout(" => NO ACTION");
    warningtail00();
    return;
  }
  if (ipen == 0 && view.pathopen == 1) endpath();
  if (view.pathopen != 1) {
    if (ipen == 1) {
      warninghead(deplot_id);
      wout(" Path begins with Draw instead of Move");
      wout(" => Start new path at current point");
      warningtail00();
    }
    linecolour(*cx);
    view.pathopen = 1;
    cx->beginpath();
    cx->moveto(x, y);
  }
  if (ipen == 1) cx->lineto(x, y);
}

void endpath() {
  DrawContext* cx = view.context;
  if (cx == nullptr || view.pathopen != 1) return;
  cx->strokepath();
  cx->synchronize();
  view.pathopen = 0;
}

void detext2(real x, real y, std::string_view text) {
  DrawContext* cx = view.context;
  if (cx == nullptr) return;
  if (view.pathopen == 1) endpath();
  if (plt2blk.icolorplot == 1) {
    const DrawColor c = colour(plt2blk.itextcolor);
    cx->strokecolor(c.red, c.green, c.blue, c.alpha);
    cx->fillcolor(c.red, c.green, c.blue, c.alpha);
  }
  const std::string_view piece = textpiece(text);

  // Shifts from the given point to the text's origin on its baseline.
  const int j = std::abs(std::clamp(plt2blk.ijust, -11, 11));
  real dx = 0.0f;
  if (j == 2 || j == 6 || j == 10) dx = textwidth(*cx, piece) / 2.0f;
  if (j == 3 || j == 7 || j == 11) dx = textwidth(*cx, piece);
  real dy = 0.0f;
  if (j >= 5 && j <= 8) dy = plt2blk.txtheight * plt1blk.cmscale / 2.0f;
  if (j >= 9 && j <= 11) dy = plt2blk.txtheight * plt1blk.cmscale;

  // The shifts run along the turned text.
  const bool turned = plt2blk.txtangle != 0.0f;
  real c = 1.0f, s = 0.0f;
  TextMatrix saved{};
  if (turned) {
    saved = cx->textmatrix();
    real angle = 0.0f;
    deg2rad(std::span(&angle, 1), std::span(&plt2blk.txtangle, 1), 1);
    const TextMatrix rotation = textrotation(angle);
    cx->settextmatrix(rotation);
    c = rotation.a;
    s = rotation.b;
  }
  cx->textdrawing(TextDrawing::fill);
  cx->showtextat(x - dx * c + dy * s, y - dx * s - dy * c, piece);
  cx->synchronize();
  if (turned) cx->settextmatrix(saved);
}

void intslinewidth(real width) {
  DrawContext* cx = view.context;
  if (cx == nullptr) return;
  if (view.pathopen == 1) endpath();
  cx->linewidth(width < 1.0f ? 1.0f : width);
}

void intstextsize(real height) {
  DrawContext* cx = view.context;
  if (cx == nullptr) return;
  if (view.pathopen == 1) endpath();
  cx->fontsize(height * pointspercm * plt1blk.cmscale / windevsize.pxpercm);
}

void lengthcm2de(real& lde, real lcm) { lde = lcm * plt1blk.cmscale; }
