#include "overlays/column_setup.h"

#include <gtest/gtest.h>

#include "column_harness.h"
#include "dialogue/units.h"

namespace {

using Lines = std::vector<std::string>;
constexpr int unit = 12;

// The first ndisp lines of a sample file shown with the header laid out as
// given; show returns the error flag, set beforehand to 7 so that a cleared
// flag is seen. The file stays open on unit.
class Preview : public ::testing::Test {
 protected:
  int show(const std::string& name, int ndisp, int iskip, int ititle, int iheader) {
    path = samplefile(name);
    EXPECT_TRUE(openunit(unit, path, OpenStatus::old));
    int ierr = 7;
    showfhead1(ierr, path, unit, ndisp, iskip, ititle, iheader);
    return ierr;
  }
  void TearDown() override { closeunit(unit); }
  Answers console;
  std::string path;
};

TEST_F(Preview, TagsEachLineByItsRole) {
  EXPECT_EQ(show("layout.dat", 4, 3, 2, 2), 0);
  const std::string tag = " ==>Line nb:";
  EXPECT_EQ(
      from(console.lines(), tag + "   1 = Header to skip ==========", 9),
      (Lines{tag + "   1 = Header to skip ==========", " skip me",
             tag + "   2 = Header: Title ===========", tag + "   2 = Header: Column names ====",
             " title and names", tag + "   3 = Header to skip ==========", " skip me too",
             tag + "   4 = Data ====================", " 1 2"}));
  // The file is left at its first line.
  std::string line;
  readline(unit, line);
  EXPECT_EQ(line, "skip me");
}

TEST_F(Preview, SplitsLongLinesAndShowsBlankOnesWhole) {
  show("wide.dat", 3, 0, 0, 0);
  const Lines lines = console.lines();
  const Lines wide = from(lines, " " + std::string(100, 'x'), 8);
  ASSERT_EQ(wide.size(), 8u);
  EXPECT_EQ(wide[1], " " + std::string(100, 'x'));
  EXPECT_EQ(wide[2], " " + std::string(49, 'x') + "y");
  EXPECT_EQ(wide[3], " ==>Line nb:   3 = Data ====================");
  for (int k = 4; k < 8; ++k)
    EXPECT_EQ(wide[static_cast<std::size_t>(k)], " " + std::string(100, ' '));
}

TEST_F(Preview, StopsAtTheEndOfAShortFile) {
  EXPECT_EQ(show("short.dat", 5, 2, 1, 2), 1);
  const Lines lines = console.lines();
  EXPECT_EQ(missing(lines, {" ==>Line nb:   4 = Data ====================", " REACHED END OF FILE",
                            " WHILE READING   4 th LINE"}), Lines{});
  EXPECT_FALSE(contains(lines, " ==>Line nb:   5 = Data ===================="));
  std::string line;
  readline(unit, line);
  EXPECT_EQ(line, "'Short'");
}

TEST(HeaderSetUp, InitialisesSilentlyApartFromItsHead) {
  Answers console;
  int ierr = 0, ndisp = 0, iskip = 0, ititle = 0, iheader = 0;
  sfheader1(ierr, ndisp, iskip, ititle, iheader, "", unit, 5);
  EXPECT_EQ(console.lines().back(), " INITIALIZING INPUT FILE HEADER");
  EXPECT_EQ((std::array{ndisp, iskip, ititle, iheader}), (std::array{3, 2, 1, 2}));
  const ReadRealSetup& r = readrealsetup;
  EXPECT_EQ((std::array{r.ndisp, r.iskip, r.ititle, r.iheader}), (std::array{3, 2, 1, 2}));
}

TEST(HeaderSetUp, ResetsATitleLineBeyondTheHeaderOnEntry) {
  Answers console;
  int ierr = 0, ndisp = 4, iskip = 2, ititle = 5, iheader = 2;
  sfheader1(ierr, ndisp, iskip, ititle, iheader, "", unit, 1);
  EXPECT_EQ(ititle, 0);
  EXPECT_EQ(readrealsetup.ititle, 0);
  EXPECT_TRUE(contains(console.lines(), " ititle =   5 > iskip =   2"));
  EXPECT_TRUE(contains(console.lines(), " ===> RESET ititle =   0"));
}

TEST(HeaderSetUp, MenuChangesTheSettingsAndStoresThem) {
  // A file that is not open: a warning in place of the preview.
  Answers console("100\n6\n110\n3\n120\n3\n130\n0\n900\n99\n");
  int ierr = 0, ndisp = 4, iskip = 2, ititle = 1, iheader = 2;
  sfheader1(ierr, ndisp, iskip, ititle, iheader, "nowhere.dat", unit, 0);
  EXPECT_EQ((std::array{ndisp, iskip, ititle, iheader}), (std::array{6, 3, 3, 0}));
  const ReadRealSetup& r = readrealsetup;
  EXPECT_EQ((std::array{r.ndisp, r.iskip, r.ititle, r.iheader}), (std::array{6, 3, 3, 0}));
  const Lines lines = console.lines();
  EXPECT_EQ(missing(lines, {" Input file nowhere.dat is not opened",
                            " nb of lines to display in dialog.100   6",
                            " line nb to read column header....130   0",
                            " Enter line number to read column headers",
                            "           ACCEPTABLE FILE FORMAT           "}), Lines{});
}

TEST(HeaderSetUp, ANegativeHeaderCountLeavesTheLineQuestionsAnswerable) {
  // Lines within 0 to a negative count would admit no answer: 0 stays one.
  Answers console("110\n-2\n120\n0\n99\n");
  int ierr = 0, ndisp = 4, iskip = 2, ititle = 1, iheader = 2;
  sfheader1(ierr, ndisp, iskip, ititle, iheader, "", unit, 0);
  EXPECT_EQ(iskip, -2);
  EXPECT_EQ(ititle, 0);
}

}  // namespace
