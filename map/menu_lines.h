#pragma once
// The line shapes of the projection settings on the standard output unit,
// and their menu questions: a value line is one blank, the text, one blank
// and the value in F8.3.
#include <string>
#include <string_view>

#include "dialogue/banners.h"
#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/typed_input.h"
#include "platform/real.h"

inline void valueline(std::string_view text, real v) { sayreal(text, v, 8, 3); }

// The answer to "your choice", exitcode by default.
inline int yourchoice() {
  int answer = exitcode;
  int ierr = 0;
  inintegdef(answer, "your choice", answer, ierr);
  return answer;
}

// A real asked with v as the default, and set to the answer.
inline void askreal(real& v, std::string_view question) {
  int ierr = 0;
  inrealdef(v, question, v, ierr);
}
