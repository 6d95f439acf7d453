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
// Other runs are kept out too: an output holds its plain file with an
// exclusive advisory lock (flock) for as long as it is open, which the
// system drops when the run ends however it ends; a file another run holds
// is refused as one this run holds. On a file system that offers no lock,
// files are written unlocked.
#include <cstdio>
#include <string>

// Claims the file named for one output: a number for the claim, or 0 when
// another output of the run holds the file.
int claimoutput(const std::string& name);

// Gives up a claim (0 gives up nothing).
void releaseoutput(int claim);

// Whether an output of this run or of another run holds the file named.
bool outputheld(const std::string& name);

// An output open for writing: its stream, its claim, and whether its file
// is a plain file (known once, at open).
struct OutputFile {
  std::FILE* stream = nullptr;
  int claim = 0;
  bool plain = true;
};

// Opens the file named for one output, with the flags of open(2)
// (O_RDWR or O_WRONLY, O_CREAT, O_EXCL, O_APPEND, O_TRUNC): claimed, then
// locked, and only then, when O_TRUNC is given, emptied; nothing of a file
// another output holds is cut. A file that is no plain file (a pipe, a
// device) is opened to be written only and without waiting: a named pipe
// that no one reads cannot be opened. No file opened becomes the run's
// controlling terminal. The stream is null when the file cannot be opened;
// held then tells whether that is because another output, of this run or
// another, holds it.
OutputFile openoutput(const std::string& name, int flags, bool& held);

// Opens a file as openoutput does for an output whose claim its caller
// holds already (a window's PNG, written anew at each snapshot).
OutputFile openclaimed(const std::string& name, int flags, bool& held);

// Closes an output and gives its claim and lock up; false when a write to
// it has failed, or the close itself (its last writes lost).
bool closeoutput(OutputFile& output);

// Opens /dev/null on each of the descriptors of standard input, output and
// error that the run was started without, so that no file of the run takes
// the place of one (the messages meant for standard error written into a
// table); then holds standard output and standard error, where they are
// plain files, for the whole run, so that no output is written into the
// transcript under any of its names (run.log, /dev/stdout, /proc/self/fd/1).
// Where plain files, they are also held against the outputs of other runs
// with a shared lock, so that two runs may share them (mecaro > log and
// mecaro >> log); the lock is taken on the file opened anew (to be read),
// so that it ends with the run, not with the shell that opened the file.
// Called at start-up, before anything else is opened.
void guardstandardstreams();
