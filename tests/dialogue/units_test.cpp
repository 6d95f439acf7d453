// The unit layer: files opened by status, lines read with their outcomes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "dialogue/units.h"

namespace {

class Units : public testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/mecaro-units-XXXXXX";
    dir_ = mkdtemp(tmpl);
  }
  void TearDown() override { std::system(("rm -rf " + dir_).c_str()); }
  std::string path(const char* name) const { return dir_ + "/" + name; }
  std::string dir_;
};

TEST_F(Units, OpenStatusesAndLineOutcomes) {
  const std::string name = path("a.txt");
  EXPECT_FALSE(openunit(11, name, OpenStatus::old));  // missing
  ASSERT_TRUE(openunit(21, name, OpenStatus::new_));
  writeline(21, "first");
  writeline(21, "second\r");
  EXPECT_TRUE(closeunit(21));
  EXPECT_FALSE(openunit(21, name, OpenStatus::new_));  // exists now

  ASSERT_TRUE(openunit(11, name, OpenStatus::old));
  std::string line;
  EXPECT_EQ(readline(11, line), ReadStatus::line);
  EXPECT_EQ(line, "first");
  EXPECT_EQ(readline(11, line), ReadStatus::line);
  EXPECT_EQ(line, "second");  // the carriage return is stripped
  EXPECT_EQ(readline(11, line), ReadStatus::eof);
  rewindunit(11);
  EXPECT_EQ(readline(11, line), ReadStatus::line);
  EXPECT_EQ(line, "first");
  EXPECT_TRUE(closeunit(11));
  EXPECT_FALSE(unitopen(11));
  EXPECT_EQ(readline(11, line), ReadStatus::failed);
  // A folder is no file: reading it would fail at every line.
  EXPECT_FALSE(openunit(11, dir_, OpenStatus::old));
  EXPECT_FALSE(openunit(11, dir_, OpenStatus::unknown));
}

TEST_F(Units, WritingAfterOpeningAnExistingFileReplacesIt) {
  const std::string name = path("b.txt");
  { std::ofstream(name) << "old line 1\nold line 2\n"; }
  ASSERT_TRUE(openunit(50, name, OpenStatus::unknown));
  std::string line;
  EXPECT_EQ(readline(50, line), ReadStatus::line);
  rewindunit(50);
  writeline(50, " 3 0");
  EXPECT_TRUE(closeunit(50));
  std::ifstream in(name);
  std::string all((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(all, " 3 0\n");
}

TEST_F(Units, AFailedWriteIsReportedAtClose) {
  ASSERT_TRUE(openunit(21, "/dev/full", OpenStatus::old));
  writeline(21, std::string(10000, 'x'));
  EXPECT_TRUE(unitfailed(21));
  EXPECT_FALSE(closeunit(21));
}

TEST_F(Units, ABlockIsWrittenAtOnceAndItsWrittenPartCounted) {
  const std::string name = path("c.txt");
  ASSERT_TRUE(openunit(21, name, OpenStatus::new_));
  writeline(21, "head");
  const std::string text = "one\ntwo\n" + std::string(100000, 'x') + "\n";
  EXPECT_EQ(writeblock(21, text), text.size());
  EXPECT_FALSE(unitfailed(21));
  EXPECT_TRUE(closeunit(21));
  std::ifstream in(name);
  std::string all((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(all, "head\n" + text);

  ASSERT_TRUE(openunit(21, "/dev/full", OpenStatus::old));
  EXPECT_EQ(writeblock(21, "a short line\n"), 0u);
  EXPECT_TRUE(unitfailed(21));
  EXPECT_FALSE(closeunit(21));
  EXPECT_EQ(writeblock(21, "no unit\n"), 0u);
  EXPECT_FALSE(unitfailed(21));
}

TEST_F(Units, ALineBeyond64KiBIsAFailedReadAndTheLinesBeforeItAreRead) {
  const std::string name = path("c.txt");
  {
    std::ofstream out(name, std::ios::binary);
    out << "kept\n" << std::string(65536, 'x') << '\n' << std::string(1 << 20, '\0');
  }
  ASSERT_TRUE(openunit(11, name, OpenStatus::old));
  std::string line;
  EXPECT_EQ(readline(11, line), ReadStatus::line);
  EXPECT_EQ(line, "kept");
  EXPECT_EQ(readline(11, line), ReadStatus::line);
  EXPECT_EQ(line, std::string(65536, 'x'));
  // A megabyte of NULs without a newline, as /dev/zero gives.
  EXPECT_EQ(readline(11, line), ReadStatus::failed);
  EXPECT_LE(line.capacity(), 2u * 65536);
  EXPECT_TRUE(closeunit(11));
}

// A keyboard at its end, or one that cannot be read (closed, a folder, a
// terminal that hung up: here a stream open only for writing), ends the
// run at the first read, never retried.
TEST(UnitsDeathTest, AKeyboardAtItsEndOrUnreadableEndsTheRunWithStatusTwo) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const char* mode : {"r", "w"})
    EXPECT_EXIT(
        {
          attachunit(keyboard_unit, std::fopen("/dev/null", mode), true);
          attachunit(console_unit, stderr, false);
          std::string line;
          readline(keyboard_unit, line);
          std::exit(0);
        },
        testing::ExitedWithCode(2), "END OF STANDARD INPUT ===> STOPPING EXECUTION")
        << mode;
}

// A console that is gone (a closed pipe, a full disk) ends the run as the
// end of input does, at the write that fails or at the flush before the
// next read of the keyboard, whichever first sees it.
TEST(UnitsDeathTest, AConsoleThatCannotBeWrittenEndsTheRunAsTheEndOfInput) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        attachunit(keyboard_unit, fmemopen(const_cast<char*>("1\n"), 2, "r"), true);
        attachunit(console_unit, std::fopen("/dev/full", "w"), false);
        writeline(console_unit, "your choice");
        std::string line;
        readline(keyboard_unit, line);
        std::exit(0);
      },
      testing::ExitedWithCode(2), "");
  EXPECT_EXIT(
      {
        std::FILE* full = std::fopen("/dev/full", "w");
        std::setvbuf(full, nullptr, _IONBF, 0);
        attachunit(console_unit, full, false);
        writeline(console_unit, "a line");
        std::exit(0);
      },
      testing::ExitedWithCode(2), "");
}

}  // namespace
