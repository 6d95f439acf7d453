#pragma once
// Line, fill and text attributes of the plot: one setter each. Every setter
// takes the value and a setter mode: 0 ask offering the value, 1 store it,
// 2 ask offering the stored value, 3 return the stored value, 4 ask
// offering the default, 5 set the default and say so; any other mode only
// warns. A value out of range in modes 0 and 1 is reset with a warning and
// the caller's variable receives what is stored.
#include "platform/real.h"

// Fill style of polygons: 0 hollow, 1 filled (default). Above 1 becomes
// the remainder of a division by 2, below 0 becomes 1 (checked in every
// mode but 2 to 5).
void sfillstyle(int& istyle, int mode);
// Line style: not used; nothing is read, printed or changed.
void slinestyle(int& istyle, int mode);
// Line thickness in cm, above 0.01 up to 1000 (default 0.02, also the
// reset value); applied to the open window in modes 0 to 5.
void slinewidth(real& thickness, int mode);
// Font number 1..15 (default 1); every number selects the same face on
// the open window. A number out of range is not stored.
void stextfont(int& ifont, int mode);
// Text height in cm, above 0.02 up to 1000 (default 0.5, also the reset
// value); applied to the open window, stored with a warning while it is
// closed.
void stextsize(real& height, int mode);
// Text angle in degrees, counter-clockwise (default 0).
void stextangle(real& angle, int mode);
// Justification code -11..11 (default -1; out of range becomes -1). The
// codes without a position become -1 (0, -4, -8) or 1 (4, 8) when stored.
void stextalign(int& ijust, int mode);
