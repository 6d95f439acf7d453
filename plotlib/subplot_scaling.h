#pragma once
// Scaling of a sub-plot: its user-to-centimetre map, given as a matrix
// form (sus2cm1) or as a rectangle of user space put into a rectangle of
// the page (sus2cm3), with their dialogues. The setters work on the current
// sub-plot, or on all sub-plots in modes 6 and 7, and while the window is
// open derive the current sub-plot's device and inverse maps.
//
// Modes: 0 ask offering the given values; 1 store them; 2 ask offering the
// stored values; 3 return the stored values (sus2cm1 also stores them back
// and derives); 4 ask offering the defaults; 5 store the defaults; 6 and 7
// as 4 and 5 for every sub-plot; any other mode the given values, asked
// when the mode is even. No value is checked.
#include "platform/real.h"

// xcm = xx xu + xy yu + xcm0, ycm = yx xu + yy yu + ycm0.
// Defaults: xcm0 = ycm0 = 10, the identity matrix.
void sus2cm1(real& xcm0, real& ycm0, real& xx, real& xy, real& yx, real& yy, int mode);
// The user rectangle xumin..xumax, yumin..yumax drawn in the page rectangle
// of lengths xlcm, ylcm from (xcm0, ycm0); isoxy 1 makes the X and Y scales
// equal (the smaller of the two). Defaults: (2, 2) cm, 15 x 15 cm, -10..10
// both ways, isoxy 1.
void sus2cm3(real& xcm0, real& ycm0, real& xlcm, real& ylcm, real& xumin, real& xumax,
             real& yumin, real& yumax, int& isoxy, int mode);

// True when the current sub-plot's user-to-centimetre matrix can be
// inverted; a scaling never set is all zeros and cannot.
bool invertiblescaling();

// The dialogues: the current values shown at output level 2, then, when
// the user wants to alter them, each asked in turn.
void mus2cm1(real& xcm0, real& ycm0, real& xx, real& xy, real& yx, real& yy);
void mus2cm3(real& xcm0, real& ycm0, real& xlcm, real& ylcm, real& xumin, real& xumax,
             real& yumin, real& yumax, int& isoxy);
