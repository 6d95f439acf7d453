#include "plotlib/subplot_scaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "console_capture.h"
#include "plot_harness.h"
#include "plotlib/coordinates.h"
#include "plotlib/user_drawing.h"
#include "plotlib/window_pages.h"

namespace {

// The limits form's arguments, with the map it stores in the current
// sub-plot.
struct Limits {
  real xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax;
  int isoxy;
  void set(int mode) { sus2cm3(xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, isoxy, mode); }
};

const Mat22& matrix() { return plt1blk.ustocm[subindex(plt1blk.isub)]; }
const Vec2& offset() { return plt1blk.us0tocm[subindex(plt1blk.isub)]; }

// The page point of a user point through the current sub-plot's map.
Vec2 tocm(real xu, real yu) {
  Vec2 p{xu, yu};
  m22x21(p, matrix(), p);
  return {p[0] + offset()[0], p[1] + offset()[1]};
}

class Scaling : public ::testing::Test {
 protected:
  void SetUp() override {
    plt1blk = Plt1Blk{};
    plt1blk.isub = 4;
  }
  ConsoleCapture console;
};

}  // namespace

TEST_F(Scaling, LimitsFormWorkedExamples) {
  // A user box twice as wide as high in a 17 x 26 cm page box with equal
  // scales: 17 cm across, 8.5 cm up from (2, 2).
  Limits map{2.0f, 2.0f, 17.0f, 26.0f, -100.0f, 100.0f, 0.0f, 100.0f, 1};
  map.set(1);
  EXPECT_EQ(matrix(), (Mat22{17.0f / 200.0f, 0.0f, 0.0f, 17.0f / 200.0f}));
  EXPECT_EQ(tocm(-100.0f, 0.0f), (Vec2{2.0f, 2.0f}));
  const Vec2 corner = tocm(100.0f, 100.0f);
  EXPECT_FLOAT_EQ(corner[0], 19.0f);
  EXPECT_FLOAT_EQ(corner[1], 10.5f);
  EXPECT_EQ(plt1blk.cmaxlength[3], (Vec2{17.0f, 26.0f}));  // the page lengths are kept

  // The default limits with free scales: 0.75 cm a unit both ways.
  Limits free{2.0f, 2.0f, 15.0f, 15.0f, -10.0f, 10.0f, -10.0f, 10.0f, 0};
  free.set(1);
  EXPECT_EQ(matrix(), (Mat22{0.75f, 0.0f, 0.0f, 0.75f}));
  EXPECT_EQ(tocm(-10.0f, -10.0f), (Vec2{2.0f, 2.0f}));
}

TEST_F(Scaling, ReversedLimitsKeepTheirSign) {
  Limits reversed{2.0f, 2.0f, 15.0f, 15.0f, 10.0f, -10.0f, -10.0f, 10.0f, 0};
  reversed.set(1);
  EXPECT_EQ(matrix(), (Mat22{-0.75f, 0.0f, 0.0f, 0.75f}));
  EXPECT_EQ(tocm(10.0f, -10.0f), (Vec2{2.0f, 2.0f}));
  // Equal scales: the replaced scale keeps its own sign.
  reversed.ylcm = 30.0f;
  reversed.isoxy = 1;
  reversed.set(1);
  EXPECT_EQ(matrix(), (Mat22{-0.75f, 0.0f, 0.0f, 0.75f}));
  reversed = Limits{2.0f, 2.0f, 30.0f, 15.0f, 10.0f, -10.0f, -10.0f, 10.0f, 1};
  reversed.set(1);
  EXPECT_EQ(matrix(), (Mat22{-0.75f, 0.0f, 0.0f, 0.75f}));
  // Any isoxy but 1 leaves both scales free.
  reversed.isoxy = 2;
  reversed.set(1);
  EXPECT_EQ(matrix(), (Mat22{-1.5f, 0.0f, 0.0f, 0.75f}));
}

TEST_F(Scaling, ModesLoadStoreAndDefaults) {
  Limits stored{1.0f, 2.0f, 3.0f, 4.0f, 0.0f, 6.0f, 0.0f, 8.0f, 0};
  stored.set(1);
  const Mat22 before = matrix();
  Limits got{};
  got.set(3);  // the stored limits, nothing changed
  EXPECT_EQ(got.xcm0, 1.0f);
  EXPECT_EQ(got.ylcm, 4.0f);
  EXPECT_EQ(got.yumax, 8.0f);
  EXPECT_EQ(got.isoxy, 0);
  EXPECT_EQ(matrix(), before);
  got.set(5);
  EXPECT_EQ(got.xumin, -10.0f);
  EXPECT_EQ(got.isoxy, 1);
  EXPECT_EQ(matrix(), (Mat22{0.75f, 0.0f, 0.0f, 0.75f}));

  // The matrix form: mode 5 is xcm = xu + 10, ycm = yu + 10; mode 3
  // returns what is stored.
  real x0 = 0.0f, y0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
  sus2cm1(x0, y0, xx, xy, yx, yy, 5);
  EXPECT_EQ(tocm(1.0f, 2.0f), (Vec2{11.0f, 12.0f}));
  real a = 5.0f, b = 6.0f, c = 7.0f, d = 8.0f, e = 9.0f, f = 10.0f;
  sus2cm1(a, b, c, d, e, f, 1);
  x0 = y0 = xx = xy = yx = yy = 0.0f;
  sus2cm1(x0, y0, xx, xy, yx, yy, 3);
  EXPECT_EQ((std::array<real, 6>{x0, y0, xx, xy, yx, yy}),
            (std::array<real, 6>{5.0f, 6.0f, 7.0f, 8.0f, 9.0f, 10.0f}));
  EXPECT_EQ(matrix(), (Mat22{7.0f, 9.0f, 8.0f, 10.0f}));
  EXPECT_TRUE(console.lines().empty());  // no setter prints a line
}

TEST_F(Scaling, DerivedMapsFollowOnlyWhileTheWindowIsOpen) {
  real x0 = 1.0f, y0 = 2.0f, xx = 2.0f, xy = 0.0f, yx = 0.0f, yy = 4.0f;
  sus2cm1(x0, y0, xx, xy, yx, yy, 1);  // closed: nothing derived
  EXPECT_EQ(plt1blk.ustode[3], Mat22{});
  EXPECT_EQ(plt1blk.cmtous[3], Mat22{});

  RecordedWindow w;
  plt1blk.isub = 4;
  plt1blk.ustode = {};
  sus2cm1(x0, y0, xx, xy, yx, yy, 7);  // every sub-plot: the default map
  const real s = plt1blk.cmscale;
  for (int k = 1; k <= maxsubplot; ++k)
    EXPECT_EQ(plt1blk.ustocm[subindex(k)], (Mat22{1.0f, 0.0f, 0.0f, 1.0f})) << k;
  EXPECT_EQ(plt1blk.ustode[3], (Mat22{s, 0.0f, 0.0f, s}));  // only the current one
  EXPECT_EQ(plt1blk.us0tode[3], (Vec2{10.0f * s, 10.0f * s}));
  EXPECT_EQ(plt1blk.cm0tous[3], (Vec2{-10.0f, -10.0f}));
  EXPECT_EQ(plt1blk.ustode[0], Mat22{});
  EXPECT_EQ(plt1blk.cmtous[0], Mat22{});
}

TEST_F(Scaling, TheDialoguesShowAndAlterTheValues) {
  {
    ConsoleCapture c("y\n1\n2\n3\n4\n5\n6\n");
    real x0 = 0.0f, y0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
    sus2cm1(x0, y0, xx, xy, yx, yy, 4);  // the defaults offered, then altered
    const std::vector<std::string> lines = c.lines();
    EXPECT_EQ(countof(lines, " |xcm|   |  1.000   0.000|   |xu|   | 10.000|"), 1);
    EXPECT_EQ(countof(lines, " |   | = |               | * |  | + |       |"), 1);
    EXPECT_EQ(countof(lines, " |ycm|   |  0.000   1.000|   |yu|   | 10.000|"), 1);
    EXPECT_EQ((std::array<real, 6>{x0, y0, xx, xy, yx, yy}),
              (std::array<real, 6>{1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f}));
    EXPECT_EQ(tocm(1.0f, 1.0f), (Vec2{8.0f, 13.0f}));
  }
  {
    ConsoleCapture c("\n");  // no: the values stay as offered
    Limits map{2.0f, 2.0f, 17.0f, 26.0f, -10.0f, 10.0f, -5.0f, 5.0f, 7};
    map.set(0);
    const std::vector<std::string> lines = c.lines();
    EXPECT_EQ(countof(lines, "    -10.000            10.000"), 1);
    EXPECT_EQ(countof(lines, "  xumin =   -10.000  yumin =    -5.000"), 1);
    EXPECT_EQ(countof(lines, "    _|_________________|_ | _ ycm0 =     2.000"), 1);
    EXPECT_EQ(countof(lines, " WARNING: ixy =         7  neither 0 nor 1"), 1);
    EXPECT_EQ(map.yumax, 5.0f);
    EXPECT_EQ(map.isoxy, 7);
    EXPECT_EQ(matrix(), (Mat22{17.0f / 20.0f, 0.0f, 0.0f, 2.6f}));
  }
}

TEST(ZeroWidthScaling, DrawsNothingAndBreaksNothing) {
  // Equal limits make an infinite scale; what is drawn through it must
  // leave the page blank and the files sound.
  ScratchDirectory dir;
  Answers console("\nzero width\n\n");
  plinitsmallscreen();
  Limits flat{2.0f, 2.0f, 15.0f, 15.0f, 3.0f, 3.0f, 3.0f, 3.0f, 0};
  flat.set(1);
  const std::array<real, 2> x{3.0f, 4.0f}, y{3.0f, 4.0f};
  usline(x, y, 2);
  uspolygon(x, y, 2);
  ustext2(4.0f, 4.0f, "text");
  plend();
  // Nothing was drawn: no snapshot.
  EXPECT_FALSE(std::filesystem::exists("zero_width.png"));
  EXPECT_TRUE(countof(console.lines(), " Plot files written: zero_width.pdf (1 page)") == 1);
}
