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

constexpr int defaultcode = 15;

bool valid(int code) { return code >= 1 && code <= 25; }

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
  textline("INITIALIZING MAP PROJECTION");
  textline("(longitude, latitude) --> (x, y)");
  screenproj();
  textline("Default projection  = Spherical Mercator");
  numberedline("projection number =", defaultcode, 4);
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
  // The menu body after the two projection numbers; an empty line is a rule.
  static constexpr std::string_view body[] = {
      "",
      "I    - SPHERICAL - CONFORMAL",
      " Transverse mercator ...................1",
      " Lambert conformal conical  ............3",
      " Stereographic (inversion) polar........7",
      " Stereographic (inversion) oblique .....8",
      " Mercator .............................15",
      "",
      "II   - SPHERICAL - EQUIVALENT",
      " Lambert azimutal equal area polar......5",
      " Lambert azimutal equal area oblique ...6",
      " Albers ...............................19",
      " Bonne ................................20",
      " Werner ...............................21",
      " Sanson-Flamsteed .....................22",
      " Lambert cylindrical normal equivalent 23",
      " Mollweide ............................24",
      "",
      "III  - SPHERICAL - OTHERS",
      " Orthographic polar.....................9",
      " Orthographic oblique .................10",
      " Perspective polar.....................11",
      " Perspective oblique ..................12",
      " Polyconical ..........................13",
      " Gnonomic polar........................17",
      " Gnonomic oblique .....................18",
      " Van Der Grinten ......................25",
      "",
      "IV  - ELLIPSOIDAL - CONFORMAL",
      " Transverse mercator ...................2",
      " Lambert conformal conical .............4",
      " Mercator .............................16",
      "",
      "V   - ELLIPSOIDAL - EQUIVALENT",
      "",
      "VI  - ELLIPSOIDAL - OTHERS",
      " Lallemand modified polyconical .......14",
      "",
      "SET AND EXIT ..........................99"};
  submenuhead(sprojll2_id);
  if (!outlevel(2)) return;
  textline("           EARTH MAP PROJECTIONS");
  textline("    (longitude,latitude) -------> (x,y)");
  ruleline();
  numberedline(" current projection number:", projtype.iproj, 4);
  numberedline(" setting projection number:", iproj, 4);
  for (std::string_view line : body) {
    if (line.empty())
      ruleline();
    else
      textline(line);
  }
  menutail();
}

// The menu until 99: the last code chosen is the one to apply.
void choose(int& iproj) {
  for (;;) {
    menu(iproj);
    int answer = 99;
    int ierr = 0;
    inintegdef(answer, "your choice    ", answer, ierr);
    if (answer == 99) return;
    if (valid(answer)) {
      iproj = answer;
    } else {
      warninghead(sprojll2_id);
      textline("UNKNOWN ANSWER !");
      textline("==> BACK TO MENU WITHOUT ACTION");
      warningtail00();
    }
  }
}

// Standard parallels of a Lambert cone symmetric about the equator.
void coneless() {
  warninghead(sprojll2_id);
  textline("STANDARD PARALLELS SYMMETRIC ABOUT THE EQUATOR:");
  textline("latp1 + latp2 = 0 ==> NO CONE");
  textline("==> WILL ASK THEM AGAIN");
  warningtail00();
}

// The parameters of a code, each setter with the parameter mode pm, and
// the constants derived from them.
void parameters(int code, int pm) {
  real v = 0, lon = 0, lat = 0;
  switch (code) {
    case 1: case 2: case 13: case 24: case 25:
      slong1(v, pm);
      break;
    case 3: case 4:
      slong1(v, pm);
      slat1(v, pm);
      slat2(v, pm);
      while (dialoguemode(pm) && conelessparallels()) {
        coneless();
        slat1(v, pm);
        slat2(v, pm);
      }
      if (code == 3)
        slcc2();
      else
        slcce2();
      break;
    case 5: case 7: case 9:
      sangle1(v, pm);
      break;
    case 6: case 8:
      sangle1(v, pm);
      soblique(lon, lat, pm);
      break;
    case 10: case 18:
      soblique(lon, lat, pm);
      break;
    case 11: case 12:
      sangle1(v, pm);
      spers2();
      if (code == 12) soblique(lon, lat, pm);
      break;
    case 14:
      // The true-scale meridian is offered (after a menu) or reset
      // (otherwise) to the central meridian plus 2 degrees.
      slong1(v, pm);
      v = v + 2.0f;
      slong2(v, dialoguemode(pm) ? setmode::askgiven : setmode::storegiven);
      slat1(v, pm);
      slat2(v, pm);
      simwpoly2();
      break;
    case 19:
      slat1(v, pm);
      salbesph2();
      break;
    case 20:
      slat1(v, pm);
      sbonnesph2();
      break;
    default:  // 15, 16, 17, 21, 22, 23: no parameter
      break;
  }
}

void apply(int iproj, int inter) {
  if (!valid(iproj)) {
    errorhead(sprojll2_id);
    numberedline("iproj =", iproj, 4);
    textline("NO SUCH PROJECTION AVALAIBLE");
    textline("===> NO ACTION");
    errortail00();
    return;
  }
  projtype.iproj = iproj;
  const int pm = dialoguemode(inter) ? setmode::askstored : setmode::getstored;
  if (iproj == 2 || iproj == 4 || iproj == 14 || iproj == 16) {
    int number = 0;
    sellipsoid(number, pm);
  }
  submenuhead(sprojll2_id);
  for (std::string_view line : descriptions[static_cast<std::size_t>(iproj - 1)]) textline(line);
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
    numberedline(" projection nb =", iproj, 4);
    textline("==> NO SUCH PROJECTION NB");
    iproj = defaultcode;
    textline("==> RESETTING TO:");
    numberedline(" projection nb =", iproj, 4);
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
