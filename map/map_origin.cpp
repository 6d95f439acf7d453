#include "map/map_origin.h"

#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "map/projection_state.h"

namespace {

const RoutineId sllorig_id{"sllorig    ", " 2.0", "11-08-2002"};

void say(std::string_view text) { wout(" " + std::string(text)); }
void valueline(std::string_view text, real v) {
  wout(" " + std::string(text) + " " + ed::f(v, 8, 3));
}
const std::string rule(43, '-');

// The origin projected with zero offsets.
Plane projectorigin(real lon, real lat) {
  llorig.xoff = 0;
  llorig.yoff = 0;
  Plane o{0, 0};
  projlln(std::span(&o.x, 1), std::span(&o.y, 1), std::span(&lon, 1), std::span(&lat, 1), 1);
  return o;
}

void menu(real lon, real lat, Plane o) {
  submenuhead(sllorig_id);
  if (!outlevel(2)) return;
  say(rule);
  say("MAP PROJECTION ORIGIN SET UP");
  say(rule);
  valueline("central longitude .....1", lon);
  valueline("central latitude  .....2", lat);
  valueline("X offset ...............", o.x);
  valueline("Y offset ...............", o.y);
  say(rule);
  say("UPDATE & EXIT ........99");
  menutail();
}

}  // namespace

void sllorig(real& lon, real& lat, int inter) {
  if (inter == 2 || inter == 3) {
    lon = deg(llorig.lonor);
    lat = deg(llorig.lator);
  } else if (inter == 4 || inter == 5) {
    lon = 0.0f;
    lat = 45.0f;
    submenuhead(sllorig_id);
    say("MAP PROJECTION ORIGIN SET UP");
    say("INITIALIZING ORIGIN TO");
    valueline("longitude =", lon);
    valueline("latitude  =", lat);
  }
  real lonr = inter == 2 || inter == 3 ? llorig.lonor : rad(lon);
  real latr = inter == 2 || inter == 3 ? llorig.lator : rad(lat);
  Plane o = projectorigin(lonr, latr);
  if (inter % 2 == 0) {
    for (;;) {
      menu(lon, lat, o);
      int answer = 99;
      int ierr = 0;
      inintegdef(answer, "your choice", answer, ierr);
      if (answer == 99) break;
      if (answer == 1) {
        inrealdef(lon, "origin longitude in degrees", lon, ierr);
        lonr = rad(lon);
      } else if (answer == 2) {
        inrealdef(lat, "origin latitude in degrees", lat, ierr);
        latr = rad(lat);
      }
      o = projectorigin(lonr, latr);
    }
  }
  llorig = {o.x, o.y, lonr, latr};
}
