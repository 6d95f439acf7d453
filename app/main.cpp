// mecaro: focal-mechanism catalogues read, extracted, listed, written and
// plotted through a numbered-menu console dialogue.
//
// The main program initialises every component in a fixed order, then runs
// the main menu: each pass reads one command code at "your choice" and
// handles it in a fixed order (first dispatch, Si-Sh output file, plot
// window, stop, second dispatch).
#include <csignal>
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
#include "plotlib/colour_table.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "plotlib/plot_parameters.h"
#include "plotlib/window_pages.h"
#include "stereonet/mechanism_pages.h"
#include "stereonet/stereo_projections.h"

namespace {

const RoutineId mecaro_id{"mecaro     ", " 2.0", "01-06-2010"};

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
  wout("   READ + EXTRACT DATA.......1000");
  wout("   LIST DATA TO SCREEN ......1100");
  wout("   WRITE DATA TO FILE .......1200");
  wout(dashrule);
  wout(" PLOT");
  wout("   plot parameters ...........330");
  wout("   OPEN  PLOT FILE ............10 " + m.plotname);
  wout("   CLOSE PLOT FILE ............20 " + m.plotname);
  wout("   PLOT MAP 1st Nodal Plane .2001");
  wout("   PLOT MAP 2nd Nodal Plane .2002");
  wout("   PLOT FOCAL MECHANISMS ....3000");
  wout("   PLOT FOCAL MECHANISMS ....3001");
  wout(dashrule);
  wout(" Sh OUTPUT FILE while mapping");
  wout("   WRITE TO Si-Sh FILE .........7 " + ed::l(m.lwsish, 1));
  wout("   OPEN  Si-Sh OUTPUT FILE ....13 " + ed::pad(sishname, slotwidth));
  wout("   CLOSE Si-Sh OUTPUT FILE ....23 " + ed::pad(sishname, slotwidth));
  wout(dashrule);
  wout(" Use command file............5000");
  wout(" FAST QUIT...................9999");
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

// Code 1100: the store listing inside the main menu's box.
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
    case 900:
      helpbox();
      break;
    case 7:
      inlogicdef(m.lwsish, "write extracted data to si-sh file", m.lwsish, ierr);
      break;
    case 330:
      splotparam2(0);
      break;
    case 5000:
      altsio(m.comunit, m.comname, m.code, 0);
      break;
    default:
      break;
  }

  const auto slot = static_cast<size_t>(m.islot - 1);
  const bool mapcode = m.code == 2001 || m.code == 2002;
  if ((m.code == 13 || (m.lwsish && mapcode)) && !fiocom.iopou[slot])
    opefou(m.islot, "extracted si-sh output", 0);
  else if ((m.code == 23 || m.code == 9999) && fiocom.iopou[slot])
    clofou(m.islot, 0);

  if (m.code == 20 || (m.code == 9999 && iocom.lplotfile)) {
    plend();
  } else if (m.code == 10) {
    const bool wasopen = iocom.lplotfile;
    plinit(m.plotname, 2);
    if (!wasopen) {
      int istyle = 1;
      sfillstyle(istyle, 5);
    }
  }

  if (m.code == 9999) {
    maintail(mecaro_id);
    endrun(0);
  }

  switch (m.code) {  // second dispatch
    case 1000:
      fpsreadex1(m.readerslot, 0);
      break;
    case 1100:
      storelisting(m.code);
      break;
    case 1200:
      fpswrite1(m.writerslot, 0);
      break;
    case 3000:
      stereonets(StereonetPlot::stressaxes, 0);
      break;
    case 3001:
      stereonets(StereonetPlot::pbtaxes, 0);
      break;
    case 2001:
      mapevents(m, 0, 0);
      break;
    case 2002:
      mapevents(m, 1, 0);
      break;
    default:
      break;
  }
}

}  // namespace

int main() {
  // A console gone (a closed pipe) is a failed write, which ends the run
  // as the end of input does, not a signal that kills it.
  std::signal(SIGPIPE, SIG_IGN);
  MainState m;
  startup(m);
  for (;;) mainpass(m);
}
