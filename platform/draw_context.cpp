#include "platform/draw_context.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/cairo_pages.h"
#include "platform/draw_log.h"
#include "platform/stop_signals.h"
#include "platform/text_encoding.h"

namespace {

// Half-width of the guard box about the origin, in pixels: well outside
// every window (a screen is at most 32767 pixels wide) and well inside the
// +-8e6 that cairo's fixed-point coordinates hold.
constexpr double guard = 1.0e5;

struct Point {
  double x, y;
};
Point wide(const DrawPoint& p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

bool finite(const DrawPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool inside(const DrawPoint& p) {
  const Point w = wide(p);
  return std::fabs(w.x) <= guard && std::fabs(w.y) <= guard;  // false for NaN
}

// The coordinate of p across edge k of the box (0 left, 1 right, 2 bottom,
// 3 top), growing outwards: the box lies up to guard.
double outwards(const DrawPoint& p, int edge) {
  const Point w = wide(p);
  return (edge < 2 ? w.x : w.y) * (edge % 2 == 0 ? -1.0 : 1.0);
}

// Where the segment from a to b, which crosses the line of edge k, meets
// it: worked out from the end nearer to the line, the other one being
// perhaps very far.
DrawPoint crossing(const DrawPoint& a, const DrawPoint& b, int edge) {
  const bool froma = std::fabs(guard - outwards(a, edge)) <= std::fabs(guard - outwards(b, edge));
  const Point n = wide(froma ? a : b), f = wide(froma ? b : a);
  const double line = edge % 2 == 0 ? -guard : guard;
  if (edge < 2)
    return {static_cast<real>(line), static_cast<real>(n.y + (line - n.x) * ((f.y - n.y) / (f.x - n.x)))};
  return {static_cast<real>(n.x + (line - n.y) * ((f.x - n.x) / (f.y - n.y))), static_cast<real>(line)};
}

// The figure's runs of finite points: the figure itself when every point
// is finite, else open figures split at each non-finite point (the run
// through the end of a closed figure goes on into its beginning).
std::vector<Subpath> finiteruns(const Subpath& figure) {
  const std::vector<DrawPoint>& points = figure.points;
  const auto bad = std::find_if_not(points.begin(), points.end(), finite);
  if (bad == points.end()) return {figure};
  std::vector<DrawPoint> order(bad, points.end());
  order.insert(figure.closed ? order.end() : order.begin(), points.begin(), bad);
  std::vector<Subpath> runs;
  bool open = false;
  for (const DrawPoint& p : order) {
    if (finite(p) && !open) runs.push_back(Subpath{});
    if (finite(p)) runs.back().points.push_back(p);
    open = finite(p);
  }
  return runs;
}

// Cuts the segment from a to b to the guard box, edge after edge: an end
// beyond an edge moves to where the segment crosses it. False when no part
// of the segment is inside.
bool cut(DrawPoint& a, DrawPoint& b) {
  for (int edge = 0; edge < 4; ++edge) {
    const bool ain = outwards(a, edge) <= guard, bin = outwards(b, edge) <= guard;
    if (!ain && !bin) return false;
    if (!ain) a = crossing(a, b, edge);
    if (!bin) b = crossing(a, b, edge);
  }
  return true;
}

// The lines of a finite figure inside the guard box: the figure itself
// when it lies inside, else the open pieces of its cut segments. A closed
// figure is walked from a point outside the box, so that no piece ends
// where another begins: every corner inside the box keeps its join.
void strokepieces(const Subpath& figure, std::vector<Subpath>& out) {
  const std::vector<DrawPoint>& points = figure.points;
  const auto outside = std::find_if_not(points.begin(), points.end(), inside);
  if (outside == points.end()) {
    out.push_back(figure);
    return;
  }
  const std::size_t n = points.size();
  const std::size_t start = figure.closed ? static_cast<std::size_t>(outside - points.begin()) : 0;
  bool joined = false;  // the last piece ends where this segment begins
  for (std::size_t k = start; k < start + (figure.closed ? n : n - 1); ++k) {
    DrawPoint a = points[k % n], b = points[(k + 1) % n];
    const bool visible = cut(a, b);
    if (visible && !joined) out.push_back(Subpath{{a}, false});
    if (visible) out.back().points.push_back(b);
    joined = inside(points[(k + 1) % n]);
  }
}

// The area of a finite figure inside the guard box, a closed figure
// (Sutherland-Hodgman against each edge of the box in turn).
void fillpiece(const Subpath& figure, std::vector<Subpath>& out) {
  std::vector<DrawPoint> polygon = figure.points;
  if (!std::all_of(polygon.begin(), polygon.end(), inside)) {
    for (int edge = 0; edge < 4; ++edge) {
      std::vector<DrawPoint> kept;
      for (std::size_t k = 0; k < polygon.size(); ++k) {
        const DrawPoint& a = polygon[k];
        const DrawPoint& b = polygon[(k + 1) % polygon.size()];
        const bool ain = outwards(a, edge) <= guard, bin = outwards(b, edge) <= guard;
        if (ain) kept.push_back(a);
        if (ain != bin) kept.push_back(crossing(a, b, edge));
      }
      polygon = std::move(kept);
    }
  }
  if (!polygon.empty()) out.push_back(Subpath{std::move(polygon), true});
}

// A figure wholly inside the box (every point finite) is kept as it is,
// copied once.
bool keptwhole(const Subpath& figure) {
  return std::all_of(figure.points.begin(), figure.points.end(), inside);
}

// Whether an open figure comes back to its first point through at least two
// other points: closed, it then loses only the caps at its first point,
// which become a join (a line there and back, A-B-A, stays as it is).
bool comesback(const Subpath& figure) {
  const std::vector<DrawPoint>& p = figure.points;
  if (figure.closed || p.size() < 4 || p.front() != p.back()) return false;
  auto other = [&p](const DrawPoint& q) { return q != p.front(); };
  const auto second = std::find_if(p.begin(), p.end(), other);
  return std::any_of(second, p.end(), [&](const DrawPoint& q) { return other(q) && q != *second; });
}

}  // namespace

std::vector<Subpath> clippedstroke(const std::vector<Subpath>& path) {
  std::vector<Subpath> out;
  for (const Subpath& figure : path) {
    if (keptwhole(figure)) {
      out.push_back(figure);
      continue;
    }
    for (const Subpath& run : finiteruns(figure)) strokepieces(run, out);
  }
  return out;
}

std::vector<Subpath> clippedfill(const std::vector<Subpath>& path) {
  std::vector<Subpath> out;
  for (const Subpath& figure : path) {
    if (keptwhole(figure)) {
      if (!figure.points.empty()) out.push_back(Subpath{figure.points, true});
      continue;
    }
    for (const Subpath& run : finiteruns(figure)) fillpiece(run, out);
  }
  return out;
}

TextMatrix textrotation(real angle) {
  const auto c = static_cast<real>(std::cos(static_cast<double>(angle)));
  const auto s = static_cast<real>(std::sin(static_cast<double>(angle)));
  return {c, s, -s, c, 0.0f, 0.0f};
}

DrawContext::DrawContext(std::unique_ptr<CairoPages> pages, DrawLog* log)
    : pages_(std::move(pages)), log_(log != nullptr && log->recording() ? log : nullptr) {}

DrawContext::~DrawContext() = default;

void DrawContext::writelog(std::string_view call, std::initializer_list<real> numbers,
                           std::optional<std::string_view> text) {
  std::string line(call);
  for (real v : numbers) line += ' ' + DrawLog::number(v);
  if (text) line += " \"" + std::string(*text) + '"';
  log_->line(line);
}

void DrawContext::antialias(bool on) {
  record(on ? "antialias on" : "antialias off");
  state_.antialias = on;
}

void DrawContext::beginpath() {
  record("beginpath");
  path_.clear();
}

void DrawContext::moveto(real x, real y) {
  record("moveto", {x, y});
  path_.push_back(Subpath{{{x, y}}, false});
}

// A segment continues the open figure; after a closed one it starts from
// that figure's first point; with no figure there is no current point and
// nothing is added.
void DrawContext::lineto(real x, real y) {
  record("lineto", {x, y});
  if (path_.empty()) return;
  if (path_.back().closed) path_.push_back(Subpath{{path_.back().points.front()}, false});
  path_.back().points.push_back({x, y});
}

void DrawContext::closepath() {
  record("closepath");
  if (!path_.empty()) path_.back().closed = true;
}

void DrawContext::strokepath() {
  record("strokepath");
  paint(false);
}

void DrawContext::drawpath(PathDrawing how) {
  record(how == PathDrawing::fillstroke ? "drawpath 3" : "drawpath 2");
  paint(how == PathDrawing::fillstroke);
}

// A figure that comes back to its first point is painted closed, with a
// join at that point, on every surface: cairo's PDF writer would close it
// only when it is a rectangle painted on its own (written as one, "re").
// Closed before the pages measure how far its lines reach, its mitred
// first corner is measured too.
void DrawContext::paint(bool fill) {
  checkstop();  // a long drawing is no reason to wait: a signal ends it here
  for (Subpath& figure : path_)
    if (comesback(figure)) figure.closed = true;
  pages_->paint(path_, fill, state_);
  path_.clear();
}

void DrawContext::strokecolor(real red, real green, real blue, real alpha) {
  record("strokecolor", {red, green, blue, alpha});
  state_.stroke = {red, green, blue, alpha};
}

void DrawContext::fillcolor(real red, real green, real blue, real alpha) {
  record("fillcolor", {red, green, blue, alpha});
  state_.fill = {red, green, blue, alpha};
}

void DrawContext::linewidth(real width) {
  record("linewidth", {width});
  state_.width = width;
}

void DrawContext::clearrect(real x, real y, real width, real height) {
  record("clearrect", {x, y, width, height});
  pages_->clearrect(x, y, width, height, state_);
}

void DrawContext::fillrect(real x, real y, real width, real height) {
  record("fillrect", {x, y, width, height});
  pages_->fillrect(x, y, width, height, state_);
}

void DrawContext::flush() {
  record("flush");
  pages_->flush();
}

void DrawContext::synchronize() { record("synchronize"); }

void DrawContext::selectfont(std::string_view name, real size) {
  record("selectfont", {size}, name);
  state_.family = name == "Geneva" ? "DejaVu Sans" : std::string(name);
  state_.fontsize = size;
}

void DrawContext::fontsize(real size) {
  record("fontsize", {size});
  state_.fontsize = size;
}

void DrawContext::textdrawing(TextDrawing mode) {
  record(mode == TextDrawing::fill ? "textdrawing 0" : "textdrawing 3");
  state_.textdrawing = mode;
}

void DrawContext::settextposition(real x, real y) {
  record("settextposition", {x, y});
  textmatrix_.tx = x;
  textmatrix_.ty = y;
}

DrawPoint DrawContext::textposition() {
  record("textposition", {textmatrix_.tx, textmatrix_.ty});
  return {textmatrix_.tx, textmatrix_.ty};
}

void DrawContext::showtext(std::string_view text) {
  const std::string utf8 = validutf8(text);
  record("showtext", {}, utf8);
  draw(utf8);
}

void DrawContext::showtextat(real x, real y, std::string_view text) {
  const std::string utf8 = validutf8(text);
  record("showtextat", {x, y}, utf8);
  textmatrix_.tx = x;
  textmatrix_.ty = y;
  draw(utf8);
}

// Draws the text at the text position (unless invisible), then moves the
// position on by the text's advance, turned by the text matrix.
void DrawContext::draw(const std::string& utf8) {
  checkstop();
  TextMatrix& m = textmatrix_;
  if (state_.textdrawing == TextDrawing::fill) pages_->showtext(m.tx, m.ty, m, utf8, state_);
  const DrawPoint step = pages_->advance(utf8, state_);
  m.tx += m.a * step.x + m.c * step.y;
  m.ty += m.b * step.x + m.d * step.y;
}

TextMatrix DrawContext::textmatrix() {
  const TextMatrix& m = textmatrix_;
  record("textmatrix", {m.a, m.b, m.c, m.d, m.tx, m.ty});
  return m;
}

void DrawContext::settextmatrix(const TextMatrix& m) {
  record("settextmatrix", {m.a, m.b, m.c, m.d, m.tx, m.ty});
  textmatrix_ = m;
}

void DrawContext::savestate() {
  record("savestate");
  saved_.push_back(state_);
}

void DrawContext::restorestate() {
  record("restorestate");
  if (saved_.empty()) return;
  state_ = saved_.back();
  saved_.pop_back();
}

void DrawContext::snapshot() { pages_->snapshot(); }

std::string DrawContext::finish() { return pages_->finish(); }
