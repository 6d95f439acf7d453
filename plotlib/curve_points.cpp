#include "plotlib/curve_points.h"

#include <cmath>
#include <limits>

#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/number_text.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/value_checks.h"
#include "plotlib/curve_parameters.h"

PtBlock ptblock;
Cc2dBuff cc2dbuff;
Cc3dBuff cc3dbuff;

namespace {

const RoutineId scptnp_id{"scptnp     ", "    ", "          "};
const RoutineId scptif_id{"scptif     ", "    ", "          "};
const RoutineId scptd_id{"scptd      ", "    ", "          "};
const RoutineId scptnam_id{"scptnam    ", "    ", "          "};
const RoutineId scptend_id{"scptend    ", "    ", "          "};

const std::string_view pointheading = "RUNNING POINT parameters :                 ";

// The menu codes of the running point setters, and the exit code of every
// curve menu.
namespace code {
constexpr int np = 10;
constexpr int initial = 10, final = 11;
constexpr int increment = 10;
constexpr int name = 10;
}  // namespace code

// Keeps np within 1..mp, saying why.
void limitnp(int& np, int mode) {
  if (np > mp) {
    warninghead(scptnp_id);
    sayint("nb of points =", np, 7);
    sayint("> plot buffer size =", mp, 7);
    np = mp;
    sayint("===> reset nb of points =", mp, 7);
    say("===> WILL NOT PLOT ALL THE DATA");
    warningtail00();
  }
  if (np == 1 && !allsubplotmode(mode)) {
    warninghead(scptnp_id);
    sayint("nb of points =", np, 7);
    say("===> WILL PLOT ONLY ONE POINT");
    warningtail00();
  }
  if (np < 1) {
    errorhead(scptnp_id);
    sayint("nb of points np =", np, 7);
    say("===> UPSTREAM PROBLEM ?");
    say("Increment inconsistent with bounds ?");
    np = 1;
    sayint("===> RESETTING np =", np, 7);
    errortail00();
  }
}

void saytype(int t) { sayint("Calculation type =", t, 6); }

// The number of points from the increment of consistent bounds (type t 2
// or 3); type 2 then fits the increment to the bounds when the last point
// falls short of ptf by more than 5e-5 of a step.
void countfromincrement(int t, int mode) {
  PtBlock& p = ptblock;
  int n = stepcount((p.ptf - p.pti) / p.ptd + 0.002f);
  scptnp(n, dialoguemode(mode) ? setmode::askgiven : setmode::storegiven);
  p.rnp = static_cast<real>(p.np);
  p.rnseg = p.rnp - 1.0f;
  const real r = ((p.ptf - p.pti) - p.ptd * static_cast<real>(n - 1)) / p.ptd;
  if (!(r > 5e-5f)) return;
  const bool large = r > 0.001f;
  if (large) {
    warninghead(scptend_id);
    saytype(t);
    say("np computed from td with:");
    sayint(" mp  =", mp, 6);
    sayint(" np  =", p.np, 6);
    curvereal(" pti =", p.pti);
    curvereal(" ptf =", p.ptf);
    curvereal(" ptd =", p.ptd);
    curvereal(" remainder/ptd =", r);
    say("==> large remainder");
  }
  if (t == 2) {
    p.ptd = n - 1 == 0 ? 0.0f : (p.ptf - p.pti) / p.rnseg;
    if (large) {
      say("RECOMPUTED VALUE:");
      curvereal(" ptd =", p.ptd);
    }
  } else if (large) {
    say("==> final point is not reached");
  }
  if (large) warningtail00();
}

// One pass of scptend's computation for type t: true when the sampling is
// set, false when the pass must run again (after the curve parameters menu,
// or with t reset to 1).
bool sample(int& t, int mode) {
  PtBlock& p = ptblock;
  if (t == 0 || t == 1) {
    p.rnp = static_cast<real>(p.np);
    p.rnseg = p.rnp - 1.0f;
    if (p.np > 1) {
      p.ptd = (p.ptf - p.pti) / p.rnseg;
      return true;
    }
    if (p.np == 1) {
      p.ptd = 0.0f;
      return true;
    }
    errorhead(scptend_id);
    saytype(t);
    sayint("Computing increment from np =", p.np, 6);
    say("==> NEED TO SET np > 0");
    errortail00();
    scall(0);
    return false;
  }
  if (t == 2 || t == 3) {
    if ((p.pti <= p.ptf && p.ptd > 0.0f) || (p.ptf < p.pti && p.ptd < 0.0f)) {
      countfromincrement(t, mode);
      return true;
    }
    errorhead(scptend_id);
    saytype(t);
    say("Computing np from td with:");
    curvereal("  pti =", p.pti);
    curvereal("  ptf =", p.ptf);
    curvereal("  ptd =", p.ptd);
    say("==> INCONSISTENT LOOP");
    say("==> NEED TO CORRECT IT");
    errortail00();
    scall(0);
    return false;
  }
  warninghead(scptend_id);
  saytype(t);
  say("==> Unknown");
  say("==> RESETTING TYPE TO USE NP");
  t = 1;
  saytype(t);
  warningtail00();
  return false;
}

std::string caption9(real x) {
  std::string c(9, ' ');
  caream(c, 9, x);
  return c;
}

}  // namespace

real& bufferpoint(PointArray& buffer, int k) {
  static real scratch;
  int ierr = 0;
  cinvin(k, 1, mp, "bufferpoint", "ipt", ierr);
  return ierr == 0 ? buffer[static_cast<std::size_t>(k - 1)] : scratch;
}

int intpart(real x) {
  using limits = std::numeric_limits<int>;
  if (std::isnan(x)) return 0;
  if (x >= static_cast<real>(limits::max())) return limits::max();
  if (x <= static_cast<real>(limits::min())) return limits::min();
  return static_cast<int>(x);
}

int stepcount(real q) {
  const int steps = intpart(q);
  return steps < std::numeric_limits<int>::max() ? steps + 1 : steps;
}

std::string textspan(std::string_view text) {
  int first = 0;
  int last = 0;
  textlen(first, last, text);
  return std::string(text.substr(static_cast<std::size_t>(first - 1),
                                 static_cast<std::size_t>(last - first + 1)));
}

void curvereal(std::string_view text, real v) { sayreal(text, v, 8, 3); }

void curvemenu(const RoutineId& id, std::string_view heading, const std::function<void()>& show,
               const std::function<void(int)>& act, bool echoed) {
  for (;;) {
    submenuhead(id);
    wout(dashrule);
    say(heading);
    wout(dashrule);
    show();
    wout(dashrule);
    say("EXIT .........................." + ed::listi(exitcode));
    menutail();
    int choice = exitcode;
    int ierr = 0;
    const std::string prompt = ed::pad("your choice", 35);
    if (echoed)
      inintegdef(choice, prompt, choice, ierr);
    else
      inintegdefnp(choice, prompt, choice, ierr);
    if (choice == exitcode) return;
    act(choice);
  }
}

void scptnp(int& np, int mode) {
  if (storedmode(mode)) {
    np = ptblock.np;
  } else if (defaultmode(mode)) {
    np = 11;
    submenuhead(scptnp_id);
    sayint("INITIALIZING NUMBER OF POINTS TO:", np, 7);
  }
  if (dialoguemode(mode))
    curvemenu(
        scptnp_id, "RUNNING POINT PARAMETERS:                  ",
        [&] {
          sayint("max nb of points ................", mp, 7);
          sayint("nb of points .................." + ed::listi(code::np), np, 7);
          sayint("nb of segments ..................", np - 1, 7);
        },
        [&](int code) {
          int ierr = 0;
          if (code == code::np)
            inintegvindef(np, ed::pad("nb of pts per curve", 35), np, 1, mp, ierr);
        });
  limitnp(np, mode);
  ptblock.np = np;
}

void scptif(real& pti, real& ptf, int mode) {
  if (storedmode(mode)) {
    pti = ptblock.pti;
    ptf = ptblock.ptf;
  } else if (defaultmode(mode)) {
    pti = 0.0f;
    ptf = 1.0f;
  }
  if (dialoguemode(mode))
    curvemenu(
        scptif_id, pointheading,
        [&] {
          curvereal("initial value ................." + ed::listi(code::initial), pti);
          curvereal("final   value ................." + ed::listi(code::final), ptf);
        },
        [&](int code) {
          int ierr = 0;
          if (code == code::initial) inrealdef(pti, "initial value", pti, ierr);
          if (code == code::final) inrealdef(ptf, "final value", ptf, ierr);
        });
  ptblock.pti = pti;
  ptblock.ptf = ptf;
}

void scptd(real& ptd, int mode) {
  if (storedmode(mode))
    ptd = ptblock.ptd;
  else if (defaultmode(mode))
    ptd = 0.1f;
  if (dialoguemode(mode))
    curvemenu(
        scptd_id, pointheading,
        [&] { curvereal("increment ....................." + ed::listi(code::increment), ptd); },
        [&](int code) {
          int ierr = 0;
          if (code == code::increment) inrealdef(ptd, "increment", ptd, ierr);
        });
  ptblock.ptd = ptd;
}

void scptnam(std::string& name, int mode) {
  if (storedmode(mode))
    name = ed::pad(ptblock.ptnam, name.size());
  else if (defaultmode(mode))
    name = ed::pad("Point.parameter", name.size());
  if (dialoguemode(mode))
    curvemenu(
        scptnam_id, pointheading,
        [&] { say("name .........................." + ed::listi(code::name) + " " + name); },
        [&](int code) {
          int ierr = 0;
          const std::string current = name;
          if (code == code::name) inchardef(name, "running point parameter name", current, ierr);
        });
  ptblock.ptnam = ed::pad(name, 5);
  subtail(scptnam_id);
}

void scptend(int itype, int mode) {
  const bool captions = itype < 100;
  int t = captions ? itype : itype - 100;
  if (dialoguemode(mode)) scall(0);
  while (!sample(t, mode)) {
  }
  if (!captions) return;
  PtBlock& p = ptblock;
  p.ptrange = ed::pad(" init = " + caption9(p.pti) + " final = " + caption9(p.ptf) + " inc = " +
                          caption9(p.ptd),
                      51);
  p.ptlabel = ed::pad(textspan(p.ptnam) + p.ptrange, 56);
}
