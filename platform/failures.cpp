#include "platform/failures.h"

#include <cstdio>

namespace {

void tostderr(std::string_view text) {
  std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

FailureReporter reporter = tostderr;

}  // namespace

void setfailurereporter(FailureReporter r) { reporter = r != nullptr ? r : tostderr; }

void reportfailure(std::string_view text) { reporter(text); }
