#pragma once
// The choice of the map projection: a menu of the 25 projections, then
// the parameters of the one chosen and the map origin.

// Sets the projection code iproj (stored in projtype): modes 2 and 3
// start from the stored code, 4 and 5 initialise the whole projection
// state to its defaults (code 15), any other mode starts from the given
// code. An even mode shows the menu; then the code is applied, its
// parameters asked (even modes) or taken again (odd modes) and the origin
// offsets recomputed.
void sprojll2(int& iproj, int inter);

// The figure of a point of the globe projected onto the map plane.
void screenproj();
