#include "plotlib/user_drawing.h"

#include <algorithm>
#include <array>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "plotlib/coordinates.h"
#include "plotlib/device_drawing.h"
#include "plotlib/plot_records.h"

namespace {

const RoutineId buffer2_id{"buffer2    ", " 2.3", "16-03-2009"};
const RoutineId uspolygon_id{"uspolygon  ", " 3.1", "16-03-2009"};

// The number of points to draw: n, but no more than the arrays hold.
int pointcount(std::span<const real> x, std::span<const real> y, int n) {
  return std::min({n, static_cast<int>(x.size()), static_cast<int>(y.size())});
}

// Fills the plot buffer with the next piece of the points, from index is
// on, in device pixels. False when there was nothing to copy.
bool nextpiece(std::span<const real> x, std::span<const real> y, int n, int& is, int& nbuff) {
  nbuff = 0;
  buffer2(pltbuff1.xdevbuff, pltbuff1.ydevbuff, mbuff, nbuff, x, y, n, is);
  us2de(pltbuff1.xdevbuff, pltbuff1.ydevbuff, pltbuff1.xdevbuff, pltbuff1.ydevbuff, nbuff);
  return nbuff > 0;
}

}  // namespace

void buffer2(std::span<real> xbuf, std::span<real> ybuf, int mbuff, int& nbuff,
             std::span<const real> x, std::span<const real> y, int n, int& is) {
  if (is > n) {
    errorhead(buffer2_id);
    wout(" is =  " + ed::listi(is) + "  > nx = " + ed::listi(n));
    wout(" attempt to read past array");
    errortail00();
    return;
  }
  int last = is + mbuff - 1;
  nbuff = mbuff;
  if (last > n) {
    nbuff = n - is + 1;
    last = n;
  }
  const auto from = static_cast<std::size_t>(is - 1);
  const auto count = static_cast<std::size_t>(nbuff);
  std::copy_n(x.begin() + static_cast<std::ptrdiff_t>(from), count, xbuf.begin());
  std::copy_n(y.begin() + static_cast<std::ptrdiff_t>(from), count, ybuf.begin());
  is = last;
}

void usline(std::span<const real> x, std::span<const real> y, int n) {
  n = pointcount(x, y, n);
  int is = 1, nbuff = 0;
  do {
    if (!nextpiece(x, y, n, is, nbuff)) return;
    deline(pltbuff1.xdevbuff, pltbuff1.ydevbuff, nbuff);
  } while (is < n);
}

void uspolygon(std::span<const real> x, std::span<const real> y, int n) {
  n = pointcount(x, y, n);
  int is = 1, nbuff = 0;
  for (;;) {
    if (!nextpiece(x, y, n, is, nbuff)) return;
    depolygon(pltbuff1.xdevbuff, pltbuff1.ydevbuff, nbuff);
    if (is >= n) return;
    warninghead(uspolygon_id);
    wout(" Polygone vertices = " + ed::listi(n));
    wout(" Plot buffer size  = " + ed::listi(mbuff));
    wout(" ==> Decomposing in smaller polygons");
    warningtail00();
  }
}

void usplot(real x, real y, int ipen) {
  std::array<real, 1> xd{x}, yd{y};
  us2de(xd, yd, xd, yd, 1);
  deplot(xd[0], yd[0], ipen);
}

void ustext2(real x, real y, std::string_view text) {
  std::array<real, 1> xd{x}, yd{y};
  us2de(xd, yd, xd, yd, 1);
  detext2(xd[0], yd[0], text);
}

void cmtext2(real x, real y, std::string_view text) {
  std::array<real, 1> xd{x}, yd{y};
  cm2de(xd, yd, xd, yd, 1);
  detext2(xd[0], yd[0], text);
}

void usarrow1(std::span<const real> x1, std::span<const real> y1, std::span<const real> x2,
              std::span<const real> y2, int n) {
  const std::size_t count = std::min({static_cast<std::size_t>(std::max(n, 0)), x1.size(),
                                      y1.size(), x2.size(), y2.size()});
  for (std::size_t i = 0; i < count; ++i) {
    const real dx = 0.6f * (x2[i] - x1[i]);
    const real dy = 0.6f * (y2[i] - y1[i]);
    const real bx = x1[i] + dx, by = y1[i] + dy;
    const real sx = 0.25f * -dy, sy = 0.25f * dx;  // from the base to the left corner
    const std::array<real, 2> shaftx{x1[i], bx}, shafty{y1[i], by};
    usline(shaftx, shafty, 2);
    const std::array<real, 4> headx{bx + sx, bx - sx, x2[i], bx + sx};
    const std::array<real, 4> heady{by + sy, by - sy, y2[i], by + sy};
    usline(headx, heady, 4);
  }
}
