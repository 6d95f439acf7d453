#include "map/catalogue_map.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/angles.h"
#include "catalogue/criteria.h"
#include "catalogue/stress_listing.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/number_text.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "map/latlong_grid.h"
#include "map/menu_lines.h"
#include "map/overlay_hooks.h"
#include "map/projection_menu.h"
#include "map/projection_state.h"
#include "map/stress_regime.h"
#include "map/stress_symbols.h"
#include "plotlib/coordinates.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "plotlib/plot_parameters.h"
#include "plotlib/subplot_scaling.h"
#include "plotlib/window_pages.h"
#include "stereonet/principal_axes.h"

MapOverlays mapoverlays;

namespace {

const RoutineId mapseis_id{"mapseis    ", " 7.0", "01-06-2010"};

// The codes of the set-up menu besides those of the plot window.
namespace code {
constexpr int scaletogrid = 15;
constexpr int projection = 300, episymbol = 310, grid = 320;
constexpr int stresssymbols = 315;  // symbol sizes and stress symbol type
constexpr int gridfromtest = 330;   // grid bounds from the extraction bounds
constexpr int contours = 340, epicentres = 341, stress = 342, points = 343;  // switches
constexpr int plunge = 400;         // plunge threshold of the vertical axis
constexpr int help = 900;
}  // namespace code

// The map's own settings, kept for the whole run.
struct MapSettings {
  std::string plotname;      // 50 characters, for the window the map opens
  bool contours = false;     // draw the line files
  bool epicentres = false;   // draw a marker at every epicentre
  bool stress = false;       // stress symbols, axes listing and Si-Sh table
  bool points = false;       // draw the map points
  bool scaletogrid = false;  // fit the projected grid box into the page
  real plunge = 0;           // vertical-axis threshold, degrees
  int episymbol = 0;         // marker type of the epicentres
};
MapSettings settings;

MapSettings defaults() { return {ed::pad("seis.map.ps", 50), true, true, true, true, true, 0.0f, -4}; }

// The arguments of one call.
struct Call {
  std::span<real> xd, yd;
  std::span<const real> rlong, rlat, depth;
  std::span<const FixedText<10>> date1;
  std::span<const FixedText<5>> time1;
  std::span<const real> azd1, dipd1, rakd1;
  int n, nmax, islot;
  bool lwsish;
  int isub;
};

// The grid parameters in the order sllgrid3 takes them, degrees.
struct GridArgs {
  real latmin = 0, latmax = 0, lonmin = 0, lonmax = 0, latinc = 0, loninc = 0;
  int npgrid = 0;
  real ticsiz = 0;
  int nptick = 0, igridt = 0, ndecim = 0;
};

void grid(GridArgs& g, int mode) {
  sllgrid3(g.latmin, g.latmax, g.lonmin, g.lonmax, g.latinc, g.loninc, g.npgrid, g.ticsiz,
           g.nptick, g.igridt, g.ndecim, mode);
}

void flagline(std::string_view label, bool v) { sayflag(label, v, 1); }

void showmenu(int n, int nmax) {
  const std::string rule32(32, '-');
  submenuhead(mapseis_id);
  if (!outlevel(2)) return;
  const MapSettings& s = settings;
  wout(dashrule);
  say("SET UP:");
  say(rule32);
  setupplotlines(s.plotname);
  flagline("scale to fit grid ............" + ed::listi(code::scaletogrid), s.scaletogrid);
  say("close file = end plot ........" + ed::listi(setupcode::close));
  say(rule32);
  say("MAP:");
  say("projection .................." + ed::listi(code::projection));
  say("Epicenter symbol type ......." + ed::listi(code::episymbol));
  say("Symbols size + Sh type ......" + ed::listi(code::stresssymbols));
  say("lat long grid ..............." + ed::listi(code::grid));
  say("grid bounds from test bounds " + ed::listi(code::gridfromtest));
  flagline("Plot contours ..............." + ed::listi(code::contours), s.contours);
  flagline("plot epicenters ............." + ed::listi(code::epicentres), s.epicentres);
  flagline("plot sh directions .........." + ed::listi(code::stress), s.stress);
  flagline("plot symbol lat-long ........" + ed::listi(code::points), s.points);
  say(rule32);
  say("DATA:");
  sayint("maximum nb of data =", nmax, 6);
  sayint("current nb of data =", n, 6);
  valueline("plunge threshold for isv ...." + ed::listi(code::plunge), s.plunge);
  wout(dashrule);
  say("RUN = CREATE MAP ..........." + ed::listi(setupcode::run));
  say("EXIT ........................." + ed::listi(exitcode));
  menutail();
}

void helpbox() {
  const std::string rule(43, '=');
  submenuhead(mapseis_id);
  say(rule);
  say(std::string(16, ' ') + "HELP DESK:" + std::string(17, ' '));
  say(ed::pad("    read README.md of the program sources", 43));
  say(rule);
}

// The latitude and longitude bounds of the extraction criteria
// become the grid's bounds; its other values stay.
void gridfromtestbounds() {
  real latmin = 0, latmax = 0, lonmin = 0, lonmax = 0, depmin = 0, depmax = 0;
  gscseistest(latmin, latmax, lonmin, lonmax, depmin, depmax);
  GridArgs g;
  grid(g, 3);
  g.latmin = latmin, g.latmax = latmax, g.lonmin = lonmin, g.lonmax = lonmax;
  grid(g, 1);
}

// A code's own action; threshold (radians) follows the plunge threshold.
void firststage(int code, const Call& c, real& threshold) {
  MapSettings& s = settings;
  int ierr = 0;
  switch (code) {
    case setupcode::scaling: {
      int isub = c.isub;
      ssubplot(isub, 1);
      real xcm0 = 0, ycm0 = 0, xx = 0, xy = 0, yx = 0, yy = 0;
      sus2cm1(xcm0, ycm0, xx, xy, yx, yy, 2);
      break;
    }
    case setupcode::parameters: splotparam2(0); break;
    case code::scaletogrid:
      inlogicdef(s.scaletogrid, "scale plot to grid", s.scaletogrid, ierr);
      break;
    case code::projection: {
      int iproj = 0;
      sprojll2(iproj, 2);
      break;
    }
    case code::episymbol:
      say("choose epicenter symbol");
      ssymboltype(s.episymbol, 0);
      break;
    case code::stresssymbols: {
      real sizmaxa = 0, sizmina = 0;
      int iepia = 0, isha = 0;
      smapsh2(sizmaxa, sizmina, iepia, isha, 2);
      break;
    }
    case code::grid: {
      GridArgs g;
      grid(g, 2);
      break;
    }
    case code::gridfromtest: gridfromtestbounds(); break;
    case code::contours: inlogicdef(s.contours, "Plot contours", s.contours, ierr); break;
    case code::epicentres: inlogicdef(s.epicentres, "Plot epicenters", s.epicentres, ierr); break;
    case code::stress: inlogicdef(s.stress, "plot sh directions", s.stress, ierr); break;
    case code::points: inlogicdef(s.points, "symbol lat-long", s.points, ierr); break;
    case code::plunge:
      askreal(s.plunge, "plunge threshold for isv in deg");
      threshold = rad(s.plunge);
      break;
    case code::help: helpbox(); break;
    default: break;
  }
}

// The marker size and type in force while the map has the window open.
struct Markers {
  real size = 0;
  int type = 0;
};

Markers savemarkers() {
  Markers m;
  ssymbolsize(m.size, 3);
  ssymboltype(m.type, 3);
  return m;
}

void restoremarkers(Markers m) {
  ssymbolsize(m.size, 1);
  ssymboltype(m.type, 1);
}

void banner(std::string_view title) {
  const std::string rule(36, '=');
  say(rule);
  say(title);
  say(rule);
}

void captions(int n) {
  int saved = 0;
  stextalign(saved, 3);
  pageruncaption();
  std::string digits(7, ' ');
  int nchar = 0;
  intg2char(digits, nchar, 7, n);
  pagecaption("Number of data: " + digits.substr(0, static_cast<std::size_t>(nchar)), 1);
  stextalign(saved, 1);
}

// The projected grid box fills 17 by 26 cm from (2, 2) cm, with equal
// scales. A box of no extent or not finite (a projection that cannot
// place a corner) would give the sub-plot an infinite scale: the current
// scaling is kept instead.
void scaletogrid() {
  real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  extrllgrid(xmin, ymin, xmax, ymax);
  const real dx = xmax - xmin, dy = ymax - ymin;
  if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0 && dy == 0)) {
    warninghead(mapseis_id);
    say("GRID BOX CANNOT BE SCALED");
    say("==> KEEPING CURRENT SCALING");
    warningtail00();
    return;
  }
  real xcm0 = 2.0f, ycm0 = 2.0f, xlcm = 17.0f, ylcm = 26.0f;
  int isoxy = 1;
  sus2cm3(xcm0, ycm0, xlcm, ylcm, xmin, xmax, ymin, ymax, isoxy, 1);
}

std::string sishheader() {
  static constexpr std::pair<const char*, int> fields[] = {
      {"Date", 10},   {"Time", 10},  {"Latitude", 6}, {"Longitude", 7}, {"Depth", 5},
      {"Strike", 5},  {"Dip", 4},    {"Rake", 5},     {"S1_azi", 6},    {"S1_plg", 5},
      {"S2_azi", 6},  {"S2_plg", 5}, {"S3_azi", 6},   {"S3_plg", 5},    {"Sv", 2},
      {"AzSHmx", 6}};
  std::string line;
  for (const auto& [text, w] : fields) line += " " + ed::a(text, w);
  return line;
}

// The principal axes of one event (radians), with its regime.
struct EventStress {
  std::array<real, 3> az{}, pl{};
  real azshmax = 0;
  int isv = 0;
};

std::string sishrow(const Call& c, std::size_t k, const EventStress& e) {
  std::string row = " " + ed::a(c.date1[k].view(), 10) + " " + ed::a(c.time1[k].view(), 10) + " " +
                    ed::f(c.rlat[k], 6, 2) + " " + ed::f(c.rlong[k], 7, 2) + " " +
                    ed::f(c.depth[k], 5, 1) + " " + ed::f(c.azd1[k], 5, 0) + " " +
                    ed::f(c.dipd1[k], 4, 0) + " " + ed::f(c.rakd1[k], 5, 0);
  for (std::size_t i = 0; i < 3; ++i)
    row += " " + ed::f(deg(e.az[i]), 6, 1) + " " + ed::f(deg(e.pl[i]), 5, 1);
  return row + " " + ed::i(e.isv, 1) + "  " + ed::f(std::fmod(deg(e.azshmax), 180.0f), 6, 1);
}

// One line of the Si-Sh table, written only while its slot is open. A
// line that cannot be written is reported and the file closed, so that the
// rest of the run writes nothing more into it. event is the number of the
// event of the row, 0 for the header.
void sishline(int islot, const std::string& line, int event) {
  const auto s = static_cast<std::size_t>(islot - 1);
  if (!fiocom.iopou[s]) return;
  const int unit = fiocom.iouf[s];
  writeline(unit, line);
  if (unitfailed(unit)) writeerror(mapseis_id, islot, event);
}

// Event k (0-based): its principal axes from the nodal plane, the regime
// and SHmax azimuth, the listing on the console, the symbols and the row of
// the Si-Sh table.
void stressstep(const Call& c, std::size_t k, real threshold) {
  EventStress e;
  fsadr2steff(e.az, e.pl, rad(c.azd1[k]), rad(c.dipd1[k]), rad(c.rakd1[k]), 0.0f);
  auto one = [](std::array<real, 3>& a, std::size_t i) { return std::span<const real>(&a[i], 1); };
  std::span<real, 1> azshmax(&e.azshmax, 1);
  std::span<int, 1> isv(&e.isv, 1);
  siap2sv(azshmax, isv, one(e.az, 0), one(e.pl, 0), one(e.az, 1), one(e.pl, 1), one(e.az, 2),
          one(e.pl, 2), threshold, 1);
  writepbsv(azshmax, isv, one(e.az, 0), one(e.pl, 0), one(e.az, 1), one(e.pl, 1), one(e.az, 2),
            one(e.pl, 2), 1, iocom.iunout);
  e.isv = std::abs(e.isv);
  dmapsh2(c.xd.subspan(k, 1), c.yd.subspan(k, 1), azshmax, isv, 1);
  if (c.lwsish) sishline(c.islot, sishrow(c, k, e), static_cast<int>(k) + 1);
}

void run(const Call& c, real threshold) {
  const MapSettings& s = settings;
  int isub = c.isub;
  ssubplot(isub, 1);
  banner("PLOTTING INFORMATION");
  captions(c.n);
  if (s.scaletogrid) {
    banner("SCALING GRID IN A4 Portrait");
    scaletogrid();
  }
  banner("PLOTTING LAT LONG GRID");
  drawllgrid();
  if (s.points && mapoverlays.points) {
    banner("PLOTTING LOCATION");
    bool lproj = true;
    mapoverlays.points(lproj, 0);
  }
  if (s.epicentres || s.stress) {
    real sizmaxa = 0, sizmina = 0;
    int iepia = 0, isha = 0, type = s.episymbol;
    smapsh2(sizmaxa, sizmina, iepia, isha, 3);
    ssymbolsize(sizmaxa, 1);
    ssymboltype(type, 1);
    const std::string rule(36, '=');
    say(rule);
    say("PROJECTING EPICENTERS");
    say("LONG, LAT --> X, Y");
    say(rule);
    deg2rad(c.xd, c.rlong, c.n);
    deg2rad(c.yd, c.rlat, c.n);
    projlln(c.xd, c.yd, c.xd, c.yd, c.n);
  }
  if (s.epicentres) {
    banner("PLOTTING EPICENTERS");
    ussymbol(c.xd, c.yd, c.n);
  }
  if (s.stress) {
    banner("PLOTTING STRESS DIRECTIONS");
    if (c.lwsish) sishline(c.islot, sishheader(), 0);
    for (std::size_t k = 0; static_cast<int>(k) < c.n; ++k) stressstep(c, k, threshold);
  }
  if (s.contours && mapoverlays.linefiles) {
    banner("PLOTTING LAT LONG CONTOURS");
    real lonmin = 0, lonmax = 0, latmin = 0, latmax = 0;
    drawnllbounds(lonmin, lonmax, latmin, latmax);
    mapoverlays.linefiles(lonmin, lonmax, latmin, latmax, 1);
  }
}

void initialise(int isub, int inter) {
  submenuhead(mapseis_id);
  say("INITIALIZING MAP PARAMETERS");
  settings = defaults();
  ssubplot(isub, 1);
  real xcm0 = 10.0f, ycm0 = 8.0f, xx = 2.5f, xy = 0.0f, yx = 0.0f, yy = 2.5f;
  sus2cm1(xcm0, ycm0, xx, xy, yx, yy, 1);
  GridArgs g;
  grid(g, inter);
  int iproj = 0;
  sprojll2(iproj, inter);
  if (mapoverlays.points) {
    bool lproj = true;
    mapoverlays.points(lproj, inter);
  }
  real sizmaxa = 0, sizmina = 0;
  int iepia = 0, isha = 0;
  smapsh2(sizmaxa, sizmina, iepia, isha, inter);
}

// The menu until the exit code, with the plot window's second stage after each code's
// own action. The marker size and type in force when the map has the
// window open are given back at the exit.
void menuloop(const Call& c) {
  real threshold = rad(settings.plunge);
  std::optional<Markers> saved;
  if (iocom.lplotfile) saved = savemarkers();
  for (;;) {
    showmenu(c.n, c.nmax);
    const int code = yourchoice();
    firststage(code, c, threshold);
    if (plotwindowcode(code, settings.plotname)) {
      int istyle = 1;
      sfillstyle(istyle, 5);
      saved = savemarkers();
    } else if (code == exitcode) {
      if (iocom.lplotfile && saved) restoremarkers(*saved);
      return;
    }
    if (code == setupcode::run) run(c, threshold);
  }
}

}  // namespace

void mapseis4(std::span<real> xd, std::span<real> yd, std::span<const real> rlong,
              std::span<const real> rlat, std::span<const real> depth,
              std::span<const FixedText<10>> date1, std::span<const FixedText<5>> time1,
              std::span<const real> azd1, std::span<const real> dipd1,
              std::span<const real> rakd1, int n, int nmax, int islot, bool lwsish, int isub,
              int inter) {
  if (defaultmode(inter)) {
    initialise(isub, inter);
    return;
  }
  ssubinfo(mapseis_id.name, mapseis_id.version, mapseis_id.date, 0, 0);
  menuloop({xd, yd, rlong, rlat, depth, date1, time1, azd1, dipd1, rakd1, n, nmax, islot, lwsish,
            isub});
}
