// Edit descriptors against the texts gfortran writes, and the layouts the
// dialogue defines in words (the general 12.6 and 20.1 layouts).
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/edit_descriptors.h"

namespace {

struct RealCase {
  char kind;  // 'F', 'E' or 'G'
  int w, d;
  float value;
  const char* expected;
};

TEST(EditDescriptors, RealOutput) {
  const RealCase cases[] = {
      {'F', 8, 3, 0.0f, "   0.000"},      {'F', 8, 3, -0.0f, "  -0.000"},
      {'F', 8, 3, 3.14159f, "   3.142"},  {'F', 8, 3, 123456.7f, "********"},
      {'F', 8, 3, -120.2f, "-120.200"},   {'F', 8, 3, -0.001f, "  -0.001"},
      {'F', 4, 2, -0.5f, "-.50"},         {'F', 4, 2, 0.5f, "0.50"},
      {'F', 4, 2, -3.14159f, "****"},     {'F', 4, 2, 0.125f, "0.12"},
      {'F', 4, 2, -0.001f, "-.00"},       {'F', 5, 0, 0.5f, "   0."},
      {'F', 5, 0, -0.5f, "  -0."},        {'F', 5, 0, 99.999f, " 100."},
      {'F', 5, 0, 42.5f, "  42."},        {'F', 5, 0, -120.2f, "-120."},
      {'F', 4, 0, -0.3f, " -0."},         {'F', 4, 0, -120.2f, "****"},
      {'F', 6, 1, 99.999f, " 100.0"},     {'F', 6, 1, 0.125f, "   0.1"},
      {'E', 9, 2, 0.0f, " 0.00E+00"},     {'E', 9, 2, -0.0f, "-0.00E+00"},
      {'E', 9, 2, 123456789.0f, " 0.12E+09"}, {'E', 9, 2, 99.999f, " 0.10E+03"},
      {'E', 9, 2, -0.001f, "-0.10E-02"},  {'E', 9, 2, 1.0e10f, " 0.10E+11"},
      {'E', 12, 4, -120.2f, " -0.1202E+03"}, {'E', 12, 4, 3.14159f, "  0.3142E+01"},
      {'E', 8, 2, -0.5f, "-.50E+00"},     {'E', 7, 2, -0.5f, "*******"},
      // The general layouts: fixed-point in w-4 columns and four blanks
      // from 0.1 up to 10**d, the exponent form otherwise (zero included).
      {'G', 12, 6, 5.0f, " 5.00000    "}, {'G', 12, 6, 0.1f, "0.100000    "},
      {'G', 12, 6, 123456.4f, " 123456.    "}, {'G', 12, 6, 1.0e7f, "0.100000E+08"},
      {'G', 12, 6, 999999.7f, "0.100000E+07"}, {'G', 12, 6, 0.0f, "0.000000E+00"},
      {'G', 12, 6, -2.5f, "-2.50000    "}, {'G', 12, 6, 0.05f, "0.500000E-01"},
      {'G', 20, 1, 5.0f, "              5.    "}, {'G', 20, 1, 5000.0f, "             0.5E+04"},
      {'G', 20, 1, 0.0f, "             0.0E+00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.kind) + std::to_string(c.w) + "." + std::to_string(c.d) +
                 " of " + std::to_string(c.value));
    std::string got = c.kind == 'F' ? ed::f(c.value, c.w, c.d)
                      : c.kind == 'E' ? ed::e(c.value, c.w, c.d)
                                      : ed::g(c.value, c.w, c.d);
    EXPECT_EQ(got + ";", std::string(c.expected) + ";");
  }
}

TEST(EditDescriptors, NonFiniteValuesKeepTheirWidth) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ed::f(nan, 8, 3), "     NaN");
  EXPECT_EQ(ed::f(inf, 10, 2), "  Infinity");
  EXPECT_EQ(ed::f(-inf, 5, 2), " -Inf");
  EXPECT_EQ(ed::e(nan, 2, 1), "**");
}

TEST(EditDescriptors, IntegerLogicalAndTextOutput) {
  EXPECT_EQ(ed::i(0, 4), "   0");
  EXPECT_EQ(ed::i(-5, 4), "  -5");
  EXPECT_EQ(ed::i(123456, 4), "****");
  EXPECT_EQ(ed::i(-2147483647, 11), "-2147483647");
  EXPECT_EQ(ed::i(5, 4, 3), " 005");
  EXPECT_EQ(ed::i(-5, 4, 3), "-005");
  EXPECT_EQ(ed::i(5, 2, 2), "05");
  EXPECT_EQ(ed::l(true, 2), " T");
  EXPECT_EQ(ed::l(false, 1), "F");
  EXPECT_EQ(ed::z(0x1049, 4), "1049");
  EXPECT_EQ(ed::z(0x49, 4), "  49");
  EXPECT_EQ(ed::z(0x12345, 4), "****");
  EXPECT_EQ(ed::z(0xFFFFFFFF, 4), "****");  // the bits of -1
  EXPECT_EQ(ed::a("abc", 5), "  abc");
  EXPECT_EQ(ed::a("abcdef", 4), "abcd");
  EXPECT_EQ(ed::x(3), "   ");
  EXPECT_EQ(ed::pad("abc", 5), "abc  ");
  EXPECT_EQ(ed::pad("abcdef", 4), "abcd");
  EXPECT_EQ(ed::trim("  a b  "), "a b");
  EXPECT_EQ(ed::trim("   "), "");
  EXPECT_EQ(ed::listi(-12), "-12");
  EXPECT_EQ(ed::listr(2.5f), "2.5");
  EXPECT_EQ(ed::listr(90.0f), "90.");
  EXPECT_EQ(ed::listr(0.1f), "0.1");
}

// A list-directed read of an integer, a real and a six-character text,
// which hold -1, -1.5 and "old" before the read.
struct ListCase {
  const char* lines;
  ed::ListEnd end;
  int i;
  float r;
  const char* a;
  std::size_t linesread;
};

TEST(EditDescriptors, ListDirectedRead) {
  using ed::ListEnd;
  const ListCase cases[] = {
      // Blanks, tabs and commas separate; the rest of the last line is ignored.
      {"7 2.5 abc", ListEnd::complete, 7, 2.5f, "abc   ", 1},
      {"7,2.5,abc,more", ListEnd::complete, 7, 2.5f, "abc   ", 1},
      {"  7 ,\t2.5 ,  abc  ", ListEnd::complete, 7, 2.5f, "abc   ", 1},
      {"7 2.5 abc\n8 3.5 def", ListEnd::complete, 7, 2.5f, "abc   ", 1},
      // Too few on a line: the read goes on, over blank lines too.
      {"7\n\n2.5\nabc", ListEnd::complete, 7, 2.5f, "abc   ", 4},
      // Empty values keep what the variable held; the end of a line and a
      // comma after it are one separator.
      {"7,,abc", ListEnd::complete, 7, -1.5f, "abc   ", 1},
      {",2.5,abc", ListEnd::complete, -1, 2.5f, "abc   ", 1},
      {"7,\n,abc", ListEnd::complete, 7, -1.5f, "abc   ", 2},
      {"7\n,2.5 abc", ListEnd::complete, 7, 2.5f, "abc   ", 2},
      // A slash ends the read; what is not reached keeps its value.
      {"7 / 2.5 abc", ListEnd::complete, 7, -1.5f, "old   ", 1},
      {"7 2.5/abc", ListEnd::complete, 7, 2.5f, "old   ", 1},
      {"/\n7", ListEnd::complete, -1, -1.5f, "old   ", 1},
      // Quoted texts: separators inside, doubled delimiters, cut to length.
      {"7 2.5 'a b,/'", ListEnd::complete, 7, 2.5f, "a b,/ ", 1},
      {"7 2.5 'it''s'", ListEnd::complete, 7, 2.5f, "it's  ", 1},
      {"7 2.5 \"say \"\"\"", ListEnd::complete, 7, 2.5f, "say \" ", 1},
      {"7 2.5 'open", ListEnd::complete, 7, 2.5f, "open  ", 1},
      {"7 2.5 abcdefgh", ListEnd::complete, 7, 2.5f, "abcdef", 1},
      // A value too long for its kind, a non-number, a text for a number:
      // the read stops there, the values before it read.
      {"2147483648 2.5 abc", ListEnd::bad, -1, -1.5f, "old   ", 1},
      {"7 1e39 abc", ListEnd::bad, 7, -1.5f, "old   ", 1},
      {"7 abc\n2.5 abc", ListEnd::bad, 7, -1.5f, "old   ", 1},
      {"1.5 2.5 abc", ListEnd::bad, -1, -1.5f, "old   ", 1},
      {"'7' 2.5 abc", ListEnd::bad, -1, -1.5f, "old   ", 1},
      // The end of the lines before the last value.
      {"7 2.5", ListEnd::eof, 7, 2.5f, "old   ", 1},
      {"", ListEnd::eof, -1, -1.5f, "old   ", 0},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.lines);
    std::vector<std::string> lines;
    for (std::string_view rest = c.lines; !rest.empty();) {
      const std::size_t n = std::min(rest.find('\n'), rest.size());
      lines.emplace_back(rest.substr(0, n));
      rest.remove_prefix(std::min(n + 1, rest.size()));
    }
    std::size_t next = 0;
    auto nextline = [&](std::string& line) {
      if (next == lines.size()) return ReadStatus::eof;
      line = lines[next++];
      return ReadStatus::line;
    };
    int i = -1;
    float r = -1.5f;
    std::string a = ed::pad("old", 6);
    const ed::ListVar vars[] = {&i, &r, &a};
    EXPECT_EQ(ed::readlist(nextline, vars).end, c.end);
    EXPECT_EQ(i, c.i);
    EXPECT_EQ(r, c.r);
    EXPECT_EQ(a, c.a);
    EXPECT_EQ(next, c.linesread);
  }
}

TEST(EditDescriptors, ListDirectedReadOfOneText) {
  int i = -1;
  const ed::ListVar var[] = {&i};
  EXPECT_EQ(ed::readlist("   ", var).end, ed::ListEnd::eof);
  EXPECT_EQ(ed::readlist(",5", var).end, ed::ListEnd::complete);
  EXPECT_EQ(i, -1);
  EXPECT_EQ(ed::readlist(" 12 abc", var).end, ed::ListEnd::complete);
  EXPECT_EQ(i, 12);
}

TEST(EditDescriptors, ListDirectedNumbers) {
  int iv = -1;
  EXPECT_TRUE(ed::readint("+5", iv));
  EXPECT_EQ(iv, 5);
  EXPECT_TRUE(ed::readint("-2147483648", iv));
  EXPECT_EQ(iv, -2147483648);
  for (const char* bad : {"2147483648", "99999999999999999999", "1.5", "abc", "", "-", "1e1"}) {
    SCOPED_TRACE(bad);
    iv = 7;
    EXPECT_FALSE(ed::readint(bad, iv));
    EXPECT_EQ(iv, 7);
  }
  float x = 0;
  EXPECT_TRUE(ed::readreal("7.5", x));
  EXPECT_EQ(x, 7.5f);
  EXPECT_TRUE(ed::readreal("-.5", x));
  EXPECT_EQ(x, -0.5f);
  EXPECT_TRUE(ed::readreal("1.5d2", x));
  EXPECT_EQ(x, 150.0f);
  EXPECT_TRUE(ed::readreal("12", x));
  EXPECT_EQ(x, 12.0f);
  for (const char* bad : {"nan", "inf", "-Infinity", "1e99", "abc", ".", "1.2.3", "1e", "e5"}) {
    SCOPED_TRACE(bad);
    x = 3;
    EXPECT_FALSE(ed::readreal(bad, x));
    EXPECT_EQ(x, 3.0f);
  }
}

// Reals read in place and those strtof reads (a plus sign, a D exponent,
// values near the ends of a float's range) are the values strtof gives.
TEST(EditDescriptors, RealsReadAsStrtofReadsThem) {
  for (std::string text : {"35.0004", "-119.9994", "+2.5", "16777217", "0.1", "1.17549435e-38",
                           "1e-45", "1e-50", "-7e-46", "3.4028235e38", "3.40282356e38", "2.5D3",
                           "-4.25d-2", "1.E5"}) {
    SCOPED_TRACE(text);
    float x = 3;
    ASSERT_TRUE(ed::readreal(text, x));
    std::replace_if(text.begin(), text.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    const float expected = std::strtof(text.c_str(), nullptr);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(x), std::bit_cast<std::uint32_t>(expected));
  }
}

TEST(EditDescriptors, FixedColumnFields) {
  float x = -1;
  int iv = -1;
  EXPECT_TRUE(ed::fieldf("3512", 1, 4, 2, x));  // implied decimals
  EXPECT_EQ(x, 35.12f);
  EXPECT_TRUE(ed::fieldf(" 12 3", 1, 5, 2, x));  // inner blanks ignored
  EXPECT_EQ(x, 1.23f);
  EXPECT_TRUE(ed::fieldf("  5", 1, 3, 2, x));
  EXPECT_EQ(x, 0.05f);
  EXPECT_TRUE(ed::fieldf("xx-1.5", 3, 4, 2, x));  // an explicit point wins
  EXPECT_EQ(x, -1.5f);
  EXPECT_TRUE(ed::fieldf("     ", 1, 5, 2, x));  // all blank reads zero
  EXPECT_EQ(x, 0.0f);
  EXPECT_TRUE(ed::fieldf("ab", 10, 5, 2, x));  // beyond the line: blanks
  EXPECT_EQ(x, 0.0f);
  for (const char* bad : {"1e1", "nan", "1.2.3", "12-3", "a"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ed::fieldf(bad, 1, 5, 2, x));
  }
  EXPECT_TRUE(ed::fieldi(" 12 3", 1, 5, iv));
  EXPECT_EQ(iv, 123);
  EXPECT_TRUE(ed::fieldi("    ", 1, 4, iv));
  EXPECT_EQ(iv, 0);
  EXPECT_FALSE(ed::fieldi("9999999999", 1, 10, iv));  // beyond 32 bits
  EXPECT_FALSE(ed::fieldi("  - ", 1, 4, iv));
  EXPECT_FALSE(ed::fieldi("1.0", 1, 3, iv));
  EXPECT_EQ(ed::fielda("abc", 2, 4), "bc  ");
}

// The quick ways of writing Fw.d and reading real fields against printf
// and strtof, the C library's correctly rounded conversions: random bit
// patterns, decimal values, exact halves, and fields with and without
// their point.
TEST(EditDescriptors, QuickConversionsMatchTheCLibrary) {
  std::mt19937 random(20101);
  auto fixedtext = [](float x, int d) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%#60.*f", d, static_cast<double>(x));
    return std::string(buf);
  };
  for (int k = 0; k < 100000; ++k) {
    const std::uint32_t bits = random();
    float x;
    std::memcpy(&x, &bits, sizeof x);
    const int d = static_cast<int>(random() % 14);
    const float decimal = static_cast<float>(static_cast<int>(random() % 2000001) - 1000000) /
                          std::pow(10.0f, static_cast<float>(random() % 7));
    const float half = static_cast<float>(static_cast<int>(random() % 200001) - 100000) / 8.0f;
    for (float v : {x, decimal, half}) {
      if (std::isfinite(v)) {
        ASSERT_EQ(ed::f(v, 60, d), fixedtext(v, d)) << v << " " << d;
      }
    }
    std::string digits = std::to_string(random() % 1000000000u);
    const std::size_t at = random() % (digits.size() + 1);
    const int implied = static_cast<int>(random() % 11);
    std::string withpoint = "-" + digits.substr(0, at) + "." + digits.substr(at);
    std::string implicit = digits;
    if (implicit.size() <= static_cast<std::size_t>(implied)) implicit.insert(0, static_cast<std::size_t>(implied) - implicit.size() + 1, '0');
    implicit.insert(implicit.size() - static_cast<std::size_t>(implied), ".");
    float v = 0;
    ASSERT_TRUE(ed::fieldf(" " + withpoint, 1, 16, implied, v));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(v), std::bit_cast<std::uint32_t>(std::strtof(withpoint.c_str(), nullptr)))
        << withpoint;
    ASSERT_TRUE(ed::fieldf(digits, 1, 16, implied, v));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(v), std::bit_cast<std::uint32_t>(std::strtof(implicit.c_str(), nullptr)))
        << digits << " " << implied;
  }
}

}  // namespace
