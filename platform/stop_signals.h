#pragma once
// The signals that stop a run from outside: an interrupt (Ctrl-C), the
// terminal hung up, a request to terminate (kill). A run they stop finishes
// its files, as at the end of input, at the next point where that is safe
// (a read, a drawing call, a write that fails), and then ends by the same
// signal, so that whoever started it sees it ended by that signal (a shell
// loop stops at Ctrl-C). A second signal while it finishes is told, not
// obeyed; a third ends the process at once, its files left unfinished.

// Ends the run stopped by a signal (its number given), or, when the run is
// ending already, tells the stop and returns: that end then ends by the
// signal (endbysignal). Once it has told the stop, it calls stoptold.
using StopRoutine = void (*)(int signal);

// Catches SIGINT, SIGHUP and SIGTERM, each but one the run was started
// ignoring (a background job's interrupt, nohup's hang-up). A read waiting
// for input is then interrupted by them. The first that comes marks the run
// stopped (stoprequested); from then on, and only then, a read or a write
// that waits is interrupted every second (SIGALRM), so that one waiting on
// a pipe that no one reads fails: until a stop, SIGALRM keeps the action
// the run was started with. A repeated hang-up counts once.
void catchstopsignals(StopRoutine stop);

// The signal that stopped the run, or 0.
int stoprequested();

// Ends the run through the stop routine when a signal has stopped it, once:
// a check made after that does nothing.
void checkstop();

// The stop is told, and the console's lines before it: a second signal
// that came before is told now, one that comes later at once.
void stoptold();

// Holds SIGINT, SIGHUP and SIGTERM from here on: they wait, so that none
// comes unnoticed while the process ends. One that came since the run
// last looked stops it now. Returns the signal that stopped the run, or 0.
int holdstopsignals();

// Ends the process by the signal, with its default action; nothing is
// flushed. Safe in a signal handler; does not return.
[[noreturn]] void endbysignal(int signal);
