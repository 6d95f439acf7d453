#include "map/oblique.h"

#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/setter_modes.h"
#include "map/menu_lines.h"

namespace {

const RoutineId soblique_id{"soblique   ", " 3.0", "25-10-2002"};
const RoutineId smatab33_id{"smatab33   ", " 1.0", "30-08-2002"};

// The codes of the centre menu; the matrix menu's codes are the element
// numbers 1 .. 9, column by column.
namespace centrecode {
constexpr int lon = 1;
constexpr int lat = 2;
}  // namespace centrecode

// The oblique centre, radians; kept between calls of soblique.
real centrelon = 0;
real centrelat = 0;

void centremenu(real lon, real lat) {
  submenuhead(soblique_id);
  wout(dashrule);
  say("OBLIQUE PROJECTIONS CENTRAL LOCATION SET UP");
  wout(dashrule);
  valueline("central longitude ....." + ed::listi(centrecode::lon), lon);
  valueline("central latitude ......" + ed::listi(centrecode::lat), lat);
  wout(dashrule);
  say("UPDATE & EXIT ........" + ed::listi(exitcode));
  menutail();
}

void matrixmenu(const Mat33& aba) {
  submenuhead(smatab33_id);
  wout(dashrule);
  say("Ab MATRIX SET UP");
  wout(dashrule);
  for (int k = 1; k <= 9; ++k) {
    const int i = (k - 1) / 3 + 1;
    const int j = (k - 1) % 3 + 1;
    valueline("Ab(" + std::to_string(i) + "," + std::to_string(j) + ")....." + std::to_string(k),
              el(aba, i, j));
  }
  wout(dashrule);
  say("UPDATE & EXIT ........" + ed::listi(exitcode));
  menutail();
}

// The rotation whose rows are the unit vectors of the point 90 degrees
// south of the centre on its meridian, of the point east of the centre on
// the equator, and of the centre.
Mat33 centrerotation(real lon, real lat) {
  const real lons[3] = {lon, lon + anglerad.pio2, lon};
  const real lats[3] = {lat - anglerad.pio2, 0, lat};
  real x[3], y[3], z[3];
  ll2ccn(x, y, z, lons, lats, 3);
  Mat33 m{x[0], y[0], z[0], x[1], y[1], z[1], x[2], y[2], z[2]};
  mtrans(m, m);
  return m;
}

}  // namespace

void soblique(real& lon, real& lat, int mode) {
  if (storedmode(mode)) {
    lon = deg(centrelon);
    lat = deg(centrelat);
  } else if (defaultmode(mode)) {
    lon = 0.0f;
    lat = 45.0f;
    submenuhead(soblique_id);
    say("INITIALIZING CENTRAL LOCATION ");
    say("FOR OBLIQUE PROJECTIONS ");
    valueline("central longitude =", lon);
    valueline("central latitude  =", lat);
  }
  if (dialoguemode(mode)) {
    for (;;) {
      centremenu(lon, lat);
      const int answer = yourchoice();
      if (answer == exitcode) break;
      if (answer == centrecode::lon) askreal(lon, "central longitude in degrees");
      if (answer == centrecode::lat) askreal(lat, "central latitude in degrees");
    }
  }
  centrelon = rad(lon);
  centrelat = rad(lat);
  Mat33 m = centrerotation(centrelon, centrelat);
  smatab33(m, 1);
}

void smatab33(Mat33& aba, int mode) {
  if (storedmode(mode)) {
    aba = a2b.ab;
  } else if (defaultmode(mode)) {
    aba = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    submenuhead(smatab33_id);
    say("INITIALIZING Ab matrix: Ab = Identity");
  }
  if (dialoguemode(mode)) {
    for (;;) {
      matrixmenu(aba);
      const int answer = yourchoice();
      if (answer == exitcode) break;
      if (answer >= 1 && answer <= 9) {
        const int i = (answer - 1) / 3 + 1;
        const int j = (answer - 1) % 3 + 1;
        askreal(el(aba, i, j), "aba(" + std::to_string(i) + "," + std::to_string(j) + ")");
      } else {
        warninghead(smatab33_id);
        say("UNKNOWN ANSWER !");
        say("==> BACK TO MENU WITHOUT ACTION");
        warningtail00();
      }
    }
  }
  a2b.ab = aba;
}

void mtrans(Mat33& a, const Mat33& b) {
  Mat33 t;
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) el(t, i, j) = el(b, j, i);
  a = t;
}

std::array<real, 3> unitvector(real lon, real lat) {
  std::array<real, 3> v;
  ll2ccn(std::span(&v[0], 1), std::span(&v[1], 1), std::span(&v[2], 1), std::span(&lon, 1),
         std::span(&lat, 1), 1);
  return v;
}

std::array<real, 3> obliquevector(real lon, real lat) {
  std::array<real, 3> v = unitvector(lon, lat);
  cca2ccb(v, v);
  return v;
}

void lla2llb(std::span<real> lonb, std::span<real> latb, std::span<const real> lona,
             std::span<const real> lata, int n) {
  for (std::size_t k = 0; static_cast<int>(k) < n; ++k) {
    const std::array<real, 3> v = obliquevector(lona[k], lata[k]);
    cc2lln(lonb.subspan(k, 1), latb.subspan(k, 1), std::span(&v[0], 1), std::span(&v[1], 1),
           std::span(&v[2], 1), 1);
  }
}
