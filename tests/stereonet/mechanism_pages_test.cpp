// The stereonet pages: pages of twenty nets with their captions, the axes
// of a known mechanism at their projected places, the stress-axes variant
// on one page, the kept settings changed through the menus, and the
// attributes given back at the exit.
#include "stereonet/mechanism_pages.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "catalogue/nodal_planes.h"
#include "dialogue/edit_descriptors.h"
#include "net_harness.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "plotlib/subplot_scaling.h"
#include "stereonet/stereo_frame.h"

namespace {

using Lines = std::vector<std::string>;

// Events whose plane 1 is given and plane 2 computed, degrees.
struct Events {
  explicit Events(int n, real strike = 30.0f, real dip = 60.0f, real rake = -120.0f) {
    for (int k = 1; k <= n; ++k) {
      real s2 = 0.0f, d2 = 0.0f, r2 = 0.0f;
      nodalpladrdeg(s2, d2, r2, strike, dip, rake);
      s1.push_back(strike), d1.push_back(dip), r1.push_back(rake);
      s2s.push_back(s2), d2s.push_back(d2), r2s.push_back(r2);
      EventLabel l{};
      l = "event " + std::to_string(k);
      labels.push_back(l);
    }
  }
  int n() const { return static_cast<int>(labels.size()); }
  void bchbll(int mode) {
    fpsbchbll(s1, d1, r1, s2s, d2s, r2s, labels, maxstored, n(), 3, 1, mode);
  }
  void seis3(int mode) { fpsseis3(s1, d1, r1, s2s, d2s, r2s, labels, maxstored, n(), 2, mode); }
  std::vector<real> s1, d1, r1, s2s, d2s, r2s;
  std::vector<EventLabel> labels;
};

class MechanismPages : public testing::Test {
 protected:
  void SetUp() override { setprojection(4); }
};

// The two plots as the program's start-up leaves them, in a window just
// opened (whose sub-plots are unscaled).
void startup() {
  Events none(0);
  none.bchbll(5);
  none.seis3(5);
}

// The drawn texts.
Lines texts(const RecordedWindow& w) {
  Lines out;
  for (const std::string& line : w.only("showtextat ")) out.push_back(line.substr(line.find('"')));
  return out;
}

// Trend and plunge (degrees) of the P (sign -1) or T (sign 1) axis of the
// plane, from its normal and slip vectors (north, east, down), in double.
std::array<double, 2> pressureortension(double strike, double dip, double rake, int sign) {
  const double t = std::acos(-1.0) / 180.0;
  const double f = strike * t, d = dip * t, l = rake * t;
  const double n[3] = {-std::sin(d) * std::sin(f), std::sin(d) * std::cos(f), -std::cos(d)};
  const double s[3] = {std::cos(l) * std::cos(f) + std::cos(d) * std::sin(l) * std::sin(f),
                       std::cos(l) * std::sin(f) - std::cos(d) * std::sin(l) * std::cos(f),
                       -std::sin(l) * std::sin(d)};
  double v[3];
  for (int i = 0; i < 3; ++i) v[i] = (n[i] + sign * s[i]) / std::sqrt(2.0);
  if (v[2] < 0.0)
    for (double& c : v) c = -c;
  return {std::atan2(v[1], v[0]) / t, std::asin(v[2]) / t};
}

// Device point of net point p of the net centred at (xcm, ycm), 1.5 cm per
// net unit.
DrawPoint ondevice(DrawPoint p, real xcm, real ycm) {
  const real s = plt1blk.cmscale;
  return {(xcm + 1.5f * p.x) * s, (ycm + 1.5f * p.y) * s};
}

// Whether a recorded figure (a path of few points) is centred on c.
bool markerat(const RecordedWindow& w, DrawPoint c) {
  for (const std::vector<DrawPoint>& path : w.paths()) {
    if (path.size() < 4 || path.size() > 21) continue;
    DrawPoint m{0.0f, 0.0f};
    const std::size_t n = path.size() - 1;  // the last point closes the figure
    for (std::size_t i = 0; i < n; ++i) m = {m.x + path[i].x, m.y + path[i].y};
    if (apart({m.x / static_cast<real>(n), m.y / static_cast<real>(n)}, c) < 0.02f) return true;
  }
  return false;
}

}  // namespace

TEST_F(MechanismPages, TwentyNetsToAPageWithCaptions) {
  Events ev(21);
  // Run, drawing over the page both times newpage asks; then leave.
  Answers console("1000\n2\n2\n\n");
  RecordedWindow w;
  startup();
  real size = 0.7f, height = 0.9f;
  int just = 3;
  ssymbolsize(size, 1);
  stextsize(height, 1);
  stextalign(just, 1);
  ev.bchbll(0);

  const Lines lines = console.lines();
  EXPECT_EQ(notonce(lines, {" PLOTTING " + ed::pad("Page 1/2", 35),
                            " " + ed::pad("Data 1 -> 20", 35),
                            " PLOTTING " + ed::pad("Page 2/2", 35),
                            " " + ed::pad("Data 21 -> 21", 35)}), Lines{});
  EXPECT_EQ(countof(lines, " angles in radians  : F"), 2);

  const Lines drawn = texts(w);
  EXPECT_EQ(countof(drawn, "\"event 1\""), 1);
  EXPECT_EQ(countof(drawn, "\"event 21\""), 1);
  EXPECT_EQ(countof(drawn, "\"North\""), 21);
  EXPECT_EQ(countof(drawn, "\"Page 2/2\""), 1);

  // The last net sits in the lower-left place of page 2.
  real xcm0 = 0, ycm0 = 0, xx = 0, xy = 0, yx = 0, yy = 0;
  int isub = 3;
  ssubplot(isub, 1);
  sus2cm1(xcm0, ycm0, xx, xy, yx, yy, 3);
  EXPECT_EQ(xcm0, 4.0f);
  EXPECT_EQ(ycm0, 4.0f);
  EXPECT_EQ(xx, 1.5f);

  // The attributes are given back at the exit.
  EXPECT_EQ(inforce(ssymbolsize), 0.7f);
  EXPECT_EQ(inforce(stextsize), 0.9f);
  EXPECT_EQ(inforce(stextalign), 3);
}

TEST_F(MechanismPages, AxesOfAKnownMechanismAtTheirProjectedPlaces) {
  Events ev(20);
  Answers console("1000\n2\n\n");
  RecordedWindow w;
  startup();
  ev.bchbll(0);
  // Net 1 at (4, 4) cm, net 20 (the last of the fourth column) at (17.5, 22).
  for (const auto& [xcm, ycm] : {std::pair{4.0f, 4.0f}, std::pair{17.5f, 22.0f}}) {
    for (int sign : {-1, 1}) {
      const auto [trend, plunge] = pressureortension(30.0, 60.0, -120.0, sign);
      EXPECT_TRUE(markerat(w, ondevice(netpoint(4, trend, plunge), xcm, ycm)))
          << (sign < 0 ? "P" : "T") << " of the net at " << xcm << ", " << ycm;
    }
    // Its frame: the circle of radius 1.5 cm about the centre.
    bool framed = false;
    for (const std::vector<DrawPoint>& path : w.paths())
      framed = framed || (path.size() == 200 && apart(path.front(), ondevice({1.0f, 0.0f}, xcm, ycm)) < 0.02f);
    EXPECT_TRUE(framed) << xcm << ", " << ycm;
  }
}

TEST_F(MechanismPages, NoEventsDrawNothing) {
  Events ev(0);
  Answers console("1000\n2\n\n");
  RecordedWindow w;
  startup();
  ev.bchbll(0);
  EXPECT_TRUE(w.paths().empty());
  const Lines lines = console.lines();
  EXPECT_EQ(countof(lines, " INITIALISING FILL STYLE TO: filled"), 1);
  for (const std::string& line : lines) EXPECT_EQ(line.find(" PLOTTING"), std::string::npos);
}

TEST_F(MechanismPages, StressAxesAllOnTheCurrentPage) {
  Events ev(7);
  Answers console("1000\n2\n\n");
  RecordedWindow w;
  startup();
  ev.seis3(0);
  const Lines lines = console.lines();
  EXPECT_EQ(countof(lines, " PLOTTING INFORMATION"), 1);
  EXPECT_EQ(countof(lines, " angles in radians  : F"), 0);
  EXPECT_EQ(countof(texts(w), "\"event 7\""), 1);
  // Net 7 is the second of the second column; the sub-plot's transform is
  // that of the first net again afterwards.
  const auto [trend, plunge] = pressureortension(30.0, 60.0, -120.0, 1);
  EXPECT_TRUE(markerat(w, ondevice(netpoint(4, trend, plunge), 8.5f, 8.5f)));
  EXPECT_EQ(plt1blk.us0tocm[subindex(2)], (Vec2{4.0f, 4.0f}));
}

TEST_F(MechanismPages, MenusChangeTheKeptScalingAndSymbols) {
  Events ev(1);
  // 11: scaling, altered to (5, 6) cm at 2 cm per unit; 310: the P pair
  // made (40, -40), B and T kept; 1000: run, drawn over the page.
  Answers console("11\ny\n5\n6\n2\n0\n0\n2\n310\n10\n40\n20\n-40\n\n\n\n1000\n2\n\n");
  RecordedWindow w;
  startup();
  ev.bchbll(0);
  EXPECT_EQ(plt1blk.us0tocm[subindex(3)], (Vec2{5.0f, 6.0f}));
  EXPECT_EQ(plt1blk.ustocm[subindex(3)], (Mat22{2.0f, 0.0f, 0.0f, 2.0f}));
  const Lines lines = console.lines();
  EXPECT_EQ(countof(lines, "  SCALING FOR LOWER LEFT STEREO "), 1);
  EXPECT_EQ(countof(lines, " " + ed::pad("choose symbols for B", 35)), 1);
  EXPECT_EQ(countof(lines, " standard  type =   40"), 2);  // after the answer, and after the next
  // The P axis drawn as the square of type 40: four sides and the closing point.
  const auto [trend, plunge] = pressureortension(30.0, 60.0, -120.0, -1);
  const DrawPoint p = netpoint(4, trend, plunge);
  const real s = plt1blk.cmscale;
  EXPECT_TRUE(markerat(w, {(5.0f + 2.0f * p.x) * s, (6.0f + 2.0f * p.y) * s}));
}

TEST(MechanismPagesStart, InitialiseModesSetTheKeptStateOnly) {
  ConsoleCapture console;
  Events ev(3);
  plt1blk = Plt1Blk{};
  ev.seis3(5);
  ev.bchbll(5);
  EXPECT_EQ(plt1blk.us0tocm[subindex(2)], (Vec2{4.0f, 4.0f}));
  EXPECT_EQ(plt1blk.ustocm[subindex(2)], (Mat22{1.5f, 0.0f, 0.0f, 1.5f}));
  EXPECT_EQ(sprojtype.iproj, 4);
  EXPECT_EQ(stefram2.npfram, 200);
  const Lines lines = console.lines();
  EXPECT_EQ(countof(lines, " INITIALIZING FPS PLOT PARAMETERS"), 2);
  EXPECT_EQ(notonce(lines, {" @ subroutine fpsseis    ", " @ subroutine fpsbchbll  ",
                            " INITIALIZING STEREO FRAME"}), Lines{});
}
