#include "overlays/column_setup.h"

#include <algorithm>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "dialogue/value_checks.h"
#include "overlays/column_lines.h"

ReadRealSetup readrealsetup;

namespace {

using columnlines::item;
using columnlines::question;

// The menu codes.
namespace code {
constexpr int display = 100;  // lines of the file shown in the dialogue
constexpr int skip = 110;     // header lines without data
constexpr int title = 120;    // line of the title
constexpr int header = 130;   // line of the column names
constexpr int help = 900;
}  // namespace code
using columnlines::shown;

const RoutineId sfheader1_id{"sfheader1  ", "    ", "          "};
const RoutineId showfhead1_id{"showfhead1 ", "    ", "          "};

// A title or name line beyond the header lines: warned and set to 0.
void resetbeyond(std::string_view name, int& line, int iskip) {
  if (line <= iskip) return;
  warninghead(sfheader1_id);
  wout(item(std::string(name) + " =") + item(line) + item("> iskip =") + item(iskip));
  line = 0;
  wout(item("===> RESET " + std::string(name) + " =") + item(line));
  warningtail00();
}

void help() {
  submenuhead(sfheader1_id);
  say(std::string(10, ' ') + "ACCEPTABLE FILE FORMAT" + std::string(11, ' '));
  wout(dashrule);
  say("Default file header");
  wout(item("line nb") + item("content"));
  wout(dashrule);
  wout(item("1") + item("  'Title of the data set'"));
  wout(item("2") + item("  'header1'   'header2'   'header3'"));
  wout(item("3") + item("      65.3           5         6.3"));
  wout(dashrule);
  say("line nb for title  = 0 => do not read title");
  say("line nb for header = 0 => do not read header");
  wout(dashrule);
  say("numerical data are read in");
  say("  free format (list-directed)");
  say("  => they can be separated by tabs or spaces");
  say("  ");
  say("character strings are read in");
  say("  free format (list-directed)");
  say("  => they must be enclosed within quotes");
  say("     as above. If not, do not read them.");
  menutail();
}

void showmenu(int ndisp, int iskip, int ititle, int iheader) {
  submenuhead(sfheader1_id);
  say(std::string(12, ' ') + "FILE HEADER SET UP" + std::string(13, ' '));
  wout(dashrule);
  wout(item("nb of lines to display in dialog." + ed::listi(code::display)) + item(ndisp));
  wout(item("nb of header lines without data ." + ed::listi(code::skip)) + item(iskip));
  wout(item("line nb to read title ..........." + ed::listi(code::title)) + item(ititle));
  wout(item("line nb to read column header...." + ed::listi(code::header)) + item(iheader));
  say("HELP ............................" + ed::listi(code::help));
  say("SET UP IS OK, EXIT AND PROCEED ..." + ed::listi(exitcode));
  menutail();
}

// The menu loop, until the exit code. The title and name lines are asked within 0 to
// iskip, or 0 alone when iskip is negative, so that the question can
// always be answered.
void menu(int& ierr, int& ndisp, int& iskip, int& ititle, int& iheader, std::string_view fname,
          int iunit) {
  for (;;) {
    if (unitopen(iunit)) {
      showfhead1(ierr, fname, iunit, ndisp, iskip, ititle, iheader);
    } else {
      warninghead(sfheader1_id);
      say("Input file " + shown(fname) + " is not opened");
      say("======> cannot display header");
      warningtail00();
    }
    showmenu(ndisp, iskip, ititle, iheader);
    int code = exitcode, jerr = 0;
    inintegdef(code, question("your choice"), code, jerr);
    const int top = std::max(iskip, 0);
    switch (code) {
      case code::display:
        inintegdef(ndisp, question("Number of header lines to display"), ndisp, jerr);
        break;
      case code::skip:
        inintegdef(iskip, question("Number of dataless lines to skip"), iskip, jerr);
        break;
      case code::title:
        inintegvindef(ititle, question("line number to read title from"), ititle, 0, top, jerr);
        break;
      case code::header:
        inintegvindef(iheader, question("line number to read column headers from"), iheader, 0, top,
                      jerr);
        break;
      case code::help:
        help();
        break;
      case exitcode:
        return;
    }
  }
}

// The tag of line i of the preview: its role under the settings.
void tags(int i, int iskip, int ititle, int iheader) {
  const std::string head = item("==>Line nb:") + item(i);
  if (i > iskip) {
    wout(head + item("= Data ===================="));
    return;
  }
  if (i != ititle && i != iheader) wout(head + item("= Header to skip =========="));
  if (i == ititle) wout(head + item("= Header: Title ==========="));
  if (i == iheader) wout(head + item("= Header: Column names ===="));
}

// A preview line up to its last non-blank character (all 400 columns when
// blank), in rows of at most 100.
void showline(const std::string& line) {
  const std::string buffer = ed::pad(line, 400);
  int ifirst = 0, ilast = 0;
  textlen(ifirst, ilast, buffer);
  for (int from = 0; from < ilast; from += 100)
    say(buffer.substr(static_cast<std::size_t>(from),
                      static_cast<std::size_t>(std::min(100, ilast - from))));
}

void rewound(std::string_view fname, int iunit) {
  rewindunit(iunit);
  say("==> FILE " + shown(fname) + " IS REWOUND");
}

}  // namespace

void sfheader1(int& ierr, int& ndisp, int& iskip, int& ititle, int& iheader, std::string_view fname,
               int iunit, int mode) {
  ReadRealSetup& r = readrealsetup;
  if (storedmode(mode)) {
    ndisp = r.ndisp, iskip = r.iskip, ititle = r.ititle, iheader = r.iheader;
  } else if (defaultmode(mode)) {
    submenuhead(sfheader1_id);
    say("INITIALIZING INPUT FILE HEADER");
    ndisp = 3, iskip = 2, ititle = 1, iheader = 2;
  } else if (!givenmode(mode)) {
    int jerr = 0;
    cinvin(mode, 0, 5, "sfheader1", "inter", jerr);
  }
  resetbeyond("ititle", ititle, iskip);
  resetbeyond("iheader", iheader, iskip);
  if (dialoguemode(mode)) menu(ierr, ndisp, iskip, ititle, iheader, fname, iunit);
  r.ndisp = ndisp, r.iskip = iskip, r.ititle = ititle, r.iheader = iheader;
}

void showfhead1(int& ierr, std::string_view fname, int iunit, int ndisp, int iskip, int ititle,
                int iheader) {
  ierr = 0;
  submenuhead(showfhead1_id);
  say(std::string(9, ' ') + "DISPLAYING FILE HEADER" + std::string(12, ' '));
  say("OF FILE: " + shown(fname));
  wout(dashrule);
  std::string line;
  for (int k = 0; k < ndisp; ++k) {
    const int i = k + 1;
    tags(i, iskip, ititle, iheader);
    const ReadStatus status = readline(iunit, line);
    if (status == ReadStatus::line) {
      showline(line);
      continue;
    }
    if (status == ReadStatus::failed) {
      errorhead(showfhead1_id);
      wout(item("WHILE READING") + item(i) + item("th LINE"));
      say("IN FILE: " + shown(fname));
    } else {
      warninghead(showfhead1_id);
      say("REACHED END OF FILE");
      say("IN FILE: " + shown(fname));
      wout(item("WHILE READING") + item(i) + item("th LINE"));
    }
    rewound(fname, iunit);
    ierr = 1;
    if (status == ReadStatus::failed)
      errortail00();
    else
      warningtail00();
    return;
  }
  say(std::string(43, '='));
  rewound(fname, iunit);
  menutail();
}
