#pragma once
// Console state: the units of the dialogue, its flags and output levels.
#include <array>
#include <string_view>

#include "platform/real.h"

struct IoCom {
  int iunin = 5;       // standard input: every prompt reads its answer here
  int iunout = 6;      // standard output: menus, prompts, message lines
  int iunerrin = 5;    // error input: banner pauses and error-stop questions
  int iunerrout = 6;   // error output: banner heads and tails, error stops
  bool lplotfile = false;  // the plot window is open
  bool lcomfile = false;   // a command file replaces the keyboard
  bool lpause = true;      // banner tails wait for Return
  std::array<bool, 3> lwito{true, true, false};  // output levels 1..3 at [0..2]
};
extern IoCom iocom;

// Output level k (1 minimum, 2 more, 3 maximum) is on.
inline bool outlevel(int k) { return iocom.lwito[static_cast<std::size_t>(k - 1)]; }

// One line on the standard output unit / the error output unit.
void wout(std::string_view line);
void werr(std::string_view line);
// The same with one blank before the text, as most lines of the dialogue.
void say(std::string_view text);
void sayerr(std::string_view text);
// One blank, the text, one blank and a value in its Fortran field, as
// FORMAT (1x,a,1x,iw), (1x,a,1x,fw.d) or (1x,a,1x,lw) writes them; an
// integer of width 0 is written in its own width.
void sayint(std::string_view text, long long v, int w);
void sayreal(std::string_view text, real x, int w, int d);
void sayflag(std::string_view text, bool v, int w);

// Sets the console state to its start values and prints it. From then on
// the failures of the platform are told on standard error (unit 0).
void initsio();
