#pragma once
// Menu boxes, warning and error banners with their pausing tails, and the
// subroutine banners of the highest output level.
#include <string>
#include <string_view>

// Identity every talking routine passes to the heads: name (11 characters,
// blank-padded), version (4) and date (10), printed in full.
struct RoutineId {
  std::string_view name;
  std::string_view version;
  std::string_view date;
};

// The code that leaves a menu: its "EXIT" line and the default answer.
inline constexpr int exitcode = 99;

// The dashed rule of menus and reports: a blank and 43 '-'.
inline const std::string dashrule = " " + std::string(43, '-');

void mainmenuhead(const RoutineId& id);
void submenuhead(const RoutineId& id);
void menutail();
void warninghead(const RoutineId& id);
void warningtail00();
void warningtail0(int unused);
void errorhead(const RoutineId& id);
void errortail00();
void errortail0(int unused);
void subhead(const RoutineId& id);
void subtail(const RoutineId& id);

// The pause of the banner tails: waits for one line on the error input unit.
void bannerpause();
