#pragma once
// Unit layer: integer unit numbers name open text streams, as the dialogue
// addresses them (0 standard error, 5 keyboard, 6 console, 15 command file,
// 11/21/22 file table, 50 settings file, ...). Every line read or written
// goes through here.
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

enum class ReadStatus { line, failed, eof };
enum class OpenStatus { old, new_, unknown, replace };

constexpr int stderr_unit = 0;
constexpr int keyboard_unit = 5;
constexpr int console_unit = 6;

// Reads one line (without its newline and a trailing carriage return);
// a run stopped by a signal ends here (checkstop).
// A line longer than 64 KiB is a failed read, its rest left unread.
// Standard output is flushed first, and before an answer typed at a
// terminal with no command file running the plot windows are shown
// (showwindows). End of file on the keyboard, or a
// read of it that fails, never returns: the run ends with status 2.
ReadStatus readline(int unit, std::string& line);

// End of the keyboard: says so and ends the run with status 2.
[[noreturn]] void endofinput();

// Writes one line; to a pipe or a device, which the console may share, the
// line goes whole and after the console's lines. A write that fails, or a
// write to a unit that is not open, marks the unit (see unitfailed), as a
// read of such a unit fails. A console that cannot be written to ends the
// run as the end of input does.
void writeline(int unit, std::string_view text);
// Writes a text of whole lines and flushes the unit; returns how many of
// its bytes reached the file: all of them unless a write fails, which
// marks the unit. A unit that is not open takes nothing and is marked.
std::size_t writeblock(int unit, std::string_view text);

// Opens a file on a unit: "old" must exist, "new" must not, "unknown"
// opens it or creates it, "replace" empties it or creates it. Returns false
// when the file cannot be opened, or when a status other than "old" names a
// file that another output of this run or of another run has open
// (outputheld): no two outputs are written into one file. Every status but
// "old" opens an output (openoutput). A pipe or a device is opened only the
// way the run uses it: to be read for "old", else to be written (a named
// pipe that no one reads cannot be opened).
bool openunit(int unit, const std::string& name, OpenStatus status);

// Closes a unit; returns false when a write to it failed at any time or the
// close itself failed, unless that failure was already reported. Closing a
// unit that is not open only forgets the failed writes to it.
bool closeunit(int unit);

// The two lines that tell a file whose lines could not all be written: its
// close in the dialogue shows them on the console, the end of the run on
// standard error.
std::array<std::string, 2> incompletefile(std::string_view name);

bool unitopen(int unit);
bool unitterminal(int unit);  // the unit is connected to a terminal
bool unitfailed(int unit);   // a write to the unit has failed
void failurereported(int unit);  // its caller has told the user: no second report at close
void rewindunit(int unit);

// Connects a unit to an already open stream (tests; standard streams).
// When owned, closing the unit closes the stream.
void attachunit(int unit, std::FILE* stream, bool owned);

// The one process-end path, whatever ends the run: finishes the files of a
// plot window still open, flushes and closes every open unit and ends the
// process with the status (0 normal end, 1 error stop, 2 end of input or a
// console gone), or by the signal that stopped the run, also one that came
// while it ended. A file that could not take all its lines, and whose
// failure nobody has told, is told on standard error (incompletefile).
[[noreturn]] void endrun(int status);

// A run stopped by a signal (catchstopsignals) ends as at the end of input,
// with one line naming the signal on standard error and one saying that its
// open files are being finished, then ends by that signal (endbysignal).
// Called while the run ends already, it tells the stop and returns: that
// end then ends by the signal.
void stoprun(int signal);
