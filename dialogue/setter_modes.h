#pragma once
// The setter mode, the last integer argument of every settings routine and
// menu component, and the tests on it that the routines share:
//   0 ask, offering the given value     1 store the given value silently
//   2 ask, offering the stored value    3 return the stored value
//   4 ask, offering the default         5 set the default silently and print
//                                         an initialising line
// Some routines know more modes (named below). Menu components initialise
// in modes 4 and 5 and show their menu in an even mode.

namespace setmode {
inline constexpr int askgiven = 0, storegiven = 1, askstored = 2, getstored = 3;
inline constexpr int askdefault = 4, setdefault = 5;
inline constexpr int askdefaultall = 6, setdefaultall = 7;  // as 4 and 5, on every sub-plot
inline constexpr int tableonly = 102;  // the marker code table alone
inline constexpr int setup = 200;      // ask and return, store nothing
}  // namespace setmode

// Modes 0 and 1: the caller's value.
inline bool givenmode(int mode) { return mode == 0 || mode == 1; }
// Modes 2 and 3: the stored value.
inline bool storedmode(int mode) { return mode == 2 || mode == 3; }
// Modes 4 and 5: the default; a menu component initialises.
inline bool defaultmode(int mode) { return mode == 4 || mode == 5; }
// Modes 6 and 7: the default, on every sub-plot.
inline bool allsubplotmode(int mode) { return mode == 6 || mode == 7; }
// An even mode (negative ones too) shows the dialogue or the menu.
inline bool dialoguemode(int mode) { return mode % 2 == 0; }
// Modes 0 to 5 store the value; 0, 2 and 4 ask for it first.
inline bool storingmode(int mode) { return mode >= 0 && mode <= 5; }
inline bool askingmode(int mode) { return mode == 0 || mode == 2 || mode == 4; }
