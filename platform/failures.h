#pragma once
// Failures of the platform's services (a plot file or the drawing log that
// cannot be written, a screen size that cannot be read) are told to the
// user by the layer that owns the console: it installs its reporter at
// start-up. Until one is installed, they go to standard error.
#include <string_view>

using FailureReporter = void (*)(std::string_view text);

void setfailurereporter(FailureReporter reporter);

// Tells one failure, one line of text.
void reportfailure(std::string_view text);
