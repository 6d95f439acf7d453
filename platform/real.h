#pragma once
// The precision of every REAL value of the program: single, as the
// computations it reproduces were made in 32-bit floats.
using real = float;
