#include "stereonet/axis_symbols.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "plotlib/markers.h"
#include "plotlib/user_drawing.h"
#include "stereonet/stereo_projections.h"

DspAxBk dspaxbk;

namespace {

const RoutineId sdspaxsymb_id{"sdspaxsymb ", " 4.1", "08-10-2009"};

constexpr int linestyle = 100;
constexpr int arrowstyle = 101;
constexpr int lowesttype = -99;

// The menu codes.
namespace code {
constexpr int standard = 10;
constexpr int alternate = 20;
}  // namespace code

// Radial length of the line and arrow styles, net units.
constexpr real radial = 0.2f;
// Distance from the centre below which an axis is taken as vertical, net
// units (about 0.1 degree from the vertical): a computed vertical axis
// falls short of 90 degrees by rounding and projects about 2e-4 off the
// centre, where its radius has no direction.
constexpr real centre = 1.0e-3f;

// The direction drawn for an axis: itself, or its opposite when it points
// upwards. True when it was turned.
bool lowerhemisphere(real& az, real& pl) {
  if (!(pl < 0.0f)) return false;
  az += anglerad.pi;
  pl = -pl;
  return true;
}

// Net coordinates of one direction.
std::array<real, 2> projected(real az, real pl) {
  std::array<real, 1> x{az}, y{pl};
  spron(x, y, x, y, 1);
  return {x[0], y[0]};
}

void markers(std::span<const real> az, std::span<const real> pl, int n) {
  int saved = 0;
  ssymboltype(saved, 3);
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    real a = az[k], p = pl[k];
    int type = lowerhemisphere(a, p) ? dspaxbk.ialttype : dspaxbk.istdtype;
    ssymboltype(type, 1);
    const auto [x, y] = projected(a, p);
    const std::array<real, 1> xs{x}, ys{y};
    ussymbol(xs, ys, 1);
  }
  ssymboltype(saved, 1);
}

void radials(std::span<const real> az, std::span<const real> pl, int n, bool arrows) {
  for (int i = 0; i < n; ++i) {
    const auto k = static_cast<std::size_t>(i);
    real a = az[k], p = pl[k];
    const real d = lowerhemisphere(a, p) ? -radial : radial;
    const auto [x, y] = projected(a, p);
    const real r = std::sqrt(x * x + y * y);
    const real f = r < centre ? 1.0f : 1.0f + d / r;
    const std::array<real, 1> x1{x}, y1{y}, x2{f * x}, y2{f * y};
    if (arrows) {
      usarrow1(x1, y1, x2, y2, 1);
    } else {
      const std::array<real, 2> xs{x, f * x}, ys{y, f * y};
      usline(xs, ys, 2);
    }
  }
}

// A type outside lowesttype..arrowstyle given to be edited becomes reset.
void checktype(int& type, std::string_view name, int reset) {
  if (type >= lowesttype && type <= arrowstyle) return;
  warninghead(sdspaxsymb_id);
  sayint(name, type, 4);
  wout(" outside [ " + ed::i(lowesttype, 4) + " , " + ed::i(arrowstyle, 4) + " ]");
  say("==> RESETTING TO:");
  type = reset;
  sayint(name, type, 4);
  warningtail00();
}

void symbolmenu(int& istd, int& ialt, int mode) {
  const bool setup = mode == setmode::setup;
  for (;;) {
    submenuhead(sdspaxsymb_id);
    if (outlevel(2)) {
      wout(dashrule);
      say("STEREOPLOT AXIS SYMBOLS");
      say("Standard  symbol <-> standard hemisphere");
      say("Alternate symbol <-> opposite hemisphere");
      wout(dashrule);
      if (setup) {
        say("set up:");
      } else {
        say("currently stored:");
        sayint("standard  type =", dspaxbk.istdtype, 4);
        sayint("alternate type =", dspaxbk.ialttype, 4);
        say(std::string(21, '-'));
        say("ready to store:");
      }
      sayint("standard  type =", istd, 4);
      sayint("alternate type =", ialt, 4);
      wout(dashrule);
      say("Axis symbol ... symbol number");
      say("arrow    ................ " + ed::listi(arrowstyle));
      say("line     ................ " + ed::listi(linestyle));
      int table = 0;
      ssymboltype(table, setmode::tableonly);
      wout(dashrule);
      say("MODIFY:");
      say(" standard type ............... " + ed::listi(code::standard));
      say(" alternate type .............. " + ed::listi(code::alternate));
      say((setup ? "SET UP IS OK ==> EXIT ........ " : "STORE AND EXIT ............... ") +
          ed::listi(exitcode));
      menutail();
    }
    int code = exitcode, ierr = 0;
    inintegdef(code, ed::pad("your choice", 35), code, ierr);
    if (code == code::standard)
      inintegvindef(istd, "standard symbol type", istd, lowesttype, arrowstyle, ierr);
    if (code == code::alternate)
      inintegvindef(ialt, "alternate symbol type", ialt, lowesttype, arrowstyle, ierr);
    if (code == exitcode) return;
  }
}

}  // namespace

void dspaxfapn2(std::span<const real> az, std::span<const real> pl, int n) {
  const int s = dspaxbk.istdtype;
  if (std::abs(s) <= 99)
    markers(az, pl, n);
  else if (s == linestyle || s == arrowstyle)
    radials(az, pl, n, s == arrowstyle);
}

void sdspaxsymb(int& istd, int& ialt, int mode) {
  if (mode == setmode::askgiven || mode == setmode::setup) {
    checktype(istd, "Standard  symbol =", 1);
    checktype(ialt, "Alternate symbol =", -1);
  } else if (storedmode(mode)) {
    istd = dspaxbk.istdtype;
    ialt = dspaxbk.ialttype;
  } else if (defaultmode(mode)) {
    submenuhead(sdspaxsymb_id);
    say("INITIALIZING STEREOPLOT AXIS SYMBOLS");
    istd = 1;
    ialt = -1;
  }
  if (dialoguemode(mode)) symbolmenu(istd, ialt, mode);
  if (mode == setmode::setup) return;
  dspaxbk.istdtype = istd;
  dspaxbk.ialttype = ialt;
}
