#include "map/projection_parameters.h"

#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/setter_modes.h"
#include "map/menu_lines.h"
#include "map/projection_state.h"

namespace {

// What tells one angle setter from another.
struct AngleSetter {
  RoutineId id;
  real LlpParam::*field;
  real builtin;  // degrees
  std::string_view initialising, label, title, entry, question;
};

// The menu code of the value.
constexpr int valuecode = 1;

constexpr std::string_view longitudeinit = "INITIALIZING CENTRAL LONGITUDE ";

const AngleSetter longitude1{{"slong1     ", " 2.0", "27-08-2002"},
                             &LlpParam::longp1, 0.0f, longitudeinit, "central longitude =",
                             "CENTRAL LONGITUDE SET UP", "central longitude .....",
                             "central longitude in degrees"};
const AngleSetter longitude2{{"slong2     ", " 2.0", "29-08-2002"},
                             &LlpParam::longp2, 0.0f, longitudeinit, "central longitude =",
                             "CENTRAL LONGITUDE SET UP", "central longitude .....",
                             "central longitude in degrees"};
const AngleSetter latitude1{{"slat1      ", " 1.0", "28-08-2002"},
                            &LlpParam::latp1, 30.0f, "INITIALIZING FIRST LATITUDE ",
                            "first latitude =", "FIRST LATITUDE SET UP", "first latitude ........",
                            "first latitude in degrees"};
const AngleSetter latitude2{{"slat2      ", " 1.0", "29-08-2002"},
                            &LlpParam::latp2, 60.0f, "INITIALIZING SECOND LATITUDE ",
                            "second latitude =", "SECOND LATITUDE SET UP",
                            "second latitude ........", "second latitude in degrees"};
const AngleSetter angle{{"sangle1    ", " 1.0", "29-08-2002"},
                        &LlpParam::angp, 180.0f, "INITIALIZING CENTRAL ANGLE ", "central angle =",
                        "CENTRAL ANGLE SET UP", "central angle .........",
                        "central angle in degrees"};

void setangle(const AngleSetter& s, real& value, int mode) {
  if (storedmode(mode)) {
    value = deg(llpparam.*s.field);
  } else if (defaultmode(mode)) {
    value = s.builtin;
    submenuhead(s.id);
    say(s.initialising);
    valueline(s.label, value);
  }
  if (dialoguemode(mode)) {
    for (;;) {
      submenuhead(s.id);
      wout(dashrule);
      say(s.title);
      wout(dashrule);
      valueline(std::string(s.entry) + ed::listi(valuecode), value);
      wout(dashrule);
      say("UPDATE & EXIT ........" + ed::listi(exitcode));
      menutail();
      const int answer = yourchoice();
      if (answer == exitcode) break;
      if (answer == valuecode) askreal(value, s.question);
    }
  }
  llpparam.*s.field = rad(value);
}

}  // namespace

void slong1(real& value, int mode) { setangle(longitude1, value, mode); }
void slong2(real& value, int mode) { setangle(longitude2, value, mode); }
void slat1(real& value, int mode) { setangle(latitude1, value, mode); }
void slat2(real& value, int mode) { setangle(latitude2, value, mode); }
void sangle1(real& value, int mode) { setangle(angle, value, mode); }
