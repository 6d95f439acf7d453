#include "overlays/column_reader.h"

#include <gtest/gtest.h>

#include <array>

#include "column_harness.h"
#include "dialogue/units.h"
#include "overlays/column_setup.h"

namespace {

using Lines = std::vector<std::string>;
using Values = std::vector<real>;
constexpr int unit = 12;
constexpr real untouched = -99.0f;

struct Reading {
  int ierr = -1, nrowread = -1, ncolused = -1;
  Values x, y;  // table columns 1 and 2
  std::array<std::string, 2> namrcol{std::string(10, ' '), std::string(10, ' ')};
  std::string title = std::string(20, ' ');
  Lines lines;
  bool leftopen = true;
};

// Reads a sample file as the map points do (4 lines previewed, 2 without
// data, title on line 1, names on line 2, file columns jf into table
// columns 1 and 2 of nrowtab rows, only file columns editable), the file
// name and every other answer typed in answers.
Reading readtable(const std::string& answers, int nrowtab = 1000, std::array<int, 2> jf = {1, 2}) {
  InDataFolder here;
  Answers console(answers);
  Reading r;
  r.x.assign(static_cast<std::size_t>(nrowtab) + 1, untouched);
  r.y = r.x;
  const std::array<std::span<real>, 2> table{r.x, r.y};
  std::array<int, 2> jcola{1, 2};
  std::array<std::string, 2> namvara{"X-long    ", "Y-lat     "};
  std::string fname(40, ' ');
  int ndisp = 4, iskip = 2, ititle = 1, iheader = 2, nvar = 2;
  readreal6(r.ierr, r.title, fname, "long-lat data input", unit, ndisp, iskip, ititle, iheader,
            jcola, jf, namvara, nvar, 2, table, r.namrcol, r.nrowread, r.ncolused, nrowtab, 2, 1,
            0);
  r.lines = console.lines();
  r.leftopen = unitopen(unit);
  closeunit(unit);
  return r;
}

Values firstrows(const Values& v, std::size_t n) {
  return Values(v.begin(), v.begin() + static_cast<long>(n));
}

// Answers that accept the header set-up, the columns and the reading.
const std::string acceptall = "99\n99\n\n";

TEST(ColumnReader, ReadsTitleNamesAndRowsOverBlankAndContinuedLines) {
  const Reading r = readtable("epicentres.dat\n" + acceptall);
  EXPECT_EQ(r.ierr, 0);
  ASSERT_EQ(r.nrowread, 4);
  EXPECT_EQ(r.ncolused, 2);
  // Row 2 is a comma-separated line, row 3 spans a line of one value after
  // a blank line, row 4 has more columns than read, the last a word.
  EXPECT_EQ(firstrows(r.x, 5), (Values{10.0f, 12.5f, -3.0f, 7.25f, untouched}));
  EXPECT_EQ(firstrows(r.y, 5), (Values{45.0f, 44.0f, 41.5f, 43.5f, untouched}));
  EXPECT_EQ(r.title, "  'Epicentres to mar");
  EXPECT_EQ(r.namrcol, (std::array<std::string, 2>{"lon       ", "lat       "}));
  EXPECT_EQ(from(r.lines, " Could read up to:  1000 lines", 2),
            (Lines{" Could read up to:  1000 lines", " Actually read   :     4 lines"}));
  EXPECT_TRUE(contains(r.lines, " Title: 'Epicentres to mark'"));
  EXPECT_TRUE(contains(r.lines, " input file epicentres.dat closed"));
  EXPECT_FALSE(r.leftopen);
}

TEST(ColumnReader, ReadsAFileWithoutHeaderLines) {
  const Reading r = readtable("untitled.dat\n120\n0\n130\n0\n110\n0\n" + acceptall);
  EXPECT_EQ(r.ierr, 0);
  ASSERT_EQ(r.nrowread, 4);
  EXPECT_EQ(firstrows(r.x, 4), (Values{1, 3, 5, 7}));
  EXPECT_EQ(firstrows(r.y, 4), (Values{2, 4, 6, 8}));
  EXPECT_EQ(r.title, "Untitled            ");
  EXPECT_EQ(r.namrcol, (std::array<std::string, 2>{"File.col.1", "File.col.2"}));
  // The title is not looked for, by the reader, the column menu nor the
  // data pass.
  EXPECT_EQ(std::count(r.lines.begin(), r.lines.end(), " ==> NOT ATTEMPTING TO READ TITLE"), 3);
}

TEST(ColumnReader, SlashAndEmptyValuesKeepThePreviousLineValues) {
  // File columns 1 and 3: rows "1 2 3", "4 /", ",7,," and "8,9,10".
  const Reading r = readtable("nulls.dat\n" + acceptall, 1000, {1, 3});
  ASSERT_EQ(r.nrowread, 4);
  EXPECT_EQ(firstrows(r.x, 4), (Values{1, 4, 4, 8}));
  EXPECT_EQ(firstrows(r.y, 4), (Values{3, 3, 3, 10}));
  // Names are cut to 11 characters, and shown in 10.
  EXPECT_EQ(readrealsetup.namfcol[0], "first colum");
  EXPECT_EQ(r.namrcol[0], "first colu");
}

TEST(ColumnReader, AnUnfinishedLastLineIsReportedNotStored) {
  const Reading r = readtable("unfinished.dat\n" + acceptall, 1000, {1, 3});
  EXPECT_EQ(r.ierr, 0);
  EXPECT_EQ(r.nrowread, 1);
  EXPECT_EQ(r.x[1], untouched);
  EXPECT_TRUE(contains(r.lines, " END OF FILE INSIDE DATA LINE   2"));
}

TEST(ColumnReader, AFullTableIsReadWithAWarning) {
  const Reading r = readtable("epicentres.dat\n" + acceptall, 4);
  EXPECT_EQ(r.nrowread, 4);
  EXPECT_EQ(r.x[3], 7.25f);
  EXPECT_TRUE(contains(r.lines, " The array size has been reached"));
}

TEST(ColumnReader, AWordInPlaceOfANumberLeadsToTheRecoveryMenu) {
  const Reading r = readtable("malformed.dat\n" + acceptall + "99\n");
  EXPECT_EQ(r.ierr, 1);
  EXPECT_FALSE(r.leftopen);
  EXPECT_EQ(from(r.lines, " WHILE READING   2 th DATA LINE", 3),
            (Lines{" WHILE READING   2 th DATA LINE", " IN FILE: malformed.dat",
                   " input file malformed.dat rewound"}));
  EXPECT_EQ(from(r.lines, " WHILE READING DATA", 6),
            (Lines{" WHILE READING DATA", " IN FILE: malformed.dat", " " + std::string(30, '-'),
                   " Try again on same file ......1", " New file ....................0",
                   " Exit .......................99"}));
  EXPECT_TRUE(contains(r.lines, " input file malformed.dat closed"));
}

TEST(ColumnReader, MoreLinesToSkipThanTheFileHoldsIsAReadingError) {
  // The largest count: nothing of the file, title included, is data.
  const Reading r = readtable("epicentres.dat\n110\n2147483647\n" + acceptall + "99\n");
  EXPECT_EQ(r.ierr, 1);
  EXPECT_EQ(r.x[0], untouched);
  EXPECT_TRUE(contains(r.lines, " WHILE READING   9 th HEADER LINE"));
  EXPECT_FALSE(r.leftopen);
}

TEST(ColumnReader, NanAndInfAreNoNumbersAndAnotherFileCanBeRead) {
  // Row 2 begins with "nan": tried again on the same file, then (the
  // default answer) another file is opened.
  const Reading r = readtable("notanumber.dat\n" + acceptall + "1\n" + acceptall + "\n" +
                              "epicentres.dat\n" + acceptall);
  EXPECT_EQ(r.ierr, 0);
  EXPECT_EQ(r.nrowread, 4);
  EXPECT_EQ(std::count(r.lines.begin(), r.lines.end(), " WHILE READING   2 th DATA LINE"), 2);
  EXPECT_TRUE(contains(r.lines, " input file notanumber.dat rewound"));
  EXPECT_TRUE(contains(r.lines, " input file notanumber.dat closed"));
}

TEST(ColumnReader, AFileShorterThanThePreviewIsReadAfterAShorterPreview) {
  const Reading r = readtable("short.dat\n99\n1\n100\n3\n" + acceptall);
  EXPECT_EQ(r.ierr, 0);
  EXPECT_EQ(r.nrowread, 1);
  EXPECT_TRUE(contains(r.lines, " WHILE READING HEADER LINES"));
  EXPECT_TRUE(contains(r.lines, " input file short.dat rewound"));
}

TEST(ColumnReader, ExitWithoutReadingClosesTheFile) {
  const Reading r = readtable("epicentres.dat\n99\n99\n99\n");
  EXPECT_EQ(r.ierr, 1);
  EXPECT_EQ(r.nrowread, -1);
  EXPECT_FALSE(r.leftopen);
  EXPECT_TRUE(contains(r.lines, " EXITING WITHOUT READING DATA FILE"));
}

class ReadingPasses : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(openunit(unit, samplefile("short.dat"), OpenStatus::old)); }
  void TearDown() override { closeunit(unit); }
  Answers console;
  std::string title = std::string(20, ' ');
};

TEST_F(ReadingPasses, TitleBeyondTheEndOfTheFile) {
  int ierr = 0;
  getftitle1(ierr, title, "short.dat", unit, 5, 1);  // the file has 3 lines
  EXPECT_EQ(ierr, 2);
  EXPECT_TRUE(contains(console.lines(), " READING ERROR WHILE SKIPPING   4 th LINE"));
  getftitle1(ierr, title, "short.dat", unit, 4, 1);
  EXPECT_EQ(ierr, 1);
  EXPECT_EQ(title, "Untitled            ");
  EXPECT_TRUE(contains(console.lines(), " WHILE TRYING TO READ TITLE IN   4 th LINE"));
  getftitle1(ierr, title, "short.dat", unit, 1, 1);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(title, "'Short'             ");
}

TEST_F(ReadingPasses, ColumnNames) {
  std::array<std::string, 3> names;
  int ierr = 0;
  getfnamcol(ierr, names, 3, 3, "short.dat", unit, 0, 0);
  EXPECT_EQ(names, (std::array<std::string, 3>{"File.col.1 ", "File.col.2 ", "File.col.3 "}));
  EXPECT_TRUE(contains(console.lines(), " Name of column   2 File.col.2 "));
  // Line 2 holds two names; the third is looked for on line 3, a number,
  // taken as an unquoted name.
  getfnamcol(ierr, names, 3, 3, "short.dat", unit, 2, 1);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(names, (std::array<std::string, 3>{"x          ", "y          ", "1          "}));
  getfnamcol(ierr, names, 3, 2, "short.dat", unit, 4, 1);
  EXPECT_EQ(ierr, 1);
  EXPECT_EQ(names[0], "File.col.1 ");
  std::string line;
  readline(unit, line);
  EXPECT_EQ(line, "'Short'");
}

}  // namespace
