#include "overlays/column_assignment.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "dialogue/value_checks.h"
#include "overlays/column_lines.h"
#include "overlays/column_reader.h"
#include "overlays/column_setup.h"

namespace {

using columnlines::item;
using columnlines::question;
using columnlines::shown;

const RoutineId scol2var2_id{"scol2var2  ", "    ", "          "};

// The menu codes, after the variable numbers.
namespace code {
constexpr int count = 200;    // the number of variables
constexpr int listing = 300;  // the listing type
}  // namespace code

// Width of the titles shown here.
constexpr std::size_t titlewidth = 50;

std::size_t at(int n) { return static_cast<std::size_t>(n - 1); }

std::string numbered(std::string_view name, int n) { return std::string(name) + ed::listi(n); }

// The caller's variables, counted from 1, with what the menus need.
struct Variables {
  std::span<int> jcola, jfcola;
  std::span<std::string> namvara;
  int& nvar;
  int capacity;  // most variables the caller can take
  int ncoltab;
  std::span<std::string> namrcol;
  int ialter;

  int& jcol(int n) const { return jcola[at(n)]; }
  int& jfcol(int n) const { return jfcola[at(n)]; }
  std::string& name(int n) const { return namvara[at(n)]; }
  // Variable n as it is by default.
  void setdefault(int n) const {
    jfcol(n) = std::min(n, maxfilecol);
    jcol(n) = std::min(n, ncoltab);
    name(n) = ed::pad(numbered("Variable.", n), name(n).size());
  }
  bool editable() const { return ialter >= 1 && ialter <= 4; }
};

const std::string& filecolname(int k) { return readrealsetup.namfcol[at(k)]; }

// A number of variables beyond the capacity, reduced to it: a warning for
// the caller's number, an error for the stored one.
void limitcount(int& nvar, int capacity, bool stored) {
  if (nvar <= capacity) return;
  if (stored)
    errorhead(scol2var2_id);
  else
    warninghead(scol2var2_id);
  wout(item(stored ? "Currently set nvar =" : "Trying to set nvar =") + item(nvar) +
       item("variables"));
  wout(item("Max nb of variables =") + item(capacity));
  nvar = capacity;
  wout(item("===> RESET nvar =") + item(nvar));
  if (stored)
    errortail00();
  else
    warningtail00();
}

// Where the correspondence starts from, by mode.
void startvalues(const Variables& v, int nvardim, int& ncolused, int mode) {
  ReadRealSetup& r = readrealsetup;
  if (givenmode(mode)) {
    limitcount(v.nvar, v.capacity, false);
  } else if (storedmode(mode)) {
    limitcount(r.nvar, v.capacity, true);
    v.nvar = r.nvar;
    for (int n = 1; n <= v.nvar; ++n) {
      v.jcol(n) = r.jcol[at(n)];
      v.jfcol(n) = r.jfcol[at(n)];
      v.name(n) = ed::pad(r.namvar[at(n)], v.name(n).size());
    }
  } else if (defaultmode(mode)) {
    submenuhead(scol2var2_id);
    say("INITIALIZING VARIABLES<->COLUMNS");
    v.nvar = 0;
    for (int n = 1; n <= nvardim; ++n) v.setdefault(n);
    r.nvar = 0;
    for (int n = 1; n <= maxfilecol; ++n) {
      r.jfcol[at(n)] = n;
      r.jcol[at(n)] = std::min(n, v.ncoltab);
      r.namvar[at(n)] = ed::pad(numbered("Variable.", n), colnamewidth);
    }
    ncolused = 0;
  } else {
    // A mode out of range goes on with the caller's values, kept within
    // the caller's arrays.
    int jerr = 0;
    cinvin(mode, 0, 5, "scol2var2", "inter", jerr);
    limitcount(v.nvar, v.capacity, false);
  }
}

// The title of the open file, or "Untitled".
void readtitle(int& ierr, std::string& title, bool open, std::string_view fname, int iunit,
               int mode) {
  if (open) {
    int jerr = 0;
    getftitle1(jerr, title, fname, iunit, readrealsetup.ititle, 1);
    if (jerr != 0) ierr = 1;
    return;
  }
  title = ed::pad("Untitled", titlewidth);
  if (mode == setmode::askdefault) {
    submenuhead(scol2var2_id);
    say("Input file not yet open");
    say("===> initializing title = " + title);
  } else {
    warninghead(scol2var2_id);
    say("Input file is not opened");
    say("===> cannot read title");
    say("setting title = " + title);
    warningtail00();
  }
}

// File columns in 1..maxfilecol (else 1, with a warning); ncolfil the
// highest in use.
void checkfilecolumns(const Variables& v) {
  ReadRealSetup& r = readrealsetup;
  r.ncolfil = 0;
  for (int n = 1; n <= v.nvar; ++n) {
    int& jf = v.jfcol(n);
    if (jf > maxfilecol || jf < 1) {
      warninghead(scol2var2_id);
      wout(item("            variable nb =") + item(n));
      wout(item("    file col nb to read =") + item(jf));
      wout(item("max file col nb to read =") + item(maxfilecol));
      jf = 1;
      wout(item("====> RESET file col nb =") + item(jf));
      warningtail00();
    }
    r.ncolfil = std::max(r.ncolfil, jf);
  }
}

// Table columns in 1..ncoltab (else the nearer end, with a warning);
// ncolused the highest in use.
void checktablecolumns(const Variables& v, int& ncolused) {
  ncolused = 0;
  for (int n = 1; n <= v.nvar; ++n) {
    int& jc = v.jcol(n);
    if (jc > v.ncoltab || jc < 1) {
      warninghead(scol2var2_id);
      wout(item("               variable nb =") + item(n));
      wout(item("    array col nb to store  =") + item(jc));
      wout(item("max array col nb available =") + item(v.ncoltab));
      jc = jc < 1 ? 1 : v.ncoltab;
      warningtail00();
    }
    ncolused = std::max(ncolused, jc);
  }
}

// The names of file columns 1..ncolfil, from the open file or by default.
void namefilecolumns(int& ierr, bool open, std::string_view fname, int iunit, int mode) {
  ReadRealSetup& r = readrealsetup;
  bool named = false;
  if (open) {
    int jerr = 0;
    getfnamcol(jerr, r.namfcol, maxfilecol, r.ncolfil, fname, iunit, r.iheader, 0);
    named = jerr == 0;
    if (!named) {
      errorhead(scol2var2_id);
      say("COULD NOT READ COLUMN HEADERS");
      say("IN FILE: " + shown(fname));
      say("===> setting default header");
      ierr = 1;
      errortail00();
    }
  } else if (defaultmode(mode)) {
    submenuhead(scol2var2_id);
    say("Input file not yet open");
    say("===> initializing header");
  } else {
    warninghead(scol2var2_id);
    say("Input file is not opened");
    say("===> cannot read header");
    say("===> setting default header");
    warningtail00();
  }
  if (!named)
    for (int n = 1; n <= r.ncolfil; ++n)
      r.namfcol[at(n)] = ed::pad(numbered("File.col.", n), colnamewidth);
}

// Each table column named after the file column of the last variable
// stored in it.
void nametablecolumns(const Variables& v) {
  for (int n = 1; n <= v.ncoltab; ++n)
    v.namrcol[at(n)] = ed::pad(numbered("Nodata.", n), v.namrcol[at(n)].size());
  for (int n = 1; n <= v.nvar; ++n)
    v.namrcol[at(v.jcol(n))] = ed::pad(filecolname(v.jfcol(n)), v.namrcol[at(v.jcol(n))].size());
}

std::string cell(int n) { return ed::i(n, 2) + "|"; }
std::string cell(std::string_view name) { return ed::a(name, 10) + "|"; }

void showstatus(const Variables& v, const std::string& title, std::string_view fname, int ncolused,
                int ilist) {
  const ReadRealSetup& r = readrealsetup;
  submenuhead(scol2var2_id);
  say(std::string(8, ' ') + "PROGRAM            <-->  INPUT FILE");
  wout(dashrule);
  say("VARIABLE <--> ARRAY COLUMN <--> FILE COLUMN");
  say("RECORD   <--> ARRAY LINE   <--> FILE LINE");
  say(" CAN ALTER THE COLUMN CORRESPONDANCE ONLY ");
  wout(dashrule);
  say("    Input file status");
  say("Input file name: " + shown(fname));
  say("Title: " + std::string(ed::trim(title)));
  say("    Number of variable status");
  wout(item("Could read up to     :") + item(v.capacity));
  wout(item("Planning to read     :") + item(v.nvar));
  say("    Number of array columns status");
  wout(item("Can use up to        :") + item(v.ncoltab));
  wout(item("Planning to use up to:") + item(ncolused));
  say("    Number of input file columns status");
  wout(item("Can read up to       :") + item(maxfilecol));
  wout(item("Planning to read     :") + item(r.ncolfil));
  say("    Listing type");
  wout(item("ilist                :") + item(ilist));
  if (ilist == 1) {
    for (const char* line : {"|-----------------------------------------|",
                             "|               ARRAY STATUS              |",
                             "|-----------------------------------------|",
                             "|  ARRAY col  |                           |",
                             "|-------------|---------------------------|",
                             "|nb|   name   |                           |",
                             "|--|----------|---------------------------|"})
      say(line);
    for (int n = 1; n <= v.ncoltab; ++n) say("|" + cell(n) + cell(v.namrcol[at(n)]));
  }
  for (const char* line : {"|-----------------------------------------|",
                           "|          CORRESPONDANCE STATUS          |",
                           "|-----------------------------------------|",
                           "|   VARIABLE  |  ARRAY col  |  FILE col   |",
                           "|-------------|-------------|-------------|",
                           "|nb|   name   |nb|   name   |nb|   name   |",
                           "|--|----------|--|----------|--|----------|"})
    say(line);
  for (int n = 1; n <= v.nvar; ++n) {
    std::string row = "|" + cell(n) + cell(v.name(n)) + cell(v.jcol(n)) +
                      cell(v.namrcol[at(v.jcol(n))]) + cell(v.jfcol(n)) +
                      cell(filecolname(v.jfcol(n)));
    if (v.editable()) row += ed::i(n, 2);
    say(row);
  }
  if (v.editable()) {
    wout(dashrule + " |");
    say("Command to modify correspondance <----------+");
  } else {
    wout(dashrule);
  }
  if (v.ialter == 4) say("Change nb of variables to read..." + ed::listi(code::count));
  say("Change listing type ............." + ed::listi(code::listing));
  say("SET UP IS OK, EXIT AND PROCEED ..." + ed::listi(exitcode));
  menutail();
}

// A new number of variables; those from the previous last one
// on receive the default correspondence.
void changecount(const Variables& v) {
  const int previous = v.nvar;
  int jerr = 0;
  inintegvindef(v.nvar, question("total nb of variables to store"), v.nvar, 0, v.capacity, jerr);
  for (int n = std::max(previous, 1); n <= v.nvar; ++n) v.setdefault(n);
}

// What the edit level lets the user change of variable n.
void changevariable(const Variables& v, int n) {
  say("Modifying correspondance");
  say(" Variable name  = " + v.name(n));
  wout(item(" Array col nb   =") + item(v.jcol(n)));
  say(" Array col name = " + v.namrcol[at(v.jcol(n))]);
  wout(item(" File col nb    =") + item(v.jfcol(n)));
  say(" File col name  = " + filecolname(v.jfcol(n)));
  int jerr = 0;
  if (v.ialter >= 3) {
    const std::string current = v.name(n);
    inchardef(v.name(n), question("New variable name"), current, jerr);
  }
  if (v.ialter >= 2)
    inintegvindef(v.jcol(n), question("New array column nb"), v.jcol(n), 1, v.ncoltab, jerr);
  inintegvindef(v.jfcol(n), question("New file column nb"), v.jfcol(n), 1, maxfilecol, jerr);
}

}  // namespace

void scol2var2(int& ierr, std::span<int> jcola, std::span<int> jfcola,
               std::span<std::string> namvara, int& nvar, int nvardim,
               std::span<std::string> namrcol, int& ncolused, int ncoltab, std::string_view fname,
               int iunit, int ialter, int mode) {
  ierr = 0;
  int ilist = 0;
  const Variables v{jcola,   jfcola,  namvara, nvar, std::min(nvardim, maxfilecol),
                    ncoltab, namrcol, ialter};
  startvalues(v, nvardim, ncolused, mode);
  const bool open = unitopen(iunit);
  std::string title(titlewidth, ' ');
  if (dialoguemode(mode)) readtitle(ierr, title, open, fname, iunit, mode);

  for (;;) {
    checkfilecolumns(v);
    checktablecolumns(v, ncolused);
    namefilecolumns(ierr, open, fname, iunit, mode);
    nametablecolumns(v);
    if (!dialoguemode(mode)) break;
    showstatus(v, title, fname, ncolused, ilist);
    int code = exitcode, jerr = 0;
    inintegdef(code, question("your choice"), code, jerr);
    if (code == code::count) {
      if (ialter == 4) changecount(v);
    } else if (code >= 1 && code <= nvar && v.editable()) {
      changevariable(v, code);
    } else if (code == code::listing) {
      inintegvindef(ilist, question("Show array status ? (0/1)"), ilist, 0, 1, jerr);
    } else if (code == exitcode) {
      break;
    }
  }

  ReadRealSetup& r = readrealsetup;
  r.nvar = nvar;
  for (int n = 1; n <= nvar; ++n) {
    r.jcol[at(n)] = v.jcol(n);
    r.jfcol[at(n)] = v.jfcol(n);
    r.namvar[at(n)] = ed::pad(v.name(n), colnamewidth);
  }
}
