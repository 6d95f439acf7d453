#pragma once
// Error stops: after an error that leaves the run in doubt, the user decides
// whether it goes on. Levels: 0 recoverable, 1 unrecoverable, 2 fatal.
// Stopping ends the process with status 1, without the closing banner.

// Closes an error banner after a failed argument check: asks whether to
// stop (the default is yes for every level but 0), then ends the run or
// pauses and closes the banner.
void errortail01(int level);

// Follows an error banner: level 0 asks whether to resume, level 1 whether
// to stop, level 2 stops without asking; any other level does nothing.
void errorstop(int level);

// The sad face picture, on the standard output unit.
void sorryface();
