#pragma once
// The catalogue writer: the event store saved to output slot k of the file
// table as FPFIT or HASH records or as tab-separated tables, or listed on
// the screen. Returns when the user answers 99, with the slot closed.
void fpswrite1(int k, int mode);
