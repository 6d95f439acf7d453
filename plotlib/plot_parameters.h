#pragma once
// Plot parameters: their initialisation when the plot window opens.

// Modes 4 to 9 initialise the coordinate systems: the angle constants again
// (4, 5, 8, 9), the centimetre-to-device map of the open window, every
// sub-plot's user-to-device map derived again from its kept
// user-to-centimetre map (6, 7) or every user-to-centimetre map reset to
// its default (4, 5, 8, 9), and sub-plot 1 made current. Other modes do
// nothing.
void splotparam2(int mode);
