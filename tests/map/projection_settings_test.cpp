// The settings of the projection: the ellipsoid table, the constants
// derived from the parameters, the IMW construction, and the dialogues of
// the setters, the origin and the projection menu.
#include <algorithm>
#include <cmath>
#include <vector>

#include "dialogue/edit_descriptors.h"
#include "map/azimuthal.h"
#include "map/conic.h"
#include "map/map_origin.h"
#include "projection_harness.h"

namespace {

using Lines = std::vector<std::string>;

const std::string atrule = " " + std::string(43, '@');
const std::string rule = " " + std::string(43, '-');

Lines head(const std::string& name11) { return {atrule, " @ subroutine " + name11, " @" + std::string(42, '=')}; }
Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// The lines in order, not necessarily adjacent.
bool inorder(const Lines& lines, const Lines& wanted) {
  auto at = lines.begin();
  for (const std::string& w : wanted) {
    at = std::find(at, lines.end(), w);
    if (at == lines.end()) return false;
  }
  return true;
}

Lines confirmation(const std::string& title, int number, const std::string& a, const std::string& b) {
  return head("sellipsoid ") + Lines{" " + title, rule, "  Ellipsoid number  =   " + std::to_string(number),
                                     "  Equatorial radius =  " + a + " m", "  Polar      radius =  " + b + " m",
                                     atrule};
}

TEST_F(Projections, EllipsoidInitialisesToGrs80WithItsConstants) {
  ConsoleCapture console;
  int number = 7;
  sellipsoid(number, 5);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(console.lines(),
            (head("sellipsoid ") + Lines{" INITIALIZING ELLIPSOID", " Default ellipsoid = GRS80", " ellipsoid number  =   1"} +
             confirmation("GRS80 1980 ELLIPSOID", 1, "6378137.0", "6356752.5")));
  const Ellipsoid& e = ellipsoid;
  const double e2 = 1 - std::pow(6356752.5 / 6378137.0, 2);
  EXPECT_NEAR(e.ele2, e2, 2e-8);
  EXPECT_NEAR(e.ele2, 0.00669432, 1e-8);
  EXPECT_NEAR(e.ele, 0.0818188, 1e-7);
  EXPECT_NEAR(e.elep2, 0.00673944, 1e-8);
  EXPECT_NEAR(e.elm0, 0.998324, 1e-6);
  EXPECT_NEAR(e.elm2, -0.00251459, 1e-8);
  EXPECT_NEAR(e.elm4, 2.639e-6, 1e-9);
  EXPECT_NEAR(e.elm6, -3.418e-9, 1e-12);
  // The meridian distance: 45 and 90 degrees, odd in latitude.
  std::vector<real> m = {rad(45.0f), rad(90.0f), rad(-45.0f)};
  lat2disel(m, m, 3);
  EXPECT_NEAR(m[0], 0.781568, 1e-6);
  EXPECT_NEAR(m[1], 1.568164, 1e-6);
  EXPECT_EQ(m[2], -m[0]);
}

TEST_F(Projections, EllipsoidTableAndItsMenu) {
  // Every row: its radii and its whole title.
  const struct {
    std::string title, a, b;
  } rows[] = {{"GRS80 1980 ELLIPSOID", "6378137.0", "6356752.5"},
              {"IUGG 1967 ELLIPSOID ", "6378160.0", "6356775.0"},
              {"HAYFORD 1909 ELLIPSOID", "6378388.0", "6356912.0"},
              {"CLARKE 1880 ELLIPSOID", "6378249.0", "6356515.0"},
              {"CLARKE 1866 ELLIPSOID", "6378206.5", "6356584.0"},
              {"BESSEL 1841 ELLIPSOID", "6377397.0", "6356079.0"},
              {"EVEREST 1830 ELLIPSOID", "6377276.5", "6356075.5"},
              {"PLESSIS 1810 ELLIPSOID", "6376523.0", "6355863.0"},
              {"DELAMBRE 1810 ELLIPSOID", "6376985.0", "6356323.5"}};
  for (int k = 1; k <= 9; ++k) {
    ConsoleCapture console;
    int number = k;
    sellipsoid(number, 1);
    const auto& r = rows[k - 1];
    EXPECT_EQ(console.lines(), confirmation(r.title, k, r.a, r.b)) << k;
    EXPECT_EQ(ellipsoid.ela, std::stof(r.a)) << k;
  }
  {  // A number outside the table is reset to 1, without a menu.
    ConsoleCapture console("\n");
    int number = 12;
    sellipsoid(number, 1);
    EXPECT_EQ(number, 1);
    EXPECT_TRUE(inorder(console.lines(), {"  ellipsoid nb =  12", " ==> NO SUCH ELLIPSOID NB", " ==> RESETTING TO:",
                                          "  ellipsoid nb =   1", " GRS80 1980 ELLIPSOID"}));
    EXPECT_FALSE(contains(console.lines(), " SET AND EXIT .......................99"));
  }
  {  // The menu: 6 is shown as the number being set, 0 is refused, 99 sets.
    ConsoleCapture console("6\n0\n\n99\n");
    int number = 1;
    sellipsoid(number, 2);
    EXPECT_EQ(number, 6);
    const Lines lines = console.lines();
    EXPECT_TRUE(inorder(lines, {"  current ellipsoid number:   1", "  setting ellipsoid number:   1",
                                "  current ellipsoid number:   1", "  setting ellipsoid number:   6", " ANSWER =   0",
                                " NEITHER IN [1,9] NOR = 99", " ==> BACK TO MENU WITHOUT ACTION",
                                " BESSEL 1841 ELLIPSOID"}));
    EXPECT_EQ(ellipsoid.elb, 6356079.0f);
  }
}

TEST_F(Projections, DerivedConstantsOfTheConicsAndThePerspective) {
  use(3);
  EXPECT_NEAR(llpparam.cpp1, 0.715567, 1e-6);
  EXPECT_NEAR(llpparam.cpp2, 1.793026, 2e-6);
  use(4);
  EXPECT_NEAR(llpparam.cpp1, 0.715671, 1e-6);
  EXPECT_NEAR(llpparam.cpp2, 1.790074, 2e-6);
  use(19);
  EXPECT_NEAR(llpparam.cpp1, 0.5, 1e-7);
  EXPECT_NEAR(llpparam.cpp2, 0.866025, 1e-6);
  EXPECT_NEAR(llpparam.cpp3, 1.25, 1e-7);
  use(20, {.latp1 = 45});
  EXPECT_NEAR(llpparam.cpp1, 1.0, 1e-6);
  EXPECT_NEAR(llpparam.cpp2, 1.785398, 1e-6);
  use(11);
  EXPECT_FLOAT_EQ(llpparam.cpp1, 1);
  EXPECT_NEAR(llpparam.cpp2, 0, 1e-7);
}

TEST_F(Projections, ImwConstants) {
  use(14, {.latp1 = 40, .latp2 = 44});
  const ForImwPoly& f = forimwpoly;
  EXPECT_NEAR(f.r00[0], 1.193405, 2e-6);
  EXPECT_NEAR(f.r00[1], 1.037207, 2e-6);
  EXPECT_NEAR(f.dyp, 0.0696353, 1e-6);
  EXPECT_NEAR(f.mx0, 0.0429949, 1e-6);
  EXPECT_NEAR(f.mx1, -0.0233556, 1e-6);
  EXPECT_NEAR(f.my0, -0.693997, 2e-6);
  EXPECT_NEAR(f.my1, 0.999727, 2e-6);
  EXPECT_FLOAT_EQ(f.lat00[0], llpparam.latp1);
  // A parallel at the equator keeps the radius it had; one at the pole has
  // none.
  llpparam.latp1 = 0;
  llpparam.latp2 = rad(90.0f);
  simwpoly2();
  EXPECT_NEAR(f.r00[0], 1.193405, 2e-6);
  EXPECT_EQ(f.r00[1], 0);
  // The true-scale meridian on the central one: a straight vertical line
  // rising with the meridian distance.
  llpparam.latp1 = rad(30.0f);
  llpparam.latp2 = rad(60.0f);
  llpparam.longp2 = llpparam.longp1;
  simwpoly2();
  real m[2] = {llpparam.latp1, llpparam.latp2};
  lat2disel(m, m, 2);
  EXPECT_EQ(f.mx0, 0);
  EXPECT_EQ(f.mx1, 0);
  EXPECT_FLOAT_EQ(f.my1, 1);
  EXPECT_FLOAT_EQ(f.my0, -m[0]);
  EXPECT_FLOAT_EQ(f.dyp, m[1] - m[0]);
}

TEST_F(Projections, AngleSetterDialogues) {
  {
    ConsoleCapture console;
    real v = 0;
    slat2(v, 5);
    EXPECT_EQ(console.lines(),
              (head("slat2      ") + Lines{" INITIALIZING SECOND LATITUDE ", " second latitude =   60.000"}));
    EXPECT_EQ(llpparam.latp2, rad(60.0f));
  }
  {
    ConsoleCapture console;
    real v = 0;
    slat1(v, 3);
    EXPECT_FLOAT_EQ(v, 30);
    EXPECT_TRUE(console.text().empty());
  }
  {
    ConsoleCapture console("\n");
    real v = 12.5f;
    sangle1(v, 0);
    EXPECT_TRUE(inorder(console.lines(), {" CENTRAL ANGLE SET UP", " central angle .........1   12.500",
                                          " UPDATE & EXIT ........99"}));
    EXPECT_EQ(llpparam.angp, rad(12.5f));
  }
  {  // 1 asks the value; any other number shows the menu again.
    ConsoleCapture console("1\n120\n4\n99\n");
    real v = 0;
    slat1(v, 6);
    EXPECT_FLOAT_EQ(v, 120);
    EXPECT_EQ(llpparam.latp1, rad(120.0f));
    const Lines lines = console.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " FIRST LATITUDE SET UP"), 3);
  }
  {
    ConsoleCapture console;
    real v = -7;
    slong2(v, 7);
    EXPECT_EQ(llpparam.longp2, rad(-7.0f));
    EXPECT_TRUE(console.text().empty());
  }
}

TEST_F(Projections, OriginMenu) {
  ConsoleCapture console("1\n10\n5\n99\n");
  real lon = 0, lat = 0;
  sllorig(lon, lat, 2);
  const Lines lines = console.lines();
  EXPECT_TRUE(inorder(lines, {" MAP PROJECTION ORIGIN SET UP", " central longitude .....1    0.000",
                              " central latitude  .....2   45.000", " X offset ...............    0.000",
                              " Y offset ...............    0.881", " UPDATE & EXIT ........99",
                              " central longitude .....1   10.000", " X offset ...............    0.175"}));
  EXPECT_FLOAT_EQ(lon, 10);
  EXPECT_EQ(llorig.lonor, rad(10.0f));
  EXPECT_NEAR(at(10, 45).x, 0, 1e-7);
  EXPECT_NEAR(at(10, 45).y, 0, 1e-7);
}

TEST_F(Projections, ProjectionMenuInitialisesAndAppliesTheLastCodeChosen) {
  {
    ConsoleCapture console;
    int code = 0;
    sprojll2(code, 5);
    EXPECT_EQ(code, 15);
    const Lines lines = console.lines();
    EXPECT_TRUE(inorder(lines, head("sprojll2   ") + Lines{" INITIALIZING MAP PROJECTION", " (longitude, latitude) --> (x, y)",
                                                     " " + ed::pad("                     &&&", 43),
                                                     " " + ed::pad("/***********************************/", 43),
                                                     " Default projection  = Spherical Mercator",
                                                     " projection number =   15", " MAP PROJECTION ORIGIN SET UP",
                                                     " INITIALIZING FIRST LATITUDE ", " INITIALIZING ELLIPSOID",
                                                     " INITIALIZING CENTRAL LOCATION ", " MERCATOR SPHERICAL EARTH"}));
    EXPECT_EQ(projtype.iproj, 15);
    EXPECT_NEAR(llorig.yoff, 0.881374, 1e-6);
  }
  {  // 7, then 3, then 99: only Lambert is applied, with its three angles.
    ConsoleCapture console("7\n3\n99\n\n\n\n\n");
    int code = 0;
    sprojll2(code, 2);
    EXPECT_EQ(code, 3);
    EXPECT_EQ(projtype.iproj, 3);
    const Lines lines = console.lines();
    EXPECT_TRUE(inorder(lines, {"  setting projection number:   15", "  setting projection number:    7",
                                "  setting projection number:    3", " LAMBERT CONFORMAL CONICAL SPHERICAL EARTH",
                                " CENTRAL LONGITUDE SET UP", " FIRST LATITUDE SET UP", " SECOND LATITUDE SET UP",
                                " MAP PROJECTION ORIGIN SET UP"}));
    EXPECT_FALSE(contains(lines, " CENTRAL ANGLE SET UP"));
    EXPECT_NEAR(llpparam.cpp1, 0.715567, 1e-6);
  }
  {  // Unknown answers are refused; with output level 2 off only the head
     // and the prompt remain.
    ConsoleCapture console("26\n\n-1\n\n99\n\n\n\n\n");
    iocom.lwito = {true, false, false};
    int code = 3;
    sprojll2(code, 0);
    const Lines lines = console.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " UNKNOWN ANSWER !"), 2);
    EXPECT_FALSE(contains(lines, "           EARTH MAP PROJECTIONS"));
    EXPECT_EQ(projtype.iproj, 3);
  }
  {  // Code 14 offers the central meridian plus 2 degrees as second meridian.
    ConsoleCapture console("14\n99\n\n1\n5\n99\n\n\n\n\n");
    int code = 0;
    sprojll2(code, 2);
    EXPECT_EQ(projtype.iproj, 14);
    EXPECT_TRUE(inorder(console.lines(), {" LALLEMAND POLYCONIC ELLIPSOIDAL EARTH",
                                          "   1 true scale meridien (+2°E of central)",
                                          " central longitude .....1    5.000", " central longitude .....1    7.000"}));
    EXPECT_EQ(llpparam.longp2, rad(7.0f));
  }
  {  // An odd mode with no code asks nothing: the reset to 15 is reported.
    ConsoleCapture console("\n");
    int code = 0;
    sprojll2(code, 1);
    EXPECT_EQ(code, 15);
    EXPECT_TRUE(inorder(console.lines(), {"  projection nb =    0", " ==> NO SUCH PROJECTION NB", " ==> RESETTING TO:",
                                          "  projection nb =   15", " MERCATOR SPHERICAL EARTH"}));
  }
}

TEST_F(Projections, LambertRefusesParallelsSymmetricAboutTheEquator) {
  // Parallels -30 and 30: refused with a warning and asked again; -30 and
  // 45 make a cone. The ellipsoidal code asks its ellipsoid first.
  for (int code : {3, 4}) {
    ConsoleCapture console(std::string(code == 4 ? "4\n99\n\n" : "3\n99\n") +
                           "\n1\n-30\n99\n1\n30\n99\n\n1\n45\n99\n\n");
    iocom.lpause = false;
    int iproj = 15;
    sprojll2(iproj, 2);
    EXPECT_EQ(projtype.iproj, code);
    const Lines lines = console.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " latp1 + latp2 = 0 ==> NO CONE"), 1) << code;
    EXPECT_TRUE(inorder(lines, {" second latitude ........1   30.000", " ==> WILL ASK THEM AGAIN",
                                " FIRST LATITUDE SET UP", " second latitude ........1   45.000",
                                " MAP PROJECTION ORIGIN SET UP"}))
        << code;
    EXPECT_EQ(llpparam.latp1, rad(-30.0f));
    EXPECT_EQ(llpparam.latp2, rad(45.0f));
    EXPECT_GT(std::fabs(llpparam.cpp1), 0.1f) << code;  // a cone: n of about 0.16
    EXPECT_GT(std::hypot(at(10, 20).x - at(0, 0).x, at(10, 20).y - at(0, 0).y), 0.1f) << code;
  }
}

}  // namespace
