#pragma once
// Points on the current map: one point typed in the menu, or up to 1000
// read from a column data file (longitude and latitude, or X and Y), each
// drawn as the point settings' marker in the user units of the current
// sub-plot, and listed on the console.

// Mode 4 or 5 sets the point settings to their defaults; any other mode
// runs the menu "MAPPING POINTS" until 99. lproj: the coordinates are
// degrees to project through the current map projection (true) or map
// plot units used as they are; code 13 changes it. The plot attributes in
// force are restored on leaving.
void mappoint(bool& lproj, int mode);
