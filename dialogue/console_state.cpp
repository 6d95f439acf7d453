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

void sayint(std::string_view text, long long v, int w) {
  say(std::string(text) + " " + (w == 0 ? ed::listi(v) : ed::i(v, w)));
}
void sayreal(std::string_view text, real x, int w, int d) {
  say(std::string(text) + " " + ed::f(x, w, d));
}
void sayflag(std::string_view text, bool v, int w) { say(std::string(text) + " " + ed::l(v, w)); }

void initsio() {
  static const RoutineId id{"initsio    ", " 3.2", "2010-06-21"};
  iocom = IoCom{};
  setfailurereporter([](std::string_view text) { writeline(stderr_unit, text); });
  submenuhead(id);
  wout(" INITIALIZING INPUT/OUTPUT");
  auto unitline = [](std::string_view label, int unit) { sayint(label, unit, 2); };
  auto flagline = [](std::string_view label, bool flag) { sayflag(label, flag, 2); };
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
