#pragma once
// The five angles of llpparam, one setter each: value in degrees in the
// dialogue, radians in the record. Modes 2 and 3 start from the stored
// angle, 4 and 5 from the built-in default (with the initialising lines),
// any other mode from the value given; an even mode then shows the
// setter's menu. Every mode stores the value in force and returns it.
#include "platform/real.h"

void slong1(real& value, int mode);   // central meridian longp1, default 0
void slong2(real& value, int mode);   // second meridian longp2, default 0
void slat1(real& value, int mode);    // first parallel latp1, default 30
void slat2(real& value, int mode);    // second parallel latp2, default 60
void sangle1(real& value, int mode);  // central angle angp, default 180
