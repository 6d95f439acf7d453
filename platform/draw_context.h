#pragma once
// Drawing context of the plot window: the path, colour, line and text calls
// the plotting library makes, one for one, in device pixels with the origin
// at the bottom-left corner of the window's content area and y upwards.
// The context keeps the drawing state itself (separate stroke and fill
// colours, line width, font, text drawing mode, text matrix and position)
// and hands every call to its back ends: the cairo pages of the window
// (screen image, PDF and PNG files) and, when one is attached, the drawing
// log, which records one text line per call.
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/real.h"

struct DrawColor {
  real red, green, blue, alpha;  // 0.0 .. 1.0
  bool operator==(const DrawColor&) const = default;
};

struct DrawPoint {
  real x, y;
  bool operator==(const DrawPoint&) const = default;
};

// Text matrix from text space to device pixels, y upwards:
// x' = a x + c y + tx, y' = b x + d y + ty. (tx, ty) is the text position.
struct TextMatrix {
  real a, b, c, d, tx, ty;
};

// Counter-clockwise rotation by angle (radians) about the origin.
TextMatrix textrotation(real angle);

// How drawpath paints the path: outline only, or fill (non-zero winding
// rule) then outline. The values are the codes the callers pass.
enum class PathDrawing { stroke = 2, fillstroke = 3 };

// fill draws the glyphs with the fill colour; invisible only advances the
// text position (the way a text is measured).
enum class TextDrawing { fill = 0, invisible = 3 };

// State that savestate and restorestate keep: everything a call sets but
// the path and the text matrix.
struct DrawState {
  DrawColor stroke{0.0f, 0.0f, 0.0f, 1.0f};
  DrawColor fill{0.0f, 0.0f, 0.0f, 1.0f};
  real width = 1.0f;  // line width, pixels
  bool antialias = true;
  std::string family = "DejaVu Sans";
  real fontsize = 12.0f;
  TextDrawing textdrawing = TextDrawing::fill;
};

// One figure of a path: its points in order, closed or open.
struct Subpath {
  std::vector<DrawPoint> points;
  bool closed = false;
  bool operator==(const Subpath&) const = default;
};

// What of a path is painted: its parts inside a guard box well outside the
// window. A non-finite point splits its figure in two. Stroking keeps a
// figure inside the box as it is and cuts a segment that crosses the box
// at its edge; filling clips each figure to the box as a closed polygon.
std::vector<Subpath> clippedstroke(const std::vector<Subpath>& path);
std::vector<Subpath> clippedfill(const std::vector<Subpath>& path);

class CairoPages;
class DrawLog;

class DrawContext {
 public:
  // pages: the window's cairo pages (owned); log: the recorder, or null
  // (or one that records nowhere: no line is then made).
  DrawContext(std::unique_ptr<CairoPages> pages, DrawLog* log);
  ~DrawContext();
  DrawContext(const DrawContext&) = delete;
  DrawContext& operator=(const DrawContext&) = delete;

  void antialias(bool on);

  // Paths: a new empty path, figures of straight segments, and its painting,
  // which empties it. What lies far outside the window or runs through a
  // non-finite point is left out (clippedstroke, clippedfill).
  // A figure of zero length is painted as a dot as wide as the line; an
  // open figure that comes back to its first point through two others or
  // more is painted closed.
  void beginpath();
  void moveto(real x, real y);
  void lineto(real x, real y);
  void closepath();
  void strokepath();
  void drawpath(PathDrawing how);

  void strokecolor(real red, real green, real blue, real alpha);
  void fillcolor(real red, real green, real blue, real alpha);
  void linewidth(real width);

  // A rectangle cleared to white; a clear of the whole window ends the
  // PDF page and begins the next one.
  void clearrect(real x, real y, real width, real height);
  void fillrect(real x, real y, real width, real height);
  // Makes the page visible (the window shows every call at once: nothing
  // to do but look for a failed PDF write).
  void flush();
  void synchronize();

  // Font by family name ("Geneva" is drawn with DejaVu Sans) and size in
  // pixels; texts may be UTF-8 or Mac OS Roman.
  void selectfont(std::string_view name, real size);
  void fontsize(real size);
  void textdrawing(TextDrawing mode);
  void settextposition(real x, real y);
  DrawPoint textposition();
  // Draws (or, invisible, only measures) text at the text position, which
  // moves on by the text's advance.
  void showtext(std::string_view text);
  void showtextat(real x, real y, std::string_view text);
  TextMatrix textmatrix();
  void settextmatrix(const TextMatrix& m);

  void savestate();
  void restorestate();

  // Writes the PNG snapshot of what the window shows, when something was
  // drawn since the last one and the page was not cleared since.
  void snapshot();

  // Ends the pages: the PDF gets its last page and is closed. Returns the
  // line that tells which files were written (empty when none were meant).
  std::string finish();

 private:
  // Logs a call with its numbers and text, when a log is attached.
  void record(std::string_view call, std::initializer_list<real> numbers = {},
              std::optional<std::string_view> text = std::nullopt) {
    if (log_ != nullptr) writelog(call, numbers, text);
  }
  void writelog(std::string_view call, std::initializer_list<real> numbers,
                std::optional<std::string_view> text);
  void paint(bool fill);
  void draw(const std::string& utf8);

  std::unique_ptr<CairoPages> pages_;
  DrawLog* log_;
  DrawState state_;
  std::vector<DrawState> saved_;
  TextMatrix textmatrix_{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
  std::vector<Subpath> path_;
};
