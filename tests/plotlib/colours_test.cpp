#include "plotlib/colours.h"

#include <gtest/gtest.h>

#include <fstream>

#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"
#include "plot_harness.h"
#include "plotlib/colour_table.h"
#include "plotlib/plot_records.h"

namespace {

using Lines = std::vector<std::string>;

// The start-up table with the colour indices at their defaults (line 1,
// fill 8, text 1). Each test captures the console and keeps banners from
// waiting.
class Colours : public ::testing::Test {
 protected:
  void SetUp() override {
    ConsoleCapture quiet;
    plt2blk = Plt2Blk{};
    scolortable(5);
    plt2blk.ilinecolor = 1;
    plt2blk.ifillcolor = 8;
    plt2blk.itextcolor = 1;
  }
  static std::string name(int k) { return pltcharblk.colornam[colorindex(k)]; }
  static std::array<real, 3> rgb(int k) {
    const std::size_t c = colorindex(k);
    return {plt2blk.RED[c], plt2blk.GREEN[c], plt2blk.BLUE[c]};
  }
};

// An entry as the colour menus take it: a blank name and zero components,
// which the modes that return the entry fill in.
struct Entry {
  std::string text = std::string(35, ' ');
  real red = 0.0f, green = 0.0f, blue = 0.0f;
  void set(int index, int mode) { scolorrgb(index, text, red, green, blue, mode); }
};

// The colour table menu reading a file written with text, in a scratch
// folder; console holds the dialogue.
class ColourFile : public Colours {
 protected:
  void read(const std::string& text, const std::string& more = "") {
    std::ofstream("colours.txt") << text;
    console.reset();  // gives the keyboard back before the next capture takes it
    console = std::make_unique<ConsoleCapture>("300\ncolours.txt\n" + more + "99\n");
    iocom.lpause = false;
    scolortable(0);
  }
  Lines lines() { return console->lines(); }

  ScratchDirectory dir;
  std::unique_ptr<ConsoleCapture> console;
};

}  // namespace

TEST_F(Colours, StartUpTableSaysOnlyItsOwnLines) {
  ConsoleCapture console;
  plt2blk = Plt2Blk{};
  scolortable(5);
  EXPECT_EQ(console.lines(),
            (Lines{" " + std::string(43, '@'), " @ subroutine scolortable",
                   " @" + std::string(42, '='), " INITIALIZING COLOR TABLE:",
                   " 0   -> BKG = WHITE", " 1   -> FRG = BLACK", " 2-4 -> RGB COLORS",
                   " 5-7 -> CMY COLORS", " 8   -> GREY 50%"}));
  EXPECT_EQ(plt2blk.ncolor, 12);
  EXPECT_EQ(plt2blk.icolorplot, 1);
  EXPECT_EQ(name(0), "White-bk");
  EXPECT_EQ(name(6), "Magenta ");
  EXPECT_EQ(rgb(0), (std::array<real, 3>{100.0f, 100.0f, 100.0f}));
  EXPECT_EQ(rgb(2), (std::array<real, 3>{50.0f, 0.0f, 0.0f}));
  EXPECT_EQ(rgb(7), (std::array<real, 3>{50.0f, 50.0f, 0.0f}));
  EXPECT_EQ(rgb(12), (std::array<real, 3>{30.0f, 30.0f, 30.0f}));
  // The colour indices are left to the plot parameters.
  EXPECT_EQ(plt2blk.ilinecolor, 0);
}

TEST_F(Colours, FewerColoursBringTheIndicesIntoRange) {
  Answers console;
  int ncol = 1;
  scolornb(ncol, 1);
  EXPECT_EQ(plt2blk.ncolor, 1);
  EXPECT_EQ(plt2blk.icolorplot, 0);
  EXPECT_EQ(plt2blk.ifillcolor, 1);  // 8 divided by 2 leaves 0, which becomes 1
  EXPECT_EQ(plt2blk.ilinecolor, 1);
  EXPECT_EQ(plt2blk.itextcolor, 1);
  const Lines lines = console.lines();
  EXPECT_EQ(notonce(lines, {" The nb of colors has been reduced", " trying to set color nb =      8",
                            " ===> RESET color nb    =      1"}), Lines{});
  EXPECT_EQ(lines.back(), " ==> checking done");
}

TEST_F(Colours, CountOutOfRangeIsResetWithAWarning) {
  Answers console;
  int ncol = 13;
  scolornb(ncol, 1);
  EXPECT_EQ(ncol, 12);
  EXPECT_EQ(plt2blk.ncolor, 12);
  ncol = 0;
  scolornb(ncol, 1);
  EXPECT_EQ(plt2blk.ncolor, 1);
  EXPECT_EQ(notonce(console.lines(), {" trying to set nb of color  =  13",
                                      " max nb of color  =  12", " min nb of color  = 1",
                                      " ===> RESET nb of color =   1"}), Lines{});
}

TEST_F(Colours, CountMenuCancelChangesNothingUpdateApplies) {
  Answers console("10\n3\n98\n10\n1\n99\n");
  int ncol = 0;
  scolornb(ncol, 2);
  EXPECT_EQ(plt2blk.ncolor, 12);
  EXPECT_EQ(plt2blk.icolorplot, 1);
  scolornb(ncol, 2);
  EXPECT_EQ(plt2blk.ncolor, 1);
  EXPECT_EQ(plt2blk.icolorplot, 0);
  EXPECT_EQ(countof(console.lines(), " NB of colors =   1 ==> Black & White plot"), 1);
}

TEST_F(Colours, IndexSettersWrapAboveTheCountAndResetBelowZero) {
  Answers console;
  int icol = 13;
  slinecolor(icol, 1);
  EXPECT_EQ(plt2blk.ilinecolor, 1);  // 13 divided by 13 leaves 0
  icol = 20;
  slinecolor(icol, 1);
  EXPECT_EQ(plt2blk.ilinecolor, 7);
  icol = -2;
  stextcolor(icol, 1);
  EXPECT_EQ(plt2blk.itextcolor, 1);
  EXPECT_EQ(countof(console.lines(), " when min color nb      = 0"), 1);
  icol = 5;
  sfillcolor(icol, 6);  // unknown mode: nothing stored
  EXPECT_EQ(plt2blk.ifillcolor, 8);
  EXPECT_EQ(countof(console.lines(), " inter =      6"), 1);
  sfillcolor(icol, 5);
  EXPECT_EQ(console.lines().back(), " INITIALISING FILL COLOR TO: Grey20  ");
}

TEST_F(Colours, IndexDialogueListsTheColoursWithinTheirRange) {
  Answers console("13\n4\n");
  int icol = 0;
  sfillcolor(icol, 2);
  EXPECT_EQ(plt2blk.ifillcolor, 4);
  EXPECT_EQ(notonce(console.lines(), {"      FILL COLOR", " current value:      8",
                                      " White-bk.................  0",
                                      " Grey70  ................. 12"}), Lines{});
}

TEST_F(Colours, EntryIndexAndComponentsAreBroughtIntoRange) {
  Answers console;
  int index = 15;
  std::string text = "Orange";
  real red = 120.0f, green = -5.0f, blue = 30.0f;
  scolorrgb(index, text, red, green, blue, 1);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(name(2), "Orange  ");
  EXPECT_EQ(rgb(2), (std::array<real, 3>{100.0f, 0.0f, 30.0f}));
  EXPECT_EQ(countof(console.lines(), " trying to set color nb = 15"), 1);
  EXPECT_EQ(countof(console.lines(), " ===> RESET nb of color = 2"), 1);
  index = -1;
  text = "White-background";
  scolorrgb(index, text, red, green, blue, 1);
  EXPECT_EQ(name(1), "White-ba");
  // Mode 3 returns the entry, the name at the caller's length.
  index = 1;
  text = std::string(12, '*');
  scolorrgb(index, text, red, green, blue, 3);
  EXPECT_EQ(text, "White-ba    ");
}

TEST_F(Colours, EntryMenuCancelsOrStoresTheEdit) {
  Answers console("20\nOchre\n30\n80\n60\n10\n98\n20\nOchre\n99\n");
  Entry entry;
  entry.set(5, 2);
  EXPECT_EQ(name(5), "Cyan    ");
  entry.set(5, 2);
  EXPECT_EQ(name(5), "Ochre   ");
  EXPECT_EQ(rgb(5), (std::array<real, 3>{0.0f, 50.0f, 50.0f}));
  EXPECT_EQ(countof(console.lines(), "     new|   80.0 |   60.0 |   10.0 |"), 1);
}

TEST_F(Colours, ModeFourResetsFourColoursAndTheBackground) {
  Answers console("99\n");
  Entry entry;
  entry.set(3, 4);
  EXPECT_EQ(rgb(3), (std::array<real, 3>{0.0f, 100.0f, 0.0f}));
  EXPECT_EQ(rgb(5), (std::array<real, 3>{0.0f, 50.0f, 50.0f}));
  EXPECT_EQ(entry.green, 100.0f);
  EXPECT_EQ(countof(console.lines(), " INITIALIZING RGB: 4 COLORS + BKG"), 1);
}

TEST_F(ColourFile, ReadsEveryColourInAnyOrderWithQuotedNames) {
  read("2\n"
       "2, 10, 20, 30, 'Dark red' extra values ignored\n"
       "0 100 100 100\n  \"Paper\"\n"
       "1 0 0 0 Ink\n");
  EXPECT_EQ(plt2blk.ncolor, 2);
  EXPECT_EQ(name(0), "Paper   ");
  EXPECT_EQ(name(1), "Ink     ");
  EXPECT_EQ(name(2), "Dark red");
  EXPECT_EQ(rgb(2), (std::array<real, 3>{10.0f, 20.0f, 30.0f}));
  EXPECT_EQ(name(3), "Green   ");  // not in the file: kept
  const Lines l = lines();
  EXPECT_EQ(notonce(l, {" Input file colours.txt is closed", " Actually read   :    2 DATA",
                        " |   2 |  Dark red|   10.0 |   20.0 |   30.0 |"}), Lines{});
  EXPECT_FALSE(unitopen(20));
}

TEST_F(ColourFile, EmptyValuesAndASlashTakeTheRecordBefore) {
  read("2\n"
       "0 100 90 80 'Bob''s'\n"
       "1,,,50,Ink\n"
       "2 10 / the rest as above\n");
  EXPECT_EQ(name(0), "Bob's   ");
  EXPECT_EQ(rgb(1), (std::array<real, 3>{100.0f, 90.0f, 50.0f}));
  EXPECT_EQ(name(2), "Ink     ");
  EXPECT_EQ(rgb(2), (std::array<real, 3>{10.0f, 90.0f, 50.0f}));
  EXPECT_EQ(countof(lines(), " Actually read   :    2 DATA"), 1);
}

TEST_F(ColourFile, TooManyColoursReadsThirteenRecords) {
  std::string text = "20\n";
  for (int k = 0; k <= 14; ++k) text += std::to_string(k % 13) + " 1 2 3 c" + std::to_string(k) + "\n";
  read(text);
  EXPECT_EQ(plt2blk.ncolor, 12);
  EXPECT_EQ(name(12), "c12     ");
  EXPECT_EQ(name(0), "c0      ");  // records 14 and 15 are not read
  EXPECT_EQ(countof(lines(), " Actually read   :   12 DATA"), 1);
}

TEST_F(ColourFile, EarlyEndKeepsWhatWasRead) {
  read("3\n0 90 90 90 Cream\n1 5 5 5 Soot\n");
  EXPECT_EQ(plt2blk.ncolor, 3);
  EXPECT_EQ(name(1), "Soot    ");
  EXPECT_EQ(name(2), "Red     ");
  const Lines l = lines();
  EXPECT_EQ(notonce(l, {" END OF FILE REACHED UNEXPECTEDLY", " WHILE READING LINE NUMBER     4",
                        " Input file colours.txt is closed"}), Lines{});
  EXPECT_FALSE(unitopen(20));
}

TEST_F(ColourFile, ValueThatIsNotANumberStopsAtItsRecord) {
  read("4\n0 90 90 90 Cream\n1 five 5 5 Soot\n2 1 1 1 Never\n");
  EXPECT_EQ(plt2blk.ncolor, 4);
  EXPECT_EQ(name(0), "Cream   ");
  EXPECT_EQ(name(1), "Black   ");
  EXPECT_EQ(name(2), "Red     ");
  const Lines l = lines();
  EXPECT_EQ(countof(l, " END OF FILE REACHED UNEXPECTEDLY"), 0);
  EXPECT_EQ(countof(l, " WHILE READING LINE NUMBER     3"), 1);
  EXPECT_FALSE(unitopen(20));

  read("twelve\n");
  EXPECT_EQ(plt2blk.ncolor, 4);
  EXPECT_EQ(countof(lines(), " WHILE READING LINE NUMBER     1"), 1);
  read("2\n0.5 1 1 1 half\n");  // an index must be an integer
  EXPECT_EQ(countof(lines(), " WHILE READING LINE NUMBER     2"), 1);
}

TEST_F(ColourFile, MissingFileIsAskedAgain) {
  read("1\n0 1 1 1 a\n1 2 2 2 b\n");
  ASSERT_EQ(plt2blk.ncolor, 1);
  console.reset();
  console = std::make_unique<ConsoleCapture>("300\nnowhere.txt\ncolours.txt\n99\n");
  iocom.lpause = false;
  scolortable(0);
  EXPECT_EQ(countof(lines(), " COULD NOT OPEN FILE " + ed::pad("nowhere.txt", 25)), 1);
  EXPECT_EQ(name(1), "b       ");
}
