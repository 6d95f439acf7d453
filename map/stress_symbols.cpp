#include "map/stress_symbols.h"

#include <algorithm>
#include <array>
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
#include "dialogue/value_checks.h"
#include "map/plane_shapes.h"
#include "plotlib/coordinates.h"
#include "plotlib/markers.h"
#include "plotlib/user_drawing.h"

MapShPar mapshpar;

namespace {

const RoutineId smapsh2_id{"smapsh2    ", " 1.0", "17-04-2006"};
const RoutineId dmapsh2_id{"dmapsh2    ", " 5.0", "23-11-2009"};

constexpr MapShPar defaults{0.4f, 0.13f, -1, 0};

const std::string rule30(30, '-');

// The menu codes.
namespace code {
constexpr int majorsize = 10;  // size of the major symbol
constexpr int minorsize = 20;  // size of the minor symbol
constexpr int epicentre = 30;  // marker type of the epicentre
constexpr int shtype = 40;     // which horizontal stresses are drawn
}  // namespace code

std::string shown(real v) { return ed::f(v, 10, 3); }
std::string shown(int v) { return ed::i(v, 6); }

// A value given that fails its check: the warning, and value := good.
template <typename T>
void resetvalue(std::string_view label, T& value, T good) {
  warninghead(smapsh2_id);
  say(std::string(label) + " " + shown(value));
  say("==> RESET TO:");
  value = good;
  say(std::string(label) + " " + shown(value));
  warningtail00();
}

void checkvalues(MapShPar& p) {
  if (!(p.sizmaxa > 0)) resetvalue("sizmaxa =", p.sizmaxa, 0.4f);
  if (!(p.sizmina > 0)) resetvalue("sizmina =", p.sizmina, 0.2f);
  if (p.isha < -2 || p.isha > 2) resetvalue("isha =", p.isha, 0);
}

void showmenu(const MapShPar& p) {
  submenuhead(smapsh2_id);
  wout(dashrule);
  say("Sh MAP PARAMETERS :");
  wout(dashrule);
  say(rule30);
  say("Major size ................" + ed::listi(code::majorsize) + " " + shown(p.sizmaxa));
  say("Minor size ................" + ed::listi(code::minorsize) + " " + shown(p.sizmina));
  say("Epicenter type ............" + ed::listi(code::epicentre) + " " + shown(p.iepia));
  say("Sh type ..................." + ed::listi(code::shtype) + " " + shown(p.isha));
  say(rule30);
  say("EXIT .........................." + ed::listi(exitcode));
  menutail();
}

void menu(MapShPar& p) {
  for (;;) {
    showmenu(p);
    int icode = exitcode, ierr = 0;
    inintegdef(icode, "your choice", icode, ierr);
    switch (icode) {
      case code::majorsize:
        inrealvindef(p.sizmaxa, "Major size", p.sizmaxa, 0.0f, 100.0f, ierr);
        break;
      case code::minorsize:
        inrealvindef(p.sizmina, "Minor size", p.sizmina, 0.0f, 100.0f, ierr);
        break;
      case code::epicentre:
        say(rule30);
        for (const char* line : {"epicenter type:", "0 => no plot", "else = symbol #"}) say(line);
        say(rule30);
        inintegdef(p.iepia, "Epicenter type", p.iepia, ierr);
        break;
      case code::shtype:
        say(rule30);
        for (const char* line : {"Sh type:", "-2 => Shmin only", "-1 => Shmin + Shmax small",
                                 "0  => Shmin + Shmax", "+1 => Shmax + Shmin small",
                                 "+2 => Shmax only"})
          say(line);
        say(rule30);
        inintegvindef(p.isha, "Sh type", p.isha, -2, 2, ierr);
        break;
      case exitcode:
        return;
    }
  }
}

// A shape of at most 7 vertices.
struct Shape {
  std::array<real, 7> x{}, y{};
  int n = 0;
};

Shape scaled(const Shape& s, real k) {
  Shape out = s;
  homot02d1(out.x, out.y, s.x, s.y, s.n, k);
  return out;
}

// The shape moved by (dx, dy), turned by a about (xc, yc) and drawn, then
// turned by pi more and drawn again: the pair on both sides of the centre.
void drawpair(const Shape& s, real dx, real dy, real xc, real yc, real a) {
  Shape w = s;
  transl2d1(w.x, w.y, s.x, s.y, s.n, dx, dy);
  rot2daff(w.x, w.y, w.x, w.y, w.n, xc, yc, a);
  uspolygon(w.x, w.y, w.n);
  rot2daff(w.x, w.y, w.x, w.y, w.n, xc, yc, anglerad.pi);
  uspolygon(w.x, w.y, w.n);
}

// An index of the vertical axis that names no axis: bars are drawn.
void warnisv(int i, int isv, std::string_view pass) {
  warninghead(dmapsh2_id);
  say("data nb = " + ed::i(i, 4));
  say("isv     = " + ed::i(isv, 4));
  say("isv outside [1,3]");
  say("=> will plot bars for " + std::string(pass));
  warningtail00();
}

}  // namespace

void smapsh2(real& sizmaxa, real& sizmina, int& iepia, int& isha, int mode) {
  MapShPar p{sizmaxa, sizmina, iepia, isha};
  if (storedmode(mode)) {
    p = mapshpar;
  } else if (defaultmode(mode)) {
    submenuhead(smapsh2_id);
    say("INITIALIZING Sh MAP PARAMETERS");
    p = defaults;
  } else {
    checkvalues(p);
  }
  if (dialoguemode(mode)) menu(p);
  sizmaxa = p.sizmaxa, sizmina = p.sizmina, iepia = p.iepia, isha = p.isha;
  mapshpar = p;
}

void dmapsh2(std::span<const real> x, std::span<const real> y, std::span<const real> az,
             std::span<const int> isv, int n) {
  const MapShPar p = mapshpar;
  real savedsize = 0.0f, size = p.sizmaxa;
  int savedtype = 0, type = p.iepia;
  ssymbolsize(savedsize, 3);
  ssymboltype(savedtype, 3);
  ssymbolsize(size, 1);
  ssymboltype(type, 1);
  if (p.iepia != 0) ussymbol(x, y, n);

  // Lengths: 1 cm along the page's x axis in user units, then the full
  // and the small symbol length.
  const std::array<real, 2> xcm{0.0f, 1.0f}, ycm{0.0f, 0.0f};
  std::array<real, 2> xu{}, yu{};
  cm2us(xu, yu, xcm, ycm, 2);
  const real u = std::sqrt((xu[1] - xu[0]) * (xu[1] - xu[0]) + (yu[1] - yu[0]) * (yu[1] - yu[0]));
  const real full = 5.0f * u * p.sizmaxa, small = 5.0f * u * p.sizmina;

  Shape bar, arrow;
  rectangle1(bar.x, bar.y, bar.n, 4);
  arrow2d(arrow.x, arrow.y, arrow.n, 7);
  int ierr = 0;
  cinmax(std::max(bar.n, arrow.n), 7, "dmapsh2", "shsymb array dimension", ierr);
  const Shape smallbar = scaled(bar, small), fullbar = scaled(bar, full);
  const Shape smallarrow = scaled(arrow, small), fullarrow = scaled(arrow, full);
  const real gap = 0.2f * full;  // between the epicentre and every shape

  // SHmax: arrows pointing at the epicentre along S1, bars along S2.
  if (p.isha != -2) {
    const bool issmall = p.isha == -1;
    for (int i = 0; i < n; ++i) {
      const auto k = static_cast<std::size_t>(i);
      const Shape* s = issmall ? &smallbar : &fullbar;
      if (isv[k] == 2 || isv[k] == 3)
        s = issmall ? &smallarrow : &fullarrow;
      else if (isv[k] != 1)
        warnisv(i + 1, isv[k], "Shmax");
      drawpair(*s, x[k] + gap, y[k], x[k], y[k], anglerad.pio2 - az[k]);
    }
  }

  // Shmin: arrows pointing away from the epicentre along S3, bars along S2.
  if (p.isha != 2) {
    const bool issmall = p.isha == 1;
    for (int i = 0; i < n; ++i) {
      const auto k = static_cast<std::size_t>(i);
      if (isv[k] == 1 || isv[k] == 2) {
        const real dx = issmall ? x[k] - gap - small : x[k] - 1.2f * full;
        drawpair(issmall ? smallarrow : fullarrow, dx, y[k], x[k], y[k], -az[k]);
      } else {
        if (isv[k] != 3) warnisv(i + 1, isv[k], "Shmin");
        drawpair(issmall ? smallbar : fullbar, x[k] + gap, y[k], x[k], y[k], -az[k]);
      }
    }
  }

  ssymbolsize(savedsize, 1);
  ssymboltype(savedtype, 1);
}
