#include "dialogue/console_state.h"

#include <string>

#include "dialogue/banners.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"
#include "platform/failures.h"

IoCom iocom;

void wout(std::string_view line) { writeline(iocom.iunout, line); }
void werr(std::string_view line) { writeline(iocom.iunerrout, line); }
void say(std::string_view text) { wout(" " + std::string(text)); }
void sayerr(std::string_view text) { werr(" " + std::string(text)); }

void initsio() {
  static const RoutineId id{"initsio    ", " 3.2", "2010-06-21"};
  iocom = IoCom{};
  setfailurereporter([](std::string_view text) { writeline(stderr_unit, text); });
  submenuhead(id);
  wout(" INITIALIZING INPUT/OUTPUT");
  auto unitline = [](std::string_view label, int unit) {
    wout(" " + std::string(label) + " " + ed::i(unit, 2));
  };
  auto flagline = [](std::string_view label, bool flag) {
    wout(" " + std::string(label) + " " + ed::l(flag, 2));
  };
  unitline("standard  input unit        =", iocom.iunin);
  unitline("standard output unit        =", iocom.iunout);
  unitline("error     input unit        =", iocom.iunerrin);
  unitline("error    output unit        =", iocom.iunerrout);
  flagline("minimum output enabled      :", iocom.lwito[0]);
  flagline("more    output enabled      :", iocom.lwito[1]);
  flagline("maximum output enabled      :", iocom.lwito[2]);
  flagline("command file open status    :", iocom.lcomfile);
  flagline("plot    file open status    :", iocom.lplotfile);
  flagline("pause after warning or error:", iocom.lpause);
  menutail();
}
