#include "plotlib/coordinates.h"

#include <algorithm>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/error_stops.h"
#include "dialogue/setter_modes.h"
#include "dialogue/value_checks.h"
#include "plotlib/window_pages.h"

namespace {

const RoutineId ssubplot_id{"ssubplot   ", "    ", "          "};
const RoutineId minv2d_id{"minv2d     ", "    ", "          "};

const std::string boxrule = " |-----------------------------------|";

std::size_t current() { return subindex(currentsub()); }

// The sub-plot box of the even modes: the current number and the one
// being switched to, with its title (blank for a number out of range).
void subplotbox(int isub) {
  const bool known = isub >= 1 && isub <= maxsubplot;
  submenuhead(ssubplot_id);
  wout(" |             SUBPLOTS              |");
  wout(boxrule);
  wout(" |max nb .......... " + ed::i(maxsubplot, 2));
  wout(" |last used ....... " + ed::i(plt1blk.isub, 2));
  wout(boxrule);
  wout(" |      SWITCHING TO SUBPLOT:         ");
  wout(boxrule);
  wout(" |number .......... " + ed::i(isub, 2));
  wout(" |name ............ " + ed::pad(known ? pltcharblk.subplotitle[subindex(isub)] : "", 20));
  menutail();
}

// p' := c + m p for the first n points (within the arrays).
void affine(std::span<real> xo, std::span<real> yo, std::span<const real> xi,
            std::span<const real> yi, int n, const Vec2& c, const Mat22& m) {
  const std::size_t count =
      std::min({static_cast<std::size_t>(std::max(n, 0)), xo.size(), yo.size(), xi.size(), yi.size()});
  for (std::size_t i = 0; i < count; ++i) {
    const real x = xi[i], y = yi[i];
    xo[i] = c[0] + el(m, 1, 1) * x + el(m, 1, 2) * y;
    yo[i] = c[1] + el(m, 2, 1) * x + el(m, 2, 2) * y;
  }
}

}  // namespace

void ssubplot(int& isub, int mode) {
  for (;;) {
    if (storedmode(mode)) {
      isub = plt1blk.isub;
    } else if (defaultmode(mode) || allsubplotmode(mode)) {
      submenuhead(ssubplot_id);
      isub = 1;
      wout(" INITIALISING SUBPLOT = " + ed::i(isub, 2));
    }
    if (dialoguemode(mode)) subplotbox(isub);
    int ierr = 0;
    cinvin(isub, 1, maxsubplot, ssubplot_id.name, "subplot nb.", ierr);
    if (ierr == 0) break;
    mode = 4;  // going on after a number out of range selects sub-plot 1
  }
  plt1blk.isub = isub;
}

void scm2de() {
  for (Vec2& c : plt1blk.cm0tode) c = {0.0f, 0.0f};
  const real s = pagepxpercm(windevsize);
  plt1blk.cmscale = s;
  plt1blk.cmtode = {s, 0.0f, 0.0f, s};
}

void sus2de() {
  const std::size_t k = current();
  Mat22 b = plt1blk.ustocm[k];
  Vec2 c = plt1blk.us0tocm[k];
  m22x21(c, plt1blk.cmtode, c);
  vsum(c, c, plt1blk.cm0tode[k], 2);
  m22x22(b, plt1blk.cmtode, b);
  plt1blk.us0tode[k] = c;
  plt1blk.ustode[k] = b;
}

void scm2us() {
  const std::size_t k = current();
  Mat22 b = plt1blk.ustocm[k];
  Vec2 c = plt1blk.us0tocm[k];
  if (!minv2d(b, b)) return;
  m22x21(c, b, c);
  plt1blk.cm0tous[k] = {-c[0], -c[1]};
  plt1blk.cmtous[k] = b;
}

void us2de(std::span<real> xde, std::span<real> yde, std::span<const real> xu,
           std::span<const real> yu, int n) {
  const std::size_t k = current();
  affine(xde, yde, xu, yu, n, plt1blk.us0tode[k], plt1blk.ustode[k]);
}

void cm2de(std::span<real> xde, std::span<real> yde, std::span<const real> xcm,
           std::span<const real> ycm, int n) {
  affine(xde, yde, xcm, ycm, n, plt1blk.cm0tode[current()], plt1blk.cmtode);
}

void cm2us(std::span<real> xu, std::span<real> yu, std::span<const real> xcm,
           std::span<const real> ycm, int n) {
  const std::size_t k = current();
  affine(xu, yu, xcm, ycm, n, plt1blk.cm0tous[k], plt1blk.cmtous[k]);
}

void m22x21(Vec2& a, const Mat22& b, const Vec2& c) {
  const Vec2 product{el(b, 1, 1) * c[0] + el(b, 1, 2) * c[1], el(b, 2, 1) * c[0] + el(b, 2, 2) * c[1]};
  a = product;
}

void m22x22(Mat22& a, const Mat22& b, const Mat22& c) {
  Mat22 product{};
  for (int i = 1; i <= 2; ++i)
    for (int j = 1; j <= 2; ++j) el(product, i, j) = el(b, i, 1) * el(c, 1, j) + el(b, i, 2) * el(c, 2, j);
  a = product;
}

void vsum(std::span<real> w, std::span<const real> u, std::span<const real> v, int n) {
  const std::size_t count =
      std::min({static_cast<std::size_t>(std::max(n, 0)), w.size(), u.size(), v.size()});
  for (std::size_t i = 0; i < count; ++i) w[i] = u[i] + v[i];
}

real determinant(const Mat22& b) { return el(b, 1, 1) * el(b, 2, 2) - el(b, 1, 2) * el(b, 2, 1); }

bool minv2d(Mat22& a, const Mat22& b) {
  const real det = determinant(b);
  if (det == 0.0f) {
    errorhead(minv2d_id);
    wout(" det(B) = " + ed::g(det, 15, 3));
    wout(" b(1,1) = " + ed::g(el(b, 1, 1), 15, 3) + " b(1,2) = " + ed::g(el(b, 1, 2), 15, 3));
    wout(" b(2,1) = " + ed::g(el(b, 2, 1), 15, 3) + " b(2,2) = " + ed::g(el(b, 2, 2), 15, 3));
    wout(" => Cannot Invert B");
    errorstop(1);
    return false;
  }
  a = {el(b, 2, 2) / det, -el(b, 2, 1) / det, -el(b, 1, 2) / det, el(b, 1, 1) / det};
  return true;
}
