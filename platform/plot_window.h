#pragma once
// The plot window on a virtual main screen. A window is a drawing surface
// of its content size; the drawing context begun on it writes, in the
// current directory, one PDF file named after the window's title (a page
// for every clear of the whole window and the last at the end) and a PNG
// snapshot of the same name (a name used by an earlier window of the run,
// or held by another output of this run or of another run, gets -2, -3,
// ...), what a user looking at the
// window would see: before each answer typed at a terminal (showwindows)
// and when the window closes, when something was drawn on its page since
// the last snapshot (a page just cleared shows nothing). When the drawing log is on
// (MECARO_DRAWLOG names a file), every call is also appended there as a
// line. The end of the run finishes the files of a window still open
// (endcontexts).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/draw_context.h"
#include "platform/real.h"

// A rectangle in screen pixels, y downwards, as 16-bit integers.
struct ScreenRect {
  std::int16_t top, left, bottom, right;
};

// Bounds of the main screen: (0, 0, 1200, 1920), or the WIDTHxHEIGHT given
// by the environment variable MECARO_SCREEN.
ScreenRect screenbounds();

enum class WindowRegion { titlebar, structure, content, port };

struct PlotWindow;

// A window whose content area is the given rectangle. pxpercm is the number
// of pixels per centimetre of the plot's page: the PDF is scaled so that a
// centimetre of the page is a centimetre of paper.
PlotWindow* newwindow(const ScreenRect& content, real pxpercm);
void setwindowtitle(PlotWindow& window, std::string_view title);
// The content area and the port are the requested rectangle; the title bar
// is 22 pixels high above it; the structure is both together.
ScreenRect windowbounds(const PlotWindow& window, WindowRegion region);
// Begins drawing on the window: the context is blank and white, with black
// colours, line width 1 and the identity text matrix. A window has at most
// one context: a second call returns the same one.
DrawContext* begincontext(PlotWindow& window);
// Ends the context: the PDF gets its last page and is closed, the PNG shows
// the last page if it was drawn on since the last snapshot. Returns the
// line that tells which files were written (empty when no context was
// begun or no files were meant).
std::string endcontext(PlotWindow& window);
// The user is about to look at the screen: every window with a begun
// context writes its PNG snapshot, if it was drawn on since the last one.
void showwindows();
// Ends the context of every window whose context is still begun; the
// lines that tell which files were written are not kept.
void endcontexts();
// Ends the context if it is still begun and forgets the window.
void disposewindow(PlotWindow* window);

// For tests: while lines is not null, windows made from now on keep a line
// for every call in *lines instead of the drawing log, and write no files.
void recorddrawing(std::vector<std::string>* lines);
