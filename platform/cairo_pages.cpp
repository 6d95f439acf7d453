#include "platform/cairo_pages.h"

#include <cairo-pdf.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/failures.h"

namespace {

// A figure that has segments but no length: drawn as a dot.
bool dot(const Subpath& figure) {
  const auto& p = figure.points;
  return p.size() >= 2 && std::all_of(p.begin(), p.end(), [&](const DrawPoint& q) {
           return q.x == p.front().x && q.y == p.front().y;
         });
}

void paintwhite(cairo_t* cr, double x, double y, double width, double height) {
  cairo_save(cr);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
  cairo_rectangle(cr, x, y, width, height);
  cairo_fill(cr);
  cairo_restore(cr);
}

void setcolor(cairo_t* cr, const DrawColor& c) {
  cairo_set_source_rgba(cr, c.red, c.green, c.blue, c.alpha);
}

bool textdrawable(const DrawState& state) {
  return std::isfinite(state.fontsize) && state.fontsize > 0.0f;
}

// The PDF goes through a stream of our own: cairo's own file stream
// reports success when only its last write, at the close, has failed.
cairo_status_t writepdf(void* file, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

CairoPages::CairoPages(int width, int height, real ptperpx, const std::string& stem)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  screen_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
  screencr_ = cairo_create(screen_);
  paintwhite(screencr_, 0.0, 0.0, width_, height_);
  if (stem.empty()) return;
  pdfname_ = stem + ".pdf";
  pngname_ = stem + ".png";
  pdffile_ = std::fopen(pdfname_.c_str(), "wb");
  if (pdffile_ == nullptr) {
    pdfok_ = !failed(CAIRO_STATUS_WRITE_ERROR, pdfname_, pdfreported_);
    return;
  }
  // Only a plain file is ours to remove when it cannot be finished.
  struct stat st {};
  pdfmade_ = fstat(fileno(pdffile_), &st) == 0 && S_ISREG(st.st_mode);
  pdf_ = cairo_pdf_surface_create_for_stream(writepdf, pdffile_, width_ * ptperpx,
                                             height_ * ptperpx);
  pdfcr_ = cairo_create(pdf_);
  cairo_scale(pdfcr_, ptperpx, ptperpx);
  checkpdf();
}

CairoPages::~CairoPages() {
  if (!pngname_.empty()) finish();
  cairo_destroy(screencr_);
  cairo_surface_destroy(screen_);
}

std::vector<cairo_t*> CairoPages::targets() const {
  if (pdfcr_ == nullptr) return {screencr_};
  return {screencr_, pdfcr_};
}

void CairoPages::setstate(cairo_t* cr, const DrawState& state) const {
  if (std::isfinite(state.width)) cairo_set_line_width(cr, std::max(state.width, 0.0f));
  cairo_set_antialias(cr, state.antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // Unhinted metrics, so that a text measures the same on the screen and
  // in the PDF, at every scale.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options, state.antialias ? CAIRO_ANTIALIAS_DEFAULT
                                                            : CAIRO_ANTIALIAS_NONE);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_select_font_face(cr, state.family.c_str(), CAIRO_FONT_SLANT_NORMAL,
                         CAIRO_FONT_WEIGHT_NORMAL);
  if (textdrawable(state)) cairo_set_font_size(cr, state.fontsize);
}

// Adds the figures of the path, or, withdots, only the dots of its figures
// of zero length, as discs of the line's width.
void CairoPages::addpath(cairo_t* cr, const std::vector<Subpath>& path, bool withdots) const {
  cairo_new_path(cr);
  const double radius = cairo_get_line_width(cr) / 2.0;
  for (const Subpath& figure : path) {
    if (figure.points.empty() || dot(figure) != withdots) continue;
    const DrawPoint& p = figure.points.front();
    if (withdots) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, p.x, height_ - p.y, radius, 0.0, 2.0 * std::numbers::pi);
      continue;
    }
    cairo_move_to(cr, p.x, height_ - p.y);
    for (std::size_t k = 1; k < figure.points.size(); ++k)
      cairo_line_to(cr, figure.points[k].x, height_ - figure.points[k].y);
    if (figure.closed) cairo_close_path(cr);
  }
}

void CairoPages::stroke(const std::vector<Subpath>& path, const DrawState& state) {
  const bool dots = std::any_of(path.begin(), path.end(), dot);
  for (cairo_t* cr : targets()) {
    setstate(cr, state);
    setcolor(cr, state.stroke);
    addpath(cr, path, false);
    cairo_stroke(cr);
    if (dots) {
      addpath(cr, path, true);
      cairo_fill(cr);
    }
  }
}

void CairoPages::fill(const std::vector<Subpath>& path, const DrawState& state) {
  for (cairo_t* cr : targets()) {
    setstate(cr, state);
    setcolor(cr, state.fill);
    addpath(cr, path, false);
    cairo_fill(cr);
  }
}

void CairoPages::clearrect(real x, real y, real width, real height) {
  const bool whole = x <= 0.0f && y <= 0.0f && x + width >= static_cast<real>(width_) &&
                     y + height >= static_cast<real>(height_);
  if (whole && pdfcr_ != nullptr) endpage();
  for (cairo_t* cr : targets()) {
    if (cr == pdfcr_ && whole) continue;  // a new PDF page is blank already
    paintwhite(cr, x, height_ - y - height, width, height);
  }
}

void CairoPages::fillrect(real x, real y, real width, real height, const DrawState& state) {
  for (cairo_t* cr : targets()) {
    setstate(cr, state);
    setcolor(cr, state.fill);
    cairo_rectangle(cr, x, height_ - y - height, width, height);
    cairo_fill(cr);
  }
}

DrawPoint CairoPages::advance(const std::string& text, const DrawState& state) {
  if (!textdrawable(state)) return {0.0f, 0.0f};
  setstate(screencr_, state);
  cairo_text_extents_t extents;
  cairo_text_extents(screencr_, text.c_str(), &extents);
  return {static_cast<real>(extents.x_advance), static_cast<real>(-extents.y_advance)};
}

void CairoPages::showtext(real x, real y, const TextMatrix& m, const std::string& text,
                          const DrawState& state) {
  const real det = m.a * m.d - m.b * m.c;
  if (!textdrawable(state) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(det) ||
      det == 0.0f)
    return;
  for (cairo_t* cr : targets()) {
    cairo_save(cr);
    setstate(cr, state);
    cairo_translate(cr, x, height_ - y);
    cairo_matrix_t turned;  // the text matrix seen with y downwards
    cairo_matrix_init(&turned, m.a, -m.b, -m.c, m.d, 0.0, 0.0);
    cairo_transform(cr, &turned);
    cairo_move_to(cr, 0.0, 0.0);
    setcolor(cr, state.fill);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
  }
}

void CairoPages::flush() {
  if (pdfcr_ != nullptr) checkpdf();
  if (pngname_.empty()) return;
  cairo_surface_flush(screen_);
  cairo_status_t status = cairo_status(screencr_);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_write_to_png(screen_, pngname_.c_str());
  pngok_ = !failed(status, pngname_, pngreported_);
}

void CairoPages::endpage() {
  cairo_show_page(pdfcr_);
  ++pages_;
  checkpdf();
}

void CairoPages::checkpdf() {
  cairo_status_t status = cairo_status(pdfcr_);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(pdf_);
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
  cairo_destroy(pdfcr_);
  pdfcr_ = nullptr;
  cairo_surface_finish(pdf_);
  cairo_status_t status = cairo_surface_status(pdf_);
  cairo_surface_destroy(pdf_);
  pdf_ = nullptr;
  const bool written = std::fflush(pdffile_) == 0 && std::ferror(pdffile_) == 0;
  if (std::fclose(pdffile_) != 0 || !written) status = CAIRO_STATUS_WRITE_ERROR;
  pdffile_ = nullptr;
  if (failed(status, pdfname_, pdfreported_)) pdfok_ = false;
  if (!pdfok_ && pdfmade_) std::remove(pdfname_.c_str());  // an unfinished PDF is of no use
}

std::string CairoPages::finish() {
  if (pngname_.empty()) return "";
  flush();
  if (pdf_ != nullptr) closepdf();
  std::string files;
  if (pdfok_)
    files = pdfname_ + " (" + std::to_string(pages_) + (pages_ == 1 ? " page)" : " pages)");
  if (pngok_) files += (files.empty() ? "" : ", ") + pngname_;
  pngname_.clear();  // finished: the files are written once
  return "Plot files written: " + (files.empty() ? std::string("none") : files);
}
