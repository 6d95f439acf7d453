#include "overlays/line_overlays.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "overlays/line_files.h"

namespace {

const RoutineId locate2dbox_id{"locate2dbox", " 1.0", "12-04-2007"};

// The settings of the line-file menu, kept for the run.
struct ContourSettings {
  real nptdeg = 0.0f;     // points per degree of a selection polygon's sides
  bool clipgrid = false;  // clip UTIG, IGN and GSHHS lines to the map box
};
ContourSettings settings;

// A kind of line file: the explanation the opener shows and the listing
// titles with and without clipping.
struct Kind {
  std::string_view expl, clipped, unclipped;
};
constexpr std::array<Kind, 6> kinds{{
    {"UTIG coastline", "UTIG coastline with clipping", "UTIG coastline without clipping"},
    {"IGN line", "IGN line with clipping", "IGN line without clipping"},
    {"GEBCO line", "GEBCO line (no clipping)", "GEBCO line (no clipping)"},
    {"USGS ASCII dump line", "USGS ASCII dump line (no clipping)",
     "USGS ASCII dump line (no clipping)"},
    {"Korvel ASCII polygons", "Korvel ASCII polygons with clipping",
     "Korvel ASCII polygons without clipping"},
    {"Selection polygon", "Selection polygons (no clipping)", "Selection polygons (no clipping)"},
}};


// The menu codes: the kinds of line file, in the order of kinds, then the
// settings.
namespace code {
constexpr int utig = 1, ign = 2, gebco = 3, usgs = 4, gshhs = 5, selection = 6;
constexpr int clip = 10;    // switch the clipping to the map box
constexpr int nptdeg = 11;  // points per degree of a selection polygon's sides
}  // namespace code

// The window of longitudes in which the GSHHS kind tests its points: it
// begins a margin of up to 3 degrees west of the box, so that its seam
// lies outside the box whenever the box spans less than 360 degrees.
LonWindow longitudewindow(real longmin, real longmax) {
  LonWindow w{longmin, longmin, reducedlon(longmax, longmin)};
  real span = w.longmax - w.longmin;
  if (span == 0.0f) {
    const real raw = longmax - longmin;
    if (raw <= 0.0f) {
      warninghead(contours1_id);
      say("INCONSISTENT BOUNDS");
      realitem("longitude min =", longmin);
      realitem("longitude max =", longmax);
      warningtail00();
    } else if (raw >= 360.0f) {
      w.longmax = w.longmin + 360.0f;
      span = 360.0f;
    }
  }
  const real gap = 360.0f - span;
  if (gap > 0.0f) {
    w.origin = longmin - std::min(gap / 2.0f, 3.0f);
    w.longmin = reducedlon(longmin, w.origin);
    w.longmax = reducedlon(longmax, w.origin);
  }
  return w;
}

void boxlines(const LlBox& box, const LonWindow& w) {
  const std::string side = "   |                 |";
  realitem("  _|_________________|_ latmax =", box.latmax);
  say(side);
  say(side);
  realitem("  _|_________________|_ latmin =", box.latmin);
  say(side);
  say("longmin           longmax");
  wout(" " + ed::f(box.lonmin, 9, 3) + std::string(7, ' ') + ed::f(box.lonmax, 9, 3));
  wout(" " + ed::f(w.longmin, 9, 3) + std::string(7, ' ') + ed::f(w.longmax, 9, 3));
  realitem("Longitude origin =", w.origin);
}

void menu(const LlBox& box, const LonWindow& w) {
  submenuhead(contours1_id);
  if (!outlevel(2)) return;
  wout(dashrule);
  say(" MAPPING CONTOURS");
  wout(dashrule);
  say("Clipping on ................" + ed::listi(code::clip) + " " +
           ed::l(settings.clipgrid, 1));
  if (settings.clipgrid) boxlines(box, w);
  realitem("Nb of points for 1 deg ....." + ed::listi(code::nptdeg), settings.nptdeg);
  say(std::string(30, '-'));
  say("TYPE OF LINE FILE:");
  say(" UTIG coast file............." + ed::listi(code::utig));
  say(" IGN  coast file............." + ed::listi(code::ign));
  say(" GEBCO file.................." + ed::listi(code::gebco));
  say(" USGS ascii dump file ......." + ed::listi(code::usgs));
  say(" Korvel gshhs ascii file ...." + ed::listi(code::gshhs));
  say(" Selection polygon file ....." + ed::listi(code::selection));
  wout(dashrule);
  say("EXIT ......................." + ed::listi(exitcode));
  menutail();
}

void closedline(const std::string& name) { say("input file " + name + " closed"); }

// Closes the file and says how its reading ended.
void endfile(const LineFile& file, Ending ending) {
  closeunit(lineunit);
  const std::string name = ed::pad(file.fname, linenamewidth);
  if (ending == Ending::normal) {
    wout(dashrule);
    intitem("total nb of plotted curves = ", file.ncurve);
    closedline(name);
    menutail();
  } else {
    errorhead(contours1_id);
    say("WHILE READING FILE " + name);
    closedline(name);
    errortail00();
  }
}

// Opens a line file of kind code (1..6) and draws it.
void drawfile(int code, const LlBox& box, const LonWindow& window) {
  const Kind& kind = kinds[static_cast<std::size_t>(code - 1)];
  LineFile file{"", std::string(settings.clipgrid ? kind.clipped : kind.unclipped),
                settings.clipgrid, box, window};
  opef2(file.fname, kind.expl, lineunit, "old", 0, linenamewidth);
  Ending ending = Ending::normal;
  switch (code) {
    case code::utig: ending = drawutig(file); break;
    case code::ign: ending = drawign(file); break;
    case code::gebco: ending = drawgebco(file); break;
    case code::usgs: ending = drawusgs(file); break;
    case code::gshhs: ending = drawgshhs(file); break;
    default: ending = drawselpolygon(file, settings.nptdeg); break;
  }
  endfile(file, ending);
}

// One value line of locate2dbox's warnings: G12.5 after the label.
void locateline(std::string_view text, real v) { say(std::string(text) + " " + ed::g(v, 12, 5)); }

// The warning of a point that cannot be placed; gives the code.
int unplaced(int code, char axis, real v, real vmin, real vmax) {
  const std::string a(1, axis);
  warninghead(locate2dbox_id);
  say(a + " RANGE TEST FAILED FOR:");
  locateline(a + "    =", v);
  locateline(a + "min =", vmin);
  locateline(a + "max =", vmax);
  say("=> SET LOCATION = " + ed::i(code, 3));
  warningtail00();
  return code;
}

// The zone of x within one row of the box: the codes for x below, inside
// and above [xmin, xmax].
int column(real x, real xmin, real xmax, int below, int inside, int above) {
  if (x < xmin) return below;
  if (x <= xmax) return inside;
  if (x > xmax) return above;
  return unplaced(-1, 'X', x, xmin, xmax);
}

}  // namespace

void locate2dbox(std::span<int> loc, real xmin, real xmax, real ymin, real ymax,
                 std::span<const real> x, std::span<const real> y, int n) {
  for (std::size_t k = 0; static_cast<int>(k) < n; ++k) {
    if (y[k] > ymax)
      loc[k] = column(x[k], xmin, xmax, 1, 2, 3);
    else if (y[k] >= ymin)
      loc[k] = column(x[k], xmin, xmax, 8, 0, 4);
    else if (y[k] < ymin)
      loc[k] = column(x[k], xmin, xmax, 7, 6, 5);
    else
      loc[k] = unplaced(-2, 'Y', y[k], ymin, ymax);
  }
}

void contours1(real& longmin, real& longmax, real& latmin, real& latmax, int mode) {
  if (defaultmode(mode)) {
    submenuhead(contours1_id);
    say("INITIALIZING MAP CONTOURS");
    settings = ContourSettings{10.0f, true};
    return;
  }
  const LlBox box{longmin, longmax, latmin, latmax};
  LonWindow window{};
  if (settings.clipgrid) window = longitudewindow(longmin, longmax);
  for (;;) {
    menu(box, window);
    int code = exitcode;
    int ierr = 0;
    inintegvindef(code, "type of line file", code, code::utig, exitcode, ierr);
    if (code == exitcode) return;
    if (code <= code::selection) {
      drawfile(code, box, window);
    } else if (code == code::clip) {
      inlogicdef(settings.clipgrid, "clip to grid bounds", settings.clipgrid, ierr);
      if (settings.clipgrid) window = longitudewindow(longmin, longmax);
    } else if (code == code::nptdeg) {
      inrealdef(settings.nptdeg, "Nb of points for 1 deg (polygons)", settings.nptdeg, ierr);
    }
  }
}
