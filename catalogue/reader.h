#pragma once
// The catalogue reader: its menu sets the progress options, opens or closes
// input slot k of the file table, edits the extraction criteria and starts
// an extraction run on an FPFIT (1000) or HASH (1001) file. A run fills the
// event store from its first slot with the records that pass the criteria,
// computes their second nodal plane, prints a summary and returns.
// Mode 4 or 5 initialises (empty store, options off, default criteria).
void fpsreadex1(int k, int mode);
