#include "platform/file_chooser.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/stop_signals.h"

namespace {

// Readline's own key reader goes on reading after a signal it hands on to
// the run: this one reads no further once a signal has stopped the run,
// so that readline returns and gives the terminal back itself. A signal
// readline caught is first dealt with by readline (the terminal restored,
// the run's handler called).
int readkey(FILE* stream) {
  for (;;) {
    rl_check_signals();
    if (stoprequested() != 0) return EOF;
    unsigned char c = 0;
    const ssize_t n = read(fileno(stream), &c, 1);
    if (n == 1) return c;
    if (n == 0 || errno != EINTR) return EOF;
  }
}

// Readline sets the terminal up again after a signal it handed on (a job
// continued after Ctrl-Z): not once the run is stopped, whose terminal is
// then left as readline restored it, as it was before the run.
void prepterminal(int meta) {
  if (stoprequested() == 0) rl_prep_terminal(meta);
}

}  // namespace

bool terminalfilename(std::string& name) {
  rl_getc_function = readkey;
  rl_prep_term_function = prepterminal;
  char* line = readline("");  // completes file names by default
  checkstop();  // a line ended by a termination or a hang-up is not taken
  if (line == nullptr) return false;
  name = line;
  std::free(line);
  if (!name.empty()) add_history(name.c_str());
  return true;
}
