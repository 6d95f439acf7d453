#include "map/map_origin.h"

#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/setter_modes.h"
#include "map/menu_lines.h"
#include "map/projection_state.h"

namespace {

const RoutineId sllorig_id{"sllorig    ", " 2.0", "11-08-2002"};

// The menu codes.
namespace code {
constexpr int lon = 1;
constexpr int lat = 2;
}  // namespace code

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
  wout(dashrule);
  say("MAP PROJECTION ORIGIN SET UP");
  wout(dashrule);
  valueline("central longitude ....." + ed::listi(code::lon), lon);
  valueline("central latitude  ....." + ed::listi(code::lat), lat);
  valueline("X offset ...............", o.x);
  valueline("Y offset ...............", o.y);
  wout(dashrule);
  say("UPDATE & EXIT ........" + ed::listi(exitcode));
  menutail();
}

}  // namespace

void sllorig(real& lon, real& lat, int inter) {
  real lonr = 0, latr = 0;  // the working origin, radians
  if (storedmode(inter)) {
    lonr = llorig.lonor;
    latr = llorig.lator;
    lon = deg(lonr);
    lat = deg(latr);
  } else {
    if (defaultmode(inter)) {
      lon = 0.0f;
      lat = 45.0f;
      submenuhead(sllorig_id);
      say("MAP PROJECTION ORIGIN SET UP");
      say("INITIALIZING ORIGIN TO");
      valueline("longitude =", lon);
      valueline("latitude  =", lat);
    }
    lonr = rad(lon);
    latr = rad(lat);
  }
  Plane o = projectorigin(lonr, latr);
  if (dialoguemode(inter)) {
    for (;;) {
      menu(lon, lat, o);
      const int answer = yourchoice();
      if (answer == exitcode) break;
      if (answer == code::lon) {
        askreal(lon, "origin longitude in degrees");
        lonr = rad(lon);
      } else if (answer == code::lat) {
        askreal(lat, "origin latitude in degrees");
        latr = rad(lat);
      }
      o = projectorigin(lonr, latr);
    }
  }
  llorig = {o.x, o.y, lonr, latr};
}
