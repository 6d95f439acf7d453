#include "dialogue/error_stops.h"

#include <string>
#include <utility>
#include <vector>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"

namespace {

const std::string stars = std::string(43, '*');

// Asks a yes/no question at the keyboard, whatever supplies the answers.
bool ask(std::string_view question, bool ldef) {
  bool answer = ldef;
  int ierr = 0;
  inlogicdef2(answer, question, ldef, iocom.iunerrin, iocom.iunerrout, ierr);
  return answer;
}

void authorlines() {
  sayerr("Copying the above information");
  sayerr("and sending it to the program author");
  sayerr("might be helpful");
  sayerr(stars);
}

}  // namespace

void sorryface() {
  // Runs of '&' per row, as first and last columns of the 40-column row.
  static const std::vector<std::pair<int, int>> rows[18] = {
      {{13, 24}},
      {{9, 10}, {27, 28}},
      {{6, 7}, {30, 31}},
      {{4, 5}, {32, 33}},
      {{3, 4}, {33, 34}},
      {{2, 3}, {34, 35}},
      {{2, 2}, {11, 13}, {24, 26}, {35, 35}},
      {{1, 2}, {11, 13}, {24, 26}, {35, 36}},
      {{1, 2}, {35, 36}},
      {{1, 2}, {35, 36}},
      {{1, 2}, {35, 36}},
      {{2, 2}, {13, 24}, {35, 35}},
      {{2, 3}, {10, 12}, {25, 27}, {34, 35}},
      {{3, 4}, {8, 9}, {28, 29}, {33, 34}},
      {{4, 5}, {32, 33}},
      {{6, 7}, {30, 31}},
      {{9, 10}, {27, 28}},
      {{13, 24}},
  };
  wout(std::string(6, ' '));
  for (const auto& runs : rows) {
    std::string row(40, ' ');
    for (const auto& [from, to] : runs)
      row.replace(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1),
                  static_cast<size_t>(to - from + 1), '&');
    wout("    " + row);
  }
  wout(std::string(6, ' '));
}

void errortail01(int level) {
  if (level == 0) {
    sayerr("RECOVERABLE ERROR ====> CAN RESUME EXECUTION");
  } else {
    sorryface();
    sayerr("UNRECOVERABLE ERROR =====> QUITTING ADVISED");
  }
  if (ask("STOP", level != 0)) {
    sayerr("EXECUTION STOPPED AFTER ERROR");
    sayerr(stars);
    endrun(1);
  }
  if (level == 1) {
    sayerr("ENTERING THE TWILIGHT ZONE OF COMPUTING !");
    sayerr("THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE");
  } else {
    sayerr("RESUMING EXECUTION");
  }
  bannerpause();  // whatever the pause flag says
  sayerr(stars);
}

void errorstop(int level) {
  switch (level) {
    case 0:
      sayerr("RECOVERABLE ERROR ==> RESUMING EXECUTION ADVISED");
      if (ask("RESUME", true)) {
        sayerr("RESUMING EXECUTION");
        return;
      }
      sayerr("EXECUTION STOPPED BY USER");
      sayerr("AFTER RECOVERABLE ERROR");
      sayerr(stars);
      endrun(1);
    case 1:
      sorryface();
      sayerr("UNRECOVERABLE ERROR ==> QUITTING ADVISED");
      if (!ask("STOP  ", true)) {
        sayerr("ENTERING THE TWILIGHT ZONE OF COMPUTING !");
        sayerr("THE VALIDITY OF WHAT FOLLOWS IS QUESTIONABLE");
        sayerr("RESUMING EXECUTION");
        return;
      }
      sayerr("EXECUTION STOPPED BY USER");
      sayerr("AFTER UNRECOVERABLE ERROR");
      authorlines();
      endrun(1);
    case 2:
      sorryface();
      sayerr("UNRECOVERABLE ERROR");
      sayerr("EXECUTION STOPPED BY PROGRAM");
      authorlines();
      endrun(1);
    default:
      return;
  }
}
