// The run's clock: the local time, or the instant SOURCE_DATE_EPOCH fixes.
#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>

namespace {

// The date of the clock read twice with SOURCE_DATE_EPOCH set to epoch, and
// what the readings told on standard error.
std::pair<std::string, std::string> readclock(const std::string& epoch) {
  setenv("SOURCE_DATE_EPOCH", epoch.c_str(), 1);
  testing::internal::CaptureStderr();
  const std::string date = isodate(clocknow());
  clocknow();
  std::pair<std::string, std::string> r{date, testing::internal::GetCapturedStderr()};
  unsetenv("SOURCE_DATE_EPOCH");
  return r;
}

TEST(Clock, AWholeNumberOfSecondsOfTheYearsZeroTo9999FixesTheClock) {
  const auto [date, told] = readclock("1700000000");
  EXPECT_EQ(date, "2023-11-14T22:13:20Z");
  EXPECT_EQ(told, "");
  EXPECT_EQ(readclock("-1").first, "1969-12-31T23:59:59Z");
  EXPECT_EQ(readclock("253402300799").first, "9999-12-31T23:59:59Z");
  EXPECT_EQ(readclock("-62167219200").first, "0000-01-01T00:00:00Z");
}

// Any other value is told once, and the clock is the system's: a year of
// four digits, never 1970 or one beyond 9999.
TEST(Clock, ASourceDateEpochThatIsNoDateIsToldOnceAndTheSystemClockUsed) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string year = std::to_string(local.tm_year + 1900) + "-";
  for (const std::string bad : {"", "abc", "1e20", "99999999999999999999", "253402300800",
                                "-62167219201", " 1700000000", "1700000000s", "+1700000000"}) {
    const auto [date, told] = readclock(bad);
    EXPECT_EQ(date.substr(0, 5), year) << bad;
    EXPECT_EQ(told, "mecaro: SOURCE_DATE_EPOCH=" + bad +
                        " is not a whole number of seconds of the years 0 to 9999;"
                        " the clock is the system's\n");
  }
}

}  // namespace
