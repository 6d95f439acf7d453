#pragma once
// The banners that frame a run: the header box at start-up, the run
// information that plot captions print, and the closing banner with one of
// nine pictures at the end of a normal run.
#include <string>

#include "dialogue/banners.h"
#include "platform/sysinfo.h"

// Run information, set once at start-up; the three routine fields are set
// by the plot routines while they draw. Blank-padded texts of fixed length.
struct RunInfoCom {
  std::string cmainname = std::string(11, ' ');  // main program
  std::string csubname = std::string(11, ' ');   // plot routine now drawing
  std::string cmainvers = std::string(4, ' ');
  std::string csubvers = std::string(4, ' ');
  std::string cmaindate = std::string(10, ' ');
  std::string csubdate = std::string(10, ' ');
  std::string cusername = std::string(10, ' ');
  std::string csystem = std::string(25, ' ');    // see hostname
  std::string crundate = std::string(10, ' ');   // dd-mm-yyyy
  std::string cruntime = std::string(8, ' ');    // hh:mm:ss
};
extern RunInfoCom runinfocom;

// Prints the header box of the main program id, then waits for one line
// on the standard input unit and ignores it.
void progheadbc(const RoutineId& id);
// Fills the main and run fields of runinfocom (the run's date and time are
// taken now, after the header box's wait). The integer is not read.
void smaininfo(const RoutineId& id, int unused);

void c8time(std::string& c);    // the current time, hh:mm:ss
void c10date(std::string& c);   // the current date, dd-mm-yyyy
// c := the system text of 25 characters: system version, processor and
// clock rate joined by '-', e.g. "MacOS1049-PPC7450-1GHz".
void hostname(std::string& c);
// The system text of 25 characters built from the system's answers.
std::string systemtext(const SysAnswers& answers);
void username(std::string& c);  // c := "Mac user", 10 characters

// Prints the closing banner of the main program id (its date is not shown)
// with the picture chosen by the last digit of the seconds.
void maintail(const RoutineId& id);

// The closing pictures.
void happyface();
void sator();
void carmag33();
void endfun1();
void tetrakis();
void tetratemple1();
void tetratemple2();
void offsetnf();
void offsetrf();
