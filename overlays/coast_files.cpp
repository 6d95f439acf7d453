// Readers of the coast and contour line files: UTIG, IGN, GEBCO, USGS
// ASCII dump and GSHHS ASCII polygons. Each reads the open line file to
// its end, counts and lists its curves and draws them.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalogue/angles.h"
#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "map/projection_state.h"
#include "overlays/line_files.h"
#include "plotlib/curve_points.h"
#include "plotlib/user_drawing.h"

namespace {

const std::initializer_list<std::string_view> gshhslabels{
    "line #", "code", "# points", "type", "west", "east", "south", "north"};

// The listing head of the kinds whose column head sits between two rules.
void listheadruled(const LineFile& file, std::initializer_list<std::string_view> labels) {
  if (!outlevel(2)) return;
  listrule();
  listtitle(file.title);
  listrule();
  listhead(labels);
  listrule();
}

// Streams one point of a line (degrees): through the clipping walk, or
// straight to the pen.
void streampoint(const LineFile& file, ClipWalk& walk, real lon, real lat, bool first) {
  if (!file.clip)
    plotpoint(rad(lon), rad(lat), first ? 0 : 1);
  else if (first)
    walk.start(lon, lat);
  else
    walk.next(lon, lat);
}

// Points from..to (1-based) of a UTIG line: pairs of 2-column codes from
// column col, each code c stepping the coordinate by 5.0 - c degrees from
// the point before. False when a code is not a number.
bool utigpoints(std::string_view record, int col, int from, int to) {
  for (int k = from; k <= to; ++k, col += 4) {
    real latcode = 0, loncode = 0;
    if (!ed::fieldf(record, col, 2, 1, latcode) || !ed::fieldf(record, col + 2, 2, 1, loncode))
      return false;
    const auto i = static_cast<std::size_t>(k - 1);
    cc2dbuff.yp[i] = cc2dbuff.yp[i - 1] + (5.0f - latcode);
    cc2dbuff.xp[i] = cc2dbuff.xp[i - 1] + (5.0f - loncode);
  }
  return true;
}

struct GshhsHeader {
  int id = 0, n = 0, level = 0;
  real area = 0, west = 0, east = 0, south = 0, north = 0;
};

bool gshhsheader(std::string_view record, GshhsHeader& h) {
  return ed::fieldi(record, 3, 6, h.id) && ed::fieldi(record, 9, 8, h.n) &&
         ed::fieldi(record, 17, 2, h.level) && ed::fieldf(record, 21, 13, 3, h.area) &&
         ed::fieldf(record, 34, 10, 5, h.west) && ed::fieldf(record, 44, 10, 5, h.east) &&
         ed::fieldf(record, 54, 10, 5, h.south) && ed::fieldf(record, 64, 10, 5, h.north);
}

void gshhsrow(const LineFile& file, const GshhsHeader& h) {
  listrow({file.ncurve, h.id, h.n, h.level}, {h.west, h.east, h.south, h.north});
}

// Whether a polygon lies clear of the box: its longitude range reduced into
// the window (not judged when its east is below its west), then its
// latitude range.
bool gshhsoutside(const LineFile& file, const GshhsHeader& h) {
  const LonWindow& w = file.window;
  const real west = reducedlon(h.west, w.origin), east = reducedlon(h.east, w.origin);
  bool outside = false;
  if (h.east < h.west) {
    warninghead(contours1_id);
    say("PROBLEM IN INPUT FILE ?");
    listrule();
    listhead(gshhslabels);
    gshhsrow(file, h);
    listrule();
    say("longitude mini > maxi");
    say("=> No global longitude clipping for this polygon");
    warningtail00();
  } else if (east >= west) {
    outside = west > w.longmax || east < w.longmin;
  } else {  // the range runs across the window's seam
    outside = west > w.longmax && east < w.longmin;
  }
  return outside || h.south > file.box.latmax || h.north < file.box.latmin;
}

// Reads the n points of a polygon that is not drawn.
ReadStatus gshhsskip(int n) {
  std::array<real, 2> v{};
  for (int k = 0; k < n; ++k)
    if (const ReadStatus r = readreals(v); r != ReadStatus::line) return r;
  return ReadStatus::line;
}

// Streams a polygon's points, longitudes reduced into the window, through
// the clipping walk against the window's box.
ReadStatus gshhsclipped(const LineFile& file, int n) {
  ClipWalk walk({file.window.longmin, file.window.longmax, file.box.latmin, file.box.latmax});
  std::array<real, 2> v{};
  for (int k = 0; k < n; ++k) {
    if (const ReadStatus r = readreals(v); r != ReadStatus::line) return r;
    const real lon = reducedlon(v[0], file.window.origin);
    if (k == 0)
      walk.start(lon, v[1]);
    else
      walk.next(lon, v[1]);
  }
  return ReadStatus::line;
}

// Draws a polygon of n points in pieces of at most mp points, each piece
// beginning with the last point of the one before.
ReadStatus gshhspieces(int n) {
  if (n < 1) return ReadStatus::line;
  std::array<real, 2> v{};
  if (const ReadStatus r = readreals(v); r != ReadStatus::line) return r;
  cc2dbuff.xp[0] = rad(v[0]);
  cc2dbuff.yp[0] = rad(v[1]);
  for (int first = 1; first < n;) {
    const int m = std::min(mp, n - first + 1);
    for (std::size_t i = 1; static_cast<int>(i) < m; ++i) {
      if (const ReadStatus r = readreals(v); r != ReadStatus::line) return r;
      cc2dbuff.xp[i] = rad(v[0]);
      cc2dbuff.yp[i] = rad(v[1]);
    }
    projlln(cc3dbuff.xe, cc3dbuff.ye, cc2dbuff.xp, cc2dbuff.yp, m);
    usline(cc3dbuff.xe, cc3dbuff.ye, m);
    const auto end = static_cast<std::size_t>(m - 1);
    cc2dbuff.xp[0] = cc2dbuff.xp[end];
    cc2dbuff.yp[0] = cc2dbuff.yp[end];
    first += m - 1;
  }
  return ReadStatus::line;
}

// The ending of a file whose reading stopped with r (not ok).
Ending ending(ReadStatus r) { return r == ReadStatus::eof ? Ending::normal : Ending::readerror; }

}  // namespace

// A line: a first record (I3 twice the number of points, F6.1 latitude and
// F7.1 longitude of point 1, then 16 pairs of F2.1 codes for points 2 to
// 17) and, beyond 17 points, continuation records of 20 pairs each. The
// three-digit count keeps a line within 499 points, inside the buffer.
Ending drawutig(LineFile& file) {
  if (outlevel(2)) {
    listrule();
    listtitle(file.title);
    listhead({"line #", "# points"});
    listrule();
  }
  std::string record;
  for (;;) {
    if (const ReadStatus r = readline(lineunit, record); r != ReadStatus::line) return ending(r);
    int twice = 0;
    if (!ed::fieldi(record, 1, 3, twice) || !ed::fieldf(record, 4, 6, 1, cc2dbuff.yp[0]) ||
        !ed::fieldf(record, 10, 7, 1, cc2dbuff.xp[0]))
      return Ending::readerror;
    ++file.ncurve;
    const int points = twice / 2;
    if (outlevel(2)) listrow({file.ncurve, points});
    if (!utigpoints(record, 17, 2, std::min(points, 17))) return Ending::readerror;
    for (int from = 18; from <= points; from += 20) {
      if (const ReadStatus r = readline(lineunit, record); r != ReadStatus::line) return ending(r);
      if (!utigpoints(record, 1, from, std::min(points, from + 19))) return Ending::readerror;
    }
    if (file.clip) {
      ClipWalk walk(file.box);
      for (std::size_t i = 0; static_cast<int>(i) < points; ++i)
        streampoint(file, walk, cc2dbuff.xp[i], cc2dbuff.yp[i], i == 0);
    } else {
      drawbuffer(points);
    }
  }
}

// One point a record: I1 code 1, I1 code 2, F9.4 longitude in columns
// 4-12, F9.4 latitude in columns 14-22. A line is a run of records with the
// same two codes; a record with code 1 equal to 3 or 4 begins a line.
Ending drawign(LineFile& file) {
  listheadruled(file, {"line #"});
  ClipWalk walk(file.box);
  std::string record;
  int code1 = 0, code2 = 0;
  for (bool first = true;; first = false) {
    if (const ReadStatus r = readline(lineunit, record); r != ReadStatus::line) return ending(r);
    int c1 = 0, c2 = 0;
    real lon = 0, lat = 0;
    if (!ed::fieldi(record, 1, 1, c1) || !ed::fieldi(record, 2, 1, c2) ||
        !ed::fieldf(record, 4, 9, 4, lon) || !ed::fieldf(record, 14, 9, 4, lat))
      return Ending::readerror;
    const bool newline = first || c1 != code1 || c2 != code2 || c1 == 3 || c1 == 4;
    if (newline) {
      ++file.ncurve;
      if (outlevel(2)) listrow({file.ncurve});
      code1 = c1;
      code2 = c2;
    }
    streampoint(file, walk, lon, lat, newline);
  }
}

// Free format: a header "code n", then n lines "latitude longitude".
Ending drawgebco(LineFile& file) {
  listheadruled(file, {"line #", "code", "# points"});
  int code = 0, n = 0;
  const ed::ListVar header[] = {&code, &n};
  std::array<real, 2> v{};
  for (;;) {
    if (const ReadStatus r = readvalues(header); r != ReadStatus::line) return ending(r);
    ++file.ncurve;
    if (outlevel(2)) listrow({file.ncurve, code, n});
    for (int k = 0; k < n; ++k) {
      if (const ReadStatus r = readreals(v); r != ReadStatus::line) return ending(r);
      plotpoint(rad(v[1]), rad(v[0]), k == 0 ? 0 : 1);
    }
  }
}

// Records read in their first 25 columns: "latitude longitude" free
// format; a blank record, or a latitude of -998 or less, ends a line.
Ending drawusgs(LineFile& file) {
  listheadruled(file, {"line #"});
  std::string record;
  std::array<real, 2> v{};
  bool inline_ = false;  // a line is in progress
  for (;;) {
    if (const ReadStatus r = readline(lineunit, record); r != ReadStatus::line) return ending(r);
    const std::string_view text = std::string_view(record).substr(0, 25);
    if (ed::trim(text).empty()) {
      inline_ = false;
      continue;
    }
    if (!parsereals(text, v)) return Ending::readerror;
    if (!inline_) {
      ++file.ncurve;
      if (outlevel(2)) listrow({file.ncurve});
    }
    if (v[0] <= -998.0f) {
      inline_ = false;
      continue;
    }
    plotpoint(rad(v[1]), rad(v[0]), inline_ ? 1 : 0);
    inline_ = true;
  }
}

// A polygon: a fixed-column header (identifier, n, level, area, west,
// east, south, north), then n lines "longitude latitude" free format.
Ending drawgshhs(LineFile& file) {
  listheadruled(file, gshhslabels);
  std::string record;
  for (;;) {
    if (const ReadStatus r = readline(lineunit, record); r != ReadStatus::line) return ending(r);
    GshhsHeader h;
    if (!gshhsheader(record, h)) return Ending::readerror;
    ReadStatus r = ReadStatus::line;
    if (file.clip && gshhsoutside(file, h)) {
      r = gshhsskip(h.n);
    } else {
      ++file.ncurve;
      if (outlevel(2)) gshhsrow(file, h);
      if (file.clip) {
        if (outlevel(2))
          listrow56(reducedlon(h.west, file.window.origin), reducedlon(h.east, file.window.origin));
        r = gshhsclipped(file, h.n);
      } else {
        r = gshhspieces(h.n);
      }
    }
    if (r != ReadStatus::line) return ending(r);
  }
}
