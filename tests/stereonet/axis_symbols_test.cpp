// Axes drawn on a stereonet: markers at the projected directions, folded
// into the lower hemisphere with the alternate type, radial lines and
// arrows, and the axis symbol setter with its checks and menu.
#include "stereonet/axis_symbols.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "net_harness.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "stereonet/principal_axes.h"

namespace {

constexpr real tolerance = 2e-4f;  // net units

// The centre of a marker figure: the mean of its points, the closing
// repetition of the first left out.
DrawPoint centre(const std::vector<DrawPoint>& figure) {
  std::size_t n = figure.size();
  if (n > 1 && apart(figure.front(), figure.back()) < 1e-6f) --n;
  DrawPoint c{0.0f, 0.0f};
  for (std::size_t i = 0; i < n; ++i) c = {c.x + figure[i].x, c.y + figure[i].y};
  return {c.x / static_cast<real>(n), c.y / static_cast<real>(n)};
}

// Axes (degrees) drawn with the stored symbols; the recorded paths.
std::vector<std::vector<DrawPoint>> drawaxes(NetWindow& w, std::vector<real> az, std::vector<real> pl) {
  w.calls.clear();
  for (real& a : az) a = rad(a);
  for (real& p : pl) p = rad(p);
  dspaxfapn2(az, pl, static_cast<int>(az.size()));
  return w.netpaths();
}

void storepair(int istd, int ialt) { sdspaxsymb(istd, ialt, 1); }

class AxisSymbols : public testing::Test {
 protected:
  void SetUp() override { setprojection(4); }
};

// Markers of 0.3 cm, filled when their type is negative.
void markersetup() {
  real size = 0.3f;
  ssymbolsize(size, 1);
  int istyle = 1;
  sfillstyle(istyle, 1);
}

}  // namespace

TEST_F(AxisSymbols, MarkersSitAtTheProjectedDirectionsOfTheLowerHemisphere) {
  ConsoleCapture console;
  NetWindow w;
  markersetup();
  storepair(1, -1);
  int before = 7;
  ssymboltype(before, 1);
  const auto figures = drawaxes(w, {10.0f, 10.0f, 250.0f}, {30.0f, -30.0f, 0.0f});
  ASSERT_EQ(figures.size(), 3u);
  EXPECT_LT(apart(centre(figures[0]), netpoint(4, 10, 30)), tolerance);
  EXPECT_LT(apart(centre(figures[1]), netpoint(4, 190, 30)), tolerance);  // folded over
  EXPECT_LT(apart(centre(figures[2]), netpoint(4, 250, 0)), tolerance);   // plunge 0 stays
  // The standard circle is outlined, the alternate one (negative) filled.
  EXPECT_EQ(w.only("drawpath"), std::vector<std::string>{"drawpath 3"});
  EXPECT_EQ(w.only("strokepath").size(), 2u);
  EXPECT_EQ(inforce(ssymboltype), 7);

  ssymboltype(before = 9, 1);
  EXPECT_TRUE(drawaxes(w, {}, {}).empty());
  EXPECT_EQ(inforce(ssymboltype), 9);
}

TEST_F(AxisSymbols, LinesAndArrowsRunAlongTheRadius) {
  ConsoleCapture console;
  NetWindow w;
  storepair(100, 0);
  auto paths = drawaxes(w, {0.0f, 0.0f}, {90.0f, 0.0f});
  ASSERT_EQ(paths.size(), 2u);
  for (const DrawPoint& p : paths[0]) EXPECT_LT(apart(p, {0.0f, 0.0f}), tolerance);  // zero length
  ASSERT_EQ(paths[1].size(), 2u);
  EXPECT_LT(apart(paths[1][0], {0.0f, 1.0f}), tolerance);
  EXPECT_LT(apart(paths[1][1], {0.0f, 1.2f}), tolerance);

  // Upwards: from the opposite point, 0.2 towards and across the centre.
  storepair(101, 0);
  paths = drawaxes(w, {0.0f}, {-80.0f});
  ASSERT_EQ(paths.size(), 2u);  // shaft and head
  const DrawPoint tail = netpoint(4, 180, 80);
  const DrawPoint tip{0.0f, tail.y + 0.2f};
  EXPECT_GT(tip.y, 0.0f);
  EXPECT_LT(apart(paths[0].front(), tail), tolerance);
  EXPECT_TRUE(std::any_of(paths[1].begin(), paths[1].end(),
                          [&](const DrawPoint& p) { return apart(p, tip) < tolerance; }));

  for (int style : {150, -100, -101}) {
    storepair(style, 0);
    EXPECT_TRUE(drawaxes(w, {0.0f}, {45.0f}).empty()) << style;
  }
}

TEST_F(AxisSymbols, AVerticalAxisOfAMechanismSitsOnTheCentre) {
  // Pure reverse faults: the T axis is vertical, but its computed plunge
  // falls short of 90 degrees by rounding. Its line or arrow has no length.
  ConsoleCapture console;
  NetWindow w;
  for (int iproj : {1, 2, 3, 4}) {
    setprojection(iproj);
    for (real strike : {0.0f, 33.0f, 250.0f}) {
      std::array<real, 3> az{}, pl{};
      fsadr2steff(az, pl, rad(strike), rad(45.0f), rad(90.0f), 0.0f);
      const auto t = static_cast<std::size_t>(std::max_element(pl.begin(), pl.end()) - pl.begin());
      ASSERT_NEAR(pl[t], rad(90.0f), 1e-3f);
      for (int style : {100, 101}) {
        storepair(style, 0);
        w.calls.clear();
        dspaxfapn2(std::span(az).subspan(t, 1), std::span(pl).subspan(t, 1), 1);
        for (const auto& path : w.netpaths())
          for (const DrawPoint& p : path)
            EXPECT_LT(apart(p, {0.0f, 0.0f}), 1e-3f) << iproj << ' ' << strike << ' ' << style;
      }
    }
  }
}

TEST_F(AxisSymbols, SetterModes) {
  ConsoleCapture console;
  int istd = 150, ialt = 0;
  sdspaxsymb(istd, ialt, 1);  // stored as given, silently
  EXPECT_EQ(dspaxbk.istdtype, 150);
  sdspaxsymb(istd, ialt, 5);
  EXPECT_EQ(istd, 1);
  EXPECT_EQ(ialt, -1);
  EXPECT_EQ(dspaxbk.istdtype, 1);
  EXPECT_EQ(dspaxbk.ialttype, -1);
  istd = ialt = 0;
  sdspaxsymb(istd, ialt, 3);
  EXPECT_EQ(istd, 1);
  EXPECT_EQ(ialt, -1);
  const std::vector<std::string> lines = console.lines();
  EXPECT_EQ(countof(lines, " INITIALIZING STEREOPLOT AXIS SYMBOLS"), 1);
  EXPECT_EQ(lines.size(), 4u);  // the box head and that line only
}

TEST(AxisSymbolsMenu, SetUpEditsTheCallersPairOnly) {
  Answers console("10\n4\n20\n-4\n\n");
  dspaxbk = {1, -1};
  int istd = 3, ialt = 200;
  sdspaxsymb(istd, ialt, 200);
  EXPECT_EQ(istd, 4);
  EXPECT_EQ(ialt, -4);
  EXPECT_EQ(dspaxbk.istdtype, 1);
  EXPECT_EQ(dspaxbk.ialttype, -1);
  const std::vector<std::string> lines = console.lines();
  // Three passes of the menu: as given (the alternate type reset), after
  // each answer.
  const std::vector<std::pair<std::string, long>> counts{
      {" Alternate symbol =  200", 1},        {" outside [  -99 ,  101 ]", 1},
      {" ==> RESETTING TO:", 1},              {" Alternate symbol =   -1", 1},
      {" set up:", 3},                        {" SET UP IS OK ==> EXIT ........ 99", 3},
      {" arrow    ................ 101", 3},  {" standard  type =    4", 2},
      {" alternate type =   -4", 1}};
  for (const auto& [line, n] : counts) EXPECT_EQ(countof(lines, line), n) << line;
  EXPECT_EQ(countof(lines, " currently stored:"), 0);
  EXPECT_EQ(countof(lines, " Standard  symbol =    3"), 0);  // in range: no warning
}
