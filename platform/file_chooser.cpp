#include "platform/file_chooser.h"

#include <readline/history.h>
#include <readline/readline.h>

#include <cstdlib>

#include "platform/stop_signals.h"

namespace {

// Readline, which hands the signals it catches on to the run's handlers,
// goes on reading after an interrupt: a signal that stops the run ends it
// from here, the terminal given back first.
int onsignal() {
  if (stoprequested() != 0) {
    rl_cleanup_after_signal();
    checkstop();
  }
  return 0;
}

}  // namespace

bool terminalfilename(std::string& name) {
  rl_signal_event_hook = onsignal;
  char* line = readline("");  // completes file names by default
  checkstop();  // a hang-up or a termination ends the line as its end
  if (line == nullptr) return false;
  name = line;
  std::free(line);
  if (!name.empty()) add_history(name.c_str());
  return true;
}
