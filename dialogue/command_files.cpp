#include "dialogue/command_files.h"

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"

namespace {

const RoutineId endaltsi_id{"endaltsi   ", " 3.0", "17-06-2008"};

// The menu codes.
namespace code {
constexpr int start = 5001;
constexpr int leave = 5002;         // leave the command file and go on
constexpr int leaveandquit = 5003;
}  // namespace code

std::string inuse;  // name of the command file in use

// The command file's name as the lines that show it give it: without its
// surrounding blanks, in the width of the name.
std::string shownname(const std::string& fname) {
  return std::string(ed::trim(ed::pad(fname, commandnamewidth)));
}

// The warning of a request that does not fit the command file's state.
void refusal(const RoutineId& id, const std::string& why) {
  warninghead(id);
  wout(why);
  wout(" ==> NO ACTION");
  warningtail00();
}

}  // namespace

void endaltsi(int iunit, const std::string& fname, int) {
  if (!iocom.lcomfile) {
    refusal(endaltsi_id, " NO OPEN COMMAND FILE");
    return;
  }
  if (outlevel(1)) submenuhead(endaltsi_id);
  closeunit(iunit);
  iocom.iunin = keyboard_unit;
  iocom.lcomfile = false;
  iocom.lwito[1] = true;
  if (outlevel(1)) {
    wout(" Command file " + shownname(fname) + " closed");
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

void beginaltsi(int iunit, std::string& fname, int iflag) {
  static const RoutineId id{"beginaltsi ", " 3.0", "17-06-2008"};
  if (iocom.lcomfile) {
    refusal(id, " COMMAND FILE ALREADY OPEN");
    return;
  }
  if (outlevel(1)) submenuhead(id);
  opef2(fname, "alternate standard input ", iunit, "old", iflag, commandnamewidth);
  inuse = fname;
  iocom.iunin = iunit;
  iocom.lcomfile = true;
  iocom.lwito[1] = false;
  if (outlevel(1)) {
    wout(" Standard input redirected from");
    wout("    Command file: " + shownname(fname));
    wout(" Response to error or warning");
    wout("    remains from keyboard");
    wout(" Level 2 standard output disabled");
    menutail();
  }
}

void altsio(int iunit, std::string& fname, int& irep, int iflag) {
  static const RoutineId id{"altsio     ", " 1.4", "17-06-2008"};
  for (;;) {
    submenuhead(id);
    wout(dashrule);
    wout(" ALTERNATE STANDARD INPUT");
    wout(dashrule);
    wout(" START COMMAND FILE .............." + ed::listi(code::start));
    wout(" EXIT COMMAND FILE AND CONTINUE..." + ed::listi(code::leave));
    wout(" EXIT COMMAND FILE AND QUIT ......" + ed::listi(code::leaveandquit));
    wout(" EXIT THIS SUBROUTINE .............." + ed::listi(exitcode));
    menutail();
    irep = exitcode;
    int ierr = 0;
    inintegdef(irep, "your choice", irep, ierr);
    switch (irep) {
      case code::start:
        beginaltsi(iunit, fname, iflag);
        return;
      case code::leave:
      case code::leaveandquit:
        endaltsi(iunit, fname, iflag);
        if (irep == code::leaveandquit) irep = quitcode;
        return;
      case exitcode:
        return;
      default:
        if (iflag == 1) {
          errorhead(id);
          wout(" Unknown answer irep = " + ed::i(irep, 6));
          wout(" ===> STOPPING EXECUTION");
          errortail00();
          endrun(1);
        }
    }
  }
}
