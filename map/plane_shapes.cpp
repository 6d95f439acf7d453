#include "map/plane_shapes.h"

#include <cmath>
#include <cstddef>
#include <string_view>

#include "dialogue/value_checks.h"

namespace {

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// n := count; whether that many vertices fit in nmax places (if not, the
// argument check reports it for caller).
bool fits(int& n, int count, int nmax, std::string_view caller) {
  n = count;
  int ierr = 0;
  cinmax(n, nmax, caller, "plot array dimension", ierr);
  return ierr == 0;
}

}  // namespace

void rectangle1(std::span<real> x, std::span<real> y, int& n, int nmax) {
  if (!fits(n, 4, nmax, "rectangle1")) return;
  const real w = 3.0f / 28.0f;
  x[0] = 0.0f, y[0] = -w;
  x[1] = 1.0f, y[1] = -w;
  x[2] = 1.0f, y[2] = w;
  x[3] = 0.0f, y[3] = w;
}

void arrow2d(std::span<real> x, std::span<real> y, int& n, int nmax) {
  if (!fits(n, 7, nmax, "arrow2d")) return;
  x[0] = 0.0f, y[0] = 0.0f;                 // tip
  x[1] = 3.0f / 7.0f, y[1] = 3.0f / 14.0f;  // barb
  x[2] = 5.0f / 14.0f, y[2] = 1.0f / 14.0f; // head meets shaft
  x[3] = 1.0f, y[3] = 3.0f / 28.0f;         // tail corner
  for (int k = 4; k < 7; ++k) x[at(k)] = x[at(7 - k)], y[at(k)] = -y[at(7 - k)];
}

void homot02d1(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
               std::span<const real> yi, int n, real k) {
  for (int i = 0; i < n; ++i) xo[at(i)] = k * xi[at(i)], yo[at(i)] = k * yi[at(i)];
}

void transl2d1(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
               std::span<const real> yi, int n, real dx, real dy) {
  for (int i = 0; i < n; ++i) xo[at(i)] = xi[at(i)] + dx, yo[at(i)] = yi[at(i)] + dy;
}

void matrot2drad(Mat22& m, real a) {
  const real c = std::cos(a), s = std::sin(a);
  m = {c, s, -s, c};  // column by column
}

void rot2daff(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
              std::span<const real> yi, int n, real xc, real yc, real a) {
  Mat22 m;
  matrot2drad(m, a);
  // (xo, yo) = m p + t with t = c - m c: the turn about c.
  const real t1 = xc - el(m, 1, 1) * xc - el(m, 1, 2) * yc;
  const real t2 = yc - el(m, 2, 1) * xc - el(m, 2, 2) * yc;
  for (int i = 0; i < n; ++i) {
    const real x = xi[at(i)], y = yi[at(i)];
    xo[at(i)] = el(m, 1, 1) * x + el(m, 1, 2) * y + t1;
    yo[at(i)] = el(m, 2, 1) * x + el(m, 2, 2) * y + t2;
  }
}
