// The event store: the date, time and label texts of an event.
#include <gtest/gtest.h>

#include "catalogue/event_store.h"

namespace {

void settime(int k, int year, int month, int day, int hour, int minute) {
  const auto i = static_cast<std::size_t>(k);
  fpsblk.iyear1[i] = year;
  fpsblk.imonth1[i] = month;
  fpsblk.iday1[i] = day;
  fpsblk.ihour1[i] = hour;
  fpsblk.imn1[i] = minute;
  fpstexts(k);
}

TEST(EventStore, TextsOfAnEvent) {
  settime(0, 2009, 3, 7, 4, 5);
  EXPECT_EQ(fpsblk.cdate1[0].view(), "2009-03-07");
  EXPECT_EQ(fpsblk.ctime1[0].view(), "04:05");
  EXPECT_EQ(fpsblk.fpslabel[0].view(), "2009-03-07 04:05");
  // Year right-aligned; a number too wide for its digits is asterisks.
  settime(maxstored - 1, 970, 12, 100, -1, 59);
  EXPECT_EQ(fpsblk.cdate1[maxstored - 1].view(), " 970-12-**");
  EXPECT_EQ(fpsblk.fpslabel[maxstored - 1].view(), " 970-12-** **:59");
}

}  // namespace
