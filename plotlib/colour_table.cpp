#include "plotlib/colour_table.h"

#include <array>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "plotlib/colours.h"
#include "plotlib/plot_records.h"
#include "plotlib/setter_lines.h"

namespace {

const RoutineId scolortable_id{"scolortable", "    ", "          "};

// The menu codes.
namespace code {
constexpr int count = 100;  // the number of colours
constexpr int rgb = 200;    // one colour's content
constexpr int file = 300;   // the table read from a file
}  // namespace code

// Unit of the colour table file, and the width in which its name is shown.
constexpr int colourunit = 20;
constexpr std::size_t filenamewidth = 25;
// Width of a name read from the file.
constexpr std::size_t readnamewidth = 35;

// Lines with a number: FORMAT (5(1x,a,1x,i4)).
void tableline(std::string_view text, int v) { sayint(text, v, 4); }

struct StartColour {
  std::string_view name;
  real red, green, blue;
};

const std::array<StartColour, maxcolor + 1> startcolours{{
    {"White-bkg", 100.0f, 100.0f, 100.0f},
    {"Black", 0.0f, 0.0f, 0.0f},
    {"Red", 50.0f, 0.0f, 0.0f},
    {"Green", 0.0f, 50.0f, 0.0f},
    {"Blue", 0.0f, 0.0f, 50.0f},
    {"Cyan", 0.0f, 50.0f, 50.0f},
    {"Magenta", 50.0f, 0.0f, 50.0f},
    {"Yellow", 50.0f, 50.0f, 0.0f},
    {"Grey20", 80.0f, 80.0f, 80.0f},
    {"Grey30", 70.0f, 70.0f, 70.0f},
    {"Grey40", 60.0f, 60.0f, 60.0f},
    {"Grey50", 50.0f, 50.0f, 50.0f},
    {"Grey70", 30.0f, 30.0f, 30.0f},
}};

void starttable() {
  submenuhead(scolortable_id);
  say("INITIALIZING COLOR TABLE:");
  say("0   -> BKG = WHITE");
  say("1   -> FRG = BLACK");
  say("2-4 -> RGB COLORS");
  say("5-7 -> CMY COLORS");
  say("8   -> GREY 50%");
  int ncol = maxcolor;
  scolornb(ncol, 1);
  for (int k = 0; k <= maxcolor; ++k) {
    const StartColour& c = startcolours[colorindex(k)];
    int index = k;
    std::string name(c.name);
    real red = c.red, green = c.green, blue = c.blue;
    scolorrgb(index, name, red, green, blue, 1);
  }
}

// Why a colour table file could not be read to its end.
enum class ReadFault { none, value, end };

void fileclosed(const std::string& fname) {
  say("Input file " + std::string(ed::trim(ed::pad(fname, filenamewidth))) + " is closed");
}

// The reading stopped at record nline: the file is closed, the banner says
// where and why.
void readfailed(ReadFault fault, int nline, const std::string& fname) {
  errorhead(scolortable_id);
  if (fault == ReadFault::end) say("END OF FILE REACHED UNEXPECTEDLY");
  tableline("WHILE READING LINE NUMBER ", nline);
  closeunit(colourunit);
  fileclosed(fname);
  errortail00();
}

ReadFault fault(ed::ListEnd end) {
  if (end == ed::ListEnd::complete) return ReadFault::none;
  return end == ed::ListEnd::eof ? ReadFault::end : ReadFault::value;
}

// Reads the number of colours, then one record per colour, each through
// the setters; an empty value takes the one of the record before. Returns
// what stopped the reading, nline the record reached.
ReadFault readcolours(int& nline) {
  nline = 1;
  int ncol = 0;
  const ed::ListVar count[] = {&ncol};
  if (const ReadFault f = fault(ed::readlist(colourunit, count).end); f != ReadFault::none) return f;
  scolornb(ncol, 1);

  int index = 0;
  real red = 0.0f, green = 0.0f, blue = 0.0f;
  std::string name(readnamewidth, ' ');
  const ed::ListVar entry[] = {&index, &red, &green, &blue, &name};
  for (int k = 0; k <= plt2blk.ncolor; ++k) {
    ++nline;
    if (const ReadFault f = fault(ed::readlist(colourunit, entry).end); f != ReadFault::none)
      return f;
    scolorrgb(index, name, red, green, blue, 1);
  }
  return ReadFault::none;
}

void readtablefile() {
  std::string fname;
  opef2(fname, "color table input", colourunit, "old", 0, filenamewidth);
  int nline = 0;
  if (const ReadFault f = readcolours(nline); f != ReadFault::none) {
    readfailed(f, nline, fname);
    return;
  }
  closeunit(colourunit);
  submenuhead(scolortable_id);
  fileclosed(fname);
  wout(" Could read up to: " + ed::i(maxcolor, 4) + " DATA");
  wout(" Actually read   : " + ed::i(plt2blk.ncolor, 4) + " DATA");
  menutail();
}

void showtable() {
  submenuhead(scolortable_id);
  say("SETTING COLOR TABLE");
  wout(dashrule);
  tableline("Current nb of colors:", plt2blk.ncolor);
  wout(dashrule);
  colourheading();
  for (int k = 0; k <= plt2blk.ncolor; ++k) {
    const std::size_t c = colorindex(k);
    colourrow(k, pltcharblk.colornam[c], plt2blk.RED[c], plt2blk.GREEN[c], plt2blk.BLUE[c]);
  }
  wout(dashrule);
  say("modify nb of colors .........." + ed::listi(code::count));
  say("modify rgb color content ....." + ed::listi(code::rgb));
  say("read color table from file ..." + ed::listi(code::file));
  wout(dashrule);
  say("EXIT .........................." + ed::listi(exitcode));
  menutail();
}

void editcolour() {
  int ierr = 0;
  int index = 0;
  inintegvin1(index, "index of color to modify", 0, plt2blk.ncolor, ierr);
  std::string name(readnamewidth, ' ');
  real red = 0.0f, green = 0.0f, blue = 0.0f;
  scolorrgb(index, name, red, green, blue, 2);
}

}  // namespace

void scolortable(int mode) {
  if (defaultmode(mode)) starttable();
  if (!dialoguemode(mode)) return;
  int ierr = 0;
  for (;;) {
    showtable();
    int choice = exitcode;
    inintegdef(choice, "your choice", exitcode, ierr);
    if (choice == exitcode) return;
    if (choice == code::count) {
      int ncol = 0;
      scolornb(ncol, 2);
    } else if (choice == code::rgb) {
      editcolour();
    } else if (choice == code::file) {
      readtablefile();
    }
  }
}

void colourheading() {
  wout(" |" + ed::a("index", 5) + "|" + ed::a("name", 10) + "| " + ed::a("red%", 6) + " | " +
       ed::a("green%", 6) + " | " + ed::a("blue%", 6) + " |");
}

void colourrow(int index, std::string_view name, real red, real green, real blue) {
  wout(" | " + ed::i(index, 3) + " |" + ed::a(name, 10) + "| " + ed::f(red, 6, 1) + " | " +
       ed::f(green, 6, 1) + " | " + ed::f(blue, 6, 1) + " |");
}
