// The extraction run at the store's capacity, which a dialogue case cannot
// hold: the catalogue would be megabytes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "catalogue/angles.h"
#include "catalogue/event_store.h"
#include "catalogue/reader.h"
#include "console_capture.h"
#include "dialogue/file_table.h"

namespace {

const std::string record =
    "19970102 0500 40.59 36 41.41 121 16.98   4.19   1.70 25  81  4.0 0.06  0.2  0.6  C 150 80  30  0.01  21  "
    "0.11 0.69 0.14  18 33 30      489637";

// The run stops when the 60000th record is retained: the unreadable record
// after it is never read, and the store is full, not emptied.
TEST(Reader, FullStoreEndsTheRunWithoutReadingFurther) {
  // A name of its own, so that runs of this test in other checkouts at the
  // same time never share the file.
  const std::string name =
      testing::TempDir() + "mecaro_full_store_" + std::to_string(getpid()) + ".fps";
  {
    std::ofstream out(name);
    for (int i = 0; i < maxstored; ++i) out << record << '\n';
    out << "this line is no record\n";
  }
  ConsoleCapture console("1000\n" + name + "\n\n");
  trigoset();
  initfio(1, 2, 0);
  fpsreadex1(1, 5);
  fpsreadex1(1, 0);
  EXPECT_EQ(fpsblk.nbstored, maxstored);
  EXPECT_EQ(fpsblk.idatatype, 1);
  EXPECT_FALSE(fiocom.lopin[0]);
  const std::string text = console.text();
  EXPECT_NE(text.find(" | Nb of data |      60000 |      60000 |\n"), std::string::npos);
  EXPECT_NE(text.find(" data may not have been fully read\n"), std::string::npos);
  EXPECT_EQ(text.find("WHILE READING"), std::string::npos);
  EXPECT_EQ(fpsblk.fpslabel[maxstored - 1].view(), "1997-01-02 05:00");
  std::remove(name.c_str());
}

}  // namespace
