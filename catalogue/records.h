#pragma once
// FPFIT and HASH catalogue records: one event per text line, in fixed
// columns (FPFIT 141 columns, HASH 114). Reading puts the fields of a line
// straight into one slot of the event store and converts them; writing
// makes the line of one stored event. Slots are 0-based indices k of the
// store (event k + 1 on screen).
//
// Only nodal plane 1 is carried by either layout; fields a layout does not
// carry are neither read nor written, so a slot keeps what it held.
#include <string>
#include <string_view>

#include "dialogue/banners.h"

// Identity of the catalogue reader, which heads the warnings printed while
// its records are read.
inline constexpr RoutineId fpsreadex1id{"fpsreadex1 ", " 1.1", "01-05-2010"};

enum class RecordRead {
  read,   // the record is in slot k
  blank,  // a line of blanks only: no event, the slot is untouched
  error,  // a field is not a number: the slot may hold part of the record
};

// Reads an FPFIT line into slot k. The hemisphere letter (column 23) is 'S'
// or 's' for south, blank, 'N' or 'n' for north; the direction letter
// (column 33) blank, 'W' or 'w' for west, 'E' or 'e' for east; any other
// character is taken as north or east after a warning banner. The dip
// direction read becomes the strike (minus 90).
RecordRead readfpfit(std::string_view line, int k);
// Reads a HASH line into slot k; prints nothing.
RecordRead readhash(std::string_view line, int k);

// Where the fields of a written line go: each at its first column, with
// blanks between (the record), or one after the other with a tab between
// (the table).
enum class Placing { columns, tabs };

// Appends the line of event k to out, without a newline: the 35 FPFIT or
// 21 HASH fields in record order, each at its own width (FPFIT month, day,
// hour and minute zero-padded in the record, blank-padded in the table).
// A value too wide for its field is a field of '*'.
void fpfitline(std::string& out, int k, Placing placing);
void hashline(std::string& out, int k, Placing placing);

// The record line of event k.
std::string writefpfit(int k);
std::string writehash(int k);
