// Stereonet projections: radii of the equal-area and equal-angle nets, the
// orientation of direct and retrograde axes, projection in place, and the
// projection menu answered line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "stereonet/stereo_projections.h"

namespace {

using Lines = std::vector<std::string>;

class StereoProjections : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
    real dmax = 0.0f;
    sschmidt(dmax, 5);
    swulf(dmax, 5);
  }
  void SetUp() override { sprojtype.iproj = 4; }
};

struct Projected {
  real x, y;
};

// Direction (az, pl) through projection iproj, into separate arrays and in
// place (x stored over az, y over pl); both ways must agree.
Projected project(int iproj, real az, real pl) {
  sprojtype.iproj = iproj;
  std::array<real, 1> x{}, y{}, a{az}, p{pl};
  spron(x, y, a, p, 1);
  spron(a, p, a, p, 1);
  EXPECT_EQ(a[0], x[0]) << "in place, projection " << iproj;
  EXPECT_EQ(p[0], y[0]) << "in place, projection " << iproj;
  return {x[0], y[0]};
}

TEST_F(StereoProjections, RadiiAndAxesOfTheFourProjections) {
  const real pio2 = anglerad.pio2, pio4 = anglerad.pio4, pi = anglerad.pi;
  const real area = 0.5412f, angle = 0.4142f;  // sqrt 2 sin(pi/8), tan(pi/8)
  struct Case {
    const char* what;
    int iproj;
    real az, pl, x, y;
  };
  const Case cases[] = {
      {"Wulff direct, north 45", 1, 0, pio4, angle, 0},
      {"Wulff retrograde, north 45", 2, 0, pio4, 0, angle},
      {"Schmidt direct, north 45", 3, 0, pio4, area, 0},
      {"Schmidt retrograde, north 45", 4, 0, pio4, 0, area},
      {"Wulff direct, east 45", 1, pio2, pio4, 0, angle},
      {"Schmidt retrograde, east 45", 4, pio2, pio4, area, 0},
      {"Schmidt retrograde, north horizontal", 4, 0, 0, 0, 1},
      {"Schmidt retrograde, east horizontal", 4, pio2, 0, 1, 0},
      {"Schmidt direct, east horizontal", 3, pio2, 0, 0, 1},
      {"Wulff retrograde, north horizontal", 2, 0, 0, 0, 1},
      {"Wulff direct, vertical", 1, 1.0f, pio2, 0, 0},
      {"Schmidt retrograde, vertical", 4, -2.0f, pio2, 0, 0},
      // The upward vertical stops at the bound pi: radius sqrt 2.
      {"Schmidt direct, upward", 3, 0, -pio2, std::sqrt(2.0f), 0},
      // Beyond the downward vertical the radius turns negative.
      {"Schmidt direct, past the vertical", 3, 0, pio2 + pio4, -area, 0},
      {"Wulff retrograde, south 45", 2, pi, pio4, 0, -angle},
  };
  for (const Case& c : cases) {
    const Projected p = project(c.iproj, c.az, c.pl);
    EXPECT_NEAR(p.x, c.x, 5e-5f) << c.what;
    EXPECT_NEAR(p.y, c.y, 5e-5f) << c.what;
  }
}

TEST_F(StereoProjections, InPlaceReadsEachDirectionBeforeWritingIt) {
  const std::array<real, 3> az{0.3f, 1.7f, -2.5f}, pl{0.2f, 1.1f, 0.6f};
  for (int iproj = 1; iproj <= 4; ++iproj) {
    sprojtype.iproj = iproj;
    std::array<real, 3> x{}, y{}, a = az, p = pl;
    spron(x, y, az, pl, 3);
    spron(a, p, a, p, 3);
    EXPECT_EQ(a, x) << iproj;
    EXPECT_EQ(p, y) << iproj;
  }
}

TEST_F(StereoProjections, StartUpSetsSchmidtRetrograde) {
  ConsoleCapture console;
  sprojtype.iproj = 0;
  int iproj = 0;
  sspro(iproj, 5);
  EXPECT_EQ(iproj, 4);
  EXPECT_EQ(sprojtype.iproj, 4);
  EXPECT_EQ(schmidtparams.dmax, anglerad.pi);
  EXPECT_EQ(console.lines(), (Lines{" " + std::string(43, '@'), " @ subroutine sspro      ",
                                    " @" + std::string(42, '='),
                                    " INITIALIZING STEREOGRAPHIC PROJECTION",
                                    " projection number =    4",
                                    " projection = Schmidt, retrograde X,Y axis",
                                    " " + std::string(43, '@'), " @ subroutine sschmidt   ",
                                    " @" + std::string(42, '='), " INITIALIZING SCHMIDT PROJECTION",
                                    " Azimuthal Equal Area (Lambert,1772)"}));
}

// Each mode of the setter from a stored projection and a given number: the
// number returned and stored after, and lines printed on the way.
TEST_F(StereoProjections, SetterRefusesWhatIsNotAProjectionAndReturnsTheStoredOne) {
  struct Case {
    const char* what;
    const char* answers;
    int stored, given, mode, after;
    Lines shown;
  };
  const Case cases[] = {
      {"mode 0 offering 9: refused (error banner, pause), then 2", "\n\n2\n", 4, 9, 0, 2,
       {" STEREOGRAPHIC PROJECTION SET UP", " current projection number =    9",
        " /*****************************/     ", "    retrograde X,Y axis ............4",
        " inside  [1,4]", " INITIALIZING WULFF PROJECTION"}},
      {"mode 1 with 7: the error banner (pause), then the menu insists on 1..4", "\n3\n", 4, 7, 1,
       3, {" iproj =     7", " NO SUCH PROJECTION AVALAIBLE", " current projection number =    7"}},
      {"mode 3: the stored number, set up again", "", 1, 0, 3, 1,
       {" INITIALIZING WULFF PROJECTION"}},
  };
  for (const Case& c : cases) {
    ConsoleCapture console(c.answers);
    sprojtype.iproj = c.stored;
    int iproj = c.given;
    sspro(iproj, c.mode);
    EXPECT_EQ(iproj, c.after) << c.what;
    EXPECT_EQ(sprojtype.iproj, c.after) << c.what;
    EXPECT_EQ(missing(console.lines(), c.shown), Lines{}) << c.what;
  }
}

TEST_F(StereoProjections, ProjectingWithoutAProjectionAsksForOne) {
  ConsoleCapture console("\n1\n");
  sprojtype.iproj = 0;
  std::array<real, 1> x{}, y{}, az{0}, pl{anglerad.pio4};
  spron(x, y, az, pl, 1);
  EXPECT_EQ(sprojtype.iproj, 1);
  EXPECT_NEAR(x[0], 0.4142f, 5e-5f);
  const Lines lines = console.lines();
  EXPECT_TRUE(contains(lines, " ***        subroutine spron             ***"));
  EXPECT_TRUE(contains(lines, " iproj =      0"));
}

}  // namespace
