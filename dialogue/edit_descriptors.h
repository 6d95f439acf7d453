#pragma once
// Fortran edit descriptors: every number the program prints or reads in a
// fixed layout goes through here. Output functions return the field text;
// a value too wide for its field fills it with '*'.
#include <cstdint>
#include <string>
#include <string_view>

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

// List-directed reading of the first item of an answer: the item runs up
// to the first blank, tab, comma or slash. Leading blanks are skipped.
enum class Item { value, null, none };  // null: ',' or '/' first; none: blank line
Item firstitem(std::string_view line, std::string& item);
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
