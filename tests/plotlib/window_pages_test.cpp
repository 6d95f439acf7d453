#include "plotlib/window_pages.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "plot_harness.h"
#include "plotlib/device_drawing.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

constexpr ScreenRect small{0, 0, 768, 1024};
constexpr ScreenRect large{0, 0, 1200, 1920};
constexpr real pxpercm = 35.43307f;

void expectrect(const ScreenRect& r, int top, int left, int bottom, int right) {
  EXPECT_EQ(r.top, top);
  EXPECT_EQ(r.left, left);
  EXPECT_EQ(r.bottom, bottom);
  EXPECT_EQ(r.right, right);
}

std::string readfile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void writefile(const std::string& name, const std::string& text) {
  std::ofstream(name, std::ios::binary) << text;
}

// intplinit run on the 1024 x 768 screen in a scratch directory holding the
// given settings file (none when null), with the answers typed; the window
// it opens records its calls and is disposed of afterwards.
struct Opening {
  explicit Opening(const char* settings, const std::string& answers = "\n", int mode = 1)
      : console(answers) {
    iocom.lpause = false;
    if (settings != nullptr) writefile("dravo1_ini_u.txt", settings);
    setenv("MECARO_SCREEN", "1024x768", 1);
    recorddrawing(&calls);
    intplinit("seis.ps", mode);
    unsetenv("MECARO_SCREEN");
    lines = console.lines();
    file = readfile("dravo1_ini_u.txt");
    disposewindow(view.window);
    view = View{};
    recorddrawing(nullptr);
  }
  ScratchDirectory dir;
  ConsoleCapture console;
  std::vector<std::string> calls, lines;
  std::string file;
};

}  // namespace

TEST(WindowGeometry, WorkedExamplesOnA1024By768Screen) {
  expectrect(setupwindow(small, 0, pxpercm), 44, 0, 724, 1024);
  expectrect(setupwindow(small, 1, pxpercm), 44, 544, 724, 1024);     // 1024 - int(680 x 0.70707)
  expectrect(setupwindow(small, 2, pxpercm), 44, 63, 724, 1024);      // 1024 - int(680 x 1.4143)
  expectrect(setupwindow(small, 3, pxpercm), 44, 280, 724, 1024);     // 1024 - 744, max(44, 724 - 1052)
  expectrect(setupwindow(small, 4, pxpercm), 44, 0, 724, 1024);       // too small: the usable area
  expectrect(setupwindow(small, 7, pxpercm), 44, 0, 724, 1024);
  expectrect(setupwindow(small, -1, pxpercm), 44, 0, 724, 1024);
}

TEST(WindowGeometry, DefaultScreenAndLandscapeOnWideAndNarrowScreens) {
  expectrect(setupwindow(large, 1, pxpercm), 44, 1134, 1156, 1920);
  expectrect(setupwindow(large, 2, pxpercm), 44, 348, 1156, 1920);
  expectrect(setupwindow(large, 3, pxpercm), 104, 1176, 1156, 1920);
  expectrect(setupwindow(large, 4, pxpercm), 412, 868, 1156, 1920);
  // A screen narrower than the landscape page gets the whole usable area.
  expectrect(setupwindow({0, 0, 1280, 800}, 2, pxpercm), 44, 0, 1236, 800);
}

TEST(WindowGeometry, LabelsTitlesAndPageScale) {
  EXPECT_EQ(setuplabel(0), "Fit Portrait A4 + Full sc");
  EXPECT_EQ(setuptitle(0), "QZ Fit A4P + Full width  ");
  EXPECT_EQ(setuplabel(3), "100% Portrait A4         ");
  EXPECT_EQ(setuptitle(4), "QZ 100% A4L              ");
  EXPECT_EQ(setuplabel(5), "ERROR: Unexpected set up ");
  EXPECT_EQ(setuptitle(-2), "ERROR: Unexpected set up ");

  WindevSize w{44, 224, 724, 1024, 2, pxpercm};  // 800 pixels wide
  EXPECT_EQ(pagepxpercm(w), 800.0f / 29.7f);
  w.pagesetup = 1;
  EXPECT_EQ(pagepxpercm(w), 680.0f / 29.7f);
  w.pagesetup = 4;
  EXPECT_EQ(pagepxpercm(w), pxpercm);
  w.pagesetup = 9;
  EXPECT_EQ(pagepxpercm(w), 1.0f);
}

TEST(SettingsFile, MissingIsWrittenWithTheDefaults) {
  Opening o(nullptr);
  EXPECT_EQ(missing(o.lines, {" Page setup = Fit Portrait A4          ", " Aliasing on",
                              " dravo1_ini_u.txt updated or created"}), Lines{});
  EXPECT_EQ(o.file, " 1 1\n    \n");
  EXPECT_EQ(missing(o.calls, {"newwindow 44 544 724 1024", "windowtitle \"QZ Fit A4P\"",
                              "antialias on"}), Lines{});
  EXPECT_EQ(view.context, nullptr);
}

TEST(SettingsFile, ReadAsItStandsAndKept) {
  Opening o(" 3 0\n    \n");
  EXPECT_EQ(missing(o.lines, {" Page setup = 100% Portrait A4         ", " Aliasing off"}),
            Lines{});
  EXPECT_FALSE(contains(o.lines, " dravo1_ini_u.txt updated or created"));
  EXPECT_EQ(o.file, " 3 0\n    \n");
  EXPECT_EQ(missing(o.calls, {"newwindow 44 280 724 1024", "antialias off"}), Lines{});
  EXPECT_EQ(windevsize.pagesetup, 3);
  EXPECT_EQ(windevsize.pxpercm, pxpercm);

  // Blank digits read as 0; a switch other than 1 is off.
  Opening blank("    \n");
  EXPECT_EQ(missing(blank.lines, {" Page setup = Fit Portrait A4 + Full sc", " Aliasing off"}),
            Lines{});
  EXPECT_EQ(blank.file, "    \n");
}

TEST(SettingsFile, AnUnexpectedSetUpTakesTheUsableAreaAndStays) {
  Opening o(" 7 1\n");
  EXPECT_TRUE(contains(o.lines, " Page setup = ERROR: Unexpected set up "));
  EXPECT_EQ(missing(o.calls, {"newwindow 44 0 724 1024",
                              "windowtitle \"ERROR: Unexpected set up\""}), Lines{});
  EXPECT_EQ(o.file, " 7 1\n");

  // Its PDF page is the window at the screen's 100% resolution, 1024 x 680
  // pixels at 35.43307 per centimetre, not a centimetre per pixel, which
  // would make a page no reader opens.
  ScratchDirectory dir;
  writefile("dravo1_ini_u.txt", " 7 1\n");
  Answers console("\nodd\n\n");
  plinitsmallscreen();
  plend();
  const std::string pdf = readfile("odd.pdf");
  const std::size_t box = pdf.find("/MediaBox [ 0 0 ");
  ASSERT_NE(box, std::string::npos);
  double width = 0.0, height = 0.0;  // points
  ASSERT_EQ(std::sscanf(pdf.c_str() + box, "/MediaBox [ 0 0 %lf %lf", &width, &height), 2);
  EXPECT_NEAR(width / 28.3464566, 1024.0 / double{pxpercm}, 0.01);  // cm
  EXPECT_NEAR(height / 28.3464566, 680.0 / double{pxpercm}, 0.01);
}

TEST(SettingsFile, EmptyShortOrUnreadableIsTreatedAsMissing) {
  for (const char* text : {"", "\n", " 3", " 3 x\n", " a 1\n"}) {
    Opening o(text);
    EXPECT_TRUE(contains(o.lines, " Page setup = Fit Portrait A4          ")) << '"' << text << '"';
    EXPECT_TRUE(contains(o.lines, " Aliasing on")) << text;
    EXPECT_EQ(o.file, " 1 1\n    \n") << text;
  }
}

TEST(SettingsFile, TheDialogueChangesAndWritesThem) {
  // No to the defaults, set-up 2, aliasing 0; mode 2 asks for the title.
  Opening o(" 1 1\n    \n", "n\n2\n0\nmy window\n", 2);
  EXPECT_EQ(missing(o.lines, {" Fit  Landscape A4.................2",
                              " dravo1_ini_u.txt updated or created"}), Lines{});
  EXPECT_EQ(o.file, " 2 0\n    \n");
  EXPECT_EQ(missing(o.calls, {"newwindow 44 63 724 1024", "windowtitle \"my window\""}), Lines{});
}

TEST(SettingsFile, OneThatCannotBeWrittenIsNotReportedAsWritten) {
  ScratchDirectory outer;
  fs::create_directory("dravo1_ini_u.txt");
  ConsoleCapture console("\n");
  std::vector<std::string> calls;
  recorddrawing(&calls);
  intplinit("seis.ps", 1);
  disposewindow(view.window);
  view = View{};
  recorddrawing(nullptr);
  const std::vector<std::string> lines = console.lines();
  EXPECT_TRUE(contains(lines, " dravo1_ini_u.txt could not be written"));
  EXPECT_FALSE(contains(lines, " dravo1_ini_u.txt updated or created"));
  EXPECT_TRUE(contains(lines, " Page setup = Fit Portrait A4          "));
}

TEST(PlotWindow, OpenAndCloseTwiceOnlyWarnTheSecondTime) {
  Answers console("\n\n\n");
  ScratchDirectory dir;
  trigoset();
  std::vector<std::string> calls;
  recorddrawing(&calls);
  plinit("seis.ps", 1);
  EXPECT_TRUE(iocom.lplotfile);
  const std::size_t opened = console.lines().size();
  plinit("seis.ps", 1);
  std::vector<std::string> lines = console.lines();
  const std::vector<std::string> warning(lines.begin() + static_cast<long>(opened), lines.end());
  EXPECT_EQ(warning.size(), 7u);
  EXPECT_EQ(warning[4], " Plot file or window is already opened");
  EXPECT_EQ(warning[5], " ==> appending to current plot file/window");
  plend();
  EXPECT_FALSE(iocom.lplotfile);
  EXPECT_EQ(view.context, nullptr);
  plend();
  lines = console.lines();
  EXPECT_EQ(lines[lines.size() - 2], " The plot window or file is already closed");
  recorddrawing(nullptr);
}

TEST(PlotWindow, WritesAPdfAndAPngNamedAfterItsTitle) {
  ScratchDirectory dir;
  // Defaults, title, page 0 (clear), a line on page 2, then Return to close.
  Answers console("\nfiles test\n0\n\n");
  plinitsmallscreen();
  newpage();
  const std::array<real, 2> x{10.0f, 100.0f}, y{10.0f, 100.0f};
  deline(x, y, 2);
  plend();
  EXPECT_TRUE(fs::is_regular_file("files_test.pdf"));
  EXPECT_TRUE(fs::is_regular_file("files_test.png"));
  EXPECT_GT(fs::file_size("files_test.pdf"), 0u);
  EXPECT_TRUE(contains(console.lines(),
                       " Plot files written: files_test.pdf (2 pages), files_test.png"));
}

TEST(PlotWindow, ANewPageClearsToWhiteAndKeepsTheColours) {
  ConsoleCapture console;
  RecordedWindow w;
  deplot(1.0f, 1.0f, 0);  // a pen path still open
  w.calls.clear();
  intnewpage();
  EXPECT_EQ(w.calls, (std::vector<std::string>{
                         "strokepath", "synchronize", "flush", "savestate",
                         "clearrect 0.00 0.00 480.00 680.00", "fillcolor 1.00 1.00 1.00 1.00",
                         "fillrect 0.00 0.00 480.00 680.00", "restorestate", "flush"}));
  EXPECT_EQ(view.pathopen, 0);
  const std::vector<std::string> lines = console.lines();
  EXPECT_TRUE(contains(lines, " |      Window Port|  44 | 724 | 544 |1024 |"));
  EXPECT_TRUE(contains(lines, " | Quartz rectangle| 680 |   0 |   0 | 480 |"));
}

TEST(PlotWindow, NewPageAnswers) {
  // 2: the next page is drawn over this one; 1: the window is closed (after
  // Return) and a new one opened, its title asked again, the sub-plots'
  // user-to-centimetre maps kept.
  ScratchDirectory dir;
  ConsoleCapture console("2\n1\n\n\nnext\n");
  RecordedWindow w;
  newpage();
  EXPECT_TRUE(w.calls.empty());
  plt1blk.ustocm[4] = {2.0f, 0.0f, 0.0f, 3.0f};
  newpage();
  EXPECT_TRUE(contains(w.calls, "disposewindow"));
  EXPECT_TRUE(contains(w.calls, "windowtitle \"next\""));
  EXPECT_TRUE(iocom.lplotfile);
  EXPECT_EQ(plt1blk.ustocm[4], (Mat22{2.0f, 0.0f, 0.0f, 3.0f}));
  EXPECT_EQ(plt1blk.ustode[4], (Mat22{2.0f * plt1blk.cmscale, 0.0f, 0.0f, 3.0f * plt1blk.cmscale}));
  disposewindow(view.window);
  w.window = nullptr;
}
