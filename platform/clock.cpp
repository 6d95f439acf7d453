#include "platform/clock.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>

#include "platform/failures.h"

namespace {

constexpr int lastyear = 9999;  // the last year written with four digits

// The clock's reading of a broken-down time; utcoffset is the zone's.
ClockTime reading(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
          tm.tm_gmtoff};
}

}  // namespace

std::optional<ClockTime> fixedclock() {
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  if (epoch == nullptr) return std::nullopt;
  const std::string_view text(epoch);
  long long seconds = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  const auto t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  if (ec == std::errc() && end == text.data() + text.size() && gmtime_r(&t, &tm) != nullptr &&
      tm.tm_year >= -1900 && tm.tm_year <= lastyear - 1900)
    return reading(tm);
  static std::optional<std::string> told;  // the value told, once
  if (told != text) {
    told = text;
    reportfailure("mecaro: SOURCE_DATE_EPOCH=" + *told +
                  " is not a whole number of seconds of the years 0 to 9999;"
                  " the clock is the system's");
  }
  return std::nullopt;
}

ClockTime clocknow() {
  if (const std::optional<ClockTime> fixed = fixedclock()) return *fixed;
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return reading(tm);
}

std::string isodate(const ClockTime& t) {
  const int minutes = static_cast<int>(std::labs(t.utcoffset) / 60);
  char zone[32] = "Z", text[64];
  if (t.utcoffset != 0)
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", t.utcoffset < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%s", t.year, t.month, t.day,
                t.hour, t.minute, t.second, zone);
  return text;
}
