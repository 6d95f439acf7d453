#include "dialogue/edit_descriptors.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ed {
namespace {

std::string stars(int w) { return std::string(static_cast<size_t>(std::max(w, 0)), '*'); }

// The parts a, b right-justified together in w columns, or w stars when
// they do not fit, appended to out: one resize, then the characters put.
void right(std::string& out, std::string_view a, std::string_view b, int w) {
  const size_t at = out.size(), n = a.size() + b.size();
  if (w < 0 || n > static_cast<size_t>(w)) {
    out.append(static_cast<size_t>(std::max(w, 0)), '*');
    return;
  }
  out.resize(at + static_cast<size_t>(w), ' ');
  char* p = out.data() + at + static_cast<size_t>(w) - n;
  for (char c : a) *p++ = c;
  for (char c : b) *p++ = c;
}

void right(std::string& out, std::string_view s, int w) { right(out, s, {}, w); }

std::string right(std::string_view s, int w) {
  std::string out;
  right(out, s, w);
  return out;
}

// The texts of a value that is not a number or is infinite.
std::string nonfinite(real x, int w) {
  if (std::isnan(x)) return w >= 3 ? right("NaN", w) : stars(w);
  std::string s = w >= 8 + (x < 0) ? "Infinity" : "Inf";
  return right(x < 0 ? "-" + s : s, w);
}

// The optional zero before the decimal point goes when the field is short.
void dropzero(std::string& out, std::string_view s, int w) {
  std::string_view sign;
  if (s.size() > static_cast<size_t>(w) && (s.starts_with("0.") || s.starts_with("-0."))) {
    sign = s.substr(0, s[0] == '-' ? 1 : 0);
    s.remove_prefix(sign.size() + 1);
  }
  right(out, sign, s, w);
}

std::string dropzero(std::string_view s, int w) {
  std::string out;
  dropzero(out, s, w);
  return out;
}

// x as "%#.*f" prints it with d decimals, in buf. A float times 10^d for
// d <= 12 is exact in double, so rounding it to an integer (halves to
// even, as printf rounds) gives the same digits without printf's long
// arithmetic.
std::string_view fixed(char (&buf)[512], real x, int d) {
  static_assert(sizeof(real) == sizeof(float), "the exact product needs a float");
  static constexpr double tens[] = {1e0, 1e1, 1e2, 1e3, 1e4,  1e5,  1e6,
                                    1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
  const double scaled = d >= 0 && d <= 12 ? std::fabs(static_cast<double>(x)) * tens[d] : HUGE_VAL;
  if (scaled >= 1e18) {
    const int n = std::snprintf(buf, sizeof buf, "%#.*f", d, static_cast<double>(x));
    return {buf, static_cast<size_t>(std::clamp(n, 0, static_cast<int>(sizeof buf) - 1))};
  }
  char digits[24];
  const auto n = static_cast<unsigned long long>(std::nearbyint(scaled));
  const auto len = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
  const auto decimals = static_cast<size_t>(d);
  char* p = buf;
  if (std::signbit(x)) *p++ = '-';
  if (len <= decimals) {
    *p++ = '0';
    *p++ = '.';
    p = std::fill_n(p, decimals - len, '0');
    p = std::copy_n(digits, len, p);
  } else {
    p = std::copy_n(digits, len - decimals, p);
    *p++ = '.';
    p = std::copy_n(digits + len - decimals, decimals, p);
  }
  return {buf, static_cast<size_t>(p - buf)};
}

// Decimal exponent of |x| rounded to d significant digits (x != 0).
int decade(real x, int d) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", std::max(d - 1, 0), std::fabs(static_cast<double>(x)));
  return std::atoi(std::strchr(buf, 'e') + 1);
}

bool alldigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string noblanks(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ') out += c;
  return out;
}

// The state of a list-directed read across its lines.
struct ListState {
  std::span<const ListVar> vars;
  std::size_t got = 0;
  bool aftervalue = false;  // a comma now only ends the value before it
  bool slash = false;
  bool complete() const { return slash || got == vars.size(); }
};

// A text in delimiters starting at p: up to the closing delimiter (a
// doubled one stands for one), or to the end of the line. Returns the
// position after it.
std::size_t quotedtext(std::string_view line, std::size_t p, std::string& text) {
  const char quote = line[p];
  text.clear();
  for (++p; p < line.size(); ++p) {
    if (line[p] != quote) {
      text += line[p];
    } else if (p + 1 < line.size() && line[p + 1] == quote) {
      text += quote;
      ++p;
    } else {
      return p + 1;
    }
  }
  return p;
}

bool store(const ListVar& var, std::string_view text, bool quoted) {
  if (std::string* const* s = std::get_if<std::string*>(&var)) {
    **s = pad(text, (*s)->size());
    return true;
  }
  if (quoted) return false;
  if (int* const* n = std::get_if<int*>(&var)) return readint(text, **n);
  return readreal(text, *std::get<real*>(var));
}

// Takes the values of one line into the read; false at a value that is
// not of its variable's kind.
bool takeline(std::string_view line, ListState& s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t p = 0;
  while (!s.complete()) {
    while (p < line.size() && blank(line[p])) ++p;
    if (p == line.size()) break;
    const char c = line[p];
    if (c == '/') {
      s.slash = true;
    } else if (c == ',') {
      if (!s.aftervalue) ++s.got;
      s.aftervalue = false;
      ++p;
    } else {
      std::string unquoted;  // a quoted text without its delimiters
      std::string_view text;
      const bool quoted = c == '\'' || c == '"';
      if (quoted) {
        p = quotedtext(line, p, unquoted);
        text = unquoted;
      } else {
        const std::size_t q = p;
        while (p < line.size() && !blank(line[p]) && line[p] != ',' && line[p] != '/') ++p;
        text = line.substr(q, p - q);
      }
      if (!store(s.vars[s.got++], text, quoted)) return false;
      s.aftervalue = true;
    }
  }
  return true;
}

}  // namespace

void i(std::string& out, long long v, int w) {
  char buf[24];
  right(out, std::string_view(buf, static_cast<size_t>(std::to_chars(buf, buf + sizeof buf, v).ptr - buf)), w);
}

void i(std::string& out, long long v, int w, int m) {
  char buf[24];
  const unsigned long long size = v < 0 ? 0 - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
  const auto len = static_cast<size_t>(std::to_chars(buf, buf + sizeof buf, size).ptr - buf);
  std::string digits(m > 0 && static_cast<size_t>(m) > len ? static_cast<size_t>(m) - len : 0, '0');
  if (m != 0 || v != 0) digits.append(buf, len);
  right(out, v < 0 ? "-" : "", digits, w);
}

void f(std::string& out, real x, int w, int d) {
  char buf[512];
  if (!std::isfinite(x))
    out += nonfinite(x, w);
  else
    dropzero(out, fixed(buf, x, d), w);
}

std::string i(long long v, int w) {
  std::string out;
  i(out, v, w);
  return out;
}

std::string i(long long v, int w, int m) {
  std::string out;
  i(out, v, w, m);
  return out;
}

std::string f(real x, int w, int d) {
  std::string out;
  f(out, x, w, d);
  return out;
}

std::string e(real x, int w, int d) {
  if (!std::isfinite(x)) return nonfinite(x, w);
  std::string digits(static_cast<size_t>(d), '0');
  int ex = 0;
  if (x != 0) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", std::max(d - 1, 0), std::fabs(static_cast<double>(x)));
    digits = buf[0];
    if (d > 1) digits += std::string(buf + 2, static_cast<size_t>(d - 1));
    ex = std::atoi(std::strchr(buf, 'e') + 1) + 1;
  }
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%02d", ex < 0 ? '-' : '+', std::abs(ex));
  return dropzero((std::signbit(x) ? "-0." : "0.") + digits + tail, w);
}

std::string g(real x, int w, int d) {
  if (!std::isfinite(x)) return nonfinite(x, w);
  if (x != 0) {
    int n = decade(x, d) + 1;  // digits before the point once rounded
    if (n >= 0 && n <= d) return f(x, w - 4, d - n) + "    ";
  }
  return e(x, w, d);
}

std::string l(bool v, int w) { return right(v ? "T" : "F", w); }

std::string z(std::uint32_t bits, int w) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(bits));
  return right(buf, w);
}

std::string a(std::string_view s, int w) {
  if (s.size() >= static_cast<size_t>(w)) return std::string(s.substr(0, static_cast<size_t>(w)));
  return std::string(static_cast<size_t>(w) - s.size(), ' ') + std::string(s);
}

std::string x(int n) { return std::string(static_cast<size_t>(std::max(n, 0)), ' '); }

std::string listi(long long v) { return std::to_string(v); }

std::string listr(real v) {
  if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : v < 0 ? "-Inf" : "Inf";
  // The fewest digits that read back as the same value, in fixed-point form
  // for ordinary magnitudes.
  const double d = v;
  const bool fixed = v == 0 || (std::fabs(d) >= 1e-4 && std::fabs(d) < 1e9);
  char buf[64];
  for (int p = fixed ? 0 : 1; p <= 12; ++p) {
    std::snprintf(buf, sizeof buf, fixed ? "%.*f" : "%.*g", p, d);
    if (std::strtof(buf, nullptr) == v) break;
  }
  std::string s = buf;
  if (s.find_first_of(".e") == std::string::npos) s += '.';
  return s;
}

std::string pad(std::string_view s, std::size_t n) {
  std::string out(s.substr(0, n));
  out.resize(n, ' ');
  return out;
}

std::string_view rtrim(std::string_view s) {
  size_t n = s.find_last_not_of(' ');
  return n == std::string_view::npos ? s.substr(0, 0) : s.substr(0, n + 1);
}

std::string_view trim(std::string_view s) {
  s = rtrim(s);
  return s.substr(std::min(s.find_first_not_of(' '), s.size()));
}

bool readint(std::string_view item, int& v) {
  std::string_view digits = item;
  if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
  if (!alldigits(digits)) return false;
  errno = 0;
  long long n = std::strtoll(std::string(item).c_str(), nullptr, 10);
  if (errno == ERANGE || n < INT_MIN || n > INT_MAX) return false;
  v = static_cast<int>(n);
  return true;
}

bool readreal(std::string_view item, real& v) {
  size_t p = (!item.empty() && (item[0] == '+' || item[0] == '-')) ? 1 : 0;
  size_t ndigits = 0;
  bool point = false;
  for (; p < item.size(); ++p) {
    if (item[p] >= '0' && item[p] <= '9')
      ++ndigits;
    else if (item[p] == '.' && !point)
      point = true;
    else
      break;
  }
  if (ndigits == 0) return false;
  if (p < item.size()) {  // exponent: a letter, an optional sign, digits
    if (std::string_view("eEdD").find(item[p]) == std::string_view::npos) return false;
    size_t q = p + 1;
    if (q < item.size() && (item[q] == '+' || item[q] == '-')) ++q;
    if (!alldigits(item.substr(q))) return false;
  }
  // Read where it stands when from_chars takes it (no plus sign, no D
  // exponent) and it is in range; otherwise as strtof reads it. Both round
  // correctly, so the value is the same.
  const char* end = item.data() + item.size();
  float r = 0;
  const bool plain = item[0] != '+' && (p == item.size() || item[p] == 'e' || item[p] == 'E');
  std::from_chars_result quick{};
  if (plain) quick = std::from_chars(item.data(), end, r);
  if (!plain || quick.ec != std::errc() || quick.ptr != end) {
    std::string s(item);
    if (p < s.size()) s[p] = 'e';
    r = std::strtof(s.c_str(), nullptr);
  }
  if (!std::isfinite(r)) return false;
  v = r;
  return true;
}

ListRead readlist(const std::function<ReadStatus(std::string&)>& nextline,
                  std::span<const ListVar> vars) {
  ListState s{vars};
  std::string line;
  do {
    if (const ReadStatus status = nextline(line); status != ReadStatus::line)
      return {status == ReadStatus::eof ? ListEnd::eof : ListEnd::failed, s.got};
    if (!takeline(line, s)) return {ListEnd::bad, s.got};
  } while (!s.complete());
  return {ListEnd::complete, s.got};
}

ListRead readlist(int unit, std::span<const ListVar> vars) {
  return readlist([unit](std::string& line) { return readline(unit, line); }, vars);
}

ListRead readlist(std::string_view text, std::span<const ListVar> vars) {
  ListState s{vars};
  if (!takeline(text, s)) return {ListEnd::bad, s.got};
  return {s.complete() ? ListEnd::complete : ListEnd::eof, s.got};
}

std::string fielda(std::string_view line, int col, int w) {
  size_t from = static_cast<size_t>(col - 1);
  return pad(from < line.size() ? line.substr(from) : std::string_view(), static_cast<size_t>(w));
}

namespace {

// A fixed-column field scanned where it stands: blanks anywhere are
// skipped; a sign may come first, then digits with at most one point.
struct Scanned {
  bool valid = true;  // nothing else was found
  bool sign = false, negative = false, point = false;
  int ndigits = 0;           // digits in all
  int decimals = 0;          // digits after the point
  int significant = 0;       // digits from the first that is not 0
  unsigned long long n = 0;  // the digits as an integer, while significant <= 18
};

Scanned scan(std::string_view line, int col, int w) {
  Scanned r;
  const size_t from = static_cast<size_t>(col - 1);
  const size_t to = std::min(line.size(), from + static_cast<size_t>(std::max(w, 0)));
  for (size_t j = from; j < to; ++j) {
    const char c = line[j];
    if (c == ' ') continue;
    if ((c == '+' || c == '-') && !r.sign && r.ndigits == 0 && !r.point) {
      r.sign = true;
      r.negative = c == '-';
    } else if (c >= '0' && c <= '9') {
      ++r.ndigits;
      if (r.point) ++r.decimals;
      if (r.significant > 0 || c != '0') ++r.significant;
      if (r.significant <= 18) r.n = r.n * 10 + static_cast<unsigned>(c - '0');
    } else if (c == '.' && !r.point) {
      r.point = true;
    } else {
      r.valid = false;
      break;
    }
  }
  return r;
}

// The real of a field as strtof reads it once its point is placed, for
// fields too long for the quick way.
bool longfieldf(std::string_view line, int col, int w, int d, real& v) {
  std::string s = noblanks(fielda(line, col, w));
  std::string sign;
  if (s[0] == '+' || s[0] == '-') {
    sign = s.substr(0, 1);
    s.erase(0, 1);
  }
  size_t point = s.find('.');
  if (point == std::string::npos) {  // implied decimals
    size_t n = static_cast<size_t>(d);
    if (s.size() <= n) s.insert(0, n - s.size() + 1, '0');
    s.insert(s.size() - n, ".");
  }
  float r = std::strtof((sign + s).c_str(), nullptr);
  if (!std::isfinite(r)) return false;
  v = r;
  return true;
}

}  // namespace

bool fieldi(std::string_view line, int col, int w, int& v) {
  const Scanned r = scan(line, col, w);
  if (!r.valid || r.point || (r.sign && r.ndigits == 0) || r.significant > 10) return false;
  const long long n = r.negative ? -static_cast<long long>(r.n) : static_cast<long long>(r.n);
  if (n < INT_MIN || n > INT_MAX) return false;
  v = static_cast<int>(n);
  return true;
}

// Digits that fit a float's significand over a power of ten that a float
// holds exactly: one division, correctly rounded as strtof rounds.
bool fieldf(std::string_view line, int col, int w, int d, real& v) {
  static constexpr float tens[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
  const Scanned r = scan(line, col, w);
  if (!r.valid || (r.point && r.ndigits == 0)) return false;
  if (r.ndigits == 0) {  // an all-blank field, or a sign alone, reads zero
    v = 0;
    return true;
  }
  const int decimals = r.point ? r.decimals : d;
  if (r.significant > 18 || r.n > (1u << 24) || decimals < 0 || decimals > 10)
    return longfieldf(line, col, w, d, v);
  const float q = static_cast<float>(r.n) / tens[decimals];
  v = r.negative ? -q : q;
  return true;
}

}  // namespace ed
