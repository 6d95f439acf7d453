#include "dialogue/command_files.h"

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/units.h"

namespace {

const RoutineId endaltsi_id{"endaltsi   ", " 3.0", "17-06-2008"};

std::string inuse;  // name of the command file in use

std::string trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

void endaltsi(int iunit, const std::string& fname, int) {
  if (!iocom.lcomfile) {
    warninghead(endaltsi_id);
    wout(" NO OPEN COMMAND FILE");
    wout(" ==> NO ACTION");
    warningtail00();
    return;
  }
  if (outlevel(1)) submenuhead(endaltsi_id);
  closeunit(iunit);
  iocom.iunin = keyboard_unit;
  iocom.lcomfile = false;
  iocom.lwito[1] = true;
  if (outlevel(1)) {
    wout(" Command file " + trimmed(fname) + " closed");
    wout(" Standard input redirected from keyboard");
    wout(" Level 2 standard output enabled");
  }
}

void commandfileended() {
  warninghead(endaltsi_id);
  wout(" END OF COMMAND FILE");
  wout(" ==> INPUT BACK TO KEYBOARD");
  warningtail00();
  endaltsi(iocom.iunin, inuse, 0);
}
