#include "platform/file_chooser.h"

#include <readline/history.h>
#include <readline/readline.h>
#include <unistd.h>

#include <cstdlib>

bool interactiveinput() { return isatty(STDIN_FILENO) != 0; }

bool terminalfilename(std::string& name) {
  char* line = readline("");  // completes file names by default
  if (line == nullptr) return false;
  name = line;
  std::free(line);
  if (!name.empty()) add_history(name.c_str());
  return true;
}
