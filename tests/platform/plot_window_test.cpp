#include "platform/plot_window.h"
#include "platform/output_files.h"

#include <cairo.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>
#include <zlib.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// The window of the portrait A4 page on the default screen: 786 x 1112
// pixels, 1112 / 29.7 pixels per centimetre of the page.
constexpr ScreenRect a4portrait{44, 1134, 1156, 1920};
constexpr real a4pxpercm = 1112.0f / 29.7f;

// A window of that page, titled.
PlotWindow* a4window(std::string_view title) {
  PlotWindow* w = newwindow(a4portrait, a4pxpercm);
  setwindowtitle(*w, title);
  return w;
}

// Runs a test in a fresh directory, the current one while it lives.
class ScratchDirectory {
 public:
  ScratchDirectory() : previous_(fs::current_path()) {
    char name[] = "/tmp/mecaro-plotXXXXXX";
    path_ = mkdtemp(name);
    fs::current_path(path_);
  }
  ~ScratchDirectory() {
    fs::current_path(previous_);
    fs::remove_all(path_);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path previous_, path_;
};

// Keeps the calls of the windows made while it lives.
class Recording {
 public:
  Recording() { recorddrawing(&lines); }
  ~Recording() { recorddrawing(nullptr); }
  std::vector<std::string> lines;
};

std::string readfile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A PNG read back: its size and the grey level (0 black .. 255 white) of a
// pixel given in device pixels, y upwards.
class Snapshot {
 public:
  explicit Snapshot(const fs::path& png)
      : surface_(cairo_image_surface_create_from_png(png.c_str())) {}
  ~Snapshot() { cairo_surface_destroy(surface_); }
  bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  int grey(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    const auto* pixel = reinterpret_cast<const std::uint32_t*>(data + (height() - 1 - y) * stride);
    const std::uint32_t p = pixel[x];
    return static_cast<int>(((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) / 3);
  }
  std::uint32_t rgb(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    return reinterpret_cast<const std::uint32_t*>(data + (height() - 1 - y) * stride)[x] &
           0xFFFFFF;
  }

 private:
  cairo_surface_t* surface_;
};

// The words of a PDF's page contents (every stream that inflates).
std::vector<std::string> pagewords(const std::string& pdf) {
  std::vector<std::string> words;
  for (std::size_t at = pdf.find("stream\n"); at != std::string::npos;
       at = pdf.find("stream\n", at + 1)) {
    const std::size_t begin = at + 7, end = pdf.find("endstream", begin);
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(pdf.data() + begin));
    z.avail_in = static_cast<uInt>(end - begin);
    std::string text;
    int status = Z_OK;
    while (status == Z_OK) {
      char out[4096];
      z.next_out = reinterpret_cast<Bytef*>(out);
      z.avail_out = sizeof out;
      status = inflate(&z, Z_NO_FLUSH);
      text.append(out, sizeof out - z.avail_out);
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END) continue;
    std::istringstream in(text);
    for (std::string w; in >> w;) words.push_back(w);
  }
  return words;
}

void segment(DrawContext& cx, real x1, real y1, real x2, real y2) {
  cx.beginpath();
  cx.moveto(x1, y1);
  cx.lineto(x2, y2);
  cx.strokepath();
}

// What the plot library does between two pages.
void clearpage(DrawContext& cx) {
  cx.flush();
  cx.savestate();
  cx.clearrect(0.0f, 0.0f, 786.0f, 1112.0f);
  cx.fillcolor(1.0f, 1.0f, 1.0f, 1.0f);
  cx.fillrect(0.0f, 0.0f, 786.0f, 1112.0f);
  cx.restorestate();
  cx.flush();
}

}  // namespace

TEST(Screen, IsTheDefaultOrWhatTheEnvironmentSays) {
  unsetenv("MECARO_SCREEN");
  ScreenRect r = screenbounds();
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.bottom, 1200);
  EXPECT_EQ(r.right, 1920);
  setenv("MECARO_SCREEN", "1024x768", 1);
  r = screenbounds();
  EXPECT_EQ(r.bottom, 768);
  EXPECT_EQ(r.right, 1024);
  for (const char* bad : {"1024", "1024x", "x768", "1024x768x2", "0x768", "1024x99999", "big"}) {
    setenv("MECARO_SCREEN", bad, 1);
    r = screenbounds();
    EXPECT_EQ(r.bottom, 1200) << bad;
    EXPECT_EQ(r.right, 1920) << bad;
  }
  unsetenv("MECARO_SCREEN");
}

TEST(Window, RegionsAreTheContentWithATitleBarAbove) {
  Recording rec;
  PlotWindow* w = newwindow(a4portrait, a4pxpercm);
  const ScreenRect content = windowbounds(*w, WindowRegion::content);
  const ScreenRect port = windowbounds(*w, WindowRegion::port);
  const ScreenRect structure = windowbounds(*w, WindowRegion::structure);
  const ScreenRect title = windowbounds(*w, WindowRegion::titlebar);
  for (const ScreenRect& r : {content, port}) {
    EXPECT_EQ(r.top, 44);
    EXPECT_EQ(r.left, 1134);
    EXPECT_EQ(r.bottom, 1156);
    EXPECT_EQ(r.right, 1920);
  }
  EXPECT_EQ(structure.top, 22);
  EXPECT_EQ(structure.bottom, 1156);
  EXPECT_EQ(title.top, 22);
  EXPECT_EQ(title.bottom, 44);
  EXPECT_EQ(title.left, 1134);
  EXPECT_EQ(title.right, 1920);
  disposewindow(w);
}

TEST(Recorder, WritesOneLineForEveryCall) {
  Recording rec;
  PlotWindow* w = a4window("QZ Fit A4P");
  DrawContext& cx = *begincontext(*w);
  EXPECT_EQ(begincontext(*w), &cx);
  cx.strokecolor(1.0f, 0.0f, 0.5f, 1.0f);
  cx.beginpath();
  cx.moveto(10.004f, -0.001f);
  cx.lineto(20.5f, 30.126f);
  cx.drawpath(PathDrawing::fillstroke);
  cx.selectfont("Geneva", 14.17f);
  cx.showtextat(1.0f, 2.0f, "45\xA1");
  EXPECT_EQ(endcontext(*w), "");  // recording writes no file
  disposewindow(w);
  const std::vector<std::string> expected{
      "newwindow 44 1134 1156 1920",
      "windowtitle \"QZ Fit A4P\"",
      "begincontext 786 1112",
      "strokecolor 1.00 0.00 0.50 1.00",
      "beginpath",
      "moveto 10.00 0.00",
      "lineto 20.50 30.13",
      "drawpath 3",
      "selectfont 14.17 \"Geneva\"",
      "showtextat 1.00 2.00 \"45\xC2\xB0\"",
      "endcontext",
      "disposewindow",
  };
  EXPECT_EQ(rec.lines, expected);
}

TEST(Recorder, AppendsToTheDrawingLogFile) {
  ScratchDirectory dir;
  setenv("MECARO_DRAWLOG", "draw.log", 1);
  PlotWindow* w = newwindow(a4portrait, a4pxpercm);
  unsetenv("MECARO_DRAWLOG");
  setwindowtitle(*w, "drawing log");
  DrawContext& cx = *begincontext(*w);
  cx.linewidth(2.5f);
  cx.synchronize();
  EXPECT_EQ(endcontext(*w), "Plot files written: drawing_log.pdf (1 page)");  // nothing drawn
  EXPECT_EQ(claimoutput("./draw.log"), 0);  // an output while the window lives
  disposewindow(w);
  const int claim = claimoutput("draw.log");
  EXPECT_NE(claim, 0);
  releaseoutput(claim);
  EXPECT_EQ(readfile("draw.log"),
            "newwindow 44 1134 1156 1920\nwindowtitle \"drawing log\"\nbegincontext 786 1112\n"
            "linewidth 2.50\nsynchronize\nendcontext\ndisposewindow\n");
}

// A drawing log that cannot be opened is told, and holds nothing.
TEST(Recorder, ADrawingLogThatCannotBeOpenedHoldsNothing) {
  ScratchDirectory dir;
  setenv("MECARO_DRAWLOG", "later/draw.log", 1);
  testing::internal::CaptureStderr();
  PlotWindow* w = newwindow(a4portrait, a4pxpercm);
  unsetenv("MECARO_DRAWLOG");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "mecaro: cannot write the drawing log later/draw.log: No such file or directory\n");
  fs::create_directory("later");
  const int claim = claimoutput("later/draw.log");
  EXPECT_NE(claim, 0);
  releaseoutput(claim);
  disposewindow(w);
}

TEST(TextContext, MeasuresByTheAdvanceAndTurnsWithTheTextMatrix) {
  Recording rec;
  PlotWindow* w = newwindow(a4portrait, a4pxpercm);
  DrawContext& cx = *begincontext(*w);
  cx.selectfont("Geneva", 20.0f);
  cx.textdrawing(TextDrawing::invisible);
  cx.settextposition(0.0f, 0.0f);
  cx.showtext("AB");
  const real ab = cx.textposition().x;
  cx.settextposition(0.0f, 0.0f);
  cx.showtext("  AB  ");
  const real blanks = cx.textposition().x;
  EXPECT_GT(ab, 10.0f);
  EXPECT_LT(ab, 40.0f);
  EXPECT_GT(blanks, ab + 10.0f);  // blanks have an advance too
  // Turned by 90 degrees, the text advances upwards.
  cx.settextmatrix(textrotation(1.5707964f));
  cx.settextposition(5.0f, 5.0f);
  cx.showtext("AB");
  EXPECT_NEAR(cx.textposition().x, 5.0f, 1e-4f);
  EXPECT_NEAR(cx.textposition().y, 5.0f + ab, 1e-3f);
  endcontext(*w);
  disposewindow(w);
}

// The PNG is what the screen shows when the user looks at it: before an
// answer at a terminal (showwindows) and at the closing, of a page drawn
// on since the last snapshot, never of a page just cleared.
TEST(CairoPages, TwoPagesOfA4AndSnapshotsOfWhatTheScreenShows) {
  ScratchDirectory dir;
  const fs::path png = dir.path() / "QZ_Fit_A4P.png";
  PlotWindow* w = a4window("QZ Fit A4P");
  DrawContext& cx = *begincontext(*w);
  cx.linewidth(3.0f);
  segment(cx, 100.0f, 500.0f, 600.0f, 500.0f);  // page 1: a horizontal line
  segment(cx, 0.0f, 0.0f, std::nanf(""), 50.0f);  // split into two single points
  cx.flush();
  EXPECT_FALSE(fs::exists(png));  // drawing is not looking
  showwindows();
  {
    const Snapshot first(png);
    ASSERT_TRUE(first.ok());
    EXPECT_LT(first.grey(350, 500), 60);
    EXPECT_EQ(first.grey(350, 520), 255);
  }
  fs::remove(png);
  showwindows();  // nothing new drawn
  clearpage(cx);
  showwindows();  // a page just cleared
  EXPECT_FALSE(fs::exists(png));
  segment(cx, 100.0f, 100.0f, 700.0f, 1000.0f);  // page 2: a diagonal
  cx.selectfont("Geneva", 30.0f);
  cx.showtextat(100.0f, 1050.0f, "page \xA4 2 \xFF\xFE");  // Mac OS Roman bytes
  cx.flush();
  EXPECT_EQ(endcontext(*w), "Plot files written: QZ_Fit_A4P.pdf (2 pages), QZ_Fit_A4P.png");
  disposewindow(w);

  const std::string pdf = readfile(dir.path() / "QZ_Fit_A4P.pdf");
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  const std::regex mediabox(R"(/MediaBox \[ 0 0 ([0-9.]+) ([0-9.]+) \])");
  int boxes = 0;
  for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), mediabox);
       it != std::sregex_iterator(); ++it, ++boxes) {
    EXPECT_NEAR(std::stod((*it)[1]) / 28.3464566, 786.0 / 1112.0 * 29.7, 0.01);  // cm
    EXPECT_NEAR(std::stod((*it)[2]) / 28.3464566, 29.7, 0.01);
  }
  EXPECT_EQ(boxes, 2);

  const Snapshot last(png);
  ASSERT_TRUE(last.ok());
  EXPECT_EQ(last.width(), 786);
  EXPECT_EQ(last.height(), 1112);
  for (auto [x, y] : {std::pair{0, 0}, {785, 1111}, {350, 500}, {700, 100}})
    EXPECT_EQ(last.grey(x, y), 255) << x << ' ' << y;  // white, page 1 gone
  EXPECT_LT(last.grey(400, 550), 60);  // on the diagonal
  int ink = 0;  // the text was drawn, though given in Mac OS Roman
  for (int x = 100; x < 400; ++x)
    for (int y = 1050; y < 1075; ++y) ink += last.grey(x, y) < 128;
  EXPECT_GT(ink, 100);
}

TEST(CairoPages, DotsColoursAfterAClearAndFileNames) {
  ScratchDirectory dir;
  PlotWindow* w = a4window("dots/colours");
  DrawContext& cx = *begincontext(*w);
  cx.strokecolor(0.0f, 0.0f, 1.0f, 1.0f);
  cx.fillcolor(1.0f, 0.0f, 0.0f, 1.0f);
  clearpage(cx);  // the colours in force before the clear come back
  cx.linewidth(6.0f);
  segment(cx, 200.0f, 200.0f, 200.0f, 200.0f);  // a segment of zero length
  cx.beginpath();  // a closed square, filled with the non-zero rule
  cx.moveto(300.0f, 300.0f);
  cx.lineto(400.0f, 300.0f);
  cx.lineto(400.0f, 400.0f);
  cx.lineto(300.0f, 400.0f);
  cx.closepath();
  cx.drawpath(PathDrawing::fillstroke);
  cx.flush();
  endcontext(*w);
  disposewindow(w);
  const Snapshot page(dir.path() / "dots_colours.png");
  ASSERT_TRUE(page.ok());
  EXPECT_EQ(page.rgb(200, 200), 0x0000FFu);  // the dot, in the stroke colour
  EXPECT_EQ(page.rgb(350, 350), 0xFF0000u);  // inside: the fill colour
  EXPECT_EQ(page.rgb(300, 350), 0x0000FFu);  // the outline

  // A second window of the same title keeps the first one's files; closed
  // on a page just cleared, it leaves no snapshot.
  PlotWindow* again = a4window("dots/colours");
  DrawContext& next = *begincontext(*again);
  segment(next, 10.0f, 10.0f, 100.0f, 100.0f);
  clearpage(next);
  EXPECT_EQ(endcontext(*again), "Plot files written: dots_colours-2.pdf (2 pages)");
  disposewindow(again);
  EXPECT_TRUE(fs::exists(dir.path() / "dots_colours.pdf"));
}

// Paints of one style that follow one another and touch nothing of each
// other's are one cairo path in the PDF: a stroke (S) or a fill and stroke
// (B) for them all; nearer, another colour or a text between, they stay
// apart, in their order.
TEST(CairoPages, PaintsOfOneStyleThatTouchNothingAreOnePath) {
  ScratchDirectory dir;
  PlotWindow* w = a4window("batches");
  DrawContext& cx = *begincontext(*w);
  for (int k = 0; k < 40; ++k) {  // ticks about a circle
    const double a = k * std::numbers::pi / 20.0;
    segment(cx, static_cast<real>(400.0 + 102.0 * std::cos(a)), static_cast<real>(500.0 + 102.0 * std::sin(a)),
            static_cast<real>(400.0 + 108.0 * std::cos(a)), static_cast<real>(500.0 + 108.0 * std::sin(a)));
  }
  auto square = [&cx](real x, real y) {
    cx.beginpath();
    cx.moveto(x, y);
    cx.lineto(x + 100.0f, y);
    cx.lineto(x + 100.0f, y + 100.0f);
    cx.lineto(x, y + 100.0f);
    cx.closepath();
    cx.drawpath(PathDrawing::fillstroke);
  };
  cx.fillcolor(0.8f, 0.8f, 0.8f, 1.0f);
  square(100.0f, 100.0f);
  square(150.0f, 150.0f);  // over the first: apart
  square(400.0f, 100.0f);  // with the second
  square(550.0f, 100.0f);
  cx.strokecolor(1.0f, 0.0f, 0.0f, 1.0f);
  segment(cx, 100.0f, 900.0f, 200.0f, 900.0f);
  cx.strokecolor(0.0f, 0.0f, 0.0f, 1.0f);
  segment(cx, 100.0f, 950.0f, 200.0f, 950.0f);  // another colour before
  cx.showtextat(300.0f, 950.0f, "text");
  segment(cx, 100.0f, 1000.0f, 200.0f, 1000.0f);  // a text before
  // A sharp spike whose last point repeats its first: its mitred tip
  // reaches over the square beside it, which must be painted after it.
  cx.linewidth(8.0f);
  cx.beginpath();
  cx.moveto(700.0f, 700.0f);
  cx.lineto(640.0f, 707.9f);
  cx.lineto(640.0f, 692.1f);
  cx.lineto(700.0f, 700.0f);
  cx.closepath();
  cx.drawpath(PathDrawing::fillstroke);
  square(717.0f, 650.0f);
  EXPECT_EQ(endcontext(*w), "Plot files written: batches.pdf (1 page), batches.png");
  disposewindow(w);
  const std::vector<std::string> words = pagewords(readfile(dir.path() / "batches.pdf"));
  std::vector<std::string> painted;
  for (const std::string& word : words)
    if (word == "S" || word == "B" || word.ends_with("Tj")) painted.push_back(word);
  EXPECT_EQ(painted, (std::vector<std::string>{"S", "B", "B", "S", "S", "(text)Tj", "S", "B", "B"}));
}

// The PDF's streams are compressed at zlib's fastest level: each begins
// with the zlib header 78 01. A cairo that reached zlib by another way
// would write 78 9C, the default level, and take half as long again.
TEST(CairoPages, PdfStreamsAreCompressedAtTheFastestLevel) {
  ScratchDirectory dir;
  PlotWindow* w = a4window("fast");
  DrawContext& cx = *begincontext(*w);
  for (int k = 0; k < 100; ++k) segment(cx, 10.0f, 10.0f + 10.0f * k, 700.0f, 20.0f + 10.0f * k);
  cx.showtextat(100.0f, 100.0f, "text");
  endcontext(*w);
  disposewindow(w);
  const std::string pdf = readfile(dir.path() / "fast.pdf");
  int streams = 0;
  for (std::size_t at = pdf.find("/FlateDecode"); at != std::string::npos;
       at = pdf.find("/FlateDecode", at + 1), ++streams) {
    const std::size_t data = pdf.find("stream\n", at) + 7;
    ASSERT_LT(data + 1, pdf.size());
    EXPECT_EQ(static_cast<unsigned char>(pdf[data]), 0x78u);
    EXPECT_EQ(static_cast<unsigned char>(pdf[data + 1]), 0x01u) << "stream " << streams;
  }
  EXPECT_GE(streams, 2);  // the page and the font at least
}

// White painted over a drawing changes what the screen shows, as a part
// of the page cleared does; white on a page just cleared leaves it blank.
TEST(CairoPages, WhiteOverADrawingMakesTheSnapshotDue) {
  ScratchDirectory dir;
  const fs::path png = dir.path() / "white.png";
  PlotWindow* w = a4window("white");
  DrawContext& cx = *begincontext(*w);
  cx.linewidth(5.0f);
  segment(cx, 100.0f, 500.0f, 600.0f, 500.0f);
  segment(cx, 100.0f, 700.0f, 600.0f, 700.0f);
  showwindows();
  cx.fillcolor(1.0f, 1.0f, 1.0f, 1.0f);
  cx.fillrect(50.0f, 450.0f, 600.0f, 100.0f);  // over the first line
  showwindows();
  {
    const Snapshot seen(png);
    ASSERT_TRUE(seen.ok());
    EXPECT_EQ(seen.grey(350, 500), 255);
    EXPECT_LT(seen.grey(350, 700), 60);
  }
  cx.clearrect(50.0f, 650.0f, 600.0f, 100.0f);  // the second line
  endcontext(*w);
  disposewindow(w);
  {
    const Snapshot last(png);
    ASSERT_TRUE(last.ok());
    EXPECT_EQ(last.grey(350, 700), 255);
  }

  PlotWindow* again = a4window("cleared");
  DrawContext& next = *begincontext(*again);
  segment(next, 100.0f, 500.0f, 600.0f, 500.0f);
  clearpage(next);  // its white fill leaves the page blank: no snapshot
  EXPECT_EQ(endcontext(*again), "Plot files written: cleared.pdf (2 pages)");
  disposewindow(again);
}

// The PDF is dated by the instant SOURCE_DATE_EPOCH fixes, in UTC (so that
// the same run gives the same file); else cairo dates it, the local time
// with its offset from UTC in the standard form.
TEST(CairoPages, ThePdfIsDatedByTheFixedClockElseByCairoInTheStandardForm) {
  ScratchDirectory dir;
  auto creation = [](const char* title) {
    PlotWindow* w = a4window(title);
    begincontext(*w);
    endcontext(*w);
    disposewindow(w);
    const std::string pdf = readfile(std::string(title) + ".pdf");
    const std::size_t at = pdf.find("/CreationDate (");
    return at == std::string::npos ? "" : pdf.substr(at + 15, pdf.find(')', at) - at - 15);
  };
  setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  // cairo 1.16 writes a date it is given without the D: prefix of the
  // standard form; later versions with it.
  EXPECT_TRUE(std::regex_match(creation("fixed"), std::regex("(D:)?20231114221320Z")));
  unsetenv("SOURCE_DATE_EPOCH");
  const char* zone = std::getenv("TZ");
  const std::string saved = zone == nullptr ? "" : zone;
  setenv("TZ", "IST-05:30", 1);
  tzset();
  // The real clock's date in the standard form, D:YYYYMMDDHHmmSSOHH'mm
  // (the last apostrophe is optional).
  EXPECT_TRUE(std::regex_match(creation("local"), std::regex(R"(D:\d{14}\+05'30'?)")));
  if (zone == nullptr)
    unsetenv("TZ");
  else
    setenv("TZ", saved.c_str(), 1);
  tzset();
}

TEST(CairoPages, DrawingOffThePageMakesNoSnapshot) {
  ScratchDirectory dir;
  PlotWindow* w = a4window("off");
  DrawContext& cx = *begincontext(*w);
  segment(cx, -500.0f, -500.0f, -400.0f, -400.0f);
  cx.showtextat(-1000.0f, 100.0f, "far");
  EXPECT_EQ(endcontext(*w), "Plot files written: off.pdf (1 page)");
  disposewindow(w);
}

TEST(PathClipping, FarSegmentsAreCutAtTheGuardBoxAndNonFinitePointsSplit) {
  const DrawPoint a{100.0f, 200.0f}, b{300.0f, 200.0f}, far{100.0f, -1.0e20f};
  const real nan = std::nanf("");
  auto points = [](const std::vector<Subpath>& path) {
    std::vector<std::vector<std::pair<real, real>>> out;
    for (const Subpath& figure : path) {
      out.emplace_back();
      for (const DrawPoint& p : figure.points) out.back().emplace_back(p.x, p.y);
    }
    return out;
  };
  using Figures = std::vector<std::vector<std::pair<real, real>>>;
  // Inside the box: kept as it is, closed or not.
  const std::vector<Subpath> near{{{a, b, {300.0f, 400.0f}}, true}};
  EXPECT_EQ(points(clippedstroke(near)), points(near));
  EXPECT_TRUE(clippedstroke(near)[0].closed);
  EXPECT_EQ(points(clippedfill(near)), points(near));
  // A segment towards a pole of the Mercator projection stops at the box.
  EXPECT_EQ(points(clippedstroke({{{b, a, far}, false}})),
            (Figures{{{300.0f, 200.0f}, {100.0f, 200.0f}, {100.0f, -1.0e5f}}}));
  // Closed: the closing segment is cut too, and goes on into the first
  // one, so that their corner keeps its join; what lies beyond is left out.
  const DrawPoint farright{1.0e20f, 200.0f};
  EXPECT_EQ(points(clippedstroke({{{a, far, farright}, true}})),
            (Figures{{{1.0e5f, 200.0f}, {100.0f, 200.0f}, {100.0f, -1.0e5f}}}));
  EXPECT_TRUE(clippedstroke({{{far, farright}, false}}).empty());
  // Filled, the figure stays one closed polygon, cut along the box.
  const std::vector<Subpath> filled = clippedfill({{{a, b, far}, false}});
  ASSERT_EQ(filled.size(), 1u);
  EXPECT_TRUE(filled[0].closed);
  EXPECT_EQ(points(filled),
            (Figures{{{100.0f, 200.0f}, {300.0f, 200.0f}, {300.0f, -1.0e5f}, {100.0f, -1.0e5f}}}));
  // Both ends far: the crossings of a segment through the page.
  EXPECT_EQ(points(clippedstroke({{{{-1.0e20f, 1.0f}, {1.0e20f, 3.0f}}, false}})),
            (Figures{{{-1.0e5f, 2.0f}, {1.0e5f, 2.0f}}}));
  // A non-finite point splits the figure; a closed one's last run goes on
  // into its first.
  const DrawPoint c{400.0f, 500.0f}, d{500.0f, 600.0f};
  EXPECT_EQ(points(clippedstroke({{{a, b, {nan, 1.0f}, c, d}, false}})),
            (Figures{{{100.0f, 200.0f}, {300.0f, 200.0f}}, {{400.0f, 500.0f}, {500.0f, 600.0f}}}));
  EXPECT_EQ(points(clippedstroke({{{a, {INFINITY, 1.0f}, c, d}, true}})),
            (Figures{{{400.0f, 500.0f}, {500.0f, 600.0f}, {100.0f, 200.0f}}}));
  EXPECT_EQ(points(clippedfill({{{a, {INFINITY, 1.0f}, c, d}, true}})),
            (Figures{{{400.0f, 500.0f}, {500.0f, 600.0f}, {100.0f, 200.0f}}}));
}

TEST(CairoPages, APathThroughAFarPointDrawsWhatLiesOnThePage) {
  ScratchDirectory dir;
  PlotWindow* w = a4window("far");
  DrawContext& cx = *begincontext(*w);
  cx.fillcolor(1.0f, 0.0f, 0.0f, 1.0f);
  cx.linewidth(3.0f);
  cx.beginpath();  // a filled polygon reaching far below the page
  cx.moveto(100.0f, 600.0f);
  cx.lineto(300.0f, 600.0f);
  cx.lineto(300.0f, -1.0e20f);
  cx.lineto(100.0f, -1.0e20f);
  cx.closepath();
  cx.drawpath(PathDrawing::fillstroke);
  segment(cx, 500.0f, 500.0f, 500.0f, std::numeric_limits<real>::infinity());
  segment(cx, 600.0f, 500.0f, 600.0f, 3.0e38f);
  endcontext(*w);
  disposewindow(w);
  const Snapshot page(dir.path() / "far.png");
  ASSERT_TRUE(page.ok());
  EXPECT_EQ(page.rgb(200, 300), 0xFF0000u);  // filled down to the bottom of the page
  EXPECT_EQ(page.rgb(200, 10), 0xFF0000u);
  EXPECT_LT(page.grey(100, 300), 60);  // its sides
  EXPECT_LT(page.grey(200, 600), 60);  // its top
  EXPECT_EQ(page.grey(200, 700), 255);
  EXPECT_EQ(page.grey(500, 800), 255);  // towards infinity: only the point
  EXPECT_LT(page.grey(600, 800), 60);   // towards 3e38: up to the page's top
  EXPECT_LT(page.grey(600, 1100), 60);
}

// What the end of the run does with windows left open; a window ended
// before is left alone.
TEST(CairoPages, EndingEveryBegunContextFinishesTheFilesOfWindowsLeftOpen) {
  ScratchDirectory dir;
  PlotWindow* open = a4window("left open");
  segment(*begincontext(*open), 10.0f, 10.0f, 100.0f, 100.0f);
  PlotWindow* closed = a4window("closed");
  begincontext(*closed);
  EXPECT_EQ(endcontext(*closed), "Plot files written: closed.pdf (1 page)");  // nothing drawn
  endcontexts();
  EXPECT_EQ(endcontext(*open), "");  // already ended
  disposewindow(open);
  disposewindow(closed);
  const std::string pdf = readfile(dir.path() / "left_open.pdf");
  EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
  EXPECT_NE(pdf.rfind("%%EOF"), std::string::npos);
  const Snapshot page(dir.path() / "left_open.png");
  ASSERT_TRUE(page.ok());
  EXPECT_LT(page.grey(50, 50), 200);
}

TEST(CairoPages, AFileThatCannotBeWrittenIsReportedOnceAndNotListed) {
  ScratchDirectory dir;
  fs::create_directory("busy.pdf");  // neither file can be made
  fs::create_directory("busy.png");
  testing::internal::CaptureStderr();
  PlotWindow* w = a4window("busy");
  DrawContext& cx = *begincontext(*w);
  segment(cx, 10.0f, 10.0f, 100.0f, 100.0f);
  clearpage(cx);
  segment(cx, 10.0f, 10.0f, 100.0f, 100.0f);
  cx.flush();
  EXPECT_EQ(endcontext(*w), "Plot files written: none");
  disposewindow(w);
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(errors,
            "mecaro: cannot write plot file busy.pdf: error while writing to output stream\n"
            "mecaro: cannot write plot file busy.png: error while writing to output stream\n");
  EXPECT_TRUE(fs::is_directory("busy.pdf"));
}

// Another run's file, made and locked here, named as a window's PNG.
int theirs(const char* name) {
  std::ofstream(name) << "theirs";
  const int fd = open(name, O_RDONLY);
  flock(fd, LOCK_EX);
  return fd;
}

TEST(CairoPages, AWindowWritesNoFileThatAnotherOutputHolds) {
  ScratchDirectory dir;
  // Another output holds the PNG the window would write, before the
  // window has written it: the window takes the next name.
  const int table = claimoutput("./held.png");
  ASSERT_NE(table, 0);
  PlotWindow* w = a4window("held");
  segment(*begincontext(*w), 10.0f, 10.0f, 100.0f, 100.0f);
  // While the window is open, its files are its own, under any name: a
  // link to its PNG, not written yet, too.
  EXPECT_EQ(claimoutput("held-2.pdf"), 0);
  EXPECT_EQ(claimoutput(dir.path() / "held-2.png"), 0);
  fs::create_symlink("held-2.png", "link.txt");
  EXPECT_EQ(claimoutput("link.txt"), 0);
  const int pdf = claimoutput("held.pdf");  // the PDF of the name it did not take is free
  EXPECT_NE(pdf, 0);
  releaseoutput(pdf);
  EXPECT_EQ(endcontext(*w), "Plot files written: held-2.pdf (1 page), held-2.png");
  disposewindow(w);
  EXPECT_FALSE(fs::exists("held.pdf"));
  EXPECT_FALSE(fs::exists("held.png"));
  const int after = claimoutput("held-2.pdf");  // given up when the window closed
  EXPECT_NE(after, 0);
  releaseoutput(after);
  releaseoutput(table);
  // Another run writes other.pdf (its lock on its own open file): the
  // window takes the next name, leaving that file whole and the PNG of
  // the name it did not take free.
  const int other = theirs("other.pdf");
  w = a4window("other");
  begincontext(*w);
  const int png = claimoutput("other.png");
  EXPECT_NE(png, 0);
  releaseoutput(png);
  EXPECT_EQ(endcontext(*w), "Plot files written: other-2.pdf (1 page)");
  disposewindow(w);
  EXPECT_EQ(readfile("other.pdf"), "theirs");
  close(other);
}

// The PNG, open only while a snapshot is written, is no file of another
// run either: a window takes the next name when another run writes it,
// and, once open, writes no snapshot into a file another run has taken.
TEST(CairoPages, AWindowWritesNoPngAnotherRunHolds) {
  ScratchDirectory dir;
  const int shown = theirs("shown.png");
  PlotWindow* w = a4window("shown");
  segment(*begincontext(*w), 10.0f, 10.0f, 100.0f, 100.0f);
  EXPECT_EQ(endcontext(*w), "Plot files written: shown-2.pdf (1 page), shown-2.png");
  disposewindow(w);
  close(shown);
  w = a4window("late");
  segment(*begincontext(*w), 10.0f, 10.0f, 100.0f, 100.0f);
  const int late = theirs("late.png");
  testing::internal::CaptureStderr();
  EXPECT_EQ(endcontext(*w), "Plot files written: late.pdf (1 page)");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "mecaro: cannot write plot file late.png: error while writing to output stream\n");
  disposewindow(w);
  close(late);
  EXPECT_EQ(readfile("shown.png"), "theirs");
  EXPECT_EQ(readfile("late.png"), "theirs");
}

TEST(CairoPages, APdfWhoseLastWritesFailIsReportedAndNotListed) {
  ScratchDirectory dir;
  fs::create_symlink("/dev/full", "full.pdf");  // opens, but every write fails
  testing::internal::CaptureStderr();
  PlotWindow* w = a4window("full");
  segment(*begincontext(*w), 10.0f, 10.0f, 100.0f, 100.0f);
  EXPECT_EQ(endcontext(*w), "Plot files written: full.png");
  disposewindow(w);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "mecaro: cannot write plot file full.pdf: error while writing to output stream\n");
  EXPECT_TRUE(fs::is_symlink("full.pdf"));  // not the program's to remove
}
