// The unit layer: files opened by status, lines read with their outcomes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "dialogue/console_state.h"
#include "dialogue/units.h"
#include "platform/failures.h"
#include "platform/plot_window.h"
#include "platform/stop_signals.h"

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

// An output on a pipe only writes into it: with no reader it is refused,
// not kept in the pipe for no one; once its reader goes, a write fails.
TEST_F(Units, AnOutputOnAPipeHasAReaderOrFails) {
  const std::string fifo = path("p");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(openunit(21, fifo, OpenStatus::replace));
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  for (const OpenStatus status : {OpenStatus::replace, OpenStatus::unknown}) {
    ASSERT_TRUE(openunit(21, fifo, status));
    writeline(21, "through");
    EXPECT_TRUE(closeunit(21));
    char got[16] = {};
    EXPECT_EQ(read(reader, got, sizeof got), 8);
    EXPECT_STREQ(got, "through\n");
  }
  ASSERT_TRUE(openunit(21, fifo, OpenStatus::unknown));
  close(reader);
  const auto previous = std::signal(SIGPIPE, SIG_IGN);
  EXPECT_EQ(writeblock(21, "lost\n"), 0u);
  EXPECT_FALSE(closeunit(21));
  std::signal(SIGPIPE, previous);
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
  EXPECT_TRUE(unitfailed(21));
  EXPECT_FALSE(closeunit(21));
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

// The plot window's snapshot is written when the user looks at it: before
// an answer typed at a terminal, but not while a command file runs, nor
// when the keyboard is no terminal.
TEST_F(Units, AnAnswerAtATerminalWritesTheSnapshotOfTheWindow) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  PlotWindow* w = newwindow({0, 0, 100, 100}, 10.0f);
  setwindowtitle(*w, "seen");
  DrawContext& cx = *begincontext(*w);
  auto draw = [&cx] {
    cx.beginpath();
    cx.moveto(10.0f, 10.0f);
    cx.lineto(90.0f, 90.0f);
    cx.strokepath();
  };
  const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(grantpt(terminal), 0);
  ASSERT_EQ(unlockpt(terminal), 0);
  attachunit(keyboard_unit, std::fopen(ptsname(terminal), "r"), true);
  auto answer = [terminal](bool commandfile) {
    iocom.lcomfile = commandfile;
    ASSERT_EQ(write(terminal, "1\n", 2), 2);
    std::string line;
    EXPECT_EQ(readline(keyboard_unit, line), ReadStatus::line);
    EXPECT_EQ(line, "1");
    iocom.lcomfile = false;
  };
  draw();
  answer(true);
  EXPECT_FALSE(std::filesystem::exists("seen.png"));
  answer(false);
  EXPECT_TRUE(std::filesystem::exists("seen.png"));
  closeunit(keyboard_unit);
  close(terminal);

  std::filesystem::remove("seen.png");
  draw();
  attachunit(keyboard_unit, fmemopen(const_cast<char*>("1\n"), 2, "r"), true);
  std::string line;
  EXPECT_EQ(readline(keyboard_unit, line), ReadStatus::line);
  EXPECT_FALSE(std::filesystem::exists("seen.png"));
  attachunit(keyboard_unit, stdin, false);
  disposewindow(w);
  std::filesystem::current_path(previous);
}

// A unit that is not open fails a write as it fails a read; the failure is
// told at its close, which forgets it, and its next opening starts afresh.
TEST_F(Units, AWriteToAUnitNotOpenFailsAsItsReadDoes) {
  std::string line;
  EXPECT_EQ(readline(31, line), ReadStatus::failed);
  EXPECT_FALSE(unitfailed(31));
  writeline(31, "lost");
  EXPECT_FALSE(unitopen(31));
  EXPECT_TRUE(unitfailed(31));
  EXPECT_FALSE(closeunit(31));
  EXPECT_FALSE(unitfailed(31));
  EXPECT_TRUE(closeunit(31));

  writeline(31, "lost");
  ASSERT_TRUE(openunit(31, path("c.txt"), OpenStatus::new_));
  EXPECT_FALSE(unitfailed(31));
  writeline(31, "kept");
  EXPECT_TRUE(closeunit(31));
}

// No file is opened for a second output while one writes it, whatever its
// name: relative or absolute, through a link to its folder, or a hard link.
// Reading it, or sharing a device, is not refused; its close frees it.
TEST_F(Units, AFileOpenForOneOutputIsRefusedToAnother) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  ASSERT_TRUE(openunit(21, "W.pdf", OpenStatus::new_));
  std::filesystem::create_directory_symlink(dir_, "link");
  const std::vector<std::string> names{"./W.pdf", "link/W.pdf", dir_ + "/sub/../W.pdf"};
  for (const std::string& name : names)
    for (const OpenStatus status : {OpenStatus::replace, OpenStatus::unknown})
      EXPECT_FALSE(openunit(22, name, status)) << name;
  std::filesystem::create_directory("sub");
  EXPECT_FALSE(openunit(22, dir_ + "/sub/../W.pdf", OpenStatus::replace));
  std::filesystem::create_hard_link("W.pdf", "hard.txt");
  EXPECT_FALSE(openunit(22, "hard.txt", OpenStatus::replace));
  EXPECT_FALSE(unitopen(22));
  EXPECT_TRUE(openunit(11, "./W.pdf", OpenStatus::old));
  EXPECT_TRUE(closeunit(11));
  writeline(21, "kept");
  ASSERT_TRUE(openunit(22, "/dev/null", OpenStatus::replace));
  ASSERT_TRUE(openunit(31, "/dev/null", OpenStatus::replace));
  EXPECT_TRUE(closeunit(31));
  EXPECT_TRUE(closeunit(22));
  EXPECT_TRUE(closeunit(21));
  EXPECT_TRUE(openunit(22, "./W.pdf", OpenStatus::unknown));
  std::string line;
  EXPECT_EQ(readline(22, line), ReadStatus::line);
  EXPECT_EQ(line, "kept");
  EXPECT_TRUE(closeunit(22));
  // An output whose file cannot be opened holds nothing.
  EXPECT_FALSE(openunit(22, "later/t.txt", OpenStatus::replace));
  std::filesystem::create_directory("later");
  EXPECT_TRUE(openunit(21, "later/t.txt", OpenStatus::replace));
  EXPECT_TRUE(closeunit(21));
  std::filesystem::current_path(previous);
}

// Once the console is set up, a failure of the platform is told on
// standard error (unit 0), not on the console.
TEST_F(Units, PlatformFailuresAreToldOnStandardError) {
  char* told = nullptr;
  size_t size = 0;
  std::FILE* errors = open_memstream(&told, &size);
  attachunit(console_unit, std::fopen("/dev/null", "w"), true);
  attachunit(stderr_unit, errors, false);
  initsio();
  reportfailure("mecaro: cannot write plot file x.pdf: out of memory");
  std::fflush(errors);
  EXPECT_EQ(std::string(told, size), "mecaro: cannot write plot file x.pdf: out of memory\n");
  setfailurereporter(nullptr);
  attachunit(stderr_unit, stderr, false);
  attachunit(console_unit, stdout, false);
  std::fclose(errors);
  std::free(told);
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
  // A keyboard that never ends a line is no better.
  EXPECT_EXIT(
      {
        attachunit(keyboard_unit, std::fopen("/dev/zero", "r"), true);
        attachunit(console_unit, stderr, false);
        std::string line;
        readline(keyboard_unit, line);
        std::exit(0);
      },
      testing::ExitedWithCode(2), "END OF STANDARD INPUT ===> STOPPING EXECUTION");
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

// Every way the run ends (quit, an error stop, the end of input, a console
// gone) finishes the files of the plot window left open; a file that cannot
// be written is still told, on standard error.
using RunEndDeathTest = Units;
TEST_F(RunEndDeathTest, EveryEndOfTheRunFinishesTheFilesOfAWindowLeftOpen) {
  GTEST_FLAG_SET(death_test_style, "fast");
  namespace fs = std::filesystem;
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  auto leaveopen = [](const char* title) {  // with a line drawn
    PlotWindow* w = newwindow({0, 0, 100, 100}, 10.0f);
    setwindowtitle(*w, title);
    DrawContext& cx = *begincontext(*w);
    cx.beginpath();
    cx.moveto(10.0f, 10.0f);
    cx.lineto(90.0f, 90.0f);
    cx.strokepath();
  };
  EXPECT_EXIT(
      {
        leaveopen("quit");
        endrun(0);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EXIT(
      {
        leaveopen("error stop");
        endrun(1);
      },
      testing::ExitedWithCode(1), "");
  EXPECT_EXIT(
      {
        leaveopen("end of input");
        attachunit(keyboard_unit, std::fopen("/dev/null", "r"), true);
        std::string line;
        readline(keyboard_unit, line);
      },
      testing::ExitedWithCode(2), "");
  fs::create_directory("console_gone.pdf");  // cannot be written
  EXPECT_EXIT(
      {
        attachunit(console_unit, std::fopen("/dev/null", "w"), true);
        initsio();
        leaveopen("console gone");
        std::FILE* full = std::fopen("/dev/full", "w");
        std::setvbuf(full, nullptr, _IONBF, 0);
        attachunit(console_unit, full, true);
        wout("a line");
      },
      testing::ExitedWithCode(2), "mecaro: cannot write plot file console_gone.pdf");
  for (const char* stem : {"quit", "error_stop", "end_of_input"}) {
    std::ifstream in(std::string(stem) + ".pdf", std::ios::binary);
    std::stringstream pdf;
    pdf << in.rdbuf();
    EXPECT_NE(pdf.str().rfind("%%EOF"), std::string::npos) << stem;
  }
  for (const char* stem : {"quit", "error_stop", "end_of_input", "console_gone"})
    EXPECT_TRUE(fs::file_size(std::string(stem) + ".png") > 0) << stem;
  fs::current_path(before);
}

// The text of a file, empty when it is missing.
std::string contents(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// A file still open when the run ends is closed then. One that could not
// take all its lines (a full disk, here /dev/full) is told on standard
// error in the words of its close in the dialogue, unless its failure was
// told already; the exit status is that of the end of the run.
TEST_F(RunEndDeathTest, AFileThatCannotTakeItsLinesIsToldWhenTheRunEnds) {
  GTEST_FLAG_SET(death_test_style, "fast");
  const std::string told = path("told.txt");
  const std::string report =
      " WRITE ERROR ON FILE /dev/full\n ==> FILE CLOSED, ITS CONTENT IS INCOMPLETE\n";
  auto start = [&told] {
    attachunit(stderr_unit, std::fopen(told.c_str(), "w"), true);
    attachunit(console_unit, std::fopen("/dev/null", "w"), true);
  };
  // A line still in the buffer of a table on a full disk at the end of input.
  EXPECT_EXIT(
      {
        start();
        openunit(22, "/dev/full", OpenStatus::old);
        writeline(22, " 1997-01-01 02:24:06.90  36.51 -121.08   5.5");
        attachunit(keyboard_unit, std::fopen("/dev/null", "r"), true);
        std::string line;
        readline(keyboard_unit, line);
      },
      testing::ExitedWithCode(2), "");
  EXPECT_EQ(contents(told), report);
  // A catalogue whose write failed, the console gone while that is told.
  EXPECT_EXIT(
      {
        start();
        openunit(21, "/dev/full", OpenStatus::old);
        writeblock(21, "19970101 0224  6.90 36 30.64\n");
        std::FILE* full = std::fopen("/dev/full", "w");
        std::setvbuf(full, nullptr, _IONBF, 0);
        attachunit(console_unit, full, true);
        wout("   WHILE WRITING      1 th DATA");
      },
      testing::ExitedWithCode(2), "");
  EXPECT_EQ(contents(told), report);
  // An error stop: a failure told already is not told again, and a file
  // that took every line is closed whole, without a word.
  const std::string kept = path("kept.txt");
  EXPECT_EXIT(
      {
        start();
        openunit(21, "/dev/full", OpenStatus::old);
        writeblock(21, "19970101 0224  6.90 36 30.64\n");
        failurereported(21);
        openunit(22, kept, OpenStatus::new_);
        writeline(22, "kept");
        endrun(1);
      },
      testing::ExitedWithCode(1), "");
  EXPECT_EQ(contents(told), "");
  EXPECT_EQ(contents(kept), "kept\n");
}

// A signal that cuts a write into a pipe stops the run, which tells the
// file whose write it cut as incomplete.
TEST_F(Units, AWriteASignalCutsIsToldIncomplete) {
  const std::string fifo = path("p"), told = path("told.txt");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EXIT(
      {
        attachunit(stderr_unit, std::fopen(told.c_str(), "w"), true);
        attachunit(console_unit, std::fopen("/dev/null", "w"), true);
        catchstopsignals(stoprun);
        const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        openunit(21, fifo, OpenStatus::replace);
        writeblock(21, std::string(static_cast<std::size_t>(fcntl(reader, F_GETPIPE_SZ)), 'x'));
        std::thread([main = pthread_self()] {
          std::this_thread::sleep_for(std::chrono::milliseconds(200));
          pthread_kill(main, SIGTERM);
        }).detach();
        writeline(21, "row");  // waits for room in the full pipe, until the signal
      },
      testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ(contents(told), "mecaro: stopped by SIGTERM\nmecaro: finishing the open files\n" +
                                incompletefile(fifo)[0] + "\n" + incompletefile(fifo)[1] + "\n");
}

}  // namespace
