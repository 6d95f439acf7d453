#include "plotlib/setter_lines.h"

#include <string>

#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

void attrint(std::string_view text, int v, int w) {
  wout(" " + std::string(text) + " " + (w == 0 ? ed::listi(v) : ed::i(v, w)));
}

void attrreal(std::string_view text, real x, int w, int d) {
  wout(" " + std::string(text) + " " + ed::f(x, w, d));
}

void noaction(const RoutineId& id, int mode, int w) {
  warninghead(id);
  attrint("inter =", mode, w);
  say("===> NO ACTION");
  warningtail00();
}
