#pragma once
// The lines that the attribute setters (colours, line, fill, text and
// markers) print, and the mode tests they share. Every line goes to the
// standard output unit and begins with one blank.
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/setter_modes.h"
#include "platform/real.h"

// The warning of a mode the setter does not know: "inter =" with the mode
// in w columns and "===> NO ACTION".
void noaction(const RoutineId& id, int mode, int w);
