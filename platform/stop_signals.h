#pragma once
// The signals that stop a run from outside: an interrupt (Ctrl-C), the
// terminal hung up, a request to terminate (kill). A run they stop ends as
// at the end of input, its files finished, at the next point where that is
// safe: a read, a drawing call, a write that fails. A second one while it
// ends ends the process at once.

// Ends the run stopped by a signal (its number given); does not return.
using StopRoutine = void (*)(int signal);

// Catches SIGINT, SIGHUP and SIGTERM, each but one the run was started
// ignoring (a background job's interrupt, nohup's hang-up). A read waiting
// for input is then interrupted by them. The first that comes marks the run
// stopped (stoprequested); from then on a read or a write that waits is
// interrupted every second (SIGALRM), so that one waiting on a pipe that no
// one reads fails. A second signal, but a hang-up, ends the process at
// once with status 128 + its number.
void catchstopsignals(StopRoutine stop);

// The signal that stopped the run, or 0.
int stoprequested();

// Ends the run through the stop routine when a signal has stopped it, once:
// a check made while the run ends does nothing.
void checkstop();
