#include "platform/draw_context.h"

#include <cmath>
#include <optional>

#include "platform/cairo_pages.h"
#include "platform/draw_log.h"
#include "platform/text_encoding.h"

namespace {

// Farthest a point may lie from the origin, in pixels: cairo keeps
// coordinates in fixed point of about +-8e6 and would wrap beyond it.
constexpr real farthest = 4.0e6f;

bool drawable(const std::vector<Subpath>& path) {
  for (const Subpath& figure : path)
    for (const DrawPoint& p : figure.points)
      if (!(std::fabs(p.x) <= farthest && std::fabs(p.y) <= farthest)) return false;
  return true;
}

std::string logline(std::string_view call, std::initializer_list<real> numbers,
                    std::optional<std::string_view> text = std::nullopt) {
  std::string line(call);
  for (real v : numbers) line += ' ' + DrawLog::number(v);
  if (text) line += " \"" + std::string(*text) + '"';
  return line;
}

}  // namespace

TextMatrix textrotation(real angle) {
  const auto c = static_cast<real>(std::cos(static_cast<double>(angle)));
  const auto s = static_cast<real>(std::sin(static_cast<double>(angle)));
  return {c, s, -s, c, 0.0f, 0.0f};
}

DrawContext::DrawContext(std::unique_ptr<CairoPages> pages, DrawLog* log)
    : pages_(std::move(pages)), log_(log) {}

DrawContext::~DrawContext() = default;

void DrawContext::record(std::string_view line) {
  if (log_ != nullptr) log_->line(line);
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
  record(logline("moveto", {x, y}));
  path_.push_back(Subpath{{{x, y}}, false});
}

// A segment continues the open figure; after a closed one it starts from
// that figure's first point; with no figure there is no current point and
// nothing is added.
void DrawContext::lineto(real x, real y) {
  record(logline("lineto", {x, y}));
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
  record("drawpath " + std::to_string(static_cast<int>(how)));
  paint(how == PathDrawing::fillstroke);
}

void DrawContext::paint(bool fill) {
  if (drawable(path_)) {
    if (fill) pages_->fill(path_, state_);
    pages_->stroke(path_, state_);
  }
  path_.clear();
}

void DrawContext::strokecolor(real red, real green, real blue, real alpha) {
  record(logline("strokecolor", {red, green, blue, alpha}));
  state_.stroke = {red, green, blue, alpha};
}

void DrawContext::fillcolor(real red, real green, real blue, real alpha) {
  record(logline("fillcolor", {red, green, blue, alpha}));
  state_.fill = {red, green, blue, alpha};
}

void DrawContext::linewidth(real width) {
  record(logline("linewidth", {width}));
  state_.width = width;
}

void DrawContext::clearrect(real x, real y, real width, real height) {
  record(logline("clearrect", {x, y, width, height}));
  pages_->clearrect(x, y, width, height);
}

void DrawContext::fillrect(real x, real y, real width, real height) {
  record(logline("fillrect", {x, y, width, height}));
  pages_->fillrect(x, y, width, height, state_);
}

void DrawContext::flush() {
  record("flush");
  pages_->flush();
}

void DrawContext::synchronize() { record("synchronize"); }

void DrawContext::selectfont(std::string_view name, real size) {
  record(logline("selectfont", {size}, name));
  state_.family = name == "Geneva" ? "DejaVu Sans" : std::string(name);
  state_.fontsize = size;
}

void DrawContext::fontsize(real size) {
  record(logline("fontsize", {size}));
  state_.fontsize = size;
}

void DrawContext::textdrawing(TextDrawing mode) {
  record("textdrawing " + std::to_string(static_cast<int>(mode)));
  state_.textdrawing = mode;
}

void DrawContext::settextposition(real x, real y) {
  record(logline("settextposition", {x, y}));
  textmatrix_.tx = x;
  textmatrix_.ty = y;
}

DrawPoint DrawContext::textposition() {
  record(logline("textposition", {textmatrix_.tx, textmatrix_.ty}));
  return {textmatrix_.tx, textmatrix_.ty};
}

void DrawContext::showtext(std::string_view text) {
  const std::string utf8 = validutf8(text);
  record(logline("showtext", {}, utf8));
  draw(utf8);
}

void DrawContext::showtextat(real x, real y, std::string_view text) {
  const std::string utf8 = validutf8(text);
  record(logline("showtextat", {x, y}, utf8));
  textmatrix_.tx = x;
  textmatrix_.ty = y;
  draw(utf8);
}

// Draws the text at the text position (unless invisible), then moves the
// position on by the text's advance, turned by the text matrix.
void DrawContext::draw(const std::string& utf8) {
  TextMatrix& m = textmatrix_;
  if (state_.textdrawing == TextDrawing::fill) pages_->showtext(m.tx, m.ty, m, utf8, state_);
  const DrawPoint step = pages_->advance(utf8, state_);
  m.tx += m.a * step.x + m.c * step.y;
  m.ty += m.b * step.x + m.d * step.y;
}

TextMatrix DrawContext::textmatrix() {
  const TextMatrix& m = textmatrix_;
  record(logline("textmatrix", {m.a, m.b, m.c, m.d, m.tx, m.ty}));
  return m;
}

void DrawContext::settextmatrix(const TextMatrix& m) {
  record(logline("settextmatrix", {m.a, m.b, m.c, m.d, m.tx, m.ty}));
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

std::string DrawContext::finish() { return pages_->finish(); }
