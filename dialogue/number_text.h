#pragma once
// Numbers as short texts of a chosen width, for labels, file names and the
// bounds shown in prompts. The text c keeps its length; results are written
// from its first character. A number that does not fit is reported in an
// error banner and shown with a filler: '9's for integers and sized reals,
// "X" for formatted reals.
#include <string>

#include "platform/real.h"

// n := number of characters of iv in decimal, minus sign included.
void integlen(int& n, int iv);
// c(1..nchar) := iv; nchar at most nmax.
void intg2char(std::string& c, int& nchar, int nmax, int iv);
void carinm2(std::string& c, int& nchar, int nmax, int iv);
// c(1..nchar) := x in fixed-point form with ndec decimals (fewer when
// nmax is too small), the width sized from the value.
void real2charf1(std::string& c, int& nchar, int ndec, int nmax, real x);
// c(1..m) := x in fixed-point form Fm.n / exponent form Em.n.
void careafmpn(std::string& c, int m, int n, real x);
void careaempn(std::string& c, int m, int n, real x);
// c(1..m) := x in whichever form shows it best in m columns.
void caream(std::string& c, int m, real x);
