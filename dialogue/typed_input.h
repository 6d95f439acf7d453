#pragma once
// Typed input: every value the program asks for goes through these prompts.
// Each prints its question, offers a default where it has one, reads one
// answer line from the standard input unit, asks again without limit when
// the answer cannot be read or lies outside its bounds, and echoes the value
// it accepted. ierr is always 0 on return.
#include <string>
#include <string_view>

#include "dialogue/units.h"
#include "platform/real.h"

void inintegdef(int& ival, std::string_view text, int idef, int& ierr);
void ininteg1(int& ival, std::string_view text, int& ierr);
void inintegdefnp(int& ival, std::string_view text, int idef, int& ierr);
void inintegvin1(int& ival, std::string_view text, int imin, int imax, int& ierr);
void inintegvindef(int& ival, std::string_view text, int idef, int imin, int imax, int& ierr);
void inrealdef(real& x, std::string_view text, real xdef, int& ierr);
void inrealvindef(real& x, std::string_view text, real xdef, real xmin, real xmax, int& ierr);
void inlogicdef(bool& lval, std::string_view text, bool ldef, int& ierr);
void inlogicdef2(bool& lval, std::string_view text, bool ldef, int inunit, int outunit, int& ierr);
// cval keeps its length (a CHARACTER*n text): the answer is cut or padded;
// when whole, an answer longer than cval is kept whole (a file name).
void inchardef(std::string& cval, std::string_view text, std::string_view cdef, int& ierr,
               bool whole = false);
void inchar1(std::string& cval, std::string_view text, int& ierr);
// 1-based positions of the first and last non-blank characters.
void textlen(int& ifirst, int& ilast, std::string_view text);

// One answer line from the standard input unit. At the end of a command
// file the keyboard is handed back (with a warning) and eof is returned:
// the caller asks its question again, at the keyboard. A command file that
// cannot be read further (a line too long) hands the keyboard back too, and
// the failed read is returned for the caller to report. End of the
// keyboard ends the run.
ReadStatus readanswer(std::string& line);
