#pragma once
// The one plot window: opened with the page set-up of the settings file
// "dravo1_ini_u.txt" (or of its short dialogue, written back there), a
// drawing context begun on it, cleared between pages, and closed after the
// user has pressed Return. plinit, plend and newpage are the entries of the
// plot components and the main program; the int* routines do the window
// work.
#include <string>
#include <string_view>

#include "platform/plot_window.h"
#include "platform/real.h"
#include "plotlib/plot_records.h"

// Label of a page set-up under "Default Settings:", and the window title
// it gives (25 characters each).
std::string setuplabel(int pagesetup);
std::string setuptitle(int pagesetup);

// Content rectangle of the window of a page set-up on a screen: 44 pixels
// stay free above and below; the page is anchored at the right edge
// (portrait fits) or the bottom-right corner (100% scales). pxpercm is the
// number of pixels per centimetre at 100%. An unknown set-up gets the whole
// usable area.
ScreenRect setupwindow(const ScreenRect& screen, int pagesetup, real pxpercm);

// Device pixels per centimetre of the page in the window w describes:
// the page height fits portrait set-ups, its width the landscape fit, the
// 100% set-ups use pxpercm; an unknown set-up gives 1.0.
real pagepxpercm(const WindevSize& w);

// Opens the window unless it is open (then only warns) and initialises the
// plot parameters: those of mode 7 when mode is 2 or 3 (sub-plot scalings
// kept), of mode 5 otherwise. An even mode asks for the window's title.
// The name is not used.
void plinit(std::string_view name, int mode);
// Closes the window if it is open; otherwise only warns.
void plend();
// Asks what happens before the next page: clear, close and open a new
// window, or draw over the current page.
void newpage();

// The codes every plot's set-up menu shares: those of the plot window, of
// the sub-plot's scaling and of the plot parameters.
namespace setupcode {
inline constexpr int open = 10, close = 20;
inline constexpr int run = 1000;  // draw the plot, on a new page when the window is open
inline constexpr int scaling = 11, parameters = 12;
}  // namespace setupcode

// The head of the plot part of a set-up menu: "PLOT:", the plot's name and
// the lines of the codes open, scaling and parameters.
void setupplotlines(std::string_view plotname);

// The plot-window codes: close closes the window, run clears its page when
// it is open, open and run open it when it is closed (open on an open
// window only warns). True when the call opened a closed window, so that
// the plot sets its own attributes on it.
bool plotwindowcode(int code, std::string_view plotname);

void intplinit(std::string_view name, int mode);
void intplend();
void intnewpage();
