#pragma once
// The colour table of the plot (indices 0..maxcolor, 0 the background,
// components in percent, names of 8 characters), the number of usable
// colours, and the colour indices of lines, fills and texts. Each routine
// takes a setter mode last: 0 ask offering the values given, 1 store them,
// 2 ask offering the stored values, 3 return the stored values, 4 ask
// offering the default, 5 set the default and say so. Values out of range
// are reset with a warning, never refused; the caller receives what is
// stored.
#include <string>

#include "platform/real.h"

// Number of usable colours ncol, 1..maxcolor (the indices 0..ncol); the
// plot is black and white when it is 1. Modes 4 and 5 set 4 colours. A
// smaller number checks the three colour indices against it. The menu
// (even modes) may cancel with 98, which changes nothing more.
void scolornb(int& ncol, int mode);

// Entry index of the colour table. Modes 4 and 5 reset the background,
// black and pure red, green and blue (as far as the number of colours
// goes). Other modes bring an index above the number of colours into
// range and check the components (0..100). The menu (even modes) may
// cancel with 98. name keeps its length: it receives the stored name, cut
// or padded, and the first 8 characters of it are stored.
void scolorrgb(int& index, std::string& name, real& red, real& green, real& blue, int mode);

// Colour indices 0..number of colours of lines (default 1), polygon fills
// (default 8) and texts (default 1). An index above the number of colours
// becomes the remainder of its division by (number + 1), or 1 when that is
// 0; below 0 it becomes 1; checked in every mode, 3 included.
void slinecolor(int& icol, int mode);
void sfillcolor(int& icol, int mode);
void stextcolor(int& icol, int mode);
