#include "platform/file_chooser.h"

#include <readline/history.h>
#include <readline/readline.h>

#include <cstdlib>

bool terminalfilename(std::string& name) {
  char* line = readline("");  // completes file names by default
  if (line == nullptr) return false;
  name = line;
  std::free(line);
  if (!name.empty()) add_history(name.c_str());
  return true;
}
