#include "dialogue/edit_descriptors.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ed {
namespace {

std::string stars(int w) { return std::string(static_cast<size_t>(std::max(w, 0)), '*'); }

// s right-justified in w columns, or w stars when it does not fit.
std::string right(const std::string& s, int w) {
  if (w < 0 || s.size() > static_cast<size_t>(w)) return stars(w);
  return std::string(static_cast<size_t>(w) - s.size(), ' ') + s;
}

// The texts of a value that is not a number or is infinite.
std::string nonfinite(real x, int w) {
  if (std::isnan(x)) return w >= 3 ? right("NaN", w) : stars(w);
  std::string s = w >= 8 + (x < 0) ? "Infinity" : "Inf";
  return right(x < 0 ? "-" + s : s, w);
}

// The optional zero before the decimal point goes when the field is short.
std::string dropzero(std::string s, int w) {
  if (s.size() > static_cast<size_t>(w)) {
    if (s.rfind("0.", 0) == 0)
      s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
      s.erase(1, 1);
  }
  return right(s, w);
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

bool store(const ListVar& var, const std::string& text, bool quoted) {
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
  std::size_t p = 0;
  while (!s.complete() && (p = line.find_first_not_of(" \t", p)) != std::string_view::npos) {
    const char c = line[p];
    if (c == '/') {
      s.slash = true;
    } else if (c == ',') {
      if (!s.aftervalue) ++s.got;
      s.aftervalue = false;
      ++p;
    } else {
      std::string text;
      const bool quoted = c == '\'' || c == '"';
      if (quoted) {
        p = quotedtext(line, p, text);
      } else {
        const std::size_t q = line.find_first_of(" \t,/", p);
        text = line.substr(p, q - p);
        p = q;
      }
      if (!store(s.vars[s.got++], text, quoted)) return false;
      s.aftervalue = true;
    }
  }
  return true;
}

}  // namespace

std::string i(long long v, int w) { return right(std::to_string(v), w); }

std::string i(long long v, int w, int m) {
  std::string digits = std::to_string(v < 0 ? -v : v);
  if (digits.size() < static_cast<size_t>(m)) digits.insert(0, static_cast<size_t>(m) - digits.size(), '0');
  if (m == 0 && v == 0) digits.clear();
  return right(v < 0 ? "-" + digits : digits, w);
}

std::string f(real x, int w, int d) {
  if (!std::isfinite(x)) return nonfinite(x, w);
  char buf[512];
  std::snprintf(buf, sizeof buf, "%#.*f", d, static_cast<double>(x));
  return dropzero(buf, w);
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
  std::string s(item);
  size_t p = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  size_t ndigits = 0;
  bool point = false;
  for (; p < s.size(); ++p) {
    if (s[p] >= '0' && s[p] <= '9')
      ++ndigits;
    else if (s[p] == '.' && !point)
      point = true;
    else
      break;
  }
  if (ndigits == 0) return false;
  if (p < s.size()) {  // exponent: a letter, an optional sign, digits
    if (std::string_view("eEdD").find(s[p]) == std::string_view::npos) return false;
    s[p] = 'e';
    size_t q = p + 1;
    if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
    if (!alldigits(std::string_view(s).substr(q))) return false;
  }
  float r = std::strtof(s.c_str(), nullptr);
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

bool fieldi(std::string_view line, int col, int w, int& v) {
  std::string s = noblanks(fielda(line, col, w));
  if (s.empty()) {
    v = 0;
    return true;
  }
  return readint(s, v);
}

bool fieldf(std::string_view line, int col, int w, int d, real& v) {
  std::string s = noblanks(fielda(line, col, w));
  std::string sign;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    sign = s.substr(0, 1);
    s.erase(0, 1);
  }
  if (s.empty()) {  // an all-blank field, or a sign alone, reads zero
    v = 0;
    return true;
  }
  size_t point = s.find('.');
  std::string digits = s;
  if (point != std::string::npos) digits.erase(point, 1);
  if (!alldigits(digits)) return false;
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

}  // namespace ed
