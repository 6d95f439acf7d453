// The bar and arrow shapes and the plane transforms that place them.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "map/plane_shapes.h"

namespace {

class PlaneShapes : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

using Points = std::array<real, 7>;

TEST_F(PlaneShapes, BarAndArrowVertices) {
  ConsoleCapture console;
  Points x{}, y{};
  int n = 0;
  rectangle1(x, y, n, 4);
  EXPECT_EQ(n, 4);
  const real w = 0.10714286f;  // 3/28
  EXPECT_EQ(x, (Points{0, 1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(y, (Points{-w, -w, w, w, 0, 0, 0}));

  arrow2d(x, y, n, 7);
  EXPECT_EQ(n, 7);
  EXPECT_EQ(x, (Points{0, 0.42857143f, 0.35714287f, 1, 1, 0.35714287f, 0.42857143f}));
  EXPECT_EQ(y, (Points{0, 0.21428572f, 0.071428575f, w, -w, -0.071428575f, -0.21428572f}));
  EXPECT_TRUE(console.lines().empty());
}

TEST_F(PlaneShapes, TooSmallACapacityIsReportedAndNothingIsWritten) {
  ConsoleCapture console("n\n\nn\n\n");  // go on after each error, and its pause
  std::array<real, 3> x{9, 9, 9}, y{9, 9, 9};
  int n = 0;
  rectangle1(x, y, n, 3);
  EXPECT_EQ(n, 4);
  arrow2d(x, y, n, 3);
  EXPECT_EQ(n, 7);
  EXPECT_EQ(x, (std::array<real, 3>{9, 9, 9}));
  EXPECT_EQ(y, (std::array<real, 3>{9, 9, 9}));
  const std::string text = console.text();
  EXPECT_NE(text.find(" plot array dimension = 4 > max = 3"), std::string::npos);
  EXPECT_NE(text.find(" plot array dimension = 7 > max = 3"), std::string::npos);
  EXPECT_NE(text.find(" subroutine: rectangle1"), std::string::npos);
  EXPECT_NE(text.find(" subroutine: arrow2d"), std::string::npos);
}

TEST_F(PlaneShapes, RotationsTurnCounterClockwiseAboutTheirCentre) {
  Mat22 m;
  matrot2drad(m, anglerad.pio2 / 3);  // 30 degrees, column by column
  EXPECT_FLOAT_EQ(m[0], std::sqrt(3.0f) / 2);
  EXPECT_FLOAT_EQ(m[1], 0.5f);
  EXPECT_FLOAT_EQ(m[2], -0.5f);
  EXPECT_FLOAT_EQ(m[3], std::sqrt(3.0f) / 2);

  std::array<real, 1> xo{}, yo{};
  rot2daff(xo, yo, std::array<real, 1>{1}, std::array<real, 1>{0}, 1, 0, 0, anglerad.pio2);
  EXPECT_NEAR(xo[0], 0, 1e-7);
  EXPECT_NEAR(yo[0], 1, 1e-7);
  rot2daff(xo, yo, std::array<real, 1>{3}, std::array<real, 1>{3}, 1, 2, 3, anglerad.pi);
  EXPECT_NEAR(xo[0], 1, 1e-6);
  EXPECT_NEAR(yo[0], 3, 1e-6);
  // Distances to the centre are kept, the centre stays put.
  const std::array<real, 3> xi{5, -1, 2}, yi{-2, 4, 3};
  std::array<real, 3> xr{}, yr{};
  rot2daff(xr, yr, xi, yi, 3, 2, 3, 1.0f);
  for (std::size_t k = 0; k < 3; ++k)
    EXPECT_NEAR(std::hypot(xr[k] - 2, yr[k] - 3), std::hypot(xi[k] - 2, yi[k] - 3), 1e-5);
  EXPECT_NEAR(xr[2], 2, 1e-6);
  EXPECT_NEAR(yr[2], 3, 1e-6);
}

TEST_F(PlaneShapes, TransformsInPlaceEqualTransformsIntoOtherArrays) {
  const std::array<real, 4> x0{1.5f, -2, 0.25f, 7}, y0{3, 0.5f, -4, 1};
  auto both = [&](auto transform) {
    std::array<real, 4> xo{}, yo{}, x = x0, y = y0;
    transform(xo, yo, x0, y0);
    transform(x, y, x, y);
    EXPECT_EQ(x, xo);
    EXPECT_EQ(y, yo);
    return std::make_pair(xo, yo);
  };
  both([](auto& xo, auto& yo, const auto& xi, const auto& yi) { rot2daff(xo, yo, xi, yi, 4, 1, -2, 0.7f); });
  const auto moved =
      both([](auto& xo, auto& yo, const auto& xi, const auto& yi) { transl2d1(xo, yo, xi, yi, 4, 2, -1); });
  EXPECT_EQ(moved.first, (std::array<real, 4>{3.5f, 0, 2.25f, 9}));
  EXPECT_EQ(moved.second, (std::array<real, 4>{2, -0.5f, -5, 0}));
  const auto reflected =
      both([](auto& xo, auto& yo, const auto& xi, const auto& yi) { homot02d1(xo, yo, xi, yi, 4, -2); });
  EXPECT_EQ(reflected.first, (std::array<real, 4>{-3, 4, -0.5f, -14}));
  EXPECT_EQ(reflected.second, (std::array<real, 4>{-6, -1, 8, -2}));
  const auto collapsed =
      both([](auto& xo, auto& yo, const auto& xi, const auto& yi) { homot02d1(xo, yo, xi, yi, 4, 0); });
  for (real v : collapsed.first) EXPECT_EQ(std::fabs(v), 0.0f);
}

TEST_F(PlaneShapes, AnEmptyListIsLeftUntouched) {
  const std::array<real, 2> xi{1, 2}, yi{3, 4};
  std::array<real, 2> xo{8, 8}, yo{8, 8};
  rot2daff(xo, yo, xi, yi, 0, 0, 0, 1);
  homot02d1(xo, yo, xi, yi, 0, 3);
  transl2d1(xo, yo, xi, yi, -1, 1, 1);
  EXPECT_EQ(xo, (std::array<real, 2>{8, 8}));
  EXPECT_EQ(yo, (std::array<real, 2>{8, 8}));
}

}  // namespace
