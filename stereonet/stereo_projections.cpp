#include "stereonet/stereo_projections.h"

#include <cmath>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"

SprojType sprojtype;
SchmidtParams schmidtparams;
WulfParams wulfparams;

namespace {

const RoutineId sspro_id{"sspro      ", " 5.3", "07-10-2009"};
const RoutineId spron_id{"spron      ", " 2.4", "07-10-2009"};
const RoutineId sschmidt_id{"sschmidt   ", "1.20", "06-01-99  "};
const RoutineId swulf_id{"swulf      ", " 1.3", "07-10-2009"};

// The projection numbers, as the menu offers them.
namespace proj {
constexpr int wulff = 1;
constexpr int wulffretrograde = 2;
constexpr int schmidt = 3;
constexpr int schmidtretrograde = 4;
}  // namespace proj
constexpr int defaultprojection = proj::schmidtretrograde;

// The report of a projection number that names no projection; width is
// the field of the number.
void noprojection(const RoutineId& id, int iproj, int width) {
  errorhead(id);
  wout(" iproj =  " + ed::i(iproj, width));
  say("NO SUCH PROJECTION AVALAIBLE");
  errortail00();
}

void projectionmenu(int iproj) {
  static const char* const picture[] = {
      "          &&&&&&&&&&&&&             ", "           &&&&&&&&&&&              ",
      "             &&&&&#&                ", "               &&& .                ",
      "                    .               ", "     /***************.*************/",
      "    /                 .           / ", "   /                  |          /  ",
      "  /                   V         /   ", " /                    #        /    ",
      "/*****************************/     "};
  submenuhead(sspro_id);
  say("STEREOGRAPHIC PROJECTION SET UP");
  say("(azimuth,plunge) ---> (x,y) in plane");
  wout(dashrule);
  for (const char* row : picture) say(row);
  wout(dashrule);
  wout(" current projection number = " + ed::i(iproj, 4));
  wout(dashrule);
  say("Projection                   command");
  say("Wulff = conformal = Inversion");
  say("   direct     X,Y axis ............" + ed::listi(proj::wulff));
  say("   retrograde X,Y axis ............" + ed::listi(proj::wulffretrograde));
  say("Schmidt = Lambert Azimuthal equal area");
  say("   direct     X,Y axis ............" + ed::listi(proj::schmidt));
  say("   retrograde X,Y axis ............" + ed::listi(proj::schmidtretrograde));
  menutail();
}

// Direct-axes projection of n directions with the radius function r(d)
// of the angular distance d from the downward vertical, d at most dmax.
template <typename Radius>
void project(std::span<real> first, std::span<real> second, std::span<const real> az,
             std::span<const real> pl, int n, real dmax, Radius r) {
  for (int k = 0; k < n; ++k) {
    const auto i = static_cast<std::size_t>(k);
    const real a = az[i];
    real d = anglerad.pio2 - pl[i];
    if (d > dmax) d = dmax;
    const real radius = r(d);
    first[i] = radius * std::cos(a);
    second[i] = radius * std::sin(a);
  }
}

// The common course of sschmidt and swulf, up to storing dmax.
void setbound(real& dmax, int mode, const RoutineId& id, std::string_view title,
              std::string_view subtitle) {
  if (defaultmode(mode) || allsubplotmode(mode)) {
    submenuhead(id);
    say("INITIALIZING " + std::string(title));
    say(subtitle);
    dmax = 180.0f;
  }
  if (dialoguemode(mode)) {
    submenuhead(id);
    say(title);
    say(subtitle);
    menutail();
  }
}

}  // namespace

void sspro(int& iproj, int mode) {
  if (storedmode(mode)) {
    iproj = sprojtype.iproj;
  } else if (defaultmode(mode) || allsubplotmode(mode)) {
    iproj = defaultprojection;
    submenuhead(sspro_id);
    say("INITIALIZING STEREOGRAPHIC PROJECTION");
    wout(" projection number = " + ed::i(iproj, 4));
    say("projection = Schmidt, retrograde X,Y axis");
  }
  for (bool ask = dialoguemode(mode);; ask = true) {
    if (ask) {
      projectionmenu(iproj);
      int ierr = 0;
      inintegvindef(iproj, "projection number   ", iproj, proj::wulff, proj::schmidtretrograde,
                    ierr);
    }
    sprojtype.iproj = iproj;
    real dmax = 0.0f;
    if (iproj == proj::wulff || iproj == proj::wulffretrograde) return swulf(dmax, 5);
    if (iproj == proj::schmidt || iproj == proj::schmidtretrograde) return sschmidt(dmax, 5);
    noprojection(sspro_id, iproj, 4);
  }
}

void spron(std::span<real> x, std::span<real> y, std::span<const real> az,
           std::span<const real> pl, int n) {
  for (;;) {
    switch (sprojtype.iproj) {
      case proj::wulff: return wulfn(x, y, az, pl, n);
      case proj::wulffretrograde: return wulfn(y, x, az, pl, n);
      case proj::schmidt: return schmidtn(x, y, az, pl, n);
      case proj::schmidtretrograde: return schmidtn(y, x, az, pl, n);
    }
    noprojection(spron_id, sprojtype.iproj, 5);
    int iproj = defaultprojection;
    sspro(iproj, 0);
  }
}

void schmidtn(std::span<real> first, std::span<real> second, std::span<const real> az,
              std::span<const real> pl, int n) {
  const real factor = schmidtparams.rfactor;
  project(first, second, az, pl, n, schmidtparams.dmax,
          [factor](real d) { return std::sin(d / 2.0f) * factor; });
}

void wulfn(std::span<real> first, std::span<real> second, std::span<const real> az,
           std::span<const real> pl, int n) {
  project(first, second, az, pl, n, wulfparams.dmax, [](real d) { return std::tan(d / 2.0f); });
}

void sschmidt(real& dmax, int mode) {
  setbound(dmax, mode, sschmidt_id, "SCHMIDT PROJECTION", "Azimuthal Equal Area (Lambert,1772)");
  schmidtparams.dmax = rad(dmax);
  schmidtparams.rfactor = std::sqrt(2.0f);
}

void swulf(real& dmax, int mode) {
  setbound(dmax, mode, swulf_id, "WULFF PROJECTION", "Inversion or stereographic conformal");
  wulfparams.dmax = rad(dmax);
}
