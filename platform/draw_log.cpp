#include "platform/draw_log.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/failures.h"
#include "platform/output_files.h"

DrawLog::DrawLog(std::vector<std::string>* lines, const std::string& path) : lines_(lines) {
  if (lines_ != nullptr || path.empty()) return;
  // The log is an output of the run like any other: never written into a
  // file another output holds.
  claim_ = claimoutput(path);
  if (claim_ != 0) file_ = std::fopen(path.c_str(), "a");
  if (file_ == nullptr) {
    reportfailure("mecaro: cannot write the drawing log " + path + ": " +
                  (claim_ == 0 ? "it is open for another output" : std::strerror(errno)));
    releaseoutput(std::exchange(claim_, 0));
  }
}

DrawLog::~DrawLog() {
  if (file_ != nullptr) std::fclose(file_);
  releaseoutput(claim_);
}

void DrawLog::line(std::string_view text) {
  if (lines_ != nullptr) {
    lines_->emplace_back(text);
  } else if (file_ != nullptr) {
    std::fwrite(text.data(), 1, text.size(), file_);
    std::fputc('\n', file_);
  }
}

std::string DrawLog::number(real v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  return std::strcmp(buf, "-0.00") == 0 ? "0.00" : buf;
}
