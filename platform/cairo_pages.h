#pragma once
// Cairo back end of the drawing context: the window's screen as an image
// (always), and, when the window writes files, the same drawing as PDF
// pages and PNG snapshots of the screen, the screen painted only for a
// snapshot. Coordinates come in Quartz-style device pixels (y upwards)
// and are turned over here, once: y' = height - y.
#include <cairo.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw_context.h"
#include "platform/output_files.h"
#include "platform/screen_drawing.h"

// The speed-ups of the drawing, each of which leaves the picture as it is:
// all on but in tests, which turn them off to see that it stays the same.
struct PageSpeedups {
  bool batch = true;    // paints of one style painted as one path in the PDF
  bool hide = true;     // the screen leaves out what later opaque fills hide
  bool offpage = true;  // what lies off the page is left out
  // Paths are clipped to the guard box; off, their points must be finite
  // and within about 2e5 pixels (farther, cairo 1.16 draws wrongly).
  bool guard = true;
};

// Opens <stem>.pdf as the output of a window's PDF (openoutput).
OutputFile openpdf(const std::string& stem, bool& held);

class CairoPages {
 public:
  // A screen of width x height pixels. With a stem, the files <stem>.pdf
  // (ptperpx points per pixel), into pdf as opened by openpdf (a failure
  // to open it is reported), and <stem>.png are written; without, none.
  CairoPages(int width, int height, real ptperpx, const std::string& stem, OutputFile pdf,
             const PageSpeedups& speedups = {});
  ~CairoPages();
  CairoPages(const CairoPages&) = delete;
  CairoPages& operator=(const CairoPages&) = delete;

  // Paints a path: when fill, its figures filled (non-zero winding rule)
  // in the fill colour, then their outlines in the stroke colour; what
  // lies off the page or far outside it is left out (clippedfill,
  // clippedstroke). Paints of one style that follow one another are
  // painted together, as one path, while no two of them come near enough
  // to paint one pixel: the picture stays the same, with fewer and larger
  // cairo operations.
  void paint(const std::vector<Subpath>& path, bool fill, const DrawState& state);
  void clearrect(real x, real y, real width, real height, const DrawState& state);
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
  // A cairo context and what was last set on it, so that a state is set
  // only when it changes.
  struct Target {
    cairo_t* cr = nullptr;
    DrawColor source{-1.0f, -1.0f, -1.0f, -1.0f};
    real width = -1.0f;
    int antialias = -1;
    std::string family;
    real fontsize = -1.0f;
    double scale = 1.0;  // device units per pixel
  };
  // Paints waiting to be painted as one: their figures, their style, and
  // the boxes (widened by the line and its antialiasing) they cover.
  struct Batch {
    std::vector<Subpath> fills, outlines;
    DrawState state;
    std::vector<Box> boxes;
    int paints = 0;
  };

  void setstate(Target& t, const DrawState& state);
  void setcolor(Target& t, const DrawColor& c);
  void addrectangle(const Target& t, real x, real y, real width, real height) const;
  void paintwhite(const Target& t, real x, real y, real width, real height) const;
  void blankscreen();
  void addpath(const Target& t, const std::vector<Subpath>& path, bool withdots) const;
  // Whether something within the box lies on the page.
  bool onpage(const Box& box) const;
  bool joins(const std::vector<Subpath>& fills, const DrawState& state, const Box& box) const;
  void paintbatch();
  void paintpath(Target& t, const std::vector<Subpath>& fills,
                 const std::vector<Subpath>& outlines, const DrawState& state);
  void changed(bool white);
  void keeprectangle(real x, real y, real width, real height, const DrawState& state);
  void painttext(Target& t, real x, real y, const TextMatrix& m, const std::string& text,
                 const DrawState& state);
  void endpage();
  void checkpdf();
  void closepdf();
  cairo_status_t writepng();
  static bool failed(cairo_status_t status, const std::string& file, bool& reported);

  int width_, height_;
  PageSpeedups speedups_;
  cairo_surface_t* screensurface_ = nullptr;
  OutputFile pdffile_;
  cairo_surface_t* pdfsurface_ = nullptr;
  Target screen_, pdf_;  // the PDF's context is null when there is none
  std::array<cairo_font_options_t*, 2> fontoptions_{};  // antialiasing off, on
  Batch batch_;
  ScreenDrawing screendrawing_;  // drawn since the screen was last shown
  std::string pdfname_, pngname_;
  int pages_ = 0;  // PDF pages ended so far
  bool pdfok_ = true, pdfreported_ = false;
  bool pngok_ = false, pngreported_ = false;
  bool due_ = false;   // drawn on since the last snapshot or whole clear
  bool blank_ = true;  // nothing painted since the last whole clear
};
