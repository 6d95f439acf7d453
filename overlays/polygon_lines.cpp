// The selection polygon file drawn as a line file: its sides as great
// circles, as lines straight in longitude and latitude, or as straight
// lines on the map.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "map/projection_state.h"
#include "overlays/line_files.h"
#include "plotlib/curve_points.h"
#include "plotlib/user_drawing.h"

namespace {

using Vec3 = std::array<real, 3>;

// Unit vector of vertex k (1-based) of cc2dbuff, in radians.
Vec3 vertexvector(int k) {
  const auto i = static_cast<std::size_t>(k - 1);
  Vec3 v{};
  ll2ccn(std::span(&v[0], 1), std::span(&v[1], 1), std::span(&v[2], 1),
         std::span(&cc2dbuff.xp[i], 1), std::span(&cc2dbuff.yp[i], 1), 1);
  return v;
}

// The angle between two unit vectors.
real angleof(const Vec3& v1, const Vec3& v2) {
  real dot = 0;
  scalprodn(std::span(&dot, 1), v1, v2, 3, 1);
  return std::acos(std::clamp(dot, -1.0f, 1.0f));
}

// Sets the running point of side k to ptf, its angle giving the number of
// points at f points per radian (at least 2), and shows it.
void sideparameter(int k, real angle, real ptf, real f) {
  int np = intpart(angle * f);
  if (np < 3) np = 2;
  scptnp(np, 1);
  real pti = 0.0f;
  scptif(pti, ptf, 1);
  scptend(1, 1);
  if (outlevel(2)) {
    wout(" Side # " + ed::i(k, 3) + " Angle =" + ed::f(deg(angle), 10, 4));
    say(ptblock.ptlabel);
  }
}

// The running point's name.
void runningpoint(const char* name) {
  std::string text = name;
  scptnam(text, 1);
}

// Points per radian of a side.
real perradian(real nptdeg) { return nptdeg * 180.0f / rad(180.0f); }

void degenerateside(int k) {
  errorhead(contours1_id);
  say("INCONSISTENT POLYGON CONTOUR:");
  intitem("Side # ", k);
  say(ed::a("Vertex #", 8) + ed::a("longitude", 8) + ed::a("latitude", 8));
  for (int v = k; v <= k + 1; ++v) {
    const auto i = static_cast<std::size_t>(v - 1);
    say(ed::i(v, 8) + ed::f(deg(cc2dbuff.xp[i]), 8, 3) + ed::f(deg(cc2dbuff.yp[i]), 8, 3));
  }
  say("||(OV1 x OV2) x OV1|| = 0");
  say("V2 = V1 ?");
  say("==> SKIPPING THIS SIDE");
  errortail00();
}

// Projects the np points of cc3dbuff (longitude, latitude) and draws them.
void drawside() {
  const int np = ptblock.np;
  projlln(cc3dbuff.xe, cc3dbuff.ye, cc3dbuff.xe, cc3dbuff.ye, np);
  usline(cc3dbuff.xe, cc3dbuff.ye, np);
}

// Each side sampled along the great circle from its first vertex V1 towards
// W, the unit vector of (V1 x V2) x V1; a side whose V1 x V2 gives no
// direction (equal or opposite vertices) is skipped with an error.
void greatcircles(int nplot, real nptdeg) {
  if (outlevel(2)) say("Boundaries = great circles");
  runningpoint("Angle (radians)");
  const real f = perradian(nptdeg);
  PtBlock& p = ptblock;
  for (int k = 1; k < nplot; ++k) {
    const Vec3 v1 = vertexvector(k), v2 = vertexvector(k + 1);
    Vec3 w{};
    vecprod3d(w, v1, v2, 1);
    if (crossvanishes(w, v1, v2)) {
      degenerateside(k);
      continue;
    }
    vecprod3d(w, w, v1, 1);
    real norm = 0;
    vecnorm(std::span(&norm, 1), w, 3, 1);
    for (real& c : w) c /= norm;
    const real angle = angleof(v1, v2);
    sideparameter(k, angle, angle, f);
    for (p.ipt = 1; p.ipt <= p.np; ++p.ipt) {
      p.pt = p.pti + static_cast<real>(p.ipt - 1) * p.ptd;
      const real c = std::cos(p.pt), s = std::sin(p.pt);
      const auto i = static_cast<std::size_t>(p.ipt - 1);
      cc3dbuff.xe[i] = c * v1[0] + s * w[0];
      cc3dbuff.ye[i] = c * v1[1] + s * w[1];
      cc3dbuff.ze[i] = c * v1[2] + s * w[2];
    }
    cc2lln(cc3dbuff.xe, cc3dbuff.ye, cc3dbuff.xe, cc3dbuff.ye, cc3dbuff.ze, p.np);
    drawside();
  }
}

// Each side sampled linearly in longitude and latitude, with as many
// points as its great circle would have.
void lonlatlines(int nplot, real nptdeg) {
  if (outlevel(2)) say("Boundaries = long,lat lines");
  runningpoint("Barycentic coef");
  const real f = perradian(nptdeg);
  PtBlock& p = ptblock;
  for (int k = 1; k < nplot; ++k) {
    sideparameter(k, angleof(vertexvector(k), vertexvector(k + 1)), 1.0f, f);
    const auto a = static_cast<std::size_t>(k - 1), b = a + 1;
    for (p.ipt = 1; p.ipt <= p.np; ++p.ipt) {
      p.pt = p.pti + static_cast<real>(p.ipt - 1) * p.ptd;
      const auto i = static_cast<std::size_t>(p.ipt - 1);
      cc3dbuff.xe[i] = (1.0f - p.pt) * cc2dbuff.xp[a] + p.pt * cc2dbuff.xp[b];
      cc3dbuff.ye[i] = (1.0f - p.pt) * cc2dbuff.yp[a] + p.pt * cc2dbuff.yp[b];
    }
    drawside();
  }
}

// The vertices joined by straight lines on the map.
void straightlines(int nplot) {
  if (outlevel(2)) {
    say("Boundaries = Xp-Yp lines");
    intitem("Number of sides =", nplot - 1);
  }
  projlln(cc2dbuff.xp, cc2dbuff.yp, cc2dbuff.xp, cc2dbuff.yp, nplot);
  usline(cc2dbuff.xp, cc2dbuff.yp, nplot);
}

void vertexcounts(int nv, long long nplot) {
  intitem("Number of vertices to read     =", nv);
  intitem("Number of vertices to plot     =", nplot);
}

}  // namespace

// Line 1, free format: the number of vertices, the side type (1 great
// circles, 2 longitude-latitude lines, other straight lines on the map),
// the close flag (1 repeats vertex 1 at the end) and the points per degree;
// then one "longitude latitude" line per vertex.
Ending drawselpolygon(LineFile& file, real& nptdeg) {
  if (outlevel(2)) {
    listrule();
    listtitle(file.title);
    listrule();
  }
  const std::string name = ed::pad(file.fname, linenamewidth);
  int nv = 0, side = 0, close = 0;
  real perdegree = 0;
  const ed::ListVar line1[] = {&nv, &side, &close, &perdegree};
  // A polygon needs a vertex: a count below 1 is refused with the line.
  if (readvalues(line1) != ReadStatus::line || nv < 1) {
    errorhead(contours1_id);
    say("WHILE READING 1st LINE OF FILE " + name);
    errortail00();
    return Ending::readerror;
  }
  nptdeg = perdegree;

  // With the closing vertex a count at the top of the int range passes it.
  const long long wanted = close == 1 ? nv + 1LL : nv;
  int nplot = static_cast<int>(std::min<long long>(wanted, mp));
  if (wanted > mp) {
    warninghead(contours1_id);
    vertexcounts(nv, wanted);
    intitem("Max number of vertices to plot =", mp);
    say("=> RESETTING TO:");
    nv = close == 1 ? mp - 1 : mp;
    vertexcounts(nv, nplot);
    warningtail00();
  }

  std::array<real, 2> v{};
  for (int k = 1; k <= nv; ++k) {
    if (readreals(v) != ReadStatus::line) {
      errorhead(contours1_id);
      intitem("WHILE READING DATA LINE #", k);
      say("IN FILE " + name);
      errortail00();
      return Ending::readerror;
    }
    const auto i = static_cast<std::size_t>(k - 1);
    cc2dbuff.xp[i] = v[0];
    cc2dbuff.yp[i] = v[1];
  }
  if (close == 1) {
    const auto last = static_cast<std::size_t>(nv);
    cc2dbuff.xp[last] = cc2dbuff.xp[0];
    cc2dbuff.yp[last] = cc2dbuff.yp[0];
  }
  deg2rad(cc2dbuff.xp, cc2dbuff.xp, nplot);
  deg2rad(cc2dbuff.yp, cc2dbuff.yp, nplot);

  if (side == 1)
    greatcircles(nplot, nptdeg);
  else if (side == 2)
    lonlatlines(nplot, nptdeg);
  else
    straightlines(nplot);
  file.ncurve = 1;
  return Ending::normal;
}
