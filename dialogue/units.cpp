#include "dialogue/units.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <stdio_ext.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

#include "dialogue/console_state.h"
#include "platform/output_files.h"
#include "platform/plot_window.h"
#include "platform/stop_signals.h"

namespace {

// The longest record read: far above any record the system reads, so that
// an input that never ends a line cannot fill the memory.
constexpr std::size_t maxrecord = 64 * 1024;

struct Unit {
  std::FILE* stream = nullptr;
  bool owned = false;     // opened here, closed here
  bool failed = false;    // a write has failed
  bool writing = false;   // last transfer was a write
  bool reported = false;  // the failure has been told to the user
  std::string name{};     // the file opened on the unit; empty for a stream attached
  int claim = 0;          // the claim on the file of an output (claimoutput)
  bool plain = true;      // the file is a plain file, not a pipe or a device
};

// Whether a stream is on a plain file.
bool plainfile(std::FILE* stream) {
  struct stat st {};
  return fstat(fileno(stream), &st) == 0 && S_ISREG(st.st_mode);
}

std::map<int, Unit>& table() {
  static std::map<int, Unit> units{{stderr_unit, {stderr, false}},
                                   {keyboard_unit, {stdin, false}},
                                   {console_unit, {stdout, false}}};
  return units;
}

// A unit open, or one that is not open but was written to: it keeps the
// failure of that write until it is opened or closed.
Unit* known(int unit) {
  auto it = table().find(unit);
  return it == table().end() ? nullptr : &it->second;
}

// A unit open.
Unit* find(int unit) {
  Unit* u = known(unit);
  return u == nullptr || u->stream == nullptr ? nullptr : u;
}

// Switching between reading and writing on one file needs a positioning
// call; a write after reads (or right after opening) ends a plain file
// there, as a sequential write does. A device or a pipe has no end to cut.
void towrite(Unit& u) {
  if (u.writing || !u.owned) return;
  std::fseek(u.stream, 0, SEEK_CUR);
  if (u.plain && ftruncate(fileno(u.stream), std::ftell(u.stream)) != 0) u.failed = true;
  u.writing = true;
}

void toread(Unit& u) {
  if (!u.writing) return;
  std::fflush(u.stream);
  std::fseek(u.stream, 0, SEEK_CUR);
  u.writing = false;
}

bool ending = false;  // endrun has begun

// Marks a failed write. The console gone (a closed pipe, a terminal that
// hung up, a full disk) ends the run as the end of input does, unless a
// signal ends it already.
void writefailed(int unit, Unit& u) {
  u.failed = true;
  checkstop();  // a write a signal interrupted
  if (unit == console_unit && !ending && stoprequested() == 0) endofinput();
}

// A write that failed once the run is stopping (one that waited on a pipe
// no one reads) ends its output: nothing more is sent to it, so that the
// run ends within seconds whatever its outputs are.
bool givenup(const Unit& u) { return u.failed && stoprequested() != 0; }

// Sends what the console holds in its buffer to its file.
void flushconsole() {
  if (Unit* out = find(console_unit);
      out != nullptr && !givenup(*out) && std::fflush(out->stream) != 0)
    writefailed(console_unit, *out);
}

// Closes the stream of a unit it owns, flushes one it does not; true when
// everything written to the unit reached its file.
bool release(Unit& u) {
  bool ok = !u.failed;
  if (u.stream != nullptr && givenup(u)) __fpurge(u.stream);
  if (u.stream != nullptr && (u.owned ? std::fclose(u.stream) : std::fflush(u.stream)) != 0)
    ok = false;
  u.stream = nullptr;
  releaseoutput(u.claim);
  u.claim = 0;
  return ok;
}

// Standard error may share the console's file (2>&1), and so may a file
// that is no plain file (/dev/stdout on a pipe): what the console has
// written goes first, the end of a line its last block cut included, and
// each record is sent whole, not left in a buffer to be cut by the
// console's next block.
bool shared(int unit, const Unit& u) {
  return unit == stderr_unit || (!u.plain && unit != console_unit);
}

// The open unit a write goes to, made ready for writing; null when the
// unit is not open, which marks it failed as a read of it fails.
Unit* writeunit(int unit) {
  Unit* u = find(unit);
  if (u == nullptr) {
    table()[unit].failed = true;
    return nullptr;
  }
  if (givenup(*u)) return nullptr;
  if (shared(unit, *u)) flushconsole();
  towrite(*u);
  return u;
}

}  // namespace

ReadStatus readline(int unit, std::string& line) {
  line.clear();
  Unit* u = find(unit);
  if (u == nullptr) return ReadStatus::failed;
  if (unit == keyboard_unit || u->stream == stdin) {
    flushconsole();
    std::fflush(stdout);
    // The user answers looking at the screen: the plot windows show what
    // was drawn (their snapshots are written).
    if (!iocom.lcomfile && isatty(fileno(u->stream)) != 0) showwindows();
  }
  checkstop();
  toread(*u);
  int c = 0;
  while ((c = getc_unlocked(u->stream)) != EOF && c != '\n') {
    if (line.size() == maxrecord) {
      // A keyboard that never ends a line (/dev/zero) gives no answer ever.
      if (unit == keyboard_unit) endofinput();
      return ReadStatus::failed;
    }
    line.push_back(static_cast<char>(c));
  }
  if (c == EOF && (line.empty() || std::ferror(u->stream))) {
    checkstop();  // a read a signal interrupted
    line.clear();
    bool eof = !std::ferror(u->stream);
    std::clearerr(u->stream);
    // A keyboard that cannot be read (closed, a folder, a terminal that
    // hung up) never gives a line again: it is at its end.
    if (unit == keyboard_unit) endofinput();
    return eof ? ReadStatus::eof : ReadStatus::failed;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return ReadStatus::line;
}

void endofinput() {
  checkstop();  // a keyboard or console gone with a signal (a terminal hung up)
  if (!unitfailed(console_unit))
    writeline(console_unit, " END OF STANDARD INPUT ===> STOPPING EXECUTION");
  endrun(2);
}

void writeline(int unit, std::string_view text) {
  Unit* u = writeunit(unit);
  if (u == nullptr) return;
  if (std::fwrite(text.data(), 1, text.size(), u->stream) != text.size() ||
      std::fputc('\n', u->stream) == EOF || (shared(unit, *u) && std::fflush(u->stream) != 0) ||
      std::ferror(u->stream))
    writefailed(unit, *u);
}

std::size_t writeblock(int unit, std::string_view text) {
  Unit* u = writeunit(unit);
  if (u == nullptr) return 0;
  const std::size_t put = std::fwrite(text.data(), 1, text.size(), u->stream);
  const std::size_t pending = __fpending(u->stream);  // the end of text still in the buffer
  if (put == text.size() && std::fflush(u->stream) == 0) return put;
  writefailed(unit, *u);
  return put - std::min(put, pending);
}

// Opens a file on a unit to be read: a plain file to be read and written
// (or only read, when it cannot be written), a pipe or a device only read.
std::FILE* openinput(const std::string& name, bool plain) {
  std::FILE* f = plain ? std::fopen(name.c_str(), "r+") : nullptr;
  return f != nullptr ? f : std::fopen(name.c_str(), "r");
}

// The flags an output of each status but "old" is opened with.
int outputflags(OpenStatus status) {
  switch (status) {
    case OpenStatus::new_:
      return O_RDWR | O_CREAT | O_EXCL;
    case OpenStatus::replace:
      return O_RDWR | O_CREAT | O_TRUNC;
    default:
      return O_RDWR | O_CREAT;
  }
}

bool openunit(int unit, const std::string& name, OpenStatus status) {
  if (find(unit) != nullptr) closeunit(unit);
  struct stat st {};
  const bool there = stat(name.c_str(), &st) == 0;
  if ((status == OpenStatus::old && !there) || (status == OpenStatus::new_ && there))
    return false;
  Unit u{nullptr, true, false, false, false, name};
  if (status == OpenStatus::old) {
    u.stream = openinput(name, S_ISREG(st.st_mode));
    // A folder opens for reading but yields no line, ever: it is no file.
    if (u.stream != nullptr && fstat(fileno(u.stream), &st) == 0 && S_ISDIR(st.st_mode)) {
      std::fclose(u.stream);
      return false;
    }
    u.plain = S_ISREG(st.st_mode);
  } else {
    bool held = false;
    const OutputFile output = openoutput(name, outputflags(status), held);
    u.stream = output.stream;
    u.claim = output.claim;
    u.plain = output.plain;
  }
  if (u.stream == nullptr) return false;
  table()[unit] = u;
  return true;
}

bool closeunit(int unit) {
  Unit* u = known(unit);
  if (u == nullptr) return true;
  const bool ok = release(*u) || u->reported;
  table().erase(unit);
  return ok;
}

std::array<std::string, 2> incompletefile(std::string_view name) {
  return {" WRITE ERROR ON FILE " + std::string(name), " ==> FILE CLOSED, ITS CONTENT IS INCOMPLETE"};
}

bool unitopen(int unit) { return find(unit) != nullptr; }

bool unitterminal(int unit) {
  Unit* u = find(unit);
  return u != nullptr && isatty(fileno(u->stream)) != 0;
}

void failurereported(int unit) {
  if (Unit* u = known(unit)) u->reported = true;
}

bool unitfailed(int unit) {
  Unit* u = known(unit);
  if (u == nullptr) return false;
  if (u->stream != nullptr && u->writing && std::fflush(u->stream) != 0) u->failed = true;
  return u->failed;
}

void rewindunit(int unit) {
  if (Unit* u = find(unit)) {
    if (u->writing) std::fflush(u->stream);
    std::rewind(u->stream);
    u->writing = false;
  }
}

void attachunit(int unit, std::FILE* stream, bool owned) {
  Unit u{stream, owned};
  u.plain = plainfile(stream);
  table()[unit] = u;
}

void stoprun(int signal) {
  writeline(stderr_unit, std::string("mecaro: stopped by SIG") + sigabbrev_np(signal));
  writeline(stderr_unit, "mecaro: finishing the open files");
  stoptold();
  if (!ending) endrun(128 + signal);
}

void endrun(int status) {
  if (!ending) {
    ending = true;
    endcontexts();
  }
  // A file that could not take all its lines (the end of its buffer
  // included) is told on standard error, which is finished last, unless its
  // failure was told already.
  for (auto& [unit, u] : table()) {
    if (unit == stderr_unit || release(u) || u.reported || u.name.empty()) continue;
    for (const std::string& line : incompletefile(u.name)) writeline(stderr_unit, line);
  }
  std::fflush(nullptr);
  // A signal that came while the run ended, or comes now, is told, and
  // ends it.
  if (holdstopsignals() != 0) {
    checkstop();  // its lines are flushed as written
    endbysignal(stoprequested());
  }
  std::exit(status);
}
