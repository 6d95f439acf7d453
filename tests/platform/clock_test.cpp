// The run's clock: the local time, or the instant SOURCE_DATE_EPOCH fixes.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// The date of an instant SOURCE_DATE_EPOCH names, and what it tells on
// standard error over two readings of the clock.
struct Reading {
  std::string date, told;
  bool fixed;
};

Reading readclock(const std::string& epoch) {
  setenv("SOURCE_DATE_EPOCH", epoch.c_str(), 1);
  testing::internal::CaptureStderr();
  const bool fixed = clockfixed();
  const std::string date = isodate(clocknow());
  clocknow();
  const Reading r{date, testing::internal::GetCapturedStderr(), fixed};
  unsetenv("SOURCE_DATE_EPOCH");
  return r;
}

TEST(Clock, AWholeNumberOfSecondsOfTheYearsZeroTo9999FixesTheClock) {
  EXPECT_EQ(readclock("1700000000").date, "2023-11-14T22:13:20Z");
  EXPECT_EQ(readclock("-1").date, "1969-12-31T23:59:59Z");
  EXPECT_EQ(readclock("253402300799").date, "9999-12-31T23:59:59Z");
  const Reading first = readclock("-62167219200");
  EXPECT_EQ(first.date, "0000-01-01T00:00:00Z");
  EXPECT_TRUE(first.fixed);
  EXPECT_EQ(first.told, "");
}

// Any other value is told once, and the clock is the system's: a year of
// four digits, never a date of the year 1970 or beyond 9999.
TEST(Clock, ASourceDateEpochThatIsNoDateIsToldOnceAndTheSystemClockUsed) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string year = std::to_string(local.tm_year + 1900);
  for (const std::string bad : {"", "abc", "1e20", "99999999999999999999", "253402300800",
                                "-62167219201", " 1700000000", "1700000000s", "+1700000000"}) {
    const Reading r = readclock(bad);
    EXPECT_FALSE(r.fixed) << bad;
    EXPECT_EQ(r.date.substr(0, 5), year + "-") << bad;
    EXPECT_EQ(r.told, "mecaro: SOURCE_DATE_EPOCH=" + bad +
                          " is not a whole number of seconds of the years 0 to 9999;"
                          " the clock is the system's\n");
  }
}

}  // namespace
