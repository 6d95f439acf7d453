#include "platform/plot_window.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <set>
#include <utility>

#include "platform/cairo_pages.h"
#include "platform/draw_log.h"
#include "platform/failures.h"
#include "platform/output_files.h"

struct PlotWindow {
  ScreenRect content;
  real ptperpx;  // PDF points per pixel
  bool files;    // false while tests record the drawing
  std::string title;
  std::unique_ptr<DrawLog> log;
  std::unique_ptr<DrawContext> context;
  int pngclaim = 0;  // on its PNG while its context is begun
};

namespace {

constexpr int titlebarheight = 22;
constexpr ScreenRect defaultscreen{0, 0, 1200, 1920};

std::vector<std::string>* recording = nullptr;

// Windows whose context is begun.
std::set<PlotWindow*> begun;

bool readsize(std::string_view text, int& v) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc() && end == text.data() + text.size() && v >= 1 && v <= 32767;
}

// Claims the PNG of a stem for the window and opens its PDF; false,
// holding nothing, when another output, of the run or of another run,
// holds either of them. The PNG is open only while a snapshot is written:
// until then it is held in the run by its claim alone.
bool holdfiles(const std::string& stem, int& pngclaim, OutputFile& pdf) {
  const std::string png = stem + ".png";
  pngclaim = outputheld(png) ? 0 : claimoutput(png);
  if (pngclaim == 0) return false;
  bool held = false;
  pdf = openpdf(stem, held);
  if (!held) return true;
  releaseoutput(std::exchange(pngclaim, 0));
  return false;
}

// File name stem of a title, its files held: blanks and slashes become
// '_'; a stem already used in this run, or one whose PDF or PNG another
// output has open, gets -2, -3, ...
std::string filestem(std::string_view title, int& pngclaim, OutputFile& pdf) {
  static std::set<std::string> used;
  std::string stem(title);
  for (char& c : stem)
    if (c == ' ' || c == '/' || c == '\0') c = '_';
  if (stem.empty()) stem = "plot";
  std::string name = stem;
  for (int k = 2; used.count(name) != 0 || !holdfiles(name, pngclaim, pdf); ++k)
    name = stem + '-' + std::to_string(k);
  used.insert(name);
  return name;
}

void record(PlotWindow& w, const std::string& line) { w.log->line(line); }

}  // namespace

ScreenRect screenbounds() {
  const char* env = std::getenv("MECARO_SCREEN");
  if (env == nullptr) return defaultscreen;
  const std::string_view text(env);
  const auto x = text.find('x');
  int width = 0, height = 0;
  if (x != std::string_view::npos && readsize(text.substr(0, x), width) &&
      readsize(text.substr(x + 1), height))
    return {0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)};
  reportfailure("mecaro: MECARO_SCREEN=" + std::string(text) +
                " is not WIDTHxHEIGHT; the screen is 1920x1200");
  return defaultscreen;
}

PlotWindow* newwindow(const ScreenRect& content, real pxpercm) {
  const bool scaled = std::isfinite(pxpercm) && pxpercm > 0.0f;
  auto* w = new PlotWindow{content, scaled ? 28.3464566f / pxpercm : 0.8f, recording == nullptr,
                          "", nullptr, nullptr};
  const char* logfile = std::getenv("MECARO_DRAWLOG");
  w->log = std::make_unique<DrawLog>(recording, logfile != nullptr ? logfile : "");
  record(*w, "newwindow " + std::to_string(content.top) + ' ' + std::to_string(content.left) +
                 ' ' + std::to_string(content.bottom) + ' ' + std::to_string(content.right));
  return w;
}

void setwindowtitle(PlotWindow& window, std::string_view title) {
  window.title = title;
  record(window, "windowtitle \"" + window.title + '"');
}

ScreenRect windowbounds(const PlotWindow& window, WindowRegion region) {
  ScreenRect r = window.content;
  const auto above = static_cast<std::int16_t>(r.top - titlebarheight);
  switch (region) {
    case WindowRegion::content:
    case WindowRegion::port:
      break;
    case WindowRegion::structure:
      r.top = above;
      break;
    case WindowRegion::titlebar:
      r.bottom = r.top;
      r.top = above;
      break;
  }
  return r;
}

DrawContext* begincontext(PlotWindow& window) {
  if (!window.context) {
    const int width = window.content.right - window.content.left;
    const int height = window.content.bottom - window.content.top;
    record(window, "begincontext " + std::to_string(width) + ' ' + std::to_string(height));
    OutputFile pdf;
    const std::string stem = window.files ? filestem(window.title, window.pngclaim, pdf) : "";
    window.context = std::make_unique<DrawContext>(
        std::make_unique<CairoPages>(width, height, window.ptperpx, stem, pdf), window.log.get());
    begun.insert(&window);
  }
  return window.context.get();
}

std::string endcontext(PlotWindow& window) {
  if (!window.context) return "";
  record(window, "endcontext");
  std::string line = window.context->finish();
  window.context.reset();
  releaseoutput(std::exchange(window.pngclaim, 0));
  begun.erase(&window);
  return line;
}

void showwindows() {
  for (PlotWindow* w : begun) w->context->snapshot();
}

void endcontexts() {
  for (PlotWindow* w : std::set<PlotWindow*>(begun)) endcontext(*w);
}

void disposewindow(PlotWindow* window) {
  if (window == nullptr) return;
  endcontext(*window);
  record(*window, "disposewindow");
  delete window;
}

void recorddrawing(std::vector<std::string>* lines) { recording = lines; }
