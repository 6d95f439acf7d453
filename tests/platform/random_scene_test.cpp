// The speed-ups of the drawing layer (PageSpeedups) promise the picture the
// layer draws without them. Random scenes, each made from a seed, are drawn
// once as the layer is and once with each speed-up off; the PDF's pages,
// rendered back by poppler (what a PDF reader shows, so that what cairo's
// PDF writer makes of a path counts too), and the screen's snapshots must
// be the same pixel for pixel, within what cairo's antialiasing leaves
// open.
#include <cairo.h>
#include <glib.h>
#include <gtest/gtest.h>
#include <poppler.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/cairo_pages.h"
#include "platform/draw_context.h"

namespace {

namespace fs = std::filesystem;

// The window: small, so that a scene is quickly drawn and compared, and
// scaled to the PDF as an A4 page is on the default screen.
constexpr int width = 300, height = 200;
constexpr real ptperpx = 0.757f;

// A fresh folder for the files of the runs, removed with its files.
struct Folder {
  Folder() {
    char name[] = "/tmp/mecaro-sceneXXXXXX";
    path = mkdtemp(name);
  }
  ~Folder() { fs::remove_all(path); }
  fs::path path;
};

// cairo's scan converter takes the coverage of a pixel on 15 sample rows,
// and paints a path of only horizontal and vertical lines as exact boxes:
// a figure drawn in paths of another make-up (alone, or with others in a
// batch; cut at the guard box or not) may come out a row apart at its
// edges, a colour channel 255 / 15 apart.
constexpr int tolerance = 17;

// A page's pixels, 0xRRGGBB, row after row from the top.
using Picture = std::vector<std::uint32_t>;

Picture pixels(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
      cairo_image_surface_get_width(surface) != width ||
      cairo_image_surface_get_height(surface) != height)
    return {};
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  Picture picture;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) picture.push_back(row[x] & 0xFFFFFFu);
  }
  return picture;
}

// The snapshot, if one was written.
std::optional<Picture> readpng(const fs::path& png) {
  if (!fs::exists(png)) return std::nullopt;
  cairo_surface_t* surface = cairo_image_surface_create_from_png(png.c_str());
  Picture picture = pixels(surface);
  cairo_surface_destroy(surface);
  return picture;
}

// The PDF's pages as poppler paints them onto white, a pixel of the window
// a pixel of the picture. They are painted as for printing: for a screen,
// poppler widens lines thinner than a pixel and moves them onto pixel
// centres, which brings onto the page a thin figure lying just off it,
// one that cairo's PDF writer leaves out when it is painted alone and
// keeps when it is painted in a batch.
std::vector<Picture> renderpdf(const fs::path& pdf) {
  gchar* uri = g_filename_to_uri(pdf.c_str(), nullptr, nullptr);
  PopplerDocument* document = poppler_document_new_from_file(uri, nullptr, nullptr);
  g_free(uri);
  std::vector<Picture> pages;
  if (document == nullptr) return pages;
  for (int n = 0; n < poppler_document_get_n_pages(document); ++n) {
    PopplerPage* page = poppler_document_get_page(document, n);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    cairo_scale(cr, 1.0 / static_cast<double>(ptperpx), 1.0 / static_cast<double>(ptperpx));
    poppler_page_render_for_printing(page, cr);
    cairo_destroy(cr);
    pages.push_back(pixels(surface));
    cairo_surface_destroy(surface);
    g_object_unref(page);
  }
  g_object_unref(document);
  return pages;
}

bool apart(std::uint32_t p, std::uint32_t q) {
  for (int shift = 0; shift < 24; shift += 8) {
    const auto channel = [shift](std::uint32_t v) { return static_cast<int>(v >> shift & 0xFFu); };
    if (std::abs(channel(p) - channel(q)) > tolerance) return true;
  }
  return false;
}

// Where two pictures differ by more than the tolerance: how many pixels,
// and the first of them; empty when none does.
std::string difference(const Picture& a, const Picture& b) {
  if (a.size() != b.size()) return "pictures of different sizes";
  std::size_t count = 0, first = 0;
  for (std::size_t k = 0; k < a.size(); ++k)
    if (apart(a[k], b[k]) && count++ == 0) first = k;
  if (count == 0) return "";
  char text[128];
  std::snprintf(text, sizeof text, "%zu pixels differ, the first at x %zu, y %zu from the top: "
                "%06X against %06X", count, first % width, first / width, a[first], b[first]);
  return text;
}

// A random scene, the same on every run of its seed: pages of symbols
// drawn in runs of one style (pluses, squares and triangles that come back
// to their first point without being closed, dots), polygons filled and
// not, sharp corners whose mitred tips reach far, lines there and back,
// figures across the page's edges, beyond the guard box and off the page,
// texts, turned ones too, white and coloured rectangles, partial clears,
// page clears, and now and then a look at the screen.
class Scene {
 public:
  Scene(DrawContext& cx, unsigned seed, std::function<void()> look)
      : cx_(cx), rng_(seed), look_(std::move(look)) {}

  void draw() {
    for (int page = 0; page < 3; ++page) {
      if (page > 0) clearpage();
      for (int step = 0; step < 60; ++step) action();
    }
    look_();
  }

 private:
  real uniform(real a, real b) { return std::uniform_real_distribution<real>(a, b)(rng_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  template <class T, std::size_t n>
  const T& pick(const T (&choices)[n]) {
    return choices[std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_)];
  }
  // A place on the page or up to 30 pixels beyond its edges.
  DrawPoint place() { return {uniform(-30.0f, width + 30.0f), uniform(-30.0f, height + 30.0f)}; }
  // A place beyond the guard box (1e5 pixels), but not far: not clipped,
  // cairo 1.16 draws wrongly from about 2e5 pixels on.
  DrawPoint far() {
    const real d = uniform(1.05e5f, 1.3e5f), across = uniform(-d, d);
    const real out = chance(0.5) ? d : -d;
    return chance(0.5) ? DrawPoint{out, across} : DrawPoint{across, out};
  }

  void action() {
    const int roll = std::uniform_int_distribution<int>(0, 99)(rng_);
    if (roll < 15) restyle();
    else if (roll < 45) symbols();
    else if (roll < 63) polygon();
    else if (roll < 70) spike();
    else if (roll < 74) thereandback();
    else if (roll < 80) offpage();
    else if (roll < 88) text();
    else if (roll < 93) rectangle();
    else if (roll < 96) look_();
    else clearpart();
  }

  // One aspect of the style changes: the other paints go on in runs.
  void restyle() {
    static constexpr DrawColor strokes[] = {
        {0.0f, 0.0f, 0.0f, 1.0f}, {0.8f, 0.1f, 0.1f, 1.0f}, {0.1f, 0.2f, 0.9f, 1.0f},
        {0.1f, 0.6f, 0.2f, 0.6f}};
    static constexpr DrawColor fills[] = {
        {1.0f, 1.0f, 1.0f, 1.0f}, {0.7f, 0.7f, 0.7f, 1.0f}, {1.0f, 0.85f, 0.2f, 1.0f},
        {0.3f, 0.4f, 1.0f, 0.5f}};
    static constexpr real widths[] = {0.5f, 1.0f, 2.0f, 3.5f, 6.0f};
    switch (std::uniform_int_distribution<int>(0, 3)(rng_)) {
      case 0: {
        const DrawColor& c = pick(strokes);
        cx_.strokecolor(c.red, c.green, c.blue, c.alpha);
        break;
      }
      case 1: {
        const DrawColor& c = pick(fills);
        cx_.fillcolor(c.red, c.green, c.blue, c.alpha);
        break;
      }
      case 2:
        cx_.linewidth(pick(widths));
        break;
      default:
        cx_.antialias(chance(0.7));
    }
  }

  // A figure of the path, closed or not.
  void figure(const std::vector<DrawPoint>& points, bool closed) {
    cx_.moveto(points.front().x, points.front().y);
    for (std::size_t k = 1; k < points.size(); ++k) cx_.lineto(points[k].x, points[k].y);
    if (closed) cx_.closepath();
  }
  void paint(bool fill) {
    if (fill)
      cx_.drawpath(PathDrawing::fillstroke);
    else
      cx_.strokepath();
  }

  // A run of symbols of one kind, each a path of its own, as a catalogue
  // is plotted.
  void symbols() {
    const int kind = std::uniform_int_distribution<int>(0, 3)(rng_);
    const bool fill = kind != 0 && chance(0.4);
    const int count = std::uniform_int_distribution<int>(2, 8)(rng_);
    for (int n = 0; n < count; ++n) {
      const DrawPoint c = place();
      const real s = uniform(2.0f, 8.0f);
      cx_.beginpath();
      if (kind == 0) {  // a plus
        figure({{c.x - s, c.y}, {c.x + s, c.y}}, false);
        figure({{c.x, c.y - s}, {c.x, c.y + s}}, false);
      } else if (kind == 1) {  // a square back at its first corner, open
        figure({{c.x - s, c.y - s}, {c.x + s, c.y - s}, {c.x + s, c.y + s}, {c.x - s, c.y + s},
                {c.x - s, c.y - s}},
               false);
      } else if (kind == 2) {  // a triangle back at its first corner, open
        figure({{c.x - s, c.y - s}, {c.x + s, c.y - s}, {c.x, c.y + s}, {c.x - s, c.y - s}},
               false);
      } else {  // a dot
        figure({c, c}, false);
      }
      paint(fill);
    }
  }

  // A polygon about a place, closed or open, one of its corners perhaps
  // beyond the guard box.
  void polygon() {
    const DrawPoint c = place();
    const real r = uniform(5.0f, 90.0f);
    std::vector<DrawPoint> points(std::uniform_int_distribution<std::size_t>(3, 7)(rng_));
    for (DrawPoint& p : points) p = {c.x + uniform(-r, r), c.y + uniform(-r, r)};
    if (chance(0.2)) points[std::uniform_int_distribution<std::size_t>(0, points.size() - 1)(rng_)] = far();
    cx_.beginpath();
    figure(points, chance(0.6));
    paint(chance(0.5));
  }

  // Two long arms about a narrow angle: mitred, or, under cairo's miter
  // limit of about 11 degrees, bevelled.
  void spike() {
    const DrawPoint tip = place();
    const real heading = uniform(0.0f, 6.2832f), opening = uniform(0.05f, 0.6f);
    const real length = uniform(10.0f, 60.0f);
    auto arm = [&](real angle) {
      return DrawPoint{tip.x + length * std::cos(angle), tip.y + length * std::sin(angle)};
    };
    cx_.beginpath();
    figure({arm(heading), tip, arm(heading + opening)}, chance(0.3));
    paint(chance(0.3));
  }

  void thereandback() {
    const DrawPoint a = place(), b = place();
    cx_.beginpath();
    figure({a, b, a}, false);
    paint(false);
  }

  // A figure off the page: just beyond its left edge (a wide line may
  // reach onto it), or far away.
  void offpage() {
    const bool near = chance(0.5);
    const DrawPoint c = near ? DrawPoint{-uniform(8.0f, 30.0f), uniform(0.0f, height)} : far();
    const real r = near ? 5.0f : uniform(5.0f, 2.0e4f);
    cx_.beginpath();
    figure({{c.x - r, c.y}, {c.x, c.y + r}, {c.x, c.y - r}}, chance(0.5));
    paint(chance(0.5));
  }

  void text() {
    static constexpr const char* words[] = {"N", "45\xA1", "Strike", "P T", "Mw 6.1"};
    cx_.selectfont("Geneva", uniform(6.0f, 24.0f));
    TextMatrix m = chance(0.3) ? textrotation(uniform(-3.2f, 3.2f)) : TextMatrix{1, 0, 0, 1, 0, 0};
    const DrawPoint p = chance(0.1) ? far() : place();
    m.tx = p.x;
    m.ty = p.y;
    cx_.settextmatrix(m);
    cx_.showtext(pick(words));
  }

  void rectangle() {
    const DrawPoint p = place();
    if (chance(0.5)) cx_.fillcolor(1.0f, 1.0f, 1.0f, 1.0f);
    cx_.fillrect(p.x, p.y, uniform(5.0f, 120.0f), uniform(5.0f, 80.0f));
  }

  void clearpart() {
    const DrawPoint p = place();
    cx_.clearrect(p.x, p.y, uniform(5.0f, 120.0f), uniform(5.0f, 80.0f));
  }

  // What the plot library does between two pages.
  void clearpage() {
    if (chance(0.5)) look_();
    cx_.savestate();
    cx_.clearrect(0.0f, 0.0f, width, height);
    cx_.fillcolor(1.0f, 1.0f, 1.0f, 1.0f);
    cx_.fillrect(0.0f, 0.0f, width, height);
    cx_.restorestate();
  }

  DrawContext& cx_;
  std::mt19937 rng_;
  std::function<void()> look_;
};

// One drawing of a scene: the PDF's pages, and the snapshots at each look
// at the screen (none where none was due).
struct Drawing {
  std::vector<Picture> pages;
  std::vector<std::optional<Picture>> snapshots;
};

Drawing drawscene(unsigned seed, const PageSpeedups& speedups, const fs::path& folder) {
  const std::string stem = folder / "scene";
  const fs::path png = stem + ".png";
  Drawing drawing;
  bool held = false;
  DrawContext cx(
      std::make_unique<CairoPages>(width, height, ptperpx, stem, openpdf(stem, held), speedups),
      nullptr);
  Scene(cx, seed, [&] {
    fs::remove(png);
    cx.snapshot();
    drawing.snapshots.push_back(readpng(png));
  }).draw();
  cx.finish();
  drawing.pages = renderpdf(stem + ".pdf");
  return drawing;
}

}  // namespace

TEST(RandomScene, EverySpeedUpLeavesThePagesAndTheSnapshotsAsTheyAre) {
  const Folder folder;
  const std::pair<const char*, PageSpeedups> without[] = {
      {"batching", {.batch = false}},
      {"hiding what later fills cover", {.hide = false}},
      {"leaving out what lies off the page", {.offpage = false}},
      {"clipping to the guard box", {.guard = false}}};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    const Drawing fast = drawscene(seed, {}, folder.path);
    ASSERT_EQ(fast.pages.size(), 3u) << "seed " << seed;
    const Picture blank(static_cast<std::size_t>(width * height), 0xFFFFFFu);
    EXPECT_NE(fast.pages.front(), blank) << "seed " << seed << ": nothing drawn";
    for (const auto& [speedup, speedups] : without) {
      const Drawing slow = drawscene(seed, speedups, folder.path);
      ASSERT_EQ(slow.pages.size(), fast.pages.size());
      for (std::size_t n = 0; n < fast.pages.size(); ++n)
        EXPECT_EQ(difference(fast.pages[n], slow.pages[n]), "")
            << "seed " << seed << ", PDF page " << n + 1 << ", without " << speedup;
      ASSERT_EQ(slow.snapshots.size(), fast.snapshots.size());
      for (std::size_t n = 0; n < fast.snapshots.size(); ++n) {
        if (!fast.snapshots[n]) continue;  // not due: nothing visible drawn since the last
        ASSERT_TRUE(slow.snapshots[n]) << "seed " << seed << ", snapshot " << n + 1;
        EXPECT_EQ(difference(*fast.snapshots[n], *slow.snapshots[n]), "")
            << "seed " << seed << ", snapshot " << n + 1 << ", without " << speedup;
      }
    }
  }
}
