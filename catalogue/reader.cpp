#include "catalogue/reader.h"

#include <string>

#include "catalogue/catalogue_boxes.h"
#include "catalogue/criteria.h"
#include "catalogue/event_store.h"
#include "catalogue/nodal_planes.h"
#include "catalogue/records.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"

namespace {

// The menu codes.
namespace code {
constexpr int writeall = 4, writesel = 5;  // progress rows of the records read, retained
constexpr int open = 11, close = 21;
constexpr int criteria = 100;
constexpr int help = 900;
constexpr int fpfit = 1000, hash = 1001;  // read and extract an FPFIT or a HASH file
}  // namespace code

// The codes of the question after a read error.
namespace errorcode {
constexpr int again = 1;  // rewind the file
constexpr int close = 2;
}  // namespace errorcode

// Kept from one call to the next.
int nbread = 0;           // records read by the last run
bool lwriteall = false;   // a progress row for every record read
bool lwritesel = false;   // a progress row for every record retained

// Minimum and maximum of latitude, longitude and depth over a set of records.
struct Extremes {
  real latmin = 10000.0f, latmax = -10000.0f;
  real lonmin = 10000.0f, lonmax = -10000.0f;
  real depmin = 10000.0f, depmax = -10000.0f;
  void add(size_t s) {
    const real lat = fpsblk.rlat1[s], lon = fpsblk.rlong1[s], dep = fpsblk.depth1[s];
    if (lat > latmax) latmax = lat;
    if (lat < latmin) latmin = lat;
    if (lon > lonmax) lonmax = lon;
    if (lon < lonmin) lonmin = lon;
    if (dep > depmax) depmax = dep;
    if (dep < depmin) depmin = dep;
  }
};

void countline(std::string_view text, int n, std::string_view after = {}) {
  wout(" " + std::string(text) + " " + ed::i(n, 6) + (after.empty() ? "" : " " + std::string(after)));
}

void switchline(std::string_view text, bool on) { sayflag(text, on, 1); }

void progressrow(const std::string& a, const std::string& b) { wout(" | " + a + " | " + b + " |"); }

void tablerow(const std::string& a, const std::string& b, const std::string& c) {
  wout(" | " + a + " | " + b + " | " + c + " |");
}
std::string cell(std::string_view text) { return ed::a(text, 10); }
std::string cell(int n) { return ed::i(n, 10); }
std::string cell(real x) { return ed::f(x, 10, 3); }

const std::string& inputname(int k) { return fiocom.filin[static_cast<size_t>(k - 1)]; }

void menu(int k) {
  const std::string name = ed::pad(inputname(k), slotwidth);
  wout(dashrule);
  wout(" READ AND EXTRACT CMT DATA");
  wout(dashrule);
  wout(" PARAMETERS:");
  countline("Maximum nb of stored data=", maxstored);
  countline("Current nb of stored data=", fpsblk.nbstored);
  countline("Current data type        =", fpsblk.idatatype);
  switchline("WRITE ALL READ DATA TO SCREEN ." + ed::listi(code::writeall), lwriteall);
  switchline("WRITE SELECTED DATA TO SCREEN ." + ed::listi(code::writesel), lwritesel);
  wout(" OPEN  INPUT FILE ............." + ed::listi(code::open) + " " + name);
  wout(" CLOSE INPUT FILE ............." + ed::listi(code::close) + " " + name);
  switchline("EXTRACTION CRITERIA ........." + ed::listi(code::criteria), seistest2.lextract);
  wout(dashrule);
  wout(" READ, EXTRACT, AND EXIT:");
  wout("  FPFIT format file ........." + ed::listi(code::fpfit));
  wout("  HASH  format file ........." + ed::listi(code::hash));
  wout(dashrule);
  wout(" HELP ........................" + ed::listi(code::help));
  wout(" EXIT ........................." + ed::listi(exitcode));
  menutail();
}

void summary(int k, const Extremes& read, const Extremes& kept) {
  const auto& t = seistest2;
  wout(dashrule);
  wout(" Input file: " + ed::pad(inputname(k), slotwidth));
  countline("Could store up to :", maxstored, "data");
  countline("Data type ID      =", fpsblk.idatatype);
  if (t.lextract) {
    wout(dashrule);
    tablerow(cell("Test on:"), cell("Mini"), cell("Maxi"));
    wout(dashrule);
    if (t.ltestpoly) {
      tablerow(cell("Polygon"), cell(1), cell(t.npolyvert));
      if (t.lgreatcircle)
        tablerow(cell("Bounds"), cell("great"), cell("circles"));
      else
        tablerow(cell("Bounds"), cell("straight"), cell("lines"));
    }
    if (t.ltestlat) tablerow(cell("Latitude "), cell(t.latmin), cell(t.latmax));
    if (t.ltestlon) tablerow(cell("Longitude"), cell(t.lonmin), cell(t.lonmax));
    if (t.ltestdep) tablerow(cell("Depth    "), cell(t.depmin), cell(t.depmax));
    if (t.ltestrake[0]) {
      tablerow(cell("Rake test"), cell("Planes"), cell(t.lrakeboth ? "1 AND 2" : "1 OR 2"));
      tablerow(cell("Rake int1"), cell(t.rakemin[0]), cell(t.rakemax[0]));
      if (t.ltestrake[1]) tablerow(cell("Rake int2"), cell(t.rakemin[1]), cell(t.rakemax[1]));
      if (t.ltestrake[2]) tablerow(cell("Rake int3"), cell(t.rakemin[2]), cell(t.rakemax[2]));
    }
  } else {
    wout(" No test => retain all data");
  }
  wout(dashrule);
  tablerow(cell("Parameter"), cell("Read"), cell("Retained"));
  wout(dashrule);
  tablerow(cell("Nb of data"), cell(nbread), cell(fpsblk.nbstored));
  tablerow(cell("Long  maxi"), cell(read.lonmax), cell(kept.lonmax));
  tablerow(cell("Long  mini"), cell(read.lonmin), cell(kept.lonmin));
  tablerow(cell("Lat   maxi"), cell(read.latmax), cell(kept.latmax));
  tablerow(cell("Lat   mini"), cell(read.latmin), cell(kept.latmin));
  tablerow(cell("Depth maxi"), cell(read.depmax), cell(kept.depmax));
  tablerow(cell("Depth mini"), cell(read.depmin), cell(kept.depmin));
  if (fpsblk.nbstored == maxstored) {
    warninghead(fpsreadex1id);
    wout(" data may not have been fully read");
    warningtail00();
  }
}

// A record that cannot be read: the store is emptied and the user rewinds
// the file or closes it.
void readerror(int k, int nread) {
  const auto s = static_cast<size_t>(k - 1);
  const std::string name = ed::pad(inputname(k), slotwidth);
  errorhead(fpsreadex1id);
  countline("  WHILE READING", nread, "th DATA");
  wout("   IN FILE: " + name);
  wout(" --------------------------------");
  wout("   Try again on same file ......" + ed::listi(errorcode::again));
  wout("   close that file ............." + ed::listi(errorcode::close));
  errortail00();
  int choice = errorcode::close, ierr = 0;
  inintegdefnp(choice, "your choice", errorcode::close, ierr);
  if (choice == errorcode::again) {
    rewindunit(fiocom.iuin[s]);
    wout(" input file  " + name + "  rewound");
  } else {
    clofin(k, 0);
  }
  nbread = 0;
  fpsblk.nbstored = 0;
  fpsblk.idatatype = 0;
}

// One extraction run on the open file of slot k; false after a read error.
bool extraction(int k, int datatype) {
  const auto& t = seistest2;
  const int unit = fiocom.iuin[static_cast<size_t>(k - 1)];
  fpsblk.idatatype = datatype;
  if (t.lfrohlich) {
    warninghead(fpsreadex1id);
    countline("Data type ID =", datatype);
    wout(" NO FROHLICH TESTS WITH THESE DATA");
    warningtail00();
  }
  Extremes read, kept;
  if (lwriteall || lwritesel) {
    wout(dashrule);
    wout(std::string(datatype == 1 ? " READING IN FPFIT FILE: " : " READING IN HASH FILE: ") +
         ed::pad(inputname(k), slotwidth));
    wout(" ---------------------");
    wout(" |      data nb      |");
    wout(" |-------------------|");
    progressrow(ed::a("reading", 7), ed::a("storing", 7));
    wout(" |-------------------|");
  }
  int nread = 1, nstore = 1;
  std::string line;
  while (nstore <= maxstored) {
    const auto s = static_cast<size_t>(nstore - 1);
    const ReadStatus status = readline(unit, line);
    if (status == ReadStatus::eof) break;
    const RecordRead rec = status == ReadStatus::failed ? RecordRead::error
                           : datatype == 1 ? readfpfit(line, nstore - 1)
                                           : readhash(line, nstore - 1);
    if (rec == RecordRead::blank) continue;  // a blank line holds no event
    if (rec == RecordRead::error) {
      readerror(k, nread);
      return false;
    }
    if (lwriteall) progressrow(ed::i(nread, 7), ed::i(nstore, 7));
    read.add(s);
    bool keep = seistestloc(fpsblk.rlat1[s], fpsblk.rlong1[s], fpsblk.depth1[s]);
    if (keep) {
      nodalpladrdeg(fpsblk.strike1[1][s], fpsblk.dip1[1][s], fpsblk.rake1[1][s],
                    fpsblk.strike1[0][s], fpsblk.dip1[0][s], fpsblk.rake1[0][s]);
      keep = seistestrake(fpsblk.rake1[0][s], fpsblk.rake1[1][s]);
    }
    if (keep) {
      if (lwritesel && !lwriteall) progressrow(ed::i(nread, 7), ed::i(nstore, 7));
      kept.add(s);
      fpstexts(nstore - 1);
      ++nstore;
    }
    ++nread;
  }
  nbread = nread - 1;
  fpsblk.nbstored = nstore - 1;
  summary(k, read, kept);
  clofin(k, 0);
  return true;
}

}  // namespace

void fpsreadex1(int k, int mode) {
  if (defaultmode(mode)) {
    submenuhead(fpsreadex1id);
    wout(" INITIALIZING INPUT PARAMETERS");
    fpsblk.idatatype = 0;
    fpsblk.nbstored = 0;
    nbread = 0;
    lwriteall = false;
    lwritesel = false;
    setseistest6(mode);
    return;
  }
  const auto s = static_cast<size_t>(k - 1);
  for (;;) {
    submenuhead(fpsreadex1id);
    if (outlevel(2)) menu(k);
    int choice = exitcode, ierr = 0;
    inintegdef(choice, "your choice", choice, ierr);
    if (choice == code::writeall)
      inlogicdef(lwriteall, "write data sorting to screen", lwriteall, ierr);
    if (choice == code::writesel)
      inlogicdef(lwritesel, "write extracted data to screen", lwritesel, ierr);
    if (choice == code::criteria) setseistest6(setmode::askstored);
    if (choice == code::help) formathelp(fpsreadex1id);
    const bool reads = choice == code::fpfit || choice == code::hash;
    if (!fiocom.lopin[s] && (choice == code::open || reads)) {
      const char* what = choice == code::fpfit ? "FPFIT input"
                         : choice == code::hash ? "HASH input"
                                                : "unknown data input";
      opefin(k, what, 0);
    } else if (fiocom.lopin[s] && (choice == code::close || choice == exitcode)) {
      clofin(k, 0);
    }
    if (choice == exitcode) return;
    if (reads && extraction(k, choice == code::fpfit ? 1 : 2)) return;
  }
}
