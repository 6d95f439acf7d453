#include "catalogue/records.h"

#include <array>
#include <climits>
#include <cmath>
#include <span>

#include "catalogue/event_store.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

namespace {

// First column of each field of the two layouts, in record order; the
// columns between fields are blank.
constexpr std::array<int, 35> fpfitcols{1,  5,  7,  10, 12, 14, 20, 23,  24,  29,  33,  34,
                                        39, 48, 53, 56, 60, 65, 70, 75,  82,  84,  88,  90,
                                        96, 101, 105, 111, 116, 122, 125, 128, 130, 131, 132};
constexpr std::array<int, 21> hashcols{1,  6,  9,  12, 15, 18, 25, 34, 44,  55, 63,
                                       70, 75, 79, 84, 88, 92, 97, 103, 108, 114};

// The latitude and longitude of an FPFIT record as read, before conversion.
struct Epicentre {
  real latdeg, latmin;
  char hemisphere;  // column 23
  real londeg, lonmin;
  char direction;  // column 33
};

bool blankline(std::string_view line) { return line.find_first_not_of(' ') == std::string_view::npos; }

// The character in column col; a blank beyond the end of the line.
char letter(std::string_view line, int col) {
  const auto j = static_cast<std::size_t>(col - 1);
  return j < line.size() ? line[j] : ' ';
}

// The whole part of x; a value no integer field can hold gives one that
// fills any field with '*'.
long long whole(real x) {
  return std::fabs(x) < 1e18f ? static_cast<long long>(std::trunc(x)) : LLONG_MAX;
}

// Nearest integer in single precision: halves go away from zero.
long long nearest(real x) { return whole(x >= 0 ? x + 0.5f : x - 0.5f); }

// Warning for a hemisphere or direction letter that the layout does not
// allow: the position as read, then what is assumed.
void letterwarning(const Epicentre& p, std::string_view what, std::string_view allowed,
                   std::string_view corrected, std::string_view assumed) {
  warninghead(fpsreadex1id);
  wout(" latitude  degrees   = " + ed::f(p.latdeg, 12, 3));
  wout(" latitude  minutes   = " + ed::f(p.latmin, 12, 3));
  wout(" latitude hemisphere = " + std::string(1, p.hemisphere));
  wout(" longitude degrees   = " + ed::f(p.londeg, 12, 3));
  wout(" longitude minutes   = " + ed::f(p.lonmin, 12, 3));
  wout(" longitude direction = " + std::string(1, p.direction));
  wout(" ---------------------------");
  for (std::string_view text : {what, allowed, corrected, assumed}) say(text);
  warningtail00();
}

// v := deg + min / 60, made negative by a letter of `negative`; a letter
// of neither `negative` nor `positive` leaves it positive and gives false.
bool signedangle(real deg, real min, char letter, std::string_view negative, std::string_view positive,
                 real& v) {
  v = deg + min / 60.0f;
  const bool minus = negative.find(letter) != std::string_view::npos;
  if (minus) v = -v;
  return minus || positive.find(letter) != std::string_view::npos;
}

// The epicentre of slot s from the parts read, in either case of letter:
// 'S' south, blank or 'N' north; blank or 'W' west, 'E' east. Another
// letter is taken as north or east after a warning.
void fpfitepicentre(const Epicentre& p, std::size_t s) {
  if (!signedangle(p.latdeg, p.latmin, p.hemisphere, "Ss", " Nn", fpsblk.rlat1[s]))
    letterwarning(p, "latitude hemisphere", "should be S or blank", "=> LATITUDE NEEDS TO BE CORRECTED",
                  "=> Assuming = North");
  if (!signedangle(p.londeg, p.lonmin, p.direction, " Ww", "Ee", fpsblk.rlong1[s]))
    letterwarning(p, "longitude direction", "should be E or blank", "=> LONGITUDE NEEDS TO BE CORRECTED",
                  "=> Assuming = East");
}

// Whole degrees and minutes of the absolute value of an angle.
struct DegMin {
  long long deg;
  real min;
};
DegMin degmin(real x) {
  const real a = std::fabs(x);
  const real deg = std::trunc(a);
  return {whole(deg), (a - deg) * 60.0f};
}

// Appends the fields of one line to out in record order, each at its
// first column with blanks before it, or after a tab from the one before.
class LineFields {
 public:
  LineFields(std::string& out, std::span<const int> cols, Placing placing)
      : out_(out), start_(out.size()), cols_(cols), placing_(placing) {}
  void i(long long v, int w) { ed::i(next(), v, w); }
  void i(long long v, int w, int m) { ed::i(next(), v, w, m); }
  void f(real x, int w, int d) { ed::f(next(), x, w, d); }
  void a(char c) { next() += c; }

 private:
  std::string& next() {
    if (placing_ == Placing::columns)
      out_.resize(start_ + static_cast<std::size_t>(cols_[j_] - 1), ' ');
    else if (j_ > 0)
      out_ += '\t';
    ++j_;
    return out_;
  }
  std::string& out_;
  std::size_t start_;  // where the line begins in out
  std::span<const int> cols_;
  Placing placing_;
  std::size_t j_ = 0;  // fields placed so far
};

}  // namespace

RecordRead readfpfit(std::string_view line, int k) {
  if (blankline(line)) return RecordRead::blank;
  FpsBlk& b = fpsblk;
  const auto s = static_cast<std::size_t>(k);
  Epicentre p{};
  const bool ok =
      ed::fieldi(line, 1, 4, b.iyear1[s]) && ed::fieldi(line, 5, 2, b.imonth1[s]) &&
      ed::fieldi(line, 7, 2, b.iday1[s]) && ed::fieldi(line, 10, 2, b.ihour1[s]) &&
      ed::fieldi(line, 12, 2, b.imn1[s]) && ed::fieldf(line, 14, 6, 2, b.sec1[s]) &&
      ed::fieldf(line, 20, 3, 0, p.latdeg) && ed::fieldf(line, 24, 5, 2, p.latmin) &&
      ed::fieldf(line, 29, 4, 0, p.londeg) && ed::fieldf(line, 34, 5, 2, p.lonmin) &&
      ed::fieldf(line, 39, 7, 2, b.depth1[s]) && ed::fieldf(line, 48, 5, 2, b.rmag1[s]) &&
      ed::fieldi(line, 53, 3, b.isp1[s]) && ed::fieldf(line, 56, 4, 0, b.azgap1[s]) &&
      ed::fieldf(line, 60, 5, 1, b.dnst1[s]) && ed::fieldf(line, 65, 5, 2, b.rmstt[s]) &&
      ed::fieldf(line, 70, 5, 1, b.exy1[s]) && ed::fieldf(line, 75, 5, 1, b.ez1[s]) &&
      ed::fieldf(line, 84, 3, 0, b.strike1[0][s]) && ed::fieldf(line, 88, 2, 0, b.dip1[0][s]) &&
      ed::fieldf(line, 90, 4, 0, b.rake1[0][s]) && ed::fieldf(line, 96, 4, 2, b.qual1[s]) &&
      ed::fieldi(line, 101, 3, b.ipick1[s]) && ed::fieldf(line, 105, 5, 2, b.qual2[s]) &&
      ed::fieldf(line, 111, 4, 2, b.qual3[s]) && ed::fieldf(line, 116, 4, 2, b.ratio1[s]) &&
      ed::fieldf(line, 122, 2, 0, b.estrike1[s]) && ed::fieldf(line, 125, 2, 0, b.edip1[s]) &&
      ed::fieldf(line, 128, 2, 0, b.erake1[s]) && ed::fieldi(line, 132, 10, b.id1[s]);
  if (!ok) return RecordRead::error;
  p.hemisphere = letter(line, 23);
  p.direction = letter(line, 33);
  b.cmtyp1[s] = letter(line, 82);
  b.cflag1[s] = letter(line, 130);
  b.cflag2[s] = letter(line, 131);
  fpfitepicentre(p, s);
  b.strike1[0][s] -= 90.0f;  // the record gives the dip direction
  return RecordRead::read;
}

RecordRead readhash(std::string_view line, int k) {
  if (blankline(line)) return RecordRead::blank;
  FpsBlk& b = fpsblk;
  const auto s = static_cast<std::size_t>(k);
  int strike = 0, dip = 0, rake = 0, rms1 = 0, rms2 = 0;
  const bool ok =
      ed::fieldi(line, 1, 4, b.iyear1[s]) && ed::fieldi(line, 6, 2, b.imonth1[s]) &&
      ed::fieldi(line, 9, 2, b.iday1[s]) && ed::fieldi(line, 12, 2, b.ihour1[s]) &&
      ed::fieldi(line, 15, 2, b.imn1[s]) && ed::fieldf(line, 18, 6, 3, b.sec1[s]) &&
      ed::fieldi(line, 25, 8, b.id1[s]) && ed::fieldf(line, 34, 9, 5, b.rlat1[s]) &&
      ed::fieldf(line, 44, 10, 5, b.rlong1[s]) && ed::fieldf(line, 55, 7, 3, b.depth1[s]) &&
      ed::fieldf(line, 63, 6, 3, b.rmag1[s]) && ed::fieldi(line, 70, 4, strike) &&
      ed::fieldi(line, 75, 3, dip) && ed::fieldi(line, 79, 4, rake) && ed::fieldi(line, 84, 3, rms1) &&
      ed::fieldi(line, 88, 3, rms2) && ed::fieldi(line, 92, 4, b.ipick1[s]) &&
      ed::fieldf(line, 97, 5, 2, b.qual3[s]) && ed::fieldi(line, 103, 4, b.ipick2[s]) &&
      ed::fieldf(line, 108, 5, 2, b.ratio1[s]);
  if (!ok) return RecordRead::error;
  b.cflag1[s] = letter(line, 114);
  b.strike1[0][s] = static_cast<real>(strike);
  b.dip1[0][s] = static_cast<real>(dip);
  b.rake1[0][s] = static_cast<real>(rake);
  b.qual1[s] = static_cast<real>(rms1);
  b.qual2[s] = static_cast<real>(rms2);
  return RecordRead::read;
}

void fpfitline(std::string& out, int k, Placing placing) {
  const FpsBlk& b = fpsblk;
  const auto s = static_cast<std::size_t>(k);
  LineFields line(out, fpfitcols, placing);
  // month, day, hour and minute: zero-padded in the record
  auto two = [&line, placing](int v) {
    if (placing == Placing::columns)
      line.i(v, 2, 2);
    else
      line.i(v, 2);
  };
  const DegMin lat = degmin(b.rlat1[s]);
  const DegMin lon = degmin(b.rlong1[s]);
  line.i(b.iyear1[s], 4);
  two(b.imonth1[s]);
  two(b.iday1[s]);
  two(b.ihour1[s]);
  two(b.imn1[s]);
  line.f(b.sec1[s], 6, 2);
  line.i(lat.deg, 3);
  line.a(b.rlat1[s] < 0 ? 'S' : ' ');
  line.f(lat.min, 5, 2);
  line.i(lon.deg, 4);
  line.a(b.rlong1[s] < 0 ? ' ' : 'E');
  line.f(lon.min, 5, 2);
  line.f(b.depth1[s], 7, 2);
  line.f(b.rmag1[s], 5, 2);
  line.i(b.isp1[s], 3);
  line.i(nearest(b.azgap1[s]), 4);
  line.f(b.dnst1[s], 5, 1);
  line.f(b.rmstt[s], 5, 2);
  line.f(b.exy1[s], 5, 1);
  line.f(b.ez1[s], 5, 1);
  line.a(b.cmtyp1[s]);
  line.i(nearest(b.strike1[0][s] + 90.0f), 3);  // dip direction, not wrapped
  line.i(nearest(b.dip1[0][s]), 2);
  line.i(nearest(b.rake1[0][s]), 4);
  line.f(b.qual1[s], 4, 2);
  line.i(b.ipick1[s], 3);
  line.f(b.qual2[s], 5, 2);
  line.f(b.qual3[s], 4, 2);
  line.f(b.ratio1[s], 4, 2);
  line.i(nearest(b.estrike1[s]), 2);
  line.i(nearest(b.edip1[s]), 2);
  line.i(nearest(b.erake1[s]), 2);
  line.a(b.cflag1[s]);
  line.a(b.cflag2[s]);
  line.i(b.id1[s], 10);
}

void hashline(std::string& out, int k, Placing placing) {
  const FpsBlk& b = fpsblk;
  const auto s = static_cast<std::size_t>(k);
  LineFields line(out, hashcols, placing);
  line.i(b.iyear1[s], 4);
  line.i(b.imonth1[s], 2);
  line.i(b.iday1[s], 2);
  line.i(b.ihour1[s], 2);
  line.i(b.imn1[s], 2);
  line.f(b.sec1[s], 6, 3);
  line.i(b.id1[s], 8);
  line.f(b.rlat1[s], 9, 5);
  line.f(b.rlong1[s], 10, 5);
  line.f(b.depth1[s], 7, 3);
  line.f(b.rmag1[s], 6, 3);
  line.i(nearest(b.strike1[0][s]), 4);
  line.i(nearest(b.dip1[0][s]), 3);
  line.i(nearest(b.rake1[0][s]), 4);
  line.i(nearest(b.qual1[s]), 3);
  line.i(nearest(b.qual2[s]), 3);
  line.i(b.ipick1[s], 4);
  line.f(b.qual3[s], 5, 2);
  line.i(b.ipick2[s], 4);
  line.f(b.ratio1[s], 5, 2);
  line.a(b.cflag1[s]);
}

std::string writefpfit(int k) {
  std::string line;
  fpfitline(line, k, Placing::columns);
  return line;
}

std::string writehash(int k) {
  std::string line;
  hashline(line, k, Placing::columns);
  return line;
}
