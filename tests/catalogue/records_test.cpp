// FPFIT and HASH catalogue records: reading lines into the event store,
// writing stored events back, and the real catalogue files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "catalogue/event_store.h"
#include "catalogue/records.h"
#include "console_capture.h"

namespace {

// Lines in the writer's own layout: written back byte for byte.
const std::string fpfit1 =
    "20010203 0405  6.78 43 36.00 120 12.00  10.50   2.50 12 100  5.0 0.10  0.5  0.8  D 120 60-120  0.05  25  "
    "0.10 0.50 0.30   5  7  9      123456";
const std::string fpfit2 =
    "20090307 1430  0.00 33S30.00  70E15.00   5.25   3.10  8  90 12.5 0.15  0.4  0.9  L 300 45  90  0.10  30  "
    "0.20 0.40 0.25  10 15 20CM   7654321";
const std::string hash1 =
    "2010  1  9 23 59 12.345  9876543  34.12345 -118.54321   7.125  3.250  275  80 -170  25  30   40  0.12    8  "
    "0.25 A";
const std::string hash2 =
    "2010 12 31  0  0  0.000        1 -33.12345  151.00000  12.000  4.000   10  30   45   5   6   12  0.05    3  "
    "0.10 B";

// line with text put from the 1-based column col on.
std::string with(std::string line, int col, std::string_view text) {
  line.replace(static_cast<size_t>(col - 1), text.size(), text);
  return line;
}

// Columns from..to (1-based, inclusive) of a line.
std::string cols(const std::string& line, int from, int to) {
  return line.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1));
}

long warnings(ConsoleCapture& console) {
  const auto lines = console.lines();
  return std::count(lines.begin(), lines.end(), " ///               WARNING               ///");
}

std::vector<std::string> filelines(const std::string& name) {
  std::ifstream in(std::string(MECARO_REAL_DATA) + "/" + name);
  EXPECT_TRUE(in) << name;
  std::vector<std::string> out;
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

TEST(Records, CanonicalLinesComeBackByteForByte) {
  struct Layout {
    std::vector<std::string> lines;
    size_t width;
    RecordRead (*read)(std::string_view, int);
    std::string (*write)(int);
  };
  ConsoleCapture console;
  for (const Layout& layout : {Layout{{fpfit1, fpfit2}, 141, readfpfit, writefpfit},
                               Layout{{hash1, hash2}, 114, readhash, writehash}}) {
    for (const std::string& line : layout.lines) {
      ASSERT_EQ(line.size(), layout.width);
      ASSERT_EQ(layout.read(line, 0), RecordRead::read);
      EXPECT_EQ(layout.write(0), line);
    }
  }
  EXPECT_EQ(console.text(), "");
}

TEST(FpfitRecord, FieldsGoToTheirSlotConverted) {
  ConsoleCapture console;
  ASSERT_EQ(readfpfit(fpfit1, 4), RecordRead::read);
  const FpsBlk& b = fpsblk;
  EXPECT_EQ(b.iyear1[4], 2001);
  EXPECT_EQ(b.imn1[4], 5);
  EXPECT_FLOAT_EQ(b.sec1[4], 6.78f);
  EXPECT_FLOAT_EQ(b.rlat1[4], 43.6f);
  EXPECT_FLOAT_EQ(b.rlong1[4], -120.2f);  // blank direction letter: west
  EXPECT_FLOAT_EQ(b.strike1[0][4], 30.0f);  // dip direction 120
  EXPECT_EQ(b.dip1[0][4], 60.0f);
  EXPECT_EQ(b.rake1[0][4], -120.0f);
  EXPECT_EQ(b.azgap1[4], 100.0f);
  EXPECT_EQ(b.ipick1[4], 25);
  EXPECT_EQ(b.erake1[4], 9.0f);
  EXPECT_EQ(b.cmtyp1[4], 'D');
  EXPECT_EQ(b.id1[4], 123456);
  ASSERT_EQ(readfpfit(fpfit2, 5), RecordRead::read);
  EXPECT_FLOAT_EQ(b.rlat1[5], -33.5f);
  EXPECT_FLOAT_EQ(b.rlong1[5], 70.25f);
  EXPECT_EQ(b.cflag1[5], 'C');
  EXPECT_EQ(b.cflag2[5], 'M');
}

TEST(FpfitRecord, HemisphereLettersDegreesAndMinutesWritten) {
  struct Case {
    real lat, lon;
    const char* latcols;  // 20-28
    const char* loncols;  // 29-38
    real latback, lonback;
  };
  const Case cases[] = {
      {-0.5f, -120.5f, "  0S30.00", " 120 30.00", -0.5f, -120.5f},
      {33.99999f, 3.25f, " 33 60.00", "   3E15.00", 34.0f, 3.25f},  // minutes carry to 60.00
      {0.0f, 0.0f, "  0  0.00", "   0E 0.00", 0.0f, 0.0f},
  };
  ConsoleCapture console;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.latcols);
    ASSERT_EQ(readfpfit(fpfit1, 0), RecordRead::read);
    fpsblk.rlat1[0] = c.lat;
    fpsblk.rlong1[0] = c.lon;
    const std::string line = writefpfit(0);
    EXPECT_EQ(cols(line, 20, 28), c.latcols);
    EXPECT_EQ(cols(line, 29, 38), c.loncols);
    ASSERT_EQ(readfpfit(line, 1), RecordRead::read);
    EXPECT_FLOAT_EQ(fpsblk.rlat1[1], c.latback);
    EXPECT_FLOAT_EQ(fpsblk.rlong1[1], c.lonback);
  }
  EXPECT_EQ(console.text(), "");
}

TEST(FpfitRecord, NearestIntegersAndDipDirection) {
  ConsoleCapture console;
  ASSERT_EQ(readfpfit(with(fpfit1, 84, " 30"), 0), RecordRead::read);
  EXPECT_EQ(fpsblk.strike1[0][0], -60.0f);  // not brought into a range
  EXPECT_EQ(cols(writefpfit(0), 84, 86), " 30");
  fpsblk.strike1[0][0] = 300.4f;
  fpsblk.azgap1[0] = 123.5f;
  fpsblk.rake1[0][0] = -2.5f;
  fpsblk.estrike1[0] = 2.5f;
  std::string line = writefpfit(0);
  EXPECT_EQ(cols(line, 84, 86), "390");  // no wrap
  EXPECT_EQ(cols(line, 56, 59), " 124");  // halves away from zero
  EXPECT_EQ(cols(line, 90, 93), "  -3");
  EXPECT_EQ(cols(line, 122, 123), " 3");
  fpsblk.azgap1[0] = -0.5f;
  EXPECT_EQ(cols(writefpfit(0), 56, 59), "  -1");
}

TEST(FpfitRecord, ValueTooWideIsStarsAndReadsBackAsError) {
  ConsoleCapture console;
  ASSERT_EQ(readfpfit(fpfit1, 0), RecordRead::read);
  fpsblk.depth1[0] = 123456.0f;
  fpsblk.strike1[0][0] = 1000.0f;
  const std::string line = writefpfit(0);
  EXPECT_EQ(cols(line, 39, 45), "*******");
  EXPECT_EQ(cols(line, 84, 86), "***");
  EXPECT_EQ(line.size(), 141u);
  EXPECT_EQ(readfpfit(line, 1), RecordRead::error);
}

// Both cases of the letters real files write; the writer keeps its own.
TEST(FpfitRecord, HemisphereAndDirectionLettersInEitherCase) {
  struct Case {
    char letter;
    int col;
    real value;
    const char* written;  // columns 20-38 written back
  };
  const std::string base = with(with(fpfit1, 29, " 120"), 34, "30.00");
  const Case cases[] = {
      {' ', 23, 43.6f, " 43 36.00 120 30.00"},  {'N', 23, 43.6f, " 43 36.00 120 30.00"},
      {'n', 23, 43.6f, " 43 36.00 120 30.00"},  {'S', 23, -43.6f, " 43S36.00 120 30.00"},
      {'s', 23, -43.6f, " 43S36.00 120 30.00"}, {' ', 33, -120.5f, " 43 36.00 120 30.00"},
      {'W', 33, -120.5f, " 43 36.00 120 30.00"}, {'w', 33, -120.5f, " 43 36.00 120 30.00"},
      {'E', 33, 120.5f, " 43 36.00 120E30.00"},  {'e', 33, 120.5f, " 43 36.00 120E30.00"},
  };
  ConsoleCapture console;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("letter '") + c.letter + "' in column " + std::to_string(c.col));
    ASSERT_EQ(readfpfit(with(base, c.col, std::string(1, c.letter)), 0), RecordRead::read);
    EXPECT_FLOAT_EQ(c.col == 23 ? fpsblk.rlat1[0] : fpsblk.rlong1[0], c.value);
    EXPECT_EQ(cols(writefpfit(0), 20, 38), c.written);
  }
  EXPECT_EQ(console.text(), "");
}

TEST(FpfitRecord, OtherLettersAreTakenAsNorthOrEastAfterAWarning) {
  Answers console;
  const std::string west = with(with(fpfit1, 29, " 120"), 34, "30.00");
  ASSERT_EQ(readfpfit(with(west, 33, "5"), 0), RecordRead::read);
  EXPECT_FLOAT_EQ(fpsblk.rlong1[0], 120.5f);
  const std::vector<std::string> expected{
      " ///////////////////////////////////////////",
      " ///        subroutine fpsreadex1        ///",
      " ///               WARNING               ///",
      " ///////////////////////////////////////////",
      " latitude  degrees   =       43.000",
      " latitude  minutes   =       36.000",
      " latitude hemisphere =  ",
      " longitude degrees   =      120.000",
      " longitude minutes   =       30.000",
      " longitude direction = 5",
      " ---------------------------",
      " longitude direction",
      " should be E or blank",
      " => LONGITUDE NEEDS TO BE CORRECTED",
      " => Assuming = East",
      " ///////////////////////////////////////////",
  };
  EXPECT_EQ(console.lines(), expected);

  Answers both;
  ASSERT_EQ(readfpfit(with(with(fpfit2, 23, "x"), 33, "-"), 1), RecordRead::read);
  EXPECT_FLOAT_EQ(fpsblk.rlat1[1], 33.5f);  // north
  EXPECT_FLOAT_EQ(fpsblk.rlong1[1], 70.25f);
  const auto lines = both.lines();
  const auto lat = std::find(lines.begin(), lines.end(), " => Assuming = North");
  const auto lon = std::find(lines.begin(), lines.end(), " => Assuming = East");
  EXPECT_TRUE(lat < lon && lon != lines.end());
  EXPECT_EQ(warnings(both), 2);
}

TEST(FpfitRecord, FixedColumnReadingRules) {
  ConsoleCapture console;
  ASSERT_EQ(readfpfit(with(with(fpfit1, 48, "     "), 24, " 3512"), 0), RecordRead::read);
  EXPECT_EQ(fpsblk.rmag1[0], 0.0f);                         // all blank
  EXPECT_FLOAT_EQ(fpsblk.rlat1[0], 43.0f + 35.12f / 60.0f);  // implied decimals
  // A short line reads as if padded with blanks.
  ASSERT_EQ(readfpfit(fpfit1.substr(0, 100), 0), RecordRead::read);
  EXPECT_EQ(fpsblk.ipick1[0], 0);
  EXPECT_EQ(fpsblk.id1[0], 0);
  EXPECT_EQ(fpsblk.cflag1[0], ' ');
}

TEST(FpfitRecord, BlankLineIsNoEventAndNotANumberIsAnError) {
  ConsoleCapture console;
  fpsblk.iyear1[7] = 1234;
  EXPECT_EQ(readfpfit("", 7), RecordRead::blank);
  EXPECT_EQ(readfpfit(std::string(141, ' '), 7), RecordRead::blank);
  EXPECT_EQ(fpsblk.iyear1[7], 1234);
  for (const auto& [col, text] : std::vector<std::pair<int, std::string>>{
           {48, "  1e1"},        // exponent
           {48, "  nan"},        // not a number to Fortran either way
           {48, "1.2.3"},        // two decimal points
           {1, "20O1"},          // a letter
           {53, "  -"},          // a sign alone in an integer field
           {132, "9999999999"},  // beyond 32 bits
       }) {
    EXPECT_EQ(readfpfit(with(fpfit1, col, text), 0), RecordRead::error) << text;
  }
  EXPECT_EQ(console.text(), "");
}

TEST(HashRecord, FieldsReadAndFieldsItDoesNotCarry) {
  ConsoleCapture console;
  ASSERT_EQ(readfpfit(fpfit2, 0), RecordRead::read);
  ASSERT_EQ(readhash(hash1, 0), RecordRead::read);
  EXPECT_EQ(fpsblk.strike1[0][0], 275.0f);
  EXPECT_EQ(fpsblk.rake1[0][0], -170.0f);
  EXPECT_EQ(fpsblk.qual2[0], 30.0f);
  EXPECT_FLOAT_EQ(fpsblk.rlong1[0], -118.54321f);  // signed, no letters
  EXPECT_EQ(fpsblk.ipick2[0], 8);
  EXPECT_EQ(fpsblk.cflag1[0], 'A');
  // What an FPFIT record left in the slot stays.
  EXPECT_EQ(fpsblk.isp1[0], 8);
  EXPECT_EQ(fpsblk.azgap1[0], 90.0f);
  EXPECT_EQ(fpsblk.erake1[0], 20.0f);
  EXPECT_EQ(fpsblk.cmtyp1[0], 'L');
  EXPECT_EQ(fpsblk.cflag2[0], 'M');
  EXPECT_EQ(writehash(0), hash1);
  fpsblk.strike1[0][0] = 274.5f;
  fpsblk.qual1[0] = -0.5f;
  const std::string line = writehash(0);
  EXPECT_EQ(cols(line, 70, 73), " 275");
  EXPECT_EQ(cols(line, 84, 86), " -1");
  EXPECT_EQ(readhash(with(hash1, 70, "27.5"), 0), RecordRead::error);  // an integer field
  EXPECT_EQ(readhash(std::string(114, ' '), 0), RecordRead::blank);
}

// The real FPFIT files: per file, the events it holds and the warnings
// its letters give (only the digit in the direction column warns).
TEST(RealCatalogues, FpfitFilesReadAndComeBack) {
  struct File {
    const char* name;
    size_t events;
    long warnings;
  };
  for (const File& f : {File{"fpfit_example_hinv.fps", 6, 0}, File{"fpfit_example_h71.fps", 4, 0},
                        File{"fpfit_example_ell.fps", 3, 3}}) {
    SCOPED_TRACE(f.name);
    Answers console;
    const auto lines = filelines(f.name);
    ASSERT_EQ(lines.size(), f.events);
    for (size_t j = 0; j < lines.size(); ++j) {
      const int k = static_cast<int>(j), back = 100 + k;
      ASSERT_EQ(readfpfit(lines[j], k), RecordRead::read) << j + 1;
      const std::string written = writefpfit(k);
      ASSERT_EQ(readfpfit(written, back), RecordRead::read);
      EXPECT_EQ(writefpfit(back), written);
      for (const auto column : {&FpsBlk::rlat1, &FpsBlk::rlong1, &FpsBlk::depth1, &FpsBlk::sec1,
                                 &FpsBlk::qual2}) {
        EXPECT_FLOAT_EQ((fpsblk.*column)[j], (fpsblk.*column)[100 + j]);
      }
      EXPECT_EQ(fpsblk.strike1[0][j], fpsblk.strike1[0][100 + j]);
      EXPECT_EQ(fpsblk.rake1[0][j], fpsblk.rake1[0][100 + j]);
    }
    EXPECT_EQ(warnings(console), f.warnings);
  }
}

TEST(RealCatalogues, FpfitValuesAsTheFilesShowThem) {
  Answers console;
  const FpsBlk& b = fpsblk;
  // Hypoinverse input: blank letters, west longitudes; only the hour is
  // blank-padded where the writer zero-pads it.
  const auto hinv = filelines("fpfit_example_hinv.fps");
  ASSERT_EQ(readfpfit(hinv[0], 0), RecordRead::read);
  EXPECT_EQ(b.ihour1[0], 2);
  EXPECT_FLOAT_EQ(b.rlat1[0], 36.0f + 30.64f / 60.0f);
  EXPECT_FLOAT_EQ(b.rlong1[0], -(121.0f + 4.92f / 60.0f));
  EXPECT_EQ(b.strike1[0][0], 45.0f);
  EXPECT_EQ(b.cmtyp1[0], 'C');
  EXPECT_EQ(b.id1[0], 30124752);
  for (size_t j = 0; j < hinv.size(); ++j) {
    ASSERT_EQ(readfpfit(hinv[j], 0), RecordRead::read);
    std::string zerofilled = hinv[j];
    if (zerofilled[9] == ' ') zerofilled[9] = '0';
    EXPECT_EQ(writefpfit(0), zerofilled);
  }
  // HYPO71 input: 'n' is north, 'w' west; blank fields read 0.
  const auto h71 = filelines("fpfit_example_h71.fps");
  ASSERT_EQ(readfpfit(h71[0], 0), RecordRead::read);
  EXPECT_EQ(b.imonth1[0], 1);
  EXPECT_FLOAT_EQ(b.rlat1[0], 36.0f + 46.46f / 60.0f);
  EXPECT_FLOAT_EQ(b.rlong1[0], -(121.0f + 16.28f / 60.0f));
  EXPECT_EQ(b.azgap1[0], 0.0f);
  EXPECT_EQ(b.dip1[0][0], 30.0f);  // rake glued to the dip
  EXPECT_EQ(b.rake1[0][0], -110.0f);
  EXPECT_EQ(b.id1[0], 0);
  ASSERT_EQ(readfpfit(h71[1], 0), RecordRead::read);
  EXPECT_EQ(b.cflag2[0], '*');
  ASSERT_EQ(readfpfit(h71[3], 0), RecordRead::read);
  EXPECT_FLOAT_EQ(b.depth1[0], -0.2f);
  // Hypoellipse input: 'N' is north, a digit in the direction column east.
  const auto ell = filelines("fpfit_example_ell.fps");
  ASSERT_EQ(readfpfit(ell[0], 0), RecordRead::read);
  EXPECT_FLOAT_EQ(b.rlat1[0], 58.0f + 41.51f / 60.0f);
  EXPECT_FLOAT_EQ(b.rlong1[0], 155.0f + 11.28f / 60.0f);
  EXPECT_FLOAT_EQ(b.depth1[0], 135.31f);
  EXPECT_EQ(b.strike1[0][0], -35.0f);
}

// The HASH file at hand is the 170-column driver output, another layout:
// none of its lines passes for a HASH record.
TEST(RealCatalogues, HashDriverOutputIsNotAHashRecord) {
  ConsoleCapture console;
  const auto lines = filelines("hash_example1.out");
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines) EXPECT_EQ(readhash(line, 0), RecordRead::error) << line;
}

}  // namespace
