#include "platform/clock.h"

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
