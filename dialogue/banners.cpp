#include "dialogue/banners.h"

#include <string>

#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"

namespace {

const std::string at_rule = " " + std::string(43, '@');

// The 35-character field naming the routine inside a banner frame.
std::string namefield(const RoutineId& id) {
  return ed::pad("       subroutine " + std::string(id.name), 35);
}

void framed(char c, std::string_view field) {
  std::string bar(3, c);
  werr(" " + bar + " " + std::string(field) + " " + bar);
}

// Funnel of '@' around the word OUTDATED, printed by the outdated tails.
void funnel(std::string_view word) {
  const std::string full(24, '@');
  auto row = [](int blanks) {
    std::string b(static_cast<size_t>(blanks), ' ');
    return b + std::string(static_cast<size_t>(24 - 2 * blanks), '@') + b;
  };
  sayerr(full);
  for (int b = 2; b <= 10; b += 2) sayerr(row(b));
  sayerr(full);
  sayerr(word);
  sayerr(full);
  for (int b = 10; b >= 2; b -= 2) sayerr(row(b));
  sayerr(full);
}

}  // namespace

void mainmenuhead(const RoutineId& id) {
  wout(at_rule);
  wout(" @ main program " + std::string(id.name));
  wout(" @" + std::string(42, '='));
}

void submenuhead(const RoutineId& id) {
  wout(at_rule);
  wout(" @ subroutine " + std::string(id.name));
  wout(" @" + std::string(42, '='));
}

void menutail() { wout(at_rule); }

void warninghead(const RoutineId& id) {
  const std::string frame = " " + std::string(43, '/');
  werr(frame);
  framed('/', namefield(id));
  framed('/', "              WARNING              ");
  werr(frame);
}

void errorhead(const RoutineId& id) {
  const std::string frame = " " + std::string(43, '*');
  const std::string empty(35, ' ');
  werr(frame);
  werr(frame);
  framed('*', empty);
  framed('*', namefield(id));
  framed('*', empty);
  framed('*', "               ERROR               ");
  framed('*', empty);
  werr(frame);
  werr(frame);
}

void bannerpause() {
  std::string line;
  for (;;) {
    werr(iocom.lcomfile ? " ===> HIT RETURN TO RESUME COMMANDS" : " ===> HIT RETURN TO CONTINUE");
    if (readline(iocom.iunerrin, line) != ReadStatus::failed) return;
  }
}

void warningtail00() {
  if (iocom.lpause) bannerpause();
  werr(" " + std::string(43, '/'));
}

void errortail00() {
  if (iocom.lpause) bannerpause();
  werr(" " + std::string(43, '*'));
}

void warningtail0(int) {
  funnel("OUTDATED    warningtail0");
  warningtail00();
}

void errortail0(int) {
  funnel("OUTDATED    errortail0");
  errortail00();
}

void subhead(const RoutineId& id) {
  if (!outlevel(3)) return;
  wout(at_rule);
  wout(" @ subroutine  " + std::string(id.name));
  wout(" @ version " + std::string(id.version) + " on " + std::string(id.date));
  wout(at_rule);
}

void subtail(const RoutineId& id) {
  if (!outlevel(3)) return;
  wout(at_rule);
  wout(" @ exiting " + std::string(id.name));
  wout(at_rule);
}
