#include "overlays/column_assignment.h"

#include <gtest/gtest.h>

#include <array>

#include "column_harness.h"
#include "dialogue/units.h"
#include "overlays/column_setup.h"

namespace {

using Lines = std::vector<std::string>;
using Names = std::array<std::string, 3>;
constexpr int unit = 12;

// Three variables for a table of ncoltab columns; the file is not open
// unless a test opens it.
class Assignment : public ::testing::Test {
 protected:
  void TearDown() override { closeunit(unit); }
  // Runs the column assignment at edit level ialter with nvar variables,
  // the answers typed; returns the console lines.
  Lines run(const std::string& answers, int ialter, int mode, int nvar_ = 2) {
    Answers console(answers);
    nvar = nvar_;
    scol2var2(ierr, jcola, jfcola, namvara, nvar, 3, namrcol, ncolused, ncoltab, "points.dat", unit,
              ialter, mode);
    return console.lines();
  }
  std::array<int, 3> jcola{1, 2, 2}, jfcola{1, 2, 3};
  Names namvara{"X-long    ", "Y-lat     ", "Z         "};
  Names namrcol{std::string(10, ' '), std::string(10, ' '), std::string(10, ' ')};
  int nvar = 2, ncolused = -1, ncoltab = 3, ierr = -1;
};

TEST_F(Assignment, InitialisesTheDefaultCorrespondence) {
  ncoltab = 2;
  run("", 1, 5);
  EXPECT_EQ(nvar, 0);
  EXPECT_EQ(jcola, (std::array{1, 2, 2}));
  EXPECT_EQ(jfcola, (std::array{1, 2, 3}));
  EXPECT_EQ(namvara, (Names{"Variable.1", "Variable.2", "Variable.3"}));
  const ReadRealSetup& r = readrealsetup;
  EXPECT_EQ(r.nvar, 0);
  EXPECT_EQ(r.ncolfil, 0);
  EXPECT_EQ((std::array{r.jcol[0], r.jcol[1], r.jcol[2], r.jcol[98]}), (std::array{1, 2, 2, 2}));
  EXPECT_EQ((std::array{r.jfcol[0], r.jfcol[2], r.jfcol[98]}), (std::array{1, 3, 99}));
  EXPECT_EQ(r.namvar[98], "Variable.99");
}

TEST_F(Assignment, NamesTableColumnsAfterTheirFileColumns) {
  // File columns 3 and 5 into table columns 1 and 2; a later variable in
  // the same table column names it.
  jfcola = {3, 5, 4};
  jcola = {1, 2, 2};
  const Lines lines = run("", 1, 1, 3);
  EXPECT_EQ(readrealsetup.ncolfil, 5);
  EXPECT_EQ(ncolused, 2);
  EXPECT_EQ(readrealsetup.namfcol[4], "File.col.5 ");
  EXPECT_EQ(namrcol, (Names{"File.col.3", "File.col.4", "Nodata.3  "}));
  EXPECT_TRUE(contains(lines, " Input file is not opened"));
  // The silent mode shows no menu, and the record receives the variables.
  EXPECT_FALSE(contains(lines, " SET UP IS OK, EXIT AND PROCEED ...99"));
  EXPECT_EQ(readrealsetup.nvar, 3);
  EXPECT_EQ(readrealsetup.jfcol[1], 5);
  EXPECT_EQ(readrealsetup.namvar[2], "Z          ");
}

TEST_F(Assignment, ColumnsOutsideTheirRangesAreReset) {
  jfcola = {120, 0, 3};
  jcola = {7, 1, 1};
  const Lines lines = run("", 1, 1);
  EXPECT_EQ((std::array{jfcola[0], jfcola[1]}), (std::array{1, 1}));
  EXPECT_EQ(jcola[0], 3);
  EXPECT_TRUE(contains(lines, "     file col nb to read = 120"));
  EXPECT_TRUE(contains(lines, " ====> RESET file col nb =   1"));
  EXPECT_TRUE(contains(lines, "     array col nb to store  =   7"));
}

TEST_F(Assignment, ReadsTheFileColumnNamesOfAnOpenFile) {
  readrealsetup.ititle = 1;
  readrealsetup.iheader = 2;
  ASSERT_TRUE(openunit(unit, samplefile("epicentres.dat"), OpenStatus::old));
  const Lines lines = run("300\n1\n99\n", 1, 0);
  EXPECT_EQ(ierr, 0);
  EXPECT_EQ(namrcol, (Names{"lon       ", "lat       ", "Nodata.3  "}));
  EXPECT_TRUE(contains(lines, " Title: 'Epicentres to mark'"));
  EXPECT_EQ(from(lines, " | 1|X-long    | 1|lon       | 1|lon       | 1", 4),
            (Lines{" | 1|X-long    | 1|lon       | 1|lon       | 1",
                   " | 2|Y-lat     | 2|lat       | 2|lat       | 2",
                   " ------------------------------------------- |",
                   " Command to modify correspondance <----------+"}));
  // After code 300 with 1, the table columns are listed.
  EXPECT_TRUE(contains(lines, " | 3|Nodata.3  |"));
}

TEST_F(Assignment, EditLevelZeroChangesNothing) {
  const Lines lines = run("1\n200\n99\n", 0, 0);
  EXPECT_TRUE(contains(lines, " | 1|X-long    | 1|File.col.1| 1|File.col.1|"));
  EXPECT_TRUE(contains(lines, " " + std::string(43, '-')));
  EXPECT_FALSE(contains(lines, " Modifying correspondance"));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), " SET UP IS OK, EXIT AND PROCEED ...99"), 3);
}

TEST_F(Assignment, EditLevelOneAsksOnlyTheFileColumn) {
  const Lines lines = run("2\n7\n99\n", 1, 0);
  EXPECT_EQ(jfcola[1], 7);
  EXPECT_TRUE(contains(lines, "  Variable name  = Y-lat     "));
  EXPECT_TRUE(contains(lines, " Enter New file column nb"));
  EXPECT_FALSE(contains(lines, " Enter New array column nb"));
  EXPECT_FALSE(contains(lines, " Enter New variable name"));
  EXPECT_EQ(readrealsetup.jfcol[1], 7);
  EXPECT_EQ(readrealsetup.ncolfil, 7);
}

TEST_F(Assignment, EditLevelFourChangesNamesColumnsAndCount) {
  // Variable 1 renamed and moved; 200 raises the count to 3, which resets
  // variables 2 and 3; lowering it to 1 changes no variable.
  jcola = {2, 1, 1};
  jfcola = {5, 6, 6};
  run("1\nDepth\n3\n4\n200\n3\n200\n1\n99\n", 4, 0);
  EXPECT_EQ(nvar, 1);
  EXPECT_EQ(namvara[0], "Depth     ");
  EXPECT_EQ(jcola, (std::array{3, 2, 3}));
  EXPECT_EQ(jfcola, (std::array{4, 2, 3}));
  EXPECT_EQ(namvara[1], "Variable.2");
  EXPECT_EQ(readrealsetup.nvar, 1);
  EXPECT_EQ(readrealsetup.namvar[0], "Depth      ");
}

TEST_F(Assignment, AModeOutOfRangeKeepsTheVariablesWithinTheArrays) {
  // The user goes on after the mode's error; 5 variables do not fit in 3.
  const Lines lines = run("n\n\n", 1, 7, 5);
  EXPECT_EQ(nvar, 3);
  EXPECT_TRUE(contains(lines, " inter = 7"));
  EXPECT_TRUE(contains(lines, " ===> RESET nvar =   3"));
}

TEST_F(Assignment, StoredModesStartFromTheRecord) {
  run("", 1, 1);  // stores X-long, Y-lat in columns 1, 2
  namvara = {"a", "b", "c"};
  jfcola = {9, 9, 9};
  nvar = 0;
  run("", 1, 3, 0);
  EXPECT_EQ(nvar, 2);
  EXPECT_EQ((std::array{jfcola[0], jfcola[1]}), (std::array{1, 2}));
  EXPECT_EQ(namvara[0], "X");  // cut to the caller's length
}

}  // namespace
