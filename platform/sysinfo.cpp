#include "platform/sysinfo.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

SysAnswers sysanswers() {
  std::ifstream in("/proc/cpuinfo");
  std::stringstream text;
  text << in.rdbuf();
  return {std::nullopt, std::nullopt, cpuinfoclock(text.str())};
}

std::optional<std::int32_t> cpuinfoclock(std::string_view cpuinfo) {
  std::istringstream lines{std::string(cpuinfo)};
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("cpu MHz", 0) != 0) continue;
    const auto colon = line.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const char* start = line.c_str() + colon + 1;
    char* end = nullptr;
    const double mhz = std::strtod(start, &end);
    const double hz = std::round(mhz * 1.0e6);
    if (end == start || !(hz >= 1.0 && hz <= 4294967295.0)) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(hz));
  }
  return std::nullopt;
}
