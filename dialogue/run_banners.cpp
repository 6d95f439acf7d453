#include "dialogue/run_banners.h"

#include <cstdint>
#include <string_view>

#include "dialogue/console_state.h"
#include "dialogue/edit_descriptors.h"
#include "dialogue/units.h"
#include "platform/clock.h"
#include "platform/real.h"

RunInfoCom runinfocom;

namespace {

const std::string boxframe = " " + std::string(43, '@');
const std::string boxrule = " @" + std::string(42, '-');

std::string trimmed(std::string_view s) { return std::string(ed::trim(s)); }

struct Processor {
  std::int32_t code;
  std::string_view name;
};

constexpr Processor processors[] = {
    {0, "M68000  "},   {2, "M68020  "},   {3, "M68030  "},   {4, "M68040  "},
    {257, "PPC601  "}, {259, "PPC603  "}, {260, "PPC604  "}, {262, "PPC603e "},
    {263, "PPC603ev"}, {264, "PPC750  "}, {265, "PPC604e "}, {266, "PPC604ev"},
    {268, "PPC7400 "}, {272, "PPC7450 "}, {273, "PPC7455 "},
};

std::string versiontext(std::optional<std::int32_t> sysv) {
  if (!sysv) return "MacOS?";
  return "MacOS" + trimmed(ed::z(static_cast<std::uint32_t>(*sysv), 4));
}

std::string processortext(std::optional<std::int32_t> cput) {
  if (!cput) return "CPU?";
  for (const Processor& p : processors)
    if (p.code == *cput) return std::string(p.name);
  return ed::pad("CPU#" + trimmed(ed::i(*cput, 4)), 8);
}

// The answer's 32 bits count Hz and are read unsigned: a rate above
// 2147483647 Hz keeps its value rather than turning negative. The rate is
// divided in single precision, so one just below 1 GHz may show as 1000 MHz.
std::string clocktext(std::optional<std::int32_t> pclk) {
  if (!pclk) return "?MHz";
  const auto rate = static_cast<std::uint32_t>(*pclk);
  const bool giga = rate >= 1000000000u;
  const auto whole = static_cast<int>(static_cast<real>(rate) / (giga ? 1.0e9f : 1.0e6f));
  return ed::pad(trimmed(ed::i(whole, 4)) + (giga ? "GHz" : "MHz"), 6);
}

}  // namespace

void progheadbc(const RoutineId& id) {
  std::string system, time, date;
  hostname(system);
  c8time(time);
  c10date(date);
  wout(boxframe);
  wout(" @");
  wout(" @       MAIN PROGRAM: " + trimmed(id.name));
  wout(" @            Version: " + ed::pad(id.version, 4));
  wout(" @               Date: " + ed::pad(id.date, 10));
  wout(" @");
  wout(boxrule);
  wout(" @ Running on: " + date + " at: " + time);
  wout(" @ On system: " + trimmed(system));
  wout(boxrule);
  wout(" @ Report of any problem is appreciated ");
  wout(boxrule);
  wout(" @         HIT RETURN TO CONTINUE");
  wout(boxframe);
  std::string answer;
  readline(iocom.iunin, answer);
}

void smaininfo(const RoutineId& id, int /*unused*/) {
  runinfocom.cmainname = ed::pad(id.name, 11);
  runinfocom.cmainvers = ed::pad(id.version, 4);
  runinfocom.cmaindate = ed::pad(id.date, 10);
  c10date(runinfocom.crundate);
  c8time(runinfocom.cruntime);
  username(runinfocom.cusername);
  hostname(runinfocom.csystem);
}

void c8time(std::string& c) {
  const ClockTime now = clocknow();
  c = ed::i(now.hour, 2, 2) + ":" + ed::i(now.minute, 2, 2) + ":" + ed::i(now.second, 2, 2);
}

void c10date(std::string& c) {
  const ClockTime now = clocknow();
  c = ed::i(now.day, 2, 2) + "-" + ed::i(now.month, 2, 2) + "-" + ed::i(now.year, 4, 4);
}

void hostname(std::string& c) { c = systemtext(sysanswers()); }

std::string systemtext(const SysAnswers& answers) {
  return ed::pad(versiontext(answers.sysv) + "-" + trimmed(processortext(answers.cput)) + "-" +
                     trimmed(clocktext(answers.pclk)),
                 25);
}

void username(std::string& c) { c = ed::pad("Mac user", 10); }

void maintail(const RoutineId& id) {
  std::string time;
  c8time(time);
  wout(boxframe);
  wout(" @ PROGRAM " + trimmed(id.name));
  wout(" @ Version: " + ed::pad(id.version, 4));
  wout(" @ EXECUTION TERMINATED AT: " + time);
  wout(boxrule);
  static constexpr void (*bydigit[])() = {happyface,    sator,        carmag33, endfun1,
                                          tetrakis,     tetratemple1, tetratemple2,
                                          offsetnf,     offsetrf,     tetrakis};
  const char digit = time[7];
  if (digit >= '0' && digit <= '9')
    bydigit[digit - '0']();
  else
    endfun1();
  wout(boxframe);
}
