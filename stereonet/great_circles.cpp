#include "stereonet/great_circles.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "plotlib/curve_points.h"
#include "plotlib/user_drawing.h"
#include "stereonet/stereo_projections.h"

DspGcBk dspgcbk;

namespace {

const RoutineId sdspgc_id{"sdspgc     ", " 1.1", "12-04-2000"};

// The unit half circle from angle 0 to pi in cc2dbuff, dspgcbk.npgc
// points (corrected into 1..1000 first).
void halfcircle() {
  scptnp(dspgcbk.npgc, 1);
  real pti = 0.0f, ptf = anglerad.pi;
  scptif(pti, ptf, 1);
  scptend(101, 1);
  PtBlock& p = ptblock;
  for (p.ipt = 1; p.ipt <= p.np; ++p.ipt) {
    p.pt = static_cast<real>(p.ipt - 1) * p.ptd;
    const auto i = static_cast<std::size_t>(p.ipt - 1);
    cc2dbuff.xp[i] = std::cos(p.pt);
    cc2dbuff.yp[i] = std::sin(p.pt);
  }
}

// The menu codes.
namespace code {
constexpr int points = 10;
}  // namespace code

void pointsmenu(int& np) {
  for (;;) {
    submenuhead(sdspgc_id);
    wout(dashrule);
    say("      GREAT CIRCLES PARAMETERS: ");
    wout(dashrule);
    say("nb of points to draw .........." + ed::listi(code::points) + " " + ed::listi(np));
    wout(dashrule);
    say("EXIT .........................." + ed::listi(exitcode));
    wout(dashrule);
    int code = exitcode, ierr = 0;
    inintegdefnp(code, ed::pad("your choice", 35), code, ierr);
    if (code == code::points) inintegvindef(np, "nb of pts per great circle", np, 1, mp, ierr);
    if (code == exitcode) return;
  }
}

}  // namespace

void dspgcfadn(std::span<const real> strike, std::span<const real> dip, int n) {
  halfcircle();
  const int np = ptblock.np;
  Cc3dBuff& e = cc3dbuff;
  for (std::size_t k = 0; k < static_cast<std::size_t>(n < 0 ? 0 : n); ++k) {
    // The half circle turned into the plane: its x axis along the strike,
    // its y axis down the dip.
    const real c1 = std::cos(strike[k]), s1 = std::sin(strike[k]);
    const real c2 = std::cos(dip[k]), s2 = std::sin(dip[k]);
    for (std::size_t i = 0; i < static_cast<std::size_t>(np); ++i) {
      const real x = cc2dbuff.xp[i], y = cc2dbuff.yp[i];
      e.xe[i] = c1 * x - s1 * c2 * y;
      e.ye[i] = s1 * x + c1 * c2 * y;
      e.ze[i] = s2 * y;
    }
    cc2lln(e.xe, e.ye, e.xe, e.ye, e.ze, np);
    spron(e.xe, e.ye, e.xe, e.ye, np);
    usline(e.xe, e.ye, np);
  }
}

void sdspgc(int& np, int mode) {
  if (storedmode(mode)) {
    np = dspgcbk.npgc;
  } else if (defaultmode(mode)) {
    submenuhead(sdspgc_id);
    say("INITIALIZING GREAT CIRCLE PARAMETERS");
    np = 40;
  }
  if (dialoguemode(mode)) pointsmenu(np);
  dspgcbk.npgc = np;
}
