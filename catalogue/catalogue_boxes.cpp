#include "catalogue/catalogue_boxes.h"

#include <string>

#include "catalogue/event_store.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

void listingrule() { wout(" |" + dashrule.substr(1) + "|"); }

void listingtitle() {
  listingrule();
  wout(" | " + std::string("              EXTRACTED DATA              ") + "|");
  listingrule();
}

void listingrows(std::string_view lastcell) {
  wout(" | " + ed::a("date  ", 8) + " | " + ed::a("lat", 4) + " | " + ed::a("long", 5) + " | " +
       ed::a(lastcell, 15) + " |");
  listingrule();
  for (int i = 0; i < fpsblk.nbstored; ++i) {
    const auto k = static_cast<size_t>(i);
    wout(" | " + ed::a(fpsblk.cdate1[k].view(), 8) + " | " + ed::f(fpsblk.rlat1[k], 4, 0) +
         " | " + ed::f(fpsblk.rlong1[k], 5, 0) + " | " + ed::i(fpsblk.id1[k], 15) + " |");
  }
}

void nolisting(const RoutineId& id, int code) {
  warninghead(id);
  wout(" DATA TYPE ID = " + ed::i(fpsblk.idatatype, 6));
  wout(" COMMAND      = " + ed::i(code, 6));
  wout(" NO LISTING PROCEDURE FOR THIS");
  wout(" ==> NO ACTION");
  warningtail00();
}

void formathelp(const RoutineId& id) {
  const std::string rule = " " + std::string(43, '=');
  submenuhead(id);
  wout(rule);
  wout("                   HELP");
  wout(rule);
  wout(" FPFIT FORMAT AS DESCRIBED AT:");
  wout("   USGS Open-File Report 85-739 (1985)");
  wout(" HASH FORMAT AS DESCRIBED AT:");
  wout("   the HASH user guide (USGS, 2008)");
  wout(" Other help:");
  wout("   README.md of the program's sources");
  wout(rule);
}
