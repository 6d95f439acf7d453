#include "dialogue/number_text.h"

#include <cmath>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"

namespace {

const RoutineId intg2char_id{"intg2char  ", "3.00", "16-12-98  "};
const RoutineId real2charf1_id{"real2charf1", " 1.3", "30-01-2010"};
const RoutineId careafmpn_id{"careafmpn  ", " 1.2", "16-04-2010"};
const RoutineId careaempn_id{"careaempn  ", " 1.1", "16-04-2010"};

// Writes text from the first character of c; the rest of c becomes blanks.
void put(std::string& c, const std::string& text) { c = ed::pad(text, c.size()); }

// The first nmax characters of c become '9'; the rest is left as it was.
void ninefill(std::string& c, int nmax) {
  for (int k = 0; k < nmax && k < static_cast<int>(c.size()); ++k) c[static_cast<size_t>(k)] = '9';
}

// Lines 2 to 4 of the report of a number too long for its text.
void toolong(int nmax) {
  wout(" with only  " + ed::i(nmax, 20) + " digits");
  wout(" ==> NEED LONGER CHARACTER STRING");
  wout(" ==> fill with 9 and set nchar = " + ed::i(nmax, 20));
}

// Integer part of log10(v), truncated toward zero (v > 0, finite).
int decadeof(real v) { return static_cast<int>(std::log10(v)); }

void badformat(std::string& c, const RoutineId& id, int m, int n, const char* form) {
  errorhead(id);
  wout(" m = " + ed::i(m, 10) + " n = " + ed::i(n, 10));
  wout(std::string(" ") + form + " is not a valid format");
  wout("  ===> fill with X");
  errortail00();
  put(c, "X");
}

// The five-line box of caream, without pause.
void areambox(std::string& c, const char* who, int m, const char* what, int v) {
  const std::string stars = " " + std::string(27, '*');
  wout(stars);
  wout(std::string(" *** ERROR in ") + who);
  wout(" *** m = " + ed::listi(m) + " " + what + " " + ed::listi(v));
  wout(" *** => fill with X      ***");
  wout(stars);
  put(c, "X");
}

}  // namespace

void integlen(int& n, int iv) {
  long long v = iv;
  n = v < 0 ? 2 : 1;
  for (v = v < 0 ? -v : v; v >= 10; v /= 10) ++n;
}

void intg2char(std::string& c, int& nchar, int nmax, int iv) {
  integlen(nchar, iv);
  if (nchar <= nmax) {
    put(c, ed::listi(iv));
    return;
  }
  errorhead(intg2char_id);
  wout(" Cannot write integer = " + ed::i(iv, 20));
  toolong(nmax);
  errortail00();
  ninefill(c, nmax);
  nchar = nmax;
}

void carinm2(std::string& c, int& nchar, int nmax, int iv) { intg2char(c, nchar, nmax, iv); }

void real2charf1(std::string& c, int& nchar, int ndec, int nmax, real x) {
  const real u = static_cast<real>(std::pow(10.0, -ndec)) + 0.0000001f;
  const real lo = x - u, hi = x + u;
  int nint;
  if (!std::isfinite(x)) {
    nint = 4;
    nchar = ndec + 5;
    errorhead(real2charf1_id);
    wout(" Cannot get size of real = " + ed::f(x, 30, 5));
    wout(" set n before = " + ed::i(4, 20));
    wout(" set nchar = " + ed::i(nchar, 20));
    wout(" Watch for NaN or +/-Inf in output ?");
    errortail00();
  } else if (hi <= -1) {
    nint = decadeof(std::fabs(lo)) + 1;
    nchar = nint + ndec + 2;
  } else if (x < 0) {
    nint = 1;
    nchar = ndec + 3;
  } else if (lo < 1) {
    nint = 1;
    nchar = ndec + 2;
  } else {
    nint = decadeof(hi) + 1;
    nchar = nint + ndec + 1;
  }
  int dec = ndec;
  if (nchar > nmax) {
    nchar = nmax;
    dec = nmax - nint - 2;
  }
  if (dec < 0) {
    errorhead(real2charf1_id);
    wout(" Cannot write real = " + ed::f(x, 30, 5));
    toolong(nmax);
    errortail00();
    ninefill(c, nmax);
    return;
  }
  careafmpn(c, nchar, dec, x);
}

void careafmpn(std::string& c, int m, int n, real x) {
  if (m < 1 || m > 99 || n < 0 || n >= m) return badformat(c, careafmpn_id, m, n, "fm.n");
  put(c, ed::f(x, m, n));
}

void careaempn(std::string& c, int m, int n, real x) {
  if (m < 7 || m > 99 || n < 0 || n > m - 7) return badformat(c, careaempn_id, m, n, "em.n");
  put(c, ed::e(x, m, n));
}

void caream(std::string& c, int m, real x) {
  if (m < 3) return areambox(c, "caream     ***", m, "need m >", 2);
  if (x == 0 || !std::isfinite(x)) return careafmpn(c, m, m - 3, x);
  const int l = decadeof(std::fabs(x));
  if (l >= 0) {
    const int k = l + 1;
    if (k < m - 2) return careafmpn(c, m, m - k - 2, x);
    if (k <= m - 1) return careafmpn(c, m, 0, x);
    if (m >= 7) return careaempn(c, m, m - 7, x);
    return areambox(c, "carem      ***", m, "1+log10(x) >", k);
  }
  if (l >= -4) return careafmpn(c, m, m - 3, x);
  if (m >= 7) return careaempn(c, m, m - 7, x);
  areambox(c, "carem      ***", m, "log10(x) <", l);
}
