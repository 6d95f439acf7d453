#include "catalogue/criteria.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"
#include "dialogue/setter_modes.h"
#include "dialogue/typed_input.h"
#include "dialogue/units.h"

SeisTest2 seistest2;

namespace {

const RoutineId setseistest_id{"setseistest", " 7.1", "06-04-2010"};
const RoutineId spolygontst_id{"spolygontst", " 1.0", "01-04-2010"};

constexpr int polyunit = 61;              // unit of the polygon file
constexpr std::size_t namewidth = 35;     // the polygon file name's field
constexpr std::size_t questionwidth = 35;  // the prompts' question texts
constexpr int minpolyvert = 3;
constexpr int vertexcode = 260;           // vertex k is edited with code 260 + k

// The menu codes; a bounds code asks for both bounds.
namespace code {
constexpr int general = 10;  // the general test switch
constexpr int latitude = 100, latbounds = 110;
constexpr int longitude = 200, lonbounds = 210;
constexpr int polygon = 250;
constexpr int greatcircle = 251;  // edges on great circles or along latitude and longitude
constexpr int polyfile = 252;     // read the polygon from a file
constexpr int vertices = 253;     // number of vertices
constexpr int depth = 300, depthbounds = 310;
constexpr int rakeboth = 501;  // the rake tested on both planes
constexpr int rake1 = 500, rake1bounds = 510;
constexpr int rake2 = 520, rake2bounds = 530;
constexpr int rake3 = 540, rake3bounds = 550;
constexpr int frohlich = 600, fclvd = 610, mijerr = 620, freemij = 630;
}  // namespace code

const std::string rule32(32, '-');

// The line layouts of the menu and the polygon messages.
void switchline(std::string_view text, bool v) { sayflag(text, v, 1); }
void valueline(std::string_view text, real x) { sayreal(text, x, 8, 3); }
void countline(std::string_view text, int n, std::string_view word = {}) {
  std::string line = " " + std::string(text) + " " + ed::i(n, 6);
  if (!word.empty()) line += " " + std::string(word);
  wout(line);
}

// Vertex k (1-based) of the polygon, as the menu lists it and the contour
// error block shows it.
std::size_t at(int k) { return static_cast<std::size_t>(k - 1); }
void vertexrow(int k) {
  const SeisTest2& t = seistest2;
  wout(" " + ed::f(t.vrtxlong[at(k)], 8, 3) + " " + ed::f(t.vrtxlat[at(k)], 8, 3) + " " +
       std::string(11, '.') + ed::i(vertexcode + k, 3));
}
void contourrow(int k) {
  const SeisTest2& t = seistest2;
  wout(" " + ed::i(k, 8) + " " + ed::f(t.vrtxlong[at(k)], 8, 3) + " " +
       ed::f(t.vrtxlat[at(k)], 8, 3));
}

// The prompts of this menu, each offering the field itself as its default.
std::string question(std::string_view text) { return ed::pad(text, questionwidth); }
void askswitch(bool& v, std::string_view text) {
  int ierr = 0;
  inlogicdef(v, question(text), v, ierr);
}
void askreal(real& x, std::string_view text) {
  int ierr = 0;
  inrealdef(x, question(text), x, ierr);
}
void askint(int& n, std::string_view text) {
  int ierr = 0;
  inintegdef(n, question(text), n, ierr);
}

// A switch line and, while the switch is on, the lines of its two bounds,
// each text followed by its code; returns the switch.
bool boundsblock(std::string_view text, int code, bool on, std::string_view mini,
                 std::string_view maxi, int boundscode, real lo, real hi) {
  switchline(std::string(text) + ed::listi(code), on);
  if (on) {
    valueline(std::string(mini) + ed::listi(boundscode), lo);
    valueline(std::string(maxi) + ed::listi(boundscode), hi);
  }
  return on;
}

void showmenu() {
  const SeisTest2& t = seistest2;
  wout(dashrule);
  say("WHAT IS TO BE TESTED ? (Angles in degrees) ");
  wout(dashrule);
  switchline("general test switch .........." + ed::listi(code::general), t.lextract);
  say(rule32);
  if (boundsblock("test latitude ...............", code::latitude, t.ltestlat,
                  "latitude mini ...............", "latitude maxi ...............",
                  code::latbounds, t.latmin, t.latmax))
    say(rule32);
  if (boundsblock("test longitude ..............", code::longitude, t.ltestlon,
                  "longitude mini ..............", "longitude maxi ..............",
                  code::lonbounds, t.lonmin, t.lonmax))
    say(rule32);
  switchline("test polygon ................" + ed::listi(code::polygon), t.ltestpoly);
  if (t.ltestpoly) {
    switchline("great circle polygon ........" + ed::listi(code::greatcircle), t.lgreatcircle);
    switchline("lat-long polygon ............" + ed::listi(code::greatcircle), !t.lgreatcircle);
    countline("min number of vertices ........:", minpolyvert);
    countline("max number of vertices ........:", maxpolyvert);
    say("read polygon from file ......" + ed::listi(code::polyfile));
    countline("number of vertices .........." + ed::listi(code::vertices), t.npolyvert);
    say("- - - - - - - - - - - - - - - - ");
    say("longitud latitude .......command");
    for (int k = 1; k <= t.npolyvert; ++k) vertexrow(k);
    say(rule32);
  }
  if (boundsblock("test depth ..................", code::depth, t.ltestdep,
                  "depth mini ..................", "depth maxi ..................",
                  code::depthbounds, t.depmin, t.depmax))
    say(rule32);
  switchline("test rake on both planes....." + ed::listi(code::rakeboth), t.lrakeboth);
  say("test union of intervals 1,2,3");
  // Only the first interval's texts have a blank before the dots.
  bool anyrake = boundsblock("test rake interval 1 ........", code::rake1, t.ltestrake[0],
                             "rake mini interval 1.........", "rake maxi interval 1.........",
                             code::rake1bounds, t.rakemin[0], t.rakemax[0]);
  anyrake |= boundsblock("test rake interval 2.........", code::rake2, t.ltestrake[1],
                         "rake mini interval 2.........", "rake maxi interval 2.........",
                         code::rake2bounds, t.rakemin[1], t.rakemax[1]);
  anyrake |= boundsblock("test rake interval 3.........", code::rake3, t.ltestrake[2],
                         "rake mini interval 3.........", "rake maxi interval 3.........",
                         code::rake3bounds, t.rakemin[2], t.rakemax[2]);
  if (anyrake) say(rule32);
  switchline("test Frohlich quality........" + ed::listi(code::frohlich), t.lfrohlich);
  if (t.lfrohlich) {
    valueline("fclvd maxi .................." + ed::listi(code::fclvd), t.fclvdmax);
    valueline("moment relative error maxi .." + ed::listi(code::mijerr), t.mijerrmax);
    countline("moment free components min .." + ed::listi(code::freemij), t.nfreemijmin);
  }
  wout(dashrule);
  say("EXIT ........................." + ed::listi(exitcode));
  wout(dashrule);
}

// The polygon file's name as the messages show it: its field, trimmed.
std::string shownname(const std::string& fname) {
  return std::string(ed::trim(ed::pad(fname, namewidth)));
}

// A polygon file that could not be read to its end: the vertex count
// becomes 0, the file is closed, the banner is closed.
void polygonfailed(const std::string& fname) {
  say("=> POLYGON INPUT FAILED");
  seistest2.npolyvert = 0;
  countline("RESETTING # vertices =", 0);
  closeunit(polyunit);
  say("Polygon file " + shownname(fname) + " is closed");
  warningtail00();
}

void polygoneof(const std::string& fname) {
  warninghead(setseistest_id);
  say("END OF FILE REACHED UNEXPECTEDLY");
  polygonfailed(fname);
}

// Reads the vertex count, the side type and the vertices of a polygon
// file (line 1: count and side type, 1 for great circles; then longitude
// and latitude of one vertex a line).
void readpolygon() {
  SeisTest2& t = seistest2;
  std::string fname;
  opef2(fname, "polygon input", polyunit, "old", 0, namewidth);

  // An empty value keeps the count and the side type in force.
  int count = t.npolyvert;
  int sidetype = t.lgreatcircle ? 1 : 0;
  const ed::ListVar line1[] = {&count, &sidetype};
  if (ed::readlist(polyunit, line1).end != ed::ListEnd::complete) {
    polygoneof(fname);
    return;
  }
  t.npolyvert = count;
  if (t.npolyvert > maxpolyvert) {
    warninghead(setseistest_id);
    countline("Read number of vertices =", t.npolyvert);
    countline("Max  number of vertices =", maxpolyvert);
    say("=> RESETTING:");
    t.npolyvert = maxpolyvert;
    countline("Reset number of vertices =", maxpolyvert);
    warningtail00();
  }
  t.lgreatcircle = sidetype == 1;

  for (int k = 1; k <= t.npolyvert; ++k) {
    const ed::ListVar vertex[] = {&t.vrtxlong[at(k)], &t.vrtxlat[at(k)]};
    const ed::ListEnd end = ed::readlist(polyunit, vertex).end;
    if (end == ed::ListEnd::eof) {
      polygoneof(fname);
      return;
    }
    if (end != ed::ListEnd::complete) {
      warninghead(setseistest_id);
      countline("Error while reading data # =", k);
      polygonfailed(fname);
      return;
    }
  }

  closeunit(polyunit);
  submenuhead(setseistest_id);
  say("Polygon file " + shownname(fname) + " is closed");
  countline("Could read up to:", maxpolyvert, "vertices");
  countline("Actually read   :", t.npolyvert, "vertices");
  say("- - - - - - - - - - - - - - - - - - - - - -");
}

void editvertex(int k) {
  countline("vertex number =", k);
  askreal(seistest2.vrtxlong[at(k)], "longitude");
  askreal(seistest2.vrtxlat[at(k)], "latitude");
}

// Carries out one menu code; false for the exit code.
bool menuaction(int code) {
  SeisTest2& t = seistest2;
  int ierr = 0;
  switch (code) {
    case exitcode: return false;
    case code::general: askswitch(t.lextract, "activate test"); break;
    case code::latitude: askswitch(t.ltestlat, "activate latitude test"); break;
    case code::latbounds:
      askreal(t.latmin, "minimum latitude");
      askreal(t.latmax, "maximum latitude");
      break;
    case code::longitude: askswitch(t.ltestlon, "activate longitude test"); break;
    case code::lonbounds:
      askreal(t.lonmin, "minimum longitude");
      askreal(t.lonmax, "maximum longitude");
      break;
    case code::polygon: askswitch(t.ltestpoly, "activate polygon test"); break;
    case code::greatcircle: askswitch(t.lgreatcircle, "bound polygon by great circle"); break;
    case code::polyfile: readpolygon(); break;
    case code::vertices:
      inintegvindef(t.npolyvert, question("number of vertices"), t.npolyvert, minpolyvert,
                    maxpolyvert, ierr);
      break;
    case code::depth: askswitch(t.ltestdep, "activate depth test"); break;
    case code::depthbounds:
      askreal(t.depmin, "minimum depth");
      askreal(t.depmax, "maximum depth");
      break;
    case code::rakeboth: askswitch(t.lrakeboth, "rake on both planes"); break;
    case code::rake1: askswitch(t.ltestrake[0], "to test rake 1st interv"); break;
    case code::rake1bounds:
      askreal(t.rakemin[0], "minimum rake 1");
      askreal(t.rakemax[0], "maximum rake 1");
      break;
    case code::rake2: askswitch(t.ltestrake[1], "to test rake 2nd interv"); break;
    case code::rake2bounds:
      askreal(t.rakemin[1], "minimum rake 2");
      askreal(t.rakemax[1], "maximum rake 2");
      break;
    case code::rake3: askswitch(t.ltestrake[2], "to test rake 3rd interv"); break;
    case code::rake3bounds:
      askreal(t.rakemin[2], "minimum rake 3");
      askreal(t.rakemax[2], "maximum rake 3");
      break;
    case code::frohlich: askswitch(t.lfrohlich, "to carry frohlich 3 tests"); break;
    case code::fclvd: askreal(t.fclvdmax, "maximum abs(fclvd)"); break;
    case code::mijerr: askreal(t.mijerrmax, "maximum rel error mij"); break;
    case code::freemij: askint(t.nfreemijmin, "minimum # of free mij"); break;
    default:
      if (code > vertexcode && code <= vertexcode + t.npolyvert) editvertex(code - vertexcode);
      break;
  }
  return true;
}

// The menu loop, until the exit code.
void criteriamenu() {
  for (;;) {
    submenuhead(setseistest_id);
    if (outlevel(2)) showmenu();
    int code = exitcode;
    askint(code, "your choice");
    if (!menuaction(code)) return;
  }
}

// The check on leaving: true when the routine may return, that is with
// the polygon test off, a polygon whose every edge has a direction, or
// under a command file (which then goes on with a warning).
bool exitcheck(int mode) {
  if (!seistest2.ltestpoly) return true;
  int ierr = 0;
  spolygontst(ierr, mode);
  if (ierr == 0) return true;
  warninghead(setseistest_id);
  if (iocom.lcomfile) {
    say("PROBLEM IN POLYGON CONTOUR");
    say("=> PROCEEDING WITH COMMAND FILE");
    warningtail00();
    return true;
  }
  say("NEED TO FIX POLYGON CONTOUR");
  say("           OR");
  say("DISABLE POLYGON SELECTION");
  say("=> BACK TO INTERACTIVE MENU");
  warningtail00();
  return false;
}

// The defaults; vertices 4 to 9 keep their values.
void initseistest() {
  submenuhead(setseistest_id);
  say("INITIALIZING EXTRACTION TESTS");
  SeisTest2 fresh;
  std::copy(seistest2.vrtxlat.begin() + minpolyvert, seistest2.vrtxlat.end(),
            fresh.vrtxlat.begin() + minpolyvert);
  std::copy(seistest2.vrtxlong.begin() + minpolyvert, seistest2.vrtxlong.end(),
            fresh.vrtxlong.begin() + minpolyvert);
  seistest2 = fresh;
}

// The contour error block of an edge without direction, from vertex k to
// vertex next.
void contourerror(int k, int next, std::string_view what) {
  errorhead(spolygontst_id);
  switchline("Test great circle:", seistest2.lgreatcircle);
  say("INCONSISTENT CONTOUR:");
  say("Vertex # longitud latitude");
  contourrow(k);
  contourrow(next);
  say(what);
  say("V2 = V1 ?");
  say("==> TEST IS UNRELIABLE:");
  say("==> IT NEED BE REDONE");
  say("    AFTER CONTOUR CORRECTION");
  errortail00();
}

// A one-element span on a component, for the routines on arrays of points.
std::span<real> one(real& x) { return {&x, 1}; }

}  // namespace

void setseistest6(int mode) {
  if (defaultmode(mode)) {
    initseistest();
    int ierr = 0;
    spolygontst(ierr, mode);
  }
  if (dialoguemode(mode)) criteriamenu();
  while (!exitcheck(mode)) criteriamenu();
}

void spolygontst(int& ierr, int) {
  SeisTest2& t = seistest2;
  ierr = 0;
  const int n = t.npolyvert;
  auto next = [n](int k) { return k == n ? 1 : k + 1; };
  if (t.lgreatcircle) {
    for (int k = 1; k <= n; ++k) {
      std::array<real, 2> ll{t.vrtxlong[at(k)], t.vrtxlat[at(k)]};
      deg2rad(ll, ll, 2);
      auto& v = t.vrtx1[at(k)];
      ll2ccn(one(v[0]), one(v[1]), one(v[2]), one(ll[0]), one(ll[1]), 1);
    }
    for (int k = 1; k <= n; ++k) {
      auto& w = t.vnrm1[at(k)];
      vecprod3d(w, t.vrtx1[at(k)], t.vrtx1[at(next(k))], 1);
      if (crossvanishes(w, t.vrtx1[at(k)], t.vrtx1[at(next(k))])) {
        contourerror(k, next(k), "||OV1 x OV2|| = 0");
        ierr = 10;
      }
    }
  } else {
    for (int k = 1; k <= n; ++k) {
      auto& w = t.vnrm1[at(k)];
      w = {t.vrtxlat[at(k)] - t.vrtxlat[at(next(k))], t.vrtxlong[at(next(k))] - t.vrtxlong[at(k)],
           0.0f};
      if (w[0] == 0.0f && w[1] == 0.0f) {
        contourerror(k, next(k), "||V1V2|| = 0");
        ierr = 20;
      }
    }
  }
}

void gscseistest(real& latmin, real& latmax, real& lonmin, real& lonmax, real& depmin,
                 real& depmax) {
  const SeisTest2& t = seistest2;
  latmin = t.latmin;
  latmax = t.latmax;
  lonmin = t.lonmin;
  lonmax = t.lonmax;
  depmin = t.depmin;
  depmax = t.depmax;
}

bool seistestloc(real rlat, real rlong, real depth) {
  const SeisTest2& t = seistest2;
  if (!t.lextract) return true;
  if (t.ltestlat && (rlat < t.latmin || rlat > t.latmax)) return false;
  if (t.ltestlon && (rlong < t.lonmin || rlong > t.lonmax)) return false;
  if (t.ltestdep && (depth < t.depmin || depth > t.depmax)) return false;
  return !t.ltestpoly || seistestpoly(rlat, rlong);
}

bool seistestpoly(real rlat, real rlong) {
  const SeisTest2& t = seistest2;
  std::array<real, 3> p{};
  if (t.lgreatcircle) {
    std::array<real, 2> ll{rlong, rlat};
    deg2rad(ll, ll, 2);
    ll2ccn(one(p[0]), one(p[1]), one(p[2]), one(ll[0]), one(ll[1]), 1);
  }
  for (int k = 1; k <= t.npolyvert; ++k) {
    real s = 0.0f;
    if (t.lgreatcircle) {
      scalprodn(one(s), p, t.vnrm1[at(k)], 3, 1);
    } else {
      const std::array<real, 2> d{rlong - t.vrtxlong[at(k)], rlat - t.vrtxlat[at(k)]};
      scalprodn(one(s), d, t.vnrm1[at(k)], 2, 1);
    }
    if (s < 0.0f) return false;
  }
  return true;
}

bool seistestrake(real rake1, real rake2) {
  const SeisTest2& t = seistest2;
  if (!t.lextract || !t.ltestrake[0]) return true;
  auto inactive = [&t](real rake) {
    for (std::size_t j = 0; j < 3; ++j)
      if (t.ltestrake[j] && t.rakemin[j] <= rake && rake <= t.rakemax[j]) return true;
    return false;
  };
  return t.lrakeboth ? inactive(rake1) && inactive(rake2) : inactive(rake1) || inactive(rake2);
}
