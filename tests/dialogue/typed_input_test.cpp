// The prompt family: the exact lines each prompt prints for typical and
// awkward answers, the value it accepts, and the end of input.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <functional>

#include "console_capture.h"
#include "dialogue/typed_input.h"

namespace {

using Lines = std::vector<std::string>;

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::string dots = " " + std::string(42, '.');
const std::string stars = " " + std::string(43, '*');

Lines errorbanner(const std::string& name11) {
  const std::string empty = " ***" + std::string(37, ' ') + "***";
  return {stars, stars, empty, " ***        subroutine " + name11 + "       ***", empty,
          " ***                ERROR                ***", empty, stars, stars};
}

// The banner of a failed read, with its pause answered.
Lines couldnotread(const std::string& name11, const std::string& question) {
  return errorbanner(name11) +
         Lines{" could not read " + question, " ==> RETRYING", " ===> HIT RETURN TO CONTINUE", stars};
}

// The question with default at output level 2, and the accepted value.
Lines asked(const std::string& question, const std::string& def) {
  return {dots, " Enter " + question, " or return for default value", " Default = " + def};
}
Lines echoed(const std::string& value) { return {" New value =  " + value, dots}; }

struct IntCase {
  std::string answer;
  int value;
  bool refusedonce;  // the first line is refused and "5" follows
};

TEST(TypedInput, IntegerWithDefaultReadsTheFirstItemOfTwentyCharacters) {
  const IntCase cases[] = {
      {"\n", 99, false},          // Return takes the default
      {" 5\n", 99, false},        // so does a leading blank
      {"5\n", 5, false},
      {"12 abc\n", 12, false},    // the rest of the line is ignored
      {"7,8\n", 7, false},
      {"-2147483648\n", -2147483648, false},
      {",8\n", 3, false},         // a null item keeps the value on entry
      {"/\n", 3, false},
      {"0000000000000000001234567\n", 12, false},  // only 20 characters count
      {"abc\n\n5\n", 5, true},
      {"7.5\n\n5\n", 5, true},
      {"4294967297\n\n5\n", 5, true},  // beyond 32 bits: no wrap
      {"+\n\n5\n", 5, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ConsoleCapture console(c.answer);
    int ival = 3;
    int ierr = -1;
    inintegdef(ival, "  your choice ", 99, ierr);
    EXPECT_EQ(ival, c.value);
    EXPECT_EQ(ierr, 0);
    Lines expected = asked("your choice", "          99");
    if (c.refusedonce)
      expected = expected + couldnotread("inintegdef ", "your choice") + asked("your choice", "          99");
    char value[16];
    std::snprintf(value, sizeof value, "%12d", c.value);
    EXPECT_EQ(console.lines(), expected + echoed(value));
  }
}

TEST(TypedInput, OutputLevelTwoOffLeavesTheQuestionAndTheEcho) {
  ConsoleCapture console("5\n");
  iocom.lwito[1] = false;
  int ival = 0;
  int ierr = 0;
  inintegdef(ival, "count", 1, ierr);
  EXPECT_EQ(console.lines(), (Lines{" Enter count", " New value =             5"}));
}

TEST(TypedInput, IntegerWithoutDefaultSkipsEmptyLinesAndLeadingBlanks) {
  {
    ConsoleCapture console("\n\n 7\n");
    int ival = 0;
    int ierr = 0;
    ininteg1(ival, "your choice", ierr);
    EXPECT_EQ(ival, 7);
    EXPECT_EQ(console.lines(), (Lines{dots, " Enter your choice", " New value =             7", dots}));
  }
  {
    ConsoleCapture console("x1\n\n8\n");
    int ival = 0;
    int ierr = 0;
    ininteg1(ival, "your choice", ierr);
    EXPECT_EQ(ival, 8);
    const Lines ask{dots, " Enter your choice"};
    EXPECT_EQ(console.lines(),
              ask + couldnotread("ininteg1   ", "your choice") + ask + echoed("           8"));
  }
}

TEST(TypedInput, OlderFormShowsItsLinesAtEveryLevelAndNoEcho) {
  ConsoleCapture console("abc\n\n\n");
  iocom.lwito[1] = false;
  int ival = 0;
  int ierr = 0;
  inintegdefnp(ival, " colour ", 12, ierr);
  EXPECT_EQ(ival, 12);
  const Lines question{" Enter  colour ", " or return for default value", " Default = 12"};
  const Lines lines = console.lines();
  ASSERT_EQ(lines.size(), 1 + 3 + 9 + 2 + 15 + 2 + 3 + 1u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4), Lines{dots} + question);
  EXPECT_EQ(lines[13], " could not read  colour ");
  EXPECT_EQ(lines[14], " " + std::string(13, ' ') + "RETRYING" + std::string(14, ' '));
  EXPECT_EQ(lines[22], " OUTDATED    errortail0");  // the outdated tail
  const Lines tail = Lines{" ===> HIT RETURN TO CONTINUE", stars} + question + Lines{dots};
  EXPECT_EQ(Lines(lines.end() - 6, lines.end()), tail);
}

TEST(TypedInput, IntegerIntervalsRefuseValuesAndDefaultsOutside) {
  const std::string inside = " inside  [1,35]";
  const std::string outside = " outside [1,35]";
  auto refused = [&](const std::string& name11, const std::string& value) {
    return errorbanner(name11) +
           Lines{" day = " + value, outside, " ===> HIT RETURN TO CONTINUE", stars};
  };
  {
    ConsoleCapture console("0\n\n\n36\n\n35\n");
    int ival = 0;
    int ierr = 0;
    inintegvin1(ival, "day", 1, 35, ierr);
    EXPECT_EQ(ival, 35);
    const Lines ask{dots, " Enter day", inside};
    EXPECT_EQ(console.lines(), ask + refused("inintegvin1", "           0") + ask +
                                   refused("inintegvin1", "          36") + ask +
                                   echoed("          35"));
  }
  {
    // The default 0 lies outside: Return is refused until a value inside.
    ConsoleCapture console("\n\n1\n");
    int ival = 0;
    int ierr = 0;
    inintegvindef(ival, "day", 0, 1, 35, ierr);
    EXPECT_EQ(ival, 1);
    const Lines ask = Lines{dots, " Enter day", inside, " or return for default value",
                            " Default =            0"};
    EXPECT_EQ(console.lines(),
              ask + refused("inintegvind", "           0") + ask + echoed("           1"));
  }
}

TEST(TypedInput, RealsShowTheGeneralLayoutAndRefuseWhatIsNotANumber) {
  struct Case {
    std::string answer;
    std::string echo;
    bool refusedonce;
  };
  const Case cases[] = {
      {"\n", " 5.00000    ", false},
      {"7.5 m\n", " 7.50000    ", false},
      {"1e1\n", " 10.0000    ", false},
      {"-.5\n", "-.500000    ", false},
      {"1.5d3\n", " 1500.00    ", false},
      {"1e7\n", "0.100000E+08", false},
      {"nan\n\n2\n", " 2.00000    ", true},
      {"inf\n\n2\n", " 2.00000    ", true},
      {"-Infinity\n\n2\n", " 2.00000    ", true},
      {"1e39\n\n2\n", " 2.00000    ", true},  // beyond the single-precision range
      {"1.2.3\n\n2\n", " 2.00000    ", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ConsoleCapture console(c.answer);
    real x = 0;
    int ierr = 0;
    inrealdef(x, "depth", 5.0f, ierr);
    Lines expected = asked("depth", " 5.00000    ");
    if (c.refusedonce)
      expected = expected + couldnotread("inrealdef  ", "depth") + asked("depth", " 5.00000    ");
    EXPECT_EQ(console.lines(), expected + echoed(c.echo));
  }
}

TEST(TypedInput, RealIntervalLayoutsFollowTheMagnitudeOfTheBounds) {
  struct Case {
    real xmin, xmax, xdef;
    std::string inside, def;
  };
  const Case cases[] = {
      {0, 1, 0.5f, " inside  [ 0.000, 1.000]", " 0.500"},
      {-5, 50, 5, " inside  [ -5.000, 50.000]", "  5.000"},
      {-90, 90, 0, " inside  [-90.000, 90.000]", "  0.000"},
      {0, 500, 20, " inside  [   0.00, 500.00]", "  20.00"},
      {0, 50000, 5000, " inside  [      0.0,  50000.0]", "             0.5E+04"},
      {0, 5e6f, 1, " inside  [          0.0,   5000000.]", "              1.    "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inside);
    ConsoleCapture console("\n");
    real x = c.xdef;
    int ierr = 0;
    inrealvindef(x, "value", c.xdef, c.xmin, c.xmax, ierr);
    EXPECT_EQ(x, c.xdef);
    const Lines lines = console.lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[2], c.inside);
    EXPECT_EQ(lines[4], " Default = " + c.def);
  }
}

TEST(TypedInput, RealIntervalRefusesAValueOutsideAndAcceptsTheBounds) {
  ConsoleCapture console("60000\n\n50000\n");
  real x = 5000;
  int ierr = 0;
  inrealvindef(x, " depth ", 5000, 0, 50000, ierr);
  EXPECT_EQ(x, 50000.0f);
  const Lines ask{dots, " Enter depth", " inside  [      0.0,  50000.0]",
                  " or return for default value", " Default =              0.5E+04"};
  const Lines refused{" depth =  60000.0    ", " outside [      0.0,  50000.0]",
                      " ===> HIT RETURN TO CONTINUE", stars};
  EXPECT_EQ(console.lines(),
            ask + errorbanner("inrealvinde") + refused + ask + echoed(" 50000.0    "));
}

TEST(TypedInput, YesNoAnswers) {
  struct Case {
    std::string answer;
    bool value;
  };
  const Case cases[] = {{"y\n", true},  {"yes\n", true}, {"Y\n", true},  {"1\n", true},
                        {"n\n", false}, {"N\n", false},  {"0\n", false}, {"no\n", false},
                        {"\n", true},   {" n\n", true}};  // default: yes
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ConsoleCapture console(c.answer);
    bool lval = false;
    int ierr = 0;
    inlogicdef(lval, " plot grid ", true, ierr);
    EXPECT_EQ(lval, c.value);
    EXPECT_EQ(console.lines(),
              (Lines{dots, " plot grid ?", " Enter (0/1)(n/y)(N/Y)",
                     " or return for default value or h for help", " Default = Yes",
                     std::string(" New value =  ") + (c.value ? "Yes" : "No "), dots}));
  }
}

TEST(TypedInput, YesNoHelpAndIncorrectAnswers) {
  const Lines ask{dots, " grid ?", " Enter (0/1)(n/y)(N/Y)",
                  " or return for default value or h for help", " Default = No "};
  const Lines help{" " + std::string(43, '@'),
                   " @ subroutine inlogicdef ",
                   " @" + std::string(42, '='),
                   "    To         type           ",
                   " -----------------------------",
                   " get help      h or H         ",
                   " answer Yes    y or Y or 1    ",
                   " answer No     n or N or 0    ",
                   " use default   Carriage Return",
                   " " + std::string(43, '@')};
  {
    ConsoleCapture console("h\n\n");
    bool lval = true;
    int ierr = 0;
    inlogicdef(lval, "grid", false, ierr);
    EXPECT_FALSE(lval);
    EXPECT_EQ(console.lines(), ask + help + ask + echoed("No "));
  }
  {
    ConsoleCapture console("x\n\nY\n");
    bool lval = false;
    int ierr = 0;
    inlogicdef(lval, "grid", false, ierr);
    EXPECT_TRUE(lval);
    const Lines incorrect{" incorrect answer: x", " ==> WILL ASK QUESTION AGAIN",
                          " ===> HIT RETURN TO CONTINUE", stars};
    EXPECT_EQ(console.lines(),
              ask + errorbanner("inlogicdef ") + incorrect + help + ask + echoed("Yes"));
  }
}

TEST(TypedInput, YesNoOnGivenUnitsShowsItsLinesAtEveryLevel) {
  // The standard input is a command file whose answer would be "y"; the
  // question is answered on the unit given, the keyboard.
  ConsoleCapture console("n\n");
  char commands[] = "y\n";
  attachunit(15, fmemopen(commands, 2, "r"), true);
  iocom.iunin = 15;
  iocom.lcomfile = true;
  iocom.lwito[1] = false;
  bool lval = true;
  int ierr = 0;
  inlogicdef2(lval, "STOP", true, iocom.iunerrin, iocom.iunerrout, ierr);
  EXPECT_FALSE(lval);
  EXPECT_EQ(console.lines(), (Lines{dots, " STOP ?", " Enter (0/1)(n/y)(N/Y)",
                                    " or return for default value or h for help",
                                    " Default = Yes", " New value =  No ", dots}));
  closeunit(15);
}

TEST(TypedInput, TextWithDefaultKeepsTheWholeDefault) {
  {
    ConsoleCapture console("\n");
    std::string cval(12, 'x');
    int ierr = 0;
    inchardef(cval, "file name", "  seis.map  ", ierr);
    EXPECT_EQ(cval, "  seis.map  ");
    EXPECT_EQ(console.lines(), (Lines{dots, " Enter file name", " or return for default value",
                                      " Default = seis.map", " ichar =  32 => use default value",
                                      " New value =   seis.map  ", dots}));
  }
  {
    // The value on entry may be the default itself; a long answer is cut.
    ConsoleCapture console("catalogue_2010.txt\n");
    std::string cval = "seis.map";
    int ierr = 0;
    inchardef(cval, "file name", cval, ierr);
    EXPECT_EQ(cval, "catalogu");
  }
  {
    ConsoleCapture console(" new.txt\n");
    std::string cval(40, ' ');
    int ierr = 0;
    inchardef(cval, "file name", "old.txt", ierr);
    EXPECT_EQ(cval, "old.txt" + std::string(33, ' '));  // a leading blank asks for the default
  }
  {
    // Trimmed as textlen trims: a blank default keeps one blank.
    ConsoleCapture console("\n");
    std::string cval(4, 'x');
    int ierr = 0;
    inchardef(cval, "parameter name", "    ", ierr);
    EXPECT_EQ(console.lines()[3], " Default =  ");
    EXPECT_EQ(cval, "    ");
  }
}

TEST(TypedInput, RawTextAcceptsAnEmptyLine) {
  ConsoleCapture console("\n");
  std::string cval(4, 'x');
  int ierr = 0;
  inchar1(cval, "CR = Return to dispose of the plot", ierr);
  EXPECT_EQ(cval, "    ");
  EXPECT_EQ(console.lines(),
            (Lines{dots, " Enter CR = Return to dispose of the plot", " New value =     ", dots}));
}

TEST(TypedInput, TextlenFindsTheNonBlankEnds) {
  struct Case {
    std::string text;
    int ifirst, ilast;
  };
  const Case cases[] = {{"  abc  ", 3, 5}, {"   ", 3, 3}, {"", 1, 0}, {"a", 1, 1}, {"a b ", 1, 3}};
  for (const auto& c : cases) {
    int ifirst = 0;
    int ilast = 0;
    textlen(ifirst, ilast, c.text);
    EXPECT_EQ(ifirst, c.ifirst) << '"' << c.text << '"';
    EXPECT_EQ(ilast, c.ilast) << '"' << c.text << '"';
  }
}

// One prompt of each kind, with an answer it refuses (none for the text
// prompts, which take any line).
struct Prompt {
  const char* name;
  std::function<void()> ask;
  const char* refused;
};
const Prompt prompts[] = {
    {"inintegdef", [] { int v = 0, e = 0; inintegdef(v, "q", 1, e); }, "abc\n"},
    {"ininteg1", [] { int v = 0, e = 0; ininteg1(v, "q", e); }, "abc\n"},
    {"inintegdefnp", [] { int v = 0, e = 0; inintegdefnp(v, "q", 1, e); }, "abc\n"},
    {"inintegvin1", [] { int v = 0, e = 0; inintegvin1(v, "q", 1, 9, e); }, "10\n"},
    {"inintegvindef", [] { int v = 0, e = 0; inintegvindef(v, "q", 1, 1, 9, e); }, "0\n"},
    {"inrealdef", [] { real v = 0; int e = 0; inrealdef(v, "q", 1, e); }, "nan\n"},
    {"inrealvindef", [] { real v = 0; int e = 0; inrealvindef(v, "q", 1, 0, 9, e); }, "9.5\n"},
    {"inlogicdef", [] { bool v = false; int e = 0; inlogicdef(v, "q", true, e); }, "abc\n"},
    {"inchardef", [] { std::string v(8, ' '); int e = 0; inchardef(v, "q", "d", e); }, nullptr},
    {"inchar1", [] { std::string v(8, ' '); int e = 0; inchar1(v, "q", e); }, nullptr},
};

TEST(TypedInput, EndOfACommandFileHandsTheKeyboardBack) {
  for (const auto& prompt : prompts) {
    SCOPED_TRACE(prompt.name);
    // Return for the pause of the warning, then the answer at the keyboard.
    ConsoleCapture console("\n1\n");
    attachunit(15, std::fopen("/dev/null", "r"), true);
    iocom.iunin = 15;
    iocom.lcomfile = true;
    iocom.lwito[1] = false;
    prompt.ask();
    EXPECT_EQ(iocom.iunin, keyboard_unit);
    EXPECT_FALSE(iocom.lcomfile);
    EXPECT_FALSE(unitopen(15));
    const Lines lines = console.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), " END OF COMMAND FILE"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), " ===> HIT RETURN TO RESUME COMMANDS"),
              lines.end());
  }
  // The answer comes from the keyboard, after the command file's own.
  ConsoleCapture console("\n42\n");
  char commands[] = "7\n";
  attachunit(15, fmemopen(commands, 2, "r"), true);
  iocom.iunin = 15;
  iocom.lcomfile = true;
  int first = 0;
  int second = 0;
  int ierr = 0;
  inintegdef(first, "count", 1, ierr);
  inintegdef(second, "count", 1, ierr);
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, 42);
}

// A command file line longer than any record (a file that never ends a
// line) is a failed read: the keyboard is handed back and the prompt's own
// banner reports it; the rest of the command file is not read.
TEST(TypedInput, ACommandFileLineTooLongHandsTheKeyboardBack) {
  // Returns for the pauses of the warning and of the error, then the answer.
  ConsoleCapture console("\n\n42\n");
  std::string commands = std::string(70000, 'x') + "\n7\n";
  attachunit(15, fmemopen(commands.data(), commands.size(), "r"), true);
  iocom.iunin = 15;
  iocom.lcomfile = true;
  int value = 0;
  int ierr = 0;
  inintegdef(value, "count", 1, ierr);
  EXPECT_EQ(value, 42);
  EXPECT_FALSE(iocom.lcomfile);
  EXPECT_FALSE(unitopen(15));
  const Lines lines = console.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), " END OF COMMAND FILE"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), " could not read count"), lines.end());
}

// End of the keyboard at any prompt, first or after a refused answer, ends
// the run with status 2 at once.
TEST(TypedInputDeathTest, EndOfInputEndsTheRunAtEveryPrompt) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const auto& prompt : prompts) {
    for (const char* input : {"", prompt.refused}) {
      if (input == nullptr) continue;
      SCOPED_TRACE(std::string(prompt.name) + " after \"" + input + "\"");
      EXPECT_EXIT(
          {
            alarm(1);  // a prompt that loops is killed, and the test fails
            consoletostderr(input);
            prompt.ask();
            std::exit(0);
          },
          testing::ExitedWithCode(2), "END OF STANDARD INPUT");
    }
  }
  // The yes/no question of the error stops reads the keyboard.
  EXPECT_EXIT(
      {
        alarm(1);
        consoletostderr("");
        bool v = false;
        int e = 0;
        inlogicdef2(v, "q", true, iocom.iunerrin, iocom.iunerrout, e);
        std::exit(0);
      },
      testing::ExitedWithCode(2), "END OF STANDARD INPUT");
}

}  // namespace
