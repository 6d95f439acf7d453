#pragma once
// Checks of a value a routine received or computed, without asking for a
// new one: a value inside its limits passes silently (ierr 0); one outside
// gives a banner naming the value, its limits and the checking routine, and
// ierr 1 (the run may end in the banner's error tail).
#include <string_view>

#include "platform/real.h"

// imin <= iv <= imax; else an error banner closed by errortail01(1).
void cinvin(int iv, int imin, int imax, std::string_view caller, std::string_view varname, int& ierr);
// iv <= imax; else an error banner closed by errortail01(1).
void cinmax(int iv, int imax, std::string_view caller, std::string_view varname, int& ierr);
// xmin <= x <= xmax; else x is reset to the bound it passed (unless gravity
// is 4) and the banner is closed by gravity: 0 warning, 1 error, 2 to 4
// error stop of level gravity - 2, any other value as 3 after a message.
void crevin2(std::string_view varname, real& x, real xmin, real xmax, std::string_view caller,
             int gravity, int& ierr);
