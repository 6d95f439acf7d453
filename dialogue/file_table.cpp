#include "dialogue/file_table.h"

#include <unistd.h>

#include <algorithm>
#include <optional>
#include <span>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "platform/file_chooser.h"
#include "platform/output_files.h"
#include "platform/plot_window.h"

FioCom fiocom;

namespace {

const RoutineId initfio_id{"initfio    ", "1.00", "25-03-94  "};
const RoutineId opefin_id{"opefin     ", "1.00", "25-03-94  "};
const RoutineId opefou_id{"opefou     ", "1.00", "25-03-94  "};
const RoutineId clofin_id{"clofin     ", "1.00", "25-03-94  "};
const RoutineId clofou_id{"clofou     ", "1.00", "25-03-94  "};
const RoutineId listfio_id{"listfio    ", "1.00", "25-03-94  "};
const RoutineId opef2_id{"opef2      ", " 3.8", "24-08-2005"};

// Why an output could not be opened: the run writes that file already.
const char* const heldline = " ALREADY OPENED FOR ANOTHER OUTPUT";

// The file-count box of initfio, then the end of the run.
[[noreturn]] void countbox(std::string_view what, int count, int most) {
  const std::string stars = " " + std::string(36, '*');
  wout(stars);
  wout(" ***           ERROR              ***");
  wout(stars);
  wout("     number of " + std::string(what) + " files   = " + ed::i(count, 2));
  wout(" max number of " + std::string(what) + " files   = " + ed::i(most, 2));
  wout(stars);
  endrun(1);
}

// One section of the status table: the count of slots in use between rules,
// then six lines for each of them.
void slotsection(std::string_view count, int n, std::span<const std::string> expl,
                 std::span<const std::string> name, std::span<const bool> open,
                 std::span<const int> unit) {
  wout(dashrule);
  wout(std::string(count) + ed::i(n, 2));
  wout(dashrule);
  for (size_t s = 0; s < static_cast<size_t>(n); ++s) {
    wout(" FILE INDEX   = " + ed::i(static_cast<int>(s) + 1, 2));
    wout("  explanation : " + ed::pad(expl[s], slotwidth));
    wout("     filename = " + ed::pad(name[s], slotwidth));
    wout("       opened : " + ed::l(open[s], 1));
    wout("         unit = " + ed::i(unit[s], 2));
    wout(" --------------");
  }
}

// The chooser stand-in: the name is read as one line, with completion at a
// terminal. An empty line is a chooser closed without a choice; the save
// chooser asks before it replaces an existing file.
bool choosefile(std::string& name, bool save) {
  std::string line;
  if (unitterminal(keyboard_unit)) {
    std::fflush(stdout);
    showwindows();
    if (!terminalfilename(line)) endofinput();
  } else {
    readline(keyboard_unit, line);
  }
  line = std::string(ed::trim(line));
  if (line.empty()) return false;
  if (save && access(line.c_str(), F_OK) == 0) {
    wout(" replace existing file ? (y/n)");
    std::string answer;
    readline(keyboard_unit, answer);
    if (answer.empty() || (answer[0] != 'y' && answer[0] != 'Y')) return false;
  }
  name = line;
  return true;
}

// One slot of the table, seen through its fields.
struct Slot {
  const char* side;  // "INPUT" or "OUTPUT"
  int k;             // 1-based, as shown
  std::string& name;
  std::string& expl;
  int unit;
  bool& open;
};

// Input or output slot k, or nothing when k is not a slot in use.
std::optional<Slot> slot(bool input, int k) {
  if (k < 1 || k > (input ? fiocom.nfin : fiocom.nfout)) return std::nullopt;
  const auto s = static_cast<size_t>(k - 1);
  if (input) return Slot{"INPUT", k, fiocom.filin[s], fiocom.explin[s], fiocom.iuin[s], fiocom.lopin[s]};
  return Slot{"OUTPUT", k, fiocom.oufnam[s], fiocom.oufexpl[s], fiocom.iouf[s], fiocom.iopou[s]};
}

// opefin and opefou: opens the slot through opef2 unless it is open.
void openslot(const RoutineId& id, bool input, int k, std::string_view expl, int iflag) {
  subhead(id);
  if (auto sl = slot(input, k)) {
    wout(dashrule);
    if (sl->open) {
      wout(std::string(" ") + sl->side + " FILE " + ed::i(k, 2) + " ALREADY OPENED !");
      wout(dashrule);
    } else {
      sl->expl = ed::pad(expl, slotwidth);
      wout(" OPENING " + ed::a(sl->side, 6) + " FILE " + ed::i(k, 2));
      wout(dashrule);
      opef2(sl->name, sl->expl, sl->unit, input ? "old" : "new", iflag);
      sl->open = true;
    }
  }
  listfio(0);
  subtail(id);
}

// clofin and clofou: closes the slot if it is open. A file whose writing
// failed is said so instead of being reported closed.
void closeslot(const RoutineId& id, bool input, int k) {
  subhead(id);
  if (auto sl = slot(input, k)) {
    const std::string named = std::string(" ") + sl->side + " FILE " + ed::pad(sl->name, slotwidth);
    wout(dashrule);
    if (!sl->open) {
      wout(named + " ALREADY CLOSED !");
    } else {
      sl->open = false;
      if (closeunit(sl->unit)) {
        wout(named + " CLOSED");
      } else {
        errorhead(id);
        for (const std::string& line : incompletefile(ed::pad(sl->name, slotwidth))) wout(line);
        errortail00();
      }
    }
    wout(dashrule);
  }
  listfio(0);
  subtail(id);
}

}  // namespace

void initfio(int nfin, int nfout, int) {
  subhead(initfio_id);
  submenuhead(initfio_id);
  wout(dashrule);
  wout("        INITIALIZING I/O FILES              ");
  wout(dashrule);
  if (nfin < 0 || nfin > 1) countbox(" input", nfin, 1);
  fiocom.nfin = nfin;
  if (nfout < 0 || nfout > 2) countbox("output", nfout, 2);
  fiocom.nfout = nfout;
  fiocom.iuin = {11};
  fiocom.iouf = {21, 22};
  fiocom.lopin = {};
  fiocom.iopou = {};
  fiocom.filin = {};
  fiocom.oufnam = {};
  fiocom.explin = {};
  fiocom.oufexpl = {};
  listfio(0);
  subtail(initfio_id);
}

void listfio(int) {
  subhead(listfio_id);
  wout(dashrule);
  wout("              I/O FILES STATUS              ");
  slotsection(" NUMBER OF  INPUT FILES   = ", fiocom.nfin, fiocom.explin, fiocom.filin,
              fiocom.lopin, fiocom.iuin);
  slotsection(" NUMBER OF OUTPUT FILES   = ", fiocom.nfout, fiocom.oufexpl, fiocom.oufnam,
              fiocom.iopou, fiocom.iouf);
  subtail(listfio_id);
}

void opefin(int k, std::string_view expl, int iflag) { openslot(opefin_id, true, k, expl, iflag); }

void opefou(int k, std::string_view expl, int iflag) { openslot(opefou_id, false, k, expl, iflag); }

void clofin(int k, int) { closeslot(clofin_id, true, k); }

void clofou(int k, int) { closeslot(clofou_id, false, k); }

void writeerror(const RoutineId& id, int k, int event) {
  const auto s = static_cast<std::size_t>(k - 1);
  const std::string name = ed::pad(fiocom.oufnam[s], slotwidth);
  errorhead(id);
  wout("   WHILE WRITING " + ed::i(event, 6) + " th DATA");
  wout("   IN FILE: " + name);
  wout("   closing the file");
  failurereported(fiocom.iouf[s]);
  clofou(k, 0);
  wout(" FILE " + name + " IS CLOSED");
  errortail00();
}

void opef2(std::string& fname, std::string_view expl, int iunit, std::string_view status,
           int iflag, std::size_t namewidth) {
  const bool save = status != "old";
  for (;;) {
    submenuhead(opef2_id);
    wout(" OPENING " + std::string(ed::trim(expl)) + " FILE");
    menutail();
    const std::string prompt = ed::pad(std::string(ed::trim(expl)) + " file name", 40);
    std::string tried;  // the name whose open failed, if one was tried
    if (iflag == 0 && iocom.iunin == keyboard_unit) {
      wout(" Choose " + prompt);
      std::string chosen;
      // A name typed at the chooser is kept even when it fails to open, so
      // that the warning shows which name failed.
      if (choosefile(chosen, save)) {
        fname = chosen;
        tried = chosen;
        if (openunit(iunit, chosen, save ? OpenStatus::replace : OpenStatus::old)) return;
      }
    } else {
      if (iflag == 0) {
        // The whole name, however long: a cut one would open another file.
        std::string answer = ed::pad(fname, std::max<std::size_t>(80, fname.size()));
        int ierr = 0;
        inchardef(answer, prompt, answer, ierr, true);
        fname = std::string(ed::rtrim(answer));
      }
      tried = ed::trim(fname);
      if (openunit(iunit, tried, save ? OpenStatus::new_ : OpenStatus::old)) return;
    }
    const std::string shown = ed::pad(fname, namewidth);
    // An output refused because another output of the run writes the file.
    const bool held = save && !tried.empty() && outputheld(tried);
    if (iflag == 1) {
      errorhead(opef2_id);
      wout(" COULD NOT OPEN FILE " + shown);
      if (held) wout(heldline);
      wout(" for unit = " + ed::i(iunit, 4));
      wout(" ===> STOPPING EXECUTION");
      errortail00();
      endrun(1);
    }
    warninghead(opef2_id);
    wout(" COULD NOT OPEN FILE " + shown);
    if (held) wout(heldline);
    wout(" ===> RETRYING");
    warningtail00();
  }
}
