#include "stereonet/mechanism_pages.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/number_text.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "plotlib/coordinates.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "plotlib/plot_parameters.h"
#include "plotlib/subplot_scaling.h"
#include "plotlib/user_drawing.h"
#include "plotlib/window_pages.h"
#include "stereonet/axis_symbols.h"
#include "stereonet/great_circles.h"
#include "stereonet/principal_axes.h"
#include "stereonet/stereo_frame.h"
#include "stereonet/stereo_projections.h"

namespace {

const RoutineId fpsbchbll_id{"fpsbchbll  ", " 7.0", "01-05-2010"};
const RoutineId fpsseis3_id{"fpsseis    ", " 4.0", "24-03-2010"};

// The codes of the set-up menu besides those of the plot window.
namespace code {
constexpr int projection = 300;
constexpr int symbols = 310;
}  // namespace code

constexpr int netsperpage = 20;
constexpr int netspercolumn = 5;
// Distance between the centres of neighbouring nets, in net radii.
constexpr real netspacing = 3.0f;

// Standard and alternate symbol type of each of the three axes drawn.
using AxisSymbols = std::array<std::array<int, 2>, 3>;
const AxisSymbols initialsymbols{{{1, -1}, {4, -4}, {3, -3}}};

// The user-to-centimetre map of a net: its centre (cm on the page) and the
// cm per net unit, in the matrix form of the sub-plot scaling.
struct NetPlace {
  real xcm0 = 0.0f, ycm0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
};
const NetPlace initialplace{4.0f, 4.0f, 1.5f, 0.0f, 0.0f, 1.5f};

// What each plot keeps for the whole run, from its initialisation on.
struct BchbllKept {
  std::string plotname;
  real symbolsize = 0.0f;  // cm
  NetPlace place;          // the lower-left net of a page
  AxisSymbols ipbtsymb{};  // P, B, T
};
BchbllKept bchbll;

struct Seis3Kept {
  std::string plotname;
  AxisSymbols ipbtsymb{};  // s1, s2, s3
};
Seis3Kept seis3;

struct Events {
  std::span<const real> azd1, dipd1, rakd1, azd2, dipd2, rakd2;
  std::span<const EventLabel> label0;
};

// The attributes fpsbchbll changes and gives back at its exit.
struct SavedAttributes {
  real symbolsize = 0.0f, txtheight = 0.0f;
  int ijust = 0;
};

SavedAttributes saveattributes() {
  SavedAttributes s;
  ssymbolsize(s.symbolsize, 3);
  stextsize(s.txtheight, 3);
  stextalign(s.ijust, 3);
  return s;
}

void restoreattributes(SavedAttributes s) {
  ssymbolsize(s.symbolsize, 1);
  stextsize(s.txtheight, 1);
  stextalign(s.ijust, 1);
}

void setalign(int ijust) { stextalign(ijust, 1); }

// How a plot differs in its menu.
struct Driver {
  const RoutineId& id;
  const std::string& plotname;
  AxisSymbols& symbols;
  std::array<std::string_view, 3> axisnames;
  std::optional<bool> radians;  // shown in the menu when set
  NetPlace& scaled;             // receives the answers of the scaling dialogue
  std::function<void()> opened;  // after the plot itself opened the window
  std::function<void()> leave;   // at the exit code
  std::function<void()> run;
};

void showmenu(const Driver& d, int nmax, int n) {
  const std::string rule32(32, '-');
  submenuhead(d.id);
  if (!outlevel(2)) return;
  wout(dashrule);
  say("SET UP:");
  say(rule32);
  say("DATA:");
  say("maximum nb of data = " + ed::i(nmax, 6));
  say("current nb of data = " + ed::i(n, 6));
  if (d.radians) say("angles in radians  : " + ed::l(*d.radians, 1));
  say(rule32);
  setupplotlines(d.plotname);
  say("close file = end plot ........" + ed::listi(setupcode::close));
  say("stereo type.................." + ed::listi(code::projection));
  say("symbol types ................" + ed::listi(code::symbols));
  wout(dashrule);
  say("RUN = PLOT FPS ............." + ed::listi(setupcode::run));
  say("EXIT ........................." + ed::listi(exitcode));
  menutail();
}

// The symbol pair of each axis, edited in the plot's own table.
void choosesymbols(const Driver& d) {
  const std::string colons(43, ':');
  for (std::size_t i = 0; i < 3; ++i) {
    say(colons);
    say(ed::pad("choose symbols for " + std::string(d.axisnames[i]), 35));
    say(colons);
    sdspaxsymb(d.symbols[i][0], d.symbols[i][1], setmode::setup);
  }
}

void scaling(const Driver& d, int isub) {
  const std::string rule(31, '=');
  ssubplot(isub, 1);
  say(rule);
  say(" SCALING FOR LOWER LEFT STEREO ");
  say(rule);
  // A scaling that cannot be inverted (never set: all zeros) would stop the
  // run once kept with the window open: the sub-plot first gets the nets'
  // initial place.
  if (!invertiblescaling()) {
    NetPlace first = initialplace;
    sus2cm1(first.xcm0, first.ycm0, first.xx, first.xy, first.yx, first.yy, 1);
  }
  NetPlace& p = d.scaled;
  sus2cm1(p.xcm0, p.ycm0, p.xx, p.xy, p.yx, p.yy, 2);
}

void menuloop(const Driver& d, int nmax, int n, int isub) {
  for (;;) {
    showmenu(d, nmax, n);
    int code = exitcode, ierr = 0;
    inintegdef(code, ed::pad("your choice", 35), code, ierr);
    if (plotwindowcode(code, d.plotname)) {
      d.opened();
    } else if (code == exitcode) {
      d.leave();
      return;
    }
    if (code == setupcode::scaling) {
      scaling(d, isub);
    } else if (code == setupcode::parameters) {
      splotparam2(0);
    } else if (code == code::projection) {
      int iproj = 1;
      sspro(iproj, 2);
    } else if (code == code::symbols) {
      choosesymbols(d);
    } else if (code == setupcode::run) {
      d.run();
    }
  }
}

// Makes net k of a layout (0 the lower-left one) the origin of the current
// sub-plot: columns of netspercolumn nets from the bottom up, left to right.
void placenet(const NetPlace& first, int k) {
  NetPlace p = first;
  p.xcm0 = first.xcm0 + netspacing * first.xx * static_cast<real>(k / netspercolumn);
  p.ycm0 = first.ycm0 + netspacing * first.yy * static_cast<real>(k % netspercolumn);
  sus2cm1(p.xcm0, p.ycm0, p.xx, p.xy, p.yx, p.yy, 1);
}

using AxesOfPlane = void (*)(std::span<real, 3>, std::span<real, 3>, real, real, real, real);

// The net of event j (0-based) at the origin of the current sub-plot: frame,
// label below, both nodal planes, and the three axes computed from each
// plane, each axis with its own symbol pair.
void drawnet(const Events& ev, std::size_t j, bool degrees, AxesOfPlane axes,
             const AxisSymbols& symbols) {
  repstereo();
  ustext2(0.0f, -1.2f, ev.label0[j].view());
  auto radians = [&](std::span<const real> column) { return degrees ? rad(column[j]) : column[j]; };
  const std::array<real, 2> azr{radians(ev.azd1), radians(ev.azd2)};
  const std::array<real, 2> dipr{radians(ev.dipd1), radians(ev.dipd2)};
  const std::array<real, 2> rakr{radians(ev.rakd1), radians(ev.rakd2)};
  dspgcfadn(azr, dipr, 2);
  for (std::size_t m = 0; m < 2; ++m) {
    std::array<real, 3> azsr{}, plsr{};
    axes(azsr, plsr, azr[m], dipr[m], rakr[m], 0.0f);
    for (std::size_t i = 0; i < 3; ++i) {
      int istd = symbols[i][0], ialt = symbols[i][1];
      sdspaxsymb(istd, ialt, 1);
      dspaxfapn2(std::span(azsr).subspan(i, 1), std::span(plsr).subspan(i, 1), 1);
    }
  }
}

// word1 a word2 b, each number with exactly its digits, in 35 characters.
std::string caption(std::string_view word1, int a, std::string_view word2, int b) {
  auto digits = [](int v) {
    std::string c(35, ' ');
    int nchar = 0;
    intg2char(c, nchar, 35, v);
    return c.substr(0, static_cast<std::size_t>(nchar));
  };
  return ed::pad(std::string(word1) + digits(a) + std::string(word2) + digits(b), 35);
}

void runbchbll(const Events& ev, int n, int isub, bool degrees) {
  int istyle = 1;
  sfillstyle(istyle, 5);
  int npgc = 40;
  sdspgc(npgc, 1);
  ssubplot(isub, 1);
  const int npages = n / netsperpage + (n % netsperpage != 0 ? 1 : 0);
  for (int p = 1; p <= npages; ++p) {
    if (p > 1) newpage();
    real size = bchbll.symbolsize, height = 0.4f, angle = 0.0f;
    ssymbolsize(size, 1);
    stextsize(height, 1);
    stextangle(angle, 1);
    const int first = netsperpage * (p - 1) + 1;
    const int last = p == npages ? n : netsperpage * p;
    pageruncaption();
    const std::string page = caption("Page ", p, "/", npages);
    say("PLOTTING " + page);
    pagecaption(page, 1);
    const std::string data = caption("Data ", first, " -> ", last);
    say(data);
    pagecaption(data, 2);
    setalign(-6);
    for (int j = first; j <= last; ++j) {
      placenet(bchbll.place, j - first);
      drawnet(ev, static_cast<std::size_t>(j - 1), degrees, fsadr2steff, bchbll.ipbtsymb);
    }
  }
}

void runseis3(const Events& ev, int n, int isub) {
  ssubplot(isub, 1);
  const std::string rule = std::string(43, '=');
  say(rule);
  say("PLOTTING INFORMATION");
  say(rule);
  int ijust = 0;
  stextalign(ijust, 3);
  pageruncaption();
  stextalign(ijust, 1);
  real height = 0.4f, angle = 0.0f;
  stextsize(height, 1);
  stextangle(angle, 1);
  setalign(-6);
  NetPlace first;
  sus2cm1(first.xcm0, first.ycm0, first.xx, first.xy, first.yx, first.yy, 3);
  int npgc = 40;
  sdspgc(npgc, 1);
  for (int j = 1; j <= n; ++j) {
    placenet(first, j - 1);
    drawnet(ev, static_cast<std::size_t>(j - 1), true, seffapfadrrad, seis3.ipbtsymb);
  }
  sus2cm1(first.xcm0, first.ycm0, first.xx, first.xy, first.yx, first.yy, 1);
}

void initialising(const RoutineId& id) {
  submenuhead(id);
  say("INITIALIZING FPS PLOT PARAMETERS");
}

}  // namespace

void fpsbchbll(std::span<const real> azd1, std::span<const real> dipd1,
               std::span<const real> rakd1, std::span<const real> azd2,
               std::span<const real> dipd2, std::span<const real> rakd2,
               std::span<const EventLabel> label0, int nmax, int n, int isub, int iangunit,
               int mode) {
  if (defaultmode(mode)) {
    initialising(fpsbchbll_id);
    bchbll = BchbllKept{ed::pad("fps_bb.ps", 50), 0.3f, initialplace, initialsymbols};
    return;
  }
  ssubinfo(fpsbchbll_id.name, fpsbchbll_id.version, fpsbchbll_id.date, iangunit, mode);
  srepstereo0(5);
  std::optional<SavedAttributes> saved;
  if (iocom.lplotfile) saved = saveattributes();
  const Events ev{azd1, dipd1, rakd1, azd2, dipd2, rakd2, label0};
  const Driver d{fpsbchbll_id,
                 bchbll.plotname,
                 bchbll.ipbtsymb,
                 {"P", "B", "T"},
                 iangunit != 1,
                 bchbll.place,
                 [&] { saved = saveattributes(); },
                 [&] {
                   if (iocom.lplotfile && saved) restoreattributes(*saved);
                 },
                 [&] { runbchbll(ev, n, isub, iangunit == 1); }};
  menuloop(d, nmax, n, isub);
}

void fpsseis3(std::span<const real> azd1, std::span<const real> dipd1,
              std::span<const real> rakd1, std::span<const real> azd2,
              std::span<const real> dipd2, std::span<const real> rakd2,
              std::span<const EventLabel> label0, int nmax, int n, int isub, int mode) {
  if (defaultmode(mode)) {
    initialising(fpsseis3_id);
    seis3 = Seis3Kept{ed::pad("seis.fm.ps", 50), initialsymbols};
    ssubplot(isub, 1);
    NetPlace p = initialplace;
    sus2cm1(p.xcm0, p.ycm0, p.xx, p.xy, p.yx, p.yy, 1);
    int iproj = 0;
    sspro(iproj, mode);
    srepstereo0(mode);
    return;
  }
  ssubinfo(fpsseis3_id.name, fpsseis3_id.version, fpsseis3_id.date, isub, mode);
  NetPlace answers;
  const Events ev{azd1, dipd1, rakd1, azd2, dipd2, rakd2, label0};
  const Driver d{fpsseis3_id,
                 seis3.plotname,
                 seis3.ipbtsymb,
                 {"s1", "s2", "s3"},
                 std::nullopt,
                 answers,
                 [] {
                   int istyle = 1;
                   sfillstyle(istyle, 5);
                 },
                 [] {},
                 [&] { runseis3(ev, n, isub); }};
  menuloop(d, nmax, n, isub);
}
