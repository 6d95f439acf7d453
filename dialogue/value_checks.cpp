#include "dialogue/value_checks.h"

#include <string>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/error_stops.h"

namespace {

std::string trim(std::string_view text) { return std::string(ed::trim(text)); }

const RoutineId cinvin_id{"cinvin     ", " 3.1", "11-03-2000"};
const RoutineId cinmax_id{"cinmax     ", " 3.2", "11-03-2000"};
const RoutineId crevin_id{"crevin     ", " 3.0", "29-11-2001"};

void originated(std::string_view caller) {
  wout(" Problem originated in :");
  wout(" subroutine: " + trim(caller));
}

}  // namespace

void cinvin(int iv, int imin, int imax, std::string_view caller, std::string_view varname, int& ierr) {
  ierr = 0;
  if (iv >= imin && iv <= imax) return;
  ierr = 1;
  errorhead(cinvin_id);
  wout(" " + trim(varname) + " = " + ed::listi(iv));
  wout(" outside [ " + ed::listi(imin) + " , " + ed::listi(imax) + " ]");
  originated(caller);
  errortail01(1);
}

void cinmax(int iv, int imax, std::string_view caller, std::string_view varname, int& ierr) {
  ierr = 0;
  if (iv <= imax) return;
  ierr = 1;
  errorhead(cinmax_id);
  wout(" " + trim(varname) + " = " + ed::listi(iv) + " > max = " + ed::listi(imax));
  originated(caller);
  errortail01(1);
}

void crevin2(std::string_view varname, real& x, real xmin, real xmax, std::string_view caller,
             int gravity, int& ierr) {
  ierr = 0;
  if (!(x < xmin || x > xmax)) return;
  ierr = 1;
  if (gravity == 0)
    warninghead(crevin_id);
  else
    errorhead(crevin_id);
  const std::string name = trim(varname);
  wout(" Problem in subroutine: " + trim(caller));
  wout(" " + name + " = " + ed::listr(x) + " outside [ " + ed::listr(xmin) + " , " +
       ed::listr(xmax) + " ]");
  if (gravity != 4) {
    x = x < xmin ? xmin : xmax;
    wout(" ==> RESET " + name + " = " + ed::listr(x));
  }
  switch (gravity) {
    case 0:
      warningtail00();
      return;
    case 1:
      break;
    case 2:
    case 3:
    case 4:
      errorstop(gravity - 2);
      break;
    default:
      wout(" unknown  gravity = " + ed::listi(gravity));
      wout(" ==> RESET gravity = " + ed::listi(3));
      errorstop(1);
      break;
  }
  errortail00();
}
