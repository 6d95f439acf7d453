#include "plotlib/window_pages.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "plotlib/device_drawing.h"
#include "plotlib/plot_parameters.h"

namespace {

const RoutineId plinit_id{"plinit     ", " 6.1", "14-05-2010"};
const RoutineId plend_id{"plend      ", " 6.0", "17-03-2009"};
const RoutineId newpage_id{"newpage    ", " 6.0", "17-03-2009"};
const RoutineId intplinit_id{"intplinit  ", " 6.0", "19-03-2009"};
const RoutineId intplend_id{"intplend   ", " 6.0", "17-03-2009"};
const RoutineId intnewpage_id{"intnewpage ", " 6.0", "17-03-2009"};

// The codes of the page question.
namespace pagecode {
constexpr int clear = 0;   // clear the window, a new page of the file
constexpr int reopen = 1;  // close the window and open a new one
constexpr int append = 2;  // draw over the current page
}  // namespace pagecode

const char* const settingsfile = "dravo1_ini_u.txt";
constexpr int settingsunit = 50;
constexpr int screenmargin = 44;  // pixels kept free above and below the window
constexpr real a4width = 21.0f, a4height = 29.7f;  // cm

struct Setup {
  const char* label;
  const char* menuline;
  const char* title;
};

const std::array<Setup, 5> setups{{
    {"Fit Portrait A4 + Full screen", "Fit  Portrait  A4 + Full screen...0",
     "QZ Fit A4P + Full width"},
    {"Fit Portrait A4", "Fit  Portrait  A4 ................1", "QZ Fit A4P"},
    {"Fit Landscape A4", "Fit  Landscape A4.................2", "QZ Fit A4L"},
    {"100% Portrait A4", "100% Portrait  A4.................3", "QZ 100% A4P"},
    {"100% Landscape A4", "100% Landscape A4.................4", "QZ 100% A4L"},
}};
const char* const unexpectedsetup = "ERROR: Unexpected set up ";

bool knownsetup(int pagesetup) { return pagesetup >= 0 && pagesetup <= 4; }

// Integer part of a single-precision product of a pixel count.
int pixels(real x) { return static_cast<int>(x); }

struct Settings {
  int pagesetup = 1;
  int aliasing = 1;  // 1 antialiasing on, any other value off
};

// Reads the page set-up and the antialiasing switch, one digit each in
// columns 2 and 4 of the first record (a blank digit reads as 0). False
// when the file is missing, empty, short or unreadable.
bool readsettings(Settings& s) {
  if (!openunit(settingsunit, settingsfile, OpenStatus::old)) return false;
  std::string line;
  const bool ok = readline(settingsunit, line) == ReadStatus::line && line.size() >= 4 &&
                  ed::fieldi(line, 2, 1, s.pagesetup) && ed::fieldi(line, 4, 1, s.aliasing);
  closeunit(settingsunit);
  return ok;
}

// The two records of the settings file: the codes, then a line of blanks.
void writesettings(const Settings& s) {
  wout(dashrule);
  const bool ok = openunit(settingsunit, settingsfile, OpenStatus::replace);
  if (ok) {
    writeline(settingsunit, ed::x(1) + ed::i(s.pagesetup, 1) + ed::x(1) + ed::i(s.aliasing, 1));
    writeline(settingsunit, "    ");
  }
  if (closeunit(settingsunit) && ok)
    wout(" " + std::string(settingsfile) + " updated or created");
  else
    wout(" " + std::string(settingsfile) + " could not be written");
  wout(dashrule);
}

void showsettings(const Settings& s) {
  wout("              Default Settings:");
  wout(dashrule);
  wout(" Page setup = " + setuplabel(s.pagesetup));
  wout(s.aliasing == 1 ? " Aliasing on" : " Aliasing off");
  wout(dashrule);
}

void asksettings(Settings& s) {
  int ierr = 0;
  wout(dashrule);
  wout("        Updating Default Settings:");
  wout("          N.B. 100% scale is for");
  wout("           90 dpi or 0.28 pitch");
  wout(dashrule);
  wout(" Page set up .................Command");
  for (const Setup& setup : setups) say(setup.menuline);
  wout(dashrule);
  inintegvindef(s.pagesetup, "page setup command  ", s.pagesetup, 0, 4, ierr);
  wout(dashrule);
  wout(" Aliasing set up .............Command");
  wout(" Off ..............................0");
  wout(" On ...............................1");
  wout(dashrule);
  inintegvindef(s.aliasing, "aliasing set up     ", s.aliasing, 0, 1, ierr);
}

void boundsrow(std::string_view domain, const ScreenRect& r) {
  wout(" |" + ed::a(domain, 25) + "|" + ed::i(r.top, 4) + " |" + ed::i(r.bottom, 4) + " |" +
       ed::i(r.left, 4) + " |" + ed::i(r.right, 4) + " |");
  wout(" |" + std::string(49, '-') + "|");
}

void boundstable(const ScreenRect& screen, const ScreenRect& requested, const PlotWindow& w) {
  const std::string rule51 = " " + std::string(51, '-');
  wout(rule51);
  wout(" |" + ed::a("Bounds in pixels:", 49) + "|");
  wout(" |" + std::string(49, '-') + "|");
  wout(" |" + ed::a("Domain", 25) + "|" + ed::a("Top", 5) + "|" + ed::a("Bottom", 5) + "|" +
       ed::a("Left", 5) + "|" + ed::a("Right", 5) + "|");
  wout(" |" + std::string(49, '-') + "|");
  boundsrow("Full screen", screen);
  boundsrow("Requested Window content", requested);
  boundsrow("Obtained Window content", windowbounds(w, WindowRegion::content));
  boundsrow("Obtained Window Port", windowbounds(w, WindowRegion::port));
  boundsrow("Obtained Full Window", windowbounds(w, WindowRegion::structure));
  boundsrow("Obtained Window Title Bar", windowbounds(w, WindowRegion::titlebar));
  wout(rule51);
}

}  // namespace

std::string setuplabel(int pagesetup) {
  return ed::pad(knownsetup(pagesetup) ? setups[static_cast<std::size_t>(pagesetup)].label
                                       : unexpectedsetup,
                 25);
}

std::string setuptitle(int pagesetup) {
  return ed::pad(knownsetup(pagesetup) ? setups[static_cast<std::size_t>(pagesetup)].title
                                       : unexpectedsetup,
                 25);
}

ScreenRect setupwindow(const ScreenRect& screen, int pagesetup, real pxpercm) {
  const int top = screen.top + screenmargin;
  const int bottom = screen.bottom - screenmargin;
  const int left = screen.left, right = screen.right;
  const auto height = static_cast<real>(bottom - top);
  const auto width = static_cast<real>(right - left);
  int newleft = left, newtop = top;
  switch (pagesetup) {
    case 1:
      newleft = std::max(left, right - pixels(height * 0.70707f));
      break;
    case 2:
      if (top + pixels(width * 0.70707f) > bottom)
        newleft = std::max(left, right - pixels(height * 1.4143f));
      break;
    case 3:
      newleft = std::max(left, right - pixels(pxpercm * a4width));
      newtop = std::max(top, bottom - pixels(pxpercm * a4height));
      break;
    case 4:
      newleft = std::max(left, right - pixels(pxpercm * a4height));
      newtop = std::max(top, bottom - pixels(pxpercm * a4width));
      break;
    default:  // 0 and unknown set-ups: the whole usable area
      break;
  }
  return {static_cast<std::int16_t>(newtop), static_cast<std::int16_t>(newleft),
          static_cast<std::int16_t>(bottom), static_cast<std::int16_t>(right)};
}

real pagepxpercm(const WindevSize& w) {
  switch (w.pagesetup) {
    case 0:
    case 1:
      return static_cast<real>(w.bottom - w.top) / a4height;
    case 2:
      return static_cast<real>(w.right - w.left) / a4height;
    case 3:
    case 4:
      return w.pxpercm;
    default:
      return 1.0f;
  }
}

void plinit(std::string_view name, int mode) {
  if (iocom.lplotfile) {
    warninghead(plinit_id);
    wout(" Plot file or window is already opened");
    wout(" ==> appending to current plot file/window");
    warningtail00();
    return;
  }
  intplinit(name, mode);
  iocom.lplotfile = true;
  splotparam2(storedmode(mode) ? setmode::setdefaultall : setmode::setdefault);
}

void plend() {
  if (iocom.lplotfile) {
    intplend();
    iocom.lplotfile = false;
    return;
  }
  warninghead(plend_id);
  wout(" The plot window or file is already closed");
  warningtail00();
}

void newpage() {
  submenuhead(newpage_id);
  wout(" IT IS SUGGESTED TO CLEAR THE PLOT");
  wout(" You can:");
  wout(" clear the window / add a page to the file .." + ed::listi(pagecode::clear));
  wout(" close the window / file and open a new one ." + ed::listi(pagecode::reopen));
  wout(" append to the current window / file ........" + ed::listi(pagecode::append));
  menutail();
  int choice = pagecode::clear, ierr = 0;
  inintegvindef(choice, "your choice         ", pagecode::clear, pagecode::clear,
                pagecode::append, ierr);
  if (choice == pagecode::clear) {
    intnewpage();
  } else if (choice == pagecode::reopen) {
    plend();
    plinit("Next_plot", 2);
  }
}

void intplinit(std::string_view /*name*/, int mode) {
  Settings s;
  bool rewrite = !readsettings(s);
  if (rewrite) s = Settings{};

  submenuhead(intplinit_id);
  showsettings(s);
  bool usedefault = true;
  int ierr = 0;
  inlogicdef(usedefault, "Use default settings", true, ierr);
  if (!usedefault) {
    asksettings(s);
    rewrite = true;
  }
  if (rewrite) writesettings(s);

  const ScreenRect screen = screenbounds();
  windevsize.pxpercm = 35.43307f;
  windevsize.pagesetup = s.pagesetup;
  const ScreenRect content = setupwindow(screen, s.pagesetup, windevsize.pxpercm);
  windevsize.top = content.top;
  windevsize.left = content.left;
  windevsize.bottom = content.bottom;
  windevsize.right = content.right;

  wout(dashrule);
  wout(" OPENING QUARTZ WINDOW");
  std::string title = setuptitle(s.pagesetup);
  if (dialoguemode(mode)) {
    const std::string offered = title;
    inchardef(title, "plot window name    ", offered, ierr);
  }

  // The window's PDF puts a centimetre of the page on a centimetre of
  // paper; an unknown set-up draws at one pixel per centimetre, which would
  // make a page of metres: it is put on paper at the 100% resolution.
  PlotWindow* window = newwindow(content, knownsetup(s.pagesetup) ? pagepxpercm(windevsize)
                                                                  : windevsize.pxpercm);
  int ifirst = 0, ilast = 0;
  textlen(ifirst, ilast, title);
  setwindowtitle(*window, std::string_view(title).substr(static_cast<std::size_t>(ifirst - 1),
                                                         static_cast<std::size_t>(ilast - ifirst + 1)));
  boundstable(screen, content, *window);
  wout(" Obtained Window Content: Collapsed => 0 ?    ");
  wout(" Obtained Window Port   : Collapsed => not 0 ?");
  wout(dashrule);
  wout(" Starting QZ context");
  menutail();

  DrawContext* context = begincontext(*window);
  context->antialias(s.aliasing == 1);
  view = View{window, window, context, 0};
}

void intplend() {
  if (view.context == nullptr) return;
  if (view.pathopen == 1) endpath();
  view.context->flush();
  submenuhead(intplend_id);
  wout(" Ready to close the Quartz plot window");
  std::string answer(1, ' ');
  int ierr = 0;
  inchar1(answer, "CR = Return to dispose of the plot ", ierr);
  wout(" Ending QZ context");
  const std::string files = endcontext(*view.window);
  disposewindow(view.window);
  view = View{};
  if (!files.empty()) say(files);
  wout(" The plot window is closed");
  menutail();
}

void intnewpage() {
  if (view.context == nullptr) return;
  DrawContext& cx = *view.context;
  if (view.pathopen == 1) endpath();
  cx.flush();
  const ScreenRect port = windowbounds(*view.window, WindowRegion::port);
  const auto width = static_cast<real>(port.right - port.left);
  const auto height = static_cast<real>(port.bottom - port.top);
  const real x = 0.0f, y = 0.0f;

  submenuhead(intnewpage_id);
  wout(dashrule);
  wout(" |" + ed::a("Domain", 17) + "|" + ed::a("Top", 5) + "|" + ed::a("Bottom", 5) + "|" +
       ed::a("Left", 5) + "|" + ed::a("Right", 5) + "|");
  auto row = [](std::string_view domain, long top, long bottom, long left, long right) {
    wout(" |" + ed::a(domain, 17) + "|" + ed::i(top, 4) + " |" + ed::i(bottom, 4) + " |" +
         ed::i(left, 4) + " |" + ed::i(right, 4) + " |");
  };
  row("Window Port", port.top, port.bottom, port.left, port.right);
  row("Quartz rectangle", std::lround(y + height), std::lround(y), std::lround(x),
      std::lround(x + width));
  wout(dashrule);
  menutail();

  // The page is cleared to white; the colours in force before the clear
  // stay in force after it, as black-and-white plots set none again.
  cx.savestate();
  cx.clearrect(x, y, width, height);
  cx.fillcolor(1.0f, 1.0f, 1.0f, 1.0f);
  cx.fillrect(x, y, width, height);
  cx.restorestate();
  cx.flush();
}

void setupplotlines(std::string_view plotname) {
  say("PLOT:");
  say("plot file name: " + ed::a(plotname, 20));
  say("open plot file  .............." + ed::listi(setupcode::open));
  say("scaling ......................" + ed::listi(setupcode::scaling));
  say("plot parameters .............." + ed::listi(setupcode::parameters));
}

bool plotwindowcode(int code, std::string_view plotname) {
  const bool open = iocom.lplotfile;
  if (code == setupcode::close) {
    plend();
  } else if (code == setupcode::run && open) {
    newpage();
  } else if (code == setupcode::open || code == setupcode::run) {
    plinit(plotname, 2);
    return !open;
  }
  return false;
}
