#pragma once
// Cairo back end of the drawing context: the window's screen as an image
// (always), and, when the window writes files, the same drawing as PDF
// pages and PNG snapshots of the screen. Coordinates come in Quartz-style
// device pixels (y upwards) and are turned over here, once: y' = height - y.
#include <cairo.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw_context.h"

class CairoPages {
 public:
  // A screen of width x height pixels. With a stem, the files <stem>.pdf
  // (ptperpx points per pixel) and <stem>.png are written; without, none.
  CairoPages(int width, int height, real ptperpx, const std::string& stem);
  ~CairoPages();
  CairoPages(const CairoPages&) = delete;
  CairoPages& operator=(const CairoPages&) = delete;

  void stroke(const std::vector<Subpath>& path, const DrawState& state);
  void fill(const std::vector<Subpath>& path, const DrawState& state);
  void clearrect(real x, real y, real width, real height);
  void fillrect(real x, real y, real width, real height, const DrawState& state);
  // Advance of a UTF-8 text in the state's font: (x, y) in text space.
  DrawPoint advance(const std::string& text, const DrawState& state);
  // Glyphs of a UTF-8 text with their origin at (x, y), transformed by the
  // linear part of m, in the fill colour.
  void showtext(real x, real y, const TextMatrix& m, const std::string& text,
                const DrawState& state);
  // Checks the PDF for a write failure.
  void flush();
  // Writes <stem>.png of the screen when something was drawn on it since
  // the last snapshot or the last clear of the whole window.
  void snapshot();
  std::string finish();

 private:
  std::vector<cairo_t*> targets() const;
  void setstate(cairo_t* cr, const DrawState& state) const;
  void addpath(cairo_t* cr, const std::vector<Subpath>& path, bool withdots) const;
  void endpage();
  void checkpdf();
  void closepdf();
  static bool failed(cairo_status_t status, const std::string& file, bool& reported);

  int width_, height_;
  cairo_surface_t* screen_ = nullptr;
  cairo_t* screencr_ = nullptr;
  std::FILE* pdffile_ = nullptr;
  cairo_surface_t* pdf_ = nullptr;
  cairo_t* pdfcr_ = nullptr;
  std::string pdfname_, pngname_;
  int pages_ = 0;  // PDF pages ended so far
  bool pdfok_ = true, pdfreported_ = false, pdfmade_ = false;
  bool pngok_ = false, pngreported_ = false;
  bool due_ = false;  // drawn on since the last snapshot or whole clear
};
