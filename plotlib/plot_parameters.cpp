#include "plotlib/plot_parameters.h"

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "plotlib/coordinates.h"
#include "plotlib/subplot_scaling.h"

namespace {

const RoutineId splotparam2_id{"splotparam2", " 6.0", "14-05-2010"};

void initplotparams(int mode) {
  const bool open = iocom.lplotfile;
  const bool resetmaps = mode != 6 && mode != 7;
  if (resetmaps) trigoset();
  submenuhead(splotparam2_id);
  wout(" INITIALIZING PLOT PARAMETERS");
  wout(" INITIALIZING SUBPLOT SCALING");
  if (open) {
    wout("  1: CM <-> DE");
    scm2de();
  } else {
    wout("  1: CM <-> DE: untouched (plot file closed)");
  }
  wout(resetmaps ? "  2: US <-> CM" : "  2: US <-> CM unchanged");
  wout(open ? "     US <-> DE" : "     US <-> DE: untouched (plot file closed)");
  const bool asking = mode % 2 == 0;
  int isub = 1;
  if (resetmaps) {
    // Every sub-plot gets the default user-to-centimetre map, from which
    // the scaling setter derives the device map of the current one.
    const int allmode = asking ? 6 : 7;
    ssubplot(isub, allmode);
    real xcm0 = 0.0f, ycm0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
    sus2cm1(xcm0, ycm0, xx, xy, yx, yy, allmode);
  } else {
    if (open) {
      for (int k = 1; k <= maxsubplot; ++k) {
        isub = k;
        ssubplot(isub, 1);
        sus2de();
      }
    }
    ssubplot(isub, asking ? 4 : 5);
  }
}

}  // namespace

void splotparam2(int mode) {
  if (mode >= 4 && mode <= 9) initplotparams(mode);
}
