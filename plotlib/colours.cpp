#include "plotlib/colours.h"

#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "dialogue/value_checks.h"
#include "plotlib/plot_records.h"
#include "plotlib/setter_lines.h"

namespace {

const RoutineId scolornb_id{"scolornb   ", "    ", "          "};
const RoutineId scolorrgb_id{"scolorrgb  ", "    ", "          "};

// The menu codes of the number of colours and of one colour.
namespace code {
constexpr int count = 10;  // the new number of colours
constexpr int index = 10, name = 20;
constexpr int components = 30;  // red, green and blue
constexpr int cancel = 98;      // leave, keeping nothing
}  // namespace code

// Lines with a number: FORMAT (5(1x,a,1x,i3)) in scolornb,
// (5(1x,a,1x,i)) in scolorrgb.
void countline(std::string_view text, int v) { sayint(text, v, 3); }
void rgbline(std::string_view text, int v) { sayint(text, v, 0); }

void checkcount(int& ncol) {
  if (ncol > maxcolor) {
    warninghead(scolornb_id);
    countline("trying to set nb of color  =", ncol);
    countline("max nb of color  =", maxcolor);
    ncol = maxcolor;
    countline("===> RESET nb of color =", ncol);
    warningtail00();
  } else if (ncol < 1) {
    warninghead(scolornb_id);
    countline("trying to set nb of color  =", ncol);
    say("min nb of color  = 1");
    ncol = 1;
    countline("===> RESET nb of color =", ncol);
    warningtail00();
  }
}

// The menu of the number of colours; false when it is cancelled.
bool countmenu(int& ncol) {
  int ierr = 0;
  for (;;) {
    submenuhead(scolornb_id);
    say("SETTING THE NUMBER OF COLORS:");
    wout(dashrule);
    countline("max nb of colors ................", maxcolor);
    countline("current nb of colors ............", plt2blk.ncolor);
    countline("new nb of colors to apply ....." + ed::listi(code::count), ncol);
    wout(dashrule);
    say("CANCEL AND EXIT ..............." + ed::listi(code::cancel));
    say("UPDATE AND EXIT ..............." + ed::listi(exitcode));
    menutail();
    int choice = exitcode;
    inintegdef(choice, "your choice", exitcode, ierr);
    if (choice == code::count) inintegvindef(ncol, "new nb of colors", ncol, 1, maxcolor, ierr);
    if (choice == code::cancel) return false;
    if (choice == exitcode) return true;
  }
}

// The line, fill and text colour indices checked against a number of
// colours that has become smaller.
void checkindices() {
  say("The nb of colors has been reduced");
  say("==> checking current set up versus new max");
  int icol = 0;
  slinecolor(icol, 3);
  sfillcolor(icol, 3);
  stextcolor(icol, 3);
  say("==> checking done");
}

void setentry(int index, std::string_view name, real red, real green, real blue) {
  const std::size_t k = colorindex(index);
  plt2blk.RED[k] = red;
  plt2blk.GREEN[k] = green;
  plt2blk.BLUE[k] = blue;
  pltcharblk.colornam[k] = ed::pad(name, colornamewidth);
}

// The background, black and pure red, green and blue, as far as the
// number of colours goes.
void defaultrgb() {
  submenuhead(scolorrgb_id);
  say("INITIALIZING RGB: 4 COLORS + BKG");
  setentry(0, "White-bkg", 100.0f, 100.0f, 100.0f);
  if (plt2blk.ncolor >= 1) setentry(1, "Black", 0.0f, 0.0f, 0.0f);
  if (plt2blk.ncolor >= 4) {
    setentry(2, "Red", 100.0f, 0.0f, 0.0f);
    setentry(3, "Green", 0.0f, 100.0f, 0.0f);
    setentry(4, "Blue", 0.0f, 0.0f, 100.0f);
  }
}

void checkrgbindex(int& index) {
  if (index > plt2blk.ncolor) {
    warninghead(scolorrgb_id);
    rgbline("trying to set color nb =", index);
    rgbline("when nb of color  =", plt2blk.ncolor);
    index %= plt2blk.ncolor + 1;
    rgbline("===> RESET nb of color =", index);
    warningtail00();
  } else if (index < 0) {
    warninghead(scolorrgb_id);
    rgbline("trying to set nb of color  =", index);
    say("min nb of color  = 0");
    index = 1;
    rgbline("===> RESET nb of color =", index);
    warningtail00();
  }
}

// A row of the components: FORMAT (1x,a7,'|',3(1x,f6.1,1x,'|')).
void componentrow(std::string_view label, real red, real green, real blue) {
  wout(" " + ed::a(label, 7) + "| " + ed::f(red, 6, 1) + " | " + ed::f(green, 6, 1) + " | " +
       ed::f(blue, 6, 1) + " |");
}

// The menu of one colour; false when it is cancelled.
bool rgbmenu(int& index, std::string& name, real& red, real& green, real& blue) {
  int ierr = 0;
  for (;;) {
    const std::size_t k = colorindex(index);
    submenuhead(scolorrgb_id);
    say("SETTING RGB COLORS:");
    wout(dashrule);
    rgbline("max nb of colors ................", maxcolor);
    rgbline("current nb of colors ............", plt2blk.ncolor);
    rgbline("color index ..................." + ed::listi(code::index), index);
    say("current color name .............. " + pltcharblk.colornam[k]);
    say("new    color  name ............" + ed::listi(code::name) + " " + name);
    wout(dashrule);
    wout(" " + ed::a(" ", 7) + "| " + ed::a("red%", 6) + " | " + ed::a("green%", 6) + " | " +
         ed::a("blue%", 6) + " |");
    componentrow("current", plt2blk.RED[k], plt2blk.GREEN[k], plt2blk.BLUE[k]);
    componentrow("new", red, green, blue);
    wout(dashrule);
    say("modify rgb setting ............" + ed::listi(code::components));
    say("CANCEL AND EXIT ..............." + ed::listi(code::cancel));
    say("UPDATE AND EXIT ..............." + ed::listi(exitcode));
    menutail();
    int choice = exitcode;
    inintegdef(choice, "your choice", exitcode, ierr);
    switch (choice) {
      case code::index:
        inintegvindef(index, "new color index", index, 1, plt2blk.ncolor, ierr);
        break;
      case code::name:
        inchardef(name, "new color name", name, ierr);
        break;
      case code::components:
        inrealvindef(red, "red component (%)", red, 0.0f, 100.0f, ierr);
        inrealvindef(green, "green component (%)", green, 0.0f, 100.0f, ierr);
        inrealvindef(blue, "blue component (%)", blue, 0.0f, 100.0f, ierr);
        break;
      case code::cancel:
        return false;
      case exitcode:
        return true;
      default:
        break;
    }
  }
}

// What tells the three colour index setters apart.
struct IndexSetter {
  RoutineId id;
  int Plt2Blk::*field;
  int defaultindex;
  std::string_view initline;
  std::string_view title;
};

const IndexSetter linecolor{{"slinecolor ", "    ", "          "}, &Plt2Blk::ilinecolor, 1,
                            "INITIALISING LINE COLOR TO:", "     LINE COLOR"};
const IndexSetter fillcolor{{"sfillcolor ", "    ", "          "}, &Plt2Blk::ifillcolor, 8,
                            "INITIALISING FILL COLOR TO:", "     FILL COLOR"};
const IndexSetter textcolor{{"stextcolor ", "    ", "          "}, &Plt2Blk::itextcolor, 1,
                            "INITIALISING TEXT COLOR TO:", "TEXT COLOR"};

// Lines with a number: FORMAT (1x,a, 3(1x,i6)).
void indexline(std::string_view text, int v) { sayint(text, v, 6); }

void checkcolourindex(const IndexSetter& s, int& icol) {
  if (icol > plt2blk.ncolor) {
    warninghead(s.id);
    indexline("trying to set color nb =", icol);
    indexline("when max color nb      =", plt2blk.ncolor);
    icol %= plt2blk.ncolor + 1;
    if (icol == 0) icol = 1;
    indexline("===> RESET color nb    =", icol);
    warningtail00();
  } else if (icol < 0) {
    warninghead(s.id);
    indexline("trying to set color nb =", icol);
    say("when min color nb      = 0");
    icol = 1;
    indexline("===> RESET color nb    =", icol);
    warningtail00();
  }
}

void scolorindex(const IndexSetter& s, int& icol, int mode) {
  int& stored = plt2blk.*s.field;
  int ierr = 0;
  if (storedmode(mode)) icol = stored;
  if (defaultmode(mode)) icol = s.defaultindex;
  if (mode == setmode::setdefault) {
    submenuhead(s.id);
    say(std::string(s.initline) + " " + pltcharblk.colornam[colorindex(icol)]);
  }
  checkcolourindex(s, icol);
  if (askingmode(mode)) {
    submenuhead(s.id);
    wout(dashrule);
    say(s.title);
    wout(dashrule);
    indexline("current value:", stored);
    indexline("new     value:", icol);
    for (int k = 0; k <= plt2blk.ncolor; ++k)
      wout(" " + ed::a(pltcharblk.colornam[colorindex(k)], 8) + std::string(17, '.') +
           ed::i(k, 3));
    menutail();
    inintegvindef(icol, "your choice", icol, 0, plt2blk.ncolor, ierr);
  }
  if (storingmode(mode))
    stored = icol;
  else
    noaction(s.id, mode, 6);
}

}  // namespace

void scolornb(int& ncol, int mode) {
  if (storedmode(mode)) {
    ncol = plt2blk.ncolor;
  } else if (defaultmode(mode)) {
    ncol = 4;
    plt2blk.ncolor = ncol;
    plt2blk.icolorplot = 1;
    submenuhead(scolornb_id);
    countline("INITIALIZING NUMBER OF COLORS TO:", ncol);
  } else {
    checkcount(ncol);
  }
  const bool asking = dialoguemode(mode);
  if (asking && !countmenu(ncol)) return;
  plt2blk.icolorplot = ncol == 1 ? 0 : 1;
  if (mode == setmode::setdefault || asking)
    wout(" NB of colors = " + ed::i(ncol, 3) +
         (plt2blk.icolorplot == 1 ? " ==> Color plot" : " ==> Black & White plot"));
  const int before = plt2blk.ncolor;
  plt2blk.ncolor = ncol;
  if (ncol < before) checkindices();
}

void scolorrgb(int& index, std::string& name, real& red, real& green, real& blue, int mode) {
  int ierr = 0;
  if (defaultmode(mode))
    defaultrgb();
  else
    checkrgbindex(index);
  if (storedmode(mode) || defaultmode(mode)) {
    const std::size_t k = colorindex(index);
    name = ed::pad(pltcharblk.colornam[k], name.size());
    red = plt2blk.RED[k];
    green = plt2blk.GREEN[k];
    blue = plt2blk.BLUE[k];
  } else {
    crevin2("red (%)", red, 0.0f, 100.0f, scolorrgb_id.name, 0, ierr);
    crevin2("green (%)", green, 0.0f, 100.0f, scolorrgb_id.name, 0, ierr);
    crevin2("blue (%)", blue, 0.0f, 100.0f, scolorrgb_id.name, 0, ierr);
  }
  if (dialoguemode(mode) && !rgbmenu(index, name, red, green, blue)) return;
  setentry(index, name, red, green, blue);
}

void slinecolor(int& icol, int mode) { scolorindex(linecolor, icol, mode); }
void sfillcolor(int& icol, int mode) { scolorindex(fillcolor, icol, mode); }
void stextcolor(int& icol, int mode) { scolorindex(textcolor, icol, mode); }
