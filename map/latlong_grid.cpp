#include "map/latlong_grid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/number_text.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "map/menu_lines.h"
#include "map/projection_state.h"
#include "plotlib/curve_points.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/user_drawing.h"

GridLl gridll;

namespace {

const RoutineId sllgrid3_id{"sllgrid3   ", " 3.0", "31-05-2010"};
const RoutineId drawllgrid_id{"drawllgrid ", " 2.5", "31-05-2010"};

// The menu codes: 10 and 20 ask for the three bounds of latitude or
// longitude at once, the others for one value each.
namespace code {
constexpr int latitude = 10, latmin = 11, latmax = 12, latinc = 13;
constexpr int longitude = 20, lonmin = 21, lonmax = 22, loninc = 23;
constexpr int npgrid = 31, nptick = 32, ticsiz = 33, ndecim = 34;
constexpr int igridt = 40;
}  // namespace code

// The grid parameters as the dialogue holds them, angles in degrees.
struct GridValues {
  real latmin, latmax, lonmin, lonmax, latinc, loninc;
  int npgrid;
  real ticsiz;
  int nptick, igridt, ndecim;
};
constexpr GridValues defaults{-80, 80, -80, 80, 10, 10, 3, 1, 2, 1, 1};

GridValues stored() {
  const GridLl& g = gridll;
  return {deg(g.latmin), deg(g.latmax), deg(g.lonmin), deg(g.lonmax), deg(g.latinc),
          deg(g.loninc), g.npgrid, deg(g.ticsiz), g.nptick, g.igridt, g.ndecim};
}

void store(const GridValues& v) {
  gridll = {rad(v.latmin), rad(v.latmax), rad(v.lonmin), rad(v.lonmax), rad(v.latinc),
            rad(v.loninc), rad(v.ticsiz), v.npgrid, v.nptick, v.igridt, v.ndecim};
}

void showmenu(const GridValues& v) {
  submenuhead(sllgrid3_id);
  if (!outlevel(2)) return;
  wout(dashrule);
  say("LATITUDE-LONGITUDE GRID PARAMETERS");
  wout(dashrule);
  say("latitude min, max and inc ....." + ed::listi(code::latitude));
  valueline("latitude minimum .............." + ed::listi(code::latmin), v.latmin);
  valueline("latitude maximum .............." + ed::listi(code::latmax), v.latmax);
  valueline("latitude increment ............" + ed::listi(code::latinc), v.latinc);
  say("longitude min, max and inc ...." + ed::listi(code::longitude));
  valueline("longitude minimum ............." + ed::listi(code::lonmin), v.lonmin);
  valueline("longitude maximum ............." + ed::listi(code::lonmax), v.lonmax);
  valueline("longitude increment ..........." + ed::listi(code::loninc), v.loninc);
  sayint("nb of points to draw grid......" + ed::listi(code::npgrid), v.npgrid, 6);
  sayint("nb of points to draw tick......" + ed::listi(code::nptick), v.nptick, 6);
  valueline("tic size (degrees) ............" + ed::listi(code::ticsiz), v.ticsiz);
  sayint("nb of decimals ................" + ed::listi(code::ndecim), v.ndecim, 6);
  sayint("grid type ....................." + ed::listi(code::igridt), v.igridt, 6);
  if ((v.igridt == 2 || v.igridt == 3) && v.nptick > std::max(2, v.npgrid / 3)) {
    wout(dashrule);
    say("WARNING:");
    say("too many points for tick marks ?");
    wout(dashrule);
  }
  wout(dashrule);
  say("EXIT .........................." + ed::listi(exitcode));
  menutail();
}

// The latitude and longitude codes: minimum, maximum and increment in one read from the
// standard input unit, asked again while a value cannot be read; the end of
// input keeps what was read.
void askbounds(std::string_view what, real& vmin, real& vmax, real& vinc) {
  const std::array<ed::ListVar, 3> v{&vmin, &vmax, &vinc};
  const std::string indent(what.size() + 22, ' ');  // 30 blanks for latitude, 31 for longitude
  do {
    say(" enter " + std::string(what) + " mini, maxi and increment");
    say(indent + "in degrees");
  } while (ed::readlist(readanswer, v).end == ed::ListEnd::bad);
}

void menu(GridValues& v) {
  int ierr = 0;
  for (;;) {
    showmenu(v);
    switch (yourchoice()) {
      case code::latitude: askbounds("latitude", v.latmin, v.latmax, v.latinc); break;
      case code::latmin: askreal(v.latmin, "latitude minimum"); break;
      case code::latmax: askreal(v.latmax, "latitude maximum"); break;
      case code::latinc: askreal(v.latinc, "latitude increment"); break;
      case code::longitude: askbounds("longitude", v.lonmin, v.lonmax, v.loninc); break;
      case code::lonmin: askreal(v.lonmin, "longitude minimum"); break;
      case code::lonmax: askreal(v.lonmax, "longitude maximum"); break;
      case code::loninc: askreal(v.loninc, "longitude increment"); break;
      case code::npgrid:
        inintegvindef(v.npgrid, "nb of pts per grid line", v.npgrid, 1, mp, ierr);
        break;
      case code::nptick:
        inintegvindef(v.nptick, "nb of pts per tick", v.nptick, 1, mp, ierr);
        break;
      case code::ticsiz: askreal(v.ticsiz, "tic size in degrees"); break;
      case code::ndecim:
        inintegvindef(v.ndecim, "nb of tick labels decimals", v.ndecim, 0, 4, ierr);
        break;
      case code::igridt:
        for (const char* line :
             {"no grid ..........0", "regular grid .....1", "ticks out grid ...2", "ticks in  grid....3"})
          say(line);
        inintegvindef(v.igridt, "your choice", v.igridt, 0, 3, ierr);
        break;
      case exitcode: return;
      default: break;
    }
  }
}

// The most intervals between grid lines on one side: a spacing far below
// the span would otherwise draw lines by the million.
constexpr int maxintervals = 3600;

// Intervals between the grid lines of a span: span / spacing, with a slack
// of 0.0005 for a quotient that falls just short of a whole number,
// truncated. A quotient that is not finite or below 1 gives 1 (the borders
// alone), so that the positions never divide by 0.
int intervals(real span, real spacing) {
  const real q = span / spacing + 0.0005f;
  if (!std::isfinite(q)) return 1;
  return std::clamp(intpart(q), 1, maxintervals);
}

// Longitude bounds more than one turn apart, drawn one turn apart: the
// bound of the smaller magnitude (the minimum on a tie), brought within
// a turn of 0, stays, and the other lies one turn from it in the direction
// of the span as stored, so that reversed bounds stay reversed. Every
// longitude drawn is then below two turns in magnitude. A slack of 1e-5
// turn leaves bounds one turn apart, such as -170 and 190, whose span in
// radians rounds a hair above a turn, as they are; so are a span that is
// not a number and a kept bound that is not finite.
void oneturn(real& lonmin, real& lonmax) {
  const real turn = rad(360.0f);
  const real span = lonmax - lonmin;
  if (!std::isgreater(std::fabs(span), turn * (1.0f + 1e-5f))) return;
  const bool keepmin = std::fabs(lonmin) <= std::fabs(lonmax);
  const real kept = keepmin ? lonmin : lonmax;
  if (!std::isfinite(kept)) return;
  const real within = std::fmod(kept, turn);
  const real step = std::copysign(turn, span);
  lonmin = keepmin ? within : within - step;
  lonmax = keepmin ? within + step : within;
}

// The grid as drawn and measured: a latitude bound beyond a pole (a slip
// of the keyboard such as -1e30, which the menu takes as typed) stands at
// that pole, and longitude bounds more than one turn apart are drawn one
// turn apart, so that no line or label of the grid lies beyond 90 degrees
// of latitude or two turns of longitude, and no span of millions of degrees
// is divided into thousands of lines whose labels cannot be written. The
// record keeps the bounds as stored.
GridLl drawngrid() {
  GridLl g = gridll;
  const real pole = rad(90.0f);
  g.latmin = std::clamp(g.latmin, -pole, pole);
  g.latmax = std::clamp(g.latmax, -pole, pole);
  oneturn(g.lonmin, g.lonmax);
  return g;
}

// One point, radians, projected and handed to the pen (0 move, 1 draw).
void plotll(real lon, real lat, int ipen) {
  std::array<real, 1> x{lon}, y{lat};
  projlln(x, y, x, y, 1);
  usplot(x[0], y[0], ipen);
}

// The polyline of the points point(0) .. point(n), each {lon, lat}.
template <typename Point>
void stroke(int n, Point point) {
  for (int j = 0; j <= n; ++j) {
    const std::array<real, 2> p = point(j);
    plotll(p[0], p[1], j == 0 ? 0 : 1);
  }
}

// A tick label: value (radians) in degrees with ndecim decimals, at the
// projected point.
void label(real lon, real lat, real value, int ndecim) {
  std::array<real, 1> x{lon}, y{lat};
  projlln(x, y, x, y, 1);
  std::string c(9, ' ');
  int nchar = 0;
  real2charf1(c, nchar, ndecim, 9, deg(value));
  ustext2(x[0], y[0], c);
}

void setalign(int ijust) { stextalign(ijust, 1); }

}  // namespace

void sllgrid3(real& latmin, real& latmax, real& lonmin, real& lonmax, real& latinc,
              real& loninc, int& npgrid, real& ticsiz, int& nptick, int& igridt, int& ndecim,
              int mode) {
  GridValues v{latmin, latmax, lonmin, lonmax, latinc, loninc, npgrid, ticsiz, nptick, igridt, ndecim};
  if (storedmode(mode))
    v = stored();
  else if (defaultmode(mode))
    v = defaults;
  if (dialoguemode(mode)) menu(v);
  latmin = v.latmin, latmax = v.latmax, lonmin = v.lonmin, lonmax = v.lonmax;
  latinc = v.latinc, loninc = v.loninc, npgrid = v.npgrid, ticsiz = v.ticsiz;
  nptick = v.nptick, igridt = v.igridt, ndecim = v.ndecim;
  if (mode != setmode::getstored) store(v);
}

void drawllgrid() {
  const GridLl g = drawngrid();
  submenuhead(drawllgrid_id);
  if (g.igridt == 0) {
    say("NO LAT-LONG GRID");
    menutail();
    return;
  }
  sayint("LAT-LONG GRID TYPE =", g.igridt, 4);
  // A type outside 0..3 is drawn as the regular grid; counts of steps are
  // taken within 1..mp, as the menu asks them.
  const bool regular = g.igridt < 2 || g.igridt > 3;
  const int npgrid = std::clamp(g.npgrid, 1, mp), nptick = std::clamp(g.nptick, 1, mp);
  const real dlat = g.latmax - g.latmin, dlon = g.lonmax - g.lonmin;
  // Ticks of types 1 and 2 point out of the grid, those of type 3 into it.
  const real t = (g.igridt == 3 ? g.ticsiz : -g.ticsiz) / static_cast<real>(nptick);
  const real away = 1.5f * g.ticsiz;  // from a border to its labels

  const int m = intervals(dlon, g.loninc);
  sayint("nb of meridians =", m + 1, 4);
  // Meridian k of `of` intervals, from the eastern border westwards.
  auto meridian = [&](int k, int of) {
    return g.lonmax - dlon * static_cast<real>(k) / static_cast<real>(of);
  };
  const int mlines = regular ? m : 1;
  for (int k = 0; k <= mlines; ++k) {
    const real lon = meridian(k, mlines);
    stroke(npgrid, [&](int j) {
      return std::array{lon, g.latmin + static_cast<real>(j) * dlat / static_cast<real>(npgrid)};
    });
  }
  setalign(-10);
  for (int k = 0; k <= m; ++k) {
    const real lon = meridian(k, m);
    stroke(nptick, [&](int j) { return std::array{lon, g.latmin + static_cast<real>(j) * t}; });
    label(lon, g.latmin - away, lon, g.ndecim);
  }
  setalign(-2);
  for (int k = 0; k <= m; ++k) {
    const real lon = meridian(k, m);
    stroke(nptick, [&](int j) { return std::array{lon, g.latmax - static_cast<real>(j) * t}; });
    label(lon, g.latmax + away, lon, g.ndecim);
  }

  const int p = intervals(dlat, g.latinc);
  sayint("nb of parallels =", p + 1, 4);
  // Parallel k of `of` intervals, from the southern border northwards.
  auto parallel = [&](int k, int of) {
    return g.latmin + dlat * static_cast<real>(k) / static_cast<real>(of);
  };
  const int plines = regular ? p : 1;
  for (int k = 0; k <= plines; ++k) {
    const real lat = parallel(k, plines);
    stroke(npgrid, [&](int j) {
      return std::array{g.lonmax - static_cast<real>(j) * dlon / static_cast<real>(npgrid), lat};
    });
  }
  setalign(-5);
  for (int k = 0; k <= p; ++k) {
    const real lat = parallel(k, p);
    stroke(nptick, [&](int j) { return std::array{g.lonmax - static_cast<real>(j) * t, lat}; });
    label(g.lonmax + away, lat, lat, g.ndecim);
  }
  setalign(-7);
  for (int k = 0; k <= p; ++k) {
    const real lat = parallel(k, p);
    stroke(nptick, [&](int j) { return std::array{g.lonmin + static_cast<real>(j) * t, lat}; });
    label(g.lonmin - away, lat, lat, g.ndecim);
  }
  menutail();
}

void drawnllbounds(real& lonmin, real& lonmax, real& latmin, real& latmax) {
  const GridLl g = drawngrid();
  lonmin = deg(g.lonmin), lonmax = deg(g.lonmax), latmin = deg(g.latmin), latmax = deg(g.latmax);
}

void extrllgrid(real& xmin, real& ymin, real& xmax, real& ymax) {
  const GridLl g = drawngrid();
  std::array<real, 4> x{g.lonmin, g.lonmax, g.lonmax, g.lonmin};
  std::array<real, 4> y{g.latmin, g.latmin, g.latmax, g.latmax};
  projlln(x, y, x, y, 4);
  xmin = xmax = x[0];
  ymin = ymax = y[0];
  for (std::size_t k = 1; k < 4; ++k) {
    xmin = std::min(xmin, x[k]);
    ymin = std::min(ymin, y[k]);
    xmax = std::max(xmax, x[k]);
    ymax = std::max(ymax, y[k]);
  }
}
