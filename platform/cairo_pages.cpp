#include "platform/cairo_pages.h"

#include <cairo-pdf.h>
#include <fcntl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/clock.h"
#include "platform/failures.h"

namespace {

// A figure that has segments but no length: drawn as a dot.
bool dot(const Subpath& figure) {
  const auto& p = figure.points;
  return p.size() >= 2 &&
         std::all_of(p.begin(), p.end(), [&](const DrawPoint& q) { return q == p.front(); });
}

// A length or place in pixels in a target's units.
double scaled(real v, double scale) { return static_cast<double>(v) * scale; }

// A rectangle given by its lower left corner, as a closed figure.
std::vector<Subpath> rectangle(real x, real y, real width, real height) {
  return {{{{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}}, true}};
}

// The figures of a path as they are filled: each closed.
std::vector<Subpath> closedfigures(const std::vector<Subpath>& path) {
  std::vector<Subpath> closed;
  for (const Subpath& figure : path)
    if (!figure.points.empty()) closed.push_back(Subpath{figure.points, true});
  return closed;
}

// Paints painted as one at most: a bound on the work of looking for a
// touching figure.
constexpr int batchpaints = 256;

// The points of a figure where its outline turns: a point repeating the
// one before adds no corner, nor does a closed figure's last point that
// repeats its first (cairo joins the segments on either side of it).
std::vector<DrawPoint> corners(const Subpath& figure) {
  std::vector<DrawPoint> p;
  for (const DrawPoint& q : figure.points)
    if (p.empty() || q != p.back()) p.push_back(q);
  if (figure.closed && p.size() > 1 && p.back() == p.front()) p.pop_back();
  return p;
}

// How far, in line widths, the outlines of a path reach beyond its
// points: half a width, or at a corner cairo mitres (miter limit 10, so at
// most five widths) half a width over the sine of half the corner's angle.
constexpr double farthest = 5.0;
double reach(const std::vector<Subpath>& path) {
  double widths = 0.5;
  for (const Subpath& figure : path) {
    const std::vector<DrawPoint> p = corners(figure);
    const std::size_t n = p.size();
    for (std::size_t k = figure.closed ? 0 : 1; k + (figure.closed ? 0 : 1) < n; ++k) {
      const DrawPoint& a = p[(k + n - 1) % n];
      const DrawPoint& b = p[k];
      const DrawPoint& c = p[(k + 1) % n];
      const double ux = a.x - b.x, uy = a.y - b.y, vx = c.x - b.x, vy = c.y - b.y;
      const double lengths = std::sqrt((ux * ux + uy * uy) * (vx * vx + vy * vy));
      if (lengths == 0.0) continue;
      const double halfsine = std::sqrt(std::max(0.0, (1.0 - (ux * vx + uy * vy) / lengths) / 2.0));
      if (halfsine * 2.0 * farthest >= 1.0) widths = std::max(widths, 0.5 / halfsine);
    }
  }
  return widths;
}

// The box about the points of a path: {left, bottom, right, top}.
Box bounds(const std::vector<Subpath>& path) {
  Box box{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const Subpath& figure : path)
    for (const DrawPoint& p : figure.points)
      box = {std::min<double>(box[0], p.x), std::min<double>(box[1], p.y),
             std::max<double>(box[2], p.x), std::max<double>(box[3], p.y)};
  return box;
}

// A box widened by as far as lines of the width reach beyond their points
// and two pixels of antialiasing: it then holds every pixel they paint.
Box widened(const Box& box, double widths, real width) {
  const double line = std::isfinite(width) ? static_cast<double>(std::max(width, 0.0f)) : 0.0;
  const double margin = widths * line + 2.0;
  return {box[0] - margin, box[1] - margin, box[2] + margin, box[3] + margin};
}

// The box a text's glyphs may reach: within two font sizes of its
// baseline, which is at most two font sizes a byte long.
Box textcover(real x, real y, const TextMatrix& m, std::size_t bytes, real size) {
  const double s = 2.0 * static_cast<double>(size), length = s * static_cast<double>(bytes);
  const auto d = [](real v) { return static_cast<double>(v); };
  Box box{HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const auto& [u, v] : {std::pair{-s, -s}, {length + s, -s}, {-s, s}, {length + s, s}}) {
    const double px = d(x) + d(m.a) * u + d(m.c) * v, py = d(y) + d(m.b) * u + d(m.d) * v;
    box = {std::min(box[0], px), std::min(box[1], py), std::max(box[2], px), std::max(box[3], py)};
  }
  return box;
}

bool touch(const Box& a, const Box& b) {
  return a[0] <= b[2] && b[0] <= a[2] && a[1] <= b[3] && b[1] <= a[3];
}

bool textdrawable(const DrawState& state) {
  return std::isfinite(state.fontsize) && state.fontsize > 0.0f;
}

// The PDF and the PNG go through streams of our own: cairo's own file
// stream reports success when only its last write, at the close, has
// failed, and opens its file in a way of its own.
cairo_status_t writestream(void* file, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

OutputFile openpdf(const std::string& stem, bool& held) {
  return openoutput(stem + ".pdf", O_WRONLY | O_CREAT | O_TRUNC, held);
}

CairoPages::CairoPages(int width, int height, real ptperpx, const std::string& stem,
                       OutputFile pdf, const PageSpeedups& speedups)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      speedups_(speedups),
      screendrawing_(speedups.hide) {
  // Unhinted metrics, so that a text measures the same on the screen and
  // in the PDF, at every scale.
  for (int on = 0; on < 2; ++on) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_antialias(options, on == 1 ? CAIRO_ANTIALIAS_DEFAULT
                                                      : CAIRO_ANTIALIAS_NONE);
    fontoptions_[static_cast<std::size_t>(on)] = options;
  }
  screensurface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  screen_.cr = cairo_create(screensurface_);
  blankscreen();
  if (stem.empty()) return;
  pdfname_ = stem + ".pdf";
  pngname_ = stem + ".png";
  pdffile_ = pdf;
  if (pdffile_.stream == nullptr) {
    pdfok_ = !failed(CAIRO_STATUS_WRITE_ERROR, pdfname_, pdfreported_);
    return;
  }
  pdfsurface_ = cairo_pdf_surface_create_for_stream(writestream, pdffile_.stream, width_ * ptperpx,
                                                    height_ * ptperpx);
  // A clock fixed by SOURCE_DATE_EPOCH dates the PDF as it dates the
  // transcript: the same run gives the same file. The real clock's date is
  // left to cairo, which writes it in the standard form, D: first (a date
  // given to cairo 1.16 is written without it).
  if (const std::optional<ClockTime> fixed = fixedclock())
    cairo_pdf_surface_set_metadata(pdfsurface_, CAIRO_PDF_METADATA_CREATE_DATE,
                                   isodate(*fixed).c_str());
  pdf_.cr = cairo_create(pdfsurface_);
  pdf_.scale = ptperpx;
  checkpdf();
}

CairoPages::~CairoPages() {
  if (!pngname_.empty()) finish();
  cairo_destroy(screen_.cr);
  cairo_surface_destroy(screensurface_);
  for (cairo_font_options_t* options : fontoptions_) cairo_font_options_destroy(options);
}

void CairoPages::setstate(Target& t, const DrawState& state) {
  cairo_t* cr = t.cr;
  if (std::isfinite(state.width) && state.width != t.width) {
    cairo_set_line_width(cr, scaled(std::max(state.width, 0.0f), t.scale));
    t.width = state.width;
  }
  if (static_cast<int>(state.antialias) != t.antialias) {
    t.antialias = static_cast<int>(state.antialias);
    cairo_set_antialias(cr, state.antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, fontoptions_[static_cast<std::size_t>(t.antialias)]);
  }
  if (state.family != t.family) {
    cairo_select_font_face(cr, state.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_NORMAL);
    t.family = state.family;
  }
  if (textdrawable(state) && state.fontsize != t.fontsize) {
    cairo_set_font_size(cr, scaled(state.fontsize, t.scale));
    t.fontsize = state.fontsize;
  }
}

void CairoPages::setcolor(Target& t, const DrawColor& c) {
  if (c == t.source) return;
  cairo_set_source_rgba(t.cr, c.red, c.green, c.blue, c.alpha);
  t.source = c;
}

// Adds a rectangle given by its lower left corner.
void CairoPages::addrectangle(const Target& t, real x, real y, real width, real height) const {
  cairo_rectangle(t.cr, scaled(x, t.scale), scaled(height_ - y - height, t.scale),
                  scaled(width, t.scale), scaled(height, t.scale));
}

void CairoPages::paintwhite(const Target& t, real x, real y, real width, real height) const {
  cairo_save(t.cr);
  cairo_set_source_rgb(t.cr, 1.0, 1.0, 1.0);
  addrectangle(t, x, y, width, height);
  cairo_fill(t.cr);
  cairo_restore(t.cr);
}

void CairoPages::blankscreen() {
  paintwhite(screen_, 0.0f, 0.0f, static_cast<real>(width_), static_cast<real>(height_));
}

// Adds the figures of the path, or, withdots, only the dots of its figures
// of zero length, as discs of the line's width.
void CairoPages::addpath(const Target& t, const std::vector<Subpath>& path, bool withdots) const {
  cairo_t* cr = t.cr;
  const double s = t.scale;
  cairo_new_path(cr);
  const double radius = cairo_get_line_width(cr) / 2.0;
  for (const Subpath& figure : path) {
    if (figure.points.empty() || dot(figure) != withdots) continue;
    const DrawPoint& p = figure.points.front();
    if (withdots) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, scaled(p.x, s), scaled(height_ - p.y, s), radius, 0.0, 2.0 * std::numbers::pi);
      continue;
    }
    cairo_move_to(cr, scaled(p.x, s), scaled(height_ - p.y, s));
    for (std::size_t k = 1; k < figure.points.size(); ++k)
      cairo_line_to(cr, scaled(figure.points[k].x, s), scaled(height_ - figure.points[k].y, s));
    if (figure.closed) cairo_close_path(cr);
  }
}

void CairoPages::paint(const std::vector<Subpath>& path, bool fill, const DrawState& state) {
  const Box points = bounds(path);
  if (speedups_.offpage && !onpage(widened(points, farthest, state.width)))
    return;  // nothing of it shows
  const Box box = widened(points, reach(path), state.width);
  const bool guard = speedups_.guard;
  std::vector<Subpath> fills, outlines = guard ? clippedstroke(path) : path;
  if (fill) fills = guard ? clippedfill(path) : closedfigures(path);
  if (fills.empty() && outlines.empty()) return;
  changed(false);
  if (!pngname_.empty()) screendrawing_.paint(fills, outlines, state, box);
  if (pdf_.cr == nullptr) return;
  if (!joins(fills, state, box)) paintbatch();
  Batch& b = batch_;
  if (b.paints == 0) b.state = state;
  b.fills.insert(b.fills.end(), std::make_move_iterator(fills.begin()),
                 std::make_move_iterator(fills.end()));
  b.outlines.insert(b.outlines.end(), std::make_move_iterator(outlines.begin()),
                    std::make_move_iterator(outlines.end()));
  b.boxes.push_back(box);
  ++b.paints;
}

bool CairoPages::onpage(const Box& box) const {
  return box[2] >= 0.0 && box[3] >= 0.0 && box[0] <= width_ && box[1] <= height_;
}

// Whether a paint of these filled figures in this state, covering the box,
// can be painted with the waiting ones: the same style, and touching none
// of theirs, so that no pixel is painted by both.
bool CairoPages::joins(const std::vector<Subpath>& fills, const DrawState& state,
                       const Box& box) const {
  const Batch& b = batch_;
  if (b.paints == 0 || b.paints == batchpaints || !speedups_.batch) return b.paints == 0;
  const bool filled = !fills.empty();
  if (filled != !b.fills.empty() || state.stroke != b.state.stroke ||
      state.width != b.state.width || state.antialias != b.state.antialias ||
      (filled && state.fill != b.state.fill))
    return false;
  return std::none_of(b.boxes.begin(), b.boxes.end(),
                      [&](const Box& other) { return touch(box, other); });
}

void CairoPages::paintbatch() {
  Batch& b = batch_;
  if (b.paints == 0) return;
  paintpath(pdf_, b.fills, b.outlines, b.state);
  b.fills.clear();
  b.outlines.clear();
  b.boxes.clear();
  b.paints = 0;
}

// The filled figures, then the outlines; an outline of no length is a
// dot as wide as the line.
void CairoPages::paintpath(Target& t, const std::vector<Subpath>& fills,
                           const std::vector<Subpath>& outlines, const DrawState& state) {
  setstate(t, state);
  if (!fills.empty()) {
    setcolor(t, state.fill);
    addpath(t, fills, false);
    cairo_fill(t.cr);
  }
  if (outlines.empty()) return;
  setcolor(t, state.stroke);
  addpath(t, outlines, false);
  cairo_stroke(t.cr);
  if (std::any_of(outlines.begin(), outlines.end(), dot)) {
    addpath(t, outlines, true);
    cairo_fill(t.cr);
  }
}

void CairoPages::clearrect(real x, real y, real width, real height, const DrawState& state) {
  const bool whole = x <= 0.0f && y <= 0.0f && x + width >= static_cast<real>(width_) &&
                     y + height >= static_cast<real>(height_);
  paintbatch();
  if (whole) {
    if (pdf_.cr != nullptr) endpage();  // the new page is blank
    due_ = false;  // a blank page is no picture
    blank_ = true;
    screendrawing_.clear();
    blankscreen();
    return;
  }
  changed(true);
  if (pdf_.cr != nullptr) paintwhite(pdf_, x, y, width, height);
  DrawState white = state;
  white.fill = {1.0f, 1.0f, 1.0f, 1.0f};
  keeprectangle(x, y, width, height, white);
}

// Something was painted on the page; white on a blank page leaves it
// blank (a page clear fills the page white after clearing it).
void CairoPages::changed(bool white) {
  if (white && blank_) return;
  due_ = true;
  blank_ = false;
}

// A rectangle filled for the screen to show.
void CairoPages::keeprectangle(real x, real y, real width, real height, const DrawState& state) {
  if (pngname_.empty()) return;
  const std::vector<Subpath> r = rectangle(x, y, width, height);
  screendrawing_.paint(r, {}, state, widened(bounds(r), 0.0, 0.0f));
}

void CairoPages::fillrect(real x, real y, real width, real height, const DrawState& state) {
  const DrawColor& c = state.fill;
  changed(c.red == 1.0f && c.green == 1.0f && c.blue == 1.0f);
  paintbatch();
  keeprectangle(x, y, width, height, state);
  if (pdf_.cr == nullptr) return;
  setstate(pdf_, state);
  setcolor(pdf_, state.fill);
  addrectangle(pdf_, x, y, width, height);
  cairo_fill(pdf_.cr);
}

DrawPoint CairoPages::advance(const std::string& text, const DrawState& state) {
  if (!textdrawable(state)) return {0.0f, 0.0f};
  setstate(screen_, state);
  cairo_text_extents_t extents;
  cairo_text_extents(screen_.cr, text.c_str(), &extents);
  return {static_cast<real>(extents.x_advance), static_cast<real>(-extents.y_advance)};
}

void CairoPages::showtext(real x, real y, const TextMatrix& m, const std::string& text,
                          const DrawState& state) {
  const real det = m.a * m.d - m.b * m.c;
  if (!textdrawable(state) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(det) ||
      det == 0.0f ||
      (speedups_.offpage && !onpage(textcover(x, y, m, text.size(), state.fontsize))))
    return;
  changed(false);
  paintbatch();
  if (!pngname_.empty()) screendrawing_.text(x, y, m, text, state);
  if (pdf_.cr != nullptr) painttext(pdf_, x, y, m, text, state);
}

void CairoPages::painttext(Target& t, real x, real y, const TextMatrix& m, const std::string& text,
                           const DrawState& state) {
  // Set outside the saved state, so that it stays set after it.
  setstate(t, state);
  setcolor(t, state.fill);
  cairo_t* cr = t.cr;
  cairo_save(cr);
  cairo_translate(cr, scaled(x, t.scale), scaled(height_ - y, t.scale));
  cairo_matrix_t turned;  // the text matrix seen with y downwards
  cairo_matrix_init(&turned, m.a, -m.b, -m.c, m.d, 0.0, 0.0);
  cairo_transform(cr, &turned);
  cairo_move_to(cr, 0.0, 0.0);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

void CairoPages::flush() {
  if (pdfsurface_ != nullptr) checkpdf();
}

void CairoPages::snapshot() {
  if (pngname_.empty() || !due_) return;
  due_ = false;
  screendrawing_.show(width_, height_, [this](const ScreenDrawing::Item& item) {
    if (item.text)
      painttext(screen_, item.x, item.y, item.matrix, item.utf8, item.state);
    else
      paintpath(screen_, item.fills, item.outlines, item.state);
  });
  cairo_surface_flush(screensurface_);
  cairo_status_t status = cairo_status(screen_.cr);
  if (status == CAIRO_STATUS_SUCCESS) status = writepng();
  pngok_ = !failed(status, pngname_, pngreported_);
}

// Writes the screen into <stem>.png, opened as an output for the while:
// the window holds its claim.
cairo_status_t CairoPages::writepng() {
  bool held = false;
  OutputFile png = openclaimed(pngname_, O_WRONLY | O_CREAT | O_TRUNC, held);
  if (png.stream == nullptr) return CAIRO_STATUS_WRITE_ERROR;
  const cairo_status_t status =
      cairo_surface_write_to_png_stream(screensurface_, writestream, png.stream);
  return closeoutput(png) ? status : CAIRO_STATUS_WRITE_ERROR;
}

void CairoPages::endpage() {
  cairo_show_page(pdf_.cr);
  ++pages_;
  checkpdf();
}

void CairoPages::checkpdf() {
  cairo_status_t status = cairo_status(pdf_.cr);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(pdfsurface_);
  if (failed(status, pdfname_, pdfreported_)) pdfok_ = false;
}

// A failure is reported once per file.
bool CairoPages::failed(cairo_status_t status, const std::string& file, bool& reported) {
  if (status == CAIRO_STATUS_SUCCESS) return false;
  if (!reported)
    reportfailure("mecaro: cannot write plot file " + file + ": " +
                  cairo_status_to_string(status));
  reported = true;
  return true;
}

// Ends the last page and the PDF; its stream is emptied and closed, the
// last writes checked there.
void CairoPages::closepdf() {
  endpage();
  cairo_destroy(pdf_.cr);
  pdf_ = Target{};
  cairo_surface_finish(pdfsurface_);
  cairo_status_t status = cairo_surface_status(pdfsurface_);
  cairo_surface_destroy(pdfsurface_);
  pdfsurface_ = nullptr;
  if (std::fflush(pdffile_.stream) != 0 || std::ferror(pdffile_.stream) != 0)
    status = CAIRO_STATUS_WRITE_ERROR;
  // An unfinished PDF is of no use. Only a plain file is ours to remove,
  // and only while it is held: no file another run makes after is removed.
  if ((status != CAIRO_STATUS_SUCCESS || !pdfok_) && pdffile_.plain)
    std::remove(pdfname_.c_str());
  if (!closeoutput(pdffile_)) status = CAIRO_STATUS_WRITE_ERROR;
  if (failed(status, pdfname_, pdfreported_)) pdfok_ = false;
}

std::string CairoPages::finish() {
  if (pngname_.empty()) return "";
  paintbatch();
  snapshot();
  if (pdfsurface_ != nullptr) closepdf();
  std::string files;
  if (pdfok_)
    files = pdfname_ + " (" + std::to_string(pages_) + (pages_ == 1 ? " page)" : " pages)");
  if (pngok_) files += (files.empty() ? "" : ", ") + pngname_;
  pngname_.clear();  // finished: the files are written once
  return "Plot files written: " + (files.empty() ? std::string("none") : files);
}
