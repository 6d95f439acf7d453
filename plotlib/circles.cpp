#include "plotlib/circles.h"

#include <cmath>
#include <cstddef>

#include "catalogue/angles.h"
#include "plotlib/curve_points.h"
#include "plotlib/user_drawing.h"

void uscircle(real xc, real yc, real r, int np) { usacircle(xc, yc, r, 0.0f, anglerad.twopi, np); }

void usacircle(real xc, real yc, real r, real a1, real a2, int np) {
  // The arc's share of the turn's points, product first, truncated.
  int m = intpart(static_cast<real>(np) * std::fabs(a2 - a1) / anglerad.twopi);
  scptnp(m, 1);
  real pti = a1, ptf = a2;
  scptif(pti, ptf, 1);
  scptend(101, 1);

  PtBlock& p = ptblock;
  p.pt = p.pti - p.ptd;
  for (p.ipt = 1; p.ipt <= p.np; ++p.ipt) {
    p.pt += p.ptd;
    const auto k = static_cast<std::size_t>(p.ipt - 1);
    cc2dbuff.xp[k] = xc + r * std::cos(p.pt);
    cc2dbuff.yp[k] = yc + r * std::sin(p.pt);
  }
  usline(cc2dbuff.xp, cc2dbuff.yp, p.np);
}
