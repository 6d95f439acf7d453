#pragma once
// The file chooser: at a terminal, a line editor with file-name completion
// reads the name of the file to open or to save.
#include <string>

// Reads one file name at the terminal; false at end of input.
bool terminalfilename(std::string& name);
