#include "map/projection_state.h"

#include <array>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "map/azimuthal.h"
#include "map/conic.h"
#include "map/cylindrical.h"
#include "map/menu_lines.h"
#include "map/oblique.h"
#include "map/projection_menu.h"

ProjType projtype;
LlOrig llorig;
LlpParam llpparam;

namespace {

const RoutineId projlln_id{"projlln    ", " 3.5", "01-10-2009"};

using Forward = void (*)(std::span<real>, std::span<real>, std::span<const real>,
                         std::span<const real>, int);

// The frame of the points a projection routine is given: geographic, or
// already rotated by the dispatcher into the oblique frame b.
enum class Frame { geographic, rotated };

struct Projection {
  Forward forward;
  Frame frame;
};

// The polar routines that take their constants as arguments.
void stereographic(std::span<real> x, std::span<real> y, std::span<const real> lon,
                   std::span<const real> lat, int n) {
  inverspsll(x, y, lon, lat, n, llpparam.angp, llorig.xoff, llorig.yoff);
}
void orthographic(std::span<real> x, std::span<real> y, std::span<const real> lon,
                  std::span<const real> lat, int n) {
  orthogpsll(x, y, lon, lat, n, llpparam.angp, llorig.xoff, llorig.yoff);
}
void perspective(std::span<real> x, std::span<real> y, std::span<const real> lon,
                 std::span<const real> lat, int n) {
  perspvpsll2(x, y, lon, lat, n, llpparam.cpp2, llpparam.cpp1, llorig.xoff, llorig.yoff);
}
void gnomonic(std::span<real> x, std::span<real> y, std::span<const real> lon,
              std::span<const real> lat, int n) {
  gnomopsll(x, y, lon, lat, n, llorig.xoff, llorig.yoff);
}

// The 25 projections, by code.
constexpr std::array<Projection, 25> projections{{
    {tm2, Frame::geographic},            //  1 transverse Mercator, sphere
    {tme2, Frame::geographic},           //  2 transverse Mercator, ellipsoid
    {lcc2, Frame::geographic},           //  3 Lambert conformal conic, sphere
    {lcce2, Frame::geographic},          //  4 Lambert conformal conic, ellipsoid
    {lazea2, Frame::geographic},         //  5 Lambert azimuthal equal-area, polar
    {lazea2, Frame::rotated},            //  6 Lambert azimuthal equal-area, oblique
    {stereographic, Frame::geographic},  //  7 stereographic, polar
    {stereographic, Frame::rotated},     //  8 stereographic, oblique
    {orthographic, Frame::geographic},   //  9 orthographic, polar
    {orthobl2, Frame::geographic},       // 10 orthographic, oblique (rotates itself)
    {perspective, Frame::geographic},    // 11 vertical perspective, polar
    {persobl2, Frame::geographic},       // 12 vertical perspective, oblique (rotates itself)
    {polyco2, Frame::geographic},        // 13 polyconic
    {imwpoly2, Frame::geographic},       // 14 IMW modified polyconic, ellipsoid
    {mersphe2, Frame::geographic},       // 15 Mercator, sphere
    {merel2, Frame::geographic},         // 16 Mercator, ellipsoid
    {gnomonic, Frame::geographic},       // 17 gnomonic, polar
    {gnomonic, Frame::rotated},          // 18 gnomonic, oblique
    {albesph2, Frame::geographic},       // 19 Albers equal-area conic
    {bonnesph2, Frame::geographic},      // 20 Bonne
    {wernesphe2, Frame::geographic},     // 21 Werner
    {sanflamsph2, Frame::geographic},    // 22 Sanson-Flamsteed
    {lcnesphe2, Frame::geographic},      // 23 Lambert cylindrical equal-area
    {mollw2, Frame::geographic},         // 24 Mollweide
    {grinte2, Frame::geographic},        // 25 Van der Grinten
}};

bool known(int code) { return code >= 1 && code <= static_cast<int>(projections.size()); }

// A code that names no projection: the projection state is initialised
// again and the projection chosen anew.
void noprojection() {
  errorhead(projlln_id);
  wout(" " + ed::a("iproj = ", 8) + " " + ed::i(projtype.iproj, 4));
  say(" NO SUCH PROJECTION AVALAIBLE");
  say(" ==> RESET PROJECTION");
  errortail00();
  int code = 0;
  sprojll2(code, 4);
}

}  // namespace

void projlln(std::span<real> x, std::span<real> y, std::span<const real> lon,
             std::span<const real> lat, int n) {
  while (!known(projtype.iproj)) noprojection();
  const Projection& p = projections[static_cast<std::size_t>(projtype.iproj - 1)];
  if (p.frame == Frame::rotated) {
    lla2llb(x, y, lon, lat, n);
    p.forward(x, y, x, y, n);
  } else {
    p.forward(x, y, lon, lat, n);
  }
}
