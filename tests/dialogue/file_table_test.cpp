// The generic file opener with a given name (open mode flags 1 and 2),
// which no dialogue of the program reaches: flag 1 stops the run when the
// file cannot be opened, any other flag warns and tries the same name again.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include "console_capture.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/file_table.h"

namespace {

// Opens a file that does not exist with flag iflag, the keyboard answering
// answers and the console written to standard error: the body of a death
// test, which ends with status 0 only if the opener returns.
void openmissing(const std::string& answers, int iflag) {
  alarm(1);
  consoletostderr(answers);
  std::string fname = "/nonexistent-mecaro-folder/catalogue.fps";
  opef2(fname, "polygon input", 61, "old", iflag);
  std::exit(0);
}

TEST(FileTable, GivenNameOpensWithoutAsking) {
  const std::string name = testing::TempDir() + "mecaro_opef2_given.txt";
  std::FILE* f = std::fopen(name.c_str(), "w");
  std::fputs("first line\n", f);
  std::fclose(f);
  ConsoleCapture console("not a file name\n");
  std::string fname = name;
  opef2(fname, "polygon input", 61, "old", 1);
  std::string line;
  ASSERT_EQ(readline(61, line), ReadStatus::line);
  EXPECT_EQ(line, "first line");
  EXPECT_EQ(fname, name);
  closeunit(61);
  // The box is all that is printed; the keyboard was not read.
  const std::vector<std::string> lines = console.lines();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[3], " OPENING polygon input FILE");
  ASSERT_EQ(readline(keyboard_unit, line), ReadStatus::line);
  EXPECT_EQ(line, "not a file name");
  std::remove(name.c_str());
}

TEST(FileTableDeathTest, FailedOpenWithFlagOneStopsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(openmissing("\n", 1), testing::ExitedWithCode(1),
              " COULD NOT OPEN FILE /nonexistent-mecaro-folder/catalogue.fps\\s*\n"
              " for unit =   61\n ===> STOPPING EXECUTION\n ===> HIT RETURN TO CONTINUE\n"
              " \\*{43}\n$");
}

TEST(FileTableDeathTest, FailedOpenWithFlagTwoRetriesTheSameNameAfterEachReturn) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // Two Returns, two warnings; the third attempt meets the end of input.
  const std::string attempt =
      " OPENING polygon input FILE\n @{43}\n"
      " /{43}\n ///        subroutine opef2             ///\n"
      " ///               WARNING               ///\n /{43}\n"
      " COULD NOT OPEN FILE /nonexistent-mecaro-folder/catalogue.fps\\s*\n"
      " ===> RETRYING\n ===> HIT RETURN TO CONTINUE\n";
  EXPECT_EXIT(openmissing("\n\n", 2), testing::ExitedWithCode(2),
              attempt + " /{43}\n @{43}\n @ subroutine opef2      \n @={42}\n" + attempt +
                  " /{43}\n @{43}\n @ subroutine opef2      \n @={42}\n" + attempt +
                  " END OF STANDARD INPUT ===> STOPPING EXECUTION\n$");
}

TEST(FileTable, OpenSlotIsNotOpenedAgainAndClosedSlotNotClosedAgain) {
  const std::string name = testing::TempDir() + "mecaro_slot_twice.txt";
  std::remove(name.c_str());
  ConsoleCapture console;
  initfio(1, 2, 0);
  fiocom.oufnam[0] = name;
  opefou(1, "data output", 2);
  ASSERT_TRUE(fiocom.iopou[0]);
  opefou(1, "data output", 2);
  clofou(1, 0);
  EXPECT_FALSE(fiocom.iopou[0]);
  clofou(1, 0);
  std::string text = console.text();
  const std::string rule = " " + std::string(43, '-') + "\n";
  EXPECT_NE(text.find(rule + " OUTPUT FILE  1 ALREADY OPENED !\n" + rule), std::string::npos);
  EXPECT_NE(text.find(" OUTPUT FILE " + ed::pad(name, 40) + " CLOSED\n"), std::string::npos);
  EXPECT_NE(text.find(" OUTPUT FILE " + ed::pad(name, 40) + " ALREADY CLOSED !\n"),
            std::string::npos);
  std::remove(name.c_str());
}

// An output slot named as the file the other slot writes, by another name,
// is refused with the reason and asked again; the first file keeps its
// lines.
TEST(FileTable, AnOutputNamingTheFileOfAnotherIsAskedAgain) {
  const std::string name = testing::TempDir() + "mecaro_slot_one.txt";
  const std::string other = testing::TempDir() + "mecaro_slot_two.txt";
  const std::string alias = testing::TempDir() + "./mecaro_slot_one.txt";
  std::remove(name.c_str());
  std::remove(other.c_str());
  // The answers: the first name, the second and yes to replace it, Return
  // at the warning's pause, another name.
  ConsoleCapture console(name + "\n" + alias + "\ny\n\n" + other + "\n");
  initfio(1, 2, 0);
  opefou(1, "data output", 0);
  writeline(fiocom.iouf[0], "kept");
  opefou(2, "si-sh output", 0);
  EXPECT_EQ(fiocom.oufnam[1], other);
  const std::string text = console.text();
  const std::size_t refused = text.find(" COULD NOT OPEN FILE " + alias);
  ASSERT_NE(refused, std::string::npos);
  EXPECT_EQ(text.find("\n ALREADY OPENED FOR ANOTHER OUTPUT\n ===> RETRYING\n", refused),
            text.find('\n', refused));
  EXPECT_EQ(text.find(" COULD NOT OPEN FILE", refused + 1), std::string::npos);  // once
  clofou(1, 0);
  clofou(2, 0);
  std::FILE* f = std::fopen(name.c_str(), "r");
  char line[16] = {};
  ASSERT_NE(std::fgets(line, sizeof line, f), nullptr);
  EXPECT_STREQ(line, "kept\n");
  std::fclose(f);
  std::remove(name.c_str());
  std::remove(other.c_str());
}

}  // namespace
