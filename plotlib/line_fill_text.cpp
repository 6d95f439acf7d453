#include "plotlib/line_fill_text.h"

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "plotlib/plot_records.h"

namespace {

const RoutineId sfillstyle_id{"sfillstyle ", "    ", "          "};

}  // namespace

void sfillstyle(int& istyle, int mode) {
  if (mode != 5) return;
  istyle = 1;
  submenuhead(sfillstyle_id);
  wout(" INITIALISING FILL STYLE TO: filled");
  plt2blk.ifillstyle = istyle;
}
