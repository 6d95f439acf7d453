#include "overlays/map_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "column_harness.h"
#include "map/projection_harness.h"
#include "plotlib/plot_harness.h"

namespace {

using Lines = std::vector<std::string>;

// The centre of a marker: the mean of its vertices (the path returns to
// the first), device pixels.
DrawPoint centre(const std::vector<DrawPoint>& path) {
  DrawPoint c{0.0f, 0.0f};
  for (std::size_t k = 1; k < path.size(); ++k) c.x += path[k].x, c.y += path[k].y;
  const real n = static_cast<real>(path.size() - 1);
  return {c.x / n, c.y / n};
}

real radius(const std::vector<DrawPoint>& path) {
  const DrawPoint c = centre(path);
  return std::hypot(path[0].x - c.x, path[0].y - c.y);
}

// Map points on a recorded window under the spherical Mercator projection
// without origin offsets: x = longitude, y = ln tan(pi/4 + latitude/2)
// (radians), 100 pixels a map unit.
class MapPoints : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { initialiseprojection(); }
  void SetUp() override {
    use(15);
    Answers quiet;
    w = std::make_unique<RecordedWindow>();
    plt1blk.ustode[0] = {100.0f, 0.0f, 0.0f, 100.0f};
    mappoint(lproj, 5);
  }
  Lines run(const std::string& answers) {
    InDataFolder here;
    Answers console(answers);
    lproj = true;
    w->calls.clear();
    mappoint(lproj, 0);
    return console.lines();
  }
  std::unique_ptr<RecordedWindow> w;
  bool lproj = true;
  const real pxpercm = 680.0f / 29.7f;
};

TEST_F(MapPoints, MenuShowsTheDefaultSettings) {
  const Lines lines = run("7\n99\n");
  EXPECT_EQ(
      from(lines, " MAPPING POINTS", 16),
      (Lines{" MAPPING POINTS", " " + std::string(43, '-'), " use projection .............13 T",
             " screen listing .............14 T", " line color .................51      1",
             " fill color .................52      1", " symbol type ................53     -5",
             " symbol size ................54    0.300", " X or longitude .............10    0.000",
             " Y or latitude ..............20    0.000", " " + std::string(43, '-'),
             " Plot single point (x,y ) ..100", " Plot set of point (file) ..200",
             " " + std::string(43, '-'), " RETURN TO MAIN .............99",
             " " + std::string(43, '@')}));
  // A code not in the menu shows it again.
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " MAPPING POINTS"), 2);
  EXPECT_TRUE(w->paths().empty());
}

TEST_F(MapPoints, ASinglePointIsProjectedDrawnAndListed) {
  const Lines lines = run("10\n10\n20\n45\n100\n99\n");
  const auto paths = w->paths();
  ASSERT_EQ(paths.size(), 1u);
  ASSERT_EQ(paths[0].size(), 6u);  // a pentagon, closed
  const DrawPoint c = centre(paths[0]);
  EXPECT_NEAR(c.x, 100.0 * 10.0 * M_PI / 180.0, 0.02);
  EXPECT_NEAR(c.y, 100.0 * std::log(std::tan(M_PI / 4 + 22.5 * M_PI / 180.0)), 0.02);
  EXPECT_NEAR(radius(paths[0]), 0.15f * pxpercm, 0.02);
  EXPECT_TRUE(contains(lines, " PROJECTING LOCATIONS"));
  EXPECT_EQ(
      from(lines, " Plotted coordinates:", 6),
      (Lines{" Plotted coordinates:", " " + std::string(22, '='), " | nb|X-long  |Y-lat   |",
             " | nb|        |        |", " |  1|   0.175|   0.881|", " " + std::string(22, '=')}));
}

TEST_F(MapPoints, PlotUnitsAreDrawnAsTypedAndTheAttributesRestored) {
  plt1blk.ustode[0] = {1.0f, 0.0f, 0.0f, 1.0f};
  plt2blk.ilinecolor = 3, plt2blk.ifillcolor = 2, plt2blk.isymbtype = 4, plt2blk.symbsize = 0.5f;
  const Lines lines = run("13\nn\n14\nn\n10\n100\n20\n200\n54\n0.6\n100\n99\n");
  EXPECT_FALSE(lproj);
  const auto paths = w->paths();
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_NEAR(centre(paths[0]).x, 100.0f, 0.02f);
  EXPECT_NEAR(centre(paths[0]).y, 200.0f, 0.02f);
  EXPECT_NEAR(radius(paths[0]), 0.3f * pxpercm, 0.02);
  EXPECT_EQ(from(lines, " NO PROJECTION", 2), (Lines{" NO PROJECTION", " X, Y = input "}));
  EXPECT_FALSE(contains(lines, " Plotted coordinates:"));
  EXPECT_EQ((std::array{plt2blk.ilinecolor, plt2blk.ifillcolor, plt2blk.isymbtype}),
            (std::array{3, 2, 4}));
  EXPECT_EQ(plt2blk.symbsize, 0.5f);
  // The point settings last to the next call.
  EXPECT_TRUE(contains(run("99\n"), " symbol size ................54    0.600"));
}

TEST_F(MapPoints, PointsOfAFileAreProjectedDrawnAndListed) {
  const Lines lines = run("200\nepicentres.dat\n99\n99\n\n99\n");
  const auto paths = w->paths();
  ASSERT_EQ(paths.size(), 4u);
  const DrawPoint c = centre(paths[2]);  // longitude -3, latitude 41.5
  EXPECT_NEAR(c.x, 100.0 * -3.0 * M_PI / 180.0, 0.02);
  EXPECT_NEAR(c.y, 100.0 * std::log(std::tan(M_PI / 4 + 20.75 * M_PI / 180.0)), 0.02);
  EXPECT_EQ(from(lines, " INPUT FILE HAS BEEN READ", 3),
            (Lines{" INPUT FILE HAS BEEN READ", " NB OF DATA =      4", " ====> GOING TO PLOT"}));
  EXPECT_EQ(
      from(lines, " | nb|X-long  |Y-lat   |", 3),
      (Lines{" | nb|X-long  |Y-lat   |", " | nb|lon     |lat     |", " |  1|   0.175|   0.881|"}));
}

TEST_F(MapPoints, PointsOfAFileInPlotUnits) {
  plt1blk.ustode[0] = {1.0f, 0.0f, 0.0f, 1.0f};
  const Lines lines = run("13\nn\n200\nepicentres.dat\n99\n99\n\n99\n");
  const auto paths = w->paths();
  ASSERT_EQ(paths.size(), 4u);
  EXPECT_NEAR(centre(paths[3]).x, 7.25f, 0.02f);
  EXPECT_NEAR(centre(paths[3]).y, 43.5f, 0.02f);
  EXPECT_TRUE(contains(lines, " |  4|   7.250|  43.500|"));
}

TEST_F(MapPoints, AFileThatIsNotReadDrawsNothing) {
  const Lines lines = run("200\nmalformed.dat\n99\n99\n\n99\n99\n");
  EXPECT_TRUE(w->paths().empty());
  EXPECT_EQ(from(lines, " INPUT FILE HAS NOT BEEN READ", 3),
            (Lines{" INPUT FILE HAS NOT BEEN READ", " ====> NO DATA", " ====> SKIPPING PLOT"}));
  EXPECT_FALSE(contains(lines, " PLOTTING LOCATION"));
}

}  // namespace
