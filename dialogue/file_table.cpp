#include "dialogue/file_table.h"

#include <unistd.h>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"
#include "platform/file_chooser.h"

FioCom fiocom;

namespace {

const RoutineId initfio_id{"initfio    ", "1.00", "25-03-94  "};
const RoutineId opefin_id{"opefin     ", "1.00", "25-03-94  "};
const RoutineId opefou_id{"opefou     ", "1.00", "25-03-94  "};
const RoutineId clofin_id{"clofin     ", "1.00", "25-03-94  "};
const RoutineId clofou_id{"clofou     ", "1.00", "25-03-94  "};
const RoutineId listfio_id{"listfio    ", "1.00", "25-03-94  "};
const RoutineId opef2_id{"opef2      ", " 3.8", "24-08-2005"};

const std::string rule = " " + std::string(43, '-');


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

// One slot's six lines of the status table.
void slotlines(int k, const std::string& expl, const std::string& name, bool open, int unit) {
  wout(" FILE INDEX   = " + ed::i(k, 2));
  wout("  explanation : " + ed::pad(expl, slotwidth));
  wout("     filename = " + ed::pad(name, slotwidth));
  wout("       opened : " + ed::l(open, 1));
  wout("         unit = " + ed::i(unit, 2));
  wout(" --------------");
}

// The chooser stand-in: the name is read as one line, with completion at a
// terminal. An empty line is a chooser closed without a choice; the save
// chooser asks before it replaces an existing file.
bool choosefile(std::string& name, bool save) {
  std::string line;
  if (unitterminal(keyboard_unit)) {
    std::fflush(stdout);
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

// Opens a slot's unit through opef2, shared by opefin and opefou.
void openslot(const char* side, int k, std::string& name, std::string& expl,
              std::string_view newexpl, int unit, bool& open, std::string_view status,
              int iflag) {
  if (open) {
    wout(rule);
    wout(std::string(" ") + side + " FILE " + ed::i(k, 2) + " ALREADY OPENED !");
    wout(rule);
    return;
  }
  expl = ed::pad(newexpl, slotwidth);
  wout(rule);
  wout(" OPENING " + ed::a(side, 6) + " FILE " + ed::i(k, 2));
  wout(rule);
  opef2(name, expl, unit, status, iflag);
  open = true;
}

// Closes a slot's unit, shared by clofin and clofou. A file whose writing
// failed is said so instead of being reported closed.
void closeslot(const char* side, const std::string& name, int unit, bool& open) {
  wout(rule);
  if (!open) {
    wout(std::string(" ") + side + " FILE " + ed::pad(name, slotwidth) + " ALREADY CLOSED !");
  } else {
    bool ok = closeunit(unit);
    open = false;
    if (ok) {
      wout(std::string(" ") + side + " FILE " + ed::pad(name, slotwidth) + " CLOSED");
    } else {
      errorhead(clofou_id);
      wout(" WRITE ERROR ON FILE " + ed::pad(name, slotwidth));
      wout(" ==> FILE CLOSED, ITS CONTENT IS INCOMPLETE");
      errortail00();
    }
  }
  wout(rule);
}

}  // namespace

void initfio(int nfin, int nfout, int) {
  subhead(initfio_id);
  submenuhead(initfio_id);
  wout(rule);
  wout("        INITIALIZING I/O FILES              ");
  wout(rule);
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
  wout(rule);
  wout("              I/O FILES STATUS              ");
  wout(rule);
  wout(" NUMBER OF  INPUT FILES   = " + ed::i(fiocom.nfin, 2));
  wout(rule);
  for (int k = 1; k <= fiocom.nfin; ++k) {
    size_t s = static_cast<size_t>(k - 1);
    slotlines(k, fiocom.explin[s], fiocom.filin[s], fiocom.lopin[s], fiocom.iuin[s]);
  }
  wout(rule);
  wout(" NUMBER OF OUTPUT FILES   = " + ed::i(fiocom.nfout, 2));
  wout(rule);
  for (int k = 1; k <= fiocom.nfout; ++k) {
    size_t s = static_cast<size_t>(k - 1);
    slotlines(k, fiocom.oufexpl[s], fiocom.oufnam[s], fiocom.iopou[s], fiocom.iouf[s]);
  }
  subtail(listfio_id);
}

void opefin(int k, std::string_view expl, int iflag) {
  subhead(opefin_id);
  if (k >= 1 && k <= fiocom.nfin) {
    size_t s = static_cast<size_t>(k - 1);
    bool open = fiocom.lopin[s];
    openslot("INPUT", k, fiocom.filin[s], fiocom.explin[s], expl, fiocom.iuin[s], open, "old",
             iflag);
    fiocom.lopin[s] = open;
  }
  listfio(0);
  subtail(opefin_id);
}

void opefou(int k, std::string_view expl, int iflag) {
  subhead(opefou_id);
  if (k >= 1 && k <= fiocom.nfout) {
    size_t s = static_cast<size_t>(k - 1);
    bool open = fiocom.iopou[s];
    openslot("OUTPUT", k, fiocom.oufnam[s], fiocom.oufexpl[s], expl, fiocom.iouf[s], open, "new",
             iflag);
    fiocom.iopou[s] = open;
  }
  listfio(0);
  subtail(opefou_id);
}

void clofin(int k, int) {
  subhead(clofin_id);
  if (k >= 1 && k <= fiocom.nfin) {
    size_t s = static_cast<size_t>(k - 1);
    bool open = fiocom.lopin[s];
    closeslot("INPUT", fiocom.filin[s], fiocom.iuin[s], open);
    fiocom.lopin[s] = open;
  }
  listfio(0);
  subtail(clofin_id);
}

void clofou(int k, int) {
  subhead(clofou_id);
  if (k >= 1 && k <= fiocom.nfout) {
    size_t s = static_cast<size_t>(k - 1);
    bool open = fiocom.iopou[s];
    closeslot("OUTPUT", fiocom.oufnam[s], fiocom.iouf[s], open);
    fiocom.iopou[s] = open;
  }
  listfio(0);
  subtail(clofou_id);
}

void opef2(std::string& fname, std::string_view expl, int iunit, std::string_view status,
           int iflag, std::size_t namewidth) {
  const bool save = status != "old";
  for (;;) {
    submenuhead(opef2_id);
    wout(" OPENING " + std::string(ed::trim(expl)) + " FILE");
    menutail();
    const std::string prompt = ed::pad(std::string(ed::trim(expl)) + " file name", 40);
    bool opened = false;
    if (iflag == 0 && iocom.iunin == keyboard_unit) {
      wout(" Choose " + prompt);
      std::string chosen;
      if (choosefile(chosen, save)) {
        opened = openunit(iunit, chosen, save ? OpenStatus::replace : OpenStatus::old);
        if (opened) fname = chosen;
      }
    } else {
      if (iflag == 0) {
        std::string answer = ed::pad(fname, 80);
        int ierr = 0;
        inchardef(answer, prompt, answer, ierr);
        fname = std::string(ed::rtrim(answer));
      }
      opened = openunit(iunit, std::string(ed::trim(fname)), save ? OpenStatus::new_ : OpenStatus::old);
    }
    if (opened) return;
    const std::string shown = ed::pad(fname, namewidth);
    if (iflag == 1) {
      errorhead(opef2_id);
      wout(" COULD NOT OPEN FILE " + shown);
      wout(" for unit = " + ed::i(iunit, 4));
      wout(" ===> STOPPING EXECUTION");
      errortail00();
      endrun(1);
    }
    warninghead(opef2_id);
    wout(" COULD NOT OPEN FILE " + shown);
    wout(" ===> RETRYING");
    warningtail00();
  }
}
