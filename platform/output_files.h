#pragma once
// The files the run has open for writing. No two outputs of the run may be
// written into one file: each output claims its file before it opens it and
// gives the claim up when it closes it, and a claim of a file that another
// output holds is refused. A file is known by its identity, not by the name
// it was given: its resolved path (./W.pdf and W.pdf, a name through a
// symbolic link), and, once it exists, its device and inode (a hard link).
// Only plain files are held: two outputs may share /dev/null. Reading a
// file claims nothing.
#include <string>

// Claims the file named for one output: a number for the claim, or 0 when
// another output of the run holds the file.
int claimoutput(const std::string& name);

// Gives up a claim (0 gives up nothing).
void releaseoutput(int claim);

// Whether an output of the run holds the file named.
bool outputheld(const std::string& name);
