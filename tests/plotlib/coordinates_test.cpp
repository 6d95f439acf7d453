#include "plotlib/coordinates.h"

#include <gtest/gtest.h>

#include <array>

#include "console_capture.h"
#include "plot_harness.h"
#include "plotlib/subplot_scaling.h"

namespace {

}  // namespace

TEST(PageMap, ScaleFollowsThePageSetUp) {
  windevsize = WindevSize{44, 224, 724, 1024, 2, 35.43307f};  // 800 pixels wide
  scm2de();
  EXPECT_EQ(plt1blk.cmscale, 800.0f / 29.7f);
  EXPECT_EQ(plt1blk.cmtode, (Mat22{800.0f / 29.7f, 0.0f, 0.0f, 800.0f / 29.7f}));
  for (int setup : {3, 4}) {
    windevsize.pagesetup = setup;
    scm2de();
    EXPECT_EQ(plt1blk.cmscale, 35.43307f);
  }
  windevsize.pagesetup = 8;
  scm2de();
  EXPECT_EQ(plt1blk.cmscale, 1.0f);
}

TEST(PointMaps, UserUnitsReachTheDeviceThroughThePage) {
  ConsoleCapture console;
  RecordedWindow w;
  // The identity user-to-centimetre map with offset 0: the user point
  // (1, 1) is (cmscale, cmscale) pixels.
  real x0 = 0.0f, y0 = 0.0f, xx = 1.0f, xy = 0.0f, yx = 0.0f, yy = 1.0f;
  sus2cm1(x0, y0, xx, xy, yx, yy, 1);
  std::array<real, 3> x{1.0f, 2.0f, 3.0f}, y{1.0f, 4.0f, 5.0f};
  us2de(x, y, x, y, 1);  // in place, one point only
  EXPECT_EQ(x, (std::array<real, 3>{plt1blk.cmscale, 2.0f, 3.0f}));
  EXPECT_EQ(y, (std::array<real, 3>{plt1blk.cmscale, 4.0f, 5.0f}));
  us2de(x, y, x, y, 0);
  EXPECT_EQ(x[0], plt1blk.cmscale);

  // A turned and shifted map and its inverse: page centimetres back to the
  // user point within single-precision rounding.
  real xcm0 = 3.5f, ycm0 = 7.25f;
  xx = 0.8f, xy = -0.6f, yx = 0.6f, yy = 0.8f;
  sus2cm1(xcm0, ycm0, xx, xy, yx, yy, 1);
  const std::array<real, 2> ux{-4.25f, 12.5f}, uy{3.0f, -0.125f};
  std::array<real, 2> cx{}, cy{}, backx{}, backy{};
  for (std::size_t i = 0; i < 2; ++i) {
    cx[i] = xcm0 + xx * ux[i] + xy * uy[i];
    cy[i] = ycm0 + yx * ux[i] + yy * uy[i];
  }
  cm2us(backx, backy, cx, cy, 2);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(backx[i], ux[i], 1e-5f);
    EXPECT_NEAR(backy[i], uy[i], 1e-5f);
  }
  // The page map ignores the sub-plot.
  std::array<real, 1> px{10.5f}, py{28.0f};
  cm2de(px, py, px, py, 1);
  EXPECT_EQ(px[0], 10.5f * plt1blk.cmscale);
  EXPECT_EQ(py[0], 28.0f * plt1blk.cmscale);
}

TEST(Matrices, ProductsAndInverseMayOverwriteAnOperand) {
  Mat22 a{1.0f, 3.0f, 2.0f, 4.0f};  // rows (1 2) (3 4)
  const Mat22 b{5.0f, 7.0f, 6.0f, 8.0f};  // rows (5 6) (7 8)
  m22x22(a, a, b);
  EXPECT_EQ(a, (Mat22{19.0f, 43.0f, 22.0f, 50.0f}));
  Vec2 v{1.0f, -1.0f};
  m22x21(v, b, v);
  EXPECT_EQ(v, (Vec2{-1.0f, -1.0f}));
  Mat22 m{2.0f, 0.0f, 1.0f, 4.0f};  // rows (2 1) (0 4)
  ConsoleCapture console;
  ASSERT_TRUE(minv2d(m, m));
  EXPECT_EQ(m, (Mat22{0.5f, 0.0f, -0.125f, 0.25f}));
  EXPECT_TRUE(console.lines().empty());
}

TEST(Matrices, ASingularMapStopsOrKeepsThePreviousInverse) {
  ConsoleCapture console("n\n");  // do not stop
  RecordedWindow w;
  real x0 = 1.0f, y0 = 2.0f, xx = 2.0f, xy = 0.0f, yx = 0.0f, yy = 0.5f;
  sus2cm1(x0, y0, xx, xy, yx, yy, 1);
  const Mat22 inverse = plt1blk.cmtous[0];
  const Vec2 offset = plt1blk.cm0tous[0];
  EXPECT_EQ(inverse, (Mat22{0.5f, 0.0f, 0.0f, 2.0f}));
  xx = 2.0f, xy = 4.0f, yx = 1.0f, yy = 2.0f;  // xx yy = xy yx
  sus2cm1(x0, y0, xx, xy, yx, yy, 1);
  const std::vector<std::string> lines = console.lines();
  EXPECT_TRUE(contains(lines, " => Cannot Invert B"));
  EXPECT_TRUE(contains(lines, " det(B) =       0.000E+00"));
  EXPECT_TRUE(contains(lines, " b(1,1) =        2.00     b(1,2) =        4.00    "));
  EXPECT_EQ(plt1blk.cmtous[0], inverse);
  EXPECT_EQ(plt1blk.cm0tous[0], offset);
  EXPECT_EQ(plt1blk.ustode[0], (Mat22{2.0f * plt1blk.cmscale, 1.0f * plt1blk.cmscale,
                                      4.0f * plt1blk.cmscale, 2.0f * plt1blk.cmscale}));
}

TEST(Matrices, ASingularMapStopsTheRunWhenTheUserSaysSo) {
  EXPECT_EXIT(
      {
        consoletostderr("\n");  // the default: stop
        Mat22 a{};
        minv2d(a, Mat22{1.0f, 2.0f, 2.0f, 4.0f});
      },
      ::testing::ExitedWithCode(1), "Cannot Invert B");
}

TEST(SubPlots, SelectionByMode) {
  ConsoleCapture console;
  plt1blk = Plt1Blk{};
  int isub = 5;
  ssubplot(isub, 1);
  EXPECT_EQ(plt1blk.isub, 5);
  EXPECT_TRUE(console.lines().empty());
  isub = 0;
  ssubplot(isub, 3);  // returns the current number, silently
  EXPECT_EQ(isub, 5);
  EXPECT_TRUE(console.lines().empty());
  isub = 7;
  ssubplot(isub, 6);  // 6 selects sub-plot 1, not 7
  EXPECT_EQ(isub, 1);
  EXPECT_EQ(plt1blk.isub, 1);
  const std::vector<std::string> lines = console.lines();
  EXPECT_EQ(lines[3], " INITIALISING SUBPLOT =  1");
  EXPECT_TRUE(contains(lines, " |last used .......  5"));
  EXPECT_TRUE(contains(lines, " |number ..........  1"));
  EXPECT_TRUE(contains(lines, " |name ............                     "));
  isub = 12;
  ssubplot(isub, 2);  // returns the current number and shows the box
  EXPECT_EQ(isub, 1);
  EXPECT_TRUE(contains(console.lines(), " |      SWITCHING TO SUBPLOT:         "));
}

TEST(SubPlots, ANumberOutOfRangeGoesOnWithSubPlotOne) {
  ConsoleCapture console("n\n\n");  // do not stop, then the pause
  plt1blk = Plt1Blk{};
  plt1blk.isub = 4;
  int isub = 36;
  ssubplot(isub, 0);  // the box shows no title for 36
  EXPECT_EQ(isub, 1);
  EXPECT_EQ(plt1blk.isub, 1);
  const std::vector<std::string> lines = console.lines();
  EXPECT_TRUE(contains(lines, " |number .......... 36"));
  EXPECT_TRUE(contains(lines, " subplot nb. = 36"));
  EXPECT_TRUE(contains(lines, " INITIALISING SUBPLOT =  1"));
  EXPECT_TRUE(contains(lines, " |number ..........  1"));
  EXPECT_EQ(countof(lines, " |name ............                     "), 2);
}
