#include "catalogue/angles.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

Trig trig;
AngleRad anglerad;
AngleRadI angleradi;
AngleRadS anglerads;
A2b a2b;

namespace {

// Elementary functions evaluated in double on a float argument, the result
// rounded to float.
real dsin(real a) { return static_cast<real>(std::sin(static_cast<double>(a))); }
real dcos(real a) { return static_cast<real>(std::cos(static_cast<double>(a))); }
real datan(real a) { return static_cast<real>(std::atan(static_cast<double>(a))); }
real dasin(real a) { return static_cast<real>(std::asin(static_cast<double>(a))); }
real dsqrt(real a) { return static_cast<real>(std::sqrt(static_cast<double>(a))); }

std::size_t at(int k) { return static_cast<std::size_t>(k); }

// The warning of cc2lln for element k (1-based) of n: the vector as given
// and its length l.
void warnnotunitary(int n, int k, real vx, real vy, real vz, real l) {
  static const RoutineId id{"cc2lln     ", " 3.3", "22-04-2009"};
  warninghead(id);
  wout(" Expecting unitary V = (Vx,Vy,Vz)");
  wout(" Loop final   index = " + ed::i(n, 6));
  wout(" Loop current index = " + ed::i(k, 6));
  wout(" Vx = " + ed::f(vx, 8, 4) + " Vy = " + ed::f(vy, 8, 4) + " Vz = " + ed::f(vz, 8, 4));
  wout(" ||V|| = " + ed::f(l, 8, 4));
  wout(" V is not unitary");
  wout(" ==> Normalizing it to 1");
  warningtail00();
}

// The real remainder of x by period brought into [0, period).
real reduce(real x, real period) {
  if (x >= period) return std::fmod(x, period);
  if (x >= 0) return x;
  const real r = std::fmod(x, period);
  return r != 0 ? r + period : r;
}

}  // namespace

void trigoset() {
  static const RoutineId id{"trigoset   ", " 7.1", "15-12-2008"};
  submenuhead(id);
  wout(" Initializing /trig/ block");
  const double a = std::acos(0.0);
  const double tol = static_cast<double>(1e-5f);
  trig = {static_cast<real>(2.0 * a), static_cast<real>(a),       static_cast<real>(a / 2.0),
          static_cast<real>(a / 90.0), static_cast<real>(a - tol), static_cast<real>(a + tol)};
  wout(" Initializing /anglerad/ block");
  const real p = trig.trpi;
  anglerad = {p / 4, p / 3, p / 2, p * 3 / 4, p, p * 3 / 2, p * 2, p / 180, 180 / p};
  const AngleRad& r = anglerad;
  angleradi = {r.pio4 - 1e-5f, r.pio3 - 1e-5f, r.pio2 - 1e-5f, r.pi3o4 - 1e-5f,
               r.pi - 1e-5f,   r.pi3o2 - 1e-5f, r.twopi - 1e-5f};
  anglerads = {r.pio4 + 1e-5f, r.pio3 + 1e-5f, r.pio2 + 1e-5f, r.pi3o4 + 1e-5f,
               r.pi + 1e-5f,   r.pi3o2 + 1e-5f, r.twopi + 1e-5f};
}

real rad(real x) { return x * anglerad.dtor; }
real deg(real x) { return x * anglerad.rtod; }

void deg2rad(std::span<real> out, std::span<const real> in, int n) {
  for (int k = 0; k < n; ++k) out[at(k)] = anglerad.dtor * in[at(k)];
}

void rad2deg(std::span<real> out, std::span<const real> in, int n) {
  for (int k = 0; k < n; ++k) out[at(k)] = anglerad.rtod * in[at(k)];
}

void ll2ccn(std::span<real> x, std::span<real> y, std::span<real> z,
            std::span<const real> lon, std::span<const real> lat, int n) {
  for (int k = 0; k < n; ++k) {
    const real lo = lon[at(k)];
    const real la = lat[at(k)];
    const real c = dcos(la);
    z[at(k)] = dsin(la);
    x[at(k)] = c * dcos(lo);
    y[at(k)] = c * dsin(lo);
  }
}

void cc2lln(std::span<real> lon, std::span<real> lat,
            std::span<const real> x, std::span<const real> y, std::span<const real> z, int n) {
  for (int k = 0; k < n; ++k) {
    real vx = x[at(k)];
    real vy = y[at(k)];
    real vz = z[at(k)];
    const real s = vx * vx + vy * vy + vz * vz;
    if (std::fabs(s - 1) > 5e-5f) {
      const real l = dsqrt(s);
      if (std::fabs(l - 1) > 1e-4f) warnnotunitary(n, k + 1, vx, vy, vz, l);
      // A zero vector stays zero: it reads as longitude 0, latitude 0.
      if (l > 0) {
        vx /= l;
        vy /= l;
        vz /= l;
      }
    }
    if (vx > 0)
      lon[at(k)] = datan(vy / vx);
    else if (vx < 0)
      lon[at(k)] = vy >= 0 ? datan(vy / vx) + anglerad.pi : datan(vy / vx) - anglerad.pi;
    else
      lon[at(k)] = vy > 0 ? anglerad.pio2 : vy < 0 ? -anglerad.pio2 : 0.0f;
    // A vector used as nearly unitary may reach just beyond the pole.
    lat[at(k)] = dasin(std::clamp(vz, -1.0f, 1.0f));
  }
}

void cca2ccb(std::span<real, 3> xb, std::span<const real, 3> xa) {
  real t[3];
  for (int i = 1; i <= 3; ++i) {
    t[i - 1] = 0.0f;
    for (int j = 1; j <= 3; ++j) t[i - 1] = t[i - 1] + el(a2b.ab, i, j) * xa[at(j - 1)];
  }
  std::copy(t, t + 3, xb.begin());
}

void scalprodn(std::span<real> s, std::span<const real> ua, std::span<const real> va, int n, int m) {
  for (int k = 0; k < m; ++k) {
    s[at(k)] = 0.0f;
    for (int i = 0; i < n; ++i) s[at(k)] = s[at(k)] + ua[at(k * n + i)] * va[at(k * n + i)];
  }
}

void vecnorm(std::span<real> r, std::span<const real> v, int n, int m) {
  scalprodn(r, v, v, n, m);
  for (int k = 0; k < m; ++k) r[at(k)] = dsqrt(r[at(k)]);
}

void vecprod3d(std::span<real> wa, std::span<const real> ua, std::span<const real> va, int m) {
  for (int k = 0; k < m; ++k) {
    const auto u = ua.subspan(at(3 * k), 3);
    const auto v = va.subspan(at(3 * k), 3);
    const real t[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    std::copy(t, t + 3, wa.begin() + 3 * k);
  }
}

bool crossvanishes(std::span<const real> w, std::span<const real> u, std::span<const real> v) {
  real len[3] = {};
  vecnorm(std::span(len, 1), w, 3, 1);
  vecnorm(std::span(len + 1, 1), u, 3, 1);
  vecnorm(std::span(len + 2, 1), v, 3, 1);
  return !(len[0] > 1e-6f * len[1] * len[2]);
}

void moduri(std::span<int> out, std::span<const int> in, int p, int n) {
  for (int k = 0; k < n; ++k) {
    const int v = in[at(k)];
    if (v > p)
      out[at(k)] = v % p == 0 ? p : v % p;
    else if (v >= 1)
      out[at(k)] = v;
    else
      out[at(k)] = v % p + p;
  }
}

void modulr(std::span<real> out, std::span<const real> in, real period, int n) {
  for (int k = 0; k < n; ++k) out[at(k)] = reduce(in[at(k)], period);
}

void modulro(std::span<real> out, std::span<const real> in, real period, real origin, int n) {
  for (int k = 0; k < n; ++k) out[at(k)] = reduce(in[at(k)] - origin, period) + origin;
}
