#pragma once
// What the line-file menu and the readers of the six kinds share: the file
// being drawn, the listing lines, free-format reading, and the drawing of
// points with and without the clipping walk.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"
#include "platform/real.h"

// Line files are read on this unit, one at a time.
constexpr int lineunit = 2;
// Width in which a line file's name is shown.
constexpr std::size_t linenamewidth = 30;

extern const RoutineId contours1_id;

// A box of longitudes and latitudes, degrees.
struct LlBox {
  real lonmin, lonmax, latmin, latmax;
};

// The longitude window [origin, origin + 360) and the box's longitude
// bounds reduced into it (degrees).
struct LonWindow {
  real origin, longmin, longmax;
};

// The line file being drawn.
struct LineFile {
  std::string fname;  // the name opened, whole
  std::string title;  // first line of the listing
  bool clip;          // clip to the box
  LlBox box;          // the box of the call
  LonWindow window;   // meaningful while clip is on
  int ncurve = 0;     // curves counted, as each kind counts them
};

// How the reading of a file ended.
enum class Ending { normal, readerror };

// The readers of the kinds: each reads the open file to one of its endings.
Ending drawutig(LineFile& file);
Ending drawign(LineFile& file);
Ending drawgebco(LineFile& file);
Ending drawusgs(LineFile& file);
Ending drawgshhs(LineFile& file);
// The selection polygon file's points per degree are stored in nptdeg.
Ending drawselpolygon(LineFile& file, real& nptdeg);

// Message lines on the standard output unit: a text and an integer in I6;
// a text and a real in F9.3.
void intitem(std::string_view text, long long v);
void realitem(std::string_view text, real v);

// The listing: its 65-hyphen rule, a title line, a column head (labels
// right-aligned in 7 columns), a row (up to four integers, then reals in
// F7.1) and the row that shows two reals under the fifth and sixth labels.
void listrule();
void listtitle(std::string_view title);
void listhead(std::initializer_list<std::string_view> labels);
void listrow(std::initializer_list<int> counts, std::initializer_list<real> values = {});
void listrow56(real v5, real v6);

// Reads the variables from the line file, list-directed (edit_descriptors.h),
// beginning on a new line; a value that cannot be read fails the read.
ReadStatus readvalues(std::span<const ed::ListVar> vars);
// Reads values.size() reals (at most four) the same way.
ReadStatus readreals(std::span<real> values);
// The reals of one text (a record already read), list-directed.
bool parsereals(std::string_view text, std::span<real> values);

// lon reduced into [origin, origin + 360) (degrees).
real reducedlon(real lon, real origin);

// Projects a point given in radians and moves the pen (ipen 0) or draws
// (ipen 1) to it.
void plotpoint(real lonr, real latr, int ipen);
// The first n points of cc2dbuff (degrees, turned into radians in place),
// projected into cc3dbuff and drawn as one polyline.
void drawbuffer(int n);

// The clipping walk along one line against a box: a segment is drawn whole
// when one of its ends is in the box (edges included); points are given in
// degrees.
class ClipWalk {
 public:
  explicit ClipWalk(const LlBox& box) : box_(box) {}
  // The first point of a line.
  void start(real lon, real lat);
  // Each further point.
  void next(real lon, real lat);

 private:
  int zone(real lon, real lat) const;
  LlBox box_;
  real plon_ = 0, plat_ = 0;  // previous point, radians
  int pzone_ = -1;            // its zone
};
