#pragma once
// The files the run has open for writing. No two outputs of the run may be
// written into one file: each output claims its file before it opens it and
// gives the claim up when it closes it, and a claim of a file that another
// output holds is refused. A file is known by its identity, not by the name
// it was given: its resolved path (./W.pdf and W.pdf, a name through a
// symbolic link), and, once it exists, its device and inode (a hard link).
// Only plain files are held: a name that leads to a pipe, a terminal or
// another device (/dev/null, /dev/stdout on a pipe), through whatever links,
// may be shared by outputs. Reading a file claims nothing. Standard output
// and standard error are outputs of the run too (guardstandardstreams).
#include <string>

// Claims the file named for one output: a number for the claim, or 0 when
// another output of the run holds the file.
int claimoutput(const std::string& name);

// Gives up a claim (0 gives up nothing).
void releaseoutput(int claim);

// Whether an output of the run holds the file named.
bool outputheld(const std::string& name);

// Opens /dev/null on each of the descriptors of standard input, output and
// error that the run was started without, so that no file of the run takes
// the place of one (the messages meant for standard error written into a
// table); then holds standard output and standard error, where they are
// plain files, for the whole run, so that no output is written into the
// transcript under any of its names (run.log, /dev/stdout, /proc/self/fd/1).
// Called at start-up, before anything else is opened.
void guardstandardstreams();
