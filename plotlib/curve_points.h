#pragma once
// The curve kit's running point: a curve is drawn by stepping a parameter
// from an initial to a final value, with a given number of points or a
// given increment, one plotted point per step, into the shared point
// buffers. A user sets the number of points and the bounds, completes the
// sampling with scptend, then steps ipt from 1 to np and pt from pti by ptd
// itself, writing point ipt of the buffers.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "platform/real.h"

// Capacity of a sampled curve and of the point buffers.
constexpr int mp = 1000;

struct PtBlock {
  real pt = 0.0f;     // current value, stepped by the user
  real pti = 0.0f;    // initial value (radians for angles)
  real ptf = 0.0f;    // final value
  real ptd = 0.0f;    // increment between consecutive points
  real rnp = 0.0f;    // number of points, as a real
  real rnseg = 0.0f;  // number of segments, rnp - 1
  int np = 0;         // number of points, 1..mp once set
  int ipt = 0;        // index of the current point, stepped by the user
  std::string ptnam = std::string(5, ' ');     // name of the running point
  std::string ptrange = std::string(51, ' ');  // " init = ... final = ... inc = ..."
  std::string ptlabel = std::string(56, ' ');  // the name, then ptrange
};
extern PtBlock ptblock;

// The shared point buffers: scratch for every circle, arc, great circle and
// overlay curve, overwritten by the next one. Points are counted from 1.
using PointArray = std::array<real, mp>;
struct Cc2dBuff {
  PointArray xp{};
  PointArray yp{};
};
extern Cc2dBuff cc2dbuff;
struct Cc3dBuff {
  PointArray xe{};
  PointArray ye{};
  PointArray ze{};
};
extern Cc3dBuff cc3dbuff;

// Point k (1..mp) of a buffer, for writing it. An index outside is a fault
// of the routine filling the buffer: it is reported (the user may stop the
// run there) and the value goes to a scratch place, never past the buffer.
real& bufferpoint(PointArray& buffer, int k);

// The integer part (toward zero) of x, saturated: NaN gives 0 and values
// beyond the int range give its nearer end. For counts computed from
// float quotients.
int intpart(real x);
// The number of points of a loop of q steps: intpart(q) + 1, saturated.
int stepcount(real q);

// text from its first to its last non-blank character as textlen finds
// them (an all-blank text gives its last character).
std::string textspan(std::string_view text);

// A line of the curve kit's menus and banners: a text and a real in f8.3.
void curvereal(std::string_view text, real v);

// A menu of the curve kit: box head, heading between rules, the lines that
// show writes, "EXIT ...99", box tail, then "your choice" (default 99)
// through the older integer prompt (through inintegdef when echoed). Every
// code but 99 goes to act, and the menu comes again until 99 is chosen.
void curvemenu(const RoutineId& id, std::string_view heading, const std::function<void()>& show,
               const std::function<void(int)>& act, bool echoed = false);

// Setters of the running point (setter mode: 2 and 3 load the stored
// value, 4 and 5 the default; an even mode shows the setter's menu; every
// mode stores the argument).
// np, limited to 1..mp with a banner (one point is warned of, except in
// modes 6 and 7); the default 11 is announced in modes 4 and 5.
void scptnp(int& np, int mode);
// pti and ptf; defaults 0.0 and 1.0.
void scptif(real& pti, real& ptf, int mode);
// ptd; default 0.1.
void scptd(real& ptd, int mode);
// ptnam := the first 5 characters of name; default "Point.parameter",
// assigned to name at its own length.
void scptnam(std::string& name, int mode);

// Makes the number of points and the increment agree. itype 0 or 1: the
// increment from the number of points; 2: the number of points from the
// increment, the increment then fitted to the bounds when the last point
// misses the final value; 3: the same, the increment kept; itype + 100:
// the same without rebuilding ptrange and ptlabel. An even mode opens the
// curve parameters menu first. A number of points below 1, or an increment
// that does not lead from pti to ptf, is reported and the menu opened until
// the user mends it.
void scptend(int itype, int mode);
