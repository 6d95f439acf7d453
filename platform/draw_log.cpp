#include "platform/draw_log.h"

#include <fcntl.h>
#include <stdio_ext.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "platform/failures.h"
#include "platform/output_files.h"
#include "platform/stop_signals.h"

namespace {

void logfailure(const std::string& path, const std::string& reason) {
  reportfailure("mecaro: cannot write the drawing log " + path + ": " + reason);
}

}  // namespace

DrawLog::DrawLog(std::vector<std::string>* lines, const std::string& path)
    : lines_(lines), path_(path) {
  if (lines_ != nullptr || path.empty()) return;
  // The log is an output of the run like any other: never written into a
  // file another output holds.
  bool held = false;
  file_ = openoutput(path, O_WRONLY | O_CREAT | O_APPEND, held);
  if (file_.stream == nullptr)
    logfailure(path, held ? "it is open for another output" : std::strerror(errno));
}

DrawLog::~DrawLog() { closeoutput(file_); }

void DrawLog::line(std::string_view text) {
  if (lines_ != nullptr) {
    lines_->emplace_back(text);
  } else if (file_.stream != nullptr) {
    // A pipe or a device may be the console's too: its lines go whole,
    // after the console's.
    if (!file_.plain) std::fflush(stdout);
    std::fwrite(text.data(), 1, text.size(), file_.stream);
    std::fputc('\n', file_.stream);
    if (!file_.plain) std::fflush(file_.stream);
    if (std::ferror(file_.stream) != 0 && stoprequested() != 0) giveup();
  }
}

// A write that failed once the run is stopping (one that waited on a pipe
// no one reads) ends the log, told once: each further line would wait too.
void DrawLog::giveup() {
  __fpurge(file_.stream);
  closeoutput(file_);
  logfailure(path_, "it is left incomplete");
}

std::string DrawLog::number(real v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf");
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  return std::strcmp(buf, "-0.00") == 0 ? "0.00" : buf;
}
