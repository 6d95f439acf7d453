// The stress-axes listing on the console and as a tab-separated table.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <fstream>

#include "catalogue/angles.h"
#include "catalogue/stress_listing.h"
#include "console_capture.h"

namespace {

class StressListing : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConsoleCapture quiet;
    trigoset();
  }
};

// Three data; S1's azimuth 0.5 rad (28.6 degrees) and negative plunges
// for the others, so every column shows its own value.
struct Data {
  std::array<real, 3> azshmax{0.1f, -1.0f, 3.0f};
  std::array<int, 3> isv{2, -2, 1};
  std::array<real, 3> azs1{0.5f, 0.5f, 0.5f}, pls1{-0.2f, -0.2f, -0.2f};
  std::array<real, 3> azs2{1.0f, 1.0f, 1.0f}, pls2{0.3f, 0.3f, 0.3f};
  std::array<real, 3> azs3{-3.0f, -3.0f, -3.0f}, pls3{1.5f, 1.5f, 1.5f};
  void write(int n, int unit) const {
    writepbsv(azshmax, isv, azs1, pls1, azs2, pls2, azs3, pls3, n, unit);
  }
};

const std::string rule = " " + std::string(74, '-');
const std::string header = " data nb|isv| azshmax| azim.S1|plung.S1| azim.S2|plung.S2| azim.S3|plung.S3";

TEST_F(StressListing, ConsoleShowsTheHeaderAndOnlyTheListedData) {
  ConsoleCapture console;
  Data data;
  data.write(1, 6);  // isv 2: no row
  data.write(0, 6);  // nothing to list: the header only
  data.write(3, 6);  // isv 2, -2, 1: only the second datum
  const std::string row = "       2| -2|   -57.3|    28.6|   -11.5|    57.3|    17.2|  -171.9|    85.9";
  const std::vector<std::string> expected{rule, header, rule, rule, header, rule,
                                          rule, header, rule, row};
  EXPECT_EQ(console.lines(), expected);
  for (const std::string& line : console.lines()) EXPECT_EQ(line.size(), 75u);
}

TEST_F(StressListing, IndicesOutsideOneToThreeAreListed) {
  const std::pair<int, std::string> cases[] = {{0, "  0"}, {4, "  4"}, {-1, " -1"}, {-3, " -3"}};
  for (const auto& [isv, shown] : cases) {
    ConsoleCapture console;
    Data data;
    data.isv[0] = isv;
    data.write(1, 6);
    const auto lines = console.lines();
    ASSERT_EQ(lines.size(), 4u) << isv;
    EXPECT_EQ(lines[3].substr(0, 13), "       1|" + shown + "|");
  }
}

TEST_F(StressListing, OtherUnitsGetATabSeparatedTable) {
  char tmpl[] = "/tmp/mecaro-pbsv-XXXXXX";
  const std::string dir = mkdtemp(tmpl);
  const std::string name = dir + "/sish.txt";
  ASSERT_TRUE(openunit(21, name, OpenStatus::new_));
  Data data;
  data.isv = {3, 0, -3};
  data.write(3, 21);
  ASSERT_TRUE(closeunit(21));

  std::ifstream in(name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const std::vector<std::string> expected{
      " data nb\tisv\t azshmax\t azim.S1\tplung.S1\t azim.S2\tplung.S2\t azim.S3\tplung.S3",
      "       2\t  0\t   -57.3\t    28.6\t   -11.5\t    57.3\t    17.2\t  -171.9\t    85.9",
      "       3\t -3\t   171.9\t    28.6\t   -11.5\t    57.3\t    17.2\t  -171.9\t    85.9",
  };
  EXPECT_EQ(lines, expected);
  std::system(("rm -rf " + dir).c_str());
}

}  // namespace
