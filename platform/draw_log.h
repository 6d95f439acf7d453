#pragma once
// Recorder back end of the drawing context: one text line per call, kept in
// memory for tests or appended to a file (MECARO_DRAWLOG) for plot tests.
#include <string>
#include <string_view>
#include <vector>

#include "platform/output_files.h"
#include "platform/real.h"

class DrawLog {
 public:
  // Lines go to *lines when it is given, else to the end of the file named
  // path, opened as an output (openoutput) while the log is open (nothing
  // when path is empty, or the file cannot be opened or is held by another
  // output, which is reported as a failure).
  DrawLog(std::vector<std::string>* lines, const std::string& path);
  ~DrawLog();
  DrawLog(const DrawLog&) = delete;
  DrawLog& operator=(const DrawLog&) = delete;

  void line(std::string_view text);
  // Lines go somewhere: to memory or to an open file.
  bool recording() const { return lines_ != nullptr || file_.stream != nullptr; }

  // A value as the log writes it: rounded to 0.01, never "-0.00".
  static std::string number(real v);

 private:
  void giveup();

  std::vector<std::string>* lines_;
  std::string path_;
  OutputFile file_;
};
