#pragma once
// Test helpers of the stereonet plots: a recorded plot window whose current
// sub-plot maps net units to pixels (100 pixels per net unit about the
// pixel (240, 340)), and the expected net points computed independently,
// in double precision, from the projection formulas.
#include <cmath>
#include <vector>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "plotlib/plot_harness.h"
#include "stereonet/stereo_projections.h"

constexpr real netpixels = 100.0f;
constexpr real netx0 = 240.0f, nety0 = 340.0f;

class NetWindow : public RecordedWindow {
 public:
  NetWindow() {
    plt1blk.ustode[0] = {netpixels, 0.0f, 0.0f, netpixels};
    plt1blk.us0tode[0] = {netx0, nety0};
  }
  // The recorded paths in net units.
  std::vector<std::vector<DrawPoint>> netpaths() const {
    std::vector<std::vector<DrawPoint>> out = paths();
    for (auto& path : out)
      for (DrawPoint& p : path) p = {(p.x - netx0) / netpixels, (p.y - nety0) / netpixels};
    return out;
  }
};

// Angle constants and the two projections set up; the projection is iproj.
inline void setprojection(int iproj) {
  ConsoleCapture quiet;
  trigoset();
  sspro(iproj, 1);
}

// Net point of the direction (azimuth, plunge in degrees): equal-area
// r = sqrt 2 sin(d/2) or equal-angle r = tan(d/2), d the angle from the
// downward vertical; direct axes put north on x, retrograde on y.
inline DrawPoint netpoint(int iproj, double azimuth, double plunge) {
  const double torad = std::acos(-1.0) / 180.0;
  const double d = (90.0 - plunge) * torad;
  const double r = iproj >= 3 ? std::sqrt(2.0) * std::sin(d / 2.0) : std::tan(d / 2.0);
  const double north = r * std::cos(azimuth * torad), east = r * std::sin(azimuth * torad);
  const bool direct = iproj % 2 == 1;
  return {static_cast<real>(direct ? north : east), static_cast<real>(direct ? east : north)};
}

// Distance between two points.
inline real apart(const DrawPoint& a, const DrawPoint& b) { return std::hypot(a.x - b.x, a.y - b.y); }
