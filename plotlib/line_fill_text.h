#pragma once
// Line, fill and text attributes of the plot.

// Fill style of polygons (0 hollow, 1 filled). Mode 5 sets the default,
// filled, in istyle and in the plot attributes and says so.
void sfillstyle(int& istyle, int mode);
