// The latitude-longitude grid: its lines, ticks and labels measured from
// the drawing calls under a projection whose geometry is known, its counts
// of lines, the extent of the projected grid box, and its menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "map/latlong_grid.h"
#include "plotlib/curve_points.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/plot_harness.h"
#include "plotlib/subplot_scaling.h"
#include "projection_harness.h"

namespace {

using Point = std::array<double, 2>;
using Polyline = std::vector<Point>;

constexpr double d2r = M_PI / 180;

struct Grid {
  real latmin, latmax, lonmin, lonmax, latinc, loninc;
  int npgrid;
  real ticsiz;
  int nptick, igridt, ndecim;
};

// sllgrid3 on the values of g, in the given mode.
void grid(Grid& g, int mode) {
  sllgrid3(g.latmin, g.latmax, g.lonmin, g.lonmax, g.latinc, g.loninc, g.npgrid, g.ticsiz,
           g.nptick, g.igridt, g.ndecim, mode);
}

void setgrid(Grid g) { grid(g, 1); }

Grid getgrid() {
  Grid g{};
  grid(g, 3);
  return g;
}

// Under the Lambert cylindrical equal-area projection (code 23, offsets
// zeroed) a point (lon, lat) lies at (lon, sin lat), lon in radians.
Point cylindrical(double londeg, double latdeg) { return {londeg * d2r, std::sin(latdeg * d2r)}; }

class LatLongGrid : public testing::Test {
 protected:
  static void SetUpTestSuite() { initialiseprojection(); }
  // The projection is set before the console is captured: its set-up has
  // a capture of its own, which resets the console state.
  void SetUp() override {
    use(23);
    console = std::make_unique<ConsoleCapture>();
    window = std::make_unique<RecordedWindow>();
    iocom.lpause = false;
    // 2 cm per map unit, so that the log's 0.01 pixel is about 1e-4 units.
    real x0 = 10, y0 = 15, xx = 2, xy = 0, yx = 0, yy = 2;
    sus2cm1(x0, y0, xx, xy, yx, yy, 1);
    window->calls.clear();
    start = console->lines().size();
  }

  // The polylines drawn (a move begins one), in map units.
  std::vector<Polyline> polylines() const {
    const Vec2 o = plt1blk.us0tode[0];
    const Mat22 m = plt1blk.ustode[0];
    const double a = el(m, 1, 1), b = el(m, 1, 2), c = el(m, 2, 1), d = el(m, 2, 2);
    std::vector<Polyline> out;
    for (const std::string& line : window->calls) {
      std::istringstream in(line);
      std::string call;
      double xd = 0, yd = 0;
      in >> call >> xd >> yd;
      if (call != "moveto" && call != "lineto") continue;
      if (call == "moveto") out.emplace_back();
      const double u = xd - static_cast<double>(o[0]), v = yd - static_cast<double>(o[1]);
      out.back().push_back({(d * u - b * v) / (a * d - b * c), (a * v - c * u) / (a * d - b * c)});
    }
    return out;
  }
  // The texts drawn, in order.
  std::vector<std::string> labels() const {
    std::vector<std::string> out;
    for (const std::string& line : window->only("showtextat")) {
      const std::size_t q = line.find('"');
      out.push_back(line.substr(q + 1, line.rfind('"') - q - 1));
    }
    return out;
  }
  // The console lines since the set-up.
  std::vector<std::string> printed() {
    const std::vector<std::string> all = console->lines();
    return {all.begin() + static_cast<long>(start), all.end()};
  }

  std::unique_ptr<ConsoleCapture> console;
  std::unique_ptr<RecordedWindow> window;
  std::size_t start = 0;
};

// Expects the polyline to run through the given points.
void expectline(const Polyline& line, const std::vector<Point>& want, const std::string& what) {
  ASSERT_EQ(line.size(), want.size()) << what;
  for (std::size_t j = 0; j < want.size(); ++j) {
    EXPECT_NEAR(line[j][0], want[j][0], 2e-4) << what << " point " << j;
    EXPECT_NEAR(line[j][1], want[j][1], 2e-4) << what << " point " << j;
  }
}

TEST_F(LatLongGrid, RegularGridOfACylindricalProjection) {
  setgrid({-30, 30, -30, 30, 30, 20, 3, 1, 2, 1, 1});
  drawllgrid();
  const auto lines = polylines();
  // 4 meridians, 4 + 4 ticks, 3 parallels, 3 + 3 ticks.
  ASSERT_EQ(lines.size(), 21u);
  std::size_t at = 0;
  const std::array<double, 4> lons{30, 10, -10, -30};  // from the eastern border westwards
  const std::array<double, 3> lats{-30, 0, 30};
  // Meridians: straight vertical lines at x = their longitude in radians,
  // drawn from south to north in 3 steps of 20 degrees of latitude.
  for (double lon : lons)
    expectline(lines[at++], {cylindrical(lon, -30), cylindrical(lon, -10), cylindrical(lon, 10),
                             cylindrical(lon, 30)},
               "meridian " + std::to_string(lon));
  // Ticks point out of the grid: south below the southern border, north
  // above the northern one, each 1 degree long in 2 steps.
  for (double lon : lons)
    expectline(lines[at++], {cylindrical(lon, -30), cylindrical(lon, -30.5), cylindrical(lon, -31)},
               "southern tick");
  for (double lon : lons)
    expectline(lines[at++], {cylindrical(lon, 30), cylindrical(lon, 30.5), cylindrical(lon, 31)},
               "northern tick");
  // Parallels: horizontal lines from the eastern border westwards.
  for (double lat : lats)
    expectline(lines[at++], {cylindrical(30, lat), cylindrical(10, lat), cylindrical(-10, lat),
                             cylindrical(-30, lat)},
               "parallel " + std::to_string(lat));
  for (double lat : lats)
    expectline(lines[at++], {cylindrical(30, lat), cylindrical(30.5, lat), cylindrical(31, lat)},
               "eastern tick");
  for (double lat : lats)
    expectline(lines[at++], {cylindrical(-30, lat), cylindrical(-30.5, lat), cylindrical(-31, lat)},
               "western tick");
  EXPECT_EQ(labels(), (std::vector<std::string>{"30.0", "10.0", "-10.0", "-30.0", "30.0", "10.0",
                                                "-10.0", "-30.0", "-30.0", "0.0", "30.0", "-30.0",
                                                "0.0", "30.0"}));
  EXPECT_EQ(printed(), (std::vector<std::string>{" " + std::string(43, '@'), " @ subroutine drawllgrid ",
                                                 " @" + std::string(42, '='), " LAT-LONG GRID TYPE =    1",
                                                 " nb of meridians =    4", " nb of parallels =    3",
                                                 " " + std::string(43, '@')}));
  // The labels are left justified middle right, as the western ones are.
  EXPECT_EQ(inforce(stextalign), -7);
}

TEST_F(LatLongGrid, FramesDrawOnlyTheBordersWithTicksOutOrIn) {
  for (int type : {2, 3}) {
    window->calls.clear();
    setgrid({-30, 30, -30, 30, 30, 20, 3, 1, 2, type, 0});
    drawllgrid();
    const auto lines = polylines();
    // 2 meridians, 4 + 4 ticks, 2 parallels, 3 + 3 ticks.
    ASSERT_EQ(lines.size(), 18u) << type;
    expectline(lines[0], {cylindrical(30, -30), cylindrical(30, -10), cylindrical(30, 10), cylindrical(30, 30)},
               "eastern border");
    expectline(lines[1], {cylindrical(-30, -30), cylindrical(-30, -10), cylindrical(-30, 10),
                          cylindrical(-30, 30)},
               "western border");
    // The southern tick of the meridian 10 E: out for type 2, in for 3.
    const double end = type == 2 ? -31 : -29;
    expectline(lines[3], {cylindrical(10, -30), cylindrical(10, (end - 30) / 2), cylindrical(10, end)},
               "tick of type " + std::to_string(type));
    // Labels with no decimals, at every grid position.
    EXPECT_EQ(labels().front(), "30.");
    EXPECT_EQ(labels().size(), 14u);
  }
}

TEST_F(LatLongGrid, TypeZeroDrawsNothing) {
  setgrid({-30, 30, -30, 30, 30, 20, 3, 1, 2, 0, 1});
  drawllgrid();
  EXPECT_TRUE(polylines().empty());
  EXPECT_TRUE(labels().empty());
  EXPECT_EQ(printed()[3], " NO LAT-LONG GRID");
  EXPECT_EQ(printed().size(), 5u);
}

// The lines "nb of meridians =" and "nb of parallels =" for a grid.
std::array<std::string, 2> counts(const std::vector<std::string>& lines) {
  return {lines[4].substr(19), lines[5].substr(19)};
}

TEST_F(LatLongGrid, LineCountsFromSpansAndSpacings) {
  struct Case {
    const char* what;
    Grid g;
    std::array<std::string, 2> want;
  };
  const Case cases[] = {
      {"defaults", {-80, 80, -80, 80, 10, 10, 3, 1, 2, 1, 1}, {"  17", "  17"}},
      {"spans that are whole multiples", {-10, 20, 0, 30, 10, 10, 3, 1, 2, 1, 1}, {"   4", "   4"}},
      {"spans that are not", {0, 25, 0, 25, 10, 10, 3, 1, 2, 1, 1}, {"   3", "   3"}},
      // A spacing wider than the span, of 0, or negative keeps the borders.
      {"spacing wider than the span", {0, 5, 0, 5, 10, 10, 3, 1, 2, 1, 1}, {"   2", "   2"}},
      {"spacing 0", {0, 5, 0, 5, 0, 0, 3, 1, 2, 1, 1}, {"   2", "   2"}},
      {"minimum above maximum", {5, 0, 5, 0, 1, 1, 3, 1, 2, 1, 1}, {"   2", "   2"}},
      {"not a number", {0, 5, 0, 5, NAN, NAN, 3, 1, 2, 1, 1}, {"   2", "   2"}},
      // A spacing far below the span is held to 3600 intervals.
      {"tiny spacing", {0, 90, 0, 90, 1e-6f, 1e-6f, 1, 1, 1, 2, 1}, {"3601", "3601"}},
      // Step counts below 1: one step each, never a division by 0.
      {"no steps", {0, 20, 0, 20, 10, 10, 0, 1, -1, 1, 1}, {"   3", "   3"}},
      // Step counts stored beyond the buffer: held to its size.
      {"largest counts", {0, 20, 0, 20, 10, 10, INT_MAX, 1, INT_MAX, 1, 1}, {"   3", "   3"}},
  };
  for (const Case& c : cases) {
    window->calls.clear();
    start = console->lines().size();
    setgrid(c.g);
    drawllgrid();
    EXPECT_EQ(counts(printed()), c.want) << c.what;
    for (const Polyline& line : polylines()) {
      ASSERT_LE(line.size(), static_cast<std::size_t>(mp + 1)) << c.what;
      for (const Point& p : line)
        ASSERT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1])) << c.what;
    }
  }
  // 25 degrees with a spacing of 10: three meridians 12.5 degrees apart.
  window->calls.clear();
  setgrid({0, 25, 0, 25, 10, 10, 3, 1, 2, 1, 1});
  drawllgrid();
  const auto lines = polylines();
  EXPECT_NEAR(lines[1][0][0], 12.5 * d2r, 2e-4);
  EXPECT_NEAR(lines[2][0][0], 0, 2e-4);
}

// Latitude bounds beyond a pole (a slip of the keyboard such as -1e30)
// are drawn at that pole and kept as stored: no line or label of the grid
// lies beyond 90 degrees, and none of thousands of parallels is drawn, each
// label of which would be an error that cannot be written, with its pause.
TEST_F(LatLongGrid, LatitudeBoundsBeyondThePolesAreDrawnAtThePoles) {
  setgrid({-1e30f, 80, -30, 30, 10, 20, 3, 1, 2, 1, 1});
  drawllgrid();
  EXPECT_EQ(printed().size(), 7u);  // the head, the two counts and the tail: no error
  EXPECT_EQ(counts(printed()), (std::array<std::string, 2>{"   4", "  18"}));
  const auto lines = polylines();
  ASSERT_EQ(lines.size(), 4u + 8u + 18u + 36u);
  expectline(lines[0], {cylindrical(30, -90), cylindrical(30, -90 + 170.0 / 3),
                        cylindrical(30, -90 + 340.0 / 3), cylindrical(30, 80)},
             "eastern border");
  const std::vector<std::string> drawn = labels();
  ASSERT_EQ(drawn.size(), 8u + 36u);
  EXPECT_EQ(drawn[8], "-90.0");   // the first parallel, on the eastern border
  EXPECT_EQ(drawn[25], "80.0");   // the last
  real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  extrllgrid(xmin, ymin, xmax, ymax);
  EXPECT_NEAR(ymin, -1, 1e-6);
  EXPECT_NEAR(ymax, std::sin(80 * d2r), 1e-6);
  EXPECT_FLOAT_EQ(getgrid().latmin, -1e30f);

  // Both bounds beyond the poles: the grid from pole to pole.
  window->calls.clear();
  start = console->lines().size();
  setgrid({-100, 1e30f, -30, 30, 10, 20, 3, 1, 2, 1, 1});
  drawllgrid();
  EXPECT_EQ(counts(printed()), (std::array<std::string, 2>{"   4", "  19"}));
  EXPECT_EQ(labels()[26], "90.0");
}

// Longitude bounds more than one turn apart (a slip such as -1e20) are
// drawn and measured one turn apart and kept as stored: the bound of the
// smaller magnitude stays, within a turn of 0, so that every label can
// be written, and no span of millions of degrees is divided into thousands
// of meridians, each label of which would be an error with its pause.
// Bounds one turn apart, beyond 180 or not, are drawn as they stand.
TEST_F(LatLongGrid, LongitudeBoundsMoreThanOneTurnApartAreDrawnOneTurnApart) {
  struct Case {
    real lonmin, lonmax;
    double west, east;  // the borders drawn, degrees
  };
  const Case cases[] = {
      {-1e20f, -119, -479, -119},
      {-1e30f, 80, -280, 80},
      {-119, 1e30f, -119, 241},
      {-INFINITY, -119, -479, -119},
      {-500, 500, -140, 220},  // bounds of one magnitude: the minimum is brought near 0
      {-170, 190, -170, 190},
      {0, 360, 0, 360},
      {408, 768, 408, 768},  // a span in radians a hair above a turn
  };
  const std::size_t meridians = 13;  // every 30 degrees over one turn
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lonmin << " " << c.lonmax);
    window->calls.clear();
    start = console->lines().size();
    setgrid({-30, 30, c.lonmin, c.lonmax, 30, 30, 3, 1, 2, 1, 1});
    drawllgrid();
    EXPECT_EQ(printed().size(), 7u);  // no error
    EXPECT_EQ(counts(printed())[0], "  13");
    const std::vector<std::string> drawn = labels();
    ASSERT_EQ(drawn.size(), 2 * meridians + 6);
    EXPECT_DOUBLE_EQ(std::stod(drawn[0]), c.east);
    EXPECT_DOUBLE_EQ(std::stod(drawn[meridians - 1]), c.west);
    real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    extrllgrid(xmin, ymin, xmax, ymax);
    EXPECT_NEAR(xmin, c.west * d2r, 1e-5);
    EXPECT_NEAR(xmax, c.east * d2r, 1e-5);
    EXPECT_FLOAT_EQ(getgrid().lonmin, c.lonmin);
    EXPECT_FLOAT_EQ(getgrid().lonmax, c.lonmax);
  }

  // Reversed bounds stay reversed, one turn apart: the borders alone, the
  // minimum (of the same magnitude as the maximum) brought within a turn
  // of 0.
  window->calls.clear();
  start = console->lines().size();
  setgrid({-30, 30, 1e8f, -1e8f, 30, 30, 3, 1, 2, 1, 1});
  drawllgrid();
  EXPECT_EQ(printed().size(), 7u);
  EXPECT_EQ(counts(printed())[0], "   2");
  const std::vector<std::string> drawn = labels();
  ASSERT_EQ(drawn.size(), 4u + 6u);
  const double lonmax = std::stod(drawn[0]), lonmin = std::stod(drawn[1]);
  EXPECT_LT(std::fabs(lonmin), 360);
  EXPECT_NEAR(lonmax, lonmin - 360, 0.05);
  real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  extrllgrid(xmin, ymin, xmax, ymax);
  EXPECT_NEAR(xmax - xmin, 2 * M_PI, 1e-5);
}

TEST_F(LatLongGrid, ExtentOfTheProjectedCorners) {
  setgrid({-30, 30, -30, 30, 30, 20, 3, 1, 2, 1, 1});
  real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  extrllgrid(xmin, ymin, xmax, ymax);
  EXPECT_NEAR(xmin, -30 * d2r, 1e-6);
  EXPECT_NEAR(xmax, 30 * d2r, 1e-6);
  EXPECT_NEAR(ymin, -0.5, 1e-6);
  EXPECT_NEAR(ymax, 0.5, 1e-6);
  // Spherical Mercator, central meridian 0, grid 0..10 E, 0..60 N.
  use(15);
  setgrid({0, 60, 0, 10, 10, 10, 3, 1, 2, 1, 1});
  extrllgrid(xmin, ymin, xmax, ymax);
  EXPECT_NEAR(xmin, 0, 1e-6);
  EXPECT_NEAR(ymin, 0, 1e-6);
  EXPECT_NEAR(xmax, 10 * d2r, 1e-6);
  EXPECT_NEAR(ymax, std::log(std::tan(M_PI / 4 + 30 * d2r)), 1e-5);
}

TEST_F(LatLongGrid, GetAndSetModes) {
  // Mode 1 stores without a check, a minimum above its maximum included;
  // mode 3 returns the stored values and stores nothing.
  setgrid({50, 10, 5, -5, 1, 2, 4, 0.5f, 1, 2, 3});
  EXPECT_NEAR(gridll.latmin, 50 * d2r, 1e-6);
  Grid g = getgrid();
  g.latmin = 0;
  grid(g, 3);
  EXPECT_FLOAT_EQ(g.latmin, 50);
  EXPECT_FLOAT_EQ(g.lonmax, -5);
  EXPECT_EQ(g.ndecim, 3);
  EXPECT_TRUE(printed().empty());
}

TEST_F(LatLongGrid, MenuDrivenByAnswerLines) {
  // Bounds in one free-format read each: values split by blanks and
  // commas over two lines; an unreadable value asks again; an empty value
  // between commas keeps the longitude maximum.
  Answers typed("10\n-10, 50 ,\n 20\n20\nx 1 2\n5 , , 7\n32\n3\n40\n2\n\n");
  Grid g{};
  grid(g, 5);
  grid(g, 2);
  g = getgrid();
  EXPECT_FLOAT_EQ(g.latmin, -10);
  EXPECT_FLOAT_EQ(g.latmax, 50);
  EXPECT_FLOAT_EQ(g.latinc, 20);
  EXPECT_FLOAT_EQ(g.lonmin, 5);
  EXPECT_FLOAT_EQ(g.lonmax, 80);
  EXPECT_FLOAT_EQ(g.loninc, 7);
  EXPECT_EQ(g.nptick, 3);
  EXPECT_EQ(g.igridt, 2);
  const std::vector<std::string> lines = typed.lines();
  auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
  EXPECT_EQ(count("  enter latitude mini, maxi and increment"), 1);
  EXPECT_EQ(count(" " + std::string(30, ' ') + "in degrees"), 1);
  EXPECT_EQ(count("  enter longitude mini, maxi and increment"), 2);
  EXPECT_EQ(count(" " + std::string(31, ' ') + "in degrees"), 2);
  EXPECT_EQ(count(" latitude minimum ..............11  -80.000"), 1);
  EXPECT_EQ(count(" latitude minimum ..............11  -10.000"), 4);
  EXPECT_EQ(count(" nb of points to draw tick......32      3"), 2);
  EXPECT_EQ(count(" ticks out grid ...2"), 1);
  // The hint on too many tick points, once ticks are drawn on a frame.
  EXPECT_EQ(count(" too many points for tick marks ?"), 1);
  EXPECT_EQ(lines[lines.size() - 11], " too many points for tick marks ?");
}

}  // namespace
