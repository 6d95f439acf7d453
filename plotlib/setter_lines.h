#pragma once
// The lines that the attribute setters (colours, line, fill, text and
// markers) print, and the mode tests they share. Every line goes to the
// standard output unit and begins with one blank.
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/setter_modes.h"
#include "platform/real.h"

// text, then v in w columns   FORMAT (1x,a,1x,iw); w 0: in its own width.
void attrint(std::string_view text, int v, int w);
// text, then x in Fw.d        FORMAT (1x,a,1x,fw.d)
void attrreal(std::string_view text, real x, int w, int d);

// The warning of a mode the setter does not know: "inter =" with the mode
// in w columns and "===> NO ACTION".
void noaction(const RoutineId& id, int mode, int w);
