#pragma once
// Date and time of the run: the local time, or, when SOURCE_DATE_EPOCH is
// set, that instant read as UTC (reproducible transcripts).
struct ClockTime {
  int year, month, day, hour, minute, second;
};

ClockTime clocknow();
