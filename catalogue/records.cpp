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

char letter(std::string_view line, int col) { return ed::fielda(line, col, 1)[0]; }

// The whole part of x; a value no integer field can hold gives one that
// fills any field with '*'.
long long whole(real x) {
  return std::fabs(x) < 1e18f ? static_cast<long long>(std::trunc(x)) : LLONG_MAX;
}

// Nearest integer in single precision: halves go away from zero.
long long nearest(real x) { return whole(x >= 0 ? x + 0.5f : x - 0.5f); }

// Warning for a hemisphere or direction letter that is not one of the
// two the layout allows: the position as read, then what is assumed.
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

// v := deg + min / 60, made negative by the letter `negative`; another
// letter than `negative` and `positive` leaves it positive and gives false.
bool signedangle(real deg, real min, char letter, char negative, char positive, real& v) {
  v = deg + min / 60.0f;
  if (letter == negative) v = -v;
  return letter == negative || letter == positive;
}

// The epicentre of slot s from the parts read: 'S' south, blank north;
// blank west, 'E' east; another letter is taken as north or east.
void fpfitepicentre(const Epicentre& p, std::size_t s) {
  if (!signedangle(p.latdeg, p.latmin, p.hemisphere, 'S', ' ', fpsblk.rlat1[s]))
    letterwarning(p, "latitude hemisphere", "should be S or blank", "=> LATITUDE NEEDS TO BE CORRECTED",
                  "=> Assuming = North");
  if (!signedangle(p.londeg, p.lonmin, p.direction, ' ', 'E', fpsblk.rlong1[s]))
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

// The fields placed at their first columns, blanks between them.
std::string placed(const std::vector<std::string>& fields, std::span<const int> cols) {
  std::string line;
  for (std::size_t j = 0; j < fields.size(); ++j) {
    line.resize(static_cast<std::size_t>(cols[j] - 1), ' ');
    line += fields[j];
  }
  return line;
}

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

std::vector<std::string> fpfitfields(int k, bool zeropad) {
  const FpsBlk& b = fpsblk;
  const auto s = static_cast<std::size_t>(k);
  auto two = [zeropad](int v) { return zeropad ? ed::i(v, 2, 2) : ed::i(v, 2); };
  const DegMin lat = degmin(b.rlat1[s]);
  const DegMin lon = degmin(b.rlong1[s]);
  return {ed::i(b.iyear1[s], 4),
          two(b.imonth1[s]),
          two(b.iday1[s]),
          two(b.ihour1[s]),
          two(b.imn1[s]),
          ed::f(b.sec1[s], 6, 2),
          ed::i(lat.deg, 3),
          b.rlat1[s] < 0 ? "S" : " ",
          ed::f(lat.min, 5, 2),
          ed::i(lon.deg, 4),
          b.rlong1[s] < 0 ? " " : "E",
          ed::f(lon.min, 5, 2),
          ed::f(b.depth1[s], 7, 2),
          ed::f(b.rmag1[s], 5, 2),
          ed::i(b.isp1[s], 3),
          ed::i(nearest(b.azgap1[s]), 4),
          ed::f(b.dnst1[s], 5, 1),
          ed::f(b.rmstt[s], 5, 2),
          ed::f(b.exy1[s], 5, 1),
          ed::f(b.ez1[s], 5, 1),
          std::string(1, b.cmtyp1[s]),
          ed::i(nearest(b.strike1[0][s] + 90.0f), 3),  // dip direction, not wrapped
          ed::i(nearest(b.dip1[0][s]), 2),
          ed::i(nearest(b.rake1[0][s]), 4),
          ed::f(b.qual1[s], 4, 2),
          ed::i(b.ipick1[s], 3),
          ed::f(b.qual2[s], 5, 2),
          ed::f(b.qual3[s], 4, 2),
          ed::f(b.ratio1[s], 4, 2),
          ed::i(nearest(b.estrike1[s]), 2),
          ed::i(nearest(b.edip1[s]), 2),
          ed::i(nearest(b.erake1[s]), 2),
          std::string(1, b.cflag1[s]),
          std::string(1, b.cflag2[s]),
          ed::i(b.id1[s], 10)};
}

std::vector<std::string> hashfields(int k) {
  const FpsBlk& b = fpsblk;
  const auto s = static_cast<std::size_t>(k);
  return {ed::i(b.iyear1[s], 4),
          ed::i(b.imonth1[s], 2),
          ed::i(b.iday1[s], 2),
          ed::i(b.ihour1[s], 2),
          ed::i(b.imn1[s], 2),
          ed::f(b.sec1[s], 6, 3),
          ed::i(b.id1[s], 8),
          ed::f(b.rlat1[s], 9, 5),
          ed::f(b.rlong1[s], 10, 5),
          ed::f(b.depth1[s], 7, 3),
          ed::f(b.rmag1[s], 6, 3),
          ed::i(nearest(b.strike1[0][s]), 4),
          ed::i(nearest(b.dip1[0][s]), 3),
          ed::i(nearest(b.rake1[0][s]), 4),
          ed::i(nearest(b.qual1[s]), 3),
          ed::i(nearest(b.qual2[s]), 3),
          ed::i(b.ipick1[s], 4),
          ed::f(b.qual3[s], 5, 2),
          ed::i(b.ipick2[s], 4),
          ed::f(b.ratio1[s], 5, 2),
          std::string(1, b.cflag1[s])};
}

std::string writefpfit(int k) { return placed(fpfitfields(k, true), fpfitcols); }

std::string writehash(int k) { return placed(hashfields(k), hashcols); }
