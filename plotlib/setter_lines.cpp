#include "plotlib/setter_lines.h"

#include <string>

#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

void noaction(const RoutineId& id, int mode, int w) {
  warninghead(id);
  sayint("inter =", mode, w);
  say("===> NO ACTION");
  warningtail00();
}
