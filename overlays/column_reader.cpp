#include "overlays/column_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "dialogue/value_checks.h"
#include "overlays/column_assignment.h"
#include "overlays/column_lines.h"
#include "overlays/column_setup.h"

namespace {

using columnlines::item;
using columnlines::question;
using columnlines::shown;

const RoutineId readreal6_id{"readreal6  ", "    ", "          "};
const RoutineId getftitle1_id{"getftitle1 ", "    ", "          "};
const RoutineId getfnamcol_id{"getfnamcol ", "    ", "          "};
const RoutineId getfreal_id{"getfreal   ", "    ", "          "};

// Width of the titles getfreal reads and shows.
constexpr std::size_t titlewidth = 50;

std::string defaultcolname(int k) { return ed::pad("File.col." + ed::listi(k), colnamewidth); }

void fileclosed(std::string_view fname, int iunit) {
  closeunit(iunit);
  say("input file " + shown(fname) + " closed");
}

void filerewound(std::string_view fname, int iunit) {
  rewindunit(iunit);
  say("input file " + shown(fname) + " rewound");
}

// Reads the next count lines and throws them away; the number (from 1) of
// the first that could not be read, or 0.
int skiplines(int iunit, int count) {
  std::string line;
  for (int i = 0; i < count; ++i)
    if (readline(iunit, line) != ReadStatus::line) return i + 1;
  return 0;
}

// The table columns of the variables brought into 1..ncoltab, with the
// error lines of a column that was not; ncolused the highest one.
bool checktablecolumns(int& ncolused, int ncoltab) {
  ReadRealSetup& r = readrealsetup;
  bool reset = false;
  ncolused = 0;
  for (int v = 1; v <= r.nvar; ++v) {
    int& jcol = r.jcol[static_cast<std::size_t>(v - 1)];
    if (jcol > ncoltab || jcol < 1) {
      errorhead(getfreal_id);
      wout(item("         variable nb   =") + item(v));
      wout(item("array col nb to fill   =") + item(jcol));
      wout(item("max array col nb       =") + item(ncoltab));
      jcol = jcol < 1 ? 1 : ncoltab;
      wout(item("==> RESET array col nb =") + item(jcol));
      say("==> NEED TO GO BACK TO SETTINGS");
      say("==> AND READ THE FILE AGAIN");
      errortail00();
      reset = true;
    }
    ncolused = std::max(ncolused, jcol);
  }
  return reset;
}

enum class RowRead { row, end, bad };

// Reads data line i into the record's line buffer.
RowRead readrow(int iunit, int i) {
  ReadRealSetup& r = readrealsetup;
  std::array<ed::ListVar, maxfilecol> values;
  for (std::size_t k = 0; k < values.size(); ++k) values[k] = &r.rr[k];
  const ed::ListRead read = ed::readlist(
      iunit, std::span(values).first(static_cast<std::size_t>(std::clamp(r.ncolfil, 0, maxfilecol))));
  if (read.end == ed::ListEnd::eof) {
    if (read.got == 0) return RowRead::end;
    warninghead(getfreal_id);
    wout(item("END OF FILE INSIDE DATA LINE") + item(i));
    say("==> INCOMPLETE LINE NOT STORED");
    warningtail00();
    return RowRead::end;
  }
  return read.end == ed::ListEnd::complete ? RowRead::row : RowRead::bad;
}

void storerow(ColumnTable rdat, int i) {
  const ReadRealSetup& r = readrealsetup;
  for (std::size_t v = 0; static_cast<int>(v) < r.nvar; ++v)
    rdat[static_cast<std::size_t>(r.jcol[v] - 1)][static_cast<std::size_t>(i - 1)] =
        r.rr[static_cast<std::size_t>(r.jfcol[v] - 1)];
}

// The summary box of a completed read.
void readsummary(const std::string& title, int nrowread, int ncolused, int nrowtab, int ncoltab,
                 std::string_view fname, int iunit, int mode) {
  const int nvar = readrealsetup.nvar;
  submenuhead(getfreal_id);
  if (dialoguemode(mode)) {
    say("Input file name: " + shown(fname));
    say("Title: " + std::string(ed::trim(title)));
    say("    Number of variable status");
    wout(item("Could read up to:") + item(maxfilecol));
    wout(item("Actually read   :") + item(nvar));
    say("        Array status             ");
    wout(item("Could read up to:") + item(nrowtab, 5) + item("lines"));
    wout(item("Actually read   :") + item(nrowread, 5) + item("lines"));
    wout(item("Can use up to   :") + item(ncoltab) + item("columns"));
    wout(item("Actually used   :") + item(ncolused) + item("columns"));
  } else {
    wout(item("Stored") + item(nvar) + item("variables and") + item(nrowread) + item("lines"));
  }
  fileclosed(fname, iunit);
  menutail();
}

// The mode in which getftitle1 and getfnamcol show what they read.
constexpr int showmode = 0;

// What follows an attempt at reading the open file.
enum class Next { done, again, newfile, quit };

// The codes of the menu after a failed step and of the menu before reading.
namespace code {
constexpr int again = 1;    // the same file again
constexpr int newfile = 0;
constexpr int read = 1000;  // read and exit
}  // namespace code

// The menu after a failed step: same file again (rewound), another file
// (this one closed), or give up (closed).
Next recovery(std::string_view fname, int iunit) {
  say("IN FILE: " + shown(fname));
  say(std::string(30, '-'));
  say("Try again on same file ......" + ed::listi(code::again));
  say("New file ...................." + ed::listi(code::newfile));
  say("Exit ......................." + ed::listi(exitcode));
  errortail00();
  int choice = code::newfile, jerr = 0;
  inintegdef(choice, question("your choice"), choice, jerr);
  if (choice == code::again) {
    filerewound(fname, iunit);
    return Next::again;
  }
  fileclosed(fname, iunit);
  return choice == code::newfile ? Next::newfile : Next::quit;
}

Next failed(std::string_view what, std::string_view fname, int iunit) {
  errorhead(readreal6_id);
  say(what);
  return recovery(fname, iunit);
}

// Read and exit, or exit without reading; an odd mode reads.
int readchoice(int mode) {
  int choice = code::read;
  if (!dialoguemode(mode)) return choice;
  submenuhead(readreal6_id);
  say("READ AND EXIT .................." + ed::listi(code::read));
  say("EXIT WITHOUT READING ............." + ed::listi(exitcode));
  menutail();
  int jerr = 0;
  inintegdef(choice, question("your choice"), choice, jerr);
  return choice;
}

}  // namespace

void readreal6(int& ierr, std::string& title, std::string& fname, std::string_view expl, int iunit,
               int& ndisp, int& iskip, int& ititle, int& iheader, std::span<int> jcola,
               std::span<int> jfcola, std::span<std::string> namvara, int& nvar, int nvardim,
               ColumnTable rdat, std::span<std::string> namrcol, int& nrowread, int& ncolused,
               int nrowtab, int ncoltab, int ialter, int mode) {
  ierr = 0;
  int jerr = 0;
  if (defaultmode(mode)) {
    submenuhead(readreal6_id);
    say("INITIALIZING INPUT FILE TYPE");
    sfheader1(jerr, ndisp, iskip, ititle, iheader, fname, iunit, mode);
    scol2var2(jerr, jcola, jfcola, namvara, nvar, nvardim, namrcol, ncolused, ncoltab, fname, iunit,
              1, mode);
    return;
  }
  cinvin(mode, 0, 5, "readreal6", "inter", jerr);

  // Header set-up, title, columns and data of the open file.
  auto attempt = [&]() -> Next {
    int kerr = 0;
    sfheader1(kerr, ndisp, iskip, ititle, iheader, fname, iunit, mode);
    if (kerr == 1) return failed("WHILE READING HEADER LINES", fname, iunit);
    getftitle1(kerr, title, fname, iunit, readrealsetup.ititle, 0);
    if (kerr == 1) return failed("WHILE READING TITLE", fname, iunit);
    scol2var2(kerr, jcola, jfcola, namvara, nvar, nvardim, namrcol, ncolused, ncoltab, fname, iunit,
              ialter, mode);
    if (kerr == 1) return failed("WHILE READING COLUMN HEADERS", fname, iunit);
    const int choice = readchoice(mode);
    if (choice == exitcode) {
      closeunit(iunit);
      submenuhead(readreal6_id);
      say("EXITING WITHOUT READING DATA FILE");
      say("input file " + shown(fname) + " closed");
      menutail();
      return Next::quit;
    }
    if (choice != code::read) return recovery(fname, iunit);
    getfreal(kerr, nrowread, ncolused, rdat, nrowtab, ncoltab, fname, iunit, mode);
    if (kerr == 1) return failed("WHILE READING DATA", fname, iunit);
    return Next::done;
  };

  for (;;) {
    opef2(fname, expl, iunit, "old", dialoguemode(mode) ? 0 : 1, columnlines::namewidth);
    Next next = Next::again;
    while (next == Next::again) next = attempt();
    if (next == Next::done) return;
    if (next == Next::quit) {
      ierr = 1;
      return;
    }
  }
}

void getftitle1(int& ierr, std::string& title, std::string_view fname, int iunit, int ititle,
                int mode) {
  ierr = 0;
  title = ed::pad("Untitled", title.size());
  if (ititle < 1) {
    warninghead(getftitle1_id);
    say("Input file name  : " + shown(fname));
    wout(item("Title line nb =") + item(ititle));
    say("==> NOT ATTEMPTING TO READ TITLE");
    say("Title set to default: " + std::string(ed::trim(title)));
    say("INPUT FILE " + shown(fname) + " UNTOUCHED");
    warningtail00();
    return;
  }
  std::string line;
  if (const int bad = skiplines(iunit, ititle - 1); bad != 0) {
    errorhead(getftitle1_id);
    wout(item("READING ERROR WHILE SKIPPING") + item(bad) + item("th LINE"));
    ierr = 2;
  } else if (readline(iunit, line) != ReadStatus::line) {
    errorhead(getftitle1_id);
    wout(item("WHILE TRYING TO READ TITLE IN") + item(ititle) + item("th LINE"));
    ierr = 1;
  } else {
    title = ed::pad(line, title.size());
    rewindunit(iunit);
    if (mode == showmode) {
      submenuhead(getftitle1_id);
      say("Input file name: " + shown(fname));
      say("Read title from header: " + std::string(ed::trim(title)));
      say("INPUT FILE " + shown(fname) + " IS REWOUND");
      menutail();
    }
    return;
  }
  rewindunit(iunit);
  say("==> COULD NOT READ TITLE");
  say("IN INPUT FILE: " + shown(fname));
  say("==> SETTING title = " + std::string(ed::trim(title)));
  say("INPUT FILE " + shown(fname) + " IS REWOUND");
  errortail00();
}

void getfnamcol(int& ierr, std::span<std::string> names, int nnamdim, int ncol,
                std::string_view fname, int iunit, int iheader, int mode) {
  ierr = 0;
  const auto n = static_cast<std::size_t>(std::clamp(ncol, 0, nnamdim));
  for (std::size_t k = 0; k < n; ++k) names[k] = defaultcolname(static_cast<int>(k + 1));
  auto listnames = [&] {
    if (mode != showmode) return;
    for (std::size_t k = 0; k < n; ++k)
      wout(item("Name of column") + item(static_cast<int>(k + 1)) + item(names[k]));
  };
  if (iheader < 1) {
    warninghead(getfnamcol_id);
    say("Input file name  : " + shown(fname));
    wout(item("Column headers line nb =") + item(iheader));
    say("==> NOT ATTEMPTING TO READ HEADERS");
    say("==> Headers set to defaults:");
    listnames();
    warningtail00();
    return;
  }
  std::array<ed::ListVar, maxfilecol> vars;
  for (std::size_t k = 0; k < n; ++k) vars[k] = &names[k];
  if (const int bad = skiplines(iunit, iheader - 1); bad != 0) {
    errorhead(getfnamcol_id);
    wout(item("WHILE SKIPPING") + item(bad) + item("th LINE"));
    ierr = 2;
  } else if (ed::readlist(iunit, std::span(vars).first(n)).end != ed::ListEnd::complete) {
    errorhead(getfnamcol_id);
    wout(item("WHILE TRYING TO READ HEADERS IN") + item(iheader) + item("th LINE"));
    ierr = 1;
  } else {
    rewindunit(iunit);
    submenuhead(getfnamcol_id);
    if (mode == showmode) say("Input file name  : " + shown(fname));
    listnames();
    say("INPUT FILE " + shown(fname) + " IS REWOUND");
    menutail();
    return;
  }
  rewindunit(iunit);
  say("IN FILE: " + shown(fname));
  say("INPUT FILE " + shown(fname) + " IS REWOUND");
  errortail00();
}

void getfreal(int& ierr, int& nrowread, int& ncolused, ColumnTable rdat, int nrowtab, int ncoltab,
              std::string_view fname, int iunit, int mode) {
  ReadRealSetup& r = readrealsetup;
  ierr = checktablecolumns(ncolused, ncoltab) ? 2 : 0;
  std::string title(titlewidth, ' ');
  int jerr = 0;
  getftitle1(jerr, title, fname, iunit, r.ititle, 0);

  // Values a '/' or an empty value leaves untouched start at 0.
  r.rr.fill(0.0f);
  bool bad = false;
  int rows = 0;
  if (const int badline = skiplines(iunit, r.iskip); badline != 0) {
    errorhead(getfreal_id);
    wout(item("WHILE READING") + item(badline) + item("th HEADER LINE"));
    bad = true;
  }
  for (int i = 1; !bad && i <= nrowtab; ++i) {
    const RowRead got = readrow(iunit, i);
    if (got == RowRead::end) break;
    if (got == RowRead::bad) {
      errorhead(getfreal_id);
      wout(item("WHILE READING") + item(i) + item("th DATA LINE"));
      bad = true;
      break;
    }
    storerow(rdat, i);
    rows = i;
    if (i == nrowtab) {
      warninghead(getfreal_id);
      say("The array size has been reached");
      say("==> the data may not have been fully read");
      warningtail00();
    }
  }
  if (bad) {
    say("IN FILE: " + shown(fname));
    ierr = 1;
    filerewound(fname, iunit);
    errortail00();
    return;
  }
  nrowread = rows;
  readsummary(title, nrowread, ncolused, nrowtab, ncoltab, fname, iunit, mode);
}
