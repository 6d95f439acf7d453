#pragma once
// Plot parameters: their initialisation when the plot window opens, the
// menu through which every plot attribute is set, and the caption lines
// that tell which program and plot routine drew a page.
#include <string_view>

#include "platform/real.h"

// Modes 4 to 9 initialise: the angle constants again (4, 5, 8, 9), the
// centimetre-to-device map of the open window, every sub-plot's
// user-to-device map derived again from its kept user-to-centimetre map
// (6, 7) or every user-to-centimetre map reset to its default (4, 5, 8, 9),
// sub-plot 1 made current, the colour table reset (4, 5, 8, 9) and, while
// the window is open, every line, fill, text and marker attribute set to
// its default (4 to 7; asked for in 4 and 6). Every even mode then shows
// the menu until 99; its setters offer the stored values (modes 0 to 3) or
// the defaults, a choice the menu can change. With the window closed only
// the colour table can be changed. Other odd modes do nothing.
void splotparam2(int mode);

// Records the plot routine now drawing (name, version and date, cut or
// padded to 11, 4 and 10 characters) for the run caption. The two integers
// are not read.
void ssubinfo(std::string_view subnam, std::string_view subver, std::string_view subdate, int,
              int);
// Writes the three lines of the run caption (main program, plot routine,
// system with the run's date and time) at half the text height, 1.5 such
// heights apart, the first at (xcm, ycm) cm on the page. The integer is
// not read.
void cmplotruninfo0(real xcm, real ycm, int);
// Writes text as caption line iline (1 at ycm), with the spacing of the
// run caption. The integer is not read.
void cmplotcharinfo0(std::string_view text, int iline, real xcm, real ycm, int);

// The captions at the head of a page: the run caption centred at
// (10.5, 28) cm, and the page's own caption lines from (2, 28) cm, left
// aligned, each text in 35 characters. Each sets the text alignment it
// needs and leaves it so.
void pageruncaption();
void pagecaption(std::string_view text, int iline);
