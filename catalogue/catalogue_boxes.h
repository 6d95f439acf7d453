#pragma once
// Boxes printed by both the main program and the catalogue menus: the
// framed listing of the stored events and the help box on the formats.
#include <string_view>

#include "dialogue/banners.h"

// A frame rule of the listing: a blank, '|', 43 '-', '|'.
void listingrule();
// The rule, the title "EXTRACTED DATA" and the rule.
void listingtitle();
// The header (date, lat, long and the given last cell), a rule, and one
// row per stored event: the first 8 characters of the date, latitude and
// longitude to the whole degree, the event identifier.
void listingrows(std::string_view lastcell);
// The warning that the stored data type has no listing: the type, the
// command code and "NO ACTION".
void nolisting(const RoutineId& id, int code);
// The help box of the catalogue menus: where the formats are described.
void formathelp(const RoutineId& id);
