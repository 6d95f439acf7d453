#pragma once
// Test helpers of the line-file overlays: the menu run on a recorded
// window with typed answers, and the drawn paths brought back to map units
// to be compared with points projected by the current projection.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "map/projection_menu.h"
#include "map/projection_state.h"
#include "overlays/line_overlays.h"
#include "plotlib/plot_harness.h"
#include "plotlib/subplot_scaling.h"

// The sample line files.
inline std::string datafile(const std::string& name) {
  return std::string(MECARO_REAL_DATA) + "/../../overlays/data/" + name;
}

struct MapPoint {
  double x, y;
};
using Path = std::vector<MapPoint>;

// A point given in degrees, projected into map units.
inline MapPoint projected(double lon, double lat) {
  real lo = rad(static_cast<real>(lon)), la = rad(static_cast<real>(lat));
  real x = 0, y = 0;
  projlln(std::span(&x, 1), std::span(&y, 1), std::span(&lo, 1), std::span(&la, 1), 1);
  return {x, y};
}

// The box handed to the menu, degrees.
struct Box {
  real lonmin, lonmax, latmin, latmax;
};

// What one run of the menu printed and drew.
struct MenuRun {
  std::vector<std::string> lines;
  std::vector<Path> paths;  // map units
  // Lines equal to line.
  long count(const std::string& line) const { return countof(lines, line); }
  bool shows(const std::string& line) const { return count(line) > 0; }
  // Some line begins with prefix.
  bool begins(const std::string& prefix) const {
    for (const std::string& line : lines)
      if (line.rfind(prefix, 0) == 0) return true;
    return false;
  }
};

class LineOverlays : public testing::Test {
 protected:
  // The default projection (spherical Mercator, origin (0, 45)) and the
  // menu's settings as the start-up leaves them.
  void SetUp() override {
    ConsoleCapture quiet;
    trigoset();
    int code = 0;
    sprojll2(code, 5);
    real none = 0;
    contours1(none, none, none, none, 5);
  }

  // contours1 in mode 1 on the box, answers typed at the keyboard, banner
  // pauses off; 5 cm per map unit, so that the drawing log's 0.01 pixel is
  // below 1e-4 map units.
  static MenuRun run(const std::string& answers, Box box = {0, 30, 30, 60}) {
    Answers console(answers);
    RecordedWindow window;
    real x0 = 10, y0 = 15, scale = 5, zero = 0;
    real xy = zero, yx = zero, yy = scale;
    sus2cm1(x0, y0, scale, xy, yx, yy, 1);
    contours1(box.lonmin, box.lonmax, box.latmin, box.latmax, 1);
    MenuRun out{console.lines(), {}};
    const Vec2 o = plt1blk.us0tode[0];
    const Mat22 m = plt1blk.ustode[0];
    const double a = el(m, 1, 1), b = el(m, 1, 2), c = el(m, 2, 1), d = el(m, 2, 2);
    for (const auto& devicepath : window.paths()) {
      Path& p = out.paths.emplace_back();
      for (const DrawPoint& q : devicepath) {
        const double u = static_cast<double>(q.x - o[0]), v = static_cast<double>(q.y - o[1]);
        p.push_back({(d * u - b * v) / (a * d - b * c), (a * v - c * u) / (a * d - b * c)});
      }
    }
    return out;
  }

  // Draws one file of the kind (menu code) and leaves the menu.
  static MenuRun drawn(int kind, const std::string& file, Box box = {0, 30, 30, 60}) {
    return run(std::to_string(kind) + "\n" + file + "\n99\n", box);
  }
};

// The path's points are the projections of the (longitude, latitude)
// points, in order.
inline void expectpath(const Path& path, const std::vector<std::array<double, 2>>& lonlat,
                       const std::string& what) {
  ASSERT_EQ(path.size(), lonlat.size()) << what;
  for (std::size_t k = 0; k < path.size(); ++k) {
    const MapPoint want = projected(lonlat[k][0], lonlat[k][1]);
    EXPECT_NEAR(path[k].x, want.x, 2e-4) << what << " point " << k + 1;
    EXPECT_NEAR(path[k].y, want.y, 2e-4) << what << " point " << k + 1;
  }
}

// Writes a file in the current directory.
inline void writefile(const std::string& name, const std::string& text) {
  std::ofstream(name) << text;
}
