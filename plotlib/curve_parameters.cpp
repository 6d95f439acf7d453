#include "plotlib/curve_parameters.h"

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/number_text.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/value_checks.h"
#include "plotlib/curve_points.h"

PfixBlock pfixblock;
PlevBlock plevblock;

namespace {

const RoutineId scall_id{"scall      ", " 7.0", "22-07-2008"};
const RoutineId scparfixnb_id{"scparfixnb ", " 2.0", "21-05-2008"};
const RoutineId scparfix1_id{"scparfix   ", " 6.0", "21-05-2008"};
const RoutineId sclevel2_id{"sclevel2   ", " 4.0", "22-07-2008"};

// The mode in which scall only shows the three groups.
constexpr int showmode = 6;

// The codes of the "CURVES PARAMETERS" menu, after the fixed parameters'
// indices.
namespace curvecode {
constexpr int fixedcount = 100;
constexpr int levelcount = 200, levelincrement = 210;  // the levels, by number or increment
constexpr int points = 300, increment = 320, name = 330;
constexpr int range = 310;  // initial and final value of the running point
}  // namespace curvecode

// The codes of the fixed parameter menus: of their number, and of one
// parameter (the value codes edit the value of types 1, 2 and 3).
namespace fixedcode {
constexpr int count = 10;
constexpr int name = 10, type = 20;
constexpr int real = 30, integer = 40, character = 50;
}  // namespace fixedcode

// The codes of the level menu; 13 and 15 ask for three values in turn.
namespace levelcode {
constexpr int initial = 10, final = 11, increment = 12, byincrement = 13;
constexpr int count = 14, bycount = 15;
constexpr int single = 20;
}  // namespace levelcode

// The 0-based place of fixed parameter i (1..maxparfix).
std::size_t slot(int i) { return static_cast<std::size_t>(i - 1); }

// The fixed parameters, one row each; a row doubles as the menu entry of
// its index.
void fixedtable() {
  wout(" " + ed::a("name", 4) + ed::x(7) + ed::a("value", 5) + ed::x(5) + ed::a("type", 4) +
       ed::x(3) + ed::a("index", 5));
  for (int i = 1; i <= pfixblock.nparfix; ++i)
    wout(" " + ed::a(pfixblock.pfixname[slot(i)], 10) + " " + ed::a(pfixblock.pfixvalue[slot(i)], 9) +
         "  " + ed::i(pfixblock.ipfixtype[slot(i)], 1) + " " + std::string(7, '.') + ed::i(i, 2));
}

// scall mode 6: the three groups, without a choice.
void showcurves() {
  const PlevBlock& l = plevblock;
  const PtBlock& p = ptblock;
  submenuhead(scall_id);
  wout(dashrule);
  say("                 CURVES");
  say("         1 - FIXED PARAMETERS");
  sayint("max nb of fixed params    :", maxparfix, 6);
  sayint("current nb of fixed params:", pfixblock.nparfix, 6);
  say("current fixed parameters:");
  fixedtable();
  wout(dashrule);
  say("         2 - LEVEL PARAMETERS");
  say("level name ...............: " + l.levnam);
  curvereal("level initial value ......:", l.levi);
  curvereal("level final   value ......:", l.levf);
  curvereal("level increment ..........:", l.levd);
  curvereal("single level value .......:", l.levi);
  sayint("nb of level curves .......:", l.nlev, 6);
  wout(dashrule);
  say("         3 - RUNNING POINT PARAMETERS");
  sayint("max nb of points .........:", mp, 6);
  sayint("nb of points to draw .....:", p.np, 6);
  curvereal("nb of segments to draw ...:", p.rnseg);
  curvereal("initial value ............:", p.pti);
  curvereal("final   value ............:", p.ptf);
  curvereal("increment ................:", p.ptd);
  say("name .....................: " + p.ptnam);
  menutail();
}

// The body of the "CURVES PARAMETERS" menu, between its heading and EXIT.
void curvelines() {
  const PlevBlock& l = plevblock;
  const PtBlock& p = ptblock;
  say("         1 - FIXED PARAMETERS");
  sayint("max nb of fixed params ..........", maxparfix, 6);
  sayint("current nb of fixed params ..." + ed::listi(curvecode::fixedcount), pfixblock.nparfix,
           6);
  say("current fixed parameters:");
  fixedtable();
  wout(dashrule);
  say("         2 - LEVEL PARAMETERS");
  const std::string levels = ed::listi(curvecode::levelincrement);
  sayint("nb of level curves ..........." + ed::listi(curvecode::levelcount), l.nlev, 6);
  curvereal("level initial value .........." + levels, l.levi);
  curvereal("level final   value .........." + levels, l.levf);
  curvereal("level increment .............." + levels, l.levd);
  curvereal("single level value ..........." + levels, l.levi);
  say("level name ..................." + levels + " " + l.levnam);
  wout(dashrule);
  say("         3 - RUNNING POINT PARAMETERS");
  sayint("max nb of points ................", mp, 6);
  sayint("nb of points to draw ........." + ed::listi(curvecode::points), p.np, 6);
  curvereal("nb of segments to draw ......." + ed::listi(curvecode::points), p.rnseg);
  curvereal("initial value ................" + ed::listi(curvecode::range), p.pti);
  curvereal("final   value ................" + ed::listi(curvecode::range), p.ptf);
  curvereal("increment ...................." + ed::listi(curvecode::increment), p.ptd);
  say("name ........................." + ed::listi(curvecode::name) + " " + p.ptnam);
}

// The information text of a fixed parameter: its name, and its value
// text unless it has none (type 0).
std::string describe(const std::string& name, int type, const std::string& cvalue) {
  return ed::pad(type == 0 ? textspan(name) : textspan(name) + " = " + textspan(cvalue), 20);
}

// Makes the values of a fixed parameter agree with its type, the value of
// that type leading, and rebuilds its information text.
void agree(const std::string& name, int type, real& rvalue, int& ivalue, std::string& cvalue,
           std::string& info) {
  int nchar = 0;
  switch (type) {
    case 0:
      rvalue = 0.0f;
      ivalue = 0;
      cvalue = ed::pad("---", cvalue.size());
      break;
    case 1:
      ivalue = intpart(rvalue);
      caream(cvalue, 9, rvalue);
      break;
    case 2:
      rvalue = static_cast<real>(ivalue);
      carinm2(cvalue, nchar, 9, ivalue);
      break;
    case 3:
      rvalue = 0.0f;
      ivalue = 0;
      break;
  }
  info = describe(name, type, cvalue);
}

void wrongtype() {
  warninghead(scparfix1_id);
  say("Wrong type of parameter");
  say("=====> NO ACTION");
  warningtail0(0);
}

void choosetype(int& type) {
  const std::string dashes(28, '-');
  say(dashes);
  say("Parameter type:");
  say(dashes);
  say("name only - no value ......0");
  say("real.......................1");
  say("integer....................2");
  say("character..................3");
  say(dashes);
  int ierr = 0;
  inintegvindef(type, "your choice", type, 0, 3, ierr);
}

// The level loop made consistent for its type (0..4), saying what was
// reset or adjusted.
void checklevels(real& levi, real& levf, real& levd, int& nlev, int& itype) {
  auto bounds = [&] {
    curvereal(" initial             =", levi);
    curvereal(" final               =", levf);
    curvereal(" increment           =", levd);
  };
  for (;;) {
    if (itype == 0 || itype == 1) {
      if (nlev > 1) {
        levd = (levf - levi) / static_cast<real>(nlev - 1);
        return;
      }
      if (nlev == 1) {
        levd = 1.0f;
        return;
      }
      errorhead(sclevel2_id);
      say("Computing increment from nb of curves");
      sayint(" Calculation type =", itype, 4);
      sayint(" nb of curves =", nlev, 4);
      say("==> NEED nb > 0");
      nlev = 1;
      sayint("==> RESET nb =", nlev, 4);
      errortail00();
    } else if (itype == 2 || itype == 3) {
      if ((levf >= levi && levd > 0.0f) || (levf < levi && levd < 0.0f)) break;
      errorhead(sclevel2_id);
      say("Levels computed from increment:");
      sayint(" Calculation type    =", itype, 4);
      bounds();
      say("==> INCONSISTENT LOOP");
      say("==> NEED TO CORRECT IT");
      say("==> SETTING SINGLE LEVEL");
      nlev = 1;
      itype = 1;
      sayint(" Nb of levels        =", nlev, 4);
      sayint(" Calculation type    =", itype, 4);
      errortail00();
    } else {
      if (nlev == 1) return;
      warninghead(sclevel2_id);
      say("Single level:");
      sayint(" Calculation type    =", itype, 4);
      sayint(" nb of levels        =", nlev, 4);
      bounds();
      nlev = 1;
      say("==> RESETTING:");
      sayint(" Nb of levels        =", nlev, 4);
      warningtail00();
      return;
    }
  }
  // A consistent loop of type 2 or 3: the number of levels from the
  // increment; type 2 fits the increment to the bounds when the last level
  // falls short of levf by more than 5e-5 of a step.
  nlev = stepcount((levf - levi) / levd + 0.002f);
  if (nlev <= 1) return;
  const real r = ((levf - levi) - levd * static_cast<real>(nlev - 1)) / levd;
  if (!(r > 0.00005f)) return;
  const bool large = r > 0.001f;
  if (large) {
    warninghead(sclevel2_id);
    say("Levels computed from increment:");
    sayint(" Calculation type    =", itype, 4);
    sayint(" nb of levels        =", nlev, 4);
    bounds();
    curvereal(" remainder/increment =", r);
    say("==> large remainder");
  }
  if (itype == 2) {
    levd = (levf - levi) / static_cast<real>(nlev - 1);
    if (large) {
      say("==> RECOMPUTED:");
      curvereal(" increment =", levd);
    }
  } else if (large) {
    say("==> final level not reached");
  }
  if (large) warningtail00();
}

// A level value in the width it needs, 3 decimals, at most 9 characters.
std::string leveltext(real x) {
  std::string c(9, ' ');
  int nchar = 0;
  real2charf1(c, nchar, 3, 9, x);
  return c.substr(0, static_cast<std::size_t>(nchar));
}

}  // namespace

void scall(int mode) {
  std::string name(10, ' ');
  std::string text(35, ' ');
  int ipfixtypea = 0, ivalue = 0, nparfixa = 0, nlev = 0, itype = 0, np = 0;
  real rvalue = 0.0f, levi = 0.0f, levf = 0.0f, levd = 0.0f, pti = 0.0f, ptf = 0.0f, ptd = 0.0f;
  if (defaultmode(mode)) {
    submenuhead(scall_id);
    say("INITIALIZING CURVES PARAMETERS");
    nparfixa = maxparfix;
    scparfixnb(nparfixa, 1);
    for (int k = 1; k <= maxparfix; ++k) {
      int type = k, index = k;
      scparfix1(name, type, rvalue, ivalue, text, index, mode);
    }
    scparfixnb(nparfixa, mode);
    itype = 2;
    sclevel2(levi, levf, levd, nlev, itype, text, mode);
    scptnam(text, mode);
    scptnp(np, mode);
    scptif(pti, ptf, mode);
    scptd(ptd, mode);
    if (mode == setmode::setdefault) return;
  } else if (mode == showmode) {
    return showcurves();
  } else if (!dialoguemode(mode)) {
    return;
  }
  curvemenu(scall_id, "           CURVES PARAMETERS", curvelines, [&](int code) {
    if (code >= 1 && code <= pfixblock.nparfix) {
      int index = code;
      return scparfix1(name, ipfixtypea, rvalue, ivalue, text, index, 2);
    }
    switch (code) {
      case curvecode::fixedcount: return scparfixnb(nparfixa, 2);
      case curvecode::levelcount:
      case curvecode::levelincrement:
        itype = code == curvecode::levelcount ? 1 : 2;
        return sclevel2(levi, levf, levd, nlev, itype, text, 2);
      case curvecode::points: return scptnp(np, 2);
      case curvecode::range: return scptif(pti, ptf, 2);
      case curvecode::increment: return scptd(ptd, 2);
      case curvecode::name: return scptnam(text, 2);
    }
  });
}

void scparfixnb(int& nparfixa, int mode) {
  if (storedmode(mode))
    nparfixa = pfixblock.nparfix;
  else if (defaultmode(mode))
    nparfixa = 0;
  int ierr = 0;
  cinvin(nparfixa, 0, maxparfix, "scparfixnb", "nparfixa", ierr);
  if (ierr != 0) {
    nparfixa = maxparfix;
    sayint("  ===> reset nparfixa =", nparfixa, 6);
  }
  if (dialoguemode(mode))
    curvemenu(
        scparfixnb_id, "          CURVES FIXED PARAMETERS   ",
        [&] {
          sayint("max nb of fixed params ..........", maxparfix, 6);
          sayint("current nb of fixed params ...." + ed::listi(fixedcode::count), nparfixa, 6);
        },
        [&](int code) {
          if (code == fixedcode::count)
            inintegvindef(nparfixa, "nb of fixed parameters", nparfixa, 1, maxparfix, ierr);
        });
  pfixblock.nparfix = nparfixa;
}

void scparfix1(std::string& name, int& ipfixtypea, real& rvalue, int& ivalue, std::string& cvalue,
               int& ifix1, int mode) {
  PfixBlock& b = pfixblock;
  if (storedmode(mode) && ifix1 >= 1 && ifix1 <= maxparfix) {
    name = ed::pad(b.pfixname[slot(ifix1)], name.size());
    ipfixtypea = b.ipfixtype[slot(ifix1)];
    rvalue = b.pfix[slot(ifix1)];
    ivalue = b.ipfix[slot(ifix1)];
    cvalue = ed::pad(b.pfixvalue[slot(ifix1)], cvalue.size());
  } else if (defaultmode(mode)) {
    name = ed::pad("parameter", name.size());
    ipfixtypea = 1;
    rvalue = 0.0f;
  }
  int ierr = 0;
  cinvin(ipfixtypea, 0, 3, "scparfix", "ipfixtypea", ierr);
  if (ierr != 0) {
    ipfixtypea = 0;
    sayint("  ===> reset ipfixtypea =", ipfixtypea, 6);
  }
  if (b.nparfix < 1) {
    warninghead(scparfix1_id);
    sayint("nparfix =", b.nparfix, 6);
    say("need to set nparfix > 1 first");
    say("=====> NO ACTION");
    warningtail0(0);
    return;
  }
  cinvin(ifix1, 1, b.nparfix, "scparfix", "ifix1", ierr);
  if (ierr != 0) {
    ifix1 = b.nparfix;
    sayint("  ===> reset ifix1 =", ifix1, 6);
  }
  std::string info;
  agree(name, ipfixtypea, rvalue, ivalue, cvalue, info);
  if (dialoguemode(mode)) {
    auto show = [&] {
      const int type = ipfixtypea;
      sayint("max nb of fixed params .........", maxparfix, 6);
      sayint("current nb of fixed params .....", b.nparfix, 6);
      wout(dashrule);
      say("Parameter to modify");
      wout(dashrule);
      sayint("index  ..........................", ifix1, 6);
      // A value line shows its code for the type in force only.
      auto valuetext = [type](std::string_view text, int t, int code) {
        return std::string(text) + (type == t ? ed::listi(code) : "..");
      };
      say("name .........................." + ed::listi(fixedcode::name) + " " + name);
      sayint("type .........................." + ed::listi(fixedcode::type), type, 6);
      curvereal(valuetext("real      value ...............", 1, fixedcode::real), rvalue);
      sayint(valuetext("integer   value ...............", 2, fixedcode::integer), ivalue, 6);
      say(valuetext("character value ...............", 3, fixedcode::character) + " " +
                cvalue);
      say("info: " + info);
    };
    auto act = [&](int code) {
      if (code == fixedcode::name) {
        const std::string current = name;
        inchardef(name, "parameter name", current, ierr);
        if (ipfixtypea == 0)
          agree(name, ipfixtypea, rvalue, ivalue, cvalue, info);
        else
          info = describe(name, ipfixtypea, cvalue);
      } else if (code == fixedcode::type) {
        choosetype(ipfixtypea);
      } else if (code == fixedcode::real || code == fixedcode::integer ||
                 code == fixedcode::character) {
        const int type = code == fixedcode::real ? 1 : code == fixedcode::integer ? 2 : 3;
        if (ipfixtypea != type) return wrongtype();
        const std::string current = cvalue;
        if (code == fixedcode::real) inrealdef(rvalue, name, rvalue, ierr);
        if (code == fixedcode::integer) inintegdef(ivalue, name, ivalue, ierr);
        if (code == fixedcode::character) inchardef(cvalue, name, current, ierr);
        agree(name, ipfixtypea, rvalue, ivalue, cvalue, info);
      }
    };
    curvemenu(scparfix1_id, "          CURVES FIXED PARAMETERS    ", show, act, true);
  }
  const std::size_t k = slot(ifix1);
  b.pfixname[k] = ed::pad(name, 5);
  b.ipfixtype[k] = ipfixtypea;
  b.pfix[k] = rvalue;
  b.ipfix[k] = ivalue;
  b.pfixvalue[k] = ed::pad(cvalue, 12);
  b.pfixinfo[k] = ed::pad(info, 17);
}

void sclevel2(real& levi, real& levf, real& levd, int& nlev, int& itype, std::string& levnam,
              int mode) {
  PlevBlock& b = plevblock;
  if (storedmode(mode)) {
    levi = b.levi;
    levf = b.levf;
    levd = b.levd;
    nlev = b.nlev;
    levnam = ed::pad(b.levnam, levnam.size());
  } else if (defaultmode(mode)) {
    levi = 0.0f;
    levf = 1.0f;
    levd = 0.1f;
    nlev = 11;
    levnam = ed::pad("level", levnam.size());
    itype = 1;
  }
  if (itype < 0 || itype > 4) {
    warninghead(sclevel2_id);
    sayint("Calculation type =", itype, 4);
    say("==> Unknown");
    say("==> RESETTING TYPE TO USE INCREMENT");
    itype = 2;
    sayint("Calculation type =", itype, 4);
    warningtail00();
  }
  checklevels(levi, levf, levd, nlev, itype);
  if (dialoguemode(mode)) {
    int ierr = 0;
    auto initial = [&] { inrealdef(levi, "level initial value", levi, ierr); };
    auto finalvalue = [&] { inrealdef(levf, "level final value", levf, ierr); };
    auto increment = [&] {
      itype = 2;
      for (;;) {
        inrealdef(levd, "level increment value >0<", levd, ierr);
        if (levd != 0.0f) return;
        warninghead(sclevel2_id);
        curvereal("Increment =", levd);
        say("Increment MUST be non zero");
        say("==> BACK TO QUERY");
        warningtail00();
      }
    };
    auto count = [&] {
      itype = 1;
      for (;;) {
        inintegdef(nlev, "nb of level curves", nlev, ierr);
        if (nlev > 0) return;
        warninghead(sclevel2_id);
        sayint("Nb of level curves =", nlev, 4);
        say("MUST BE > 0");
        say("==> BACK TO QUERY");
        warningtail00();
      }
    };
    auto show = [&] {
      say("level name       : " + levnam);
      sayint("Calculation type =", itype, 4);
      curvereal("level initial value ..........." + ed::listi(levelcode::initial), levi);
      curvereal("level final   value ..........." + ed::listi(levelcode::final), levf);
      curvereal("level increment ..............." + ed::listi(levelcode::increment), levd);
      say("modify init, final & inc ......" + ed::listi(levelcode::byincrement));
      sayint("nb of level curves ............" + ed::listi(levelcode::count), nlev, 4);
      say("modify init, final & nb ......." + ed::listi(levelcode::bycount));
      curvereal("single level value ............" + ed::listi(levelcode::single), levi);
    };
    auto act = [&](int code) {
      if (code == levelcode::single) {
        inrealdef(levi, "single level value", levi, ierr);
        nlev = 1;
        levf = levi;
        levd = 1.0f;
        itype = 4;
        return;
      }
      const bool range = code == levelcode::byincrement || code == levelcode::bycount;
      if (code == levelcode::initial || range) initial();
      if (code == levelcode::final || range) finalvalue();
      if (code == levelcode::increment || code == levelcode::byincrement) increment();
      if (code == levelcode::count || code == levelcode::bycount) count();
      checklevels(levi, levf, levd, nlev, itype);
    };
    curvemenu(sclevel2_id, "         CURVES LEVEL PARAMETER", show, act);
  }
  b.levi = levi;
  b.levf = levf;
  b.levd = levd;
  b.nlev = nlev;
  b.levnam = ed::pad(levnam, 5);
  b.levrange = ed::pad(" init = " + leveltext(levi) + " final = " + leveltext(levf) + " inc = " +
                           leveltext(levd),
                       51);
  b.levlabel = ed::pad(textspan(b.levnam) + b.levrange, 56);
}
