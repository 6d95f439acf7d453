#pragma once
// A curve of the curve kit may belong to a family: up to four fixed
// parameters (a name with a real, integer or character value) and a level
// parameter stepping from an initial to a final value. These records keep
// them and the menus here show and edit them; nothing draws from them.
#include <array>
#include <string>

#include "platform/real.h"

// Fixed parameters; slots 1..4 exist whatever nparfix says, the menus show
// slots 1..nparfix. Types: 0 name only, 1 real, 2 integer, 3 character.
constexpr int maxparfix = 4;
struct PfixBlock {
  std::array<real, maxparfix> pfix{};  // real values
  int nparfix = 0;                     // declared parameters, 0..4
  std::array<std::string, maxparfix> pfixname{"     ", "     ", "     ", "     "};
  std::array<std::string, maxparfix> pfixvalue{std::string(12, ' '), std::string(12, ' '),
                                               std::string(12, ' '), std::string(12, ' ')};
  std::array<std::string, maxparfix> pfixinfo{std::string(17, ' '), std::string(17, ' '),
                                              std::string(17, ' '), std::string(17, ' ')};
  std::array<int, maxparfix> ipfix{};      // integer values
  std::array<int, maxparfix> ipfixtype{};  // types
};
extern PfixBlock pfixblock;

// The level parameter of a family of curves.
struct PlevBlock {
  real levi = 0.0f;  // initial level (also the single level)
  real levf = 0.0f;  // final level
  real levd = 0.0f;  // increment
  int nlev = 0;      // number of level curves
  std::string levnam = std::string(5, ' ');
  std::string levrange = std::string(51, ' ');  // " init = ... final = ... inc = ..."
  std::string levlabel = std::string(56, ' ');  // the name, then levrange
};
extern PlevBlock plevblock;

// The "CURVES PARAMETERS" menu: 4 or 5 initialise the fixed parameters, the
// level and the running point (4 then shows the menu); 6 shows the three
// groups; another even mode shows the menu; another odd mode does nothing.
void scall(int mode);

// Number of declared fixed parameters, 0..4 (setter mode; defaults 0).
void scparfixnb(int& nparfixa, int mode);

// Fixed parameter ifix1 (1..nparfix): its name, type and value of that
// type; the other values are made to agree with the type before it is
// stored (setter mode; default: "parameter", real, 0.0).
void scparfix1(std::string& name, int& ipfixtypea, real& rvalue, int& ivalue, std::string& cvalue,
               int& ifix1, int mode);

// The level loop: levi, levf, levd and nlev made to agree by the
// calculation type itype (0, 1 from nlev; 2 from levd, fitting levd to the
// bounds; 3 from levd as given; 4 a single level), then stored with levnam
// (setter mode; defaults 0.0, 1.0, 0.1, 11, "level", type 1).
void sclevel2(real& levi, real& levf, real& levd, int& nlev, int& itype, std::string& levnam,
              int mode);
