#include "catalogue/nodal_planes.h"

#include <cmath>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

namespace {

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// Reports an element (3,3) = c of frame k (1-based) beyond +-1 and its
// reset value: a warning when c is off by at most 2^-20 (rounding), an
// error beyond.
void reportvertical(int k, real c, real reset) {
  static const RoutineId id{"se1232eu   ", " 2.0", "29-09-2003"};
  constexpr real eps = 0x1p-20f;
  const bool rounding = std::fabs(c) <= 1 + eps;
  rounding ? warninghead(id) : errorhead(id);
  wout(" data number = " + ed::i(k, 6));
  wout(" Vertical s3");
  const std::string value = ed::f(c, 8, 5);
  if (c > 1)
    wout(rounding ? " 1 < se(3,3) = " + value + " < 1+eps" : " 1 < se(3,3) = " + value);
  else
    wout(rounding ? " -1-eps < se(3,3) = " + value + " < -1" : " se(3,3) = " + value + " < -1");
  wout(" ===> reset se(3,3) = " + ed::f(reset, 8, 5));
  rounding ? warningtail00() : errortail00();
}

}  // namespace

void eu2se123(std::span<Mat33> se, std::span<const real> theta, std::span<const real> phi,
              std::span<const real> psi, int n) {
  for (int k = 0; k < n; ++k) {
    const real t = theta[at(k)], f = phi[at(k)], p = psi[at(k)];
    const real ct = std::cos(t), st = std::sin(t);
    const real cf = std::cos(f), sf = std::sin(f);
    const real cp = std::cos(p), sp = std::sin(p);
    Mat33& m = se[at(k)];
    el(m, 1, 1) = ct * cp - st * cf * sp;
    el(m, 2, 1) = st * cp + ct * cf * sp;
    el(m, 3, 1) = sf * sp;
    el(m, 1, 2) = -(ct * sp) - st * cf * cp;
    el(m, 2, 2) = -(st * sp) + ct * cf * cp;
    el(m, 3, 2) = sf * cp;
    el(m, 1, 3) = st * sf;
    el(m, 2, 3) = -(ct * sf);
    el(m, 3, 3) = cf;
  }
}

void se1232eu(std::span<real> theta, std::span<real> phi, std::span<real> psi,
              std::span<Mat33> se, int n) {
  for (int k = 0; k < n; ++k) {
    Mat33& m = se[at(k)];
    const real c = el(m, 3, 3);
    if (std::fabs(c) < 1) {
      phi[at(k)] = std::acos(c);
      const real s = std::sqrt(1 - c * c);
      theta[at(k)] = panglerad(-el(m, 2, 3) / s, el(m, 1, 3) / s);
      psi[at(k)] = panglerad(el(m, 3, 2) / s, el(m, 3, 1) / s);
      continue;
    }
    // The third column is vertical: only theta + psi (or theta - psi) is
    // defined; theta is taken as 0.
    if (std::fabs(c) > 1) {
      el(m, 3, 3) = c > 1 ? 1.0f : -1.0f;
      reportvertical(k + 1, c, el(m, 3, 3));
    }
    phi[at(k)] = std::acos(el(m, 3, 3));
    theta[at(k)] = 0.0f;
    // With phi = pi the first column is (cos psi, -sin psi, 0).
    psi[at(k)] = el(m, 3, 3) > 0 ? panglerad(el(m, 1, 1), el(m, 2, 1))
                                 : panglerad(el(m, 1, 1), -el(m, 2, 1));
  }
}

void nodalpladrrad(real& strike2, real& dip2, real& rake2, real strike, real dip, real rake) {
  const real minusrake = -rake;
  Mat33 eg1;
  eu2se123({&eg1, 1}, {&strike, 1}, {&dip, 1}, {&minusrake, 1}, 1);
  // The auxiliary plane's normal is the given slip vector and its slip
  // vector the given normal, both turned so that the new normal points
  // down; the null axis is reversed to keep the frame right-handed.
  const real sign = el(eg1, 3, 1) >= 0 ? 1.0f : -1.0f;
  Mat33 eg2;
  for (int i = 1; i <= 3; ++i) {
    el(eg2, i, 1) = sign * el(eg1, i, 3);
    el(eg2, i, 2) = -el(eg1, i, 2);
    el(eg2, i, 3) = sign * el(eg1, i, 1);
  }
  real theta, phi, psi;
  se1232eu({&theta, 1}, {&phi, 1}, {&psi, 1}, {&eg2, 1}, 1);
  strike2 = theta;
  dip2 = phi;
  rake2 = -psi;
}

void nodalpladrdeg(real& strike2, real& dip2, real& rake2, real strike, real dip, real rake) {
  real s, d, r;
  nodalpladrrad(s, d, r, rad(strike), rad(dip), rad(rake));
  strike2 = deg(s);
  dip2 = deg(d);
  rake2 = deg(r);
}

real panglerad(real x, real y) {
  if (x > 0) return std::atan(y / x);
  if (x == 0) return y >= 0 ? anglerad.pio2 : -anglerad.pio2;
  // x < 0; a NaN x gives NaN
  return y >= 0 ? anglerad.pi + std::atan(y / x) : -anglerad.pi + std::atan(y / x);
}
