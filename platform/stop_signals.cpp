#include "platform/stop_signals.h"

#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t caught = 0;
StopRoutine stoproutine = nullptr;
bool stopping = false;

// A terminal that hangs up may send its hang-up twice (the shell passes
// one on): only another signal is a second one.
void onsignal(int signal) {
  if (caught != 0 && signal != SIGHUP) _exit(128 + signal);
  if (caught == 0) caught = signal;
}

}  // namespace

void catchstopsignals(StopRoutine stop) {
  stoproutine = stop;
  for (const int signal : {SIGINT, SIGHUP, SIGTERM}) {
    struct sigaction action {};
    if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN) continue;
    action = {};
    action.sa_handler = onsignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: a read waiting for input returns
    sigaction(signal, &action, nullptr);
  }
}

int stoprequested() { return caught; }

void checkstop() {
  if (caught == 0 || stopping || stoproutine == nullptr) return;
  stopping = true;
  stoproutine(caught);
}
