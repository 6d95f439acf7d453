#include "plotlib/user_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "console_capture.h"
#include "plot_harness.h"
#include "platform/draw_log.h"
#include "plotlib/coordinates.h"

namespace {

// Points k = 1 .. n at (k, 2k): pixels of the same value, as the window's
// sub-plots map one user unit to one pixel.
struct Points {
  explicit Points(int n) {
    for (int k = 1; k <= n; ++k) {
      x.push_back(static_cast<real>(k));
      y.push_back(static_cast<real>(2 * k));
    }
  }
  std::vector<real> x, y;
};

std::string at(int k) {
  return DrawLog::number(static_cast<real>(k)) + ' ' + DrawLog::number(static_cast<real>(2 * k));
}

}  // namespace

TEST(Buffer, PiecesShareTheirEndPoints) {
  ConsoleCapture console;
  // n and the (first, last) index of every piece.
  const std::vector<std::pair<int, std::vector<std::pair<int, int>>>> cases{
      {1, {{1, 1}}},
      {501, {{1, 501}}},
      {502, {{1, 501}, {501, 502}}},
      {1001, {{1, 501}, {501, 1001}}},
      {1002, {{1, 501}, {501, 1001}, {1001, 1002}}},
  };
  std::array<real, mbuff> xbuf{}, ybuf{};
  for (const auto& [n, pieces] : cases) {
    const Points p(n);
    int is = 1;
    for (const auto& [first, last] : pieces) {
      int nbuff = 0;
      buffer2(xbuf, ybuf, mbuff, nbuff, p.x, p.y, n, is);
      EXPECT_EQ(nbuff, last - first + 1) << n;
      EXPECT_EQ(xbuf[0], static_cast<real>(first)) << n;
      EXPECT_EQ(ybuf[static_cast<std::size_t>(nbuff - 1)], static_cast<real>(2 * last)) << n;
      EXPECT_EQ(is, last) << n;
    }
    EXPECT_EQ(is, n);  // no piece remains
  }
  EXPECT_TRUE(console.lines().empty());
}

TEST(Buffer, ReadingPastTheArrayIsAnErrorAndCopiesNothing) {
  Answers console;
  const Points p(3);
  std::array<real, mbuff> xbuf{}, ybuf{};
  int nbuff = 7, is = 4;
  buffer2(xbuf, ybuf, mbuff, nbuff, p.x, p.y, 3, is);
  EXPECT_EQ(nbuff, 7);
  EXPECT_EQ(is, 4);
  EXPECT_EQ(xbuf[0], 0.0f);
  const std::vector<std::string> lines = console.lines();
  EXPECT_EQ(countof(lines, " is =  4  > nx = 3"), 1);
  EXPECT_EQ(countof(lines, " attempt to read past array"), 1);
}

TEST(UserLines, PolylinesAreDrawnPieceByPiece) {
  Answers console;
  RecordedWindow w;
  for (const auto& [n, starts] : std::vector<std::pair<int, std::vector<int>>>{
           {1, {1}}, {501, {1}}, {502, {1, 501}}, {1001, {1, 501}}, {1002, {1, 501, 1001}}}) {
    w.calls.clear();
    const Points p(n);
    usline(p.x, p.y, n);
    std::vector<std::string> moves;
    for (int k : starts) moves.push_back("moveto " + at(k));
    EXPECT_EQ(w.only("moveto"), moves) << n;
    EXPECT_EQ(w.calls[w.calls.size() - 3], "lineto " + at(n)) << n;
  }
  w.calls.clear();
  usline({}, {}, 0);  // nothing to draw: the error, and no path
  EXPECT_TRUE(w.only("beginpath").empty());
  EXPECT_EQ(countof(console.lines(), " attempt to read past array"), 1);
}

TEST(UserLines, LargePolygonsAreSplitWithOneWarningBetweenPieces) {
  Answers console;
  RecordedWindow w;
  const Points p(600);
  uspolygon(p.x, p.y, 600);
  EXPECT_EQ(w.only("moveto"), (std::vector<std::string>{"moveto " + at(1), "moveto " + at(501)}));
  EXPECT_EQ(w.only("closepath").size(), 2u);
  EXPECT_EQ(w.only("drawpath").size(), 2u);
  const std::vector<std::string> lines = console.lines();
  EXPECT_EQ(countof(lines, " ==> Decomposing in smaller polygons"), 1);
  EXPECT_EQ(countof(lines, " Polygone vertices = 600"), 1);
  EXPECT_EQ(countof(lines, " Plot buffer size  = 501"), 1);
}

TEST(UserLines, ArrowsPenMovesAndText) {
  ConsoleCapture console;
  RecordedWindow w;
  const std::array<real, 1> x1{0.0f}, y1{0.0f}, x2{10.0f}, y2{0.0f};
  usarrow1(x1, y1, x2, y2, 1);
  EXPECT_EQ(w.only("moveto"), (std::vector<std::string>{"moveto 0.00 0.00", "moveto 6.00 1.50"}));
  EXPECT_EQ(w.only("lineto"), (std::vector<std::string>{"lineto 6.00 0.00", "lineto 6.00 -1.50",
                                                        "lineto 10.00 0.00", "lineto 6.00 1.50"}));
  EXPECT_TRUE(w.only("closepath").empty());  // the head is outlined, never filled

  w.calls.clear();
  plt1blk.us0tode[0] = {100.0f, 200.0f};
  usplot(1.0f, 2.0f, 0);
  usplot(3.0f, 4.0f, 1);
  EXPECT_EQ(w.only("moveto"), std::vector<std::string>{"moveto 101.00 202.00"});
  EXPECT_EQ(w.only("lineto"), std::vector<std::string>{"lineto 103.00 204.00"});

  // Text: in user units through the sub-plot, in centimetres on the page
  // whatever the sub-plot.
  w.calls.clear();
  ustext2(5.0f, 6.0f, "A");
  cmtext2(10.5f, 28.0f, "B");
  const std::vector<std::string> texts = w.only("showtextat");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "showtextat 105.00 206.00 \"A\"");
  EXPECT_EQ(texts[1], "showtextat " + DrawLog::number(10.5f * plt1blk.cmscale) + ' ' +
                          DrawLog::number(28.0f * plt1blk.cmscale) + " \"B\"");
}
