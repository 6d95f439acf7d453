#pragma once
// Test helper: the keyboard (unit 5) reads a given text and the console
// (unit 6) is captured, so that the exact lines a routine prints can be
// compared. The console state is reset to its start values, silently.
// Below, the checks of what was printed.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "dialogue/console_state.h"
#include "dialogue/units.h"

class ConsoleCapture {
 public:
  explicit ConsoleCapture(const std::string& input = "") : input_(input) {
    iocom = IoCom{};
    keyboard_ = fmemopen(input_.data(), input_.size(), "r");
    if (input_.empty()) keyboard_ = std::fopen("/dev/null", "r");
    console_ = open_memstream(&buffer_, &size_);
    attachunit(keyboard_unit, keyboard_, true);
    attachunit(console_unit, console_, false);
  }
  ~ConsoleCapture() {
    closeunit(keyboard_unit);
    std::fclose(console_);
    std::free(buffer_);
    attachunit(keyboard_unit, stdin, false);
    attachunit(console_unit, stdout, false);
  }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  // Everything printed so far, one string per line.
  std::vector<std::string> lines() {
    std::fflush(console_);
    std::vector<std::string> out;
    std::string text(buffer_, size_);
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
      out.push_back(text.substr(start, nl - start));
    return out;
  }
  std::string text() {
    std::fflush(console_);
    return std::string(buffer_, size_);
  }

 private:
  std::string input_;
  std::FILE* keyboard_ = nullptr;
  std::FILE* console_ = nullptr;
  char* buffer_ = nullptr;
  size_t size_ = 0;
};

// A console fed with answers, whose banner tails do not pause.
class Answers : public ConsoleCapture {
 public:
  explicit Answers(const std::string& input = "") : ConsoleCapture(input) { iocom.lpause = false; }
};

// For the child of a death test, where nothing captured survives the end of
// the process: the keyboard reads input and the console (unit 6) writes to
// standard error, which EXPECT_EXIT matches. The console state is reset.
inline void consoletostderr(const std::string& input) {
  static std::string text;
  text = input;
  iocom = IoCom{};
  std::FILE* keyboard = text.empty() ? std::fopen("/dev/null", "r")
                                     : fmemopen(text.data(), text.size(), "r");
  attachunit(keyboard_unit, keyboard, true);
  attachunit(console_unit, stderr, false);
}

// How many lines equal line.
inline long countof(const std::vector<std::string>& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

// Whether some line equals line.
inline bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return countof(lines, line) > 0;
}

// The lines of wanted that lines does not hold. Compared with an empty list,
// a failure names every line that was not printed.
inline std::vector<std::string> missing(const std::vector<std::string>& lines,
                                        const std::vector<std::string>& wanted) {
  std::vector<std::string> out;
  for (const std::string& w : wanted)
    if (!contains(lines, w)) out.push_back(w);
  return out;
}

// The lines of wanted that lines does not hold exactly once.
inline std::vector<std::string> notonce(const std::vector<std::string>& lines,
                                        const std::vector<std::string>& wanted) {
  std::vector<std::string> out;
  for (const std::string& w : wanted)
    if (countof(lines, w) != 1) out.push_back(w);
  return out;
}
