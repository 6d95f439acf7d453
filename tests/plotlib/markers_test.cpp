#include "plotlib/markers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "plot_harness.h"
#include "plotlib/line_fill_text.h"

namespace {

using Lines = std::vector<std::string>;

// One stroked or painted path of the log: its points and how it ended
// ("strokepath", "drawpath 2" or "drawpath 3"), closed or not.
struct Piece {
  std::vector<DrawPoint> points;
  bool closed = false;
  std::string end;
};

std::vector<Piece> pieces(const Lines& calls) {
  std::vector<Piece> out;
  Piece p;
  for (const std::string& line : calls) {
    std::istringstream in(line);
    std::string call;
    in >> call;
    if (call == "beginpath") {
      p = Piece{};
    } else if (call == "moveto" || call == "lineto") {
      DrawPoint q{};
      in >> q.x >> q.y;
      p.points.push_back(q);
    } else if (call == "closepath") {
      p.closed = true;
    } else if (call == "strokepath" || call == "drawpath") {
      p.end = line;
      out.push_back(p);
    }
  }
  return out;
}

// Markers of radius 10 pixels at (100, 200), filled polygons in colour 8:
// the window maps user units to pixels one to one.
class Markers : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { trigoset(); }
  void SetUp() override {
    iocom.lpause = false;
    plt2blk.symbsize = 20.0f / plt1blk.cmscale;
    plt2blk.ifillstyle = 1;
    plt2blk.ifillcolor = 8;
    w.calls.clear();
  }
  std::vector<Piece> draw(int itype) {
    plt2blk.isymbtype = itype;
    w.calls.clear();
    ussymbol(xc, yc, 1);
    return pieces(w.calls);
  }
  // Offset of point k of a piece from the centre, and its distance.
  static DrawPoint offset(const Piece& p, std::size_t k) {
    return {p.points[k].x - 100.0f, p.points[k].y - 200.0f};
  }
  static real distance(const Piece& p, std::size_t k) {
    const DrawPoint d = offset(p, k);
    return std::hypot(d.x, d.y);
  }
  // Angle of point k seen from the centre, degrees in [0, 360).
  static real angle(const Piece& p, std::size_t k) {
    const DrawPoint d = offset(p, k);
    const real a = std::atan2(d.y, d.x) * 180.0f / 3.14159265f;
    return a < -0.01f ? a + 360.0f : a;
  }

  ConsoleCapture console;
  RecordedWindow w;
  const std::array<real, 1> xc{100.0f};
  const std::array<real, 1> yc{200.0f};
};

// Point k of piece p lies at (dx, dy) from the centre, within the log's
// rounding.
#define EXPECT_POINT(p, k, dx, dy)                    \
  do {                                                \
    EXPECT_NEAR(offset(p, k).x, dx, 0.011f) << (k);   \
    EXPECT_NEAR(offset(p, k).y, dy, 0.011f) << (k);   \
  } while (0)

}  // namespace

TEST_F(Markers, PolygonsStandOnTheCircleWithAVertexStraightUp) {
  for (int t = 3; t <= 9; ++t) {
    const std::vector<Piece> f = draw(t);
    ASSERT_EQ(f.size(), 1u) << t;
    ASSERT_EQ(f[0].points.size(), static_cast<std::size_t>(t + 1)) << t;
    EXPECT_POINT(f[0], 0, 0.0f, 10.0f);
    EXPECT_POINT(f[0], static_cast<std::size_t>(t), 0.0f, 10.0f);
    for (std::size_t k = 0; k <= static_cast<std::size_t>(t); ++k)
      EXPECT_NEAR(distance(f[0], k), 10.0f, 0.011f) << t;
    EXPECT_EQ(f[0].end, "strokepath");  // hollow: the closed outline as a polyline
  }
  // Code 4 is a diamond: up, left, down, right.
  const std::vector<Piece> diamond = draw(4);
  EXPECT_POINT(diamond[0], 1, -10.0f, 0.0f);
  EXPECT_POINT(diamond[0], 2, 0.0f, -10.0f);
  EXPECT_POINT(diamond[0], 3, 10.0f, 0.0f);
  // Code 40 the upright square, half side r / sqrt 2.
  const std::vector<Piece> square = draw(40);
  ASSERT_EQ(square[0].points.size(), 5u);
  EXPECT_POINT(square[0], 0, 7.07f, 7.07f);
  EXPECT_POINT(square[0], 1, -7.07f, 7.07f);
  EXPECT_POINT(square[0], 2, -7.07f, -7.07f);
  EXPECT_POINT(square[0], 3, 7.07f, -7.07f);
  EXPECT_POINT(square[0], 4, 7.07f, 7.07f);
}

TEST_F(Markers, CodesWithoutAFigureDrawTheCircleOfNineteenSteps) {
  for (int t : {0, 1, 2, 18, 19, 24, 39, 41, 50, -2}) {
    const std::vector<Piece> f = draw(t);
    ASSERT_EQ(f.size(), 1u) << t;
    ASSERT_EQ(f[0].points.size(), 20u) << t;
    EXPECT_POINT(f[0], 0, 10.0f, 0.0f);
    EXPECT_POINT(f[0], 19, 10.0f, 0.0f);
    EXPECT_NEAR(angle(f[0], 1), 360.0f / 19.0f, 0.1f);
    EXPECT_NEAR(angle(f[0], 10), 10.0f * 360.0f / 19.0f, 0.1f);
  }
  EXPECT_EQ(draw(1)[0].end, "strokepath");
  EXPECT_EQ(draw(-1)[0].end, "drawpath 3");
  // The lowest integer has no opposite: still the filled circle.
  EXPECT_EQ(draw(std::numeric_limits<int>::min())[0].points.size(), 20u);
}

TEST_F(Markers, NegativeCodesFillClosedFiguresOnlyWithAFillStyle) {
  std::vector<Piece> f = draw(-5);
  ASSERT_EQ(f.size(), 1u);
  EXPECT_TRUE(f[0].closed);
  EXPECT_EQ(f[0].end, "drawpath 3");
  EXPECT_EQ(w.only("fillcolor"), (Lines{"fillcolor 0.80 0.80 0.80 1.00"}));  // Grey20, index 8
  plt2blk.ifillstyle = 0;
  f = draw(-5);
  EXPECT_TRUE(f[0].closed);
  EXPECT_EQ(f[0].end, "drawpath 2");
  // Bars, crosses and asterisks ignore the sign.
  plt2blk.ifillstyle = 1;
  const Lines plus = (draw(13), w.calls);
  EXPECT_EQ((draw(-13), w.calls), plus);
}

TEST_F(Markers, BarsAndCrossesReachTheCircle) {
  std::vector<Piece> f = draw(13);  // horizontal bar first
  ASSERT_EQ(f.size(), 2u);
  EXPECT_POINT(f[0], 0, -10.0f, 0.0f);
  EXPECT_POINT(f[0], 1, 10.0f, 0.0f);
  EXPECT_POINT(f[1], 0, 0.0f, -10.0f);
  EXPECT_POINT(f[1], 1, 0.0f, 10.0f);
  f = draw(14);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_POINT(f[0], 0, 7.07f, 7.07f);
  EXPECT_POINT(f[0], 1, -7.07f, -7.07f);
  EXPECT_POINT(f[1], 0, -7.07f, 7.07f);
  EXPECT_POINT(f[1], 1, 7.07f, -7.07f);
  f = draw(10);  // the dot: a line of zero length at the centre
  ASSERT_EQ(f.size(), 1u);
  EXPECT_POINT(f[0], 0, 0.0f, 0.0f);
  EXPECT_POINT(f[0], 1, 0.0f, 0.0f);
  EXPECT_EQ(draw(11)[0].points[0].y, 200.0f);
  EXPECT_EQ(draw(12)[0].points[0].x, 100.0f);
}

TEST_F(Markers, AsterisksHaveTheirSpokesAtTheirAngles) {
  std::vector<Piece> f = draw(15);  // three lines through the centre
  ASSERT_EQ(f.size(), 3u);
  EXPECT_NEAR(angle(f[0], 0), 30.0f, 0.1f);
  EXPECT_NEAR(angle(f[0], 1), 210.0f, 0.1f);
  EXPECT_NEAR(angle(f[1], 0), 90.0f, 0.1f);
  EXPECT_NEAR(angle(f[2], 0), 150.0f, 0.1f);
  EXPECT_NEAR(angle(f[2], 1), 330.0f, 0.1f);
  f = draw(16);  // spokes from the centre outwards
  ASSERT_EQ(f.size(), 3u);
  const std::array<real, 3> three{330.0f, 90.0f, 210.0f};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_POINT(f[k], 0, 0.0f, 0.0f);
    EXPECT_NEAR(angle(f[k], 1), three[k], 0.1f);
    EXPECT_NEAR(distance(f[k], 1), 10.0f, 0.011f);
  }
  f = draw(17);
  ASSERT_EQ(f.size(), 5u);
  const std::array<real, 5> five{306.0f, 18.0f, 90.0f, 162.0f, 234.0f};
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_POINT(f[k], 0, 0.0f, 0.0f);
    EXPECT_NEAR(angle(f[k], 1), five[k], 0.1f);
    EXPECT_NEAR(distance(f[k], 1), 10.0f, 0.011f);
  }
}

TEST_F(Markers, CircleMarksComeAfterTheCircleInTheLineColour) {
  std::vector<Piece> f = draw(-23);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0].points.size(), 20u);
  EXPECT_EQ(f[0].end, "drawpath 3");
  EXPECT_POINT(f[1], 0, 0.0f, -10.0f);  // vertical bar first
  EXPECT_POINT(f[2], 0, -10.0f, 0.0f);
  EXPECT_EQ(f[1].end, "strokepath");
  f = draw(20);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_POINT(f[1], 0, 0.0f, 0.0f);
  EXPECT_POINT(f[1], 1, 0.0f, 0.0f);
  EXPECT_POINT(draw(21)[1], 0, -10.0f, 0.0f);
  EXPECT_POINT(draw(22)[1], 0, 0.0f, -10.0f);
}

TEST_F(Markers, SizeIsOnThePageWhateverTheUserScaling) {
  // 0.4 cm gives r = 0.2 cm in pixels; only the centre is scaled.
  plt2blk.symbsize = 0.4f;
  el(plt1blk.ustode[0], 1, 1) = 5.0f;
  el(plt1blk.ustode[0], 2, 2) = 3.0f;
  plt1blk.us0tode[0] = {1.0f, 2.0f};
  const std::vector<Piece> f = draw(12);
  const real r = 0.2f * plt1blk.cmscale;
  EXPECT_NEAR(f[0].points[0].x, 501.0f, 0.011f);
  EXPECT_NEAR(f[0].points[0].y, 602.0f - r, 0.011f);
  EXPECT_NEAR(f[0].points[1].y, 602.0f + r, 0.011f);
}

TEST_F(Markers, EveryPointGetsItsMarkerAndNoPointNothing) {
  const std::array<real, 3> x{10.0f, 20.0f, 30.0f};
  const std::array<real, 3> y{40.0f, 50.0f, 60.0f};
  plt2blk.isymbtype = 11;
  ussymbol(x, y, 2);
  const std::vector<Piece> f = pieces(w.calls);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[1].points[0].x, 10.0f);
  EXPECT_EQ(f[1].points[0].y, 50.0f);
  w.calls.clear();
  pltbuff1.xdevbuff[0] = -7.0f;
  ussymbol(x, y, 0);
  ussymbol(x, y, -4);
  EXPECT_TRUE(w.calls.empty());
  EXPECT_EQ(pltbuff1.xdevbuff[0], -7.0f);
}

TEST_F(Markers, ZeroAndNegativeSizesShrinkAndTurnTheFigure) {
  plt2blk.symbsize = -plt2blk.symbsize;
  std::vector<Piece> f = draw(3);
  EXPECT_POINT(f[0], 0, 0.0f, -10.0f);  // apex straight down
  plt2blk.symbsize = 0.0f;
  f = draw(13);
  EXPECT_POINT(f[0], 0, 0.0f, 0.0f);
  EXPECT_POINT(f[0], 1, 0.0f, 0.0f);
}

TEST(MarkerSetters, SizeInitialisesSaysSoAndRefusesUnknownModes) {
  Answers console;
  real size = 3.0f;
  ssymbolsize(size, 5);
  EXPECT_EQ(size, 0.4f);
  EXPECT_EQ(plt2blk.symbsize, 0.4f);
  EXPECT_EQ(console.lines(), (Lines{" " + std::string(43, '@'), " @ subroutine ssymbolsize",
                                    " @" + std::string(42, '='),
                                    " INITIALISING SYMBOL SIZE (cm) =    0.400"}));
  size = 2.0f;
  ssymbolsize(size, 7);
  ssymbolsize(size, -1);
  EXPECT_EQ(size, 2.0f);
  EXPECT_EQ(plt2blk.symbsize, 0.4f);
  const Lines lines = console.lines();
  EXPECT_EQ(countof(lines, " inter =      7"), 1);
  EXPECT_EQ(countof(lines, " inter =     -1"), 1);
  EXPECT_EQ(countof(lines, " ===> NO ACTION"), 2);
  EXPECT_EQ(inforce(ssymbolsize), 0.4f);
}

TEST(MarkerSetters, SizeDialogueOffersTheValueAndStoresAnyNumber) {
  ConsoleCapture console("-1.5\n");
  real size = 0.7f;
  ssymbolsize(size, 0);
  EXPECT_EQ(size, -1.5f);
  EXPECT_EQ(plt2blk.symbsize, -1.5f);
  EXPECT_EQ(notonce(console.lines(), {" SYMBOL SIZE (cm):", " ready to  store  size =    0.700",
                                      " Enter symbol size in cm"}), Lines{});
}

TEST(MarkerSetters, TypeTableOnlyAskWithoutStoringAndAskThenRefuse) {
  Answers console("7\n50\n12\n");
  int itype = 0;
  ssymboltype(itype, 5);
  EXPECT_EQ(plt2blk.isymbtype, 1);
  EXPECT_EQ(console.lines().back(), " INITIALISING SYMBOL TYPE =    1");

  // 102: the 24 lines of the code table and nothing else.
  std::size_t before = console.lines().size();
  ssymboltype(itype, 102);
  Lines lines = console.lines();
  ASSERT_EQ(lines.size(), before + 24);
  EXPECT_EQ(lines[before], " circle   .................. 0");
  EXPECT_EQ(lines[before + 22], " square   ..................40");
  EXPECT_EQ(lines.back(), " circle   ....... other values");

  // 200: asks, returns the answer, stores nothing.
  ssymboltype(itype, 200);
  EXPECT_EQ(itype, 7);
  EXPECT_EQ(plt2blk.isymbtype, 1);
  lines = console.lines();
  EXPECT_EQ(countof(lines, " ready to set type =    1"), 1);
  EXPECT_EQ(countof(lines, " currently stored type =    1"), 0);

  // 0: any integer is stored, even one without a figure.
  ssymboltype(itype, 0);
  EXPECT_EQ(plt2blk.isymbtype, 50);

  // 6: the whole box and the question, then no action.
  ssymboltype(itype, 6);
  EXPECT_EQ(itype, 12);
  EXPECT_EQ(plt2blk.isymbtype, 50);
  lines = console.lines();
  EXPECT_EQ(countof(lines, " inter =    6"), 1);
  EXPECT_EQ(countof(lines, " Enter symbol number"), 3);
}

TEST(MarkerSetters, TypeTableStaysHiddenBelowOutputLevelTwo) {
  ConsoleCapture console("-3\n");
  iocom.lwito[1] = false;
  int itype = 9;
  ssymboltype(itype, 102);
  EXPECT_TRUE(console.lines().empty());
  ssymboltype(itype, 2);
  EXPECT_EQ(plt2blk.isymbtype, -3);
  EXPECT_EQ(countof(console.lines(), " circle   .................. 0"), 0);
}
