#include "plotlib/subplot_scaling.h"

#include <cmath>
#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "plotlib/coordinates.h"
#include "plotlib/plot_records.h"

namespace {

const RoutineId mus2cm1_id{"mus2cm1    ", "    ", "          "};
const RoutineId mus2cm3_id{"mus2cm3    ", "    ", "          "};

const std::string equals = std::string(42, '=');
const std::string dashes = std::string(42, '-');

// The matrix form: xcm = xx xu + xy yu + xcm0, ycm = yx xu + yy yu + ycm0.
struct MatrixForm {
  real xcm0 = 10.0f, ycm0 = 10.0f, xx = 1.0f, xy = 0.0f, yx = 0.0f, yy = 1.0f;
};

// The limits form: the user rectangle xumin..xumax, yumin..yumax drawn in
// the page rectangle of lengths xlcm, ylcm from (xcm0, ycm0), with equal
// scales when isoxy is 1.
struct LimitsForm {
  real xcm0 = 2.0f, ycm0 = 2.0f, xlcm = 15.0f, ylcm = 15.0f;
  real xumin = -10.0f, xumax = 10.0f, yumin = -10.0f, yumax = 10.0f;
  int isoxy = 1;
};

// The sub-plots a setter mode works on: all of them in modes 6 and 7,
// else the current one.
std::pair<int, int> concerned(int mode) {
  if (allsubplotmode(mode)) return {1, maxsubplot};
  return {currentsub(), currentsub()};
}

MatrixForm storedmatrix(std::size_t k) {
  const Mat22& m = plt1blk.ustocm[k];
  const Vec2& c = plt1blk.us0tocm[k];
  return {c[0], c[1], el(m, 1, 1), el(m, 1, 2), el(m, 2, 1), el(m, 2, 2)};
}

void storematrix(std::size_t k, const MatrixForm& f) {
  plt1blk.us0tocm[k] = {f.xcm0, f.ycm0};
  plt1blk.ustocm[k] = {f.xx, f.yx, f.xy, f.yy};
}

LimitsForm storedlimits(std::size_t k) {
  const auto& u = plt1blk.usextr[k];
  return {plt1blk.usmintocm[k][0], plt1blk.usmintocm[k][1], plt1blk.cmaxlength[k][0],
          plt1blk.cmaxlength[k][1], u[0], u[1], u[2], u[3], plt1blk.isoxy[k]};
}

void storelimits(std::size_t k, const LimitsForm& f) {
  plt1blk.usmintocm[k] = {f.xcm0, f.ycm0};
  plt1blk.cmaxlength[k] = {f.xlcm, f.ylcm};
  plt1blk.usextr[k] = {f.xumin, f.xumax, f.yumin, f.yumax};
  plt1blk.isoxy[k] = f.isoxy;
}

// The axis-parallel matrix form that puts the user rectangle of the limits
// form into its page rectangle, anchored at (xcm0, ycm0). With equal
// scales the larger is replaced by the smaller, keeping its sign.
MatrixForm limitstomatrix(const LimitsForm& f) {
  real xx = f.xlcm / (f.xumax - f.xumin);
  real yy = f.ylcm / (f.yumax - f.yumin);
  if (f.isoxy == 1) {
    if (std::fabs(yy) < std::fabs(xx))
      xx = xx >= 0.0f ? std::fabs(yy) : -std::fabs(yy);
    else
      yy = yy >= 0.0f ? std::fabs(xx) : -std::fabs(xx);
  }
  const Mat22 m{xx, 0.0f, 0.0f, yy};
  Vec2 c{f.xumin, f.yumin};
  m22x21(c, m, c);
  return {f.xcm0 - c[0], f.ycm0 - c[1], xx, 0.0f, 0.0f, yy};
}

// The device and inverse maps of the current sub-plot follow its new
// user-to-centimetre map while the window is open. Setting every sub-plot
// derives them once, from the current sub-plot's new map.
void derive() {
  if (!iocom.lplotfile) return;
  sus2de();
  scm2us();
}

void f31(std::string_view a, real x) { wout(" " + std::string(a) + ed::f(x, 9, 3)); }
void f31(std::string_view a, real x, std::string_view b, real y) {
  wout(" " + std::string(a) + ed::f(x, 9, 3) + " " + std::string(b) + ed::f(y, 9, 3));
}

bool wanttoalter() {
  bool alter = false;
  int ierr = 0;
  inlogicdef(alter, "Do you want to alter this", false, ierr);
  return alter;
}

void askreal(real& x, std::string_view name) {
  int ierr = 0;
  inrealdef(x, name, x, ierr);
}

void conversionhead(std::string_view cmline, std::string_view onplot, std::string_view plotline,
                    std::string_view xline, std::string_view arrow, std::string_view yline) {
  say(equals);
  say("          CONVERSION SET UP               ");
  say(equals);
  say(cmline);
  say(onplot);
  say(plotline);
  say(" ");
  say(xline);
  say(arrow);
  say(yline);
}

void matrixrow(std::string_view left, real a, real b, std::string_view user, real c) {
  wout(" " + ed::a(left, 5) + "   |" + ed::f(a, 7, 3) + " " + ed::f(b, 7, 3) + "|   " +
       ed::a(user, 4) + "   |" + ed::f(c, 7, 3) + "|");
}

}  // namespace

void sus2cm1(real& xcm0, real& ycm0, real& xx, real& xy, real& yx, real& yy, int mode) {
  const auto [first, last] = concerned(mode);
  for (int k = first; k <= last; ++k) {
    const std::size_t i = subindex(k);
    MatrixForm f{xcm0, ycm0, xx, xy, yx, yy};
    if (storedmode(mode)) f = storedmatrix(i);
    if (defaultmode(mode) || allsubplotmode(mode)) f = MatrixForm{};
    if (dialoguemode(mode)) mus2cm1(f.xcm0, f.ycm0, f.xx, f.xy, f.yx, f.yy);
    xcm0 = f.xcm0, ycm0 = f.ycm0, xx = f.xx, xy = f.xy, yx = f.yx, yy = f.yy;
    storematrix(i, f);
  }
  derive();
}

void sus2cm3(real& xcm0, real& ycm0, real& xlcm, real& ylcm, real& xumin, real& xumax,
             real& yumin, real& yumax, int& isoxy, int mode) {
  const auto [first, last] = concerned(mode);
  for (int k = first; k <= last; ++k) {
    const std::size_t i = subindex(k);
    LimitsForm f{xcm0, ycm0, xlcm, ylcm, xumin, xumax, yumin, yumax, isoxy};
    if (storedmode(mode)) f = storedlimits(i);
    if (defaultmode(mode) || allsubplotmode(mode)) f = LimitsForm{};
    if (dialoguemode(mode))
      mus2cm3(f.xcm0, f.ycm0, f.xlcm, f.ylcm, f.xumin, f.xumax, f.yumin, f.yumax, f.isoxy);
    xcm0 = f.xcm0, ycm0 = f.ycm0, xlcm = f.xlcm, ylcm = f.ylcm;
    xumin = f.xumin, xumax = f.xumax, yumin = f.yumin, yumax = f.yumax, isoxy = f.isoxy;
    if (mode == setmode::getstored) return;
    storelimits(i, f);
    storematrix(i, limitstomatrix(f));
  }
  derive();
}

bool invertiblescaling() { return determinant(plt1blk.ustocm[subindex(currentsub())]) != 0.0f; }

void mus2cm1(real& xcm0, real& ycm0, real& xx, real& xy, real& yx, real& yy) {
  submenuhead(mus2cm1_id);
  if (outlevel(2)) {
    conversionhead("|  cm  |                   |user units|", "|  on  | <---------------- |   used   |",
                   "| plot |                   | in calls |", " |xcm|                         |xu|",
                   " |   | <---------------------- |  |", " |ycm|                         |yu|");
    say(" ");
    say(" |xcm|     |xx   xy|   |xu|   |xcm0|");
    say(" |   |  =  |       | * |  | + |    |");
    say(" |ycm|     |yx   yy|   |yu|   |ycm0|");
    say(equals);
    say("            Current set up:");
    say(equals);
    matrixrow("|xcm|", xx, xy, "|xu|", xcm0);
    wout(" |   | = |" + ed::x(15) + "| * |  | + |" + ed::x(7) + "|");
    matrixrow("|ycm|", yx, yy, "|yu|", ycm0);
    say(equals);
  }
  if (!wanttoalter()) return;
  askreal(xcm0, "xcm0");
  askreal(ycm0, "ycm0");
  askreal(xx, "xx");
  askreal(xy, "xy");
  askreal(yx, "yx");
  askreal(yy, "yy");
}

void mus2cm3(real& xcm0, real& ycm0, real& xlcm, real& ylcm, real& xumin, real& xumax,
             real& yumin, real& yumax, int& isoxy) {
  submenuhead(mus2cm3_id);
  if (outlevel(2)) {
    conversionhead("|  cm  |                     |user units|",
                   "|  on  | <------------------ |   used   |",
                   "| plot |                     | in calls |",
                   " |xcm|                           |xu|", " |   | <------------------------ |  |",
                   " |ycm|                           |yu|");
    say(equals);
    say("            Current set up:");
    say(equals);
    say(dashes);
    say("     1 - USER UNITS IN USER SPACE         ");
    say(dashes);
    f31("   _|_________________|_  yumax = ", yumax);
    say("    |                 |");
    say("    |                 |");
    f31("   _|_________________|_  yumin = ", yumin);
    say("    |                 |");
    say("  xumin             xumax");
    wout(ed::x(2) + ed::f(xumin, 9, 3) + ed::x(9) + ed::f(xumax, 9, 3));
    say("");
    say(" user limits:          xu,yu in user units");
    f31(" xumin = ", xumin, " yumin = ", yumin);
    f31(" xumax = ", xumax, " yumax = ", yumax);
    say(dashes);
    say("     2 - CM UNITS ON PLOT                 ");
    say(dashes);
    say("   _|_________________|_  ");
    say("    |                 |  |");
    f31("    |                 |  | ylcm = ", ylcm);
    f31("   _|_________________|_ | _ ycm0 = ", ycm0);
    say("    |                 |");
    say("    <---- xlcm -------> ");
    f31("    |   ", xlcm);
    f31("  xcm0 = ", xcm0);
    say("");
    say(" paper limits:               xcm,ycm in cm");
    f31(" xlcm  = ", xlcm, " ylcm  = ", ylcm);
    f31(" xcm0  = ", xcm0, " ycm0  = ", ycm0);
    say(dashes);
    if (isoxy == 1) {
      say("X & Y scale imposed equal");
    } else if (isoxy == 0) {
      say("X & Y scale will adjust xlcm & ylcm");
    } else {
      wout(" WARNING: ixy =  " + ed::i(isoxy, 8) + "  neither 0 nor 1");
      say("      will have same effect as ixy = 0");
    }
    say(dashes);
  }
  if (!wanttoalter()) return;
  askreal(xumin, "xumin");
  askreal(xumax, "xumax");
  askreal(yumin, "yumin");
  askreal(yumax, "yumax");
  askreal(xcm0, "xcm0");
  askreal(ycm0, "ycm0");
  askreal(xlcm, "xlcm");
  askreal(ylcm, "ylcm");
  int ierr = 0;
  inintegvindef(isoxy, "Whether X scale = Y scale", isoxy, 0, 1, ierr);
}
