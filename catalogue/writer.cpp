#include "catalogue/writer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/catalogue_boxes.h"
#include "catalogue/event_store.h"
#include "catalogue/records.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"

namespace {

const RoutineId fpswrite1_id{"fpswrite1  ", " 1.0", "26-03-2010"};

// The menu codes.
namespace code {
constexpr int open = 12, close = 22;
constexpr int fpfit = 1000, fpfittable = 2000, hash = 1001, hashtable = 2001;  // write
constexpr int fpfitother = 3000, hashother = 3001;  // formats with no writing procedure
constexpr int list = 1100;
constexpr int help = 900;
}  // namespace code

// Column names of the tables; the degree sign is the byte 0xA1.
const std::vector<std::string> fpfitnames{
    "Year",    "Month",   "Day",     "Hour",    "mn",          "seconds",    "latitude(\xA1)",
    "hemis",   "latitude(')", "longitude(\xA1)", "hemis", "longitude(')", "depth", "magn",
    "#PS",     "azgap",   "dist",    "RMStt",   "Eh",          "Ev",         "Magtype",
    "Dip_dir", "Dip",     "Rake",    "misfit1", "#picks",      "misfit2",    "stndist",
    "ratio_p", "Estrike", "Edip",    "Erake",   "Cvgc",        "mult",       "ID"};
const std::vector<std::string> hashnames{
    "Year",   "Month",  "Day",      "Hour",  "mn",       "seconds",    "ID",
    "latitude", "longitude", "depth", "magn", "Strike",  "Dip",        "Rake",
    "RMS_p1", "RMS_p2", "#_P",      "misfit_P", "#_S/P", "misfit_S/P", "qual"};

enum class Layout { fpfit, fpfittable, hash, hashtable };

std::string tabbed(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& f : fields) line += (line.empty() ? "" : "\t") + f;
  return line;
}

// Appends the line of event k in the layout to out.
void eventline(Layout layout, int k, std::string& out) {
  switch (layout) {
    case Layout::fpfit: return fpfitline(out, k, Placing::columns);
    case Layout::fpfittable: return fpfitline(out, k, Placing::tabs);
    case Layout::hash: return hashline(out, k, Placing::columns);
    case Layout::hashtable: return hashline(out, k, Placing::tabs);
  }
}

void menu(int k) {
  const std::string& name = fiocom.oufnam[static_cast<size_t>(k - 1)];
  wout(dashrule);
  wout(" Maximum nb of stored data= " + ed::i(maxstored, 6));
  wout(" Current nb of stored data= " + ed::i(fpsblk.nbstored, 6));
  wout(" Current data type        = " + ed::i(fpsblk.idatatype, 6));
  wout(" OPEN  DATA OUTPUT FILE ......." + ed::listi(code::open) + " " + ed::pad(name, slotwidth));
  wout(" CLOSE DATA OUTPUT FILE ......." + ed::listi(code::close) + " " + ed::pad(name, slotwidth));
  wout(dashrule);
  if (fpsblk.idatatype == 1 || fpsblk.idatatype == 2) wout(" WRITE DATA TO OUTPUT FILE IN FORMAT:");
  if (fpsblk.idatatype == 1) {
    wout("  FPFIT ....................." + ed::listi(code::fpfit));
    wout("  Tabulated FPFIT order ....." + ed::listi(code::fpfittable));
  } else if (fpsblk.idatatype == 2) {
    wout("  HASH ......................" + ed::listi(code::hash));
    wout("  Tabulated HASH order ......" + ed::listi(code::hashtable));
  } else {
    wout(" CANNOT WRITE THIS DATA TYPE");
  }
  wout(" LIST DATA TO SCREEN ........" + ed::listi(code::list));
  wout(dashrule);
  wout(" HELP ........................" + ed::listi(code::help));
  wout(" EXIT ........................." + ed::listi(exitcode));
  menutail();
}

void listing(int choice) {
  if (fpsblk.idatatype == 1 || fpsblk.idatatype == 2) {
    submenuhead(fpswrite1_id);
    listingtitle();
    listingrows("ID         ");
    listingrule();
    return;
  }
  nolisting(fpswrite1_id, choice);
}

void wrongformat(int choice) {
  warninghead(fpswrite1_id);
  wout(" DATA TYPE ID   = " + ed::i(fpsblk.idatatype, 6));
  wout(" FORMAT COMMAND = " + ed::i(choice, 6));
  wout(" NO WRITING PROCEDURE FOR THIS");
  wout(" FORMAT - DATA TYPE COMBINATION");
  wout(" ==> NO ACTION");
  wout(" OUTPUT FILE HAS NOT BEEN WRITTEN");
  wout(" ====> DATA ARE UNSAVED");
  warningtail00();
}

// Writes every stored event in the layout; false after a write error. The
// lines are made in one text, written at once; the event reported on a
// failure is the first whose line did not reach the file in full (0: the
// table's head).
bool writestore(int k, Layout layout) {
  const auto s = static_cast<size_t>(k - 1);
  const int unit = fiocom.iouf[s];
  std::string text;
  if (layout == Layout::fpfittable || layout == Layout::hashtable) {
    std::vector<std::string> quoted;
    for (const auto& n : layout == Layout::fpfittable ? fpfitnames : hashnames)
      quoted.push_back("'" + n + "'");
    text += " '" + ed::pad(fiocom.oufnam[s], slotwidth) + "'\n " + tabbed(quoted) + "\n";
  }
  std::vector<size_t> ends{text.size()};  // where the head and each line end
  text.reserve(text.size() + static_cast<size_t>(fpsblk.nbstored) * 160);
  for (int i = 0; i < fpsblk.nbstored; ++i) {
    eventline(layout, i, text);
    text += '\n';
    ends.push_back(text.size());
  }
  const size_t written = writeblock(unit, text);
  if (unitfailed(unit)) {
    writeerror(fpswrite1_id, k, static_cast<int>(std::upper_bound(ends.begin(), ends.end(), written) - ends.begin()));
    return false;
  }
  return true;
}

void writing(int k, Layout layout) {
  static const char* const titles[] = {"FPFIT format", "TABULATED FPFIT ORIGINAL ORDER",
                                       "HASH format", "TABULATED HASH ORIGINAL ORDER"};
  const auto s = static_cast<size_t>(k - 1);
  const std::string name = ed::pad(fiocom.oufnam[s], slotwidth);
  submenuhead(fpswrite1_id);
  wout(dashrule);
  wout(" WRITING DATA TO FILE " + name);
  wout(std::string(" ") + titles[static_cast<int>(layout)]);
  if (!writestore(k, layout)) return;
  wout(" WRITING COMPLETED");
  wout(" NUMBER OF SAVED DATA = " + ed::i(fpsblk.nbstored, 6));
  wout(" FILE " + name + " IS STILL OPEN");
  wout(dashrule);
  if (fiocom.iopou[s]) {
    bool close = true;
    int ierr = 0;
    inlogicdef(close, ed::pad("close output file", 35), close, ierr);
    if (close) {
      clofou(k, 0);
      wout(" output file " + name + " closed");
    }
  }
  menutail();
}

const char* explanation(int choice) {
  switch (choice) {
    case code::fpfit: return "FPFIT output";
    case code::hash: return "HASH output";
    case code::fpfittable: return "FPFIT-table output";
    case code::hashtable: return "HASH-table output";
    default: return "data output";
  }
}

}  // namespace

void fpswrite1(int k, int) {
  const auto s = static_cast<size_t>(k - 1);
  for (;;) {
    submenuhead(fpswrite1_id);
    if (outlevel(2)) menu(k);
    int choice = exitcode, ierr = 0;
    inintegdef(choice, ed::pad("your choice", 35), choice, ierr);
    if (choice == code::help) formathelp(fpswrite1_id);
    const bool opens = choice == code::open || choice == code::fpfit || choice == code::hash ||
                       choice == code::fpfittable || choice == code::hashtable;
    if (!fiocom.iopou[s] && opens)
      opefou(k, explanation(choice), 0);
    else if (fiocom.iopou[s] && (choice == code::close || choice == exitcode))
      clofou(k, 0);
    if (choice == exitcode) return;
    if (choice == code::list) listing(choice);
    const int type = fpsblk.idatatype;
    if (choice == code::fpfit && type == 1)
      writing(k, Layout::fpfit);
    else if (choice == code::fpfittable && type == 1)
      writing(k, Layout::fpfittable);
    else if (choice == code::hash && type == 2)
      writing(k, Layout::hash);
    else if (choice == code::hashtable && type == 2)
      writing(k, Layout::hashtable);
    else if (choice == code::fpfit || choice == code::fpfittable || choice == code::fpfitother ||
             choice == code::hash || choice == code::hashtable || choice == code::hashother)
      wrongformat(choice);
  }
}
