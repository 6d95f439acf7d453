#pragma once
// Axes of a focal mechanism on a stereonet: each drawn as a marker, a short
// radial line or a short radial arrow at its projected direction, in net
// units of the current sub-plot. The net shows the hemisphere of
// non-negative plunge: an axis given with a negative plunge is drawn at its
// opposite direction.
#include <span>

#include "platform/real.h"

// The axis symbol types. istdtype: with |istdtype| <= 99 the marker type of
// an axis of plunge >= 0 (a negative code fills it), 100 a radial line, 101
// a radial arrow; any other value draws nothing. ialttype: the marker type
// of an axis of negative plunge, used with markers only.
struct DspAxBk {
  int istdtype = 0;
  int ialttype = 0;
};
extern DspAxBk dspaxbk;

// Draws n axes (az, pl: trend and plunge, radians) with the style and
// types of dspaxbk. Markers take the current symbol size and leave the
// current symbol type as it was. Lines and arrows run 0.2 net units along
// the radius: outwards from the axis' point, or, for an axis of negative
// plunge, inwards from its opposite point.
void dspaxfapn2(std::span<const real> az, std::span<const real> pl, int n);

// Setter of the pair (istd standard, ialt alternate) with its menu. Modes
// 0 and 200 check the pair (a type outside -99..101 becomes 1 or -1, with a
// warning) and show the menu; 1 stores without a check; 2, 3 load the
// stored pair, 2 then shows the menu; 4, 5 set (1, -1) and say so, 4 then
// shows the menu; other even modes show the menu. Every mode but 200 stores
// the pair; 200 only edits the caller's pair.
void sdspaxsymb(int& istd, int& ialt, int mode);
