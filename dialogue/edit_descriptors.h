#pragma once
// Fortran edit descriptors: every number the program prints or reads in a
// fixed layout goes through here. Output functions return the field text;
// a value too wide for its field fills it with '*'.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "dialogue/units.h"
#include "platform/real.h"

namespace ed {

std::string i(long long v, int w);          // Iw
std::string i(long long v, int w, int m);   // Iw.m: at least m digits
std::string f(real x, int w, int d);        // Fw.d
std::string e(real x, int w, int d);        // Ew.d: 0.ddddE+xx
std::string g(real x, int w, int d);        // Gw.d: the general layout
std::string l(bool v, int w);               // Lw: T or F
std::string z(std::uint32_t bits, int w);   // Zw: the bits of an INTEGER in hexadecimal
std::string a(std::string_view s, int w);   // Aw
std::string x(int n);                       // nX: n blanks
std::string listi(long long v);             // integer in its own width
std::string listr(real v);                  // real in as few columns as it needs

// The same fields appended to out, for lines made of many fields.
void i(std::string& out, long long v, int w);
void i(std::string& out, long long v, int w, int m);
void f(std::string& out, real x, int w, int d);

// A text of exactly n characters: s cut or padded with blanks on the right,
// as assigning to a CHARACTER*n variable does.
std::string pad(std::string_view s, std::size_t n);
// s without its trailing blanks / without its leading and trailing blanks.
std::string_view rtrim(std::string_view s);
std::string_view trim(std::string_view s);

// List-directed reading: one value for each variable, in order, from one
// or more lines. Values are separated by blanks, tabs or a comma (blanks
// about a comma and the end of a line belong to the same separator). An
// empty value (nothing between two commas, or a comma first) leaves its
// variable as it was; a slash ends the read and leaves every variable not
// yet reached as it was. A value in apostrophes or quotation marks is a
// text (a doubled delimiter stands for one) running to its closing
// delimiter or to the end of the line. A line holding too few values goes
// on with the next (a blank line holds none); what follows the last value
// needed on a line is ignored. A number is read as readint and readreal
// read it; a value that is not a number of its variable's kind, a text
// included, ends the read there, the variables before it read. A text is
// cut or padded to the length of its variable.
using ListVar = std::variant<int*, real*, std::string*>;
enum class ListEnd { complete, eof, failed, bad };  // bad: a value not of its variable's kind
struct ListRead {
  ListEnd end;
  std::size_t got;  // the values reached, empty ones included
};
// From the lines that nextline reads, at least one.
ListRead readlist(const std::function<ReadStatus(std::string&)>& nextline,
                  std::span<const ListVar> vars);
ListRead readlist(int unit, std::span<const ListVar> vars);
// From one text alone: a text holding too few values ends as eof.
ListRead readlist(std::string_view text, std::span<const ListVar> vars);

bool readint(std::string_view item, int& v);    // [sign] digits, 32 bits
bool readreal(std::string_view item, real& v);  // [sign] digits[.digits][exponent], finite

// Fixed-column fields of a record (col is the 1-based first column, w the
// width): blanks inside a field are ignored, an all-blank field reads 0,
// a real without a decimal point has d implied decimals. Anything that is
// not a number of the field's kind (an exponent, "nan", an integer beyond
// 32 bits) makes the read fail.
bool fieldi(std::string_view line, int col, int w, int& v);
bool fieldf(std::string_view line, int col, int w, int d, real& v);
std::string fielda(std::string_view line, int col, int w);

}  // namespace ed
