#include "platform/clock.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

ClockTime clocknow() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    t = static_cast<std::time_t>(std::strtoll(epoch, nullptr, 10));
    gmtime_r(&t, &tm);
  } else {
    localtime_r(&t, &tm);
  }
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
          tm.tm_gmtoff};
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
