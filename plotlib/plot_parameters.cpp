#include "plotlib/plot_parameters.h"

#include <string>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/run_banners.h"
#include "dialogue/typed_input.h"
#include "plotlib/colour_table.h"
#include "plotlib/colours.h"
#include "plotlib/coordinates.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/markers.h"
#include "plotlib/setter_lines.h"
#include "plotlib/subplot_scaling.h"
#include "plotlib/user_drawing.h"

namespace {

const RoutineId splotparam2_id{"splotparam2", " 6.0", "14-05-2010"};

// Width of a colour name fetched for the listing.
constexpr std::size_t namewidth = 35;
// Width of a run caption line.
constexpr std::size_t captionwidth = 60;

// The menu codes.
namespace code {
constexpr int source = 1;  // settings offered: the stored ones or the defaults
constexpr int colourcount = 50, rgb = 51, colourtable = 52;
constexpr int linewidth = 10, linestyle = 11, linecolour = 12;
constexpr int fillstyle = 20, fillcolour = 21;
constexpr int textfont = 30, textsize = 31, textalign = 32, textangle = 33, textcolour = 34;
constexpr int symboltype = 40, symbolsize = 41;
}  // namespace code

// Modes 8 and 9 initialise the scalings and the colour table, not the
// attributes.
bool scalingmode(int mode) { return mode == 8 || mode == 9; }

void initscaling(int mode) {
  const bool open = iocom.lplotfile;
  const bool resetmaps = !allsubplotmode(mode);
  if (resetmaps) trigoset();
  submenuhead(splotparam2_id);
  wout(" INITIALIZING PLOT PARAMETERS");
  wout(" INITIALIZING SUBPLOT SCALING");
  if (open) {
    wout("  1: CM <-> DE");
    scm2de();
  } else {
    wout("  1: CM <-> DE: untouched (plot file closed)");
  }
  wout(resetmaps ? "  2: US <-> CM" : "  2: US <-> CM unchanged");
  wout(open ? "     US <-> DE" : "     US <-> DE: untouched (plot file closed)");
  const bool asking = dialoguemode(mode);
  int isub = 1;
  if (resetmaps) {
    // Every sub-plot gets the default user-to-centimetre map, from which
    // the scaling setter derives the device map of the current one.
    const int allmode = asking ? setmode::askdefaultall : setmode::setdefaultall;
    ssubplot(isub, allmode);
    real xcm0 = 0.0f, ycm0 = 0.0f, xx = 0.0f, xy = 0.0f, yx = 0.0f, yy = 0.0f;
    sus2cm1(xcm0, ycm0, xx, xy, yx, yy, allmode);
  } else {
    if (open) {
      for (int k = 1; k <= maxsubplot; ++k) {
        isub = k;
        ssubplot(isub, 1);
        sus2de();
      }
    }
    ssubplot(isub, asking ? setmode::askdefault : setmode::setdefault);
  }
}

// Every line, fill, text and marker attribute through its setter, in
// setter mode smode.
void initattributes(int smode) {
  real r = 0.0f;
  int i = 0;
  slinewidth(r, smode);
  slinestyle(i, smode);
  slinecolor(i, smode);
  stextsize(r, smode);
  stextfont(i, smode);
  stextangle(r, smode);
  stextalign(i, smode);
  stextcolor(i, smode);
  sfillstyle(i, smode);
  sfillcolor(i, smode);
  ssymbolsize(r, smode);
  ssymboltype(i, smode);
}

void showmenu(bool usecurrent) {
  submenuhead(splotparam2_id);
  if (!outlevel(2)) return;
  wout(dashrule);
  say("         SETTING PLOT ATTRIBUTES");
  wout(dashrule);
  say("GET SETTINGS");
  wout("  from currently stored..... " + ed::listi(code::source) + " " + ed::l(usecurrent, 1));
  wout("  from initialisation....... " + ed::listi(code::source) + " " + ed::l(!usecurrent, 1));
  wout(dashrule);
  say("COLOR TABLE:");
  say(" nb of color .............." + ed::listi(code::colourcount));
  say(" rgb values ..............." + ed::listi(code::rgb));
  say(" color table .............." + ed::listi(code::colourtable));
  if (iocom.lplotfile) {
    say("LINE ATTRIBUTES:");
    say(" thickness ................" + ed::listi(code::linewidth));
    say(" style ...................." + ed::listi(code::linestyle));
    say(" color ...................." + ed::listi(code::linecolour));
    say("POLYGON FILL ATTRIBUTES:");
    say(" interior style ..........." + ed::listi(code::fillstyle));
    say(" interior color ..........." + ed::listi(code::fillcolour));
    say("TEXT ATTRIBUTES:");
    say(" font ....................." + ed::listi(code::textfont));
    say(" size ....................." + ed::listi(code::textsize));
    say(" justification ............" + ed::listi(code::textalign));
    say(" angle ...................." + ed::listi(code::textangle));
    say(" color ...................." + ed::listi(code::textcolour));
    say("SYMBOL ATTRIBUTES:");
    say(" type ....................." + ed::listi(code::symboltype));
    say(" size ....................." + ed::listi(code::symbolsize));
  } else {
    say("THE PLOT IS CLOSED:");
    say(" => OTHER SETTINGS WILL BE RESET");
    say("    UPON PLOT OPENING");
  }
  wout(dashrule);
  say("EXIT THIS SET UP  ........." + ed::listi(exitcode));
  menutail();
}

// Every colour listed, then one of 1..number of colours edited.
void colourlisting(int smode) {
  int ierr = 0;
  int n = 0;
  scolornb(n, 3);
  wout(dashrule);
  colourheading();
  std::string name(namewidth, ' ');
  real red = 0.0f, green = 0.0f, blue = 0.0f;
  for (int k = 0; k <= n; ++k) {
    int index = k;
    scolorrgb(index, name, red, green, blue, 3);
    colourrow(index, name, red, green, blue);
  }
  wout(dashrule);
  int index = 0;
  inintegvin1(index, "index of color to modify", 1, n, ierr);
  scolorrgb(index, name, red, green, blue, smode);
}

// The setters of the codes that act only while the window is open.
void windowsetter(int code, int smode) {
  real r = 0.0f;
  int i = 0;
  switch (code) {
    case code::linewidth: slinewidth(r, smode); break;
    case code::linestyle: slinestyle(i, smode); break;
    case code::linecolour: slinecolor(i, smode); break;
    case code::fillstyle: sfillstyle(i, smode); break;
    case code::fillcolour: sfillcolor(i, smode); break;
    case code::textfont: stextfont(i, smode); break;
    case code::textsize: stextsize(r, smode); break;
    case code::textalign: stextalign(i, smode); break;
    case code::textangle: stextangle(r, smode); break;
    case code::textcolour: stextcolor(i, smode); break;
    case code::symboltype: ssymboltype(i, smode); break;
    case code::symbolsize: ssymbolsize(r, smode); break;
    case code::colourcount: scolornb(i, smode); break;
    default: break;
  }
}

// The menu until the exit code; usecurrent chooses whether the setters offer the
// stored values (setter mode 2) or the defaults (4).
void plotmenu(bool usecurrent) {
  int ierr = 0;
  for (;;) {
    const int smode = usecurrent ? setmode::askstored : setmode::askdefault;
    showmenu(usecurrent);
    int choice = exitcode;
    inintegdef(choice, "your choice", exitcode, ierr);
    switch (choice) {
      case exitcode:
        return;
      case code::source:
        inlogicdef(usecurrent, "whether to use current(1) or initial(0) parameters", usecurrent,
                   ierr);
        break;
      case code::rgb:
        colourlisting(smode);
        break;
      case code::colourtable:
        scolortable(smode);
        break;
      default:
        if (iocom.lplotfile) windowsetter(choice, smode);
        break;
    }
  }
}

// A text field from its first to its last non-blank character; an all-blank
// field gives one blank.
std::string trimmed(std::string_view field) {
  int ifirst = 0, ilast = 0;
  textlen(ifirst, ilast, field);
  if (ilast < ifirst) return {};
  return std::string(field.substr(static_cast<std::size_t>(ifirst - 1),
                                  static_cast<std::size_t>(ilast - ifirst + 1)));
}

// Halves the text height: h0 the height it had, h the height now set.
void halfheight(real& h0, real& h) {
  stextsize(h0, 3);
  h = h0 / 2.0f;
  stextsize(h, 1);
}

}  // namespace

void splotparam2(int mode) {
  if (defaultmode(mode) || allsubplotmode(mode) || scalingmode(mode)) {
    initscaling(mode);
    const int initmode = dialoguemode(mode) ? setmode::askdefault : setmode::setdefault;
    if (!allsubplotmode(mode)) scolortable(initmode);
    if (!scalingmode(mode) && iocom.lplotfile) initattributes(initmode);
  }
  if (dialoguemode(mode)) plotmenu(givenmode(mode) || storedmode(mode));
}

void ssubinfo(std::string_view subnam, std::string_view subver, std::string_view subdate, int,
              int) {
  runinfocom.csubname = ed::pad(subnam, 11);
  runinfocom.csubvers = ed::pad(subver, 4);
  runinfocom.csubdate = ed::pad(subdate, 10);
}

void cmplotruninfo0(real xcm, real ycm, int) {
  const RunInfoCom& ri = runinfocom;
  real h0 = 0.0f, h = 0.0f;
  halfheight(h0, h);
  real y = ycm;
  cmtext2(xcm, y,
          ed::pad("Main program " + trimmed(ri.cmainname) + " v" + ri.cmainvers + " on " +
                      ri.cmaindate,
                  captionwidth));
  y = y - 1.5f * h;
  cmtext2(xcm, y,
          ed::pad("Subroutine " + trimmed(ri.csubname) + " v" + ri.csubvers + " on " + ri.csubdate,
                  captionwidth));
  y = y - 1.5f * h;
  cmtext2(xcm, y,
          ed::pad("Run on " + trimmed(ri.csystem) + " on " + ri.crundate + " at " + ri.cruntime,
                  captionwidth));
  stextsize(h0, 1);
}

void cmplotcharinfo0(std::string_view text, int iline, real xcm, real ycm, int) {
  real h0 = 0.0f, h = 0.0f;
  halfheight(h0, h);
  cmtext2(xcm, ycm - (1.5f * h) * static_cast<real>(iline - 1), text);
  stextsize(h0, 1);
}

void pageruncaption() {
  int ijust = -2;  // the middle of the baseline, blanks ignored
  stextalign(ijust, 1);
  cmplotruninfo0(10.5f, 28.0f, 0);
}

void pagecaption(std::string_view text, int iline) {
  int ijust = -1;  // the left end of the baseline, blanks ignored
  stextalign(ijust, 1);
  cmplotcharinfo0(ed::pad(text, 35), iline, 2.0f, 28.0f, 0);
}
