#include "stereonet/stereo_frame.h"

#include <cmath>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "plotlib/circles.h"
#include "plotlib/line_fill_text.h"
#include "plotlib/user_drawing.h"
#include "stereonet/stereo_projections.h"

Stefram2 stefram2;

namespace {

const RoutineId srepstereo0_id{"srepstereo0", " 4.2", "08-10-2009"};
const RoutineId srepstereolabel1_id{"srepstereol", "1.00", "14-04-99  "};
const RoutineId srepstereonp_id{"srepstereon", "1.00", "14-04-99  "};

const std::array<std::string_view, nlabels> labelname{"X axis     ", "Y axis     ", "Upper Right",
                                                      "Lower Right", "Lower Left ", "Upper Left "};

// Where the corner labels 3..6 are drawn, and their justification.
struct Corner {
  real x, y;
  int just;
};
const std::array<Corner, 4> corners{{{0.5f, 1.0f, -5}, {0.5f, -1.0f, -5}, {-0.5f, -1.0f, -7},
                                     {-0.5f, 1.0f, -7}}};

// The codes of the frame menu, after the label positions 1 .. nlabels.
namespace framecode {
constexpr int points = 10;
constexpr int axis = 20;
constexpr int tics = 30;
}  // namespace framecode

// The codes of the label menu and of the menu of the number of points.
namespace labelcode {
constexpr int index = 1;
constexpr int text = 2;
constexpr int draw = 3;
}  // namespace labelcode
namespace pointscode {
constexpr int points = 10;
}  // namespace pointscode

std::size_t at(int index) { return static_cast<std::size_t>(index - 1); }

int choose() {
  int choice = 99, ierr = 0;
  inintegdef(choice, ed::pad("your choice", 35), choice, ierr);
  return choice;
}

// Two-point line from (x1, y1) to (x2, y2).
void segment(real x1, real y1, real x2, real y2) {
  const std::array<real, 2> x{x1, x2}, y{y1, y2};
  usline(x, y, 2);
}

// Ticks from radius 1.02 to 1.08 at every multiple of 10 degrees, in the
// eight symmetric places of each angle 0..40: those at the axes come twice.
void ticks() {
  for (int a = 0; a <= 40; a += 10) {
    const real t = rad(static_cast<real>(a));
    const real c = std::cos(t), s = std::sin(t);
    std::array<real, 2> x{1.02f * c, 1.08f * c}, y{1.02f * s, 1.08f * s};
    auto both = [&] {
      usline(x, y, 2);
      usline(y, x, 2);
    };
    auto negate = [](std::array<real, 2>& v) { v = {-v[0], -v[1]}; };
    both();
    negate(x);
    both();
    negate(y);
    both();
    negate(x);
    both();
  }
}

// The label of a horizontal direction, pushed 0.1 outwards beyond the
// circle: to the right of the point or centred above it.
void axislabel(real azimuth, const std::string& text) {
  std::array<real, 1> x{azimuth}, y{0.0f};
  spron(x, y, x, y, 1);
  int just = -2;
  if (x[0] > 0.9f) {
    x[0] += 0.1f;
    just = -5;
  } else if (y[0] > 0.9f) {
    y[0] += 0.1f;
  }
  stextalign(just, 1);
  ustext2(x[0], y[0], text);
}

void framemenu() {
  Stefram2& f = stefram2;
  for (;;) {
    submenuhead(srepstereo0_id);
    wout(dashrule);
    say("STEREO FRAME PARAMETERS");
    wout(dashrule);
    say("position   :     label     :?:command");
    for (int k = 1; k <= nlabels; ++k)
      wout(" " + ed::a(labelname[at(k)], 11) + ":" + ed::a(f.label[at(k)], 15) + ":" +
           ed::l(f.llabel[at(k)], 1) + ":.." + ed::i(k, 1));
    sayint("nb of points to draw .........." + ed::listi(framecode::points), f.npfram, 7);
    say("draw axis......................" + ed::listi(framecode::axis) + " " + ed::l(f.laxis, 1));
    say("draw tics......................" + ed::listi(framecode::tics) + " " + ed::l(f.ltics, 1));
    wout(dashrule);
    say("EXIT .........................." + ed::listi(exitcode));
    menutail();
    const int code = choose();
    int ierr = 0;
    if (code >= 1 && code <= nlabels) {
      std::string text(35, ' ');
      int idraw = 0, index = code;
      srepstereolabel1(text, idraw, index, 2);
    } else if (code == framecode::points) {
      int np = 0;
      srepstereonp(np, 2);
    } else if (code == framecode::axis) {
      inlogicdef(f.laxis, ed::pad("whether to draw axis", 35), f.laxis, ierr);
    } else if (code == framecode::tics) {
      inlogicdef(f.ltics, ed::pad("whether to draw ticks", 35), f.ltics, ierr);
    } else if (code == exitcode) {
      return;
    }
  }
}

void labelmenu(std::string& text, int& idraw, int& index) {
  for (;;) {
    submenuhead(srepstereolabel1_id);
    wout(dashrule);
    say("STEREO FRAME LABELS");
    wout(dashrule);
    say("label position        : " + std::string(labelname[at(index)]));
    sayint("label index..........." + ed::listi(labelcode::index), index, 4);
    say("label text............" + ed::listi(labelcode::text) + " " + text);
    sayint("draw label (0/1)......" + ed::listi(labelcode::draw), idraw, 4);
    wout(dashrule);
    say("EXIT ................" + ed::listi(exitcode));
    menutail();
    const int code = choose();
    int ierr = 0;
    if (code == labelcode::index) {
      inintegvindef(index, ed::pad("label index", 35), index, 1, nlabels, ierr);
    } else if (code == labelcode::text) {
      const std::string current = text;
      inchardef(text, ed::pad("text to draw", 35), current, ierr);
    } else if (code == labelcode::draw) {
      inintegvindef(idraw, ed::pad("whether to draw label (0=no/1=yes)", 35), idraw, 0, 1, ierr);
    } else if (code == exitcode) {
      return;
    }
  }
}

void pointsmenu(int& np) {
  for (;;) {
    submenuhead(srepstereonp_id);
    wout(dashrule);
    say("STEREO FRAME NUMBER OF POINT:              ");
    wout(dashrule);
    sayint("nb of points to draw .........." + ed::listi(pointscode::points), np, 5);
    wout(dashrule);
    say("EXIT .........................." + ed::listi(exitcode));
    menutail();
    const int code = choose();
    int ierr = 0;
    if (code == pointscode::points)
      inintegvindef(np, ed::pad("nb of pts per curve", 35), np, 1, 1000, ierr);
    if (code == exitcode) return;
  }
}

}  // namespace

void repstereo() {
  const Stefram2& f = stefram2;
  real angle = 0.0f;
  int just = 0;
  stextangle(angle, 3);
  stextalign(just, 3);
  real level = 0.0f;
  stextangle(level, 1);

  uscircle(0.0f, 0.0f, 1.0f, f.npfram);
  if (f.laxis) {
    segment(-1.0f, 0.0f, 1.0f, 0.0f);
    segment(0.0f, -1.0f, 0.0f, 1.0f);
  }
  if (f.ltics) ticks();

  axislabel(0.0f, f.label[0]);
  axislabel(anglerad.pio2, f.label[1]);
  for (int k = 3; k <= nlabels; ++k) {
    if (!f.llabel[at(k)]) continue;
    const Corner& c = corners[at(k - 2)];
    int cjust = c.just;
    stextalign(cjust, 1);
    ustext2(c.x, c.y, std::string_view(f.label[at(k)]).substr(0, 10));
  }

  stextangle(angle, 1);
  stextalign(just, 1);
}

void srepstereo0(int mode) {
  if (defaultmode(mode)) {
    submenuhead(srepstereo0_id);
    say("INITIALIZING STEREO FRAME");
    stefram2.npfram = 200;
    stefram2.llabel = {true, true, false, false, false, false};
    stefram2.laxis = true;
    stefram2.ltics = true;
    stefram2.label = {ed::pad("North", labelwidth), ed::pad("East", labelwidth),
                      ed::pad("None", labelwidth),  ed::pad("None", labelwidth),
                      ed::pad("None", labelwidth),  ed::pad("None", labelwidth)};
  }
  if (dialoguemode(mode)) framemenu();
}

void srepstereolabel1(std::string& text, int& idraw, int& index, int mode) {
  if (index < 1 || index > nlabels) {
    errorhead(srepstereolabel1_id);
    sayint("label number =", index, 4);
    say("label number must be in [1,6]");
    index = nlabels;
    sayint("==> label number reset to =", index, 4);
    errortail00();
    mode = 2;
  }
  if (storedmode(mode)) {
    text = ed::pad(stefram2.label[at(index)], text.size());
    idraw = stefram2.llabel[at(index)] ? 1 : 0;
  } else if (defaultmode(mode)) {
    submenuhead(srepstereolabel1_id);
    say("INITIALIZING STEREO FRAME LABEL");
    idraw = index <= 2 ? 1 : 0;
    text = ed::pad(index == 1 ? "North" : index == 2 ? "East" : "None", text.size());
  } else if (idraw != 0 && idraw != 1) {
    errorhead(srepstereolabel1_id);
    sayint("draw or not (0/1) =", idraw, 4);
    say("should be in [0,1]");
    idraw = 0;
    sayint("==>reset to =", idraw, 4);
    errortail00();
    mode = 2;
  }
  if (dialoguemode(mode)) labelmenu(text, idraw, index);
  stefram2.llabel[at(index)] = idraw == 1;
  stefram2.label[at(index)] = ed::pad(text, labelwidth);
}

void srepstereonp(int& np, int mode) {
  if (storedmode(mode)) {
    np = stefram2.npfram;
  } else if (defaultmode(mode)) {
    submenuhead(srepstereonp_id);
    say("INITIALIZING STEREO FRAME: number of points");
    np = 200;
  }
  if (dialoguemode(mode)) pointsmenu(np);
  stefram2.npfram = np;
}
