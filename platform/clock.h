#pragma once
// Date and time of the run: the local time, or, when SOURCE_DATE_EPOCH is
// set to a whole number of seconds since 1970 that falls in the years 0 to
// 9999, that instant read as UTC (reproducible transcripts). Another value
// of it is told once on standard error, and the local time used.
#include <optional>
#include <string>

struct ClockTime {
  int year, month, day, hour, minute, second;
  long utcoffset;  // seconds east of UTC (0 for SOURCE_DATE_EPOCH)
};

ClockTime clocknow();

// The instant SOURCE_DATE_EPOCH fixes, in UTC; nothing when it is not set,
// or not a date (which is told).
std::optional<ClockTime> fixedclock();

// The time as ISO 8601 writes it: YYYY-MM-DDThh:mm:ss and the offset from
// UTC (Z, or +hh:mm / -hh:mm).
std::string isodate(const ClockTime& t);
