#pragma once
// The event store: the focal-mechanism events of the last extraction run,
// one fixed-size array per field (a column store), so that a whole column
// (the strikes of nodal plane 2, say) can be handed to a plot as one array.
//
// Indexing: the dialogue numbers events from 1 (event numbers on screen,
// the read and store counters of a run); event i is index i - 1 of every
// array here. Callers convert once, where the number meets the array.
//
// The catalogue reader is the only writer of the counts and the event
// fields; the map writes the work arrays xd and yd. Angles are decimal
// degrees, latitude north and longitude east positive; depth, location
// errors and quality fields are in the units of the catalogue.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "dialogue/edit_descriptors.h"
#include "platform/real.h"

constexpr int maxstored = 60000;

// A text of exactly N characters, blank-padded, without terminator.
template <std::size_t N>
struct FixedText {
  std::array<char, N> c;
  std::string_view view() const { return {c.data(), N}; }
  // Assignment cuts s or pads it with blanks to N characters.
  FixedText& operator=(std::string_view s) {
    const std::string t = ed::pad(s, N);
    std::copy_n(t.data(), N, c.data());
    return *this;
  }
};

template <typename T>
using StoreColumn = std::array<T, maxstored>;

struct FpsBlk {
  int nbstored;   // number of events stored, 0..maxstored
  int idatatype;  // data type of the stored events: 0 none, 1 FPFIT, 2 HASH
  StoreColumn<int> iyear1, imonth1, iday1, ihour1, imn1;  // origin time
  StoreColumn<int> isp1;    // FPFIT #PS
  StoreColumn<int> ipick1;  // pick count: FPFIT #picks, HASH #_P
  StoreColumn<int> ipick2;  // HASH #_S/P
  StoreColumn<int> id1;     // event identifier
  StoreColumn<real> sec1;   // seconds of the origin time
  StoreColumn<real> ratio1;  // FPFIT ratio_p, HASH misfit_S/P
  StoreColumn<real> rlat1, rlong1;  // epicentre, degrees
  StoreColumn<real> depth1, rmag1;
  StoreColumn<real> azgap1;  // azimuthal gap, degrees
  StoreColumn<real> dnst1;   // distance to the nearest station
  StoreColumn<real> rmstt;   // rms of the travel-time residuals
  // Nodal planes, [plane][event] so that each plane is one array:
  // plane 1 (index 0) as read, plane 2 (index 1) computed.
  std::array<StoreColumn<real>, 2> strike1, dip1, rake1;
  StoreColumn<real> estrike1, edip1, erake1;  // plane uncertainties, degrees
  StoreColumn<real> exy1, ez1;                // horizontal and vertical location errors
  StoreColumn<real> qual1;  // FPFIT misfit1, HASH RMS_p1
  StoreColumn<real> qual2;  // FPFIT misfit2, HASH RMS_p2
  StoreColumn<real> qual3;  // FPFIT stndist, HASH misfit_P
  StoreColumn<real> xd, yd;  // map work arrays: projected epicentres
  StoreColumn<char> cmtyp1;  // magnitude type letter
  StoreColumn<char> cflag1;  // FPFIT Cvgc, HASH qual
  StoreColumn<char> cflag2;  // FPFIT mult
  StoreColumn<FixedText<10>> cdate1;    // "yyyy-mm-dd"
  StoreColumn<FixedText<5>> ctime1;     // "hh:mm"
  StoreColumn<FixedText<16>> fpslabel;  // "yyyy-mm-dd hh:mm"
};

// All zero at program start: no events, data type 0.
extern FpsBlk fpsblk;

// Makes the date, time and label texts of event k (0-based) from its date
// and time fields; a number too wide for its digits shows as asterisks.
void fpstexts(int k);
