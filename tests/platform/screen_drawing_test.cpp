#include "platform/screen_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A closed square of the given side with its lower left corner at (x, y).
std::vector<Subpath> square(real x, real y, real side) {
  return {{{{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, true}};
}

Box box(double x, double y, double side) { return {x - 3.0, y - 3.0, x + side + 3.0, y + side + 3.0}; }

// The paints handed to draw, named by the x of their first point (texts
// by their text).
std::vector<std::string> shown(ScreenDrawing& d) {
  std::vector<std::string> names;
  d.show(400, 300, [&names](const ScreenDrawing::Item& item) {
    const std::vector<Subpath>& figures = item.fills.empty() ? item.outlines : item.fills;
    names.push_back(item.text ? item.utf8
                              : std::to_string(static_cast<int>(figures.front().points.front().x)));
  });
  return names;
}

}  // namespace

// A paint is left out only when later opaque fills cover every pixel it
// may paint; a translucent fill, an outline or a text hides nothing, and
// what shows keeps its order.
TEST(ScreenDrawing, LeavesOutOnlyWhatLaterOpaqueFillsHide) {
  ScreenDrawing d;
  DrawState opaque, translucent, outline;
  translucent.fill.alpha = 0.5f;
  d.paint(square(100, 100, 20), square(100, 100, 20), opaque, box(100, 100, 20));  // hidden
  d.paint({}, square(101, 200, 20), outline, box(101, 200, 20));  // under a translucent fill
  d.paint(square(140, 100, 20), {}, opaque, box(140, 100, 20));  // not wholly under
  d.text(10.0f, 10.0f, TextMatrix{1, 0, 0, 1, 0, 0}, "label", opaque);
  d.paint(square(50, 50, 100), square(50, 50, 100), opaque, box(50, 50, 100));
  d.paint(square(90, 190, 50), {}, translucent, box(90, 190, 50));
  d.paint({}, square(300, 100, 100), outline, box(300, 100, 100));
  EXPECT_EQ(shown(d), (std::vector<std::string>{"101", "140", "label", "50", "90", "300"}));
  EXPECT_TRUE(shown(d).empty());  // what was shown is forgotten

  // Kept, filled figures that are their outlines come back as both.
  d.paint(square(10, 10, 5), square(10, 10, 5), opaque, box(10, 10, 5));
  d.show(400, 300, [](const ScreenDrawing::Item& item) {
    ASSERT_EQ(item.fills.size(), 1u);
    ASSERT_EQ(item.outlines.size(), 1u);
    EXPECT_TRUE(item.outlines[0].closed);
    EXPECT_EQ(item.outlines[0].points.size(), 4u);
    EXPECT_EQ(item.fills[0].points[2].x, 15.0f);
  });
}
