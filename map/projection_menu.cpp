#include "map/projection_menu.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "map/azimuthal.h"
#include "map/conic.h"
#include "map/ellipsoids.h"
#include "map/map_origin.h"
#include "map/menu_lines.h"
#include "map/oblique.h"
#include "map/overlay_hooks.h"
#include "map/projection_parameters.h"
#include "map/projection_state.h"

namespace {

const RoutineId sprojll2_id{"sprojll2   ", " 3.5", "16-04-2010"};

constexpr int defaultcode = projcode::mercatorsphere;

bool valid(int code) { return code >= projcode::tmsphere && code <= projcode::vandergrinten; }

// The description block of each code, after the box head.
const std::array<std::vector<std::string_view>, 25> descriptions{{
    {"TRANSVERSE MERCATOR SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
    {"TRANSVERSE MERCATOR ELLIPSOIDAL EARTH", "1 parameter:", "  1 central meridien"},
    {"LAMBERT CONFORMAL CONICAL SPHERICAL EARTH", "3 parameters:", "  1 central meridien",
     "  2 standard parallels"},
    {"LAMBERT CONFORMAL CONICAL ELLIPSOIDAL EARTH", "3 parameters:", "  1 central meridien",
     "  2 standard parallels"},
    {"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "POLAR", "1 parameter:",
     "  1 maximum angle from center"},
    {"AZIMUTHAL EQUAL AREA SPHERICAL EARTH", "LAMBERT (1772)", "OBLIQUE", "3 parameters:",
     "  1 maximum angle from center", "  1 central meridien", "  1 central parallel"},
    {"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "POLAR ",
     "1 parameter:", "  1 maximum angle from center"},
    {"STEREOGRAPHIC CONFORMAL SPHERICAL EARTH", "OR INVERSION SPHERICAL EARTH", "OBLIQUE",
     "3 parameters:", "  1 maximum angle from center", "  1 central meridien",
     "  1 central parallel"},
    {"ORTHOGRAPHIC SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 maximum angle from center"},
    {"ORTHOGRAPHIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
     "  1 central parallel"},
    {"PERSPECTIVE SPHERICAL EARTH", "POLAR ", "1 parameter:", "  1 angle of view"},
    {"PERSPECTIVE SPHERICAL EARTH", "OBLIQUE", "3 parameters:", "  1 angle of view",
     "  1 central meridien", "  1 central parallel"},
    {"POLYCONIC SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
    {"LALLEMAND POLYCONIC ELLIPSOIDAL EARTH", "Used by the International Map of the World",
     "4 parameters:", "  1 central meridien", "  1 true scale meridien (+2°E of central)",
     "  1 northernmost parallel", "  1 southernmost parallel"},
    {"MERCATOR SPHERICAL EARTH"},
    {"MERCATOR ELLIPSOIDAL EARTH"},
    {"GNOMOMIC SPHERICAL EARTH", "POLAR "},
    {"GNOMOMIC SPHERICAL EARTH", "OBLIQUE", "2 parameters:", "  1 central meridien",
     "  1 central parallel"},
    {"ALBERS SPHERICAL EARTH", "1 parameter:", "  1 parallel", "  NB: latp1 = 0 is problematic"},
    {"BONNE SPHERICAL EARTH", "1 parameter:", "  1 parallel", "  NB: latp1 = 0 is problematic"},
    {"WERNER SPHERICAL EARTH"},
    {"SANSON-FLAMSTEED SPHERICAL EARTH"},
    {"LAMBERT CYLINDRICAL NORMAL EQUIVALENT", "SPHERICAL EARTH    -   LAMBERT (1772)"},
    {"MOLLWEIDE SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
    {"VAN DER GRINTEN SPHERICAL EARTH", "1 parameter:", "  1 central meridien"},
}};

// Every setter of the initialisation, each with the caller's mode, and
// the line-file overlay settings (through the map's overlay entry, the
// overlays being a layer above the map; the bounds are not read).
void initialise(int& iproj, int inter) {
  iproj = defaultcode;
  submenuhead(sprojll2_id);
  say("INITIALIZING MAP PROJECTION");
  say("(longitude, latitude) --> (x, y)");
  screenproj();
  say("Default projection  = Spherical Mercator");
  sayint("projection number =", defaultcode, 4);
  projtype.iproj = defaultcode;
  real lon = 0, lat = 0, v = 0;
  int number = 0;
  sllorig(lon, lat, inter);
  slong1(v, inter);
  slong2(v, inter);
  slat1(v, inter);
  slat2(v, inter);
  sangle1(v, inter);
  sellipsoid(number, inter);
  soblique(lon, lat, inter);
  if (mapoverlays.linefiles) {
    real lonmin = 0, lonmax = 0, latmin = 0, latmax = 0;
    mapoverlays.linefiles(lonmin, lonmax, latmin, latmax, inter);
  }
}

void menu(int iproj) {
  // The menu body after the two projection numbers: entries with their
  // code, headings (code 0) and rules (no text).
  struct Line {
    std::string_view text;
    int code;
  };
  static constexpr Line body[] = {
      {"", 0},
      {"I    - SPHERICAL - CONFORMAL", 0},
      {" Transverse mercator ...................", projcode::tmsphere},
      {" Lambert conformal conical  ............", projcode::lccsphere},
      {" Stereographic (inversion) polar........", projcode::stereopolar},
      {" Stereographic (inversion) oblique .....", projcode::stereooblique},
      {" Mercator .............................", projcode::mercatorsphere},
      {"", 0},
      {"II   - SPHERICAL - EQUIVALENT", 0},
      {" Lambert azimutal equal area polar......", projcode::lazeapolar},
      {" Lambert azimutal equal area oblique ...", projcode::lazeaoblique},
      {" Albers ...............................", projcode::albers},
      {" Bonne ................................", projcode::bonne},
      {" Werner ...............................", projcode::werner},
      {" Sanson-Flamsteed .....................", projcode::sansonflamsteed},
      {" Lambert cylindrical normal equivalent ", projcode::lambertcylindrical},
      {" Mollweide ............................", projcode::mollweide},
      {"", 0},
      {"III  - SPHERICAL - OTHERS", 0},
      {" Orthographic polar.....................", projcode::orthopolar},
      {" Orthographic oblique .................", projcode::orthooblique},
      {" Perspective polar.....................", projcode::perspolar},
      {" Perspective oblique ..................", projcode::persoblique},
      {" Polyconical ..........................", projcode::polyconic},
      {" Gnonomic polar........................", projcode::gnomopolar},
      {" Gnonomic oblique .....................", projcode::gnomooblique},
      {" Van Der Grinten ......................", projcode::vandergrinten},
      {"", 0},
      {"IV  - ELLIPSOIDAL - CONFORMAL", 0},
      {" Transverse mercator ...................", projcode::tmellipsoid},
      {" Lambert conformal conical .............", projcode::lccellipsoid},
      {" Mercator .............................", projcode::mercatorellipsoid},
      {"", 0},
      {"V   - ELLIPSOIDAL - EQUIVALENT", 0},
      {"", 0},
      {"VI  - ELLIPSOIDAL - OTHERS", 0},
      {" Lallemand modified polyconical .......", projcode::imw},
      {"", 0},
      {"SET AND EXIT ..........................", exitcode}};
  submenuhead(sprojll2_id);
  if (!outlevel(2)) return;
  say("           EARTH MAP PROJECTIONS");
  say("    (longitude,latitude) -------> (x,y)");
  wout(dashrule);
  sayint(" current projection number:", projtype.iproj, 4);
  sayint(" setting projection number:", iproj, 4);
  for (const Line& line : body) {
    if (line.text.empty())
      wout(dashrule);
    else if (line.code == 0)
      say(line.text);
    else
      say(std::string(line.text) + ed::listi(line.code));
  }
  menutail();
}

// The menu until the exit code: the last code chosen is the one to apply.
void choose(int& iproj) {
  for (;;) {
    menu(iproj);
    int answer = exitcode;
    int ierr = 0;
    inintegdef(answer, "your choice    ", answer, ierr);
    if (answer == exitcode) return;
    if (valid(answer)) {
      iproj = answer;
    } else {
      warninghead(sprojll2_id);
      say("UNKNOWN ANSWER !");
      say("==> BACK TO MENU WITHOUT ACTION");
      warningtail00();
    }
  }
}

// Standard parallels of a Lambert cone symmetric about the equator.
void coneless() {
  warninghead(sprojll2_id);
  say("STANDARD PARALLELS SYMMETRIC ABOUT THE EQUATOR:");
  say("latp1 + latp2 = 0 ==> NO CONE");
  say("==> WILL ASK THEM AGAIN");
  warningtail00();
}

// The parameters of a code, each setter with the parameter mode pm, and
// the constants derived from them.
void parameters(int code, int pm) {
  real v = 0, lon = 0, lat = 0;
  switch (code) {
    case projcode::tmsphere: case projcode::tmellipsoid: case projcode::polyconic:
    case projcode::mollweide: case projcode::vandergrinten:
      slong1(v, pm);
      break;
    case projcode::lccsphere: case projcode::lccellipsoid:
      slong1(v, pm);
      slat1(v, pm);
      slat2(v, pm);
      while (dialoguemode(pm) && conelessparallels()) {
        coneless();
        slat1(v, pm);
        slat2(v, pm);
      }
      if (code == projcode::lccsphere)
        slcc2();
      else
        slcce2();
      break;
    case projcode::lazeapolar: case projcode::stereopolar: case projcode::orthopolar:
      sangle1(v, pm);
      break;
    case projcode::lazeaoblique: case projcode::stereooblique:
      sangle1(v, pm);
      soblique(lon, lat, pm);
      break;
    case projcode::orthooblique: case projcode::gnomooblique:
      soblique(lon, lat, pm);
      break;
    case projcode::perspolar: case projcode::persoblique:
      sangle1(v, pm);
      spers2();
      if (code == projcode::persoblique) soblique(lon, lat, pm);
      break;
    case projcode::imw:
      // The true-scale meridian is offered (after a menu) or reset
      // (otherwise) to the central meridian plus 2 degrees.
      slong1(v, pm);
      v = v + 2.0f;
      slong2(v, dialoguemode(pm) ? setmode::askgiven : setmode::storegiven);
      slat1(v, pm);
      slat2(v, pm);
      simwpoly2();
      break;
    case projcode::albers:
      slat1(v, pm);
      salbesph2();
      break;
    case projcode::bonne:
      slat1(v, pm);
      sbonnesph2();
      break;
    default:  // the other projections: no parameter
      break;
  }
}

void apply(int iproj, int inter) {
  if (!valid(iproj)) {
    errorhead(sprojll2_id);
    sayint("iproj =", iproj, 4);
    say("NO SUCH PROJECTION AVALAIBLE");
    say("===> NO ACTION");
    errortail00();
    return;
  }
  projtype.iproj = iproj;
  const int pm = dialoguemode(inter) ? setmode::askstored : setmode::getstored;
  if (iproj == projcode::tmellipsoid || iproj == projcode::lccellipsoid ||
      iproj == projcode::imw || iproj == projcode::mercatorellipsoid) {
    int number = 0;
    sellipsoid(number, pm);
  }
  submenuhead(sprojll2_id);
  for (std::string_view line : descriptions[static_cast<std::size_t>(iproj - 1)]) say(line);
  parameters(iproj, pm);
  real lon = 0, lat = 0;
  sllorig(lon, lat, pm);
}

}  // namespace

void sprojll2(int& iproj, int inter) {
  if (storedmode(inter)) {
    iproj = projtype.iproj;
  } else if (defaultmode(inter)) {
    initialise(iproj, inter);
  } else if (!valid(iproj)) {
    errorhead(sprojll2_id);
    sayint(" projection nb =", iproj, 4);
    say("==> NO SUCH PROJECTION NB");
    iproj = defaultcode;
    say("==> RESETTING TO:");
    sayint(" projection nb =", iproj, 4);
    errortail00();
  }
  if (dialoguemode(inter)) {
    if (outlevel(2)) screenproj();
    choose(iproj);
  }
  apply(iproj, inter);
}

void screenproj() {
  static constexpr std::string_view figure[] = {
      "                     &&&",
      "                   &&&&&&&",
      "                 &&&&&&&&&&&",
      "                &&&&&&&&&&&&&",
      "                 &&&&&&&&&&&",
      "                   &#&&&&&",
      "                    |&&&",
      "                    |",
      "     /**************|********************/",
      "    /               |                   /",
      "   /                V                  /",
      "  /                 #                 /",
      " /                                   /",
      "/***********************************/"};
  for (std::string_view line : figure) wout(" " + ed::pad(line, 43));
}
