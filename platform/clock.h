#pragma once
// Date and time of the run: the local time, or, when SOURCE_DATE_EPOCH is
// set, that instant read as UTC (reproducible transcripts).
#include <string>

struct ClockTime {
  int year, month, day, hour, minute, second;
  long utcoffset;  // seconds east of UTC (0 for SOURCE_DATE_EPOCH)
};

ClockTime clocknow();

// The time as ISO 8601 writes it: YYYY-MM-DDThh:mm:ss and the offset from
// UTC (Z, or +hh:mm / -hh:mm).
std::string isodate(const ClockTime& t);
