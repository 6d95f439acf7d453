// What the system tells about the computer.
#include "platform/sysinfo.h"

#include <gtest/gtest.h>

namespace {

TEST(SysInfo, ClockRateFromCpuinfo) {
  EXPECT_EQ(cpuinfoclock("processor\t: 0\ncpu MHz\t\t: 867.000\ncache size\t: 512 KB\n"),
            867000000);
  // The first processor's line counts; a rate above 2^31 Hz keeps its bits.
  const auto rate = cpuinfoclock("cpu MHz\t\t: 2596.144\ncpu MHz\t\t: 1000.000\n");
  ASSERT_TRUE(rate);
  EXPECT_EQ(static_cast<std::uint32_t>(*rate), 2596144000u);
}

TEST(SysInfo, ClockRateUnknown) {
  EXPECT_FALSE(cpuinfoclock(""));
  EXPECT_FALSE(cpuinfoclock("processor\t: 0\nBogoMIPS\t: 50.00\n"));
  EXPECT_FALSE(cpuinfoclock("cpu MHz\t\t: unknown\n"));
  EXPECT_FALSE(cpuinfoclock("cpu MHz\t\t: 4400.000\n"));  // beyond 32 bits of Hz
}

TEST(SysInfo, NoSystemVersionOrProcessorCode) {
  const SysAnswers answers = sysanswers();
  EXPECT_FALSE(answers.sysv);
  EXPECT_FALSE(answers.cput);
}

}  // namespace
