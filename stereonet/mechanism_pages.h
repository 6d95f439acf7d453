#pragma once
// The focal-mechanism stereonet plots: one small net per event of the
// store, with its label below, both nodal planes as great circles and
// three axes as symbols, in columns of five nets.
//
// fpsbchbll draws the P, B and T axes, 20 nets to a page with page
// captions; fpsseis3 draws the principal stress axes s1, s2, s3, every
// event on the current page. Both are menu components: modes 4 and 5
// initialise their kept settings, any other mode runs the set-up menu
// until its exit code 99.
//
// The arrays hold the strike, dip and rake of nodal planes 1 and 2 and the
// label of each event; events 1 .. n (indices 0 .. n-1) are drawn. isub is
// the sub-plot every net is placed through.
#include <span>

#include "catalogue/event_store.h"
#include "platform/real.h"

using EventLabel = FixedText<16>;

// iangunit 1: the angles are degrees; any other value: radians.
void fpsbchbll(std::span<const real> azd1, std::span<const real> dipd1,
               std::span<const real> rakd1, std::span<const real> azd2,
               std::span<const real> dipd2, std::span<const real> rakd2,
               std::span<const EventLabel> label0, int nmax, int n, int isub, int iangunit,
               int mode);
// The angles are degrees.
void fpsseis3(std::span<const real> azd1, std::span<const real> dipd1,
              std::span<const real> rakd1, std::span<const real> azd2,
              std::span<const real> dipd2, std::span<const real> rakd2,
              std::span<const EventLabel> label0, int nmax, int n, int isub, int mode);
