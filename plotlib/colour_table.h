#pragma once
// The colour table as a whole: its start-up content and its menu, which
// shows the table and changes the number of colours, one colour, or reads
// the whole table from a colour table file.
//
// Colour table file, read list-directed (values separated by blanks, tabs
// or commas; a record may go on over several lines; values after the last
// one needed on a line are ignored): first the number of colours n, then
// n + 1 records of index, red, green and blue (percent) and name (quoted
// when it holds blanks), indices in any order. Every value passes through
// the setters' resets. A file that ends early or holds a value that is not
// a number where one is due stops the read with an error banner naming the
// record; what was read before stays set.
#include <string_view>

#include "platform/real.h"

// Modes 4 and 5 set the start-up table (12 colours: background white,
// black, dark red, green, blue, cyan, magenta, yellow and four greys);
// every even mode (4 after setting) then shows the menu until 99. Other
// odd modes do nothing.
void scolortable(int mode);

// The colour listing: its heading, and the row of one colour, the name
// shown in 10 columns (a shorter name is pushed right, a longer one cut).
void colourheading();
void colourrow(int index, std::string_view name, real red, real green, real blue);
