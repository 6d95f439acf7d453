#include "catalogue/criteria.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"

namespace {

using ::testing::Contains;
using ::testing::Not;

namespace fs = std::filesystem;

// The criteria at their defaults, set silently, with pauses off unless a
// test wants them.
class Criteria : public ::testing::Test {
 protected:
  void SetUp() override {
    ConsoleCapture quiet;
    trigoset();
    seistest2 = SeisTest2{};
    setseistest6(5);
  }
  // Runs the criteria menu on the given answer lines and returns the console.
  static std::vector<std::string> menu(const std::string& answers, int mode = 2) {
    Answers console(answers);
    setseistest6(mode);
    return console.lines();
  }
  static void setpolygon(std::vector<std::pair<real, real>> lonlat, bool greatcircle) {
    seistest2.npolyvert = static_cast<int>(lonlat.size());
    for (std::size_t k = 0; k < lonlat.size(); ++k) {
      seistest2.vrtxlong[k] = lonlat[k].first;
      seistest2.vrtxlat[k] = lonlat[k].second;
    }
    seistest2.lgreatcircle = greatcircle;
    int ierr = -1;
    ConsoleCapture quiet;
    spolygontst(ierr, 0);
    ASSERT_EQ(ierr, 0);
  }
  static long count(const std::vector<std::string>& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  }
};

// A polygon file in a folder of its own, removed with the fixture.
class PolygonFile : public Criteria {
 protected:
  fs::path dir = fs::temp_directory_path() / ("crit" + std::to_string(getpid()));
  void SetUp() override {
    Criteria::SetUp();
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string write(const std::string& name, const std::string& text) {
    fs::path p = dir / name;
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
    return p.string();
  }
};

void expectvec(const std::array<real, 3>& v, real x, real y, real z) {
  EXPECT_NEAR(v[0], x, 1e-6f);
  EXPECT_NEAR(v[1], y, 1e-6f);
  EXPECT_NEAR(v[2], z, 1e-6f);
}

TEST_F(Criteria, InitialisationSetsDefaultsAndGreatCircleTriangle) {
  ConsoleCapture console;
  seistest2.vrtxlong[3] = 12.5f;
  seistest2.ltestlat = true;
  seistest2.latmin = 3.0f;
  setseistest6(5);
  EXPECT_EQ(console.lines(),
            (std::vector<std::string>{" " + std::string(43, '@'), " @ subroutine setseistest",
                                      " @" + std::string(42, '='),
                                      " INITIALIZING EXTRACTION TESTS"}));
  const SeisTest2& t = seistest2;
  EXPECT_FALSE(t.ltestlat);
  EXPECT_EQ(t.npolyvert, 3);
  EXPECT_EQ(t.vrtxlong[3], 12.5f);  // vertices beyond the third keep their values
  expectvec(t.vrtx1[0], 1, 0, 0);
  expectvec(t.vrtx1[1], 0.5f, 0, 0.8660254f);
  expectvec(t.vrtx1[2], 0.5f, 0.8660254f, 0);
  expectvec(t.vnrm1[0], 0, -0.8660254f, 0);
  expectvec(t.vnrm1[1], -0.75f, 0.4330127f, 0.4330127f);
  expectvec(t.vnrm1[2], 0, 0, -0.8660254f);

  real b[6];
  gscseistest(b[0], b[1], b[2], b[3], b[4], b[5]);
  EXPECT_EQ(std::vector<real>(b, b + 6), (std::vector<real>{-90, 90, -180, 180, 0, 50}));
}

TEST_F(Criteria, MenuAtDefaultsHidesEveryConditionalBlock) {
  const auto lines = menu("99\n");
  EXPECT_THAT(lines, Contains(" general test switch ..........10 F"));
  EXPECT_THAT(lines, Contains(" test polygon ................250 F"));
  EXPECT_THAT(lines, Contains(" test Frohlich quality........600 F"));
  EXPECT_THAT(lines, Not(Contains(" read polygon from file ......252")));
  EXPECT_THAT(lines, Not(Contains(" moment free components min ..630      6")));
  // With no rake interval on, the only 32-dash rule is the one after the
  // general switch.
  EXPECT_EQ(count(lines, " " + std::string(32, '-')), 1);
}

TEST_F(Criteria, BoundsAreSetAndShown) {
  const auto lines = menu("100\ny\n110\n-10.5\n20\n300\n1\n310\n\n12\n99\n");
  const SeisTest2& t = seistest2;
  EXPECT_TRUE(t.ltestlat);
  EXPECT_EQ(t.latmin, -10.5f);
  EXPECT_EQ(t.latmax, 20.0f);
  EXPECT_EQ(t.depmin, 0.0f);  // Return keeps the current value
  EXPECT_EQ(t.depmax, 12.0f);
  EXPECT_THAT(lines, Contains(" latitude mini ...............110  -10.500"));
  EXPECT_THAT(lines, Contains(" depth maxi ..................310   12.000"));

  // Codes work while their block is hidden; bounds are taken as typed.
  menu("210\n50\n-50\n99\n");
  EXPECT_FALSE(t.ltestlon);
  EXPECT_EQ(t.lonmin, 50.0f);
  EXPECT_EQ(t.lonmax, -50.0f);

  seistest2.lextract = true;
  EXPECT_TRUE(seistestloc(-10.5f, 0, 12));  // bounds included
  EXPECT_FALSE(seistestloc(20.001f, 0, 12));
  EXPECT_FALSE(seistestloc(0, 0, 12.01f));
  EXPECT_TRUE(seistestloc(0, 170, 0));  // longitude test off
  seistest2.ltestlon = true;
  EXPECT_FALSE(seistestloc(0, 0, 0));  // reversed pair keeps nothing
  seistest2.lextract = false;
  EXPECT_TRUE(seistestloc(0, 0, 0));
}

TEST_F(Criteria, PolygonTypedAtTheMenu) {
  // A counter-clockwise box of four straight edges; 10 vertices is refused.
  const auto lines = menu(
      "250\ny\n251\nn\n253\n10\n4\n"
      "261\n-125\n30\n262\n-110\n30\n263\n-110\n50\n264\n-125\n50\n270\n99\n");
  const SeisTest2& t = seistest2;
  EXPECT_EQ(t.npolyvert, 4);
  EXPECT_FALSE(t.lgreatcircle);
  EXPECT_THAT(lines, Contains(" longitud latitude .......command"));
  EXPECT_THAT(lines, Contains(" -125.000   50.000 ...........264"));
  EXPECT_THAT(lines, Contains(" vertex number =      2"));
  EXPECT_THAT(lines, Contains(" lat-long polygon ............251 T"));
  EXPECT_THAT(lines, Contains(" number of vertices ..........253      4"));
  // The exit check recomputed the normals of the straight edges.
  expectvec(t.vnrm1[0], 0, 15, 0);
  expectvec(t.vnrm1[3], 20, 0, 0);
  seistest2.lextract = true;
  EXPECT_TRUE(seistestloc(40, -117, 0));
  EXPECT_FALSE(seistestloc(40, -130, 0));
}

TEST_F(Criteria, StraightAndGreatCircleSidesDifferNearTheArcs) {
  const std::vector<std::pair<real, real>> box{{-125, 30}, {-110, 30}, {-110, 50}, {-125, 50}};
  setpolygon(box, false);
  EXPECT_TRUE(seistestpoly(40, -117.5f));
  EXPECT_TRUE(seistestpoly(40, -110));      // on an edge
  EXPECT_TRUE(seistestpoly(50, -125));      // on a vertex
  EXPECT_FALSE(seistestpoly(40, -109.99f));
  EXPECT_FALSE(seistestpoly(50.1f, -117.5f));
  EXPECT_TRUE(seistestpoly(30.1f, -117.5f));

  // The great circle through two points of latitude 50 runs north of the
  // parallel between them (50.24 degrees half way), the one through two
  // points of latitude 30 north of that parallel too (30.21 degrees).
  setpolygon(box, true);
  EXPECT_TRUE(seistestpoly(40, -117.5f));
  EXPECT_TRUE(seistestpoly(50.1f, -117.5f));
  EXPECT_FALSE(seistestpoly(50.3f, -117.5f));
  EXPECT_FALSE(seistestpoly(30.1f, -117.5f));
  EXPECT_FALSE(seistestpoly(40, -109.9f));
}

TEST_F(Criteria, ClockwiseDefaultTriangleKeepsOnlyTheAntipodesOnGreatCircles) {
  const std::vector<std::pair<real, real>> triangle{{0, 0}, {0, 60}, {60, 0}};
  setpolygon(triangle, true);
  EXPECT_FALSE(seistestpoly(20, 20));
  EXPECT_TRUE(seistestpoly(-20, -160));
  setpolygon(triangle, false);
  EXPECT_FALSE(seistestpoly(20, 20));
  expectvec(seistest2.vnrm1[0], -60, 0, 0);
  expectvec(seistest2.vnrm1[1], 60, 60, 0);
  expectvec(seistest2.vnrm1[2], 0, -60, 0);
  // A polygon of no vertex keeps everything.
  seistest2.npolyvert = 0;
  EXPECT_TRUE(seistestpoly(20, 20));
}

TEST_F(Criteria, RakeIntervalsOnEitherOrBothPlanes) {
  menu("10\ny\n500\ny\n510\n-120\n-60\n540\ny\n550\n60\n120\n99\n");
  const SeisTest2& t = seistest2;
  ASSERT_TRUE(t.ltestrake[0] && t.ltestrake[2]);
  EXPECT_FALSE(t.lrakeboth);
  EXPECT_TRUE(seistestrake(-90, 10));    // plane 1 in interval 1
  EXPECT_TRUE(seistestrake(10, 120));    // plane 2 in interval 3, bound included
  EXPECT_FALSE(seistestrake(10, 0));

  const auto lines = menu("501\ny\n99\n");
  EXPECT_THAT(lines, Contains(" rake mini interval 3.........550   60.000"));
  EXPECT_THAT(lines, Contains(" test rake on both planes.....501 T"));
  EXPECT_TRUE(t.lrakeboth);
  EXPECT_TRUE(seistestrake(-90, 90));    // the planes may use different intervals
  EXPECT_FALSE(seistestrake(-90, 10));

  // Interval 1 off: no rake test at all, whatever intervals 2 and 3 say.
  menu("500\nn\n99\n");
  EXPECT_TRUE(seistestrake(10, 0));
}

TEST_F(Criteria, EdgeWithoutDirectionSendsTheUserBackToTheMenu) {
  // Vertex 2 made equal to vertex 1; leaving is refused until the polygon
  // test is switched off.
  const auto lines = menu("250\ny\n262\n0\n0\n99\n250\nn\n99\n");
  const std::vector<std::string> block{
      " Test great circle: T",
      " INCONSISTENT CONTOUR:",
      " Vertex # longitud latitude",
      "        1    0.000    0.000",
      "        2    0.000    0.000",
      " ||OV1 x OV2|| = 0",
      " V2 = V1 ?",
      " ==> TEST IS UNRELIABLE:",
      " ==> IT NEED BE REDONE",
      "     AFTER CONTOUR CORRECTION"};
  auto at = std::search(lines.begin(), lines.end(), block.begin(), block.end());
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(count(lines, " ||OV1 x OV2|| = 0"), 1);  // only edge 1 lacks a direction
  const std::vector<std::string> back{" NEED TO FIX POLYGON CONTOUR", "            OR",
                                      " DISABLE POLYGON SELECTION",
                                      " => BACK TO INTERACTIVE MENU"};
  EXPECT_NE(std::search(at, lines.end(), back.begin(), back.end()), lines.end());
  EXPECT_EQ(count(lines, " EXIT .........................99"), 5);
  EXPECT_FALSE(seistest2.ltestpoly);
}

TEST_F(Criteria, GreatCircleEdgeBetweenOppositeVerticesHasNoDirection) {
  // Rounding leaves the cross product of opposite points near 1e-7, not 0:
  // the edge is reported all the same. Vertices 0.001 degree apart still
  // give an edge.
  for (const auto& [lon, lat] : {std::pair{0.0f, 0.0f}, {12.34f, 45.67f}, {100.0f, -30.0f}}) {
    seistest2.npolyvert = 3;
    seistest2.lgreatcircle = true;
    seistest2.vrtxlong[0] = lon, seistest2.vrtxlat[0] = lat;
    seistest2.vrtxlong[1] = lon > 0 ? lon - 180.0f : lon + 180.0f, seistest2.vrtxlat[1] = -lat;
    seistest2.vrtxlong[2] = lon + 90.0f, seistest2.vrtxlat[2] = 0.0f;
    Answers console;
    int ierr = 0;
    spolygontst(ierr, 0);
    EXPECT_EQ(ierr, 10) << lon;
    EXPECT_EQ(count(console.lines(), " ||OV1 x OV2|| = 0"), 1) << lon;
  }
  setpolygon({{10.0f, 20.0f}, {10.001f, 20.0f}, {10.0f, 20.001f}}, true);
}

TEST_F(Criteria, StraightEdgeWithoutDirectionAndOddModes) {
  seistest2.ltestpoly = true;
  seistest2.lgreatcircle = false;
  seistest2.vrtxlong[2] = 0;
  seistest2.vrtxlat[2] = 60;  // vertex 3 equal to vertex 2
  // Under a command file the check only warns and returns.
  {
    Answers console;
    iocom.lcomfile = true;
    setseistest6(1);
    const auto lines = console.lines();
    EXPECT_THAT(lines, Contains(" ||V1V2|| = 0"));
    EXPECT_THAT(lines, Contains(" => PROCEEDING WITH COMMAND FILE"));
    EXPECT_THAT(lines, Not(Contains(" EXIT .........................99")));
  }
  expectvec(seistest2.vnrm1[1], 0, 0, 0);
  // At the keyboard an odd mode that fails the check shows the menu.
  const auto lines = menu("263\n60\n0\n99\n", 3);
  EXPECT_THAT(lines, Contains(" => BACK TO INTERACTIVE MENU"));
  EXPECT_EQ(count(lines, " EXIT .........................99"), 2);
  expectvec(seistest2.vnrm1[1], 60, 60, 0);
}

TEST_F(PolygonFile, ReadsVerticesAndSideType) {
  // Trailing values on line 1 and after a vertex are ignored; a line with
  // too few values goes on with the next, as a free-format read does.
  const std::string name =
      write("box.pol", "4 1 0 10.0\n-125.0 30.0 extra\n-110.0,30.0\n-110.0\n50.0\n-125.0 50.0\n");
  const auto lines = menu("250\ny\n252\n" + name + "\n99\n");
  const SeisTest2& t = seistest2;
  EXPECT_EQ(t.npolyvert, 4);
  EXPECT_TRUE(t.lgreatcircle);
  EXPECT_EQ(t.vrtxlong[2], -110.0f);
  EXPECT_EQ(t.vrtxlat[2], 50.0f);
  EXPECT_THAT(lines, Contains(" Polygon file " + name + " is closed"));
  EXPECT_THAT(lines, Contains(" Could read up to:      9 vertices"));
  EXPECT_THAT(lines, Contains(" Actually read   :      4 vertices"));
  EXPECT_THAT(lines, Contains(" -110.000   50.000 ...........263"));
  seistest2.lextract = true;
  EXPECT_TRUE(seistestloc(50.1f, -117.5f, 0));  // north of the parallel, under the arc
}

TEST_F(PolygonFile, EmptyValuesAndASlashKeepWhatWasThere) {
  // The side type after the slash, the latitude of vertex 1 and the
  // longitude of vertex 2 keep their values (great circles, the default
  // triangle).
  const std::string name = write("nulls.pol", "3 / sides as before\n10,,\n,20\n30 40 / end\n");
  menu("252\n" + name + "\n99\n");
  const SeisTest2& t = seistest2;
  EXPECT_EQ(t.npolyvert, 3);
  EXPECT_TRUE(t.lgreatcircle);
  EXPECT_EQ((std::array<real, 3>{t.vrtxlong[0], t.vrtxlong[1], t.vrtxlong[2]}),
            (std::array<real, 3>{10, 0, 30}));
  EXPECT_EQ((std::array<real, 3>{t.vrtxlat[0], t.vrtxlat[1], t.vrtxlat[2]}),
            (std::array<real, 3>{0, 20, 40}));
}

TEST_F(PolygonFile, TooManyVerticesAreCutToNine) {
  std::string text = "12, 2\n";
  for (int k = 1; k <= 12; ++k) text += std::to_string(k) + " " + std::to_string(-k) + "\n";
  const auto lines = menu("252\n" + write("many.pol", text) + "\n99\n");
  EXPECT_THAT(lines, Contains(" Read number of vertices =     12"));
  EXPECT_THAT(lines, Contains(" Max  number of vertices =      9"));
  EXPECT_THAT(lines, Contains(" Reset number of vertices =      9"));
  EXPECT_EQ(seistest2.npolyvert, 9);
  EXPECT_FALSE(seistest2.lgreatcircle);
  EXPECT_EQ(seistest2.vrtxlat[8], -9.0f);
}

TEST_F(PolygonFile, FailuresResetTheVertexCount) {
  const std::string shortfile = write("short.pol", "4 2\n1 1\n2 2\n3 3\n");
  auto lines = menu("252\n" + shortfile + "\n99\n");
  EXPECT_THAT(lines, Contains(" END OF FILE REACHED UNEXPECTEDLY"));
  EXPECT_THAT(lines, Contains(" => POLYGON INPUT FAILED"));
  EXPECT_THAT(lines, Contains(" RESETTING # vertices =      0"));
  EXPECT_THAT(lines, Contains(" Polygon file " + shortfile + " is closed"));
  EXPECT_EQ(seistest2.npolyvert, 0);
  EXPECT_FALSE(seistest2.lgreatcircle);
  EXPECT_EQ(seistest2.vrtxlat[2], 3.0f);  // vertices read before the failure stay

  lines = menu("252\n" + write("bad.pol", "3 1\n1 1\n2 2\nabc 3\n") + "\n99\n");
  EXPECT_THAT(lines, Contains(" Error while reading data # =      3"));
  EXPECT_THAT(lines, Contains(" => POLYGON INPUT FAILED"));

  lines = menu("252\n" + write("empty.pol", "") + "\n99\n");
  EXPECT_THAT(lines, Contains(" END OF FILE REACHED UNEXPECTEDLY"));
  EXPECT_TRUE(seistest2.lgreatcircle);  // line 1 was never read
}

TEST_F(PolygonFile, LongNameIsOpenedWholeAndShownInItsField) {
  const std::string name = write(std::string(40, 'd') + "/box.pol", "3 2\n0 0\n1 0\n0 1\n");
  ASSERT_GT(name.size(), 35u);
  const auto lines = menu("252\n" + name + "\n99\n");
  EXPECT_THAT(lines, Contains(" Actually read   :      3 vertices"));
  EXPECT_THAT(lines, Contains(" Polygon file " + name.substr(0, 35) + " is closed"));
}

TEST_F(Criteria, EndOfInputEndsTheRun) {
  EXPECT_EXIT(menu("250\n"), ::testing::ExitedWithCode(2), "");
}

}  // namespace
