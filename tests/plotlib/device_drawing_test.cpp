#include "plotlib/device_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "platform/plot_window.h"
#include "plotlib/plot_records.h"

namespace {

using Lines = std::vector<std::string>;

// A plot window whose drawing calls are recorded, with a red line colour,
// a blue fill colour and a green text colour, 0.5 cm text and 37.44 pixels
// per centimetre of the page.
class DeviceDrawing : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { trigoset(); }
  void SetUp() override {
    iocom.lpause = false;
    recorddrawing(&calls);
    window = newwindow({44, 1134, 1156, 1920}, 37.44f);
    view = View{window, window, begincontext(*window), 0};
    plt1blk.cmscale = 37.44f;
    windevsize.pxpercm = 35.43307f;
    plt2blk = Plt2Blk{};
    plt2blk.RED[1] = 100.0f;
    plt2blk.BLUE[8] = 100.0f;
    plt2blk.GREEN[3] = 50.0f;
    plt2blk.icolorplot = 1;
    plt2blk.ilinecolor = 1;
    plt2blk.ifillcolor = 8;
    plt2blk.itextcolor = 3;
    plt2blk.txtheight = 0.5f;
    plt2blk.ijust = -1;
    calls.clear();
  }
  void TearDown() override {
    endcontext(*window);
    disposewindow(window);
    view = View{};
    recorddrawing(nullptr);
  }

  // The numbers of the first recorded call of that name.
  std::vector<real> numbers(const std::string& call) const {
    for (const std::string& line : calls) {
      if (line.rfind(call + ' ', 0) != 0) continue;
      std::istringstream in(line.substr(call.size()));
      std::vector<real> v;
      for (real x; in >> x;) v.push_back(x);
      return v;
    }
    ADD_FAILURE() << "no call " << call;
    return {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
  }
  // The first recorded line of a call.
  std::string line(const std::string& call) const {
    for (const std::string& l : calls)
      if (l.rfind(call + ' ', 0) == 0) return l;
    return "";
  }
  // The text of the first showtextat call.
  std::string shown() const {
    for (const std::string& line : calls)
      if (line.rfind("showtextat ", 0) == 0) return line.substr(line.find('"'));
    return "";
  }
  // Width of the text last measured: its text position after the
  // invisible showtext, which began at (0, 0).
  real measured() const {
    real x = 0.0f, y = 0.0f;
    for (const std::string& line : calls)
      if (line.rfind("textposition ", 0) == 0) std::istringstream(line.substr(13)) >> x >> y;
    return std::sqrt(x * x + y * y);
  }

  ConsoleCapture console;
  Lines calls;
  PlotWindow* window = nullptr;
};

const std::array<real, 4> xs{10.0f, 20.0f, 30.0f, 40.0f};
const std::array<real, 4> ys{15.0f, 25.0f, 35.0f, 45.0f};

}  // namespace

TEST_F(DeviceDrawing, PolylinesAreOneStrokedPath) {
  deline(xs, ys, 1);
  EXPECT_EQ(calls, (Lines{"strokecolor 1.00 0.00 0.00 1.00", "beginpath", "moveto 10.00 15.00",
                          "lineto 10.00 15.00", "strokepath", "synchronize"}));
  calls.clear();
  deline(xs, ys, 2);
  EXPECT_EQ(calls, (Lines{"strokecolor 1.00 0.00 0.00 1.00", "beginpath", "moveto 10.00 15.00",
                          "lineto 20.00 25.00", "strokepath", "synchronize"}));
  calls.clear();
  plt2blk.icolorplot = 0;  // black and white: the colours in force stay
  deline(xs, ys, 4);
  EXPECT_EQ(calls, (Lines{"beginpath", "moveto 10.00 15.00", "lineto 20.00 25.00",
                          "lineto 30.00 35.00", "lineto 40.00 45.00", "strokepath",
                          "synchronize"}));
}

TEST_F(DeviceDrawing, NoPointsDrawOnlyThePendingPenPath) {
  deplot(1.0f, 2.0f, 0);
  deplot(3.0f, 4.0f, 1);
  calls.clear();
  deline(xs, ys, 0);
  depolygon(xs, ys, -3);
  EXPECT_EQ(calls, (Lines{"strokepath", "synchronize"}));
  EXPECT_EQ(view.pathopen, 0);
  calls.clear();
  deline(xs, ys, 9);  // a count beyond the arrays stops at their end
  EXPECT_EQ(calls.size(), 8u);
}

TEST_F(DeviceDrawing, PolygonsAreFilledByFillStyle) {
  plt2blk.ifillstyle = 0;
  depolygon(xs, ys, 3);
  EXPECT_EQ(calls, (Lines{"strokecolor 1.00 0.00 0.00 1.00", "beginpath", "moveto 10.00 15.00",
                          "lineto 20.00 25.00", "lineto 30.00 35.00", "closepath", "drawpath 2",
                          "synchronize"}));
  calls.clear();
  plt2blk.ifillstyle = 1;
  depolygon(xs, ys, 3);
  EXPECT_EQ(calls, (Lines{"strokecolor 1.00 0.00 0.00 1.00", "fillcolor 0.00 0.00 1.00 1.00",
                          "beginpath", "moveto 10.00 15.00", "lineto 20.00 25.00",
                          "lineto 30.00 35.00", "closepath", "drawpath 3", "synchronize"}));
  calls.clear();
  plt2blk.icolorplot = 0;
  depolygon(xs, ys, 1);
  EXPECT_EQ(calls, (Lines{"beginpath", "moveto 10.00 15.00", "lineto 10.00 15.00", "closepath",
                          "drawpath 3", "synchronize"}));
}

TEST_F(DeviceDrawing, PenMovesKeepThePathOpenUntilTheNextPrimitive) {
  const int pens[] = {0, 1, 1, 0, 1};
  for (int k = 0; k < 5; ++k) deplot(xs[k % 4] + real(k), ys[k % 4], pens[k]);
  EXPECT_EQ(calls, (Lines{"strokecolor 1.00 0.00 0.00 1.00", "beginpath", "moveto 10.00 15.00",
                          "lineto 21.00 25.00", "lineto 32.00 35.00", "strokepath", "synchronize",
                          "strokecolor 1.00 0.00 0.00 1.00", "beginpath", "moveto 43.00 45.00",
                          "lineto 14.00 15.00"}));
  EXPECT_EQ(view.pathopen, 1);
  calls.clear();
  intslinewidth(2.0f);  // any other primitive strokes it first
  EXPECT_EQ(calls, (Lines{"strokepath", "synchronize", "linewidth 2.00"}));
  EXPECT_EQ(view.pathopen, 0);
  EXPECT_TRUE(console.lines().empty());
}

TEST_F(DeviceDrawing, PenCodesOutOfTurnAreWarnedAbout) {
  deplot(5.0f, 6.0f, 1);  // a draw with no path: the path begins there
  EXPECT_EQ(calls, (Lines{"strokecolor 1.00 0.00 0.00 1.00", "beginpath", "moveto 5.00 6.00",
                          "lineto 5.00 6.00"}));
  calls.clear();
  deplot(7.0f, 8.0f, 2);  // neither move nor draw: nothing happens
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(view.pathopen, 1);
  const Lines out = console.lines();
  const Lines expected{
      " ///////////////////////////////////////////",
      " /// " + ed::pad("       subroutine deplot", 35) + " ///",
      " ///               WARNING               ///",
      " ///////////////////////////////////////////",
      " Path begins with Draw instead of Move",
      " => Start new path at current point",
      " ///////////////////////////////////////////",
      " ///////////////////////////////////////////",
      " /// " + ed::pad("       subroutine deplot", 35) + " ///",
      " ///               WARNING               ///",
      " ///////////////////////////////////////////",
      " deplot called with ipen =      2",
      " => NO ACTION",
      " ///////////////////////////////////////////",
  };
  EXPECT_EQ(out, expected);
}

TEST_F(DeviceDrawing, TextIsPlacedByItsJustification) {
  plt2blk.ijust = -2;  // centred without the blanks
  detext2(100.0f, 200.0f, "  AB  ");
  EXPECT_EQ(shown(), "\"AB\"");
  const real ab = measured();
  EXPECT_GT(ab, 5.0f);
  EXPECT_NEAR(numbers("showtextat")[0], 100.0f - ab / 2, 0.006f);
  EXPECT_NEAR(numbers("showtextat")[1], 200.0f, 0.006f);
  EXPECT_EQ(calls.front(), "strokecolor 0.00 0.50 0.00 1.00");
  EXPECT_EQ(calls[1], "fillcolor 0.00 0.50 0.00 1.00");
  calls.clear();
  plt2blk.ijust = 2;  // centred, blanks included
  detext2(100.0f, 200.0f, "  AB  ");
  EXPECT_EQ(shown(), "\"  AB  \"");
  const real blanks = measured();
  EXPECT_GT(blanks, ab);
  EXPECT_NEAR(numbers("showtextat")[0], 100.0f - blanks / 2, 0.006f);

  // The other codes: left, right; baseline, mid-height (0.5 cm of 37.44
  // pixels: 9.36 pixels below), top.
  const real h = 0.5f * 37.44f;
  const struct {
    int ijust;
    real dx, dy;  // shift as parts of the width and of the height
  } codes[] = {{1, 0, 0}, {0, 0, 0}, {4, 0, 0}, {-3, 1, 0}, {5, 0, 0.5f}, {8, 0, 0.5f},
               {6, 0.5f, 0.5f}, {-7, 1, 0.5f}, {9, 0, 1}, {10, 0.5f, 1}, {11, 1, 1}};
  for (const auto& code : codes) {
    calls.clear();
    plt2blk.ijust = code.ijust;
    detext2(100.0f, 200.0f, "AB");
    const std::vector<real> at = numbers("showtextat");
    EXPECT_NEAR(at[0], 100.0f - code.dx * ab, 0.006f) << code.ijust;
    EXPECT_NEAR(at[1], 200.0f - code.dy * h, 0.006f) << code.ijust;
  }
}

TEST_F(DeviceDrawing, TurnedTextAndLongText) {
  plt2blk.ijust = 3;
  plt2blk.txtangle = 90.0f;
  detext2(100.0f, 200.0f, "AB");
  const real w = measured();
  const std::vector<real> at = numbers("showtextat");
  EXPECT_NEAR(at[0], 100.0f, 0.006f);  // the origin moves down by the width
  EXPECT_NEAR(at[1], 200.0f - w, 0.006f);
  const std::vector<real> rotation = numbers("settextmatrix");
  EXPECT_NEAR(rotation[0], 0.0f, 1e-6f);
  EXPECT_NEAR(rotation[1], 1.0f, 1e-6f);  // counter-clockwise: reads upwards
  EXPECT_EQ(calls.back(), "set" + line("textmatrix"));  // as it was before

  calls.clear();
  plt2blk.txtangle = 0.0f;
  plt2blk.ijust = 1;
  std::string text(250, 'x');
  text[198] = 'y';
  detext2(1.0f, 1.0f, text);
  EXPECT_EQ(shown(), '"' + std::string(198, 'x') + "y\"");
  for (const std::string& line : calls) EXPECT_EQ(line.find("textmatrix"), std::string::npos);
}

TEST_F(DeviceDrawing, PageMeasuresInPixels) {
  intslinewidth(0.3f);
  intslinewidth(2.5f);
  intstextsize(0.5f);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0], "linewidth 1.00");
  EXPECT_EQ(calls[1], "linewidth 2.50");
  EXPECT_NEAR(numbers("fontsize")[0], 14.98f, 0.006f);  // 0.5 cm at 37.44 / 35.43 px per cm
  real lde = 0.0f;
  lengthcm2de(lde, 2.0f);
  EXPECT_FLOAT_EQ(lde, 74.88f);
}

TEST(DeviceDrawingClosed, NothingHappensWithNoWindow) {
  ConsoleCapture console;
  view = View{};
  deline(xs, ys, 4);
  depolygon(xs, ys, 4);
  deplot(1.0f, 1.0f, 1);
  deplot(1.0f, 1.0f, 7);
  detext2(1.0f, 1.0f, "text");
  intslinewidth(2.0f);
  intstextsize(0.5f);
  endpath();
  EXPECT_EQ(view.pathopen, 0);
  EXPECT_TRUE(console.lines().empty());
}
