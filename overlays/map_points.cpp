#include "overlays/map_points.h"

#include <array>
#include <span>
#include <string>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "map/projection_state.h"
#include "overlays/column_lines.h"
#include "overlays/column_reader.h"
#include "plotlib/colours.h"
#include "plotlib/curve_points.h"
#include "plotlib/markers.h"

namespace {

const RoutineId mappoint_id{"mappoint   ", "    ", "          "};

struct PointSettings {
  bool lscreen;  // list the plotted coordinates after each plot
  real xpoint;   // the single point: longitude (degrees) or X (plot units)
  real ypoint;   // latitude (degrees) or Y (plot units)
  int isymtype;  // marker type
  real symsize;  // marker size, cm on the page
  int ilinecol;  // marker outline colour
  int ifillcol;  // marker fill colour
};
constexpr PointSettings defaults{true, 0.0f, 0.0f, -5, 0.3f, 1, 1};
PointSettings settings = defaults;

// Points files are read on this unit, into a table of mp rows and 2 columns.
constexpr int pointunit = 12;
constexpr int ncoltab = 2;
constexpr std::size_t varnamewidth = 10;

const std::string rule22(22, '=');

// The menu codes.
namespace code {
constexpr int project = 13;  // switch the projection of the coordinates
constexpr int listing = 14;  // switch the screen listing
constexpr int linecolour = 51, fillcolour = 52, symboltype = 53, symbolsize = 54;
constexpr int x = 10, y = 20;  // the single point
constexpr int single = 100;    // plot the single point
constexpr int file = 200;      // plot the points of a file
}  // namespace code

using columnlines::question;

// What one menu call keeps from one request to the next: the name and the
// title of the last file, and the names of the table columns it filled.
struct Request {
  std::string fname = std::string(40, ' ');
  std::string title = std::string(20, ' ');
  std::array<std::string, ncoltab> namrcol{std::string(varnamewidth, ' '),
                                           std::string(varnamewidth, ' ')};
};

void showmenu(bool lproj) {
  const PointSettings& s = settings;
  submenuhead(mappoint_id);
  wout(dashrule);
  say("MAPPING POINTS");
  wout(dashrule);
  say("use projection ............." + ed::listi(code::project) + " " + ed::l(lproj, 1));
  say("screen listing ............." + ed::listi(code::listing) + " " + ed::l(s.lscreen, 1));
  say("line color ................." + ed::listi(code::linecolour) + " " + ed::i(s.ilinecol, 6));
  say("fill color ................." + ed::listi(code::fillcolour) + " " + ed::i(s.ifillcol, 6));
  say("symbol type ................" + ed::listi(code::symboltype) + " " + ed::i(s.isymtype, 6));
  say("symbol size ................" + ed::listi(code::symbolsize) + " " + ed::f(s.symsize, 8, 3));
  say("X or longitude ............." + ed::listi(code::x) + " " + ed::f(s.xpoint, 8, 3));
  say("Y or latitude .............." + ed::listi(code::y) + " " + ed::f(s.ypoint, 8, 3));
  wout(dashrule);
  say("Plot single point (x,y ) .." + ed::listi(code::single));
  say("Plot set of point (file) .." + ed::listi(code::file));
  wout(dashrule);
  say("RETURN TO MAIN ............." + ed::listi(exitcode));
  menutail();
}

// Rows 1..n of the point table, projected in place when lproj (degrees in,
// plot units out), then drawn.
void projectanddraw(bool lproj, int n) {
  std::span<real> x(cc2dbuff.xp), y(cc2dbuff.yp);
  say(rule22);
  if (lproj) {
    say("PROJECTING LOCATIONS");
    say("LONG, LAT (input) --> X, Y");
    deg2rad(x, x, n);
    deg2rad(y, y, n);
    projlln(x, y, x, y, n);
  } else {
    say("NO PROJECTION");
    say("X, Y = input ");
    say(rule22);
  }
  say(rule22);
  say("PLOTTING LOCATION");
  say(rule22);
  ussymbol(x, y, n);
}

void listing(const Request& req, int n) {
  auto header = [](std::string_view a, std::string_view b) {
    wout(" |" + ed::a("nb", 3) + "|" + ed::a(a, 8) + "|" + ed::a(b, 8) + "|");
  };
  say(rule22);
  say("Plotted coordinates:");
  say(rule22);
  header(ed::pad("X-long", varnamewidth), ed::pad("Y-lat", varnamewidth));
  header(req.namrcol[0], req.namrcol[1]);
  for (std::size_t k = 0; static_cast<int>(k) < n; ++k)
    wout(" |" + ed::i(static_cast<int>(k + 1), 3) + "|" + ed::f(cc2dbuff.xp[k], 8, 3) + "|" +
         ed::f(cc2dbuff.yp[k], 8, 3) + "|");
  say(rule22);
}

void singlepoint(bool lproj, const Request& req) {
  cc2dbuff.xp[0] = settings.xpoint;
  cc2dbuff.yp[0] = settings.ypoint;
  projectanddraw(lproj, 1);
  if (settings.lscreen) listing(req, 1);
}

// Longitudes and latitudes (or X and Y) from file columns 1 and 2 into
// the point table, through the column data file reader.
void filepoints(bool lproj, Request& req) {
  std::array<int, 2> jcola{1, 2}, jfcola{1, 2};
  std::array<std::string, 2> namvara{ed::pad("X-long", varnamewidth),
                                     ed::pad("Y-lat", varnamewidth)};
  const std::array<std::span<real>, ncoltab> table{cc2dbuff.xp, cc2dbuff.yp};
  int nvar = 2, ndisp = 4, iskip = 2, ititle = 1, iheader = 2;
  int ierr = 0, n = 0, ncolused = 0;
  readreal6(ierr, req.title, req.fname, "long-lat data input", pointunit, ndisp, iskip, ititle,
            iheader, jcola, jfcola, namvara, nvar, 2, table, req.namrcol, n, ncolused, mp, ncoltab,
            1, 0);
  if (ierr != 0) {
    warninghead(mappoint_id);
    say("INPUT FILE HAS NOT BEEN READ");
    say("====> NO DATA");
    say("====> SKIPPING PLOT");
    warningtail00();
    return;
  }
  say("INPUT FILE HAS BEEN READ");
  say("NB OF DATA = " + ed::i(n, 6));
  say("====> GOING TO PLOT");
  projectanddraw(lproj, n);
  if (settings.lscreen) listing(req, n);
}

}  // namespace

void mappoint(bool& lproj, int mode) {
  PointSettings& s = settings;
  if (defaultmode(mode)) {
    submenuhead(mappoint_id);
    say("INITIALIZING PARAMETERS");
    s = defaults;
    return;
  }
  int linecol = 0, fillcol = 0, symtype = 0;
  real symsize = 0.0f;
  slinecolor(linecol, 3);
  sfillcolor(fillcol, 3);
  ssymboltype(symtype, 3);
  ssymbolsize(symsize, 3);
  slinecolor(s.ilinecol, 1);
  sfillcolor(s.ifillcol, 1);
  ssymboltype(s.isymtype, 1);
  ssymbolsize(s.symsize, 1);

  Request req;
  for (;;) {
    showmenu(lproj);
    int code = 0, ierr = 0;
    ininteg1(code, question("your choice"), ierr);
    switch (code) {
      case code::x:
        inrealdef(s.xpoint, question("X or long-deg"), s.xpoint, ierr);
        break;
      case code::y:
        inrealdef(s.ypoint, question("Y or lat-deg"), s.ypoint, ierr);
        break;
      case code::project:
        inlogicdef(lproj, question("project coordinates ?"), lproj, ierr);
        break;
      case code::listing:
        inlogicdef(s.lscreen, question("coord on sreen ?"), s.lscreen, ierr);
        break;
      case code::linecolour:
        slinecolor(s.ilinecol, 0);
        break;
      case code::fillcolour:
        sfillcolor(s.ifillcol, 0);
        break;
      case code::symboltype:
        ssymboltype(s.isymtype, 0);
        break;
      case code::symbolsize:
        ssymbolsize(s.symsize, 0);
        break;
      case code::single:
        singlepoint(lproj, req);
        break;
      case code::file:
        filepoints(lproj, req);
        break;
      case exitcode:
        slinecolor(linecol, 1);
        sfillcolor(fillcol, 1);
        ssymboltype(symtype, 1);
        ssymbolsize(symsize, 1);
        return;
    }
  }
}
