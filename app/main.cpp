// mecaro: focal-mechanism catalogues read, extracted, listed, written and
// plotted through a numbered-menu console dialogue.
//
// The main program initialises every component in a fixed order, then runs
// the main menu: each pass reads one command code at "your choice" and
// handles it in a fixed order (first dispatch, Si-Sh output file, plot
// window, stop, second dispatch).
#include <csignal>
#include <cstdio>
#include <string>

#include "catalogue/angles.h"
#include "catalogue/catalogue_boxes.h"
#include "catalogue/event_store.h"
#include "catalogue/reader.h"
#include "catalogue/writer.h"
#include "dialogue/banners.h"
#include "dialogue/command_files.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/run_banners.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "map/catalogue_map.h"
#include "map/overlay_hooks.h"
#include "overlays/line_overlays.h"
#include "overlays/map_points.h"
#include "platform/output_files.h"
#include "platform/stop_signals.h"
#include "plotlib/colour_table.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "plotlib/plot_parameters.h"
#include "plotlib/window_pages.h"
#include "stereonet/mechanism_pages.h"
#include "stereonet/stereo_projections.h"

namespace {

const RoutineId mecaro_id{"mecaro     ", " 2.0", "01-06-2010"};

// The command codes of the main menu.
namespace code {
constexpr int read = 1000, list = 1100, write = 1200;  // the store: read, list, write
constexpr int plotparameters = 330, openplot = 10, closeplot = 20;
constexpr int map1 = 2001, map2 = 2002;                      // the map of nodal plane 1 or 2
constexpr int stressaxes = 3000, pbtaxes = 3001;             // stereonets, stress or P, B, T axes
constexpr int writesish = 7, opensish = 13, closesish = 23;  // the Si-Sh table while mapping
constexpr int commandfile = 5000;
constexpr int quit = quitcode;  // the command-file menu answers it too
constexpr int help = 900;
}  // namespace code

// Main's own values, alive for the whole run.
struct MainState {
  int code = 0;                                   // command code; 0 does nothing
  bool lwsish = false;                            // write the Si-Sh table while mapping
  const int islot = 2;                            // output slot of the Si-Sh file
  const int readerslot = 1;
  const int writerslot = 1;
  const std::string plotname = ed::pad("seis.ps", 35);
  const int comunit = 15;                         // unit of the command file
  std::string comname;                            // name of the command file
};

void showmenu(const MainState& m) {
  const std::string& sishname = fiocom.oufnam[static_cast<size_t>(m.islot - 1)];
  wout(dashrule);
  wout(" DATA");
  wout("   Can store at most: " + ed::i(maxstored, 6));
  wout("   Currently stored : " + ed::i(fpsblk.nbstored, 6));
  wout("   Current data type: " + ed::i(fpsblk.idatatype, 6));
  wout("   READ + EXTRACT DATA......." + ed::listi(code::read));
  wout("   LIST DATA TO SCREEN ......" + ed::listi(code::list));
  wout("   WRITE DATA TO FILE ......." + ed::listi(code::write));
  wout(dashrule);
  wout(" PLOT");
  wout("   plot parameters ..........." + ed::listi(code::plotparameters));
  wout("   OPEN  PLOT FILE ............" + ed::listi(code::openplot) + " " + m.plotname);
  wout("   CLOSE PLOT FILE ............" + ed::listi(code::closeplot) + " " + m.plotname);
  wout("   PLOT MAP 1st Nodal Plane ." + ed::listi(code::map1));
  wout("   PLOT MAP 2nd Nodal Plane ." + ed::listi(code::map2));
  wout("   PLOT FOCAL MECHANISMS ...." + ed::listi(code::stressaxes));
  wout("   PLOT FOCAL MECHANISMS ...." + ed::listi(code::pbtaxes));
  wout(dashrule);
  wout(" Sh OUTPUT FILE while mapping");
  wout("   WRITE TO Si-Sh FILE ........." + ed::listi(code::writesish) + " " + ed::l(m.lwsish, 1));
  wout("   OPEN  Si-Sh OUTPUT FILE ...." + ed::listi(code::opensish) + " " +
       ed::pad(sishname, slotwidth));
  wout("   CLOSE Si-Sh OUTPUT FILE ...." + ed::listi(code::closesish) + " " +
       ed::pad(sishname, slotwidth));
  wout(dashrule);
  wout(" Use command file............" + ed::listi(code::commandfile));
  wout(" FAST QUIT..................." + ed::listi(code::quit));
  menutail();
}

void helpbox() {
  const std::string rule = " " + std::string(43, '=');
  wout(rule);
  wout(" " + std::string("                  HELP                     "));
  wout(rule);
  wout(" " + std::string("       Did you REALLY expect help ?        "));
  wout(" " + std::string("              For more help                "));
  wout(" " + ed::pad("    read README.md of the program sources", 43));
  wout(rule);
}

// The store listing inside the main menu's box.
void storelisting(int code) {
  mainmenuhead(mecaro_id);
  listingtitle();
  if (fpsblk.idatatype == 1 || fpsblk.idatatype == 2) {
    listingrows("label      ");
  } else {
    nolisting(mecaro_id, code);
  }
  listingrule();
}

enum class StereonetPlot { stressaxes, pbtaxes };

// The stereonet plots of both nodal planes of the stored events: principal
// stress axes (sub-plot 2) or P, B, T axes (sub-plot 3, angles in degrees).
void stereonets(StereonetPlot plot, int mode) {
  const FpsBlk& b = fpsblk;
  if (plot == StereonetPlot::stressaxes)
    fpsseis3(b.strike1[0], b.dip1[0], b.rake1[0], b.strike1[1], b.dip1[1], b.rake1[1],
             b.fpslabel, maxstored, b.nbstored, 2, mode);
  else
    fpsbchbll(b.strike1[0], b.dip1[0], b.rake1[0], b.strike1[1], b.dip1[1], b.rake1[1],
              b.fpslabel, maxstored, b.nbstored, 3, 1, mode);
}

// The map of the stored events with nodal plane `plane` (0 or 1).
void mapevents(const MainState& m, std::size_t plane, int mode) {
  FpsBlk& b = fpsblk;
  mapseis4(b.xd, b.yd, b.rlong1, b.rlat1, b.depth1, b.cdate1, b.ctime1, b.strike1[plane],
           b.dip1[plane], b.rake1[plane], b.nbstored, maxstored, m.islot, m.lwsish, 1, mode);
}

void startup(MainState& m) {
  initsio();
  progheadbc(mecaro_id);
  smaininfo(mecaro_id, 0);
  trigoset();
  initfio(1, 2, 0);
  scolortable(5);
  real symbolsize = 0.0f;
  ssymbolsize(symbolsize, 5);
  fpsreadex1(m.readerslot, 5);
  m.lwsish = false;
  // The map draws the points and line files of the overlays through these
  // entries; they initialise with the map's and the projection's mode 5.
  mapoverlays.points = mappoint;
  mapoverlays.linefiles = contours1;
  mapevents(m, 0, 5);
  stereonets(StereonetPlot::stressaxes, 5);
  int iproj = 0;
  sspro(iproj, 5);
  stereonets(StereonetPlot::pbtaxes, 5);
}

// One pass of the main loop.
void mainpass(MainState& m) {
  int ierr = 0;
  mainmenuhead(mecaro_id);
  if (outlevel(2)) showmenu(m);
  ininteg1(m.code, "your choice", ierr);

  switch (m.code) {  // first dispatch
    case code::help:
      helpbox();
      break;
    case code::writesish:
      inlogicdef(m.lwsish, "write extracted data to si-sh file", m.lwsish, ierr);
      break;
    case code::plotparameters:
      splotparam2(0);
      break;
    case code::commandfile:
      altsio(m.comunit, m.comname, m.code, 0);
      break;
    default:
      break;
  }

  const auto slot = static_cast<size_t>(m.islot - 1);
  const bool mapcode = m.code == code::map1 || m.code == code::map2;
  if ((m.code == code::opensish || (m.lwsish && mapcode)) && !fiocom.iopou[slot])
    opefou(m.islot, "extracted si-sh output", 0);
  else if ((m.code == code::closesish || m.code == code::quit) && fiocom.iopou[slot])
    clofou(m.islot, 0);

  if (m.code == code::closeplot || (m.code == code::quit && iocom.lplotfile)) {
    plend();
  } else if (m.code == code::openplot) {
    const bool wasopen = iocom.lplotfile;
    plinit(m.plotname, 2);
    if (!wasopen) {
      int istyle = 1;
      sfillstyle(istyle, 5);
    }
  }

  if (m.code == code::quit) {
    maintail(mecaro_id);
    endrun(0);
  }

  switch (m.code) {  // second dispatch
    case code::read:
      fpsreadex1(m.readerslot, 0);
      break;
    case code::list:
      storelisting(m.code);
      break;
    case code::write:
      fpswrite1(m.writerslot, 0);
      break;
    case code::stressaxes:
      stereonets(StereonetPlot::stressaxes, 0);
      break;
    case code::pbtaxes:
      stereonets(StereonetPlot::pbtaxes, 0);
      break;
    case code::map1:
      mapevents(m, 0, 0);
      break;
    case code::map2:
      mapevents(m, 1, 0);
      break;
    default:
      break;
  }
}

}  // namespace

int main() {
  guardstandardstreams();
  // Each line on standard error goes in one write, whole on a pipe that
  // other writers share.
  std::setvbuf(stderr, nullptr, _IOLBF, BUFSIZ);
  // A console gone (a closed pipe) is a failed write, which ends the run
  // as the end of input does, not a signal that kills it.
  std::signal(SIGPIPE, SIG_IGN);
  // So is a file grown past the size limit (ulimit -f): the write fails and
  // is told, the unfinished PDF removed, instead of the run being killed.
  std::signal(SIGXFSZ, SIG_IGN);
  catchstopsignals(stoprun);
  MainState m;
  startup(m);
  for (;;) mainpass(m);
}
