// mecaro: focal-mechanism catalogues read, extracted, listed, written and
// plotted through a numbered-menu console dialogue.
#include "dialogue/console_state.h"
#include "dialogue/units.h"

int main() {
  initsio();
  endrun(0);
}
