#include "platform/stop_signals.h"

#include <string.h>
#include <unistd.h>

#include <csignal>
#include <cstddef>
#include <initializer_list>

namespace {

constexpr int stopsignals[] = {SIGINT, SIGHUP, SIGTERM};

volatile std::sig_atomic_t caught = 0;   // the signal that stopped the run
volatile std::sig_atomic_t told = 0;     // the stop has been told
volatile std::sig_atomic_t further = 0;  // a second signal has come
volatile std::sig_atomic_t hungup = 0;   // a hang-up has come
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

// Blocks the stop signals: they wait. Returns the signal mask before.
sigset_t blockstops() {
  sigset_t stops, before;
  sigemptyset(&stops);
  for (const int signal : stopsignals) sigaddset(&stops, signal);
  sigprocmask(SIG_BLOCK, &stops, &before);
  return before;
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

void tellsecond() {
  tell({"mecaro: still finishing; once more ends at once and leaves them unfinished"});
}

// The first signal stops the run. The second is told, once the stop is
// (the console's lines are sent by then, so the line goes whole), and the
// files are still finished; the third ends the process at once. A
// terminal that hangs up may send its hang-up twice (the shell passes one
// on): a repeated hang-up counts once.
void onsignal(int signal) {
  if (signal == SIGHUP && hungup != 0) return;
  if (signal == SIGHUP) hungup = 1;
  if (caught == 0) {
    caught = signal;
    handle(SIGALRM, onalarm);
    alarm(1);
  } else if (further == 0) {
    further = 1;
    if (told != 0) tellsecond();
  } else {
    tell({"mecaro: ended at once by SIG", sigabbrev_np(signal),
          "; the open files are left unfinished"});
    endbysignal(signal);
  }
}

}  // namespace

void catchstopsignals(StopRoutine stop) {
  stoproutine = stop;
  for (const int signal : stopsignals) {
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

void stoptold() {
  const sigset_t before = blockstops();
  told = 1;
  if (further != 0) tellsecond();
  sigprocmask(SIG_SETMASK, &before, nullptr);
}

int holdstopsignals() {
  blockstops();
  sigset_t waiting;
  sigpending(&waiting);
  for (const int signal : stopsignals)
    if (caught == 0 && sigismember(&waiting, signal) != 0) onsignal(signal);
  return caught;
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
