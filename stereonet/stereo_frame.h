#pragma once
// The frame of one stereonet in net units of the current sub-plot: the
// primitive circle of radius 1, optionally the two diameters along the plot
// axes and ticks every 10 degrees outside it, and up to six labels: at the
// projected North and East and near the four corners of the net. The
// settings live in stefram2, set through three setters with menus.
#include <array>
#include <cstddef>
#include <string>

// Label positions 1..6: X axis (North), Y axis (East), upper right, lower
// right, lower left, upper left.
constexpr int nlabels = 6;
// Characters of a label text.
constexpr std::size_t labelwidth = 15;

struct Stefram2 {
  int npfram = 0;                        // points of the primitive circle, both ends counted
  std::array<bool, nlabels> llabel{};    // draw flag of each position
  bool laxis = false;                    // draw the two diameters
  bool ltics = false;                    // draw the ticks
  std::array<std::string, nlabels> label{};  // text of each position, labelwidth characters
};
extern Stefram2 stefram2;

// Draws the frame from stefram2. The labels at North and East are drawn
// whatever their flags, the corner labels only when flagged, cut to 10
// characters. Text angle and justification are restored afterwards.
void repstereo();

// Modes 4, 5 set the defaults (200 points, axes, ticks, "North" and "East"
// drawn, "None" elsewhere); even modes show the frame menu.
void srepstereo0(int mode);
// Setter of the label at position index (1..6): its text (kept at its own
// length) and draw flag idraw (0, 1). A position out of range becomes 6 and
// a flag out of range 0, each after an error banner, and the menu follows.
void srepstereolabel1(std::string& text, int& idraw, int& index, int mode);
// Setter of the number of points of the circle (setter mode convention).
void srepstereonp(int& np, int mode);
