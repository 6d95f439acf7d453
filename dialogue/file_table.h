#pragma once
// The file table: one input slot (unit 11) and two output slots (units 21
// and 22) with their open flags, names and explanations, and the generic
// file opener every other file goes through.
#include <array>
#include <string>
#include <string_view>

#include "dialogue/banners.h"

struct FioCom {
  int nfin = 0;                          // input slots in use, 0..1
  int nfout = 0;                         // output slots in use, 0..2
  std::array<int, 1> iuin{11};           // unit of input slot k at [k-1]
  std::array<int, 2> iouf{21, 22};       // unit of output slot k at [k-1]
  std::array<bool, 1> lopin{};           // input slot open
  std::array<bool, 2> iopou{};           // output slot open
  std::array<std::string, 1> filin;      // file names, whole as the user
  std::array<std::string, 2> oufnam;     //   named them (shown in 40 columns)
  std::array<std::string, 1> explin;     // explanations, 40 characters
  std::array<std::string, 2> oufexpl;
};
extern FioCom fiocom;

// Width in which a slot's name and explanation are shown.
constexpr std::size_t slotwidth = 40;

void initfio(int nfin, int nfout, int unused);
void listfio(int unused);
// Slot numbers k are 1-based, as the dialogue shows them.
void opefin(int k, std::string_view expl, int iflag);
void opefou(int k, std::string_view expl, int iflag);
void clofin(int k, int unused);
void clofou(int k, int unused);
// A line that could not be written to output slot k: the error banner of
// the writing routine id names the event of the line (0: the head of the
// file) and the file, and the slot is closed, so that nothing more is
// written into it.
void writeerror(const RoutineId& id, int k, int event);

// Opens unit iunit on a file with status "old" or "new". Open mode flag 0
// asks for the name (the chooser at the keyboard, the next answer line under
// a command file), 1 opens fname and ends the run if that fails, any other
// value opens fname and warns and tries again. An output ("new") that
// names a file another output of the run has open fails so, with a line
// that says why. Returns only with the unit
// open; fname then holds the name of the file opened. namewidth is the
// width in which the caller's name is shown.
void opef2(std::string& fname, std::string_view expl, int iunit, std::string_view status,
           int iflag, std::size_t namewidth = slotwidth);
