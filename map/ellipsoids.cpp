#include "map/ellipsoids.h"

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "map/menu_lines.h"

Ellipsoid ellipsoid;

namespace {

const RoutineId sellipsoid_id{"sellipsoid ", " 3.4", "30-09-2009"};

struct Row {
  std::string_view menuline;  // without the number
  std::string_view title;
  real a, b;  // equatorial and polar radii, metres
};

constexpr std::array<Row, 9> ellipsoids{{
    {"GRS80    1980 .......................", "GRS80 1980 ELLIPSOID", 6378137.0f, 6356752.5f},
    {"IUGG     1967 .......................", "IUGG 1967 ELLIPSOID ", 6378160.0f, 6356775.0f},
    {"Hayford  1909 .......................", "HAYFORD 1909 ELLIPSOID", 6378388.0f, 6356912.0f},
    {"Clarke   1880 .......................", "CLARKE 1880 ELLIPSOID", 6378249.0f, 6356515.0f},
    {"Clarke   1866 .......................", "CLARKE 1866 ELLIPSOID", 6378206.5f, 6356584.0f},
    {"Bessel   1841 .......................", "BESSEL 1841 ELLIPSOID", 6377397.0f, 6356079.0f},
    {"Everest  1830 .......................", "EVEREST 1830 ELLIPSOID", 6377276.5f, 6356075.5f},
    {"Plessis  1810 .......................", "PLESSIS 1810 ELLIPSOID", 6376523.0f, 6355863.0f},
    {"Delambre 1810 .......................", "DELAMBRE 1810 ELLIPSOID", 6376985.0f, 6356323.5f},
}};

// The number of the ellipsoid last set; 0 before the first.
int current = 0;

bool valid(int number) { return number >= 1 && number <= 9; }
const Row& row(int number) { return ellipsoids[static_cast<std::size_t>(number - 1)]; }

void radius(std::string_view text, real r) {
  wout(" " + std::string(text) + " " + ed::f(r, 10, 1) + " m");
}

void menu(int number) {
  submenuhead(sellipsoid_id);
  say("           ELLIPSOIDS SET UP");
  wout(dashrule);
  sayint(" current ellipsoid number:", current, 3);
  sayint(" setting ellipsoid number:", number, 3);
  wout(dashrule);
  for (int number = 1; number <= static_cast<int>(ellipsoids.size()); ++number)
    say(std::string(row(number).menuline) + ed::listi(number));
  wout(dashrule);
  say("SET AND EXIT ......................." + ed::listi(exitcode));
  menutail();
}

// One answer to the menu: a number 1 .. 9 is taken, exitcode ends the menu,
// anything else is refused. True when the menu ends.
bool choose(int& number) {
  int answer = exitcode;
  int ierr = 0;
  inintegdef(answer, "Ellipsoid number or " + ed::listi(exitcode), answer, ierr);
  if (answer == exitcode) return true;
  if (valid(answer)) {
    number = answer;
  } else {
    warninghead(sellipsoid_id);
    sayint("ANSWER =", answer, 3);
    say("NEITHER IN [1,9] NOR = 99");
    say("==> BACK TO MENU WITHOUT ACTION");
    warningtail00();
  }
  return false;
}

void confirm(int number) {
  submenuhead(sellipsoid_id);
  say(row(number).title);
  wout(dashrule);
  sayint(" Ellipsoid number  =", number, 3);
  radius(" Equatorial radius =", ellipsoid.ela);
  radius(" Polar      radius =", ellipsoid.elb);
  menutail();
}

// The eccentricities and the coefficients of the meridian distance series.
// e^2 is the small difference of two numbers near 1: it is formed in
// double and rounded, which keeps its six digits.
void derive() {
  Ellipsoid& el = ellipsoid;
  const double ratio = static_cast<double>(el.elb) / static_cast<double>(el.ela);
  el.ele2 = static_cast<real>(1 - ratio * ratio);
  el.ele = std::sqrt(el.ele2);
  el.ele4 = el.ele2 * el.ele2;
  el.ele6 = el.ele2 * el.ele2 * el.ele2;
  el.elep2 = el.ele2 / (1 - el.ele2);
  el.elm0 = 1 - 0.25f * el.ele2 - 0.046875f * el.ele4 - 0.01953125f * el.ele6;
  el.elm2 = -0.375f * el.ele2 - 0.09375f * el.ele4 - 0.0439453125f * el.ele6;
  el.elm4 = 0.05859375f * el.ele4 + 0.0439453125f * el.ele6;
  el.elm6 = -0.011393229f * el.ele6;
}

}  // namespace

void sellipsoid(int& number, int mode) {
  bool force = false;  // the menu is shown even in an odd mode
  if (defaultmode(mode)) {
    number = 1;
    submenuhead(sellipsoid_id);
    say("INITIALIZING ELLIPSOID");
    say("Default ellipsoid = GRS80");
    sayint("ellipsoid number  =", 1, 3);
  } else if (storedmode(mode)) {
    number = current;
  } else if (!valid(number)) {
    errorhead(sellipsoid_id);
    sayint(" ellipsoid nb =", number, 3);
    say("==> NO SUCH ELLIPSOID NB");
    number = 1;
    say("==> RESETTING TO:");
    sayint(" ellipsoid nb =", number, 3);
    errortail00();
  }
  for (;;) {
    while (force || dialoguemode(mode)) {
      menu(number);
      force = false;
      if (choose(number)) break;
    }
    if (valid(number)) break;
    // Only modes 2 and 3 before any ellipsoid was set come here.
    errorhead(sellipsoid_id);
    sayint("ellipsoid number =", number, 3);
    say("NO SUCH ELLIPSOID AVALAIBLE");
    errortail00();
    force = true;
  }
  ellipsoid.ela = row(number).a;
  ellipsoid.elb = row(number).b;
  current = number;
  confirm(number);
  derive();
}

void lat2disel(std::span<real> distances, std::span<const real> latitudes, int n) {
  const Ellipsoid& el = ellipsoid;
  for (std::size_t k = 0; static_cast<int>(k) < n; ++k) {
    const real phi = latitudes[k];
    distances[k] = el.elm0 * phi + el.elm2 * std::sin(2 * phi) + el.elm4 * std::sin(4 * phi) +
                   el.elm6 * std::sin(6 * phi);
  }
}
