#include "plotlib/line_fill_text.h"

#include <array>
#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "plotlib/device_drawing.h"
#include "plotlib/plot_records.h"
#include "plotlib/setter_lines.h"

namespace {

const RoutineId sfillstyle_id{"sfillstyle ", "    ", "          "};
const RoutineId slinewidth_id{"slinewidth ", "    ", "          "};
const RoutineId stextfont_id{"stextfont  ", "    ", "          "};
const RoutineId stextsize_id{"stextsize  ", "    ", "          "};
const RoutineId stextangle_id{"stextangle ", "    ", "          "};
const RoutineId stextalign_id{"stextalign ", "    ", "          "};

// Integers in the setters' lines: FORMAT (1x,a, 3(1x,i6)).
void intline(std::string_view text, int v) { sayint(text, v, 6); }
void realline(std::string_view text, real x) { sayreal(text, x, 8, 3); }
// The text height's lines: FORMAT (1x,a,1x,f6.2,1x,a).
void heightline(std::string_view text, real x) { sayreal(text, x, 6, 2); }

// Typographic points in a centimetre.
constexpr real pointspercm = 28.3464566f;

// Thickness and height limits: a value must lie above the minimum, up to
// the maximum.
constexpr real thickmin = 0.01f, thickmax = 1000.0f, thickdefault = 0.02f;
constexpr real heightmin = 0.02f, heightmax = 1000.0f, heightdefault = 0.5f;

void askingscreen(const RoutineId& id, std::string_view title) {
  submenuhead(id);
  wout(dashrule);
  say(title);
  wout(dashrule);
}

void checkfillstyle(int& istyle) {
  if (istyle > 1) {
    warninghead(sfillstyle_id);
    intline("trying to set style nb =", istyle);
    intline("max style nb =", 1);
    istyle %= 2;
    intline("===> RESET style nb =", istyle);
    warningtail00();
  } else if (istyle < 0) {
    warninghead(sfillstyle_id);
    intline("trying to set nb of style  =", istyle);
    say("min style nb = 0");
    istyle = 1;
    intline("===> RESET style nb =", istyle);
    warningtail00();
  }
}

void checkthickness(real& thickness) {
  if (thickness > thickmin && thickness <= thickmax) return;
  warninghead(slinewidth_id);
  say("LINE THICKNESS OUT OF RANGE:");
  realline(" line thickness (cm) =", thickness);
  realline(" min =", thickmin);
  realline(" max =", thickmax);
  thickness = thickdefault;
  realline("==> RESET line thickness =", thickness);
  warningtail00();
}

void checkheight(real& height) {
  if (height > heightmin && height <= heightmax) return;
  warninghead(stextsize_id);
  say("TEXT SIZE OUT OF RANGE:");
  heightline(" txtheight =", height);
  heightline(" min =", heightmin);
  heightline(" max =", heightmax);
  height = heightdefault;
  heightline("==> RESET txtheight =", height);
  warningtail00();
}

void checkjustification(int& ijust) {
  if (ijust >= -11 && ijust <= 11) return;
  warninghead(stextalign_id);
  intline("trying to set justif =", ijust);
  say("justif must be in [-11,11]");
  ijust = -1;
  intline("===> RESET justif =", ijust);
  warningtail00();
}

// Codes that name no point of the text become the left end on the
// baseline, keeping their sign (0 counts as negative).
void placejustification(int& ijust) {
  if (ijust != 0 && ijust != 4 && ijust != 8 && ijust != -4 && ijust != -8) return;
  warninghead(stextalign_id);
  intline("just =", ijust);
  ijust = ijust > 0 ? 1 : -1;
  intline("===> RESET just =", ijust);
  warningtail00();
}

// The help screen of the alignment, between rules, in 43 columns.
const std::array<std::string_view, 11> alignscreen{
    " |just| indicates where the x,y point",
    "      is relative to the textstring",
    " if just < 0 leading and trailing blanks",
    "      will be ignored",
    "",
    "   9              10              11",
    "   |---------------|---------------|",
    "   5<==textstring==6==============>7",
    "   |---------------|---------------|",
    "   1               2               3",
    "",
};

}  // namespace

void sfillstyle(int& istyle, int mode) {
  int ierr = 0;
  if (storedmode(mode)) {
    istyle = plt2blk.ifillstyle;
  } else if (defaultmode(mode)) {
    istyle = 1;
    if (mode == setmode::setdefault) {
      submenuhead(sfillstyle_id);
      say("INITIALISING FILL STYLE TO: filled");
    }
  } else {
    checkfillstyle(istyle);
  }
  if (askingmode(mode)) {
    askingscreen(sfillstyle_id, "     POLYGON FILL STYLES");
    intline("currently stored   :", plt2blk.ifillstyle);
    intline("suggested new value:", istyle);
    say("hollow ....................0");
    say("filled ....................1");
    menutail();
    inintegvindef(istyle, "your choice", istyle, 0, 1, ierr);
  }
  if (storingmode(mode))
    plt2blk.ifillstyle = istyle;
  else
    noaction(sfillstyle_id, mode, 6);
}

void slinestyle(int& /*istyle*/, int /*mode*/) {}

void slinewidth(real& thickness, int mode) {
  int ierr = 0;
  if (givenmode(mode)) checkthickness(thickness);
  if (storedmode(mode)) thickness = plt2blk.thickness;
  if (defaultmode(mode)) thickness = thickdefault;
  if (mode == setmode::setdefault) {
    submenuhead(slinewidth_id);
    wout(" INITIALISING LINE THICKNESS TO: " + ed::f(thickness, 8, 3) + " cm");
  }
  if (askingmode(mode)) {
    askingscreen(slinewidth_id, "          LINE THICKNESS");
    realline("present value in cm ....... ", thickness);
    menutail();
    inrealvindef(thickness, "line thickness in cm", thickness, thickmin, thickmax, ierr);
  }
  if (!storingmode(mode)) {
    noaction(slinewidth_id, mode, 6);
    return;
  }
  plt2blk.thickness = thickness;
  if (iocom.lplotfile) {
    real pixels = 0.0f;
    lengthcm2de(pixels, thickness);
    intslinewidth(pixels);
  }
}

void stextfont(int& ifont, int mode) {
  int ierr = 0;
  if (storedmode(mode)) ifont = plt2blk.itextfont;
  if (defaultmode(mode)) ifont = 1;
  if (mode == setmode::setdefault) {
    submenuhead(stextfont_id);
    say("INITIALISING TEXT FONT TO: 1 =  Geneva");
  }
  if (view.pathopen == 1) endpath();
  if (askingmode(mode)) {
    askingscreen(stextfont_id, "SETTING TEXT FONT");
    intline("present value.............. ", ifont);
    say("Geneva.....................1");
    menutail();
    inintegvindef(ifont, "your choice", ifont, 1, 15, ierr);
  }
  const bool known = ifont >= 1 && ifont <= 15;
  if (!storingmode(mode) || !known) {
    warninghead(stextfont_id);
    if (!known)
      intline("font number =", ifont);
    else
      intline("inter =", mode);
    say("===> NO ACTION");
    warningtail00();
    return;
  }
  plt2blk.itextfont = ifont;
  if (iocom.lplotfile && view.context != nullptr)
    view.context->selectfont(
        "Geneva", plt2blk.txtheight * pointspercm * plt1blk.cmscale / windevsize.pxpercm);
}

void stextsize(real& height, int mode) {
  int ierr = 0;
  if (givenmode(mode)) checkheight(height);
  if (storedmode(mode)) height = plt2blk.txtheight;
  if (defaultmode(mode)) height = heightdefault;
  if (mode == setmode::setdefault) {
    submenuhead(stextsize_id);
    wout(" INITIALISING TEXT SIZE TO: " + ed::f(height, 6, 2) + " cm");
  }
  if (askingmode(mode)) {
    askingscreen(stextsize_id, "                TEXT SIZE");
    heightline("present value in cm .......... ", height);
    menutail();
    inrealvindef(height, "text height in cm", height, heightmin, heightmax, ierr);
  }
  if (!storingmode(mode)) {
    noaction(stextsize_id, mode, 6);
    return;
  }
  plt2blk.txtheight = height;
  if (iocom.lplotfile) {
    intstextsize(height);
    return;
  }
  warninghead(stextsize_id);
  intline("inter =", mode);
  say("Attempting to set textsize with");
  say("a closed plot file");
  say("===> Value stored but no further call to lib");
  warningtail00();
}

void stextangle(real& angle, int mode) {
  int ierr = 0;
  if (storedmode(mode)) angle = plt2blk.txtangle;
  if (defaultmode(mode)) angle = 0.0f;
  if (mode == setmode::setdefault) {
    submenuhead(stextangle_id);
    say("INITIALISING TEXT ANGLE TO: 0.0");
  }
  if (askingmode(mode)) {
    askingscreen(stextangle_id, "         TEXT ANGLE (degrees)");
    realline("currently stored   :", plt2blk.txtangle);
    realline("suggested new value:", angle);
    menutail();
    inrealdef(angle, "text angle in degrees", angle, ierr);
  }
  if (storingmode(mode))
    plt2blk.txtangle = angle;
  else
    noaction(stextangle_id, mode, 6);
}

void stextalign(int& ijust, int mode) {
  int ierr = 0;
  if (storedmode(mode)) {
    ijust = plt2blk.ijust;
  } else if (defaultmode(mode)) {
    ijust = -1;
    if (mode == setmode::setdefault) {
      submenuhead(stextalign_id);
      say("INITIALISING TEXT ALIGNMENT TO: -1");
      say("=====> left-bottom trimmed");
    }
  } else {
    checkjustification(ijust);
  }
  if (askingmode(mode)) {
    submenuhead(stextalign_id);
    wout(dashrule);
    say(ed::pad("          SETTING TEXT ALIGNMENT", 43));
    wout(dashrule);
    for (std::string_view line : alignscreen) say(ed::pad(line, 43));
    wout(dashrule);
    intline("currently stored   :", plt2blk.ijust);
    intline("suggested new value:", ijust);
    menutail();
    inintegvindef(ijust, "value of just", ijust, -11, 11, ierr);
  }
  if (!storingmode(mode)) {
    noaction(stextalign_id, mode, 6);
    return;
  }
  placejustification(ijust);
  plt2blk.ijust = ijust;
}
