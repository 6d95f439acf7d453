#pragma once
// Test helpers of the column data files: the sample files, and a quiet
// console with the banner pauses off.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "console_capture.h"

// Path of a sample file of tests/overlays/data.
inline std::string samplefile(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path() / "data" / name).string();
}

// The folder of the sample files, the current one while it lives, so that
// they are named briefly.
class InDataFolder {
 public:
  InDataFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(samplefile(""));
  }
  ~InDataFolder() { std::filesystem::current_path(previous_); }
  InDataFolder(const InDataFolder&) = delete;
  InDataFolder& operator=(const InDataFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

// The lines from the first one equal to first, count of them.
inline std::vector<std::string> from(const std::vector<std::string>& lines,
                                     const std::string& first, std::size_t count) {
  auto p = std::find(lines.begin(), lines.end(), first);
  std::vector<std::string> out;
  for (; p != lines.end() && out.size() < count; ++p) out.push_back(*p);
  return out;
}
