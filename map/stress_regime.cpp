#include "map/stress_regime.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/value_checks.h"

namespace {

const RoutineId siap2sv_id{"siap2sv    ", " 1.0", "10-07-2002"};

// Absolute plunge a of axis i of datum k, brought back to pi/2 + 1e-5 with
// an error report when it is steeper than that.
void checkplunge(real& a, int i, int k) {
  int ierr = 0;
  crevin2("plunge", a, 0.0f, anglerads.pio2s, "siap2sv", 1, ierr);
  if (ierr == 0) return;
  errorhead(siap2sv_id);
  say("Out of range plunge for");
  sayint("iSi     =", i, 10);
  sayint("data nb =", k, 10);
  errortail00();
}

}  // namespace

void siap2sv(std::span<real> azshmax, std::span<int> isv, std::span<const real> az1,
             std::span<const real> pl1, std::span<const real> az2, std::span<const real> pl2,
             std::span<const real> az3, std::span<const real> pl3, real threshold, int n) {
  for (int k = 1; k <= n; ++k) {
    const auto j = static_cast<std::size_t>(k - 1);
    std::array<real, 3> a{std::fabs(pl1[j]), std::fabs(pl2[j]), std::fabs(pl3[j])};
    for (int i = 1; i <= 3; ++i) checkplunge(a[static_cast<std::size_t>(i - 1)], i, k);

    // Steepest and flattest axis; strict comparisons keep the lower index
    // on equal plunges.
    int iv = 0, ishmax = 0;
    real amax = 0.0f, amin = 2.0f;
    for (int i = 1; i <= 3; ++i) {
      const real ai = a[static_cast<std::size_t>(i - 1)];
      if (ai > amax) iv = i, amax = ai;
      if (ai < amin) ishmax = i, amin = ai;
    }

    if (ishmax == 1) {
      azshmax[j] = az1[j];
    } else if (ishmax == 2 && iv == 1) {
      azshmax[j] = az2[j];
    } else if (ishmax == 2 && iv == 3) {
      azshmax[j] = az2[j] + anglerad.pio2;
    } else if (ishmax == 3) {
      azshmax[j] = az3[j] + anglerad.pio2;
    } else {  // only plunges that are not numbers come here
      errorhead(siap2sv_id);
      say("Out of range value");
      sayint("iShmax  =", ishmax, 10);
      sayint("iSv     =", iv, 10);
      sayint("data nb =", k, 10);
      errortail00();
    }
    isv[j] = amax < threshold ? -iv : iv;
  }
  na2pin(azshmax, azshmax, n);
}

void na2pin(std::span<real> out, std::span<const real> in, int n) {
  modulr(out, in, anglerad.twopi, n);
}
