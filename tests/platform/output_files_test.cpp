// The outputs' files: held against the other outputs of the run and of
// other runs, opened one way.
#include "platform/output_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

class OutputFiles : public testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/mecaro-outputsXXXXXX";
    dir_ = mkdtemp(name);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string path(const char* name) const { return dir_ + "/" + name; }
  std::string dir_;
};

std::string contents(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Another run's output is a lock on another open file: the file is
// refused, and nothing of it is cut, until that run lets it go. A shared
// lock (another run's standard output) holds it too.
TEST_F(OutputFiles, AFileAnotherRunHoldsIsRefusedUncut) {
  const std::string name = path("t.txt");
  std::ofstream(name) << "theirs\n";
  const int theirs = open(name.c_str(), O_RDONLY);
  for (const int lock : {LOCK_EX, LOCK_SH}) {
    ASSERT_EQ(flock(theirs, lock), 0);
    bool held = false;
    const OutputFile output = openoutput(name, O_RDWR | O_CREAT | O_TRUNC, held);
    EXPECT_EQ(output.stream, nullptr);
    EXPECT_TRUE(held);
    EXPECT_TRUE(outputheld(name));
    EXPECT_EQ(contents(name), "theirs\n");
    const int claim = claimoutput(name);  // the refused output claims nothing
    EXPECT_NE(claim, 0);
    releaseoutput(claim);
  }
  ASSERT_EQ(flock(theirs, LOCK_UN), 0);
  EXPECT_FALSE(outputheld(name));
  bool held = true;
  OutputFile output = openoutput(name, O_RDWR | O_CREAT | O_TRUNC, held);
  ASSERT_NE(output.stream, nullptr);
  EXPECT_FALSE(held);
  EXPECT_TRUE(output.plain);
  EXPECT_EQ(contents(name), "");  // cut once it is the run's
  EXPECT_NE(flock(theirs, LOCK_SH | LOCK_NB), 0);  // and held against other runs
  EXPECT_TRUE(closeoutput(output));
  EXPECT_EQ(flock(theirs, LOCK_SH | LOCK_NB), 0);
  close(theirs);
}

// A file renamed while an output holds it is still held under its new
// name, whose path was never claimed.
TEST_F(OutputFiles, AClaimKeepsTheIdentityOfItsFile) {
  std::ofstream(path("a.txt")) << "kept\n";
  const int claim = claimoutput(path("a.txt"));
  ASSERT_NE(claim, 0);
  fs::rename(path("a.txt"), path("b.txt"));
  EXPECT_EQ(claimoutput(path("b.txt")), 0);
  releaseoutput(claim);
}

// A pipe is opened without waiting for a reader, and then written as any
// file: several megabytes read slowly arrive whole.
TEST_F(OutputFiles, APipeReadSlowlyTakesAWholeTable) {
  const std::string fifo = path("p");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  bool held = true;
  EXPECT_EQ(openoutput(fifo, O_RDWR | O_CREAT | O_TRUNC, held).stream, nullptr);  // no reader
  EXPECT_FALSE(held);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  OutputFile output = openoutput(fifo, O_RDWR | O_CREAT | O_TRUNC, held);
  ASSERT_NE(output.stream, nullptr);
  EXPECT_FALSE(output.plain);
  ASSERT_EQ(fcntl(reader, F_SETFL, 0), 0);
  std::size_t got = 0;
  std::thread slow([&] {
    char buf[16384];
    for (ssize_t n; (n = read(reader, buf, sizeof buf)) > 0;) {
      got += static_cast<std::size_t>(n);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  const std::string row(99, 'x');
  constexpr std::size_t rows = 40000;  // 4 MB
  std::size_t put = 0;
  for (std::size_t k = 0; k < rows; ++k)
    if (std::fprintf(output.stream, "%s\n", row.c_str()) == 100) put += 100;
  EXPECT_TRUE(closeoutput(output));
  slow.join();
  close(reader);
  EXPECT_EQ(put, rows * 100);
  EXPECT_EQ(got, rows * 100);
}

}  // namespace
