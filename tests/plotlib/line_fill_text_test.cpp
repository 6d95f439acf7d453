#include "plotlib/line_fill_text.h"

#include <gtest/gtest.h>

#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "plot_harness.h"
#include "plotlib/plot_records.h"

namespace {

using Lines = std::vector<std::string>;

// The console captured with the given answers, banners not waiting, the
// attributes at zero and the window closed.
class Attributes : public ::testing::Test {
 protected:
  void capture(const std::string& input = "") {
    console.reset();
    console = std::make_unique<ConsoleCapture>(input);
    iocom.lpause = false;
  }
  void SetUp() override {
    capture();
    plt2blk = Plt2Blk{};
  }
  long count(const std::string& line) { return countof(console->lines(), line); }

  std::unique_ptr<ConsoleCapture> console;
};

}  // namespace

TEST_F(Attributes, FillStyleAboveOneTakesTheRemainderBelowZeroOne) {
  int istyle = 5;
  sfillstyle(istyle, 1);
  EXPECT_EQ(plt2blk.ifillstyle, 1);
  istyle = 4;
  sfillstyle(istyle, 1);
  EXPECT_EQ(istyle, 0);
  EXPECT_EQ(plt2blk.ifillstyle, 0);
  istyle = -3;
  sfillstyle(istyle, 1);
  EXPECT_EQ(plt2blk.ifillstyle, 1);
  EXPECT_EQ(notonce(console->lines(), {" trying to set style nb =      4",
                                       " ===> RESET style nb =      0",
                                       " trying to set nb of style  =     -3"}),
            Lines{});
  // An unknown mode checks the value first, then stores nothing.
  istyle = 3;
  sfillstyle(istyle, 9);
  EXPECT_EQ(istyle, 1);
  EXPECT_EQ(plt2blk.ifillstyle, 1);
  EXPECT_EQ(count(" inter =      9"), 1);
}

TEST_F(Attributes, ThicknessAndHeightExcludeTheirLowerBoundAndResetToTheDefault) {
  struct Case {
    void (*set)(real&, int);
    real Plt2Blk::*stored;
    real bound, reset;
    Lines said;
  };
  const Case cases[] = {
      {slinewidth, &Plt2Blk::thickness, 0.01f, 0.02f,
       {"  line thickness (cm) =    0.010", " ==> RESET line thickness =    0.020"}},
      {stextsize, &Plt2Blk::txtheight, 0.02f, 0.5f,
       {" TEXT SIZE OUT OF RANGE:", " ==> RESET txtheight =   0.50"}},
  };
  for (const Case& c : cases) {
    real value = c.bound;
    c.set(value, 1);
    EXPECT_EQ(plt2blk.*c.stored, c.reset);
    EXPECT_EQ(notonce(console->lines(), c.said), Lines{});
    value = 1000.0f;
    c.set(value, 1);
    EXPECT_EQ(plt2blk.*c.stored, 1000.0f);
  }

  // The dialogues' bounds include what the range test refuses.
  capture("0.01\n0.02\n");
  real thickness = 1000.0f, height = 1000.0f;
  slinewidth(thickness, 0);
  stextsize(height, 0);
  EXPECT_EQ(plt2blk.thickness, 0.01f);
  EXPECT_EQ(plt2blk.txtheight, 0.02f);
}

TEST_F(Attributes, TextSizeWithTheWindowClosedIsStoredWithAWarning) {
  real height = 0.3f;
  stextsize(height, 1);
  EXPECT_EQ(plt2blk.txtheight, 0.3f);
  EXPECT_EQ(inforce(stextsize), 0.3f);
  EXPECT_EQ(count(" ===> Value stored but no further call to lib"), 2);
  EXPECT_EQ(count(" inter =      3"), 1);
}

TEST_F(Attributes, JustificationWithoutAPositionIsMovedToTheLeftEnd) {
  int ijust = -12;
  stextalign(ijust, 1);
  EXPECT_EQ(plt2blk.ijust, -1);
  EXPECT_EQ(count(" justif must be in [-11,11]"), 1);
  for (auto [given, stored] : {std::pair{8, 1}, {4, 1}, {0, -1}, {-4, -1}, {-8, -1}, {-11, -11}}) {
    ijust = given;
    stextalign(ijust, 1);
    EXPECT_EQ(plt2blk.ijust, stored) << given;
  }
  // Mode 3 before any initialisation: the stored 0 is refused too.
  plt2blk.ijust = 0;
  capture();
  stextalign(ijust, 3);
  EXPECT_EQ(ijust, -1);
  EXPECT_EQ(plt2blk.ijust, -1);
  EXPECT_EQ(count(" just =      0"), 1);
  EXPECT_EQ(count(" ===> RESET just =     -1"), 1);
}

TEST_F(Attributes, AlignmentScreenLinesAreFortyThreeWide) {
  capture("6\n");
  int ijust = 2;
  stextalign(ijust, 0);
  EXPECT_EQ(plt2blk.ijust, 6);
  EXPECT_EQ(count(" " + std::string(43, ' ')), 2);
  EXPECT_EQ(count(" " + ed::pad("   5<==textstring==6==============>7", 43)), 1);
  EXPECT_EQ(count(" suggested new value:      2"), 1);
}

TEST_F(Attributes, FontOutOfRangeIsNeitherStoredNorSelected) {
  RecordedWindow w;
  plt2blk.txtheight = 0.5f;
  int ifont = 3;
  stextfont(ifont, 1);
  EXPECT_EQ(plt2blk.itextfont, 3);
  EXPECT_EQ(w.only("selectfont"), (Lines{"selectfont 9.16 \"Geneva\""}));
  for (int bad : {16, 0}) {
    ifont = bad;
    stextfont(ifont, 1);
  }
  EXPECT_EQ(plt2blk.itextfont, 3);
  EXPECT_EQ(w.only("selectfont").size(), 1u);
  EXPECT_EQ(count(" font number =     16"), 1);
  EXPECT_EQ(count(" font number =      0"), 1);
  // An open pen path is stroked first, whatever the mode.
  view.pathopen = 1;
  ifont = 2;
  stextfont(ifont, 8);
  EXPECT_EQ(view.pathopen, 0);
  EXPECT_EQ(count(" inter =      8"), 1);
}

TEST_F(Attributes, ModeThreeReappliesWindowSettings) {
  RecordedWindow w;
  plt2blk.thickness = 0.1f;
  plt2blk.txtheight = 0.5f;
  plt2blk.itextfont = 2;
  plt2blk.txtangle = 30.0f;
  real r = 0.0f;
  int i = 0;
  slinewidth(r, 3);
  stextsize(r, 3);
  stextfont(i, 3);
  stextangle(r, 3);
  sfillstyle(i, 3);
  EXPECT_EQ(w.calls, (Lines{"linewidth 2.29", "fontsize 9.16", "selectfont 9.16 \"Geneva\""}));
  // A line thinner than a pixel is drawn one pixel wide.
  r = 0.02f;
  slinewidth(r, 1);
  EXPECT_EQ(w.calls.back(), "linewidth 1.00");
}

TEST_F(Attributes, DefaultsInitialiseAndSaySo) {
  real r = 9.0f;
  int i = 9;
  slinewidth(r, 5);
  EXPECT_EQ(r, 0.02f);
  stextangle(r, 5);
  EXPECT_EQ(r, 0.0f);
  stextalign(i, 5);
  EXPECT_EQ(i, -1);
  sfillstyle(i, 5);
  EXPECT_EQ(i, 1);
  const Lines lines = console->lines();
  EXPECT_EQ(notonce(lines, {" INITIALISING LINE THICKNESS TO:    0.020 cm",
                            " INITIALISING TEXT ANGLE TO: 0.0", " =====> left-bottom trimmed"}),
            Lines{});
  EXPECT_EQ(lines.back(), " INITIALISING FILL STYLE TO: filled");
  // The line style is offered but does nothing.
  const Plt2Blk before = plt2blk;
  const std::size_t n = lines.size();
  i = 77;
  slinestyle(i, 5);
  EXPECT_EQ(console->lines().size(), n);
  EXPECT_EQ(i, 77);
  EXPECT_EQ(plt2blk.thickness, before.thickness);
}

TEST_F(Attributes, AngleDialogueTakesAnyValue) {
  capture("-725.5\n");
  real angle = 10.0f;
  stextangle(angle, 0);
  EXPECT_EQ(plt2blk.txtangle, -725.5f);
  EXPECT_EQ(count(" suggested new value:   10.000"), 1);
}
