#pragma once
// What the system tells about the computer, in the shape of the queries the
// header box describes it with: each answer is a 32-bit integer, or nothing
// when the query fails.
#include <cstdint>
#include <optional>
#include <string_view>

struct SysAnswers {
  std::optional<std::int32_t> sysv;  // system version: no such thing here
  std::optional<std::int32_t> cput;  // processor code: no such thing here
  std::optional<std::int32_t> pclk;  // processor clock rate in Hz, as 32 bits
};

// The answers of this machine.
SysAnswers sysanswers();

// The clock rate told by the text of /proc/cpuinfo (its first "cpu MHz"
// line), in Hz, its 32 bits held in the answer (a rate of 2^31 Hz or more
// reads as negative). Nothing when there is no such line or the rate does
// not fit 32 bits.
std::optional<std::int32_t> cpuinfoclock(std::string_view cpuinfo);
