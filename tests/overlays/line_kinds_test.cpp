// The six kinds of line file: what each reads, counts, lists and draws,
// with and without clipping, and how it ends on bad or short input.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "overlay_harness.h"
#include "plotlib/colours.h"
#include "plotlib/line_fill_text.h"

namespace {

using LonLat = std::vector<std::array<double, 2>>;
using Lines = std::vector<std::string>;

// The points of all paths joined, a point shared by two consecutive pieces
// kept once.
Path joined(const std::vector<Path>& paths) {
  Path out;
  for (const Path& p : paths)
    for (const MapPoint& q : p)
      if (out.empty() || out.back().x != q.x || out.back().y != q.y) out.push_back(q);
  return out;
}

// The UTIG sample: line A of 3 points, line B of 20 points (one
// continuation record: a blank code adds 5, "99" takes 4.9 off), line C of
// 2 points far outside the box.
const LonLat utiga{{10, 40}, {12, 41}, {12, 40.5}};
LonLat utigb() {
  LonLat b;
  for (int k = 0; k < 17; ++k) b.push_back({5.0 + k, 45});
  b.push_back({22, 50});
  b.push_back({22, 45.1});
  b.push_back({22, 45.1});
  return b;
}

TEST_F(LineOverlays, UtigLinesDecodedFromTheirIncrementCodes) {
  const MenuRun clipped = drawn(1, datafile("utig.txt"));
  ASSERT_EQ(clipped.paths.size(), 2u);
  expectpath(clipped.paths[0], utiga, "line A");
  expectpath(clipped.paths[1], utigb(), "line B");
  EXPECT_EQ(missing(clipped.lines, {" UTIG coastline with clipping", " | line #|# point|",
                                    " |     1 |     3 |", " |     2 |    20 |",
                                    " |     3 |     2 |", " total nb of plotted curves =       3"}),
            Lines{});

  const MenuRun whole = run("10\nn\n1\n" + datafile("utig.txt") + "\n99\n");
  ASSERT_EQ(whole.paths.size(), 3u);
  expectpath(whole.paths[2], {{100, 10}, {101, 10}}, "line C");
  EXPECT_TRUE(whole.shows(" UTIG coastline without clipping"));
}

TEST_F(LineOverlays, UtigLineCutShortByTheEndOfFileIsCountedNotDrawn) {
  ScratchDirectory scratch;
  std::string codes;
  for (int k = 0; k < 16; ++k) codes += "5040";
  // Line A, then line B without its continuation record.
  writefile("short", "  6  40.0   10.040305550\n 40  45.0    5.0" + codes + "\n");
  const MenuRun r = drawn(1, "short");
  EXPECT_EQ(r.paths.size(), 1u);
  EXPECT_TRUE(r.shows(" total nb of plotted curves =       2"));
}

TEST_F(LineOverlays, IgnLinesBreakOnCodesAndOnCodesThreeAndFour) {
  const MenuRun r = drawn(2, datafile("ign.txt"));
  ASSERT_EQ(r.paths.size(), 6u);
  expectpath(r.paths[2], {{12, 50}}, "line of codes 1 2");
  expectpath(r.paths[3], {{13, 50}}, "first record of code 3");
  expectpath(r.paths[4], {{14, 50}}, "second record of code 3");
  expectpath(r.paths[5], {{15, 52}, {16, 52}}, "codes 1 2 again");
  EXPECT_EQ(missing(r.lines, {" IGN line with clipping", " |     5 |",
                              " total nb of plotted curves =       5"}), Lines{});
}

TEST_F(LineOverlays, GebcoHeadersThenLatitudeLongitudeLines) {
  const MenuRun r = drawn(3, datafile("gebco.txt"));
  ASSERT_EQ(r.paths.size(), 2u);
  expectpath(r.paths[0], {{10, 40}, {11, 41}, {11.5, 42}}, "line 1");
  expectpath(r.paths[1], {{20, 45}, {21, 46}}, "line 2, header over two lines");
  EXPECT_EQ(missing(r.lines, {" | line #|   code|# point|", " |     1 |     7 |      3|",
                              " |     2 |     8 |      2|"}), Lines{});

  // A count of 0 reads no point line; the end of file inside a line ends
  // the file as at a header.
  ScratchDirectory scratch;
  writefile("empty", "1 0\n2 3\n40 10\n41 11\n");
  const MenuRun empty = drawn(3, "empty");
  EXPECT_EQ(missing(empty.lines, {" |     2 |     2 |      3|",
                                  " total nb of plotted curves =       2"}), Lines{});
  ASSERT_EQ(empty.paths.size(), 1u);
  EXPECT_EQ(empty.paths[0].size(), 2u);

  // A slash ends a read; an empty value keeps the one of the line before.
  writefile("nulls", "5,2/ code and count\n40 10\n41,,\n");
  const MenuRun nulls = drawn(3, "nulls");
  EXPECT_TRUE(nulls.shows(" |     1 |     5 |      2|"));
  ASSERT_EQ(nulls.paths.size(), 1u);
  expectpath(nulls.paths[0], {{10, 40}, {10, 41}}, "longitude kept");
}

TEST_F(LineOverlays, UsgsLinesEndAtBlankRecordsAndLowLatitudes) {
  const MenuRun r = drawn(4, datafile("usgs.txt"));
  ASSERT_EQ(r.paths.size(), 3u);
  expectpath(r.paths[0], {{20, 10}, {21, 11}}, "segment");
  expectpath(r.paths[1], {{22, 12}}, "single point ended by -999");
  expectpath(r.paths[2], {{23, 13}, {24, 14}}, "record read in its first 25 columns");
  EXPECT_TRUE(r.shows(" total nb of plotted curves =       3"));

  ScratchDirectory scratch;
  writefile("one", "10.0\n");
  const MenuRun one = drawn(4, "one");
  EXPECT_TRUE(one.shows(" WHILE READING FILE one" + std::string(27, ' ')));
}

TEST_F(LineOverlays, GshhsPolygonsJudgedInTheLongitudeWindow) {
  // Box 0..10: the window begins at -3. Polygon 1 (west -5, east 2) runs
  // across the window's seam and is drawn, its points reduced into the
  // window; polygon 2 (350..359) is skipped; polygon 3 has east below west
  // (warned of, judged on latitudes); polygon 4 lies north of the box.
  const MenuRun r = drawn(5, datafile("gshhs.txt"), {0, 10, 30, 60});
  ASSERT_EQ(r.paths.size(), 2u);
  expectpath(r.paths[0], {{355, 40}, {2, 40}, {2, 42}, {355, 40}}, "polygon 1");
  expectpath(r.paths[1], {{3, 40}, {5, 45}}, "polygon 3");
  EXPECT_EQ(missing(r.lines, {" | line #|   code|# point|   type|   west|   east|  south|  north|",
                              " |     1 |     1 |      4|     1 |   -5.0|    2.0|   40.0|   42.0|",
                              " |       |       |       |       |  355.0|    2.0|       |       |",
                              " PROBLEM IN INPUT FILE ?",
                              " |     1 |     3 |      2|     2 |    5.0|    3.0|   40.0|   45.0|",
                              " => No global longitude clipping for this polygon",
                              " total nb of plotted curves =       2"}), Lines{});
}

TEST_F(LineOverlays, GshhsAcrossTheDateLine) {
  // Box 170..-170: the window runs from 167 to 527, the box from 170 to 190.
  const MenuRun r = drawn(5, datafile("gshhs_dateline.txt"), {170, -170, 0, 20});
  ASSERT_EQ(r.paths.size(), 1u);
  expectpath(r.paths[0], {{175, 10}, {185, 10}, {182, 12}}, "polygon about the date line");
  EXPECT_TRUE(r.shows(" total nb of plotted curves =       1"));
}

TEST_F(LineOverlays, GshhsUnclippedInPiecesOfAThousandPoints) {
  ScratchDirectory scratch;
  std::string text;
  LonLat all;
  const std::array<int, 5> sizes{1, 1000, 1999, 2000, 2};
  for (std::size_t j = 0; j < sizes.size(); ++j) {
    char head[64];
    std::snprintf(head, sizeof head, "P %6zu%8d 1\n", j + 1, sizes[j]);
    text += head;
    for (int k = 0; k < sizes[j]; ++k) {
      const double lon = -50 + 0.05 * k + 0.01 * static_cast<double>(j), lat = 20 + (k % 7);
      text += std::to_string(lon) + " " + std::to_string(lat) + "\n";
      if (sizes[j] > 1) all.push_back({lon, lat});
    }
  }
  writefile("pieces", text);
  const MenuRun r = run("10\nn\n5\npieces\n99\n");
  EXPECT_TRUE(r.shows(" total nb of plotted curves =       5"));
  const Path points = joined(r.paths);
  ASSERT_EQ(points.size(), all.size());
  for (std::size_t k = 0; k < all.size(); k += 97) {
    const MapPoint want = projected(all[k][0], all[k][1]);
    EXPECT_NEAR(points[k].x, want.x, 2e-4) << "point " << k;
    EXPECT_NEAR(points[k].y, want.y, 2e-4) << "point " << k;
  }
}

// Points of the great circle from a to b (degrees), np of them equally
// spaced, by spherical interpolation.
LonLat greatcircle(std::array<double, 2> a, std::array<double, 2> b, int np) {
  auto vec = [](std::array<double, 2> p) {
    const double lo = p[0] * M_PI / 180, la = p[1] * M_PI / 180;
    return std::array<double, 3>{std::cos(la) * std::cos(lo), std::cos(la) * std::sin(lo), std::sin(la)};
  };
  const auto u = vec(a), v = vec(b);
  const double angle = std::acos(u[0] * v[0] + u[1] * v[1] + u[2] * v[2]);
  LonLat out;
  for (int i = 0; i < np; ++i) {
    const double t = angle * i / (np - 1);
    const double s = std::sin(angle - t) / std::sin(angle), r = std::sin(t) / std::sin(angle);
    const double x = s * u[0] + r * v[0], y = s * u[1] + r * v[1], z = s * u[2] + r * v[2];
    out.push_back({std::atan2(y, x) * 180 / M_PI, std::asin(z) * 180 / M_PI});
  }
  return out;
}

TEST_F(LineOverlays, SelectionPolygonOfGreatCircleSides) {
  // Closed, 4 vertices, 5 points per degree: sides of 7.66, 5.3, 7.03 and
  // 5.3 degrees have 38, 26, 35 and 26 points.
  const MenuRun r = run("6\n" + datafile("polygon.txt") + "\n99\n");
  const LonLat v{{0, 40}, {10, 40}, {10, 45.3}, {0, 45.3}, {0, 40}};
  const std::array<int, 4> np{38, 26, 35, 26};
  ASSERT_EQ(r.paths.size(), 4u);
  for (std::size_t k = 0; k < 4; ++k)
    expectpath(r.paths[k], greatcircle(v[k], v[k + 1], np[k]), "side " + std::to_string(k + 1));
  EXPECT_TRUE(r.shows(" Boundaries = great circles"));
  EXPECT_TRUE(r.begins(" Side #   2 Angle =    5.30"));
  EXPECT_TRUE(r.shows(" total nb of plotted curves =       1"));
  // The file's points per degree stay after it is closed.
  EXPECT_TRUE(r.shows(" Nb of points for 1 deg .....11     5.000"));
}

TEST_F(LineOverlays, SelectionPolygonPointsPerSide) {
  ScratchDirectory scratch;
  writefile("sides", "3 1 0 10\n0 0\n0.1 0\n2.15 0\n");
  const MenuRun r = drawn(6, "sides");
  ASSERT_EQ(r.paths.size(), 2u);
  EXPECT_EQ(r.paths[0].size(), 2u);   // 0.1 degree
  EXPECT_EQ(r.paths[1].size(), 20u);  // 2.05 degrees

  // Points per degree too large for any count: the side is held to the
  // buffer's 1000 points.
  writefile("dense", "2 1 0 1e30\n0 0\n10 0\n");
  const MenuRun dense = drawn(6, "dense");
  EXPECT_EQ(joined(dense.paths).size(), 1000u);
  EXPECT_TRUE(dense.shows(" ===> WILL NOT PLOT ALL THE DATA"));
}

TEST_F(LineOverlays, SelectionPolygonOfLongitudeLatitudeAndStraightSides) {
  ScratchDirectory scratch;
  writefile("lonlat", "3 2 0 5.0\n0 40\n10 40\n10 45.3\n");
  const MenuRun r = drawn(6, "lonlat");
  ASSERT_EQ(r.paths.size(), 2u);  // open: two sides
  LonLat side1;
  for (int i = 0; i < 38; ++i) side1.push_back({10.0 * i / 37, 40});
  expectpath(r.paths[0], side1, "side along the parallel");
  EXPECT_TRUE(r.shows(" Boundaries = long,lat lines"));

  writefile("straight", "3 0 1 5.0\n0 40\n10 40\n10 45.3\n");
  const MenuRun s = drawn(6, "straight");
  ASSERT_EQ(s.paths.size(), 1u);
  expectpath(s.paths[0], {{0, 40}, {10, 40}, {10, 45.3}, {0, 40}}, "closed straight sides");
  EXPECT_TRUE(s.shows(" Number of sides =      3"));
}

TEST_F(LineOverlays, SelectionPolygonFaults) {
  ScratchDirectory scratch;
  // Equal vertices: that side is skipped, the next drawn.
  writefile("twice", "3 1 0 10\n0 40\n0 40\n10 40\n");
  const MenuRun twice = drawn(6, "twice");
  EXPECT_EQ(missing(twice.lines, {" INCONSISTENT POLYGON CONTOUR:", " ==> SKIPPING THIS SIDE"}),
            Lines{});
  EXPECT_EQ(twice.paths.size(), 1u);

  // Opposite vertices, which rounding leaves not quite opposite: no great
  // circle through them is drawn.
  writefile("opposite", "3 1 0 10\n0 0\n180 0\n180 30\n");
  const MenuRun opposite = drawn(6, "opposite");
  EXPECT_TRUE(opposite.shows(" ==> SKIPPING THIS SIDE"));
  EXPECT_EQ(opposite.paths.size(), 1u);  // side 2 only

  // No vertex: refused with its first line; the points per degree stay.
  writefile("none", "0 1 1 3.0\n");
  const MenuRun none = drawn(6, "none");
  EXPECT_TRUE(none.shows(" WHILE READING 1st LINE OF FILE none" + std::string(26, ' ')));
  EXPECT_TRUE(none.shows(" WHILE READING FILE none" + std::string(26, ' ')));
  EXPECT_EQ(none.count(" Nb of points for 1 deg .....11    10.000"), 2);
  EXPECT_TRUE(none.paths.empty());

  writefile("cut", "3 1 0 10\n0 40\n");
  const MenuRun cut = drawn(6, "cut");
  EXPECT_TRUE(cut.shows(" WHILE READING DATA LINE #      2"));
  EXPECT_TRUE(cut.paths.empty());
}

// The darkest grey (0 black .. 255 white) of a PNG about the pixel (x, y),
// y upwards.
int ink(const std::string& png, int x, int y) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  int darkest = -1;
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s), height = cairo_image_surface_get_height(s);
    darkest = 255;
    for (int j = y - 1; j <= y + 1; ++j)
      for (int i = x - 1; i <= x + 1; ++i) {
        const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + (height - 1 - j) * stride)[i];
        darkest = std::min(darkest, static_cast<int>(((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) / 3));
      }
  }
  cairo_surface_destroy(s);
  return darkest;
}

TEST_F(LineOverlays, APolygonReachingAPoleShowsOnAWorldMercatorMap) {
  ScratchDirectory scratch;
  writefile("south", "4 0 1 10\n-150 -60\n150 -60\n150 -90\n-150 -90\n");
  // The whole world on the default Mercator map, 2 cm per map unit, on a
  // window that writes its files.
  auto map = [](const std::string& title, const std::string& answers) {
    Answers console(answers);
    RecordedWindow window(title);
    real x0 = 10, y0 = 15, scale = 2, zero = 0;
    real xy = zero, yx = zero, yy = scale;
    sus2cm1(x0, y0, scale, xy, yx, yy, 1);
    int black = 1;  // lines of 0.1 cm in black
    slinecolor(black, 1);
    real width = 0.1f;
    slinewidth(width, 1);
    real lonmin = -180, lonmax = 180, latmin = -90, latmax = 90;
    contours1(lonmin, lonmax, latmin, latmax, 1);
    return title + ".png";
  };
  const std::string without = map("without", "99\n"), with = map("with", "6\nsouth\n99\n");
  // Device pixel of a point of the map: 480 x 680 pixels for the A4 page.
  auto pixel = [](double lon, double lat) {
    const MapPoint p = projected(lon, lat);
    const double percm = 680.0 / 29.7;
    return std::pair{static_cast<int>(std::lround((10 + 2 * p.x) * percm)),
                     static_cast<int>(std::lround((15 + 2 * p.y) * percm))};
  };
  EXPECT_FALSE(std::filesystem::exists(without));  // nothing drawn: no snapshot
  for (auto [lon, lat] : {std::pair{0.0, -60.0}, {150.0, -80.0}, {-150.0, -85.0}}) {
    const auto [x, y] = pixel(lon, lat);
    EXPECT_LT(ink(with, x, y), 160) << lon << ' ' << lat;  // the sides towards the pole
  }
}

TEST_F(LineOverlays, SelectionPolygonOfTooManyVerticesIsCut) {
  ScratchDirectory scratch;
  std::string text = "1001 0 1 1.0\n";
  for (int k = 0; k < 1001; ++k) text += std::to_string(k * 0.01) + " " + std::to_string(k % 2) + "\n";
  writefile("many", text);
  const MenuRun r = drawn(6, "many");
  EXPECT_EQ(missing(r.lines, {" Number of vertices to read     =   1001",
                              " Number of vertices to plot     =   1002",
                              " Number of vertices to read     =    999",
                              " Number of vertices to plot     =   1000"}), Lines{});
  const Path points = joined(r.paths);
  ASSERT_EQ(points.size(), 1000u);
  const MapPoint first = projected(0, 0);
  EXPECT_NEAR(points.back().x, first.x, 2e-4);  // closed on vertex 1
  EXPECT_NEAR(points.back().y, first.y, 2e-4);
}

}  // namespace
