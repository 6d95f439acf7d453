#include "stereonet/principal_axes.h"

#include <algorithm>
#include <cmath>

#include "catalogue/nodal_planes.h"

namespace {

// zrot(strike) . xrot(dip) . zrot(-rake) . yrot(theta): its columns are the
// axes, in the order P, B, T for theta = -pi/4.
Mat33 axismatrix(real strike, real dip, real rake, real theta) {
  Mat33 a, b1, c, d, e, f, g;
  zrot(a, -rake);
  xrot(b1, dip);
  zrot(c, strike);
  yrot(d, theta);
  m33x33(e, a, d);
  m33x33(f, b1, e);
  m33x33(g, c, f);
  return g;
}

// Plunge of column j; the down component is kept within [-1, 1] so that
// rounding cannot give a NaN axis.
real plunge(const Mat33& g, int j) { return std::asin(std::clamp(el(g, 3, j), -1.0f, 1.0f)); }

}  // namespace

void fsadr2steff(std::span<real, 3> azsr, std::span<real, 3> plsr, real strike, real dip,
                 real rake, real angle) {
  const Mat33 g = axismatrix(strike, dip, rake, angle / 2.0f - anglerad.pio4);
  for (int j = 1; j <= 3; ++j) {
    const std::size_t k = static_cast<std::size_t>(j - 1);
    const std::span<const real> column(g.data() + 3 * k, 3);
    xy2t(azsr.subspan(k, 1), column.first(1), column.subspan(1, 1), 1);
    plsr[k] = plunge(g, j);
  }
}

void seffapfadrrad(std::span<real, 3> azsr, std::span<real, 3> plsr, real strike, real dip,
                   real rake, real angle) {
  const Mat33 g = axismatrix(strike, dip, rake, (angle / 2.0f + trig.trpio4) - trig.trpio2);
  for (int j = 1; j <= 3; ++j) {
    const std::size_t k = static_cast<std::size_t>(j - 1);
    azsr[k] = panglerad(el(g, 1, j), el(g, 2, j));
    plsr[k] = plunge(g, j);
  }
}

void xrot(Mat33& rm, real ang) {
  const real c = std::cos(ang), s = std::sin(ang);
  rm = {1, 0, 0, 0, c, s, 0, -s, c};  // column by column
}

void yrot(Mat33& rm, real ang) {
  const real c = std::cos(ang), s = std::sin(ang);
  rm = {c, 0, -s, 0, 1, 0, s, 0, c};
}

void zrot(Mat33& rm, real ang) {
  const real c = std::cos(ang), s = std::sin(ang);
  rm = {c, s, 0, -s, c, 0, 0, 0, 1};
}

void m33x33(Mat33& a, const Mat33& b, const Mat33& c) {
  Mat33 t;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      real sum = 0.0f;
      for (int k = 1; k <= 3; ++k) sum += el(b, i, k) * el(c, k, j);
      el(t, i, j) = sum;
    }
  a = t;
}

void xy2t(std::span<real> t, std::span<const real> x, std::span<const real> y, int n) {
  const real pio2 = anglerad.pio2, pi = anglerad.pi;
  for (int i = 0; i < n; ++i) {
    const real xi = x[static_cast<std::size_t>(i)], yi = y[static_cast<std::size_t>(i)];
    real& ti = t[static_cast<std::size_t>(i)];
    if (xi > 0)
      ti = std::atan(yi / xi);
    else if (xi == 0)
      ti = yi >= 0 ? pio2 : -pio2;
    else
      ti = yi >= 0 ? pi + std::atan(yi / xi) : -pi + std::atan(yi / xi);
  }
}
