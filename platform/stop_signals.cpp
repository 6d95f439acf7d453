#include "platform/stop_signals.h"

#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t caught = 0;
StopRoutine stoproutine = nullptr;
bool stopping = false;

// A write that waits on a pipe no one reads (a console whose reader has
// stopped) would keep a stopped run from ever ending: once a signal has
// stopped the run, an alarm every second interrupts such a write, which
// then fails.
void onalarm(int) { alarm(1); }

// A terminal that hangs up may send its hang-up twice (the shell passes
// one on): only another signal is a second one.
void onsignal(int signal) {
  if (caught != 0 && signal != SIGHUP) _exit(128 + signal);
  if (caught != 0) return;
  caught = signal;
  alarm(1);
}

// Catches a signal with a handler that lets a waiting read or write return.
void handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart
  sigaction(signal, &action, nullptr);
}

}  // namespace

void catchstopsignals(StopRoutine stop) {
  stoproutine = stop;
  for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
    struct sigaction action {};
    if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler != SIG_IGN)
      handle(signal, onsignal);
  }
  handle(SIGALRM, onalarm);
}

int stoprequested() { return caught; }

void checkstop() {
  if (caught == 0 || stopping || stoproutine == nullptr) return;
  stopping = true;
  stoproutine(caught);
}
