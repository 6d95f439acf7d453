#include "plotlib/plot_parameters.h"

#include <gtest/gtest.h>

#include <sstream>

#include "catalogue/angles.h"
#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/run_banners.h"
#include "plot_harness.h"
#include "plotlib/colour_table.h"
#include "plotlib/plot_records.h"

namespace {

using Lines = std::vector<std::string>;

// The start-up colour table and symbol size, the console captured with
// the given answers and banners not waiting; a window open before the
// capture stays open.
class PlotParameters : public ::testing::Test {
 protected:
  void SetUp() override { capture(); }
  void capture(const std::string& input = "") {
    const bool open = iocom.lplotfile;
    console.reset();
    console = std::make_unique<ConsoleCapture>(input);
    plt2blk = Plt2Blk{};
    scolortable(5);
    plt2blk.symbsize = 0.4f;
    console.reset();
    console = std::make_unique<ConsoleCapture>(input);
    iocom.lpause = false;
    iocom.lplotfile = open;
  }
  Lines lines() { return console->lines(); }
  long count(const std::string& line) { return countof(console->lines(), line); }

  std::unique_ptr<ConsoleCapture> console;
};

const Lines closedmenu{
    " -------------------------------------------",
    "          SETTING PLOT ATTRIBUTES",
    " -------------------------------------------",
    " GET SETTINGS",
    "  from currently stored..... 1 T",
    "  from initialisation....... 1 F",
    " -------------------------------------------",
    " COLOR TABLE:",
    "  nb of color ..............50",
    "  rgb values ...............51",
    "  color table ..............52",
    " THE PLOT IS CLOSED:",
    "  => OTHER SETTINGS WILL BE RESET",
    "     UPON PLOT OPENING",
    " -------------------------------------------",
    " EXIT THIS SET UP  .........99",
    " " + std::string(43, '@'),
};

// The lines from the first one equal to first, n of them.
Lines from(const Lines& lines, const std::string& first, std::size_t n) {
  auto it = std::find(lines.begin(), lines.end(), first);
  if (static_cast<std::size_t>(lines.end() - it) < n) return {};
  return Lines(it, it + static_cast<std::ptrdiff_t>(n));
}

}  // namespace

TEST_F(PlotParameters, OpeningModeSetsEveryAttributeAndKeepsTheTable) {
  RecordedWindow w;
  capture();
  plt2blk.RED[3] = 12.0f;
  plt2blk.thickness = 0.3f;
  plt2blk.isymbtype = -7;
  plt2blk.ijust = 5;
  splotparam2(7);
  EXPECT_EQ(plt2blk.RED[3], 12.0f);
  EXPECT_EQ(plt2blk.thickness, 0.02f);
  EXPECT_EQ(plt2blk.txtheight, 0.5f);
  EXPECT_EQ(plt2blk.itextfont, 1);
  EXPECT_EQ(plt2blk.ijust, -1);
  EXPECT_EQ(plt2blk.ilinecolor, 1);
  EXPECT_EQ(plt2blk.ifillcolor, 8);
  EXPECT_EQ(plt2blk.itextcolor, 1);
  EXPECT_EQ(plt2blk.ifillstyle, 1);
  EXPECT_EQ(plt2blk.isymbtype, 1);
  EXPECT_EQ(plt1blk.isub, 1);
  const Lines l = lines();
  EXPECT_EQ(from(l, " INITIALIZING PLOT PARAMETERS", 5),
            (Lines{" INITIALIZING PLOT PARAMETERS", " INITIALIZING SUBPLOT SCALING",
                   "  1: CM <-> DE", "  2: US <-> CM unchanged", "     US <-> DE"}));
  EXPECT_EQ(count(" @ subroutine scolortable"), 0);
  EXPECT_EQ(count(" Initializing /trig/ block"), 0);
  EXPECT_EQ(l.back(), " INITIALISING SYMBOL TYPE =    1");
  // The attributes that act on the window reach it: thickness, size, font.
  EXPECT_EQ(w.calls, (Lines{"linewidth 1.00", "fontsize 9.16", "selectfont 9.16 \"Geneva\""}));
}

TEST_F(PlotParameters, ResetModesResetTheTableAndOnlyFiveAndSevenTheAttributes) {
  RecordedWindow w;
  capture();
  plt2blk.RED[3] = 12.0f;
  plt2blk.ijust = 5;
  splotparam2(9);
  EXPECT_EQ(plt2blk.RED[3], 0.0f);
  EXPECT_EQ(plt2blk.ijust, 5);
  EXPECT_EQ(count("  2: US <-> CM"), 1);
  EXPECT_EQ(count(" Initializing /trig/ block"), 1);
  plt2blk.RED[3] = 12.0f;
  splotparam2(5);
  EXPECT_EQ(plt2blk.RED[3], 0.0f);
  EXPECT_EQ(plt2blk.ijust, -1);
  // Odd modes outside 4..9 do nothing at all.
  capture();
  splotparam2(1);
  splotparam2(3);
  splotparam2(-5);
  EXPECT_TRUE(lines().empty());
}

TEST_F(PlotParameters, ClosedWindowMenuActsOnlyOnTheColourTable) {
  capture("10\n41\n52\n99\n99\n");
  splotparam2(0);
  const Lines l = lines();
  EXPECT_EQ(from(l, closedmenu[0], closedmenu.size()), closedmenu);
  EXPECT_EQ(count(" @ subroutine splotparam2"), 4);
  EXPECT_EQ(count(" @ subroutine ssymbolsize"), 0);
  EXPECT_EQ(count(" SETTING COLOR TABLE"), 1);
  EXPECT_EQ(plt2blk.symbsize, 0.4f);
}

TEST_F(PlotParameters, EvenModesAboveThreeOfferTheDefaults) {
  // Outside modes 0 to 3 the menu starts with the use-current flag false,
  // so a setter offers its default.
  RecordedWindow w;
  capture("41\n\n99\n");
  plt2blk.symbsize = 0.7f;
  splotparam2(10);
  EXPECT_EQ(count("  from currently stored..... 1 F"), 2);  // the menu shown twice
  EXPECT_EQ(count("  from initialisation....... 1 T"), 2);
  EXPECT_EQ(count(" ready to  store  size =    0.400"), 1);
  EXPECT_EQ(plt2blk.symbsize, 0.4f);
  EXPECT_EQ(count(" INITIALIZING PLOT PARAMETERS"), 0);
}

TEST_F(PlotParameters, ChoosingInitialValuesSwitchesTheSettersOfThisCallOnly) {
  RecordedWindow w;
  capture("1\nn\n41\n\n99\n41\n\n99\n");
  plt2blk.symbsize = 0.7f;
  splotparam2(0);
  EXPECT_EQ(plt2blk.symbsize, 0.4f);
  plt2blk.symbsize = 0.7f;
  splotparam2(0);  // starts again from the stored values
  EXPECT_EQ(plt2blk.symbsize, 0.7f);
  EXPECT_EQ(count(" ready to  store  size =    0.700"), 1);
}

TEST_F(PlotParameters, ColourListingShowsEveryIndexAndEditsOneOfOneToN) {
  capture("51\n0\n3\n20\nUmber\n99\n99\n");
  iocom.lwito[1] = false;  // the listing shows at every output level
  splotparam2(0);
  const Lines l = lines();
  const Lines listing = from(l, " |index|      name|   red% | green% |  blue% |", 14);
  ASSERT_EQ(listing.size(), 14u);
  EXPECT_EQ(listing[1], " |   0 |White-bk  |  100.0 |  100.0 |  100.0 |");
  EXPECT_EQ(listing[13], " |  12 |Grey70    |   30.0 |   30.0 |   30.0 |");
  EXPECT_EQ(count(" outside [1,12]"), 1);
  EXPECT_EQ(pltcharblk.colornam[3], "Umber   ");
  EXPECT_EQ(count(" GET SETTINGS"), 0);
  EXPECT_EQ(count(" @ subroutine splotparam2"), 2);
}

TEST_F(PlotParameters, RunCaptionHalvesTheHeightAndRestoresIt) {
  RecordedWindow w;
  plt2blk.txtheight = 0.5f;
  plt2blk.ijust = -1;
  runinfocom.cmainname = ed::pad("mecaro", 11);
  runinfocom.cmainvers = " 2.0";
  runinfocom.cmaindate = "01-06-2010";
  runinfocom.csystem = ed::pad("MacOS?-CPU?-?MHz", 25);
  runinfocom.crundate = "14-11-2023";
  runinfocom.cruntime = "22:13:20";
  ssubinfo("fpsbchbll", " 3.1", "20-05-2010", 0, 0);
  EXPECT_EQ(runinfocom.csubname, "fpsbchbll  ");
  cmplotruninfo0(10.5f, 28.0f, 0);
  EXPECT_EQ(plt2blk.txtheight, 0.5f);
  const Lines shown = w.only("showtextat");
  ASSERT_EQ(shown.size(), 3u);
  std::array<real, 3> ys{};
  for (std::size_t k = 0; k < 3; ++k) {
    std::istringstream in(shown[k].substr(11));
    real x = 0.0f;
    in >> x >> ys[k];
  }
  const real cm = plt1blk.cmscale;
  EXPECT_NEAR(ys[0] - ys[1], 0.375f * cm, 0.011f);
  EXPECT_NEAR(ys[0] - ys[2], 0.75f * cm, 0.011f);
  EXPECT_NE(shown[0].find("\"Main program mecaro v 2.0 on 01-06-2010\""), std::string::npos);
  EXPECT_NE(shown[1].find("\"Subroutine fpsbchbll v 3.1 on 20-05-2010\""), std::string::npos);
  EXPECT_NE(shown[2].find("\"Run on MacOS?-CPU?-?MHz on 14-11-2023 at 22:13:20\""),
            std::string::npos);
  // Reading the height re-applies it; then half, then whole again.
  EXPECT_EQ(w.only("fontsize"), (Lines{"fontsize 9.16", "fontsize 4.58", "fontsize 9.16"}));

  // A blank name keeps one blank.
  w.calls.clear();
  runinfocom.cmainname = std::string(11, ' ');
  cmplotruninfo0(10.5f, 28.0f, 0);
  EXPECT_NE(w.only("showtextat")[0].find("\"Main program   v 2.0"), std::string::npos);
}

TEST_F(PlotParameters, CaptionLinesSitOneAndAHalfHalfHeightsApart) {
  RecordedWindow w;
  plt2blk.txtheight = 0.4f;
  plt2blk.ijust = 1;
  cmplotcharinfo0("first", 1, 2.0f, 20.0f, 0);
  cmplotcharinfo0("third", 3, 2.0f, 20.0f, 0);
  const Lines shown = w.only("showtextat");
  ASSERT_EQ(shown.size(), 2u);
  real x = 0.0f, y1 = 0.0f, y3 = 0.0f;
  std::istringstream(shown[0].substr(11)) >> x >> y1;
  std::istringstream(shown[1].substr(11)) >> x >> y3;
  EXPECT_NEAR(y1, 20.0f * plt1blk.cmscale + plt1blk.cm0tode[0][1], 0.011f);
  EXPECT_NEAR(y1 - y3, 0.6f * plt1blk.cmscale, 0.011f);
  EXPECT_EQ(plt2blk.txtheight, 0.4f);
}
