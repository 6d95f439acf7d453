#include "overlays/line_files.h"

#include <array>
#include <cstddef>

#include "catalogue/angles.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"
#include "map/projection_state.h"
#include "overlays/line_overlays.h"
#include "plotlib/curve_points.h"
#include "plotlib/user_drawing.h"

const RoutineId contours1_id{"contours1  ", " 7.4", "13-05-2010"};

void intitem(std::string_view text, long long v) { sayint(text, v, 6); }
void realitem(std::string_view text, real v) { sayreal(text, v, 9, 3); }

void listrule() { say(std::string(65, '-')); }
void listtitle(std::string_view title) { say(title); }

void listhead(std::initializer_list<std::string_view> labels) {
  std::string head = " |";
  for (std::string_view label : labels) head += ed::a(label, 7) + "|";
  wout(head);
}

void listrow(std::initializer_list<int> counts, std::initializer_list<real> values) {
  std::string row = " |";
  std::size_t k = 0;
  for (int v : counts) row += (k++ == 2 ? ed::i(v, 7) : ed::i(v, 6) + " ") + "|";
  for (real v : values) row += ed::f(v, 7, 1) + "|";
  wout(row);
}

void listrow56(real v5, real v6) {
  const std::string empty = std::string(7, ' ') + "|";
  wout(" |" + empty + empty + empty + empty + ed::f(v5, 7, 1) + "|" + ed::f(v6, 7, 1) + "|" +
       empty + empty);
}

namespace {

ReadStatus status(ed::ListEnd end) {
  if (end == ed::ListEnd::complete) return ReadStatus::line;
  return end == ed::ListEnd::eof ? ReadStatus::eof : ReadStatus::failed;
}

// The variables of a read into reals (at most four).
std::span<const ed::ListVar> realvars(std::span<real> values, std::array<ed::ListVar, 4>& vars) {
  for (std::size_t k = 0; k < values.size(); ++k) vars[k] = &values[k];
  return std::span(vars).first(values.size());
}

}  // namespace

ReadStatus readvalues(std::span<const ed::ListVar> vars) {
  return status(ed::readlist(lineunit, vars).end);
}

ReadStatus readreals(std::span<real> values) {
  std::array<ed::ListVar, 4> vars;
  return readvalues(realvars(values, vars));
}

bool parsereals(std::string_view text, std::span<real> values) {
  std::array<ed::ListVar, 4> vars;
  return ed::readlist(text, realvars(values, vars)).end == ed::ListEnd::complete;
}

real reducedlon(real lon, real origin) {
  modulro(std::span(&lon, 1), std::span(&lon, 1), 360.0f, origin, 1);
  return lon;
}

void plotpoint(real lonr, real latr, int ipen) {
  real x = 0, y = 0;
  projlln(std::span(&x, 1), std::span(&y, 1), std::span(&lonr, 1), std::span(&latr, 1), 1);
  usplot(x, y, ipen);
}

void drawbuffer(int n) {
  if (n < 1) return;
  deg2rad(cc2dbuff.xp, cc2dbuff.xp, n);
  deg2rad(cc2dbuff.yp, cc2dbuff.yp, n);
  projlln(cc3dbuff.xe, cc3dbuff.ye, cc2dbuff.xp, cc2dbuff.yp, n);
  usline(cc3dbuff.xe, cc3dbuff.ye, n);
}

int ClipWalk::zone(real lon, real lat) const {
  int loc = 0;
  locate2dbox(std::span(&loc, 1), box_.lonmin, box_.lonmax, box_.latmin, box_.latmax,
              std::span(&lon, 1), std::span(&lat, 1), 1);
  return loc;
}

void ClipWalk::start(real lon, real lat) {
  pzone_ = zone(lon, lat);
  plon_ = rad(lon);
  plat_ = rad(lat);
  if (pzone_ == 0) plotpoint(plon_, plat_, 0);
}

void ClipWalk::next(real lon, real lat) {
  const int czone = zone(lon, lat);
  const real clon = rad(lon), clat = rad(lat);
  if (czone == 0 && pzone_ != 0) plotpoint(plon_, plat_, 0);
  if (czone == 0 || pzone_ == 0) plotpoint(clon, clat, 1);
  plon_ = clon;
  plat_ = clat;
  pzone_ = czone;
}
