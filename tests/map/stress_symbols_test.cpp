// The stress symbols on the map, measured from the drawing calls they make,
// and the dialogue of their parameters.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "map/stress_symbols.h"
#include "plotlib/markers.h"
#include "plotlib/plot_harness.h"
#include "plotlib/subplot_scaling.h"

namespace {

using Point = std::array<double, 2>;
using Polygon = std::vector<Point>;

// One half of a symbol measured along its axis, the unit direction d from
// the epicentre: distances along d of its nearest and farthest vertices and
// of its first vertex (an arrow's tip), its largest distance off the axis.
struct Half {
  std::size_t vertices;
  double near, far, first, halfwidth;
};

Half measure(const Polygon& p, const Point& c, const Point& d) {
  Half h{p.size(), 1e9, -1e9, 0, 0};
  for (const Point& v : p) {
    const double along = (v[0] - c[0]) * d[0] + (v[1] - c[1]) * d[1];
    const double off = -(v[0] - c[0]) * d[1] + (v[1] - c[1]) * d[0];
    h.near = std::min(h.near, along);
    h.far = std::max(h.far, along);
    h.halfwidth = std::max(h.halfwidth, std::fabs(off));
  }
  h.first = (p[0][0] - c[0]) * d[0] + (p[0][1] - c[1]) * d[1];
  return h;
}

// The pair p[k], p[k + 1], which lie on both sides of the epicentre c,
// measured along d and along -d, whichever comes first.
std::array<Half, 2> pair(const std::vector<Polygon>& p, std::size_t k, const Point& c, const Point& d) {
  const Point back{-d[0], -d[1]};
  const Half a = measure(p[k], c, d);
  if (a.far > 0) return {a, measure(p[k + 1], c, back)};
  return {measure(p[k + 1], c, d), measure(p[k], c, back)};
}

// Unit vector of an azimuth in degrees, clockwise from +y.
Point towards(double azimuth) {
  return {std::sin(azimuth * M_PI / 180), std::cos(azimuth * M_PI / 180)};
}

const double bar = 3.0 / 28, barb = 3.0 / 14;  // half-widths of the unit shapes

class StressSymbols : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
  // A window whose sub-plot 1 puts user (0, 0) at (10, 15) cm with
  // cmperunit centimetres per user unit, and the defaults of the symbols.
  void SetUp() override {
    iocom.lpause = false;
    scale(1.0f);
  }
  void scale(real cmperunit) {
    real x0 = 10, y0 = 15, xx = cmperunit, xy = 0, yx = 0, yy = cmperunit;
    sus2cm1(x0, y0, xx, xy, yx, yy, 1);
    real a = 0, b = 0;
    int e = 0, s = 0;
    smapsh2(a, b, e, s, 5);
    set(0);  // no marker: the symbols alone
    window.calls.clear();
    quiet = console.lines().size();
  }
  // Nothing printed since the set-up.
  bool silent() { return console.lines().size() == quiet; }
  void set(int isha, int iepia = 0) {
    real a = 0.4f, b = 0.13f;
    smapsh2(a, b, iepia, isha, 1);
  }

  // The polygons drawn since the last call, in user units.
  std::vector<Polygon> polygons() {
    const Vec2 o = plt1blk.us0tode[0];
    const Mat22 m = plt1blk.ustode[0];
    std::vector<Polygon> out;
    for (const std::string& line : window.calls) {
      std::istringstream in(line);
      std::string call;
      double xd = 0, yd = 0;
      in >> call >> xd >> yd;
      if (call == "moveto") out.emplace_back();
      if (call != "moveto" && call != "lineto") continue;
      // Solve the sub-plot's user-to-device map for the point.
      const double a = el(m, 1, 1), b = el(m, 1, 2), c = el(m, 2, 1), d = el(m, 2, 2);
      const double u = xd - static_cast<double>(o[0]), v = yd - static_cast<double>(o[1]), det = a * d - b * c;
      out.back().push_back({(d * u - b * v) / det, (a * v - c * u) / det});
    }
    window.calls.clear();
    return out;
  }

  // dmapsh2 on one epicentre.
  std::vector<Polygon> draw(Point c, double azimuth, int isv) {
    const std::array<real, 1> x{static_cast<real>(c[0])}, y{static_cast<real>(c[1])};
    const std::array<real, 1> az{rad(static_cast<real>(azimuth))};
    const std::array<int, 1> iv{isv};
    dmapsh2(x, y, az, iv, 1);
    return polygons();
  }

  ConsoleCapture console{};
  RecordedWindow window;
  std::size_t quiet = 0;
};

// Expects half h: n vertices, from near to far, first vertex at first,
// half-width.
void expecthalf(const Half& h, std::size_t n, double near, double far, double first,
                double halfwidth, const std::string& what) {
  const double tolerance = 2e-3;  // the log's 0.01 pixel
  EXPECT_EQ(h.vertices, n) << what;
  EXPECT_NEAR(h.near, near, tolerance) << what;
  EXPECT_NEAR(h.far, far, tolerance) << what;
  EXPECT_NEAR(h.first, first, tolerance) << what;
  EXPECT_NEAR(h.halfwidth, halfwidth, tolerance) << what;
}

// The pair p[k], p[k + 1] about c along the azimuth: arrows of length len
// from `from` to their tips at `to` (distances from c), or bars from near
// to far.
void expectarrows(const std::vector<Polygon>& p, std::size_t k, const Point& c, double azimuth,
                  double from, double to, double len, const std::string& what) {
  ASSERT_LT(k + 1, p.size()) << what;
  for (const Half& h : pair(p, k, c, towards(azimuth)))
    expecthalf(h, 7, std::min(from, to), std::max(from, to), to, barb * len, what);
}
void expectbars(const std::vector<Polygon>& p, std::size_t k, const Point& c, double azimuth,
                double near, double far, const std::string& what) {
  ASSERT_LT(k + 1, p.size()) << what;
  for (const Half& h : pair(p, k, c, towards(azimuth)))
    expecthalf(h, 4, near, far, near, bar * (far - near), what);
}

TEST_F(StressSymbols, ThrustWithTheDefaults) {
  // S3 vertical, SHmax north: arrows along y pointing at the epicentre,
  // bars along x. Full length 2 (5 cm x 0.4), gap 0.4.
  const Point c{1, 2};
  const auto p = draw(c, 0, 3);
  EXPECT_EQ(p.size(), 4u);
  expectarrows(p, 0, c, 0, 2.4, 0.4, 2, "SHmax");
  expectbars(p, 2, c, 90, 0.4, 2.4, "Shmin");
  EXPECT_TRUE(silent());
}

TEST_F(StressSymbols, EachRegimeHasItsShapes) {
  const Point c{-3, 0.5};
  // Normal faulting, S1 vertical: bars along SHmax (N30E), arrows pointing
  // away along Shmin (N120E).
  auto p = draw(c, 30, 1);
  EXPECT_EQ(p.size(), 4u);
  expectbars(p, 0, c, 30, 0.4, 2.4, "normal SHmax");
  expectarrows(p, 2, c, 120, 0.4, 2.4, 2, "normal Shmin");
  // Strike-slip, S2 vertical: arrows in along SHmax, out along Shmin.
  p = draw(c, 300, 2);
  EXPECT_EQ(p.size(), 4u);
  expectarrows(p, 0, c, 300, 2.4, 0.4, 2, "strike-slip SHmax");
  expectarrows(p, 2, c, 30, 0.4, 2.4, 2, "strike-slip Shmin");
  EXPECT_TRUE(silent());
}

TEST_F(StressSymbols, ShTypesChooseAndShrinkTheSymbols) {
  const Point c{0, 0};
  // -1: SHmax small (0.65 long, from 0.4), Shmin full.
  set(-1);
  auto p = draw(c, 0, 2);
  EXPECT_EQ(p.size(), 4u);
  expectarrows(p, 0, c, 0, 1.05, 0.4, 0.65, "small SHmax");
  expectarrows(p, 2, c, 90, 0.4, 2.4, 2, "full Shmin");
  // 1: Shmin small, its tail at the same gap of 0.4.
  set(1);
  p = draw(c, 0, 2);
  EXPECT_EQ(p.size(), 4u);
  expectarrows(p, 0, c, 0, 2.4, 0.4, 2, "full SHmax");
  expectarrows(p, 2, c, 90, 0.4, 1.05, 0.65, "small Shmin");
  set(1);
  p = draw(c, 0, 1);
  expectbars(p, 0, c, 0, 0.4, 2.4, "full SHmax bars");
  set(-1);
  p = draw(c, 0, 3);
  expectbars(p, 2, c, 90, 0.4, 2.4, "full Shmin bars");
  // 2 and -2: one pair only.
  set(2);
  p = draw(c, 0, 3);
  EXPECT_EQ(p.size(), 2u);
  expectarrows(p, 0, c, 0, 2.4, 0.4, 2, "SHmax only");
  set(-2);
  p = draw(c, 0, 3);
  EXPECT_EQ(p.size(), 2u);
  expectbars(p, 0, c, 90, 0.4, 2.4, "Shmin only");
}

TEST_F(StressSymbols, LengthsAreCentimetresOnThePage) {
  // 2 cm per user unit: the full length of 2 cm is 1 user unit.
  scale(2.0f);
  const Point c{0.5, -1};
  const auto p = draw(c, 45, 3);
  EXPECT_EQ(p.size(), 4u);
  expectarrows(p, 0, c, 45, 1.2, 0.2, 1, "SHmax");
  expectbars(p, 2, c, 135, 0.2, 1.2, "Shmin");
}

TEST_F(StressSymbols, AnUnknownVerticalAxisDrawsBarsWithAWarningPerPass) {
  const Point c{0, 0};
  auto p = draw(c, 0, 0);
  EXPECT_EQ(p.size(), 4u);
  expectbars(p, 0, c, 0, 0.4, 2.4, "SHmax");
  expectbars(p, 2, c, 90, 0.4, 2.4, "Shmin");
  std::vector<std::string> lines = console.lines();
  const std::vector<std::string> shmax{" data nb =    1", " isv     =    0", " isv outside [1,3]",
                                       " => will plot bars for Shmax"};
  EXPECT_NE(std::search(lines.begin(), lines.end(), shmax.begin(), shmax.end()), lines.end());
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " => will plot bars for Shmin"), 1);

  // Without Shmin symbols, no Shmin warning.
  set(2);
  p = draw(c, 0, 4);
  EXPECT_EQ(p.size(), 2u);
  lines = console.lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " => will plot bars for Shmax"), 2);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " => will plot bars for Shmin"), 1);
}

TEST_F(StressSymbols, MarkersFirstThenSHmaxThenShmin) {
  real size = 0.3f;
  int type = 5;
  ssymbolsize(size, 1);
  ssymboltype(type, 1);
  set(0, -1);  // a filled circle of the symbols' size, 0.4 cm across
  const std::array<real, 2> x{0, 5}, y{0, 1}, az{0, 0};
  const std::array<int, 2> isv{3, 1};
  dmapsh2(x, y, az, isv, 2);
  const auto p = polygons();
  ASSERT_EQ(p.size(), 10u);
  // The two markers, then the SHmax pairs, then the Shmin pairs.
  for (std::size_t k = 0; k < 2; ++k)
    for (const Point& v : p[k]) EXPECT_NEAR(std::hypot(v[0] - static_cast<double>(x[k]), v[1] - static_cast<double>(y[k])), 0.2, 2e-3) << k;
  const std::array<std::size_t, 8> vertices{7, 7, 4, 4, 4, 4, 7, 7};
  const std::array<double, 8> xcentre{0, 0, 5, 5, 0, 0, 5, 5};
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_EQ(p[k + 2].size(), vertices[k]) << k;
    double mean = 0;
    for (const Point& v : p[k + 2]) mean += v[0];
    EXPECT_NEAR(mean / static_cast<double>(p[k + 2].size()), xcentre[k], 2.5) << k;
  }
  // The plot's own marker is back in force.
  EXPECT_EQ(inforce(ssymbolsize), 0.3f);
  EXPECT_EQ(inforce(ssymboltype), 5);

  set(0, 0);  // no marker
  dmapsh2(x, y, az, isv, 2);
  EXPECT_EQ(polygons().size(), 8u);
}

// The box of the menu with the given values.
std::vector<std::string> menubox(const std::string& major, const std::string& minor,
                                 const std::string& type, const std::string& sh) {
  const std::string rule43 = " " + std::string(43, '-'), rule30 = " " + std::string(30, '-');
  return {" " + std::string(43, '@'),
          " @ subroutine smapsh2    ",
          " @" + std::string(42, '='),
          rule43,
          " Sh MAP PARAMETERS :",
          rule43,
          rule30,
          " Major size ................10 " + major,
          " Minor size ................20 " + minor,
          " Epicenter type ............30 " + type,
          " Sh type ...................40 " + sh,
          rule30,
          " EXIT ..........................99",
          " " + std::string(43, '@')};
}

class StressSymbolSettings : public testing::Test {
 protected:
  void SetUp() override {
    ConsoleCapture quiet;
    real a = 0, b = 0;
    int e = 0, s = 0;
    smapsh2(a, b, e, s, 5);
  }
};

TEST_F(StressSymbolSettings, InitialiseGetAndSet) {
  ConsoleCapture console;
  real a = 9, b = 9;
  int e = 9, s = 9;
  smapsh2(a, b, e, s, 5);
  EXPECT_EQ(std::tuple(a, b, e, s), std::tuple(0.4f, 0.13f, -1, 0));
  const std::vector<std::string> lines = console.lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), " INITIALIZING Sh MAP PARAMETERS");

  a = 1.5f, b = 0.5f, e = 7, s = 2;
  smapsh2(a, b, e, s, 1);
  real a2 = 0, b2 = 0;
  int e2 = 0, s2 = 0;
  smapsh2(a2, b2, e2, s2, 3);
  EXPECT_EQ(std::tuple(a2, b2, e2, s2), std::tuple(1.5f, 0.5f, 7, 2));
  EXPECT_EQ(mapshpar.isha, 2);
  EXPECT_EQ(console.lines().size(), lines.size());  // set and get say nothing
}

TEST_F(StressSymbolSettings, ValuesGivenAreCheckedAndReset) {
  Answers console;
  real a = 0, b = -1;
  int e = 123, s = 3;
  smapsh2(a, b, e, s, 1);
  // 0.2 is the reset value, not the default; any marker type is taken.
  EXPECT_EQ(std::tuple(a, b, e, s), std::tuple(0.4f, 0.2f, 123, 0));
  EXPECT_EQ(mapshpar.sizmina, 0.2f);
  const std::vector<std::string> lines = console.lines();
  for (const std::vector<std::string>& block :
       {std::vector<std::string>{" sizmaxa =      0.000", " ==> RESET TO:", " sizmaxa =      0.400"},
        std::vector<std::string>{" sizmina =     -1.000", " ==> RESET TO:", " sizmina =      0.200"},
        std::vector<std::string>{" isha =      3", " ==> RESET TO:", " isha =      0"}})
    EXPECT_NE(std::search(lines.begin(), lines.end(), block.begin(), block.end()), lines.end())
        << block[0];

  // Odd modes outside 0..5 check too, without a menu.
  s = -5;
  smapsh2(a, b, e, s, 7);
  EXPECT_EQ(s, 0);
}

TEST_F(StressSymbolSettings, MenuStoresAnswersUnchecked) {
  // 10: a size of 0 lies inside [0, 100]; 40: 3 is refused, then -1.
  Answers console("10\n0\n30\n-4\n40\n3\n-1\n99\n");
  real a = 0, b = 0;
  int e = 0, s = 0;
  smapsh2(a, b, e, s, 2);
  EXPECT_EQ(std::tuple(a, b, e, s), std::tuple(0.0f, 0.13f, -4, -1));
  EXPECT_EQ(mapshpar.sizmaxa, 0.0f);
  EXPECT_EQ(mapshpar.iepia, -4);
  const std::vector<std::string> lines = console.lines();
  const auto first = menubox("     0.400", "     0.130", "    -1", "     0");
  EXPECT_TRUE(std::equal(first.begin(), first.end(), lines.begin()));
  const std::string rule30 = " " + std::string(30, '-');
  const std::vector<std::string> types{rule30, " epicenter type:", " 0 => no plot", " else = symbol #",
                                       rule30};
  const std::vector<std::string> shtypes{rule30,
                                         " Sh type:",
                                         " -2 => Shmin only",
                                         " -1 => Shmin + Shmax small",
                                         " 0  => Shmin + Shmax",
                                         " +1 => Shmax + Shmin small",
                                         " +2 => Shmax only",
                                         rule30};
  EXPECT_NE(std::search(lines.begin(), lines.end(), types.begin(), types.end()), lines.end());
  EXPECT_NE(std::search(lines.begin(), lines.end(), shtypes.begin(), shtypes.end()), lines.end());
  const auto last = menubox("     0.000", "     0.130", "    -4", "    -1");
  EXPECT_NE(std::search(lines.begin(), lines.end(), last.begin(), last.end()), lines.end());

  // Mode 2 shows the stored size of 0 without a warning.
  ConsoleCapture again("99\n");
  smapsh2(a, b, e, s, 2);
  EXPECT_EQ(mapshpar.sizmaxa, 0.0f);
  const std::vector<std::string> shown = again.lines();
  EXPECT_TRUE(std::equal(last.begin(), last.end(), shown.begin()));
}

}  // namespace
