// The catalogue map: the Si-Sh table checked against principal axes
// computed here from the slip and normal vectors of each nodal plane, the
// stress-axes listing, the overlays reached in their place, and the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/criteria.h"
#include "dialogue/file_table.h"
#include "map/catalogue_map.h"
#include "map/latlong_grid.h"
#include "map/overlay_hooks.h"
#include "plotlib/markers.h"
#include "plotlib/plot_harness.h"
#include "plotlib/subplot_scaling.h"
#include "projection_harness.h"

namespace {

using Lines = std::vector<std::string>;
using Vec = std::array<double, 3>;

constexpr double d2r = M_PI / 180;

// A few events with their nodal plane (degrees).
struct Events {
  std::vector<real> xd, yd, lon, lat, depth, strike, dip, rake;
  std::vector<FixedText<10>> date;
  std::vector<FixedText<5>> time;
  void add(real lo, real la, real de, real s, real d, real r, const char* day, const char* hour) {
    for (auto* v : {&xd, &yd}) v->push_back(7.0f);
    lon.push_back(lo), lat.push_back(la), depth.push_back(de);
    strike.push_back(s), dip.push_back(d), rake.push_back(r);
    date.emplace_back() = day;
    time.emplace_back() = hour;
  }
  int n() const { return static_cast<int>(lon.size()); }
};

Events sample() {
  Events e;
  e.add(10.0f, 45.0f, 10.0f, 0, 45, 90, "2001-02-03", "04:05");      // thrust
  e.add(12.5f, 44.0f, 7.5f, 0, 45, -90, "2001-02-04", "14:25");      // normal
  e.add(-3.0f, 41.5f, 12.0f, 0, 90, 0, "2001-03-01", "23:59");       // strike-slip
  e.add(-121.08f, 36.51f, 5.5f, 45, 45, 0, "1997-01-01", "02:24");   // oblique
  return e;
}

void mapevents(Events& e, bool lwsish, int inter) {
  mapseis4(e.xd, e.yd, e.lon, e.lat, e.depth, e.date, e.time, e.strike, e.dip, e.rake, e.n(),
           e.n(), 2, lwsish, 1, inter);
}

// The P, B and T axes of a nodal plane as lines (unit vectors north, east,
// down), from its normal n and slip d: P = n - d, T = n + d, B = n x d.
std::array<Vec, 3> pbt(double strike, double dip, double rake) {
  const double s = strike * d2r, d = dip * d2r, r = rake * d2r;
  const Vec n{-std::sin(d) * std::sin(s), std::sin(d) * std::cos(s), -std::cos(d)};
  const Vec u{std::cos(r) * std::cos(s) + std::sin(r) * std::cos(d) * std::sin(s),
              std::cos(r) * std::sin(s) - std::sin(r) * std::cos(d) * std::cos(s),
              -std::sin(r) * std::sin(d)};
  const double k = 1 / std::sqrt(2.0);
  return {Vec{k * (n[0] - u[0]), k * (n[1] - u[1]), k * (n[2] - u[2])},
          Vec{n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2], n[0] * u[1] - n[1] * u[0]},
          Vec{k * (n[0] + u[0]), k * (n[1] + u[1]), k * (n[2] + u[2])}};
}

Vec line(double azimuth, double plunge) {
  const double a = azimuth * d2r, p = plunge * d2r;
  return {std::cos(p) * std::cos(a), std::cos(p) * std::sin(a), std::sin(p)};
}

// Angle in degrees between two lines (0 .. 90).
double between(const Vec& u, const Vec& v) {
  const double c = std::fabs(u[0] * v[0] + u[1] * v[1] + u[2] * v[2]);
  return std::acos(std::min(c, 1.0)) / d2r;
}

// Trend in [0, 180) of the horizontal direction of a line.
double trend180(const Vec& v) {
  const double t = std::atan2(v[1], v[0]) / d2r;
  return std::fmod(t + 360.0, 180.0);
}

// A row of the Si-Sh table cut into its fields.
struct Row {
  std::string date, time;
  double lat, lon, depth, strike, dip, rake;
  std::array<double, 3> az, pl;
  int isv;
  double azshmax;
};

Row parse(const std::string& r) {
  EXPECT_EQ(r.size(), 109u) << r;
  auto num = [&](int from, int to) { return std::stod(r.substr(static_cast<std::size_t>(from - 1),
                                                                static_cast<std::size_t>(to - from + 1))); };
  Row row{r.substr(1, 10), r.substr(12, 10), num(23, 29), num(30, 37), num(38, 43), num(44, 49),
          num(50, 54), num(55, 60), {num(61, 67), num(74, 80), num(87, 93)},
          {num(68, 73), num(81, 86), num(94, 99)}, std::stoi(r.substr(100, 1)), num(102, 109)};
  return row;
}

// The vertical-axis index expected: the steepest of P, B, T.
int steepest(const std::array<Vec, 3>& axes) {
  int best = 0;
  for (int i = 1; i < 3; ++i)
    if (std::fabs(axes[static_cast<std::size_t>(i)][2]) > std::fabs(axes[static_cast<std::size_t>(best)][2]))
      best = i;
  return best + 1;
}

Lines readfile(const std::string& name) {
  std::ifstream in(name);
  Lines out;
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

long count(const Lines& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}
long position(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) - lines.begin();
}

// What the overlay entries were called with, as lines.
Lines overlaycalls;
void points(bool& lproj, int mode) {
  overlaycalls.push_back("points " + std::to_string(lproj) + " " + std::to_string(mode));
  wout(" points entry");
}
void linefiles(real& longmin, real& longmax, real& latmin, real& latmax, int mode) {
  overlaycalls.push_back("lines " + ed::f(longmin, 6, 1) + ed::f(longmax, 6, 1) +
                         ed::f(latmin, 6, 1) + ed::f(latmax, 6, 1) + " " + std::to_string(mode));
  wout(" line-files entry");
}

// The grid's bounds (degrees), with a spacing of 10 degrees and the
// other values of the start-up.
void gridbounds(real latmin, real latmax, real lonmin, real lonmax) {
  real inc = 10, ticsiz = 1;
  int npgrid = 3, nptick = 2, igridt = 1, ndecim = 1;
  sllgrid3(latmin, latmax, lonmin, lonmax, inc, inc, npgrid, ticsiz, nptick, igridt, ndecim, 1);
}

const std::string sishheader =
    "       Date       Time Latitu Longitu Depth Strik  Dip  Rake S1_azi S1_pl S2_azi S2_pl S3_azi S3_pl Sv AzSHmx";

class CatalogueMap : public testing::Test {
 protected:
  void SetUp() override {
    {
      ConsoleCapture quiet;
      trigoset();
      mapevents(events, false, 5);
    }
    overlaycalls.clear();
  }
  void TearDown() override {
    mapoverlays = MapOverlays{};
    closeunit(22);
    fiocom.iopou[1] = false;
  }
  // Opens the Si-Sh output slot on a file.
  void opensish(const std::string& name) {
    ASSERT_TRUE(openunit(22, name, OpenStatus::replace));
    fiocom.nfout = 2;
    fiocom.iopou[1] = true;
    fiocom.oufnam[1] = name;
  }
  // The console of a menu-mode call fed answers, the window open.
  Lines run(const std::string& answers, bool lwsish) {
    ConsoleCapture console(answers);
    RecordedWindow window;
    iocom.lpause = false;
    mapevents(events, lwsish, 0);
    drawn = window.calls;
    return console.lines();
  }

  ScratchDirectory dir;
  Events events = sample();
  Lines drawn;
};

TEST_F(CatalogueMap, SiShRowsAgreeWithAxesFromTheSlipAndNormal) {
  opensish("sish.txt");
  const Lines console = run("1000\n\n\n", true);
  const Lines table = readfile("sish.txt");
  ASSERT_EQ(table.size(), 5u);
  EXPECT_EQ(table[0], sishheader);
  // Thrust on a plane dipping east: P horizontal east-west, T vertical.
  EXPECT_EQ(table[1],
            " 2001-02-03      04:05  45.00   10.00  10.0    0.  45.   90.  -90.0   0.0   -0.0  -0.0    0.0  90.0 3    90.0");
  // SHmax: along P where P is horizontal, along B for the normal fault.
  const std::array<double, 4> shmax{90, 0, 135, -1};
  for (std::size_t k = 0; k < 4; ++k) {
    const Row row = parse(table[k + 1]);
    const std::string what = "event " + std::to_string(k + 1);
    EXPECT_EQ(row.date, events.date[k].view()) << what;
    EXPECT_EQ(row.time, "     " + std::string(events.time[k].view())) << what;
    EXPECT_NEAR(row.lat, events.lat[k], 0.005) << what;
    EXPECT_NEAR(row.lon, events.lon[k], 0.005) << what;
    EXPECT_NEAR(row.depth, events.depth[k], 0.05) << what;
    EXPECT_EQ(row.strike, events.strike[k]) << what;
    EXPECT_EQ(row.dip, events.dip[k]) << what;
    EXPECT_EQ(row.rake, events.rake[k]) << what;
    const auto axes = pbt(events.strike[k], events.dip[k], events.rake[k]);
    for (std::size_t i = 0; i < 3; ++i)
      EXPECT_LT(between(line(row.az[i], row.pl[i]), axes[i]), 0.1) << what << " axis " << i + 1;
    EXPECT_EQ(row.isv, steepest(axes)) << what;
    const double want = shmax[k] >= 0 ? shmax[k] : trend180(axes[0]);
    EXPECT_NEAR(row.azshmax, want, 0.06) << what;
    EXPECT_GE(row.azshmax, 0) << what;
    EXPECT_LT(row.azshmax, 180) << what;
  }
  // The oblique event: P trends N9.7E, and SHmax with it.
  EXPECT_NEAR(parse(table[4]).azshmax, 9.7, 0.051);
  // The listing: one block per event, no row while every isv is 1..3.
  const std::string header =
      " data nb|isv| azshmax| azim.S1|plung.S1| azim.S2|plung.S2| azim.S3|plung.S3";
  EXPECT_EQ(count(console, header), 4);
  const auto first = static_cast<std::size_t>(position(console, header));
  EXPECT_EQ(console[first + 1], " " + std::string(74, '-'));
  EXPECT_EQ(console[first + 2], " " + std::string(74, '-'));
  EXPECT_EQ(console[first + 3], header);
  // The epicentres are projected in place (spherical Mercator, origin on
  // the equator's meridian 0 at 45 N).
  const Plane p = at(10, 45), o = at(0, 45);
  EXPECT_NEAR(events.xd[0], p.x - o.x, 1e-5);
  EXPECT_NEAR(events.yd[0], p.y - o.y, 1e-5);
}

TEST_F(CatalogueMap, PlungeThresholdFlagsEveryEventInTheListing) {
  opensish("sish.txt");
  const Lines console = run("400\n91\n1000\n\n\n", true);
  long rows = 0;
  for (const std::string& l : console) rows += l.rfind("       1|", 0) == 0;
  EXPECT_EQ(rows, 4);
  // The listing gives SHmax in [0, 360), the table in [0, 180).
  EXPECT_EQ(count(console, "       1| -3|   270.0|   -90.0|     0.0|    -0.0|    -0.0|     0.0|    90.0"), 1);
  // The table shows the index without its sign.
  const Lines table = readfile("sish.txt");
  ASSERT_EQ(table.size(), 5u);
  for (std::size_t k = 1; k < 5; ++k) EXPECT_EQ(table[k].substr(99, 2), " " + std::to_string(parse(table[k]).isv));
  EXPECT_EQ(parse(table[1]).isv, 3);
  EXPECT_EQ(parse(table[2]).isv, 1);
}

TEST_F(CatalogueMap, SiShTableOnlyWhileSwitchedOnAndOpen) {
  // Switch on, slot closed: nothing written anywhere, the map drawn.
  run("1000\n\n\n", true);
  EXPECT_FALSE(drawn.empty());
  // Switch off, slot open: nothing written.
  opensish("sish.txt");
  run("1000\n\n\n", false);
  EXPECT_TRUE(readfile("sish.txt").empty());
  // Two runs of one call: a header for each, each followed by its rows.
  run("1000\n\n1000\n\n\n", true);
  const Lines table = readfile("sish.txt");
  ASSERT_EQ(table.size(), 10u);
  EXPECT_EQ(table[0], sishheader);
  EXPECT_EQ(table[5], sishheader);
  EXPECT_EQ(table[1], table[6]);
}

TEST_F(CatalogueMap, NoEventsGiveTheHeaderAlone) {
  opensish("sish.txt");
  Events none;
  {
    ConsoleCapture console("1000\n\n\n");
    RecordedWindow window;
    iocom.lpause = false;
    mapevents(none, true, 0);
    drawn = window.calls;
  }
  EXPECT_EQ(readfile("sish.txt"), Lines{sishheader});
  EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [](const std::string& l) {
    return l.find("\"Number of data: 0") != std::string::npos;
  }));
}

TEST_F(CatalogueMap, WriteFailureIsReportedOnceAndClosesTheFile) {
  opensish("/dev/full");
  const Lines console = run("1000\n\n\n", true);
  EXPECT_EQ(count(console, "   WHILE WRITING      0 th DATA"), 1);
  EXPECT_EQ(count(console, "   closing the file"), 1);
  EXPECT_FALSE(fiocom.iopou[1]);
  EXPECT_FALSE(unitopen(22));
  // The map is still drawn, every symbol included.
  EXPECT_EQ(count(console, " PLOTTING STRESS DIRECTIONS"), 1);
}

TEST_F(CatalogueMap, OverlaysRunInTheirPlace) {
  mapoverlays = MapOverlays{points, linefiles};
  {
    ConsoleCapture quiet;
    mapevents(events, false, 5);
  }
  // Both are initialised with the map's mode: the line files from the
  // projection's initialisation, the points after it.
  EXPECT_EQ(overlaycalls, (Lines{"lines    0.0   0.0   0.0   0.0 5", "points 1 5"}));
  overlaycalls.clear();
  gridbounds(30, 50, -10, 20);
  const Lines console = run("1000\n\n\n", false);
  // Points after the grid, before the epicentres; line files last, with
  // the grid's bounds as their box.
  EXPECT_EQ(overlaycalls, (Lines{"points 1 0", "lines  -10.0  20.0  30.0  50.0 1"}));
  const long grid = position(console, " PLOTTING LAT LONG GRID");
  const long located = position(console, " PLOTTING LOCATION");
  const long pts = position(console, " points entry");
  const long projected = position(console, " PROJECTING EPICENTERS");
  const long contours = position(console, " PLOTTING LAT LONG CONTOURS");
  const long lines = position(console, " line-files entry");
  EXPECT_LT(grid, located);
  EXPECT_LT(located, pts);
  EXPECT_LT(pts, projected);
  EXPECT_LT(projected, contours);
  EXPECT_LT(contours, lines);
  EXPECT_LT(lines, static_cast<long>(console.size()));

  // Their box is the grid as drawn: bounds beyond a pole or more than one
  // turn apart, slips of the keyboard, are not handed on as typed.
  overlaycalls.clear();
  gridbounds(30, 1e30f, -1e20f, -119);
  run("1000\n\n\n", false);
  EXPECT_EQ(overlaycalls.back(), "lines -479.0-119.0  30.0  90.0 1");
}

TEST_F(CatalogueMap, MenuDrivenByAnswerLines) {
  seistest2.latmin = 35, seistest2.latmax = 47, seistest2.lonmin = -5, seistest2.lonmax = 15;
  // Scale to grid, epicentres and stress symbols off, a threshold, the
  // grid from the extraction bounds, the help box, then a run.
  const Lines console = run("15\nn\n341\nn\n342\n0\n400\n12.5\n330\n900\n1000\n\n\n", false);
  EXPECT_EQ(count(console, " scale to fit grid ............15 F"), 7);
  EXPECT_EQ(count(console, " plunge threshold for isv ....400   12.500"), 4);
  EXPECT_EQ(count(console, " current nb of data =      4"), 8);
  EXPECT_EQ(count(console, " " + std::string(16, ' ') + "HELP DESK:" + std::string(17, ' ')), 1);
  real la0 = 0, la1 = 0, lo0 = 0, lo1 = 0, linc = 0, oinc = 0, tic = 0;
  int np = 0, nt = 0, type = 0, nd = 0;
  sllgrid3(la0, la1, lo0, lo1, linc, oinc, np, tic, nt, type, nd, 3);
  // The bounds come back through radians: equal to single precision.
  EXPECT_NEAR(la0, 35, 1e-5);
  EXPECT_NEAR(la1, 47, 1e-5);
  EXPECT_NEAR(lo0, -5, 1e-5);
  EXPECT_NEAR(lo1, 15, 1e-5);
  EXPECT_FLOAT_EQ(linc, 10);
  // Neither markers nor symbols: the epicentres are not even projected.
  EXPECT_EQ(count(console, " PROJECTING EPICENTERS"), 0);
  EXPECT_EQ(events.xd, std::vector<real>(4, 7.0f));
  EXPECT_EQ(count(console, " PLOTTING LAT LONG GRID"), 1);
  seistest2 = SeisTest2{};
}

TEST_F(CatalogueMap, ScaleToGridFitsThePageBox) {
  gridbounds(0, 60, 0, 10);
  run("1000\n\n\n", false);
  real x0 = 0, y0 = 0, xl = 0, yl = 0, xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  int iso = 0;
  sus2cm3(x0, y0, xl, yl, xmin, xmax, ymin, ymax, iso, 3);
  EXPECT_EQ((std::array{x0, y0, xl, yl}), (std::array<real, 4>{2, 2, 17, 26}));
  EXPECT_EQ(iso, 1);
  const Plane corner = at(10, 60), origin = at(0, 45);
  EXPECT_FLOAT_EQ(xmax, corner.x - origin.x);
  EXPECT_FLOAT_EQ(ymax, corner.y - origin.y);
  // A box of no extent keeps the scaling the window had, with a warning.
  gridbounds(0, 0, 0, 0);
  const Lines console = run("1000\n\n\n", false);
  EXPECT_EQ(count(console, " GRID BOX CANNOT BE SCALED"), 1);
  sus2cm3(x0, y0, xl, yl, xmin, xmax, ymin, ymax, iso, 3);
  EXPECT_EQ((std::array{xl, yl, xmax}), (std::array<real, 3>{0, 0, 0}));
}

TEST_F(CatalogueMap, MarkersInForceAreGivenBackAtTheExit) {
  ConsoleCapture console("1000\n\n\n");
  RecordedWindow window;
  iocom.lpause = false;
  real size = 0.7f;
  int type = 3;
  ssymbolsize(size, 1);
  ssymboltype(type, 1);
  mapevents(events, false, 0);
  EXPECT_FLOAT_EQ(inforce(ssymbolsize), 0.7f);
  EXPECT_EQ(inforce(ssymboltype), 3);
}

}  // namespace
