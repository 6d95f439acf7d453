#pragma once
// Test helpers of the plotting library: a scratch directory to run in, and
// an open plot window whose drawing calls are recorded.
#include <unistd.h>

#include <cstdlib>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console_capture.h"
#include "dialogue/console_state.h"
#include "dialogue/setter_modes.h"
#include "platform/plot_window.h"
#include "plotlib/colour_table.h"
#include "plotlib/coordinates.h"
#include "plotlib/plot_records.h"
#include "plotlib/window_pages.h"

// A fresh directory, the current one while it lives.
class ScratchDirectory {
 public:
  ScratchDirectory() : previous_(std::filesystem::current_path()) {
    char name[] = "/tmp/mecaro-plotlibXXXXXX";
    path_ = mkdtemp(name);
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

 private:
  std::filesystem::path previous_, path_;
};

// A window of the portrait A4 set-up on the 1024 x 768 screen (480 x 680
// pixels), open as plinit leaves it, its drawing calls kept in calls. The
// page is 680 / 29.7 pixels per centimetre; sub-plot 1 is current and
// every sub-plot maps user units to pixels one to one. The attributes are
// zero but for the start-up colour table. Given a title, the window writes
// its files (<title>.pdf and .png, in the current directory) instead.
class RecordedWindow {
 public:
  explicit RecordedWindow(const std::string& title = "") {
    if (title.empty()) recorddrawing(&calls);
    window = newwindow({44, 544, 724, 1024}, 680.0f / 29.7f);
    if (!title.empty()) setwindowtitle(*window, title);
    view = View{window, window, begincontext(*window), 0};
    windevsize = WindevSize{44, 544, 724, 1024, 1, 35.43307f};
    iocom.lplotfile = true;
    plt1blk = Plt1Blk{};
    scm2de();
    plt1blk.isub = 1;
    for (Mat22& m : plt1blk.ustode) m = {1.0f, 0.0f, 0.0f, 1.0f};
    plt2blk = Plt2Blk{};
    scolortable(5);
    calls.clear();
  }
  ~RecordedWindow() {
    disposewindow(window);
    view = View{};
    iocom.lplotfile = false;
    recorddrawing(nullptr);
  }
  RecordedWindow(const RecordedWindow&) = delete;
  RecordedWindow& operator=(const RecordedWindow&) = delete;

  // The recorded calls that begin with prefix.
  std::vector<std::string> only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : calls)
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
  }

  // The points of every recorded path, in device pixels, path by path.
  std::vector<std::vector<DrawPoint>> paths() const {
    std::vector<std::vector<DrawPoint>> out;
    for (const std::string& line : calls) {
      std::istringstream in(line);
      std::string call;
      in >> call;
      if (call == "beginpath") out.emplace_back();
      DrawPoint p{};
      if ((call == "moveto" || call == "lineto") && in >> p.x >> p.y && !out.empty())
        out.back().push_back(p);
    }
    return out;
  }

  std::vector<std::string> calls;
  PlotWindow* window = nullptr;
};

// plinit(mode 2) on the 1024 x 768 screen: the answers to its questions
// (defaults, window title) come from the keyboard.
inline void plinitsmallscreen() {
  setenv("MECARO_SCREEN", "1024x768", 1);
  plinit("seis.ps", 2);
  unsetenv("MECARO_SCREEN");
}

// The value a setter holds in force: what it returns in the mode that gives
// back the stored value.
template <class T>
T inforce(void (*setter)(T&, int)) {
  T value{};
  setter(value, setmode::getstored);
  return value;
}
