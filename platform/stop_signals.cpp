#include "platform/stop_signals.h"

#include <string.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t caught = 0;   // the signal that stopped the run
volatile std::sig_atomic_t further = 0;  // a second signal has come
StopRoutine stoproutine = nullptr;
bool stopping = false;

// Catches a signal with a handler that lets a waiting read or write return.
void handle(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart
  sigaction(signal, &action, nullptr);
}

// A write that waits on a pipe no one reads (a console whose reader has
// stopped) would keep a stopped run from ever ending: once a signal has
// stopped the run, an alarm every second interrupts such a write, which
// then fails.
void onalarm(int) { alarm(1); }

// Writes a line made of these parts on standard error, in one write and
// with no memory taken: a signal handler may have interrupted anything.
void tell(std::initializer_list<const char*> parts) {
  char line[128];
  std::size_t n = 0;
  for (const char* part : parts)
    for (; *part != '\0' && n + 1 < sizeof line; ++part) line[n++] = *part;
  line[n++] = '\n';
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, n);
}

// A terminal that hangs up may send its hang-up twice (the shell passes
// one on): only another signal counts. The second is told and the files
// are still finished; the third ends the process at once.
void onsignal(int signal) {
  if (caught == 0) {
    caught = signal;
    handle(SIGALRM, onalarm);
    alarm(1);
  } else if (signal != SIGHUP && further == 0) {
    further = 1;
    tell({"mecaro: still finishing; once more ends at once and leaves them unfinished"});
  } else if (signal != SIGHUP) {
    tell({"mecaro: ended at once by SIG", sigabbrev_np(signal),
          "; the open files are left unfinished"});
    endbysignal(signal);
  }
}

}  // namespace

void catchstopsignals(StopRoutine stop) {
  stoproutine = stop;
  for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
    struct sigaction action {};
    if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler != SIG_IGN)
      handle(signal, onsignal);
  }
}

int stoprequested() { return caught; }

void checkstop() {
  if (caught == 0 || stopping || stoproutine == nullptr) return;
  stopping = true;
  stoproutine(caught);
}

void endbysignal(int signal) {
  handle(signal, SIG_DFL);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal);
  sigprocmask(SIG_UNBLOCK, &set, nullptr);
  raise(signal);
  _exit(128 + signal);  // a signal whose default is not to end the process
}
