#include "dialogue/typed_input.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "dialogue/banners.h"
#include "dialogue/command_files.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/number_text.h"

namespace {

// Characters ifirst to ilast of textlen: an all-blank text keeps one blank.
std::string trim(std::string_view text) {
  int ifirst = 0;
  int ilast = 0;
  textlen(ifirst, ilast, text);
  if (ilast < ifirst) return {};
  const auto first = static_cast<size_t>(ifirst - 1);
  return std::string(text.substr(first, static_cast<size_t>(ilast) - first));
}

const RoutineId inintegdef_id{"inintegdef ", "1.3 ", "08-03-2000"};
const RoutineId ininteg1_id{"ininteg1   ", "1.1 ", "08-03-2000"};
const RoutineId inintegdefnp_id{"inintegdefn", "1.10", "07-10-96  "};
const RoutineId inintegvin1_id{"inintegvin1", "1.1 ", "08-03-2000"};
const RoutineId inintegvindef_id{"inintegvind", "1.3 ", "08-03-2000"};
const RoutineId inrealdef_id{"inrealdef  ", "1.2 ", "08-03-2000"};
const RoutineId inrealvindef_id{"inrealvinde", "1.5 ", "15-11-2005"};
const RoutineId inlogicdef_id{"inlogicdef ", " 1.2", "02-05-99  "};
const RoutineId inlogicdef2_id{"inlogicdef2", " 1.0", "08-03-2000"};
const RoutineId inchardef_id{"inchardef  ", "1.4 ", "08-03-2000"};
const RoutineId inchar1_id{"inchar1    ", "1.4 ", "08-03-2000"};

const std::string dotted = " " + std::string(42, '.');

// Answer buffers: the rest of a longer line is lost.
constexpr std::size_t numberbuffer = 20;
constexpr std::size_t textbuffer = 80;

// A buffer whose first character is a line feed, a carriage return or a
// blank asks for the default.
bool defaultanswer(std::string_view buffer) {
  return buffer[0] == '\n' || buffer[0] == '\r' || buffer[0] == ' ';
}

// Reads the first value of an answer into v: an empty value (',' or '/'
// first) leaves v as it is. False when the value is not a number of v's
// kind or there is none.
template <typename T>
bool readfirst(std::string_view buffer, T& v) {
  const ed::ListVar var[] = {&v};
  return ed::readlist(buffer, var).end == ed::ListEnd::complete;
}

// Outcome of reading an answer: a value, an answer that cannot be read,
// or the keyboard handed back at the end of a command file (ask again).
enum class Got { value, bad, again };
Got got(ReadStatus st) { return st == ReadStatus::eof ? Got::again : Got::bad; }

// One answer line from a unit; the standard input unit goes through
// readanswer, so that the end of a command file hands the keyboard back.
ReadStatus answerfrom(int unit, std::string& line) {
  return unit == iocom.iunin ? readanswer(line) : readline(unit, line);
}

// A value read straight from the standard input unit: empty lines and
// leading blanks are skipped.
Got readunbuffered(int& v) {
  const ed::ListVar var[] = {&v};
  switch (ed::readlist(readanswer, var).end) {
    case ed::ListEnd::complete: return Got::value;
    case ed::ListEnd::eof: return Got::again;
    default: return Got::bad;
  }
}

// Reads a number with a default from the 20-character buffer: the default
// for a default answer, else the first item. False when no answer line
// could be read or its item is not a number of v's kind.
template <typename T>
Got readwithdefault(T& v, T vdef) {
  std::string line;
  if (const ReadStatus st = readanswer(line); st != ReadStatus::line) return got(st);
  const std::string buffer = ed::pad(line, numberbuffer);
  if (defaultanswer(buffer)) {
    v = vdef;
    return Got::value;
  }
  return readfirst(buffer, v) ? Got::value : Got::bad;
}

void couldnotread(const RoutineId& id, std::string_view question) {
  errorhead(id);
  wout(" could not read " + std::string(question));
  wout(" ==> RETRYING");
  errortail00();
}

std::string interval(std::string_view opening, const std::string& lo, const std::string& hi) {
  return " " + std::string(opening) + lo + "," + hi + "]";
}

// The refusal of a value outside its interval: value is the value in its
// layout, lo and hi the bounds in theirs.
void outside(const RoutineId& id, std::string_view question, const std::string& value,
             const std::string& lo, const std::string& hi) {
  errorhead(id);
  wout(" " + std::string(question) + " = " + value);
  wout(interval("outside [", lo, hi));
  errortail00();
}

// Integer bounds in their own widths.
std::pair<std::string, std::string> intbounds(int imin, int imax) {
  int nmin = 0;
  int nmax = 0;
  integlen(nmin, imin);
  integlen(nmax, imax);
  return {ed::i(imin, nmin), ed::i(imax, nmax)};
}

void echo(const std::string& value) {
  wout(" New value =  " + value);
  if (outlevel(2)) wout(dotted);
}

// The question line, the interval line when there is one and, at output
// level 2, the default lines.
void askwithdefault(std::string_view question, std::string_view inside, const std::string& def) {
  if (outlevel(2)) wout(dotted);
  wout(" Enter " + std::string(question));
  if (!inside.empty()) wout(inside);
  if (outlevel(2)) {
    wout(" or return for default value");
    wout(" Default = " + def);
  }
}

// The layout of the bounds of a real interval, chosen by the larger
// magnitude m of the two.
std::pair<std::string, std::string> realbounds(real xmin, real xmax) {
  const real m = std::fmax(std::fabs(xmin), std::fabs(xmax));
  if (m < 10.0f) return {ed::f(xmin, 6, 3), ed::f(xmax, 6, 3)};
  if (m < 100.0f) return {ed::f(xmin, 7, 3), ed::f(xmax, 7, 3)};
  if (m < 1000.0f) return {ed::f(xmin, 7, 2), ed::f(xmax, 7, 2)};
  if (m < 1.0e6f) return {ed::f(xmin, 9, 1), ed::f(xmax, 9, 1)};
  if (m < 1.0e10f) return {ed::f(xmin, 13, 1), ed::f(xmax, 11, 0)};
  return {ed::g(xmin, 20, 1), ed::listr(xmax)};
}

// The layout of a real default, chosen by the largest magnitude m of the
// bounds, the value on entry and the default.
std::string realdefault(real xdef, real m) {
  if (m < 10.0f) return ed::f(xdef, 6, 3);
  if (m < 100.0f) return ed::f(xdef, 7, 3);
  if (m < 1000.0f) return ed::f(xdef, 7, 2);
  return ed::g(xdef, 20, 1);
}

// The yes/no prompt on given units (inunit -1: the standard input unit,
// whichever it is at each asking); always: the dotted rules once and the
// help lines at every asking, whatever the output level.
void askyesno(bool& lval, std::string_view text, bool ldef, int inunit, int outunit, bool always,
              const RoutineId& id) {
  const std::string deftext = ldef ? "Yes" : "No ";
  const std::string question = trim(text);
  auto out = [outunit](const std::string& line) { writeline(outunit, line); };
  auto helpbox = [&] {
    static const char* const rows[] = {
        "   To         type           ", "-----------------------------",
        "get help      h or H         ", "answer Yes    y or Y or 1    ",
        "answer No     n or N or 0    ", "use default   Carriage Return"};
    submenuhead(id);
    for (const char* row : rows) out(" " + std::string(row));
    menutail();
  };
  if (always) out(dotted);
  for (;;) {
    if (!always && outlevel(2)) out(dotted);
    out(" " + question + " ?");
    if (always || outlevel(2)) {
      out(" Enter (0/1)(n/y)(N/Y)");
      out(" or return for default value or h for help");
      out(" Default = " + deftext);
    }
    std::string line;
    const ReadStatus st = answerfrom(inunit < 0 ? iocom.iunin : inunit, line);
    if (st == ReadStatus::eof && inunit < 0) continue;  // keyboard handed back
    if (st != ReadStatus::line) {
      errorhead(id);
      out(" could not read answer to " + std::string(text));
      out(" ==> WILL ASK QUESTION AGAIN");
      errortail00();
      continue;
    }
    const char c = line.empty() ? ' ' : line[0];
    if (c == 'y' || c == 'Y' || c == '1') {
      lval = true;
    } else if (c == 'n' || c == 'N' || c == '0') {
      lval = false;
    } else if (c == '\n' || c == '\r' || c == ' ') {
      lval = ldef;
    } else {
      if (c != 'h' && c != 'H') {
        errorhead(id);
        out(" incorrect answer: " + std::string(1, c));
        out(" ==> WILL ASK QUESTION AGAIN");
        errortail00();
      }
      helpbox();
      continue;
    }
    out(" New value =  " + std::string(lval ? "Yes" : "No "));
    if (always || outlevel(2)) out(dotted);
    return;
  }
}

}  // namespace

ReadStatus readanswer(std::string& line) {
  const ReadStatus status = readline(iocom.iunin, line);
  if (status != ReadStatus::line && iocom.lcomfile) commandfileended();
  return status;
}

void textlen(int& ifirst, int& ilast, std::string_view text) {
  ifirst = 1;
  ilast = static_cast<int>(text.size());
  while (ifirst < ilast && text[static_cast<size_t>(ifirst - 1)] == ' ') ++ifirst;
  while (ilast > ifirst && text[static_cast<size_t>(ilast - 1)] == ' ') --ilast;
}

void inintegdef(int& ival, std::string_view text, int idef, int& ierr) {
  ierr = 0;
  const std::string question = trim(text);
  for (;;) {
    askwithdefault(question, "", ed::i(idef, 12));
    const Got g = readwithdefault(ival, idef);
    if (g == Got::value) break;
    if (g == Got::bad) couldnotread(inintegdef_id, question);
  }
  echo(ed::i(ival, 12));
}

void ininteg1(int& ival, std::string_view text, int& ierr) {
  ierr = 0;
  const std::string question = trim(text);
  for (;;) {
    if (outlevel(2)) wout(dotted);
    wout(" Enter " + question);
    const Got g = readunbuffered(ival);
    if (g == Got::value) break;
    if (g == Got::bad) couldnotread(ininteg1_id, question);
  }
  echo(ed::i(ival, 12));
}

void inintegdefnp(int& ival, std::string_view text, int idef, int& ierr) {
  ierr = 0;
  wout(dotted);
  for (;;) {
    wout(" Enter " + std::string(text));
    wout(" or return for default value");
    wout(" Default = " + ed::listi(idef));
    const Got g = readwithdefault(ival, idef);
    if (g == Got::value) break;
    if (g == Got::again) continue;
    errorhead(inintegdefnp_id);
    wout(" could not read " + std::string(text));
    wout("              RETRYING              ");
    errortail0(0);
  }
  wout(dotted);
}

void inintegvin1(int& ival, std::string_view text, int imin, int imax, int& ierr) {
  ierr = 0;
  const std::string question = trim(text);
  const auto [lo, hi] = intbounds(imin, imax);
  for (;;) {
    if (outlevel(2)) wout(dotted);
    wout(" Enter " + question);
    wout(interval("inside  [", lo, hi));
    if (const Got g = readunbuffered(ival); g != Got::value) {
      if (g == Got::bad) couldnotread(inintegvin1_id, question);
    } else if (ival < imin || ival > imax) {
      outside(inintegvin1_id, question, ed::i(ival, 12), lo, hi);
    } else {
      break;
    }
  }
  echo(ed::i(ival, 12));
}

void inintegvindef(int& ival, std::string_view text, int idef, int imin, int imax, int& ierr) {
  ierr = 0;
  const std::string question = trim(text);
  const auto [lo, hi] = intbounds(imin, imax);
  const std::string inside = interval("inside  [", lo, hi);
  for (;;) {
    askwithdefault(question, inside, ed::i(idef, 12));
    if (const Got g = readwithdefault(ival, idef); g != Got::value) {
      if (g == Got::bad) couldnotread(inintegvindef_id, question);
    } else if (ival < imin || ival > imax) {
      outside(inintegvindef_id, question, ed::i(ival, 12), lo, hi);
    } else {
      break;
    }
  }
  echo(ed::i(ival, 12));
}

void inrealdef(real& x, std::string_view text, real xdef, int& ierr) {
  ierr = 0;
  const std::string question = trim(text);
  for (;;) {
    askwithdefault(question, "", ed::g(xdef, 12, 6));
    const Got g = readwithdefault(x, xdef);
    if (g == Got::value) break;
    if (g == Got::bad) couldnotread(inrealdef_id, question);
  }
  echo(ed::g(x, 12, 6));
}

void inrealvindef(real& x, std::string_view text, real xdef, real xmin, real xmax, int& ierr) {
  ierr = 0;
  const std::string question = trim(text);
  const auto [lo, hi] = realbounds(xmin, xmax);
  const real m = std::fmax(std::fmax(std::fabs(xmin), std::fabs(xmax)),
                           std::fmax(std::fabs(x), std::fabs(xdef)));
  const std::string def = realdefault(xdef, m);
  const std::string inside = interval("inside  [", lo, hi);
  for (;;) {
    askwithdefault(question, inside, def);
    if (const Got g = readwithdefault(x, xdef); g != Got::value) {
      if (g == Got::bad) couldnotread(inrealvindef_id, question);
    } else if (x < xmin || x > xmax) {
      outside(inrealvindef_id, question, ed::g(x, 12, 6), lo, hi);
    } else {
      break;
    }
  }
  echo(ed::g(x, 12, 6));
}

void inlogicdef(bool& lval, std::string_view text, bool ldef, int& ierr) {
  ierr = 0;
  askyesno(lval, text, ldef, -1, iocom.iunout, false, inlogicdef_id);
}

void inlogicdef2(bool& lval, std::string_view text, bool ldef, int inunit, int outunit, int& ierr) {
  ierr = 0;
  askyesno(lval, text, ldef, inunit, outunit, true, inlogicdef2_id);
}

void inchardef(std::string& cval, std::string_view text, std::string_view cdef, int& ierr,
               bool whole) {
  const std::string question = trim(text);
  const std::string shown = trim(cdef);
  ierr = 0;
  std::string line;
  for (;;) {
    askwithdefault(question, "", shown);
    const ReadStatus st = readanswer(line);
    if (st == ReadStatus::line) break;
    if (st == ReadStatus::failed) couldnotread(inchardef_id, question);
  }
  const std::size_t kept = whole ? std::max(textbuffer, line.size()) : textbuffer;
  const std::string buffer = ed::pad(line, kept);
  if (defaultanswer(buffer)) {
    const int code = static_cast<unsigned char>(buffer[0]);
    wout(" ichar = " + ed::i(code, 3) + " => use default value");
    cval = ed::pad(cdef, cval.size());
  } else {
    cval = ed::pad(buffer, whole ? std::max(cval.size(), kept) : cval.size());
  }
  wout(" New value = " + cval);
  if (outlevel(2)) wout(dotted);
}

void inchar1(std::string& cval, std::string_view text, int& ierr) {
  const std::string question = trim(text);
  ierr = 0;
  std::string line;
  for (;;) {
    if (outlevel(2)) wout(dotted);
    wout(" Enter " + question);
    const ReadStatus st = readanswer(line);
    if (st == ReadStatus::line) break;
    if (st == ReadStatus::failed) couldnotread(inchar1_id, question);
  }
  cval = ed::pad(line, cval.size());
  wout(" New value = " + cval);
  if (outlevel(2)) wout(dotted);
}
