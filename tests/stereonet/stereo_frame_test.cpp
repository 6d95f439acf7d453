// The stereonet frame: circle, diameters, ticks and labels where the
// projection puts North and East, the text attributes given back, and the
// frame, label and point-count menus answered line by line.
#include "stereonet/stereo_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "net_harness.h"
#include "platform/draw_log.h"
#include "plotlib/line_fill_text.h"

namespace {

constexpr real tolerance = 2e-4f;  // net units

using Lines = std::vector<std::string>;

void defaults() {
  ConsoleCapture quiet;
  srepstereo0(5);
}

// The text drawn and its device position, in the order drawn.
struct Drawn {
  std::string text;
  real x, y;
};
std::vector<Drawn> texts(const NetWindow& w) {
  std::vector<Drawn> out;
  for (const std::string& line : w.only("showtextat ")) {
    Drawn d{};
    char text[64] = {};
    std::sscanf(line.c_str(), "showtextat %f %f \"%63[^\"]", &d.x, &d.y, text);
    d.text = text;
    out.push_back(d);
  }
  return out;
}

}  // namespace

TEST(StereoFrame, DefaultFrameOnTheRetrogradeNet) {
  setprojection(4);
  defaults();
  ConsoleCapture console;
  NetWindow w;
  real height = 0.4f, angle = 15.0f;
  int just = 3;
  stextsize(height, 1);
  stextangle(angle, 1);
  stextalign(just, 1);
  w.calls.clear();
  repstereo();

  const auto paths = w.netpaths();
  ASSERT_EQ(paths.size(), 1u + 2u + 40u);
  ASSERT_EQ(paths[0].size(), 200u);
  for (const DrawPoint& p : paths[0]) EXPECT_NEAR(std::hypot(p.x, p.y), 1.0f, tolerance);
  EXPECT_LT(apart(paths[1][0], {-1.0f, 0.0f}), tolerance);
  EXPECT_LT(apart(paths[2][1], {0.0f, 1.0f}), tolerance);
  for (std::size_t k = 3; k < paths.size(); ++k) {  // ticks from 1.02 to 1.08
    ASSERT_EQ(paths[k].size(), 2u);
    EXPECT_NEAR(std::hypot(paths[k][0].x, paths[k][0].y), 1.02f, tolerance);
    EXPECT_NEAR(std::hypot(paths[k][1].x, paths[k][1].y), 1.08f, tolerance);
  }

  // North centred above the circle, East starting right of it, both at
  // angle 0; no corner label.
  const std::vector<Drawn> t = texts(w);
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].text, "North");
  EXPECT_NEAR(t[0].y, nety0 + 1.1f * netpixels, 0.01f);
  EXPECT_LT(t[0].x, netx0);
  EXPECT_EQ(t[1].text, "East");
  EXPECT_NEAR(t[1].x, netx0 + 1.1f * netpixels, 0.01f);
  EXPECT_TRUE(w.only("settextmatrix").empty());  // not turned

  EXPECT_EQ(inforce(stextangle), 15.0f);
  EXPECT_EQ(inforce(stextalign), 3);
}

TEST(StereoFrame, DirectNetCornerLabelsAndBareFrame) {
  setprojection(3);
  defaults();
  ConsoleCapture console;
  NetWindow w;
  int just = -1;
  stextalign(just, 1);
  stefram2.laxis = stefram2.ltics = false;
  stefram2.llabel[3] = true;  // lower right
  stefram2.label[3] = "Fifteen letters";
  stefram2.label[0] = "Nord           ";
  w.calls.clear();
  repstereo();
  EXPECT_EQ(w.netpaths().size(), 1u);  // the circle only
  const std::vector<Drawn> t = texts(w);
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0].text, "Nord");  // north to the right on a direct net
  EXPECT_NEAR(t[0].x, netx0 + 1.1f * netpixels, 0.01f);
  EXPECT_NEAR(t[1].y, nety0 + 1.1f * netpixels, 0.01f);  // east above
  EXPECT_EQ(t[2].text, "Fifteen le");
  EXPECT_NEAR(t[2].x, netx0 + 0.5f * netpixels, 0.01f);
}

TEST(StereoFrame, FrameMenuSetsFlagsCountAndLabels) {
  // Position 1's menu: index changed to 4 and a long text typed; then the
  // point count, the axes off.
  ConsoleCapture console("1\n1\n4\n2\nA label longer than fifteen\n\n10\n10\n77\n\n20\nn\n\n");
  srepstereo0(4);
  const Stefram2& f = stefram2;
  EXPECT_EQ(f.label[3], "A label longer ");
  EXPECT_TRUE(f.llabel[3]);  // position 1's flag went with the text
  EXPECT_EQ(f.label[0], "North          ");
  EXPECT_EQ(f.npfram, 77);
  EXPECT_FALSE(f.laxis);
  EXPECT_TRUE(f.ltics);
  const Lines lines = console.lines();
  for (const char* line :
       {" INITIALIZING STEREO FRAME", " X axis     :North          :T:..1",
        " Lower Right:A label longer :T:..4", " label position        : X axis     ",
        " label index...........1    4", " nb of points to draw ..........10      77",
        " nb of points to draw ..........10     200", " draw axis......................20 F"})
    EXPECT_GE(countof(lines, line), 1) << line;
}

TEST(StereoFrame, LabelSetterMendsBadIndexAndFlag) {
  defaults();
  Answers console("\n\n");
  std::string text = "Top";
  int idraw = 1, index = 9;
  srepstereolabel1(text, idraw, index, 1);  // position 6, as stored, with its menu
  EXPECT_EQ(index, 6);
  EXPECT_EQ(text, "Non");
  EXPECT_EQ(idraw, 0);
  idraw = 3;
  text = "Top";
  index = 5;
  srepstereolabel1(text, idraw, index, 1);
  EXPECT_EQ(idraw, 0);
  EXPECT_EQ(stefram2.label[4], "Top            ");
  EXPECT_FALSE(stefram2.llabel[4]);
  const Lines lines = console.lines();
  for (const char* line :
       {" label number =    9", " ==> label number reset to =    6", " draw or not (0/1) =    3",
        " ==>reset to =    0"})
    EXPECT_EQ(countof(lines, line), 1) << line;
  EXPECT_EQ(countof(lines, " STEREO FRAME LABELS"), 2);
}
